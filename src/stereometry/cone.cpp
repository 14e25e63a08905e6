// Cone, page `kuzel_desk`: two of radius, height, slant height and volume;
// the surface is never a given value. Intermediates are not rounded.
#include "stereometry/cases.h"

namespace qvk::stereometry {

namespace {

enum { R, H, SL, S, V }; // H: height v, SL: slant height s

const SolidField kFields[] = {
    {"kuz_r", "r =", "poloměr podstavy"},
    {"kuz_v", "v =", "výška"},
    {"kuz_s", "s =", "výška stěny"},
    {"kuz_ss", "S =", "povrch"},
    {"kuz_vv", "V =", "objem"},
};

void surface(Values& v) { v[S] = keep(kPi * sq(v[R]) + kPi * v[R] * v[SL]); }

const Case kCases[] = {
    {bits(R, H), nullptr,
     [](Values& v, int) {
         v[SL] = keep(std::sqrt(sq(v[R]) + sq(v[H])));
         v[V] = keep(v[H] * (kPiThirds * sq(v[R])));
         surface(v);
     }},
    {bits(R, SL), [](Values& v, int) { require(v[SL] > v[R]); },
     [](Values& v, int) {
         v[H] = keep(std::sqrt(sq(v[SL]) - sq(v[R])));
         v[V] = keep(kPiThirds * sq(v[R]) * v[H]);
         surface(v);
     }},
    {bits(H, SL), [](Values& v, int) { require(v[SL] > v[H]); },
     [](Values& v, int) {
         v[R] = keep(std::sqrt(sq(v[SL]) - sq(v[H])));
         v[V] = keep(v[H] * (kPiThirds * sq(v[R])));
         surface(v);
     }},
    {bits(R, V), nullptr,
     [](Values& v, int) {
         v[H] = keep(3 * static_cast<long double>(v[V]) / (kPi * sq(v[R])));
         v[SL] = keep(std::sqrt(sq(v[H]) + sq(v[R])));
         surface(v);
     }},
    {bits(H, V), nullptr,
     [](Values& v, int) {
         v[R] = keep(std::sqrt(3 * static_cast<long double>(v[V]) / (v[H] * kPi)));
         v[SL] = keep(std::sqrt(sq(v[H]) + sq(v[R])));
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
