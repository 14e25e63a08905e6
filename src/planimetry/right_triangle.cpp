// The right triangle: legs a, b, hypotenuse c, the height vc onto it, the
// angles α (opposite a) and β (opposite b), perimeter O and area S.
#include "planimetry/explain.h"
#include "planimetry/formulas.h"
#include "planimetry/solvers.h"

namespace qvk::planimetry {

namespace {

enum { A, B, C, VC, ALFA, BETA, O, S };

using L = long double;
using namespace formulas;

// α from the three sides, β its complement; O, S and vc.
template <typename N>
void angles_and_rest(RunOf<N>& r)
{
    const N a = r[A], b = r[B], c = r[C];
    r[ALFA] = alpha_of_sides(a, b, c);
    r[BETA] = complement(r[ALFA]);
    r[O] = perimeter(a, b, c);
    r[S] = half_product(a, b);
    r[VC] = height_of_area<N>(r[S], c);
}

constexpr auto legs = []<typename N>(RunOf<N>& r) {
    r.check(r[A] > 0 && r[B] > 0);
    r[C] = hypotenuse<N>(r[A], r[B]);
    angles_and_rest(r);
};

constexpr auto hypotenuse_and_leg = []<typename N>(RunOf<N>& r) {
    const int leg = r.given(A) ? A : B;
    const int other = leg == A ? B : A;
    // A leg longer than c fails at the root, inside the input stage.
    r[other] = other_leg<N>(r[C], r[leg]);
    r.check(r[C] > 0);
    angles_and_rest(r);
};

constexpr auto area_and_leg = []<typename N>(RunOf<N>& r) {
    const int leg = r.given(A) ? A : B;
    const int other = leg == A ? B : A;
    r[other] = height_of_area<N>(r[S], r[leg]);
    r.check(r[S] > 0 && r[A] > 0 && r[B] > 0);
    const N a = r[A], b = r[B];
    r[C] = hypotenuse(a, b);
    const N c = r[C];
    r[ALFA] = alpha_of_sides(a, b, c);
    r[BETA] = complement(r[ALFA]);
    r[O] = perimeter(a, b, c);
    r[VC] = height_of_area<N>(r[S], c);
};

template <typename N>
void other_angle(RunOf<N>& r)
{
    if (r.given(ALFA))
        r[BETA] = complement(r[ALFA]);
    else
        r[ALFA] = complement(r[BETA]);
}

template <typename N>
bool acute(const N& angle) { return angle > 0 && angle < 90; }

constexpr auto leg_and_angle = []<typename N>(RunOf<N>& r) {
    other_angle(r);
    if (r.given(A))
        r[B] = leg_of_angles<N>(r[A], r[ALFA], r[BETA]);
    else
        r[A] = leg_of_angles<N>(r[B], r[BETA], r[ALFA]);
    r.check(r[A] > 0 && acute(r[ALFA]) && r[B] > 0 && acute(r[BETA]));
    const N a = r[A], b = r[B];
    r[C] = hypotenuse(a, b);
    r[O] = perimeter<N>(a, b, r[C]);
    r[S] = half_product(a, b);
    r[VC] = height_of_area<N>(r[S], r[C]);
};

constexpr auto hypotenuse_and_angle = []<typename N>(RunOf<N>& r) {
    other_angle(r);
    r.check(r[C] > 0 && acute(r[ALFA]) && acute(r[BETA]));
    const N c = r[C];
    r[A] = leg_of_hypotenuse<N>(c, r[ALFA]);
    r[B] = other_leg<N>(c, r[A]);
    r[O] = perimeter<N>(c, r[A], r[B]);
    r[S] = half_product<N>(r[A], r[B]);
    r[VC] = height_of_area<N>(r[S], c);
};

constexpr auto hypotenuse_and_height = []<typename N>(RunOf<N>& r) {
    // The height onto the hypotenuse is at most half of it (Thales' circle).
    r.check(r[C] > 0 && r[VC] > 0 && r[VC] <= N(r[C]) / 2);
    r[S] = half_product<N>(r[C], r[VC]);
};

const Row kRows[] = {
    {of({A, B}), legs},
    {of({C, A}), hypotenuse_and_leg},
    {of({C, B}), hypotenuse_and_leg},
    {of({S, A}), area_and_leg},
    {of({S, B}), area_and_leg},
    {of({A, ALFA}), leg_and_angle},
    {of({A, BETA}), leg_and_angle},
    {of({B, ALFA}), leg_and_angle},
    {of({B, BETA}), leg_and_angle},
    {of({C, ALFA}), hypotenuse_and_angle},
    {of({C, BETA}), hypotenuse_and_angle},
    {of({C, VC}), hypotenuse_and_height},
};

} // namespace

const Figure& right_triangle()
{
    static const Figure f{
        .page = "trojuhelnik_p_desk",
        .title = "Pravoúhlý trojúhelník",
        .fields = quantities("trojuhelnik_p_desk"),
        .reading = Reading::ByText,
        .rows = kRows,
        .written = {A, B, C, ALFA, BETA, VC, O, S},
        .writing = Writing::Positive,
    };
    return f;
}

} // namespace qvk::planimetry
