// The general triangle: sides a, b, c, the heights onto them, the angles
// α, β, γ (each opposite its side), perimeter O and area S. Side i has its
// angle at ALFA + i and its height at VA + i.
#include "core/errors.h"
#include "core/fpu.h"
#include "planimetry/explain.h"
#include "planimetry/formulas.h"
#include "planimetry/plane.h"
#include "planimetry/solvers.h"

#include <bit>
#include <utility>

namespace qvk::planimetry {

namespace {

enum { A, B, C, VA, VB, VC, ALFA, BETA, GAMA, O, S };

using L = long double;
using namespace formulas;

int angle(int side) { return ALFA + side; }
int height(int side) { return VA + side; }
int third(int x, int y) { return 3 - x - y; }

const char* const kSides = "Součet délek 2 stran nemůže mít menší než délka 3.strany";

void report(const char* message) { report_error(QString::fromUtf8(message)); }

// The given sides (or angles, or heights) in order, starting at `first`.
struct Pair {
    int x = -1, y = -1;
};

template <typename N>
Pair given_of(const RunOf<N>& r, int first)
{
    Pair p;
    for (int i = first; i < first + 3; ++i)
        if (r.given(i))
            (p.x < 0 ? p.x : p.y) = i - first;
    return p;
}

template <typename N>
void sides_test(const RunOf<N>& r)
{
    const N a = r[A], b = r[B], c = r[C];
    if (!(a + b > c) || !(b < a + c && b + c > a))
        report(kSides);
}

// Sides x < y and the angle between them known: the third side, the angle
// opposite y, the last angle.
template <typename N>
void two_sides_and_between(RunOf<N>& r, int x, int y)
{
    const int z = third(x, y);
    r[z] = law_of_cosines<N>(r[x], r[y], r[angle(z)]);
    r[angle(y)] = alpha_of_sides<N>(r[y], r[x], r[z]);
    r[angle(x)] = third_angle<N>(r[angle(y)], r[angle(z)]);
}

void sorted(int& x, int& y)
{
    if (x > y)
        std::swap(x, y);
}

// O, S by Heron's formula (or as given or derived) and the heights not given.
template <typename N>
void complete(RunOf<N>& r, bool by_heron)
{
    if (!r.given(O))
        r[O] = perimeter<N>(r[A], r[B], r[C]);
    if (by_heron)
        r[S] = heron<N>(r.let("s", semiperimeter<N>(r[O])), r[A], r[B], r[C]);
    for (int i = A; i <= C; ++i)
        if (!r.given(height(i)))
            r[height(i)] = height_of_area<N>(r[S], r[i]);
}

// Every full solution passes this before anything is written; a fault of the
// completion comes first.
template <typename N>
void final_check(RunOf<N>& r)
{
    fpu_check();
    const N a = r[A], b = r[B], c = r[C];
    if (!(a + b > c && b < a + c && a < b + c))
        report(kSides);
    if (!(a > 0 && b > 0 && c > 0))
        report("Stramy nemohou být <= 0");
    if (!(r[ALFA] > 0 && r[BETA] > 0 && r[GAMA] > 0))
        report("Úhlý nemohou být <= 0 st.");
    if (r[ALFA] >= 180 || r[BETA] >= 180 || r[GAMA] >= 180)
        report("Úhlý nemohou být >= 180 st.");
}

// Rows whose area comes from Heron's formula: the input stage ends once the
// sides and angles are known.
template <typename N>
void finish_by_heron(RunOf<N>& r)
{
    r.check(true);
    complete(r, true);
    final_check(r);
}

template <typename N>
bool open_angle(const N& x) { return x > 0 && x < 180; }

// --- partial rows

constexpr auto two_angles = []<typename N>(RunOf<N>& r) {
    const Pair p = given_of(r, ALFA);
    const int k1 = angle(p.x), k2 = angle(p.y);
    // A triangle has no angle of 0 or less, nor of 180 or more.
    r.check(open_angle(r[k1]) && open_angle(r[k2]));
    const N sum = N(r[k1]) + r[k2];
    if (sum > 180)
        report("Součet úhlů činí maximálně 180 stupňů");
    r[angle(third(p.x, p.y))] = supplement(sum);
};

constexpr auto side_and_its_height = []<typename N>(RunOf<N>& r) {
    const int x = given_of(r, A).x;
    r.check(r[x] > 0 && r[height(x)] > 0);
    r[S] = half_product<N>(r[x], r[height(x)]);
};

// --- full rows, by sides and angles

template <typename N>
void from_three_sides(RunOf<N>& r)
{
    const N a = r[A], b = r[B], c = r[C];
    r[GAMA] = alpha_of_sides(c, a, b);
    r[BETA] = alpha_of_sides(b, a, c);
    r[ALFA] = third_angle<N>(r[BETA], r[GAMA]);
}

constexpr auto three_sides = []<typename N>(RunOf<N>& r) {
    sides_test(r);
    from_three_sides(r);
    finish_by_heron(r);
};

constexpr auto two_sides_and_perimeter = []<typename N>(RunOf<N>& r) {
    const Pair p = given_of(r, A);
    const int z = third(p.x, p.y);
    r[z] = third_side<N>(r[O], r[p.x], r[p.y]);
    sides_test(r);
    from_three_sides(r);
    finish_by_heron(r);
};

constexpr auto two_sides_and_included_angle = []<typename N>(RunOf<N>& r) {
    const Pair p = given_of(r, A);
    two_sides_and_between(r, p.x, p.y);
    finish_by_heron(r);
};

// Row 6: p the given side opposite the given angle, q the other given side.
struct Opposite {
    int p = -1, q = -1, z = -1;
};

template <typename N>
Opposite opposite_of(const RunOf<N>& r)
{
    const Pair sides = given_of(r, A);
    const int p = given_of(r, ALFA).x;
    return {p, p == sides.x ? sides.y : sides.x, third(sides.x, sides.y)};
}

// The law of sines gives the angle opposite q twice (θ and 180 − θ) when q is
// the longer side and θ is no right angle.
template <typename N>
bool two_triangles(const RunOf<N>& r, const Opposite& o, const N& acute)
{
    return r[o.q] > r[o.p] && acute < 90;
}

constexpr auto two_sides_and_opposite_angle = []<typename N>(RunOf<N>& r) {
    const Opposite o = opposite_of(r);
    const int p = o.p, q = o.q, z = o.z;
    // The acute value unless the pupil asked for the second triangle; an
    // argument above 1 means no such triangle.
    const N acute = angle_of_sines<N>(r[q], r[p], r[angle(p)]);
    const bool two = two_triangles(r, o, acute);
    if (two && r.option())
        r[angle(q)] = obtuse_angle_of_sines<N>(r[q], r[p], r[angle(p)]);
    else
        r[angle(q)] = acute;
    r[angle(z)] = third_angle<N>(r[angle(p)], r[angle(q)]);
    if (z == C)
        r[C] = leg_of_angles<N>(r[A], r[ALFA], r[GAMA]);
    else if (z == B)
        r[B] = law_of_cosines<N>(r[A], r[C], r[BETA]);
    else
        r[A] = law_of_cosines<N>(r[B], r[C], r[ALFA]);
    finish_by_heron(r);
    if (!two)
        return;
    // The other triangle, for the worked solution only.
    static const char* const kOther[] = {"a₂", "b₂", "c₂", "", "", "", "α₂", "β₂", "γ₂"};
    r.note("Zadání vyhovují dva trojúhelníky:");
    const N other_q = r.let(kOther[angle(q)], 180 - N(r[angle(q)]));
    const N other_z = r.let(kOther[angle(z)], 180 - N(r[angle(p)]) - other_q);
    r.let(kOther[z], leg_of_angles<N>(r[p], r[angle(p)], other_z));
};

constexpr auto two_angles_and_side = []<typename N>(RunOf<N>& r) {
    const Pair p = given_of(r, ALFA);
    r[angle(third(p.x, p.y))] = third_angle<N>(r[angle(p.x)], r[angle(p.y)]);
    if (r.given(A)) {
        r[B] = leg_of_angles<N>(r[A], r[ALFA], r[BETA]);
        r[C] = law_of_cosines<N>(r[A], r[B], r[GAMA]);
    } else if (r.given(B)) {
        r[A] = leg_of_angles<N>(r[B], r[BETA], r[ALFA]);
        r[C] = law_of_cosines<N>(r[A], r[B], r[GAMA]);
    } else {
        r[B] = leg_of_angles<N>(r[C], r[GAMA], r[BETA]);
        r[A] = law_of_cosines<N>(r[B], r[C], r[ALFA]);
    }
    finish_by_heron(r);
};

// --- full rows by the area: its checks close the input stage

template <typename N>
bool heights_positive(const RunOf<N>& r)
{
    return r[VA] > 0 && r[VB] > 0 && r[VC] > 0;
}

// Sides x and y and S: the angle between them is the acute one.
template <typename N>
void two_sides_and_area_of(RunOf<N>& r, int x, int y)
{
    sorted(x, y);
    r[angle(third(x, y))] = angle_of_area<N>(r[S], r[x], r[y]);
    two_sides_and_between(r, x, y);
    complete(r, false);
}

constexpr auto side_height_and_second = []<typename N>(RunOf<N>& r) {
    int x = 0;
    while (!(r.given(x) && r.given(height(x))))
        ++x;
    r[S] = half_product<N>(r[x], r[height(x)]);
    int y = 0;
    while (y == x || !(r.given(y) || r.given(height(y))))
        ++y;
    if (!r.given(y))
        r[y] = height_of_area<N>(r[S], r[height(y)]);
    two_sides_and_area_of(r, x, y);
    r.check(heights_positive(r));
    final_check(r);
};

constexpr auto two_sides_and_area = []<typename N>(RunOf<N>& r) {
    const Pair p = given_of(r, A);
    two_sides_and_area_of(r, p.x, p.y);
    r.check(r[S] > 0);
    final_check(r);
};

// The angle k with the area and the side x next to it (given or from its
// height): the other side next to k follows from the area.
template <typename N>
void angle_area_and_side_of(RunOf<N>& r, int k, int x)
{
    if (!r.given(x))
        r[x] = height_of_area<N>(r[S], r[height(x)]);
    int y = third(k, x);
    r[y] = side_of_area<N>(r[S], r[angle(k)], r[x]);
    sorted(x, y);
    two_sides_and_between(r, x, y);
    complete(r, false);
    r.check(r[S] > 0);
    final_check(r);
}

template <typename N>
int the_side_next_to(const RunOf<N>& r, int k)
{
    for (int i = A; i <= C; ++i)
        if (i != k && (r.given(i) || r.given(height(i))))
            return i;
    return -1;
}

constexpr auto angle_area_and_side = []<typename N>(RunOf<N>& r) {
    const int k = given_of(r, ALFA).x;
    angle_area_and_side_of(r, k, the_side_next_to(r, k));
};

constexpr auto side_height_of_other_and_area = []<typename N>(RunOf<N>& r) {
    const int x = given_of(r, A).x;
    const int h = given_of(r, VA).x;
    r[h] = height_of_area<N>(r[S], r[height(h)]);
    two_sides_and_area_of(r, x, h);
    r.check(heights_positive(r) && r[S] > 0);
    final_check(r);
};

constexpr auto angle_side_and_its_height = []<typename N>(RunOf<N>& r) {
    const int k = given_of(r, ALFA).x;
    const int x = given_of(r, A).x;
    r[S] = half_product<N>(r[x], r[height(x)]);
    angle_area_and_side_of(r, k, x);
};

const Row kRows[] = {
    // 1: two angles
    {of({ALFA, BETA}), two_angles},
    {of({ALFA, GAMA}), two_angles},
    {of({BETA, GAMA}), two_angles},
    // 2: a side and its height
    {of({A, VA}), side_and_its_height},
    {of({B, VB}), side_and_its_height},
    {of({C, VC}), side_and_its_height},
    // 3
    {of({A, B, C}), three_sides},
    // 4
    {of({A, B, O}), two_sides_and_perimeter},
    {of({A, C, O}), two_sides_and_perimeter},
    {of({B, C, O}), two_sides_and_perimeter},
    // 5
    {of({A, B, GAMA}), two_sides_and_included_angle},
    {of({A, C, BETA}), two_sides_and_included_angle},
    {of({B, C, ALFA}), two_sides_and_included_angle},
    // 6
    {of({A, B, ALFA}), two_sides_and_opposite_angle},
    {of({A, B, BETA}), two_sides_and_opposite_angle},
    {of({A, C, ALFA}), two_sides_and_opposite_angle},
    {of({A, C, GAMA}), two_sides_and_opposite_angle},
    {of({B, C, BETA}), two_sides_and_opposite_angle},
    {of({B, C, GAMA}), two_sides_and_opposite_angle},
    // 7
    {of({ALFA, BETA, A}), two_angles_and_side},
    {of({ALFA, BETA, B}), two_angles_and_side},
    {of({ALFA, BETA, C}), two_angles_and_side},
    {of({ALFA, GAMA, A}), two_angles_and_side},
    {of({ALFA, GAMA, B}), two_angles_and_side},
    {of({ALFA, GAMA, C}), two_angles_and_side},
    {of({BETA, GAMA, A}), two_angles_and_side},
    {of({BETA, GAMA, B}), two_angles_and_side},
    {of({BETA, GAMA, C}), two_angles_and_side},
    // 8
    {of({A, VA, B}), side_height_and_second},
    {of({A, VA, C}), side_height_and_second},
    {of({A, VA, VB}), side_height_and_second},
    {of({A, VA, VC}), side_height_and_second},
    {of({B, VB, A}), side_height_and_second},
    {of({B, VB, C}), side_height_and_second},
    {of({B, VB, VA}), side_height_and_second},
    {of({B, VB, VC}), side_height_and_second},
    {of({C, VC, A}), side_height_and_second},
    {of({C, VC, B}), side_height_and_second},
    {of({C, VC, VA}), side_height_and_second},
    {of({C, VC, VB}), side_height_and_second},
    // 9
    {of({A, B, S}), two_sides_and_area},
    {of({A, C, S}), two_sides_and_area},
    {of({B, C, S}), two_sides_and_area},
    // 10
    {of({ALFA, S, B}), angle_area_and_side},
    {of({ALFA, S, C}), angle_area_and_side},
    {of({ALFA, S, VB}), angle_area_and_side},
    {of({ALFA, S, VC}), angle_area_and_side},
    {of({BETA, S, A}), angle_area_and_side},
    {of({BETA, S, C}), angle_area_and_side},
    {of({BETA, S, VA}), angle_area_and_side},
    {of({BETA, S, VC}), angle_area_and_side},
    {of({GAMA, S, A}), angle_area_and_side},
    {of({GAMA, S, B}), angle_area_and_side},
    {of({GAMA, S, VA}), angle_area_and_side},
    {of({GAMA, S, VB}), angle_area_and_side},
    // 11
    {of({A, VB, S}), side_height_of_other_and_area},
    {of({A, VC, S}), side_height_of_other_and_area},
    {of({B, VA, S}), side_height_of_other_and_area},
    {of({B, VC, S}), side_height_of_other_and_area},
    {of({C, VA, S}), side_height_of_other_and_area},
    {of({C, VB, S}), side_height_of_other_and_area},
    // 12
    {of({GAMA, A, VA}), angle_side_and_its_height},
    {of({GAMA, B, VB}), angle_side_and_its_height},
    {of({BETA, A, VA}), angle_side_and_its_height},
    {of({BETA, C, VC}), angle_side_and_its_height},
    {of({ALFA, B, VB}), angle_side_and_its_height},
    {of({ALFA, C, VC}), angle_side_and_its_height},
};

// The check box of the second triangle is on show only while the last solve
// found two.
bool found_two(const Run& r)
{
    const Mask sides = (Mask{1} << A) | (Mask{1} << B) | (Mask{1} << C);
    const Mask angles = (Mask{1} << ALFA) | (Mask{1} << BETA) | (Mask{1} << GAMA);
    const Mask g = r.given_fields();
    if (std::popcount(g & sides) != 2 || std::popcount(g & angles) != 1 || (g & ~(sides | angles)) != 0)
        return false;
    const Opposite o = opposite_of(r);
    if (!r.given(angle(o.p)))
        return false; // the angle between the two sides
    const long double q_angle = r[angle(o.q)];
    return two_triangles<long double>(r, o, q_angle > 90 ? 180 - q_angle : q_angle);
}

const QString kSecond = QString::fromLatin1(kSecondTriangle);

void show_second(WindowModel& m, bool two)
{
    // Hidden, the box lets go of its mark, so that it shows up unchecked.
    if (!two && m.visible(kSecond))
        m.setChecked(kSecond, false);
    m.setVisible(kSecond, two);
}

void before_write(WindowModel& m, const Run& r) { show_second(m, found_two(r)); }

} // namespace

void clear_second_triangle(WindowModel& m) { show_second(m, false); }

// Switches between the two triangles of the last solve at once: its given
// fields as they were typed, the others emptied, solved again.
void second_triangle_clicked(WindowModel& m)
{
    const Solved* last = m.result<Solved>(QString::fromUtf8(general_triangle().page));
    if (!m.visible(kSecond) || !last)
        return;
    for (std::size_t i = 0; i < last->names.size(); ++i)
        m.setText(last->names[i], (last->given >> i) & 1u ? last->typed[i] : QString());
    solve(m, general_triangle());
}

const Figure& general_triangle()
{
    static const Figure f{
        .page = "trojuhelnik_desk",
        .title = "Obecný trojúhelník",
        .fields = quantities("trojuhelnik_desk"),
        .reading = Reading::ByText,
        .rows = kRows,
        .written = {VA, VB, VC, A, B, C, ALFA, BETA, GAMA, O, S},
        .writing = Writing::Positive,
        .no_match = "Nepřípustné zadání",
        .option = kSecondTriangle,
        .before_write = before_write,
    };
    return f;
}

} // namespace qvk::planimetry
