#pragma once
#include "model/declare.h"
#include "model/model.h"
#include "model/registry.h"

#include <cstdint>
#include <vector>

namespace qvk::numbers {

// The page's name: in the calculator table, and its published result.
inline constexpr char kDivisorsPage[] = "nsnnsd";

// The page "Dělitel a násobek": the greatest common divisor and the least
// common multiple of a list of numbers.
void declare_divisors(WindowModel& model);
// The page's descriptor: its fields, their places on the page.
std::span<const declare::Entry> divisors_fields();
void register_divisors(Registry& registry);

void dvecislaClick(WindowModel& model);

// --- the typed solve

struct DivisorsInput {
    std::vector<std::int64_t> numbers; // two or more, each 1 to 999999999
};

struct Divisors {
    DivisorsInput in;
    // Both folded over the numbers from the first; step k holds them after
    // the number k (step 0 is the first number itself).
    struct Step {
        std::int64_t divisor = 0;
        std::int64_t multiple = 0; // 0 once out of range
    };
    std::vector<Step> steps;
    std::int64_t divisor = 0;
    std::int64_t multiple = 0;
    bool multipleInRange = true; // false: above the 64-bit range
};

Divisors solve_divisors(const DivisorsInput& in);

// The worked solution (divisors_explain.cpp).
Postup explain_divisors(const Divisors& r);

} // namespace qvk::numbers
