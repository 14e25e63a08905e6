#pragma once
// Exact sums over many numbers as the page holds them (each read as its
// shortest decimal), taken in whole numbers on one common scale: far cheaper
// than adding Exact values one by one.
#include "exact/exact.h"

#include <vector>

namespace qvk {

struct DataSums {
    Exact powers[5]; // powers[k] = Σ xᵏ (powers[0] is the count)
    Exact distances; // Σ |x − x̄|, x̄ = Σ x / n
};

// Every sum unknown where a value is not finite or the values span more
// digits than the bounds of Exact allow for the fourth powers.
DataSums data_sums(const std::vector<double>& values);

} // namespace qvk
