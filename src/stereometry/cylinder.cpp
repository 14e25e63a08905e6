// Cylinder, page `valec_desk`: two of radius, height and volume; the surface
// is never a given value. Intermediates are not rounded.
#include "stereometry/cases.h"
#include "stereometry/formulas.h"

namespace qvk::stereometry {

namespace {

using namespace formulas;
using L = long double;

enum { R, H, S, V };

const declare::Entry kFields[] = {
    declare::quantity("val_r", "r =", "poloměr podstavy", 0, 0),
    declare::quantity("val_v", "v =", "výška", 0, 1),
    declare::quantity("val_s", "S =", "povrch", 1, 0, "²"),
    declare::quantity("val_vv", "V =", "objem", 1, 1, "³"),
};

const Case kCases[] = {
    {bits(R, H),
     [](Values& v, int) {
         v[V] = keep(cylinder_volume<L>(v[R], v[H]));
         v[S] = keep(cylinder_surface<L>(v[R], v[H]));
     }},
    {bits(R, V),
     [](Values& v, int) {
         v[H] = keep(cylinder_height<L>(v[R], v[V]));
         v[S] = keep(cylinder_surface<L>(v[R], v[H]));
     }},
    {bits(H, V),
     [](Values& v, int) {
         v[R] = keep(cylinder_radius<L>(v[H], v[V]));
         v[S] = keep(cylinder_surface<L>(v[R], v[H]));
     }},
};

} // namespace

const Solid& cylinder()
{
    static const Solid s{"valec_desk", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
