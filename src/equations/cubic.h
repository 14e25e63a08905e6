#pragma once
#include "core/formula.h"
#include "model/declare.h"
#include "model/model.h"
#include "model/postup.h"
#include "model/registry.h"

#include <QString>

#include <array>

namespace qvk::equations {

// The page's name: in the calculator table, and its published result.
inline constexpr char kCubicPage[] = "kub";

// The page "Kubická rovnice": a x^3 + b x^2 + c x + d = 0.
void declare_cubic(WindowModel& model);
// The page's descriptor: its fields, their places on the page.
std::span<const declare::Entry> cubic_fields();
void register_cubic(Registry& registry);

void kub_vyresClick(WindowModel& model);


// --- the formulas, once for the decimal and for the written line

// The substitution x = y + s that removes the square term.
template <typename N>
N cubic_shift(const N& a, const N& b)
{
    return keep(-keep(b / a) / N(3));
}
// The reduced form y^3 + p y + q = 0.
template <typename N>
N reduced_p(const N& a, const N& b, const N& c, const N& s)
{
    return keep(s * s * N(3) * a / a + N(2) * b * s / a + c / a);
}
template <typename N>
N reduced_q(const N& a, const N& b, const N& c, const N& d, const N& s)
{
    return keep(s * s * s + s * s * b / a + s * c / a + d / a);
}
// Rounded to 13 places, so that a double root is not lost to the last bits.
template <typename N>
N cubic_discriminant(const N& p, const N& q)
{
    return rounded(q / N(2) * (q / N(2)) + p / N(3) * (p / N(3)) * (p / N(3)), 13);
}
// Cardano's cube roots, D > 0.
template <typename N>
N cardano_u(const N& q, const N& D)
{
    return real_cube_root(-(q / N(2)) + root(D));
}
template <typename N>
N cardano_v(const N& q, const N& D)
{
    return real_cube_root(-(q / N(2)) - root(D));
}
template <typename N>
N cardano_root(const N& u, const N& v, const N& s)
{
    return u + v + s;
}
// The complex pair re +- im * i beside Cardano's real root.
template <typename N>
N cardano_re(const N& u, const N& v, const N& s)
{
    return -(u + v) / N(2) + s;
}
template <typename N>
N cardano_im(const N& u, const N& v)
{
    return absolute(root(N(3)) * (u - v) / N(2));
}
// The double-root case D = 0: the single root is -2 t, the double one t,
// both of the opposite sign for q < 0.
template <typename N>
N double_root_t(const N& q)
{
    return cube_root(absolute(q) / N(2));
}
template <typename N>
N double_root_x1(const N& t, const N& q, const N& s)
{
    return -N(2) * t * sign(q) + s;
}
template <typename N>
N double_root_x2(const N& t, const N& q, const N& s)
{
    return t * sign(q) + s;
}
// Casus irreducibilis, D < 0: three real roots by the cosine of phi / 3.
template <typename N>
N trig_angle(const N& p, const N& q)
{
    const N m = absolute(p) / N(3);
    return acos_rad(within_unit(-(q / N(2)) / root(m * m * m)));
}
template <typename N>
N trig_x1(const N& p, const N& phi, const N& s)
{
    return N(2) * root(absolute(p) / N(3)) * cos_rad(phi / N(3)) + s;
}
template <typename N>
N trig_x2(const N& p, const N& phi, const N& s)
{
    return -N(2) * root(absolute(p) / N(3)) * cos_rad((phi - pi<N>()) / N(3)) + s;
}
template <typename N>
N trig_x3(const N& p, const N& phi, const N& s)
{
    return -N(2) * root(absolute(p) / N(3)) * cos_rad((phi + pi<N>()) / N(3)) + s;
}
// D rounded to 0 with q = 0: y (y^2 + p) = 0, y = +- root(-p) or the pair +- root(p) i.
template <typename N>
N reduced_pair_root(const N& p)
{
    return root(p);
}
// D rounded to 0 with p = 0: y^3 = -q; the pair is s - y/2 +- |root(3) y / 2| i.
template <typename N>
N pure_cube_y(const N& q)
{
    return real_cube_root(-q);
}
template <typename N>
N pure_cube_re(const N& y, const N& s)
{
    return s - y / N(2);
}
template <typename N>
N pure_cube_im(const N& y)
{
    return absolute(root(N(3)) * y / N(2));
}

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

// The worked solution of a result.
Postup explain_cubic(const CubicResult& r);

} // namespace qvk::equations
