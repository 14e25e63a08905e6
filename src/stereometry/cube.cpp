// Cube, page `krychle_desk`: one given value, every other field from the edge.
#include "stereometry/cases.h"
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
void diagonal(Values& v) { v[U] = keep(cube_diagonal<L>(v[A])); }
void volume(Values& v) { v[V] = keep(cube_volume<L>(v[A])); }
void surface(Values& v) { v[S] = keep(cube_surface<L>(v[A])); }

const Case kCases[] = {
    {bits(A), [](Values& v, int) {
         diagonal(v);
         volume(v);
         surface(v);
     }},
    {bits(U),
     [](Values& v, int n) {
         v[A] = rounded(cube_edge_of_diagonal<L>(v[U]), n);
         volume(v);
         surface(v);
     }},
    {bits(V),
     [](Values& v, int n) {
         v[A] = rounded(cube_edge_of_volume<L>(v[V]), n);
         diagonal(v);
         surface(v);
     }},
    {bits(S),
     [](Values& v, int n) {
         v[A] = rounded(cube_edge_of_surface<L>(v[S]), n);
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
