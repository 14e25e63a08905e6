// Sphere, page `koule_desk`: one given value, everything else from the
// rounded radius. A given volume is recomputed from it.
#include "stereometry/cases.h"
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

void diameter(Values& v) { v[D] = keep(sphere_diameter<L>(v[R])); }
void surface(Values& v) { v[S] = keep(sphere_surface<L>(v[R])); }
void volume(Values& v) { v[V] = keep(sphere_volume<L>(v[R])); }

const Case kCases[] = {
    {bits(R),
     [](Values& v, int) {
         diameter(v);
         surface(v);
         volume(v);
     }},
    {bits(D),
     [](Values& v, int places) {
         v[R] = rounded(sphere_radius_of_diameter<L>(v[D]), places);
         surface(v);
         volume(v);
     }},
    {bits(S),
     [](Values& v, int places) {
         v[R] = rounded(sphere_radius_of_surface<L>(v[S]), places);
         diameter(v);
         volume(v);
     }},
    {bits(V),
     [](Values& v, int places) {
         v[R] = rounded(sphere_radius_of_volume<L>(v[V]), places);
         diameter(v);
         volume(v);
         surface(v);
     }},
};

} // namespace

const Solid& sphere()
{
    static const Solid s{"koule_desk", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
