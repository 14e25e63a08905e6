#pragma once
// The solids' formulas, each written once over the value type N (see
// core/formula.h): long double for the page, Sym for the text.
#include "core/formula.h"
#include "planimetry/formulas.h"

namespace qvk::stereometry::formulas {

using planimetry::formulas::by_rule;

inline long double cubed(long double x) { return sq(x) * x; }
inline Sym cubed(const Sym& x) { return Sym::of(x.at(Sym::Atom) + u'³', Sym::Power); }
// Other value types bring their own (an exact value: the product).
template <typename N>
N cubed(const N& x)
{
    return sq(x) * x;
}

// --- sphere of radius r

template <typename N>
N sphere_diameter(const N& r)
{
    return by_rule("průměr koule", 2 * r);
}
template <typename N>
N sphere_surface(const N& r)
{
    return by_rule("povrch koule", 4 * pi<N>() * sq(r));
}
template <typename N>
N sphere_volume(const N& r)
{
    return by_rule("objem koule", 4 * pi<N>() / 3 * cubed(r));
}
template <typename N>
N sphere_radius_of_diameter(const N& d)
{
    return by_rule("průměr koule", d / 2);
}
template <typename N>
N sphere_radius_of_surface(const N& s)
{
    return by_rule("povrch koule", root(s / 4 / pi<N>()));
}
template <typename N>
N sphere_radius_of_volume(const N& v)
{
    return by_rule("objem koule", cube_root(v / (4 * pi<N>() / 3)));
}

// --- cube of edge a

template <typename N>
N cube_diagonal(const N& a)
{
    return by_rule("tělesová úhlopříčka krychle", a * root(N(3)));
}
template <typename N>
N cube_surface(const N& a)
{
    return by_rule("povrch krychle", 6 * sq(a));
}
template <typename N>
N cube_volume(const N& a)
{
    return by_rule("objem krychle", cubed(a));
}
template <typename N>
N cube_edge_of_diagonal(const N& u)
{
    return by_rule("tělesová úhlopříčka krychle", u / root(N(3)));
}
template <typename N>
N cube_edge_of_surface(const N& s)
{
    return by_rule("povrch krychle", root(s / 6));
}
template <typename N>
N cube_edge_of_volume(const N& v)
{
    return by_rule("objem krychle", cube_root(v));
}

// --- cylinder of radius r and height h

template <typename N>
N cylinder_volume(const N& r, const N& h)
{
    return by_rule("objem válce", h * (pi<N>() * sq(r)));
}
template <typename N>
N cylinder_surface(const N& r, const N& h)
{
    return by_rule("povrch válce", 2 * pi<N>() * r * (h + r));
}
template <typename N>
N cylinder_height(const N& r, const N& v)
{
    return by_rule("objem válce", v / (pi<N>() * sq(r)));
}
template <typename N>
N cylinder_radius(const N& h, const N& v)
{
    return by_rule("objem válce", root(v / (h * pi<N>())));
}

// --- cone of radius r, height h and slant height s

template <typename N>
N cone_slant(const N& r, const N& h)
{
    return planimetry::formulas::hypotenuse(r, h);
}
// The height from the slant height and the radius, or the radius from the
// slant height and the height.
template <typename N>
N cone_leg(const N& s, const N& other)
{
    return planimetry::formulas::other_leg(s, other);
}
template <typename N>
N cone_volume(const N& r, const N& h)
{
    return by_rule("objem kužele", pi<N>() / 3 * sq(r) * h);
}
template <typename N>
N cone_surface(const N& r, const N& s)
{
    return by_rule("povrch kužele", pi<N>() * sq(r) + pi<N>() * r * s);
}
template <typename N>
N cone_height(const N& r, const N& v)
{
    return by_rule("objem kužele", 3 * v / (pi<N>() * sq(r)));
}
template <typename N>
N cone_radius(const N& h, const N& v)
{
    return by_rule("objem kužele", root(3 * v / (h * pi<N>())));
}

// --- cuboid of edges a, b, c

template <typename N>
N cuboid_volume(const N& a, const N& b, const N& c)
{
    return by_rule("objem kvádru", a * b * c);
}
template <typename N>
N cuboid_surface(const N& a, const N& b, const N& c)
{
    return by_rule("povrch kvádru", 2 * (a * b + b * c + a * c));
}
template <typename N>
N cuboid_diagonal(const N& a, const N& b, const N& c)
{
    return by_rule("tělesová úhlopříčka kvádru", root(sq(a) + sq(b) + sq(c)));
}
template <typename N>
N face_diagonal(const N& x, const N& y)
{
    return root(sq(x) + sq(y));
}
// The third edge from the diagonal and the other two.
template <typename N>
N cuboid_edge_of_diagonal(const N& u, const N& x, const N& y)
{
    return by_rule("tělesová úhlopříčka kvádru", root(sq(u) - (sq(x) + sq(y))));
}
template <typename N>
N cuboid_edge_of_volume(const N& v, const N& x, const N& y)
{
    return by_rule("objem kvádru", v / (x * y));
}

// --- regular pyramid: base area P and inradius ρ, height h, face height w.
// The base is the plane's regular polygon: its area from the edge, n and half
// its interior angle, its inradius the height of that area onto the
// perimeter.

using planimetry::formulas::height_of_area;
using planimetry::formulas::interior_angle;
using planimetry::formulas::polygon_area;

// Half the base's interior angle in radians, in the pyramid's own order.
template <typename N>
N pyramid_half_angle(const N& n)
{
    return interior_angle(n) / 180 * pi<N>() / 2;
}

template <typename N>
N pyramid_volume(const N& h, const N& base_area)
{
    return by_rule("objem jehlanu", h * (N(1) / 3) * base_area);
}
template <typename N>
N pyramid_face_height(const N& inradius, const N& h)
{
    return planimetry::formulas::hypotenuse(inradius, h);
}
template <typename N>
N pyramid_height_of_face(const N& w, const N& inradius)
{
    return planimetry::formulas::other_leg(w, inradius);
}
template <typename N>
N pyramid_height_of_volume(const N& v, const N& base_area)
{
    return by_rule("objem jehlanu", 3 * v / base_area);
}
// The base and n faces of edge a.
template <typename N>
N pyramid_surface(const N& base_area, const N& n, const N& a, const N& w)
{
    return by_rule("povrch jehlanu", base_area + n * (a * w / 2));
}

} // namespace qvk::stereometry::formulas
