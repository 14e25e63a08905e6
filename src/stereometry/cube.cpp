// Cube, page `krychle_desk`: one given value, every other field from the edge.
#include "stereometry/cases.h"
#include "stereometry/explain.h"
#include "stereometry/formulas.h"

namespace qvk::stereometry {

namespace {

using namespace formulas;
using L = long double;

enum { A, U, S, V };

const declare::Entry kFields[] = {
    declare::quantity("kry_a", "a =", "strana", 0, 0),
    declare::quantity("kry_u", "u =", "3d úhlopříčka", 0, 1),
    declare::quantity("kry_s", "S =", "povrch", 1, 0, "²"),
    declare::quantity("kry_v", "V =", "objem", 1, 1, "³"),
};

// The other three from the edge, in the order each case needs them.
template <typename T>
void diagonal(ValuesOf<T>& v)
{
    v[U] = keep(cube_diagonal<T>(v[A]));
}
template <typename T>
void volume(ValuesOf<T>& v)
{
    v[V] = keep(cube_volume<T>(v[A]));
}
template <typename T>
void surface(ValuesOf<T>& v)
{
    v[S] = keep(cube_surface<T>(v[A]));
}

const Case kCases[] = {
    {bits(A), []<typename T>(ValuesOf<T>& v, int) {
         diagonal(v);
         volume(v);
         surface(v);
     }},
    {bits(U),
     []<typename T>(ValuesOf<T>& v, int n) {
         v[A] = rounded(cube_edge_of_diagonal<T>(v[U]), n);
         volume(v);
         surface(v);
     }},
    {bits(V),
     []<typename T>(ValuesOf<T>& v, int n) {
         v[A] = rounded(cube_edge_of_volume<T>(v[V]), n);
         diagonal(v);
         surface(v);
     }},
    {bits(S),
     []<typename T>(ValuesOf<T>& v, int n) {
         v[A] = rounded(cube_edge_of_surface<T>(v[S]), n);
         volume(v);
         diagonal(v);
     }},
};

} // namespace

const Solid& cube()
{
    static const Solid s{"krychle_desk", "Krychle", kFields, kCases};
    return s;
}

} // namespace qvk::stereometry
