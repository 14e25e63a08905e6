// Cuboid, page `kvadr_desk`: three edges, or two edges with the diagonal or
// the volume.
#include "stereometry/cases.h"

namespace qvk::stereometry {

namespace {

enum { A, B, C, U, S, V };

const SolidField kFields[] = {
    {"kva_a", "a = ", "strana a"},
    {"kva_b", "b =", "strana b"},
    {"kva_c", "c =", "strana c"},
    {"kva_u", "u =", "3d úhlopříčka"},
    {"kva_s", "S =", "povrch"},
    {"kva_v", "V =", "objem"},
};

void volume(Values& v) { v[V] = keep(static_cast<long double>(v[A]) * v[B] * v[C]); }
void surface(Values& v)
{
    v[S] = keep(2 * (static_cast<long double>(v[A]) * v[B] + static_cast<long double>(v[B]) * v[C] +
                     static_cast<long double>(v[A]) * v[C]));
}
void diagonal(Values& v) { v[U] = keep(std::sqrt(sq(v[A]) + sq(v[B]) + sq(v[C]))); }

// The two edges given beside `Missing`.
template <int Missing>
constexpr int first_other = Missing == A ? B : A;
template <int Missing>
constexpr int second_other = Missing == C ? B : C;

// The diagonal must be longer than every face diagonal; a diagonal shorter
// than the given face already fails in the square root.
template <int Missing>
void edge_from_diagonal(Values& v, int places)
{
    constexpr int x = first_other<Missing>, y = second_other<Missing>;
    v[Missing] = rounded(std::sqrt(sq(v[U]) - (sq(v[x]) + sq(v[y]))), places);
    require(v[A] > 0 && v[B] > 0 && v[C] > 0);
    require(std::sqrt(sq(v[A]) + sq(v[B])) < v[U]);
    require(std::sqrt(sq(v[A]) + sq(v[C])) < v[U]);
    require(std::sqrt(sq(v[B]) + sq(v[C])) < v[U]);
}

template <int Missing>
void edge_from_volume(Values& v, int places)
{
    constexpr int x = first_other<Missing>, y = second_other<Missing>;
    v[Missing] = rounded(v[V] / (static_cast<long double>(v[x]) * v[y]), places);
    require(v[Missing] > 0);
}

void from_diagonal(Values& v, int)
{
    volume(v);
    surface(v);
}

void from_volume(Values& v, int)
{
    surface(v);
    diagonal(v);
}

const Case kCases[] = {
    {bits(A, B, C), nullptr,
     [](Values& v, int) {
         volume(v);
         surface(v);
         diagonal(v);
     }},
    {bits(A, B, U), edge_from_diagonal<C>, from_diagonal},
    {bits(A, C, U), edge_from_diagonal<B>, from_diagonal},
    {bits(B, C, U), edge_from_diagonal<A>, from_diagonal},
    {bits(A, B, V), edge_from_volume<C>, from_volume},
    {bits(A, C, V), edge_from_volume<B>, from_volume},
    {bits(B, C, V), edge_from_volume<A>, from_volume},
};

} // namespace

const Solid& cuboid()
{
    static const Solid s{"kvadr_desk", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
