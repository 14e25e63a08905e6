#pragma once
#include "model/model.h"
#include "model/registry.h"

#include <array>

namespace qvk::equations {

// The page "Kvadratické (ne)rovnice": a x^2 + b x + c R 0.
void declare_quadratic(WindowModel& model);
void register_quadratic(Registry& registry);

void kvreseniClick(WindowModel& model);

// The terms a, b, c as the page reads them. Throws on a text that is not a number.
std::array<double, 3> quadratic_terms(const WindowModel& model);

} // namespace qvk::equations
