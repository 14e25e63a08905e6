// Square, rectangle and parallelogram (the trapezoid: trapezoid.cpp).
#include "core/errors.h"
#include "planimetry/explain.h"
#include "planimetry/formulas.h"
#include "planimetry/solvers.h"

#include <cmath>

namespace qvk::planimetry {

namespace {

using L = long double;
using namespace formulas;

namespace sq {

enum { A, U, O, S };

constexpr auto from_side = []<typename N>(RunOf<N>& r) {
    const N a = r[A];
    r[U] = square_diagonal(a);
    r[O] = square_perimeter(a);
    r[S] = square_area(a);
};

constexpr auto from_diagonal = []<typename N>(RunOf<N>& r) {
    r[A] = r.rounded(square_side_of_diagonal<N>(r[U]));
    r[O] = square_perimeter<N>(r[A]);
    r[S] = square_area<N>(r[A]);
};

constexpr auto from_perimeter = []<typename N>(RunOf<N>& r) {
    r[A] = r.rounded(square_side_of_perimeter<N>(r[O]));
    r[U] = square_diagonal<N>(r[A]);
    r[S] = square_area<N>(r[A]);
};

constexpr auto from_area = []<typename N>(RunOf<N>& r) {
    r[A] = r.rounded(square_side_of_area<N>(r[S]));
    r[O] = square_perimeter<N>(r[A]);
    r[U] = square_diagonal<N>(r[A]);
};

const Row kRows[] = {
    {of({A}), from_side},
    {of({U}), from_diagonal},
    {of({O}), from_perimeter},
    {of({S}), from_area},
};

} // namespace sq

namespace rect {

enum { A, B, U, O, S };

template <typename N>
int side(const RunOf<N>& r)
{
    return r.given(A) ? A : B;
}
template <typename N>
int other(const RunOf<N>& r)
{
    return r.given(A) ? B : A;
}

constexpr auto sides = []<typename N>(RunOf<N>& r) {
    const N a = r[A], b = r[B];
    r[U] = hypotenuse(a, b);
    r[O] = by_rule("obvod obdélníku", parallelogram_perimeter(a, b));
    r[S] = by_rule("obsah obdélníku", parallelogram_area(a, b));
};

constexpr auto side_and_diagonal = []<typename N>(RunOf<N>& r) {
    if (r[side(r)] >= r[U])
        report_error(QStringLiteral("Strany obdelníku nemohou být delší než úhlopříčka"));
    r[other(r)] = r.rounded(other_leg<N>(r[U], r[side(r)]));
    r[O] = by_rule("obvod obdélníku", parallelogram_perimeter<N>(r[A], r[B]));
    r[S] = by_rule("obsah obdélníku", parallelogram_area<N>(r[A], r[B]));
};

constexpr auto side_and_perimeter = []<typename N>(RunOf<N>& r) {
    if (r[O] <= 2 * N(r[A]) || r[O] <= 2 * N(r[B]))
        report_error(QStringLiteral("Obvod nemůže být <= než dvojnásobek délky jedné strany"));
    r[other(r)] = r.rounded(by_rule("obvod obdélníku", parallelogram_side_of_perimeter<N>(r[O], r[side(r)])));
    r[U] = hypotenuse<N>(r[A], r[B]);
    r[S] = by_rule("obsah obdélníku", parallelogram_area<N>(r[A], r[B]));
};

constexpr auto side_and_area = []<typename N>(RunOf<N>& r) {
    r[other(r)] = r.rounded(by_rule("obsah obdélníku", parallelogram_height_of_area<N>(r[S], r[side(r)])));
    r[U] = hypotenuse<N>(r[A], r[B]);
    r[O] = by_rule("obvod obdélníku", parallelogram_perimeter<N>(r[A], r[B]));
};

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

template <typename N>
bool open_angle(const N& angle) { return angle > 0 && angle < 180; }

template <typename N>
void other_angle(RunOf<N>& r)
{
    if (r.given(ALFA))
        r[BETA] = supplement(r[ALFA]);
    else
        r[ALFA] = supplement(r[BETA]);
}

template <typename N>
void perimeter(RunOf<N>& r)
{
    r[O] = parallelogram_perimeter<N>(r[A], r[B]);
}

// The angle from the heights, once both sides and heights are known.
template <typename N>
void angles_from_heights(RunOf<N>& r)
{
    r[ALFA] = parallelogram_angle<N>(r[VA], r[B]);
    r[BETA] = supplement(r[ALFA]);
}

constexpr auto side_and_its_height = []<typename N>(RunOf<N>& r) {
    if (r.given(A)) {
        r.check(r[A] > 0 && r[VA] > 0);
        r[S] = parallelogram_area<N>(r[A], r[VA]);
    } else {
        r.check(r[B] > 0 && r[VB] > 0);
        r[S] = parallelogram_area<N>(r[B], r[VB]);
    }
};

constexpr auto two_sides = []<typename N>(RunOf<N>& r) {
    r.check(r[A] > 0 && r[B] > 0);
    perimeter(r);
};

constexpr auto two_sides_and_height = []<typename N>(RunOf<N>& r) {
    if (r.given(VA)) {
        r.check(r[A] > 0 && r[B] > 0 && r[VA] > 0 && r[VA] <= r[B]);
        r[S] = parallelogram_area<N>(r[VA], r[A]);
        r[VB] = parallelogram_height_of_area<N>(r[S], r[B]);
        r[ALFA] = parallelogram_angle<N>(r[VA], r[B]);
    } else {
        r.check(r[A] > 0 && r[B] > 0 && r[VB] > 0 && r[VB] <= r[A]);
        r[S] = parallelogram_area<N>(r[VB], r[B]);
        r[VA] = parallelogram_height_of_area<N>(r[S], r[A]);
        r[ALFA] = parallelogram_angle<N>(r[VB], r[A]);
    }
    r[BETA] = supplement(r[ALFA]);
    perimeter(r);
};

constexpr auto two_sides_and_angle = []<typename N>(RunOf<N>& r) {
    other_angle(r);
    r.check(r[A] > 0 && r[B] > 0 && open_angle(r.given(ALFA) ? r[ALFA] : r[BETA]));
    r[VA] = parallelogram_height_of_angle<N>(r[B], r[ALFA]);
    r[S] = parallelogram_area<N>(r[A], r[VA]);
    perimeter(r);
    r[VB] = parallelogram_height_of_area<N>(r[S], r[B]);
};

constexpr auto side_height_angle = []<typename N>(RunOf<N>& r) {
    other_angle(r);
    const bool onA = r.given(A);
    const int side = onA ? A : B, height = onA ? VA : VB, otherSide = onA ? B : A, otherHeight = onA ? VB : VA;
    r.check(r[side] > 0 && r[height] > 0 && open_angle(r.given(ALFA) ? r[ALFA] : r[BETA]));
    r[S] = parallelogram_area<N>(r[side], r[height]);
    r[otherSide] = parallelogram_side_of_angle<N>(r[height], r[ALFA]);
    perimeter(r);
    r[otherHeight] = parallelogram_height_of_area<N>(r[S], r[otherSide]);
};

constexpr auto side_angle_perimeter = []<typename N>(RunOf<N>& r) {
    r.check(r[O] > 0);
    const int side = r.given(A) ? A : B;
    r[side == A ? B : A] = parallelogram_side_of_perimeter<N>(r[O], r[side]);
    other_angle(r);
    r.check(r[A] > 0 && 2 * N(r[A]) < r[O] && r[B] > 0 && 2 * N(r[B]) < r[O] && open_angle(r[ALFA]) &&
            open_angle(r[BETA]));
    r[VA] = parallelogram_height_of_angle<N>(r[B], r[ALFA]);
    r[VB] = parallelogram_height_of_angle<N>(r[A], r[ALFA]);
    r[S] = parallelogram_area_of_angle<N>(r[A], r[B], r[ALFA]);
};

constexpr auto side_height_perimeter = []<typename N>(RunOf<N>& r) {
    r.check(r[O] > 0);
    const int side = r.given(A) ? A : B;
    r[side == A ? B : A] = parallelogram_side_of_perimeter<N>(r[O], r[side]);
    if (r.given(VA)) {
        r[S] = parallelogram_area<N>(r[A], r[VA]);
        r[VB] = parallelogram_height_of_area<N>(r[S], r[B]);
    } else {
        r[S] = parallelogram_area<N>(r[B], r[VB]);
        r[VA] = parallelogram_height_of_area<N>(r[S], r[A]);
    }
    r.check(r[A] > 0 && r[B] > 0 && 2 * N(r[A]) < r[O] && 2 * N(r[B]) < r[O] && r[VA] > 0 && r[VA] <= r[B] &&
            r[VB] > 0 && r[VB] <= r[A]);
    r[ALFA] = parallelogram_angle<N>(r[VB], r[A]);
    r[BETA] = supplement(r[ALFA]);
};

constexpr auto area_angle_and_one = []<typename N>(RunOf<N>& r) {
    r.check(r[S] > 0 && open_angle(r.given(ALFA) ? r[ALFA] : r[BETA]));
    other_angle(r);
    const N s = r[S];
    if (r.given(A)) {
        r[VA] = parallelogram_height_of_area(s, N(r[A]));
        r[B] = parallelogram_side_of_angle<N>(r[VA], r[ALFA]);
        r[VB] = parallelogram_height_of_area(s, N(r[B]));
    } else if (r.given(B)) {
        r[VB] = parallelogram_height_of_area(s, N(r[B]));
        r[A] = parallelogram_side_of_angle<N>(r[VB], r[ALFA]);
        r[VA] = parallelogram_height_of_area(s, N(r[A]));
    } else if (r.given(VA)) {
        r[A] = parallelogram_height_of_area(s, N(r[VA]));
        r[B] = parallelogram_side_of_angle<N>(r[VA], r[ALFA]);
        r[VB] = parallelogram_height_of_area(s, N(r[B]));
    } else {
        r[B] = parallelogram_height_of_area(s, N(r[VB]));
        r[A] = parallelogram_side_of_angle<N>(r[VB], r[ALFA]);
        r[VA] = parallelogram_height_of_area(s, N(r[A]));
    }
    r.check(r[A] > 0 && r[B] > 0 && r[VA] > 0 && r[VB] > 0);
    perimeter(r);
};

constexpr auto side_and_heights = []<typename N>(RunOf<N>& r) {
    if (r.given(A)) {
        r[S] = parallelogram_area<N>(r[A], r[VA]);
        r[B] = parallelogram_height_of_area<N>(r[S], r[VB]);
    } else {
        r[S] = parallelogram_area<N>(r[B], r[VB]);
        r[A] = parallelogram_height_of_area<N>(r[S], r[VA]);
    }
    r.check(r[A] > 0 && r[B] > 0 && r[VA] > 0 && r[VB] > 0 && r[VB] <= r[A] && r[VA] <= r[B]);
    angles_from_heights(r);
    perimeter(r);
};

constexpr auto heights_and_angle = []<typename N>(RunOf<N>& r) {
    other_angle(r);
    r.check(open_angle(r.given(ALFA) ? r[ALFA] : r[BETA]) && r[VA] > 0 && r[VB] > 0);
    r[A] = parallelogram_side_of_angle<N>(r[VB], r[ALFA]);
    r[B] = parallelogram_side_of_angle<N>(r[VA], r[ALFA]);
    r[S] = parallelogram_area<N>(r[VA], r[A]);
    perimeter(r);
};

constexpr auto area_and_pair = []<typename N>(RunOf<N>& r) {
    const N s = r[S];
    if (!r.given(VA) && r.given(A))
        r[VA] = parallelogram_height_of_area(s, N(r[A]));
    if (!r.given(VB) && r.given(B))
        r[VB] = parallelogram_height_of_area(s, N(r[B]));
    if (!r.given(A))
        r[A] = parallelogram_height_of_area(s, N(r[VA]));
    if (!r.given(B))
        r[B] = parallelogram_height_of_area(s, N(r[VB]));
    r.check(r[A] > 0 && r[B] > 0 && r[VA] > 0 && r[VB] > 0 && r[VB] <= r[A] && r[VA] <= r[B]);
    angles_from_heights(r);
    perimeter(r);
};

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
        .title = "Čtverec",
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
        .title = "Obdélník",
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
        .title = "Rovnoběžník",
        .fields = quantities("rovnobeznik_desk"),
        .reading = Reading::ByText,
        .rows = par::kRows,
        .written = {A, B, VA, VB, ALFA, BETA, O, S},
        .writing = Writing::Positive,
    };
    return f;
}

} // namespace qvk::planimetry
