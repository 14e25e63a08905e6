// Square, rectangle and parallelogram. The trapezoid has fields only.
#include "core/errors.h"
#include "planimetry/formulas.h"
#include "planimetry/solvers.h"

#include <cmath>

namespace qvk::planimetry {

namespace {

using L = long double;
using namespace formulas;

namespace sq {

enum { A, U, O, S };

void from_side(Run& r)
{
    const L a = r[A];
    r[U] = square_diagonal(a);
    r[O] = square_perimeter(a);
    r[S] = square_area(a);
}

void from_diagonal(Run& r)
{
    r[A] = r.rounded(square_side_of_diagonal<L>(r[U]));
    r[O] = square_perimeter<L>(r[A]);
    r[S] = square_area<L>(r[A]);
}

void from_perimeter(Run& r)
{
    r[A] = r.rounded(square_side_of_perimeter<L>(r[O]));
    r[U] = square_diagonal<L>(r[A]);
    r[S] = square_area<L>(r[A]);
}

void from_area(Run& r)
{
    r[A] = r.rounded(square_side_of_area<L>(r[S]));
    r[O] = square_perimeter<L>(r[A]);
    r[U] = square_diagonal<L>(r[A]);
}

const Row kRows[] = {
    {of({A}), from_side},
    {of({U}), from_diagonal},
    {of({O}), from_perimeter},
    {of({S}), from_area},
};

} // namespace sq

namespace rect {

enum { A, B, U, O, S };

int side(const Run& r) { return r.given(A) ? A : B; }
int other(const Run& r) { return r.given(A) ? B : A; }

void sides(Run& r)
{
    const L a = r[A], b = r[B];
    r[U] = hypotenuse(a, b);
    r[O] = parallelogram_perimeter(a, b);
    r[S] = parallelogram_area(a, b);
}

void side_and_diagonal(Run& r)
{
    if (r[side(r)] >= r[U])
        report_error(QStringLiteral("Strany obdelníku nemohou být delší než úhlopříčka"));
    r[other(r)] = r.rounded(other_leg<L>(r[U], r[side(r)]));
    r[O] = parallelogram_perimeter<L>(r[A], r[B]);
    r[S] = parallelogram_area<L>(r[A], r[B]);
}

void side_and_perimeter(Run& r)
{
    if (r[O] <= 2 * L(r[A]) || r[O] <= 2 * L(r[B]))
        report_error(QStringLiteral("Obvod nemůže být <= než dvojnásobek délky jedné strany"));
    r[other(r)] = r.rounded(parallelogram_side_of_perimeter<L>(r[O], r[side(r)]));
    r[U] = hypotenuse<L>(r[A], r[B]);
    r[S] = parallelogram_area<L>(r[A], r[B]);
}

void side_and_area(Run& r)
{
    r[other(r)] = r.rounded(parallelogram_height_of_area<L>(r[S], r[side(r)]));
    r[U] = hypotenuse<L>(r[A], r[B]);
    r[O] = parallelogram_perimeter<L>(r[A], r[B]);
}

const Row kRows[] = {
    {of({A, B}), sides},
    {of({A, U}), side_and_diagonal},
    {of({B, U}), side_and_diagonal},
    {of({A, O}), side_and_perimeter},
    {of({B, O}), side_and_perimeter},
    {of({A, S}), side_and_area},
    {of({B, S}), side_and_area},
};

} // namespace rect

namespace par {

// α lies between a and b; va = b sin α, vb = a sin α.
enum { A, B, VA, VB, ALFA, BETA, O, S };

bool open_angle(double angle) { return angle > 0 && angle < 180; }

void other_angle(Run& r)
{
    if (r.given(ALFA))
        r[BETA] = supplement(r[ALFA]);
    else
        r[ALFA] = supplement(r[BETA]);
}

void perimeter(Run& r) { r[O] = parallelogram_perimeter<L>(r[A], r[B]); }

// The angle from the heights, once both sides and heights are known.
void angles_from_heights(Run& r)
{
    r[ALFA] = parallelogram_angle<L>(r[VA], r[B]);
    r[BETA] = supplement(r[ALFA]);
}

void side_and_its_height(Run& r)
{
    if (r.given(A)) {
        r.check(r[A] > 0 && r[VA] > 0);
        r[S] = parallelogram_area<L>(r[A], r[VA]);
    } else {
        r.check(r[B] > 0 && r[VB] > 0);
        r[S] = parallelogram_area<L>(r[B], r[VB]);
    }
}

void two_sides(Run& r)
{
    r.check(r[A] > 0 && r[B] > 0);
    perimeter(r);
}

void two_sides_and_height(Run& r)
{
    if (r.given(VA)) {
        r.check(r[A] > 0 && r[B] > 0 && r[VA] > 0 && r[VA] <= r[B]);
        r[S] = parallelogram_area<L>(r[VA], r[A]);
        r[VB] = parallelogram_height_of_area<L>(r[S], r[B]);
        r[ALFA] = parallelogram_angle<L>(r[VA], r[B]);
    } else {
        r.check(r[A] > 0 && r[B] > 0 && r[VB] > 0 && r[VB] <= r[A]);
        r[S] = parallelogram_area<L>(r[VB], r[B]);
        r[VA] = parallelogram_height_of_area<L>(r[S], r[A]);
        r[ALFA] = parallelogram_angle<L>(r[VB], r[A]);
    }
    r[BETA] = supplement(r[ALFA]);
    perimeter(r);
}

void two_sides_and_angle(Run& r)
{
    other_angle(r);
    r.check(r[A] > 0 && r[B] > 0 && open_angle(r.given(ALFA) ? r[ALFA] : r[BETA]));
    r[VA] = parallelogram_height_of_angle<L>(r[B], r[ALFA]);
    r[S] = parallelogram_area<L>(r[A], r[VA]);
    perimeter(r);
    r[VB] = parallelogram_height_of_area<L>(r[S], r[B]);
}

void side_height_angle(Run& r)
{
    other_angle(r);
    const bool onA = r.given(A);
    const int side = onA ? A : B, height = onA ? VA : VB, otherSide = onA ? B : A, otherHeight = onA ? VB : VA;
    r.check(r[side] > 0 && r[height] > 0 && open_angle(r.given(ALFA) ? r[ALFA] : r[BETA]));
    r[S] = parallelogram_area<L>(r[side], r[height]);
    r[otherSide] = parallelogram_side_of_angle<L>(r[height], r[ALFA]);
    perimeter(r);
    r[otherHeight] = parallelogram_height_of_area<L>(r[S], r[otherSide]);
}

void side_angle_perimeter(Run& r)
{
    r.check(r[O] > 0);
    const int side = r.given(A) ? A : B;
    r[side == A ? B : A] = parallelogram_side_of_perimeter<L>(r[O], r[side]);
    other_angle(r);
    r.check(r[A] > 0 && 2 * L(r[A]) < r[O] && r[B] > 0 && 2 * L(r[B]) < r[O] && open_angle(r[ALFA]) &&
            open_angle(r[BETA]));
    r[VA] = parallelogram_height_of_angle<L>(r[B], r[ALFA]);
    r[VB] = parallelogram_height_of_angle<L>(r[A], r[ALFA]);
    r[S] = parallelogram_area_of_angle<L>(r[A], r[B], r[ALFA]);
}

void side_height_perimeter(Run& r)
{
    r.check(r[O] > 0);
    const int side = r.given(A) ? A : B;
    r[side == A ? B : A] = parallelogram_side_of_perimeter<L>(r[O], r[side]);
    if (r.given(VA)) {
        r[S] = parallelogram_area<L>(r[A], r[VA]);
        r[VB] = parallelogram_height_of_area<L>(r[S], r[B]);
    } else {
        r[S] = parallelogram_area<L>(r[B], r[VB]);
        r[VA] = parallelogram_height_of_area<L>(r[S], r[A]);
    }
    r.check(r[A] > 0 && r[B] > 0 && 2 * L(r[A]) < r[O] && 2 * L(r[B]) < r[O] && r[VA] > 0 && r[VA] <= r[B] &&
            r[VB] > 0 && r[VB] <= r[A]);
    r[ALFA] = parallelogram_angle<L>(r[VB], r[A]);
    r[BETA] = supplement(r[ALFA]);
}

void area_angle_and_one(Run& r)
{
    r.check(r[S] > 0 && open_angle(r.given(ALFA) ? r[ALFA] : r[BETA]));
    other_angle(r);
    const L s = r[S];
    if (r.given(A)) {
        r[VA] = parallelogram_height_of_area(s, L(r[A]));
        r[B] = parallelogram_side_of_angle<L>(r[VA], r[ALFA]);
        r[VB] = parallelogram_height_of_area(s, L(r[B]));
    } else if (r.given(B)) {
        r[VB] = parallelogram_height_of_area(s, L(r[B]));
        r[A] = parallelogram_side_of_angle<L>(r[VB], r[ALFA]);
        r[VA] = parallelogram_height_of_area(s, L(r[A]));
    } else if (r.given(VA)) {
        r[A] = parallelogram_height_of_area(s, L(r[VA]));
        r[B] = parallelogram_side_of_angle<L>(r[VA], r[ALFA]);
        r[VB] = parallelogram_height_of_area(s, L(r[B]));
    } else {
        r[B] = parallelogram_height_of_area(s, L(r[VB]));
        r[A] = parallelogram_side_of_angle<L>(r[VB], r[ALFA]);
        r[VA] = parallelogram_height_of_area(s, L(r[A]));
    }
    r.check(r[A] > 0 && r[B] > 0 && r[VA] > 0 && r[VB] > 0);
    perimeter(r);
}

void side_and_heights(Run& r)
{
    if (r.given(A)) {
        r[S] = parallelogram_area<L>(r[A], r[VA]);
        r[B] = parallelogram_height_of_area<L>(r[S], r[VB]);
    } else {
        r[S] = parallelogram_area<L>(r[B], r[VB]);
        r[A] = parallelogram_height_of_area<L>(r[S], r[VA]);
    }
    r.check(r[A] > 0 && r[B] > 0 && r[VA] > 0 && r[VB] > 0 && r[VB] <= r[A] && r[VA] <= r[B]);
    angles_from_heights(r);
    perimeter(r);
}

void heights_and_angle(Run& r)
{
    other_angle(r);
    r.check(open_angle(r.given(ALFA) ? r[ALFA] : r[BETA]) && r[VA] > 0 && r[VB] > 0);
    r[A] = parallelogram_side_of_angle<L>(r[VB], r[ALFA]);
    r[B] = parallelogram_side_of_angle<L>(r[VA], r[ALFA]);
    r[S] = parallelogram_area<L>(r[VA], r[A]);
    perimeter(r);
}

void area_and_pair(Run& r)
{
    const L s = r[S];
    if (!r.given(VA) && r.given(A))
        r[VA] = parallelogram_height_of_area(s, L(r[A]));
    if (!r.given(VB) && r.given(B))
        r[VB] = parallelogram_height_of_area(s, L(r[B]));
    if (!r.given(A))
        r[A] = parallelogram_height_of_area(s, L(r[VA]));
    if (!r.given(B))
        r[B] = parallelogram_height_of_area(s, L(r[VB]));
    r.check(r[A] > 0 && r[B] > 0 && r[VA] > 0 && r[VB] > 0 && r[VB] <= r[A] && r[VA] <= r[B]);
    angles_from_heights(r);
    perimeter(r);
}

// Rows 1 to 6 have their own spelling of the input message.
const char* const kOld = "Nepřípůstné zadání";

const Row kRows[] = {
    {of({A, VA}), side_and_its_height, nullptr, kOld},
    {of({B, VB}), side_and_its_height, nullptr, kOld},
    {of({A, B}), two_sides, nullptr, kOld},
    {of({A, B, VA}), two_sides_and_height, nullptr, kOld},
    {of({A, B, VB}), two_sides_and_height, nullptr, kOld},
    {of({A, B, ALFA}), two_sides_and_angle, nullptr, kOld},
    {of({A, B, BETA}), two_sides_and_angle, nullptr, kOld},
    {of({A, VA, ALFA}), side_height_angle, nullptr, kOld},
    {of({A, VA, BETA}), side_height_angle, nullptr, kOld},
    {of({B, VB, ALFA}), side_height_angle, nullptr, kOld},
    {of({B, VB, BETA}), side_height_angle, nullptr, kOld},
    {of({A, ALFA, O}), side_angle_perimeter},
    {of({A, BETA, O}), side_angle_perimeter},
    {of({B, ALFA, O}), side_angle_perimeter},
    {of({B, BETA, O}), side_angle_perimeter},
    {of({A, VA, O}), side_height_perimeter},
    {of({A, VB, O}), side_height_perimeter},
    {of({B, VA, O}), side_height_perimeter},
    {of({B, VB, O}), side_height_perimeter},
    {of({S, ALFA, A}), area_angle_and_one},
    {of({S, ALFA, B}), area_angle_and_one},
    {of({S, ALFA, VA}), area_angle_and_one},
    {of({S, ALFA, VB}), area_angle_and_one},
    {of({S, BETA, A}), area_angle_and_one},
    {of({S, BETA, B}), area_angle_and_one},
    {of({S, BETA, VA}), area_angle_and_one},
    {of({S, BETA, VB}), area_angle_and_one},
    {of({A, VA, VB}), side_and_heights},
    {of({B, VA, VB}), side_and_heights},
    {of({VA, VB, ALFA}), heights_and_angle},
    {of({VA, VB, BETA}), heights_and_angle},
    {of({S, A, B}), area_and_pair},
    {of({S, A, VB}), area_and_pair},
    {of({S, B, VA}), area_and_pair},
    {of({S, VA, VB}), area_and_pair},
};

} // namespace par

} // namespace

const Figure& square()
{
    static const Figure f{
        .page = "ctverec_desk",
        .fields = quantities("ctverec_desk"),
        .rows = sq::kRows,
        .written = {sq::A, sq::U, sq::O, sq::S},
    };
    return f;
}

const Figure& rectangle()
{
    static const Figure f{
        .page = "obdelnik_desk",
        .fields = quantities("obdelnik_desk"),
        .rows = rect::kRows,
        .written = {rect::A, rect::B, rect::U, rect::O, rect::S},
    };
    return f;
}

const Figure& parallelogram()
{
    using namespace par;
    static const Figure f{
        .page = "rovnobeznik_desk",
        .fields = quantities("rovnobeznik_desk"),
        .reading = Reading::ByText,
        .rows = par::kRows,
        .written = {A, B, VA, VB, ALFA, BETA, O, S},
        .writing = Writing::Positive,
    };
    return f;
}

} // namespace qvk::planimetry
