#pragma once
#include "model/model.h"
#include "model/registry.h"

namespace qvk::numbers {

// The page "Prvočísla": factorization and the listing of primes.
void declare_primes(WindowModel& model);
void register_primes(Registry& registry);

} // namespace qvk::numbers
