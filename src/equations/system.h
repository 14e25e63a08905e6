#pragma once
#include "model/model.h"
#include "model/registry.h"

namespace qvk::equations {

// The page "Soustava rovnic": a linear system of 2 to 26 equations.
void declare_system(WindowModel& model);
void register_system(Registry& registry);

} // namespace qvk::equations
