#pragma once
// The plane figures' formulas, each written once over the value type N (see
// core/formula.h): long double for the page, Sym for the text.
#include "core/formula.h"

namespace qvk::planimetry::formulas {

// The rule a formula applies, named in the worked solution (see
// planimetry/traced.h); the page's values pass through untouched.
template <typename N>
N by_rule(const char*, const N& x)
{
    return x;
}

// --- right triangle: legs a, b, hypotenuse c, α opposite a

template <typename N>
N hypotenuse(const N& a, const N& b)
{
    return by_rule("Pythagorova věta", root(sq(a) + sq(b)));
}
template <typename N>
N other_leg(const N& c, const N& leg)
{
    return by_rule("Pythagorova věta", root(sq(c) - sq(leg)));
}
// The angle opposite a, by the law of cosines (in any triangle).
template <typename N>
N alpha_of_sides(const N& a, const N& b, const N& c)
{
    return by_rule("kosinová věta", acos_deg((sq(b) + sq(c) - sq(a)) / (2 * b * c)));
}
template <typename N>
N complement(const N& angle)
{
    return by_rule("součet úhlů v trojúhelníku", 90 - angle);
}
template <typename N>
N perimeter(const N& a, const N& b, const N& c)
{
    return by_rule("obvod trojúhelníku", a + b + c);
}
// Half the product of two perpendicular lengths: two legs, or a side and
// its height.
template <typename N>
N half_product(const N& a, const N& b)
{
    return by_rule("obsah trojúhelníku", a * b / 2);
}
// The length perpendicular to `base` that gives the area s.
template <typename N>
N height_of_area(const N& s, const N& base)
{
    return by_rule("obsah trojúhelníku", 2 * s / base);
}
// The leg opposite `angle` from the other leg and its opposite angle; in any
// triangle, a side by the law of sines.
template <typename N>
N leg_of_angles(const N& leg, const N& opposite, const N& angle)
{
    return by_rule("sinová věta", sin_deg(angle) * (leg / sin_deg(opposite)));
}
template <typename N>
N leg_of_hypotenuse(const N& c, const N& angle)
{
    return by_rule("sinus v pravoúhlém trojúhelníku", c * sin_deg(angle));
}

// --- general triangle: sides a, b, c, the angles α, β, γ opposite them (the
// angle opposite a side, the perimeter, the heights and the area of a side
// and its height are the right triangle's)

// The side opposite the angle φ between the sides x and y, by the law of
// cosines.
template <typename N>
N law_of_cosines(const N& x, const N& y, const N& phi)
{
    return by_rule("kosinová věta", root(sq(x) + sq(y) - 2 * x * y * cos_deg(phi)));
}
// The acute angle opposite the side x from the side y and its opposite
// angle, by the law of sines.
template <typename N>
N angle_of_sines(const N& x, const N& y, const N& angle_y)
{
    return by_rule("sinová věta", asin_deg(x / (y / sin_deg(angle_y))));
}
// The same angle's obtuse value: the second triangle of the ambiguous case.
template <typename N>
N obtuse_angle_of_sines(const N& x, const N& y, const N& angle_y)
{
    return by_rule("sinová věta", 180 - asin_deg(x / (y / sin_deg(angle_y))));
}
template <typename N>
N third_angle(const N& x, const N& y)
{
    return by_rule("součet úhlů v trojúhelníku", 180 - x - y);
}
template <typename N>
N third_side(const N& o, const N& x, const N& y)
{
    return by_rule("obvod trojúhelníku", o - x - y);
}
template <typename N>
N semiperimeter(const N& o)
{
    return o / 2;
}
// Heron's formula from the semiperimeter s.
template <typename N>
N heron(const N& s, const N& a, const N& b, const N& c)
{
    return by_rule("Heronův vzorec", root(s * (s - a) * (s - b) * (s - c)));
}
// The acute angle between the sides x and y from the area.
template <typename N>
N angle_of_area(const N& s, const N& x, const N& y)
{
    return by_rule("obsah trojúhelníku ze dvou stran a úhlu mezi nimi", asin_deg(2 * s / (x * y)));
}
// The other side next to `angle` from the area and the side x.
template <typename N>
N side_of_area(const N& s, const N& angle, const N& x)
{
    return by_rule("obsah trojúhelníku ze dvou stran a úhlu mezi nimi", 2 * s / (sin_deg(angle) * x));
}

// --- square of side a; rectangle and parallelogram of sides a, b (a
// rectangle's diagonal is the hypotenuse of two sides, a side from it the
// other leg; its other side is the height onto a side)

template <typename N>
N square_diagonal(const N& a)
{
    return by_rule("Pythagorova věta", a * root(N(2)));
}
template <typename N>
N square_perimeter(const N& a)
{
    return by_rule("obvod čtverce", 4 * a);
}
template <typename N>
N square_area(const N& a)
{
    return by_rule("obsah čtverce", sq(a));
}
template <typename N>
N square_side_of_diagonal(const N& u)
{
    return by_rule("Pythagorova věta", root(sq(u) / 2));
}
template <typename N>
N square_side_of_perimeter(const N& o)
{
    return by_rule("obvod čtverce", o / 4);
}
template <typename N>
N square_side_of_area(const N& s)
{
    return by_rule("obsah čtverce", root(s));
}
template <typename N>
N parallelogram_perimeter(const N& a, const N& b)
{
    return by_rule("obvod rovnoběžníku", 2 * (a + b));
}
template <typename N>
N parallelogram_area(const N& side, const N& height)
{
    return by_rule("obsah rovnoběžníku", side * height);
}
template <typename N>
N parallelogram_side_of_perimeter(const N& o, const N& side)
{
    return by_rule("obvod rovnoběžníku", (o - 2 * side) / 2);
}
template <typename N>
N parallelogram_height_of_area(const N& s, const N& side)
{
    return by_rule("obsah rovnoběžníku", s / side);
}
template <typename N>
N supplement(const N& angle)
{
    return by_rule("součet úhlů", 180 - angle);
}
// The angle between the sides from the height onto one and the other side.
template <typename N>
N parallelogram_angle(const N& height, const N& side)
{
    return by_rule("sinus v pravoúhlém trojúhelníku", asin_deg(height / side));
}
// The height onto one side from the other side and the angle.
template <typename N>
N parallelogram_height_of_angle(const N& side, const N& angle)
{
    return by_rule("sinus v pravoúhlém trojúhelníku", side * sin_deg(angle));
}
template <typename N>
N parallelogram_side_of_angle(const N& height, const N& angle)
{
    return by_rule("sinus v pravoúhlém trojúhelníku", height / sin_deg(angle));
}
template <typename N>
N parallelogram_area_of_angle(const N& a, const N& b, const N& angle)
{
    return by_rule("obsah rovnoběžníku", a * b * sin_deg(angle));
}

// --- circular sector of radius r and angle α in degrees

template <typename N>
N sector_area(const N& r, const N& alpha)
{
    return by_rule("obsah kruhové výseče", alpha * (sq(r) * pi<N>()) / 360);
}
template <typename N>
N sector_arc(const N& r, const N& alpha)
{
    return by_rule("délka kruhového oblouku", alpha * (2 * pi<N>() * r) / 360);
}
template <typename N>
N sector_radius_of_arc(const N& o, const N& alpha)
{
    return by_rule("délka kruhového oblouku", o / (2 * pi<N>()) / alpha * 360);
}
template <typename N>
N sector_radius_of_area(const N& s, const N& alpha)
{
    return by_rule("obsah kruhové výseče", root(s / pi<N>() / alpha * 360));
}

// --- circular segment of radius r and central angle θ in radians; its arc
// is the sector's

template <typename N>
N segment_area(const N& r, const N& theta)
{
    return by_rule("obsah kruhové úseče", (theta - sin_rad(theta)) * r * r / 2);
}
template <typename N>
N segment_radius(const N& s, const N& theta)
{
    return by_rule("obsah kruhové úseče", root(2 * s / (theta - sin_rad(theta))));
}
// The arc once the radius is found from the area (sector or segment).
template <typename N>
N arc_of_radius(const N& r, const N& alpha)
{
    return by_rule("délka kruhového oblouku", r * 2 * pi<N>() * alpha / 360);
}

// --- regular polygon of n sides a: interior angle φ, circumradius r,
// inradius ρ (the height of the area onto the perimeter). Half the interior
// angle enters in radians.

template <typename N>
N interior_angle(const N& n)
{
    return by_rule("vnitřní úhel pravidelného n-úhelníku", (n - 2) * 180 / n);
}
template <typename N>
N polygon_half_angle(const N& phi)
{
    return radians(phi / 2);
}
template <typename N>
N polygon_area(const N& a, const N& n, const N& half_angle)
{
    return by_rule("obsah pravidelného n-úhelníku", sq(a) / 4 * n * tan_rad(half_angle));
}
template <typename N>
N polygon_area_of_inradius(const N& n, const N& a, const N& rho)
{
    return by_rule("obsah pravidelného n-úhelníku", n * a / 2 * rho);
}
template <typename N>
N polygon_perimeter(const N& n, const N& a)
{
    return by_rule("obvod n-úhelníku", n * a);
}
template <typename N>
N circumradius(const N& a, const N& rho)
{
    return by_rule("Pythagorova věta", root(sq(a / 2) + sq(rho)));
}
template <typename N>
N polygon_side_of_circumradius(const N& r, const N& half_angle)
{
    return by_rule("kosinus v pravoúhlém trojúhelníku", 2 * r * cos_rad(half_angle));
}
template <typename N>
N polygon_side_of_inradius(const N& rho, const N& half_angle)
{
    return by_rule("tangens v pravoúhlém trojúhelníku", 2 * rho / tan_rad(half_angle));
}
template <typename N>
N polygon_side_of_perimeter(const N& o, const N& n)
{
    return by_rule("obvod n-úhelníku", o / n);
}
template <typename N>
N polygon_side_of_area(const N& s, const N& n, const N& half_angle)
{
    return by_rule("obsah pravidelného n-úhelníku", root(4 * s / (tan_rad(half_angle) * n)));
}

// --- trapezoid ABCD: bases a = AB and c = CD, legs b = BC and d = DA,
// height v, median s; x and y are the projections of d and b onto a (each
// negative where its angle at a is obtuse), so that a = c + x + y

template <typename N>
N trapezoid_median(const N& a, const N& c)
{
    return by_rule("střední příčka lichoběžníku", (a + c) / 2);
}
template <typename N>
N trapezoid_base_of_median(const N& s, const N& other)
{
    return by_rule("střední příčka lichoběžníku", 2 * s - other);
}
template <typename N>
N trapezoid_perimeter(const N& a, const N& b, const N& c, const N& d)
{
    return by_rule("obvod lichoběžníku", a + b + c + d);
}
// The side missing from the perimeter.
template <typename N>
N trapezoid_fourth_side(const N& o, const N& x, const N& y, const N& z)
{
    return by_rule("obvod lichoběžníku", o - x - y - z);
}
template <typename N>
N trapezoid_area(const N& a, const N& c, const N& v)
{
    return by_rule("obsah lichoběžníku", (a + c) * v / 2);
}
template <typename N>
N trapezoid_height_of_area(const N& s_area, const N& a, const N& c)
{
    return by_rule("obsah lichoběžníku", 2 * s_area / (a + c));
}
// The area is the median times the height.
template <typename N>
N trapezoid_quotient_of_area(const N& s_area, const N& x)
{
    return by_rule("obsah lichoběžníku", s_area / x);
}
// The two angles at one leg.
template <typename N>
N angle_at_leg(const N& angle)
{
    return by_rule("úhly při rameni lichoběžníku", 180 - angle);
}
template <typename N>
N leg_projection(const N& leg, const N& angle)
{
    return by_rule("kosinus v pravoúhlém trojúhelníku", leg * cos_deg(angle));
}
template <typename N>
N angle_of_projection(const N& x, const N& leg)
{
    return by_rule("kosinus v pravoúhlém trojúhelníku", acos_deg(within_unit(x / leg)));
}
// One projection from the other: a = c + x + y.
template <typename N>
N other_projection(const N& a, const N& c, const N& x)
{
    return a - c - x;
}
template <typename N>
N upper_base(const N& a, const N& x, const N& y)
{
    return a - x - y;
}
template <typename N>
N lower_base(const N& c, const N& x, const N& y)
{
    return c + x + y;
}
template <typename N>
N lower_base_of_median(const N& s, const N& x, const N& y)
{
    return s + (x + y) / 2;
}
// The difference of the bases: a side of the triangle that leg b, moved
// along the bases to D, makes with leg d.
template <typename N>
N bases_difference(const N& a, const N& c)
{
    return absolute(a - c);
}

} // namespace qvk::planimetry::formulas
