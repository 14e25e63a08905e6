#include "exact/exact.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace qvk {
namespace {

Exact d(double x) { return Exact::decimal(x); }

struct Case {
    const char* what;
    std::function<Exact()> make;
    const char* canonical; // "" for unknown
    const char* written;
};

const Case kCases[] = {
    {"typed decimal", [] { return d(0.1); }, "1/10", "1/10"},
    {"sum of fractions", [] { return Exact::fraction(1, 2) + Exact::fraction(1, 3); }, "5/6", "5/6"},
    {"squares out", [] { return root(Exact(8)); }, "2*sqrt(2)", "2√2"},
    {"root of a fraction", [] { return root(Exact::fraction(1, 2)); }, "sqrt(2)/2", "√2/2"},
    {"root of a square", [] { return root(Exact(144)); }, "12", "12"},
    {"root of a decimal", [] { return root(d(0.25)); }, "1/2", "1/2"},
    {"quadratic root", [] { return (Exact(2) - root(Exact(8))) / Exact(2); }, "1 - sqrt(2)", "1 − √2"},
    {"golden", [] { return (Exact(3) + root(Exact(5))) / Exact(2); }, "(3 + sqrt(5))/2", "(3 + √5)/2"},
    {"complex roots", [] { return (Exact(-1) + root(Exact(-3))) / Exact(2); }, "-1/2 + sqrt(3)/2*i", "−1/2 + √3/2 i"},
    {"imaginary unit", [] { return root(Exact(-1)); }, "i", "i"},
    {"sphere", [] { return Exact::fraction(4, 3) * Exact::pi() * Exact(27); }, "36*pi", "36π"},
    {"circle", [] { return Exact::pi() * sq(Exact(5)); }, "25*pi", "25π"},
    {"hexagon", [] { return Exact(3) * root(Exact(3)) / Exact(2) * sq(Exact(2)); }, "6*sqrt(3)", "6√3"},
    {"product of roots", [] { return root(Exact(6)) * root(Exact(10)); }, "2*sqrt(15)", "2√15"},
    {"rationalized", [] { return Exact(1) / (Exact(1) + root(Exact(2))); }, "-1 + sqrt(2)", "−1 + √2"},
    {"root over pi", [] { return Exact(5) / Exact::pi(); }, "5/pi", "5/π"},
    {"sin 30°", [] { return sin_deg(Exact(30)); }, "1/2", "1/2"},
    {"cos 45°", [] { return cos_deg(Exact(45)); }, "sqrt(2)/2", "√2/2"},
    {"tan 60°", [] { return tan_deg(Exact(60)); }, "sqrt(3)", "√3"},
    {"sin 15°", [] { return sin_deg(Exact(15)); }, "(-sqrt(2) + sqrt(6))/4", "(−√2 + √6)/4"},
    {"cos 210°", [] { return cos_deg(Exact(210)); }, "-sqrt(3)/2", "−√3/2"},
    {"arccos back", [] { return acos_deg(root(Exact(3)) / Exact(2)); }, "30", "30"},
    {"arcsin back", [] { return asin_deg(-Exact::fraction(1, 2)); }, "-30", "−30"},
    {"radians", [] { return cos_rad(Exact(60) * Exact::pi() / Exact(180)); }, "1/2", "1/2"},
    {"cube root", [] { return cube_root(Exact::fraction(-27, 8)); }, "-3/2", "−3/2"},
    {"arccos of 0,3", [] { return acos_deg(d(0.3)); }, "", ""},
    {"sin 10°", [] { return sin_deg(Exact(10)); }, "", ""},
    {"cube root of 2", [] { return cube_root(Exact(2)); }, "", ""},
    {"root of a root", [] { return root(root(Exact(2))); }, "", ""},
    {"division by zero", [] { return Exact(1) / Exact(0); }, "", ""},
    {"unknown spreads", [] { return Exact(1) + sin_deg(Exact(10)); }, "", ""},
    {"a 19-digit prime", [] { return root(Exact::fraction(9223372036854775783LL, 1)); }, "", ""},
    {"63 bits, small factors", [] { return root(Exact::fraction(9223372036854775806LL, 1)); }, "sqrt(9223372036854775806)", "√9223372036854775806"},
};

TEST(Exact, CanonicalAndWrittenForms)
{
    for (const Case& c : kCases) {
        const Exact x = c.make();
        EXPECT_EQ(x.canonical().toStdString(), c.canonical) << c.what;
        EXPECT_EQ(x.written().toStdString(), c.written) << c.what;
        EXPECT_EQ(x.known(), *c.canonical != 0) << c.what;
    }
}

// Every known value's approximation agrees with the same computation in
// floating point.
TEST(Exact, ApproximationAgreesWithTheDecimals)
{
    const long double pi = 3.14159265358979323846L;
    const struct {
        Exact x;
        long double re, im;
    } rows[] = {
        {root(Exact(8)), std::sqrt(8.0L), 0},
        {(Exact(3) + root(Exact(5))) / Exact(2), (3 + std::sqrt(5.0L)) / 2, 0},
        {(Exact(-1) + root(Exact(-3))) / Exact(2), -0.5L, std::sqrt(3.0L) / 2},
        {Exact(5) / Exact::pi(), 5 / pi, 0},
        {sin_deg(Exact(15)), std::sin(pi / 12), 0},
        {root(d(1e300)), 1e150L, 0},
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(r.x.approx(), r.re, 1e-15L * std::fabs(r.re) + 1e-18L) << r.x.canonical().toStdString();
        EXPECT_NEAR(r.x.approx_imag(), r.im, 1e-15L) << r.x.canonical().toStdString();
    }
}

// Large inputs finish and give up rather than work without bound.
TEST(Exact, HugeInputsGiveUp)
{
    Exact x = d(1e300);
    for (int k = 0; k < 6; ++k)
        x = x * x;
    EXPECT_FALSE(x.known());
    EXPECT_FALSE(root(d(1e300) * d(1e300) + Exact(1)).known());
    const Exact big = d(9007199254740993.0) * d(9007199254740993.0);
    EXPECT_TRUE(root(big).known());
}

} // namespace
} // namespace qvk
