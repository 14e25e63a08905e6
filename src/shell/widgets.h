#pragma once
// Small helpers for building pages.
#include <QIcon>
#include <QLabel>
#include <QString>
#include <QWidget>

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

// A named picture of the program's resources (":/pictures/<name>.svg").
QIcon picture(const QString& name);

} // namespace qvk::shell
