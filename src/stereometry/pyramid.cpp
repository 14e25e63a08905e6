// Pyramid over a regular n-gon, page `jehlan_desk`: n and the base edge with
// one of the height, the face height and the volume. n is read as typed.
#include "stereometry/cases.h"
#include "stereometry/explain.h"
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
constexpr auto whole_n = []<typename T>(ValuesOf<T>& v, int) {
    require(decimal(v[N]) == static_cast<double>(trunc_int64(decimal(v[N]))));
    require(v[N] > 2);
};

template <typename T>
struct Base {
    T area;     // P
    T inradius; // rho
};

// Each kept as a double, as the page keeps it.
template <typename T>
Base<T> base(ValuesOf<T>& v)
{
    const T n = v[N], a = v[A];
    const T beta = v.let("β", keep(pyramid_half_angle(n)));
    const T area = v.let("Sp", keep(polygon_area<T>(a, n, beta)));
    const T inradius = v.let("ρ", keep(height_of_area<T>(area, a * n)));
    return {area, inradius};
}

template <typename T>
void volume(ValuesOf<T>& v, const Base<T>& b)
{
    v[V] = keep(pyramid_volume<T>(v[H], b.area));
}
template <typename T>
void face_height(ValuesOf<T>& v, const Base<T>& b)
{
    v[SF] = keep(pyramid_face_height<T>(b.inradius, v[H]));
}
template <typename T>
void surface(ValuesOf<T>& v, const Base<T>& b)
{
    v[S] = keep(pyramid_surface<T>(b.area, v[N], v[A], v[SF]));
}

const Case kCases[] = {
    {bits(N, A, H),
     []<typename T>(ValuesOf<T>& v, int) {
         const Base<T> b = base(v);
         volume(v, b);
         face_height(v, b);
         surface(v, b);
     },
     whole_n},
    {bits(N, A, SF),
     []<typename T>(ValuesOf<T>& v, int places) {
         const Base<T> b = base(v);
         // A face lower than the inradius has no height; one equal to it gives 0.
         guarded_read(kRefused, [&] {
             v[H] = rounded(pyramid_height_of_face<T>(v[SF], b.inradius), places);
         });
         volume(v, b);
         surface(v, b);
     },
     whole_n},
    {bits(N, A, V),
     []<typename T>(ValuesOf<T>& v, int) {
         const Base<T> b = base(v);
         v[H] = keep(pyramid_height_of_volume<T>(v[V], b.area));
         face_height(v, b);
         surface(v, b);
     },
     whole_n},
};

} // namespace

const Solid& pyramid()
{
    static const Solid s{"jehlan_desk", "Jehlan", kFields, kCases, bits(N)};
    return s;
}

} // namespace qvk::stereometry
