// Cone, page `kuzel_desk`: two of radius, height, slant height and volume;
// the surface is never a given value. Intermediates are not rounded.
#include "stereometry/cases.h"
#include "stereometry/formulas.h"

namespace qvk::stereometry {

namespace {

using namespace formulas;
using L = long double;

enum { R, H, SL, S, V }; // H: height v, SL: slant height s

const declare::Entry kFields[] = {
    declare::quantity("kuz_r", "r =", "poloměr podstavy", 0, 0),
    declare::quantity("kuz_v", "v =", "výška", 0, 1),
    declare::quantity("kuz_s", "s =", "výška stěny", 0, 2),
    declare::quantity("kuz_ss", "S =", "povrch", 1, 0, "²"),
    declare::quantity("kuz_vv", "V =", "objem", 1, 1, "³"),
};

void surface(Values& v) { v[S] = keep(cone_surface<L>(v[R], v[SL])); }

// The slant height is the hypotenuse over the radius and the height.
void slant_over_radius(Values& v, int) { require(v[SL] > v[R]); }
void slant_over_height(Values& v, int) { require(v[SL] > v[H]); }

const Case kCases[] = {
    {bits(R, H),
     [](Values& v, int) {
         v[SL] = keep(cone_slant<L>(v[R], v[H]));
         v[V] = keep(cone_volume<L>(v[R], v[H]));
         surface(v);
     }},
    {bits(R, SL),
     [](Values& v, int) {
         v[H] = keep(cone_leg<L>(v[SL], v[R]));
         v[V] = keep(cone_volume<L>(v[R], v[H]));
         surface(v);
     },
     slant_over_radius},
    {bits(H, SL),
     [](Values& v, int) {
         v[R] = keep(cone_leg<L>(v[SL], v[H]));
         v[V] = keep(cone_volume<L>(v[R], v[H]));
         surface(v);
     },
     slant_over_height},
    {bits(R, V),
     [](Values& v, int) {
         v[H] = keep(cone_height<L>(v[R], v[V]));
         v[SL] = keep(cone_slant<L>(v[R], v[H]));
         surface(v);
     }},
    {bits(H, V),
     [](Values& v, int) {
         v[R] = keep(cone_radius<L>(v[H], v[V]));
         v[SL] = keep(cone_slant<L>(v[R], v[H]));
         surface(v);
     }},
};

} // namespace

const Solid& cone()
{
    static const Solid s{"kuzel_desk", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
