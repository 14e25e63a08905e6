#pragma once
// The page tree of the main window: page sets, their pages and the help
// anchors of the calculators.
#include "model/model.h"
#include "model/registry.h"

#include <optional>

namespace qvk::app {

void declare_navigation(WindowModel& model);

} // namespace qvk::app
