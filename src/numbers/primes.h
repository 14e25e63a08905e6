#pragma once
#include "model/declare.h"
#include "model/model.h"
#include "model/registry.h"

#include <cstdint>
#include <vector>

namespace qvk::numbers {

// The page's name: in the calculator table, and its published result.
inline constexpr char kPrimesPage[] = "pc";

// The page "Prvočísla": factorization and the listing of primes.
inline constexpr char kPrimesStop[] = "primes"; // stop flag of both runs
void declare_primes(WindowModel& model);
// The page's descriptor: its fields, their places on the page.
std::span<const declare::Entry> primes_fields();
void register_primes(Registry& registry);

void rozlozClick(WindowModel& model);
void vypisClick(WindowModel& model);
void prerusClick(WindowModel& model);

// Integer part of the square root, exact for every 64-bit value.
std::uint64_t isqrt(std::uint64_t n);

// --- the typed solves. Both are long runs: the page watches them step by
// step (progress, events, Stop); solved on their own they run to the end.

struct PrimeFactor {
    std::uint64_t prime = 0;
    int power = 1;
    bool operator==(const PrimeFactor&) const = default;
};

struct FactorizationInput {
    std::uint64_t n = 4; // 4 or more
};

struct Factorization {
    FactorizationInput in;
    std::vector<PrimeFactor> factors; // increasing; the last cofactor with power 1
    bool prime = false;               // no factor below the input itself
    bool finished = true;             // false: stopped, `factors` found so far
};

Factorization factorize(const FactorizationInput& in);

struct ListingInput {
    std::int64_t from = 0, to = 0; // from <= to, to - from <= 20000
};

struct PrimeListing {
    ListingInput in;
    std::vector<std::uint64_t> primes; // increasing
    bool finished = true;
    std::uint64_t lastTested = 0; // stopped: the last number whose test completed
};

PrimeListing list_primes(const ListingInput& in);

// The worked solutions (primes_explain.cpp).
Postup explain_factorization(const Factorization& r);
Postup explain_listing(const PrimeListing& r);

} // namespace qvk::numbers
