#pragma once
// The inner page sets of the main window's top pages.
#include "model/model.h"

#include <QWidget>

#include <functional>

class QTabWidget;

namespace qvk::shell {

// Fills `owner` with a page set of the model drawn as buttons. `make` builds
// the page of a widget name, or returns null for a page still empty.
QTabWidget* fill_button_pages(QWidget* owner, const WindowModel& model, const char* set,
                              const std::function<QWidget*(const QString&)>& make);

// Adds the pages of a model page set to a page set widget (empty pages
// where `make` returns null).
void add_pages(QTabWidget* pages, const WindowModel& model, const std::function<QWidget*(const QString&)>& make);

} // namespace qvk::shell
