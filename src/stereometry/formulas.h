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

} // namespace qvk::stereometry::formulas
