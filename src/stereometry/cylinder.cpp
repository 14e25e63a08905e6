// Cylinder, page `valec_desk`: two of radius, height and volume; the surface
// is never a given value. Intermediates are not rounded.
#include "stereometry/cases.h"

namespace qvk::stereometry {

namespace {

enum { R, H, S, V };

const SolidField kFields[] = {
    {"val_r", "r =", "poloměr podstavy"},
    {"val_v", "v =", "výška"},
    {"val_s", "S =", "povrch"},
    {"val_vv", "V =", "objem"},
};

long double base(const Values& v) { return kPi * sq(v[R]); }

const Case kCases[] = {
    {bits(R, H), nullptr,
     [](Values& v, int) {
         v[V] = keep(v[H] * base(v));
         v[S] = keep(k2Pi * v[R] * (static_cast<long double>(v[H]) + v[R]));
     }},
    {bits(R, V), nullptr,
     [](Values& v, int) {
         v[H] = keep(v[V] / base(v));
         v[S] = keep(k2Pi * v[R] * (static_cast<long double>(v[R]) + v[H]));
     }},
    {bits(H, V), nullptr,
     [](Values& v, int) {
         v[R] = keep(std::sqrt(v[V] / (v[H] * kPi)));
         v[S] = keep(k2Pi * v[R] * (static_cast<long double>(v[H]) + v[R]));
     }},
};

} // namespace

const Solid& cylinder()
{
    static const Solid s{"valec_desk", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
