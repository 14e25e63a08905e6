#pragma once
#include "model/model.h"
#include "model/registry.h"

#include <QString>

#include <array>

namespace qvk::equations {

// The page's name: in the calculator table, and its published result.
inline constexpr char kCubicPage[] = "kub";

// The page "Kubická rovnice": a x^3 + b x^2 + c x + d = 0.
void declare_cubic(WindowModel& model);
void register_cubic(Registry& registry);

void kub_vyresClick(WindowModel& model);


// The roots of a x^3 + b x^2 + c x + d = 0 as the page computes them,
// before rounding for display. The coefficients are those the page uses
// (already rounded to the decimal places).
struct CubicRoots {
    enum class Kind {
        Triple,        // x1 = x2 = x3 = s
        DoubleRoot,    // x1 and the double root x2; no x3
        OneReal,       // x1 real, x2/x3 the pair re +- im * i
        ThreeReal,     // x1 the largest, x2 the smallest, x3 the middle one
    };
    double s = 0; // substitution x = y + s
    double p = 0; // reduced form y^3 + p y + q = 0
    double q = 0;
    double D = 0; // discriminant, rounded to 13 places
    Kind kind = Kind::Triple;
    long double x1 = 0, x2 = 0, x3 = 0; // real roots (x2, x3 unused for OneReal, x3 for DoubleRoot)
    long double re = 0, im = 0;         // the complex pair of OneReal; im >= 0
};

// `a` must not be 0. Arithmetic faults (overflow, invalid operation) stay in
// the FP status flags for the caller's next check.
CubicRoots solve_cubic(double a, double b, double c, double d);

// The typed solve of the page: its terms (as read, rounded), the places and
// the roots.
struct CubicInput {
    double a = 0, b = 0, c = 0, d = 0; // a != 0
    int places = 0;
};
struct CubicResult {
    CubicInput in;
    CubicRoots roots;
};
CubicResult solve_cubic(const CubicInput& in);

// The texts the page shows for a result; x3 empty for a double root, x2 and
// x3 the complex pair "re +- im * i" for one real root.
struct CubicTexts {
    QString subs, disk, p, q, x1, x2, x3;
};
CubicTexts cubic_texts(const CubicResult& r);

} // namespace qvk::equations
