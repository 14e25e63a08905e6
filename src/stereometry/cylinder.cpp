// Cylinder, page `valec_desk`: two of radius, height and volume; the surface
// is never a given value. Intermediates are not rounded.
#include "stereometry/cases.h"
#include "stereometry/explain.h"
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
     []<typename T>(ValuesOf<T>& v, int) {
         v[V] = keep(cylinder_volume<T>(v[R], v[H]));
         v[S] = keep(cylinder_surface<T>(v[R], v[H]));
     }},
    {bits(R, V),
     []<typename T>(ValuesOf<T>& v, int) {
         v[H] = keep(cylinder_height<T>(v[R], v[V]));
         v[S] = keep(cylinder_surface<T>(v[R], v[H]));
     }},
    {bits(H, V),
     []<typename T>(ValuesOf<T>& v, int) {
         v[R] = keep(cylinder_radius<T>(v[H], v[V]));
         v[S] = keep(cylinder_surface<T>(v[R], v[H]));
     }},
};

} // namespace

const Solid& cylinder()
{
    static const Solid s{"valec_desk", "Válec", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
