// Cube, page `krychle_desk`: one given value, every other field from the edge.
#include "stereometry/cases.h"

namespace qvk::stereometry {

namespace {

enum { A, U, S, V };

const SolidField kFields[] = {
    {"kry_a", "a =", "strana"},
    {"kry_u", "u =", "3d úhlopříčka"},
    {"kry_s", "S =", "povrch"},
    {"kry_v", "V =", "objem"},
};

// The other three from the edge, in the order each case needs them.
void diagonal(Values& v) { v[U] = keep(v[A] * std::sqrt(3.0L)); }
void volume(Values& v) { v[V] = keep(sq(v[A]) * v[A]); }
void surface(Values& v) { v[S] = keep(6 * sq(v[A])); }

const Case kCases[] = {
    {bits(A), nullptr, [](Values& v, int) {
         diagonal(v);
         volume(v);
         surface(v);
     }},
    {bits(U), nullptr,
     [](Values& v, int n) {
         v[A] = rounded(v[U] / std::sqrt(3.0L), n);
         volume(v);
         surface(v);
     }},
    {bits(V), nullptr,
     [](Values& v, int n) {
         v[A] = rounded(std::pow(static_cast<long double>(v[V]), kThird), n);
         diagonal(v);
         surface(v);
     }},
    {bits(S), nullptr,
     [](Values& v, int n) {
         v[A] = rounded(std::sqrt(v[S] / 6.0L), n);
         volume(v);
         diagonal(v);
     }},
};

} // namespace

const Solid& cube()
{
    static const Solid s{"krychle_desk", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
