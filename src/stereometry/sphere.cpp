// Sphere, page `koule_desk`: one given value, everything else from the
// rounded radius. A given volume is recomputed from it.
#include "stereometry/cases.h"
#include "stereometry/explain.h"
#include "stereometry/formulas.h"

namespace qvk::stereometry {

namespace {

enum { R, D, S, V };

const declare::Entry kFields[] = {
    declare::quantity("kou_r", "r =", "poloměr", 0, 0),
    declare::quantity("kou_d", "d =", "průměr", 0, 1),
    declare::quantity("kou_s", "S =", "povrch", 1, 0, "²"),
    declare::quantity("kou_v", "V =", "objem", 1, 1, "³"),
};

using namespace formulas;
using L = long double;

template <typename T>
void diameter(ValuesOf<T>& v)
{
    v[D] = keep(sphere_diameter<T>(v[R]));
}
template <typename T>
void surface(ValuesOf<T>& v)
{
    v[S] = keep(sphere_surface<T>(v[R]));
}
template <typename T>
void volume(ValuesOf<T>& v)
{
    v[V] = keep(sphere_volume<T>(v[R]));
}

const Case kCases[] = {
    {bits(R),
     []<typename T>(ValuesOf<T>& v, int) {
         diameter(v);
         surface(v);
         volume(v);
     }},
    {bits(D),
     []<typename T>(ValuesOf<T>& v, int places) {
         v[R] = rounded(sphere_radius_of_diameter<T>(v[D]), places);
         surface(v);
         volume(v);
     }},
    {bits(S),
     []<typename T>(ValuesOf<T>& v, int places) {
         v[R] = rounded(sphere_radius_of_surface<T>(v[S]), places);
         diameter(v);
         volume(v);
     }},
    {bits(V),
     []<typename T>(ValuesOf<T>& v, int places) {
         v[R] = rounded(sphere_radius_of_volume<T>(v[V]), places);
         diameter(v);
         volume(v);
         surface(v);
     }},
};

} // namespace

const Solid& sphere()
{
    static const Solid s{"koule_desk", "Koule", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
