// Sphere, page `koule_desk`: one given value, everything else from the
// rounded radius. A given volume is recomputed from it.
#include "stereometry/cases.h"

namespace qvk::stereometry {

namespace {

enum { R, D, S, V };

const SolidField kFields[] = {
    {"kou_r", "r =", "poloměr"},
    {"kou_d", "d =", "průměr"},
    {"kou_s", "S =", "povrch"},
    {"kou_v", "V =", "objem"},
};

void diameter(Values& v) { v[D] = keep(2.0L * v[R]); }
void surface(Values& v) { v[S] = keep(k4Pi * sq(v[R])); }
void volume(Values& v) { v[V] = keep(k4PiThirds * (sq(v[R]) * v[R])); }

const Case kCases[] = {
    {bits(R), nullptr,
     [](Values& v, int) {
         diameter(v);
         surface(v);
         volume(v);
     }},
    {bits(D), nullptr,
     [](Values& v, int places) {
         v[R] = rounded(v[D] / 2.0L, places);
         surface(v);
         volume(v);
     }},
    {bits(S), nullptr,
     [](Values& v, int places) {
         v[R] = rounded(std::sqrt(v[S] / 4.0L / kPi), places);
         diameter(v);
         volume(v);
     }},
    {bits(V), nullptr,
     [](Values& v, int places) {
         v[R] = rounded(std::pow(v[V] / k4PiThirds, kThird), places);
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
