// Cone, page `kuzel_desk`: two of radius, height, slant height and volume;
// the surface is never a given value. Intermediates are not rounded.
#include "stereometry/cases.h"
#include "stereometry/explain.h"
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

template <typename T>
void surface(ValuesOf<T>& v)
{
    v[S] = keep(cone_surface<T>(v[R], v[SL]));
}

// The slant height is the hypotenuse over the radius and the height.
constexpr auto slant_over_radius = []<typename T>(ValuesOf<T>& v, int) { require(v[SL] > v[R]); };
constexpr auto slant_over_height = []<typename T>(ValuesOf<T>& v, int) { require(v[SL] > v[H]); };

const Case kCases[] = {
    {bits(R, H),
     []<typename T>(ValuesOf<T>& v, int) {
         v[SL] = keep(cone_slant<T>(v[R], v[H]));
         v[V] = keep(cone_volume<T>(v[R], v[H]));
         surface(v);
     }},
    {bits(R, SL),
     []<typename T>(ValuesOf<T>& v, int) {
         v[H] = keep(cone_leg<T>(v[SL], v[R]));
         v[V] = keep(cone_volume<T>(v[R], v[H]));
         surface(v);
     },
     slant_over_radius},
    {bits(H, SL),
     []<typename T>(ValuesOf<T>& v, int) {
         v[R] = keep(cone_leg<T>(v[SL], v[H]));
         v[V] = keep(cone_volume<T>(v[R], v[H]));
         surface(v);
     },
     slant_over_height},
    {bits(R, V),
     []<typename T>(ValuesOf<T>& v, int) {
         v[H] = keep(cone_height<T>(v[R], v[V]));
         v[SL] = keep(cone_slant<T>(v[R], v[H]));
         surface(v);
     }},
    {bits(H, V),
     []<typename T>(ValuesOf<T>& v, int) {
         v[R] = keep(cone_radius<T>(v[H], v[V]));
         v[SL] = keep(cone_slant<T>(v[R], v[H]));
         surface(v);
     }},
};

} // namespace

const Solid& cone()
{
    static const Solid s{"kuzel_desk", "Kužel", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
