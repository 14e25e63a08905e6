#pragma once
#include "model/model.h"
#include "model/registry.h"

namespace qvk::equations {

// The page "Kvadratické (ne)rovnice": a x^2 + b x + c R 0.
void declare_quadratic(WindowModel& model);
void register_quadratic(Registry& registry);

void kvreseniClick(WindowModel& model);

} // namespace qvk::equations
