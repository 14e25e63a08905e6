#pragma once
// The main window's menu commands that run on the model (help topics, the
// desktop calculator, clearing the current page).
#include "model/model.h"
#include "model/registry.h"

namespace qvk::app {

void declare_menu(WindowModel& model);
void register_menu(Registry& registry);

} // namespace qvk::app
