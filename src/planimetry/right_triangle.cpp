// The right triangle: legs a, b, hypotenuse c, the height vc onto it, the
// angles α (opposite a) and β (opposite b), perimeter O and area S.
#include "planimetry/formulas.h"
#include "planimetry/solvers.h"

namespace qvk::planimetry {

namespace {

enum { A, B, C, VC, ALFA, BETA, O, S };

using L = long double;
using namespace formulas;

// α from the three sides, β its complement; O, S and vc.
void angles_and_rest(Run& r)
{
    const L a = r[A], b = r[B], c = r[C];
    r[ALFA] = alpha_of_sides(a, b, c);
    r[BETA] = complement(r[ALFA]);
    r[O] = perimeter(a, b, c);
    r[S] = half_product(a, b);
    r[VC] = height_of_area<L>(r[S], c);
}

void legs(Run& r)
{
    r.check(r[A] > 0 && r[B] > 0);
    r[C] = hypotenuse<L>(r[A], r[B]);
    angles_and_rest(r);
}

void hypotenuse_and_leg(Run& r)
{
    const int leg = r.given(A) ? A : B;
    const int other = leg == A ? B : A;
    // A leg longer than c fails at the root, inside the input stage.
    r[other] = other_leg<L>(r[C], r[leg]);
    r.check(r[C] > 0);
    angles_and_rest(r);
}

void area_and_leg(Run& r)
{
    const int leg = r.given(A) ? A : B;
    const int other = leg == A ? B : A;
    r[other] = height_of_area<L>(r[S], r[leg]);
    r.check(r[S] > 0 && r[A] > 0 && r[B] > 0);
    const L a = r[A], b = r[B];
    r[C] = hypotenuse(a, b);
    const L c = r[C];
    r[ALFA] = alpha_of_sides(a, b, c);
    r[BETA] = complement(r[ALFA]);
    r[O] = perimeter(a, b, c);
    r[VC] = height_of_area<L>(r[S], c);
}

void other_angle(Run& r)
{
    if (r.given(ALFA))
        r[BETA] = complement(r[ALFA]);
    else
        r[ALFA] = complement(r[BETA]);
}

bool acute(double angle) { return angle > 0 && angle < 90; }

void leg_and_angle(Run& r)
{
    other_angle(r);
    if (r.given(A))
        r[B] = leg_of_angles<L>(r[A], r[ALFA], r[BETA]);
    else
        r[A] = leg_of_angles<L>(r[B], r[BETA], r[ALFA]);
    r.check(r[A] > 0 && acute(r[ALFA]) && r[B] > 0 && acute(r[BETA]));
    const L a = r[A], b = r[B];
    r[C] = hypotenuse(a, b);
    r[O] = perimeter<L>(a, b, r[C]);
    r[S] = half_product(a, b);
    r[VC] = height_of_area<L>(r[S], r[C]);
}

void hypotenuse_and_angle(Run& r)
{
    other_angle(r);
    r.check(r[C] > 0 && acute(r[ALFA]) && acute(r[BETA]));
    const L c = r[C];
    r[A] = leg_of_hypotenuse<L>(c, r[ALFA]);
    r[B] = other_leg<L>(c, r[A]);
    r[O] = perimeter<L>(c, r[A], r[B]);
    r[S] = half_product<L>(r[A], r[B]);
    r[VC] = height_of_area<L>(r[S], c);
}

void hypotenuse_and_height(Run& r)
{
    // The height onto the hypotenuse is at most half of it (Thales' circle).
    r.check(r[C] > 0 && r[VC] > 0 && r[VC] <= L(r[C]) / 2);
    r[S] = half_product<L>(r[C], r[VC]);
}

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
        .fields = quantities("trojuhelnik_p_desk"),
        .reading = Reading::ByText,
        .rows = kRows,
        .written = {A, B, C, ALFA, BETA, VC, O, S},
        .writing = Writing::Positive,
    };
    return f;
}

} // namespace qvk::planimetry
