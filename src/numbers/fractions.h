#pragma once
#include "model/declare.h"
#include "model/model.h"
#include "model/registry.h"

#include <cstdint>

namespace qvk::numbers {

// The page's name: in the calculator table, and its published result.
inline constexpr char kFractionsPage[] = "zlm";

// A fraction shown stacked: its numerator over a bar over its denominator,
// three fields of the page.
struct Stacked {
    const char* numerator;
    const char* bar;
    const char* denominator;
};
inline constexpr Stacked kFractionResult{"z5", "cara1", "z6"};
inline constexpr Stacked kFractionConverted{"citatel", "cara2", "jmenovatel"};

// The page "Zlomky": arithmetic of two fractions, and a decimal fraction
// turned into a fraction.
void declare_fractions(WindowModel& model);
// The page's descriptor: its fields, their places on the page.
std::span<const declare::Entry> fractions_fields();
void register_fractions(Registry& registry);

// Run by the button, by a change of the operation and by the check box.
void fraction_compute(WindowModel& model);
void prevedClick(WindowModel& model);

// Width of a fraction bar under two texts: 6 pixels per character of the
// longer one, plus 2.
int bar_width(const QString& numerator, const QString& denominator);

// --- the typed solves

struct Ratio {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    bool operator==(const Ratio&) const = default;
};

struct FractionInput {
    Ratio first, second; // denominators not 0, nor the second numerator for "/"
    int operation = 0;   // 0 to 3: +, -, *, /
    bool mixed = false;  // a whole part taken out
};

struct FractionResult {
    FractionInput in;
    std::int64_t common = 0; // + and -: the common denominator
    Ratio unreduced;
    std::int64_t divisor = 0; // of the reduction; 0 for a zero result
    Ratio reduced;            // lowest terms, the denominator positive
    bool hasWhole = false;    // mixed, and the result 0 or at least 1 in size
    std::int64_t whole = 0;
    Ratio shown;               // beside the whole part, the numerator not negative
    bool fractionShown = true; // false: the whole number alone
};

FractionResult solve_fraction(const FractionInput& in);

// The digits after "0," as a fraction.
struct DecimalInput {
    double value = 0; // the digits read as a whole number
    int digits = 1;   // how many characters were typed
};

struct DecimalFraction {
    DecimalInput in;
    double power = 1;         // 10 to the number of characters
    std::int64_t divisor = 0; // of the reduction; 0 for the value 0
    double numerator = 0, denominator = 1;
};

DecimalFraction solve_decimal(const DecimalInput& in);

// The worked solutions (fractions_explain.cpp).
Postup explain_fraction(const FractionResult& r);
Postup explain_decimal(const DecimalFraction& r);

} // namespace qvk::numbers
