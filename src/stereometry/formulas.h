#pragma once
// The solids' formulas, each written once over the value type N (see
// core/formula.h): long double for the page, Sym for the text.
#include "core/formula.h"

namespace qvk::stereometry::formulas {

inline long double cubed(long double x) { return sq(x) * x; }
inline Sym cubed(const Sym& x) { return Sym::of(x.at(Sym::Atom) + u'³', Sym::Power); }

// --- sphere of radius r

template <typename N>
N sphere_diameter(const N& r)
{
    return 2 * r;
}
template <typename N>
N sphere_surface(const N& r)
{
    return 4 * pi<N>() * sq(r);
}
template <typename N>
N sphere_volume(const N& r)
{
    return 4 * pi<N>() / 3 * cubed(r);
}
template <typename N>
N sphere_radius_of_diameter(const N& d)
{
    return d / 2;
}
template <typename N>
N sphere_radius_of_surface(const N& s)
{
    return root(s / 4 / pi<N>());
}
template <typename N>
N sphere_radius_of_volume(const N& v)
{
    return cube_root(v / (4 * pi<N>() / 3));
}

// --- cube of edge a

template <typename N>
N cube_diagonal(const N& a)
{
    return a * root(N(3));
}
template <typename N>
N cube_surface(const N& a)
{
    return 6 * sq(a);
}
template <typename N>
N cube_volume(const N& a)
{
    return cubed(a);
}
template <typename N>
N cube_edge_of_diagonal(const N& u)
{
    return u / root(N(3));
}
template <typename N>
N cube_edge_of_surface(const N& s)
{
    return root(s / 6);
}
template <typename N>
N cube_edge_of_volume(const N& v)
{
    return cube_root(v);
}

// --- cylinder of radius r and height h

template <typename N>
N cylinder_volume(const N& r, const N& h)
{
    return h * (pi<N>() * sq(r));
}
template <typename N>
N cylinder_surface(const N& r, const N& h)
{
    return 2 * pi<N>() * r * (h + r);
}
template <typename N>
N cylinder_height(const N& r, const N& v)
{
    return v / (pi<N>() * sq(r));
}
template <typename N>
N cylinder_radius(const N& h, const N& v)
{
    return root(v / (h * pi<N>()));
}

// --- cone of radius r, height h and slant height s

template <typename N>
N cone_slant(const N& r, const N& h)
{
    return root(sq(r) + sq(h));
}
// The height from the slant height and the radius, or the radius from the
// slant height and the height.
template <typename N>
N cone_leg(const N& s, const N& other)
{
    return root(sq(s) - sq(other));
}
template <typename N>
N cone_volume(const N& r, const N& h)
{
    return pi<N>() / 3 * sq(r) * h;
}
template <typename N>
N cone_surface(const N& r, const N& s)
{
    return pi<N>() * sq(r) + pi<N>() * r * s;
}
template <typename N>
N cone_height(const N& r, const N& v)
{
    return 3 * v / (pi<N>() * sq(r));
}
template <typename N>
N cone_radius(const N& h, const N& v)
{
    return root(3 * v / (h * pi<N>()));
}

} // namespace qvk::stereometry::formulas
