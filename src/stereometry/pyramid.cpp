// Pyramid over a regular n-gon, page `jehlan_desk`: n and the base edge with
// one of the height, the face height and the volume. n is read as typed.
#include "stereometry/cases.h"
#include "stereometry/formulas.h"

namespace qvk::stereometry {

namespace {

using namespace formulas;
using L = long double;

enum { N, A, H, SF, S, V }; // H: height v, SF: face height s

const declare::Entry kFields[] = {
    declare::quantity("jeh_n", "n =", "počet vrcholů podstavy", 0, 0),
    declare::quantity("jeh_a", "a =", "strana podstavy", 0, 1),
    declare::quantity("jeh_v", "v =", "výška", 0, 2),
    declare::quantity("jeh_sp", "s =", "výška stěny", 1, 0),
    declare::quantity("jeh_s", "S =", "povrch", 1, 1, "²"),
    declare::quantity("jeh_vv", "V =", "objem", 1, 2, "³"),
};

// n must be a whole number of vertices, at least a triangle.
void whole_n(Values& v, int)
{
    require(v[N] == static_cast<double>(trunc_int64(v[N])));
    require(v[N] > 2);
}

struct Base {
    double area;     // P
    double inradius; // rho
};

Base base(const Values& v)
{
    const long double n = v[N], a = v[A];
    const double beta = keep(pyramid_half_angle(n));
    const double area = keep(polygon_area<L>(a, n, beta));
    const double inradius = keep(height_of_area<L>(area, a * n));
    return {area, inradius};
}

void volume(Values& v, const Base& b) { v[V] = keep(pyramid_volume<L>(v[H], b.area)); }
void face_height(Values& v, const Base& b) { v[SF] = keep(pyramid_face_height<L>(b.inradius, v[H])); }
void surface(Values& v, const Base& b)
{
    v[S] = keep(pyramid_surface<L>(b.area, v[N], v[A], v[SF]));
}

const Case kCases[] = {
    {bits(N, A, H),
     [](Values& v, int) {
         const Base b = base(v);
         volume(v, b);
         face_height(v, b);
         surface(v, b);
     },
     whole_n},
    {bits(N, A, SF),
     [](Values& v, int places) {
         const Base b = base(v);
         // A face lower than the inradius has no height; one equal to it gives 0.
         guarded_read(kRefused, [&] {
             v[H] = rounded(pyramid_height_of_face<L>(v[SF], b.inradius), places);
         });
         volume(v, b);
         surface(v, b);
     },
     whole_n},
    {bits(N, A, V),
     [](Values& v, int) {
         const Base b = base(v);
         v[H] = keep(pyramid_height_of_volume<L>(v[V], b.area));
         face_height(v, b);
         surface(v, b);
     },
     whole_n},
};

} // namespace

const Solid& pyramid()
{
    static const Solid s{"jehlan_desk", kFields, kCases, bits(N)};
    return s;
}

} // namespace qvk::stereometry
