#pragma once
// The plane figures' formulas, each written once over the value type N (see
// core/formula.h): long double for the page, Sym for the text.
#include "core/formula.h"

namespace qvk::planimetry::formulas {

// --- right triangle: legs a, b, hypotenuse c, α opposite a

template <typename N>
N hypotenuse(const N& a, const N& b)
{
    return root(sq(a) + sq(b));
}
template <typename N>
N other_leg(const N& c, const N& leg)
{
    return root(sq(c) - sq(leg));
}
// The angle opposite a, by the law of cosines.
template <typename N>
N alpha_of_sides(const N& a, const N& b, const N& c)
{
    return acos_deg((sq(b) + sq(c) - sq(a)) / (2 * b * c));
}
template <typename N>
N complement(const N& angle)
{
    return 90 - angle;
}
template <typename N>
N perimeter(const N& a, const N& b, const N& c)
{
    return a + b + c;
}
// Half the product of two perpendicular lengths: two legs, or a side and
// its height.
template <typename N>
N half_product(const N& a, const N& b)
{
    return a * b / 2;
}
// The length perpendicular to `base` that gives the area s.
template <typename N>
N height_of_area(const N& s, const N& base)
{
    return 2 * s / base;
}
// The leg opposite `angle` from the other leg and its opposite angle.
template <typename N>
N leg_of_angles(const N& leg, const N& opposite, const N& angle)
{
    return sin_deg(angle) * (leg / sin_deg(opposite));
}
template <typename N>
N leg_of_hypotenuse(const N& c, const N& angle)
{
    return c * sin_deg(angle);
}

// --- square of side a; rectangle and parallelogram of sides a, b (a
// rectangle's diagonal is the hypotenuse of two sides, a side from it the
// other leg; its other side is the height onto a side)

template <typename N>
N square_diagonal(const N& a)
{
    return a * root(N(2));
}
template <typename N>
N square_perimeter(const N& a)
{
    return 4 * a;
}
template <typename N>
N square_area(const N& a)
{
    return sq(a);
}
template <typename N>
N square_side_of_diagonal(const N& u)
{
    return root(sq(u) / 2);
}
template <typename N>
N square_side_of_perimeter(const N& o)
{
    return o / 4;
}
template <typename N>
N square_side_of_area(const N& s)
{
    return root(s);
}
template <typename N>
N parallelogram_perimeter(const N& a, const N& b)
{
    return 2 * (a + b);
}
template <typename N>
N parallelogram_area(const N& side, const N& height)
{
    return side * height;
}
template <typename N>
N parallelogram_side_of_perimeter(const N& o, const N& side)
{
    return (o - 2 * side) / 2;
}
template <typename N>
N parallelogram_height_of_area(const N& s, const N& side)
{
    return s / side;
}
template <typename N>
N supplement(const N& angle)
{
    return 180 - angle;
}
// The angle between the sides from the height onto one and the other side.
template <typename N>
N parallelogram_angle(const N& height, const N& side)
{
    return asin_deg(height / side);
}
// The height onto one side from the other side and the angle.
template <typename N>
N parallelogram_height_of_angle(const N& side, const N& angle)
{
    return side * sin_deg(angle);
}
template <typename N>
N parallelogram_side_of_angle(const N& height, const N& angle)
{
    return height / sin_deg(angle);
}
template <typename N>
N parallelogram_area_of_angle(const N& a, const N& b, const N& angle)
{
    return a * b * sin_deg(angle);
}

// --- circular sector of radius r and angle α in degrees

template <typename N>
N sector_area(const N& r, const N& alpha)
{
    return alpha * (sq(r) * pi<N>()) / 360;
}
template <typename N>
N sector_arc(const N& r, const N& alpha)
{
    return alpha * (2 * pi<N>() * r) / 360;
}
template <typename N>
N sector_radius_of_arc(const N& o, const N& alpha)
{
    return o / (2 * pi<N>()) / alpha * 360;
}
template <typename N>
N sector_radius_of_area(const N& s, const N& alpha)
{
    return root(s / pi<N>() / alpha * 360);
}

} // namespace qvk::planimetry::formulas
