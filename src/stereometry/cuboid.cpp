// Cuboid, page `kvadr_desk`: three edges, or two edges with the diagonal or
// the volume.
#include "stereometry/cases.h"
#include "stereometry/explain.h"
#include "stereometry/formulas.h"

namespace qvk::stereometry {

namespace {

using namespace formulas;
using L = long double;

enum { A, B, C, U, S, V };

const declare::Entry kFields[] = {
    declare::quantity("kva_a", "a = ", "strana a", 0, 0),
    declare::quantity("kva_b", "b =", "strana b", 0, 1),
    declare::quantity("kva_c", "c =", "strana c", 0, 2),
    declare::quantity("kva_u", "u =", "3d úhlopříčka", 1, 0),
    declare::quantity("kva_s", "S =", "povrch", 1, 1, "²"),
    declare::quantity("kva_v", "V =", "objem", 1, 2, "³"),
};

template <typename T>
void volume(ValuesOf<T>& v)
{
    v[V] = keep(cuboid_volume<T>(v[A], v[B], v[C]));
}
template <typename T>
void surface(ValuesOf<T>& v)
{
    v[S] = keep(cuboid_surface<T>(v[A], v[B], v[C]));
}
template <typename T>
void diagonal(ValuesOf<T>& v)
{
    v[U] = keep(cuboid_diagonal<T>(v[A], v[B], v[C]));
}

// The two edges given beside `Missing`.
template <int Missing>
constexpr int first_other = Missing == A ? B : A;
template <int Missing>
constexpr int second_other = Missing == C ? B : C;

// The diagonal must be longer than every face diagonal; a diagonal shorter
// than the given face already fails in the square root.
template <int Missing>
constexpr auto edge_from_diagonal = []<typename T>(ValuesOf<T>& v, int places) {
    constexpr int x = first_other<Missing>, y = second_other<Missing>;
    v[Missing] = rounded(cuboid_edge_of_diagonal<T>(v[U], v[x], v[y]), places);
    require(v[A] > 0 && v[B] > 0 && v[C] > 0);
    require(face_diagonal<T>(v[A], v[B]) < v[U]);
    require(face_diagonal<T>(v[A], v[C]) < v[U]);
    require(face_diagonal<T>(v[B], v[C]) < v[U]);
};

template <int Missing>
constexpr auto edge_from_volume = []<typename T>(ValuesOf<T>& v, int places) {
    constexpr int x = first_other<Missing>, y = second_other<Missing>;
    v[Missing] = rounded(cuboid_edge_of_volume<T>(v[V], v[x], v[y]), places);
    require(v[Missing] > 0);
};

constexpr auto from_diagonal = []<typename T>(ValuesOf<T>& v, int) {
    volume(v);
    surface(v);
};

constexpr auto from_volume = []<typename T>(ValuesOf<T>& v, int) {
    surface(v);
    diagonal(v);
};

const Case kCases[] = {
    {bits(A, B, C),
     []<typename T>(ValuesOf<T>& v, int) {
         volume(v);
         surface(v);
         diagonal(v);
     }},
    {bits(A, B, U), from_diagonal, edge_from_diagonal<C>},
    {bits(A, C, U), from_diagonal, edge_from_diagonal<B>},
    {bits(B, C, U), from_diagonal, edge_from_diagonal<A>},
    {bits(A, B, V), from_volume, edge_from_volume<C>},
    {bits(A, C, V), from_volume, edge_from_volume<B>},
    {bits(B, C, V), from_volume, edge_from_volume<A>},
};

} // namespace

const Solid& cuboid()
{
    static const Solid s{"kvadr_desk", "Kvádr", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
