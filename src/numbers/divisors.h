#pragma once
#include "model/model.h"
#include "model/registry.h"

namespace qvk::numbers {

// The page "Dělitel a násobek": the greatest common divisor and the least
// common multiple of a list of numbers.
void declare_divisors(WindowModel& model);
void register_divisors(Registry& registry);

void dvecislaClick(WindowModel& model);

} // namespace qvk::numbers
