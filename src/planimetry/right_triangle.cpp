// The right triangle: legs a, b, hypotenuse c, the height vc onto it, the
// angles α (opposite a) and β (opposite b), perimeter O and area S.
#include "planimetry/solvers.h"

#include <cmath>

namespace qvk::planimetry {

namespace {

enum { A, B, C, VC, ALFA, BETA, O, S };

using L = long double;

// α from the three sides, β its complement; O, S and vc.
void angles_and_rest(Run& r)
{
    const L a = r[A], b = r[B], c = r[C];
    r[ALFA] = acos_deg((b * b + c * c - a * a) / (2 * b * c));
    r[BETA] = 90 - r[ALFA];
    r[O] = a + b + c;
    r[S] = a * b / 2;
    r[VC] = 2 * L(r[S]) / c;
}

void legs(Run& r)
{
    r.check(r[A] > 0 && r[B] > 0);
    r[C] = std::sqrt(L(r[A]) * r[A] + L(r[B]) * r[B]);
    angles_and_rest(r);
}

void hypotenuse_and_leg(Run& r)
{
    const int leg = r.given(A) ? A : B;
    const int other = leg == A ? B : A;
    // A leg longer than c fails at the root, inside the input stage.
    r[other] = std::sqrt(L(r[C]) * r[C] - L(r[leg]) * r[leg]);
    r.check(r[C] > 0);
    angles_and_rest(r);
}

void area_and_leg(Run& r)
{
    const int leg = r.given(A) ? A : B;
    const int other = leg == A ? B : A;
    r[other] = 2 * L(r[S]) / r[leg];
    r.check(r[S] > 0 && r[A] > 0 && r[B] > 0);
    const L a = r[A], b = r[B];
    r[C] = std::sqrt(a * a + b * b);
    const L c = r[C];
    r[ALFA] = acos_deg((b * b + c * c - a * a) / (2 * b * c));
    r[BETA] = 90 - r[ALFA];
    r[O] = a + b + c;
    r[VC] = 2 * L(r[S]) / c;
}

void other_angle(Run& r)
{
    if (r.given(ALFA))
        r[BETA] = 90 - r[ALFA];
    else
        r[ALFA] = 90 - r[BETA];
}

bool acute(double angle) { return angle > 0 && angle < 90; }

void leg_and_angle(Run& r)
{
    other_angle(r);
    if (r.given(A))
        r[B] = sin_deg(r[BETA]) * (L(r[A]) / sin_deg(r[ALFA]));
    else
        r[A] = sin_deg(r[ALFA]) * (L(r[B]) / sin_deg(r[BETA]));
    r.check(r[A] > 0 && acute(r[ALFA]) && r[B] > 0 && acute(r[BETA]));
    const L a = r[A], b = r[B];
    r[C] = std::sqrt(a * a + b * b);
    r[O] = a + b + L(r[C]);
    r[S] = a * b / 2;
    r[VC] = 2 * L(r[S]) / r[C];
}

void hypotenuse_and_angle(Run& r)
{
    other_angle(r);
    r.check(r[C] > 0 && acute(r[ALFA]) && acute(r[BETA]));
    const L c = r[C];
    r[A] = c * sin_deg(r[ALFA]);
    r[B] = std::sqrt(c * c - L(r[A]) * r[A]);
    r[O] = c + r[A] + r[B];
    r[S] = L(r[A]) * r[B] / 2;
    r[VC] = 2 * L(r[S]) / c;
}

void hypotenuse_and_height(Run& r)
{
    // The height onto the hypotenuse is at most half of it (Thales' circle).
    r.check(r[C] > 0 && r[VC] > 0 && r[VC] <= L(r[C]) / 2);
    r[S] = L(r[C]) * r[VC] / 2;
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
        .fields = {"tp_a", "tp_b", "tp_c", "tp_vc", "tp_alfa", "tp_beta", "tp_obvod", "tp_obsah"},
        .reading = Reading::ByText,
        .rows = kRows,
        .written = {A, B, C, ALFA, BETA, VC, O, S},
        .writing = Writing::Positive,
    };
    return f;
}

} // namespace qvk::planimetry
