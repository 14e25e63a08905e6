#pragma once
// Small helpers for building pages.
#include "model/model.h"

#include <QIcon>
#include <QLabel>
#include <QString>
#include <QWidget>

class QTabWidget;

namespace qvk::shell {

// A widget named after its model field; the binding fills in the rest.
template <typename W>
W* make(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromUtf8(name));
    return w;
}

// A caption with no field behind it.
QLabel* text_label(QWidget* parent, const QString& text);
// The caption the model holds for a field, as a label beside it.
QLabel* caption_label(QWidget* parent, const WindowModel& model, const char* field);

// A named picture of the program's resources (":/pictures/<name>.svg").
QIcon picture(const QString& name);

// A button that runs its page's calculation (neither a clear nor a Stop button).
bool runs_calculation(const QString& button);

// On a page with several calculations, the button that Enter in `field` runs:
// the one of the field's own group; empty when the page has one calculation.
QString group_run_button(const QString& field);

// A page set whose page tabs are drawn as a row of buttons.
QTabWidget* button_pages(QWidget* parent, const char* name);
// A page set without tabs: only the program changes its page.
QTabWidget* hidden_pages(QWidget* parent, const char* name);

// Accessible name and description of a widget that has no model field (the
// secondary windows); the widget name instead when QVKALKOR_A11Y_IDS=1.
void set_accessible(QWidget* w, const QString& name, const QString& hint = {});
bool a11y_ids();

} // namespace qvk::shell
