#pragma once
#include "model/model.h"
#include "model/registry.h"

#include <cstdint>

namespace qvk::numbers {

// The page "Prvočísla": factorization and the listing of primes.
inline constexpr char kPrimesStop[] = "primes"; // stop flag of both runs
void declare_primes(WindowModel& model);
void register_primes(Registry& registry);

void rozlozClick(WindowModel& model);
void vypisClick(WindowModel& model);
void prerusClick(WindowModel& model);

// Integer part of the square root, exact for every 64-bit value.
std::uint64_t isqrt(std::uint64_t n);

} // namespace qvk::numbers
