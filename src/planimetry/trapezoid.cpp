// The trapezoid ABCD: bases a = AB and c = CD (parallel), legs b = BC and
// d = DA, the angles α, β at a and γ, δ at c (α + δ = β + γ = 180), height v,
// median s, perimeter O, area S. Any two of a, c, s give the bases; a leg is
// found from its angle and the height, or from the triangle that leg b, moved
// along the bases to D, makes with leg d and the difference of the bases.
#include "planimetry/explain.h"
#include "planimetry/formulas.h"
#include "planimetry/solvers.h"

#include <vector>

namespace qvk::planimetry {

namespace {

using namespace formulas;

enum { A, B, C, D, ALFA, BETA, GAMA, DELTA, V, MED, O, AREA };

// A leg with its angle at a and at c, and the name of its projection onto a.
struct Leg {
    int side, at_a, at_c;
    const char* projection;
};
constexpr Leg kLegD{D, ALFA, DELTA, "x"};
constexpr Leg kLegB{B, BETA, GAMA, "y"};

constexpr const Leg& other(const Leg& l) { return l.side == D ? kLegB : kLegD; }

template <typename N>
const Leg& leg_of_angle(const RunOf<N>& r)
{
    return r.given(ALFA) || r.given(DELTA) ? kLegD : kLegB;
}

// The other angle at a leg from the given one.
template <typename N>
void given_angle(RunOf<N>& r, const Leg& l)
{
    if (r.given(l.at_a))
        r[l.at_c] = angle_at_leg<N>(r[l.at_a]);
    else
        r[l.at_a] = angle_at_leg<N>(r[l.at_c]);
}

// The other angle at a leg from the one just found.
template <typename N>
void other_angle(RunOf<N>& r, const Leg& l, int found)
{
    if (found == l.at_a)
        r[l.at_c] = angle_at_leg<N>(r[l.at_a]);
    else
        r[l.at_a] = angle_at_leg<N>(r[l.at_c]);
}

// The base not given from the other one and the median.
template <typename N>
void bases(RunOf<N>& r)
{
    if (!r.given(A))
        r[A] = trapezoid_base_of_median<N>(r[MED], r[C]);
    else if (!r.given(C))
        r[C] = trapezoid_base_of_median<N>(r[MED], r[A]);
}

template <typename N>
void height_from_area(RunOf<N>& r)
{
    if (!r.given(AREA) || r.given(V))
        return;
    if (r.given(MED))
        r[V] = trapezoid_quotient_of_area<N>(r[AREA], r[MED]);
    else
        r[V] = trapezoid_height_of_area<N>(r[AREA], r[A], r[C]);
}

template <typename N>
void leg_of_height(RunOf<N>& r, const Leg& l)
{
    r[l.side] = parallelogram_side_of_angle<N>(r[V], r[l.at_a]);
}

template <typename N>
void note_projections(RunOf<N>& r)
{
    r.note("Průměty ramen d, b do základny a jsou x, y:");
}

template <typename N>
N projection(RunOf<N>& r, const Leg& l)
{
    return r.let(l.projection, leg_projection<N>(r[l.side], r[l.at_a]));
}

// A leg's angles from its projection.
template <typename N>
void angles_of_projection(RunOf<N>& r, const Leg& l, const N& x)
{
    r[l.at_a] = angle_of_projection<N>(x, r[l.side]);
    r[l.at_c] = angle_at_leg<N>(r[l.at_a]);
}

// A leg and its angles from the height and its projection.
template <typename N>
void leg_of_projection(RunOf<N>& r, const Leg& l, const N& x)
{
    r[l.side] = hypotenuse<N>(r[V], x);
    angles_of_projection(r, l, x);
}

// The triangle of the legs and e = |a − c|: its angles at e are α and β
// when a is the longer base, δ and γ when c is.
template <typename N>
struct SideTriangle {
    N e;
    int at_d, at_b;
    int of(const Leg& l) const { return l.side == D ? at_d : at_b; }
};

template <typename N>
SideTriangle<N> side_triangle(RunOf<N>& r)
{
    r.check(r[A] != r[C]);
    const bool longer_a = r[A] > r[C];
    r.note("Rameno b posuneme k vrcholu D: vznikne trojúhelník");
    r.note(longer_a ? "se stranami e = a − c, b, d a úhly α, β při straně e."
                    : "se stranami e = c − a, b, d a úhly δ, γ při straně e.");
    return {r.let("e", bases_difference<N>(r[A], r[C])), longer_a ? ALFA : DELTA, longer_a ? BETA : GAMA};
}

template <typename N>
void height_of_leg_d(RunOf<N>& r)
{
    r[V] = parallelogram_height_of_angle<N>(r[D], r[ALFA]);
}

// Every field the row has not found, then the check of the whole figure:
// the last thing a row does.
template <typename N>
void finish(RunOf<N>& r, bool median_found = false)
{
    if (!r.given(MED) && !median_found)
        r[MED] = trapezoid_median<N>(r[A], r[C]);
    if (!r.given(O))
        r[O] = trapezoid_perimeter<N>(r[A], r[B], r[C], r[D]);
    if (!r.given(AREA))
        r[AREA] = trapezoid_area<N>(r[A], r[C], r[V]);
    bool ok = !(r[A] == r[C]);
    for (int i : {A, B, C, D, V, MED, O, AREA})
        ok = ok && r[i] > 0;
    for (int i : {ALFA, BETA, GAMA, DELTA})
        ok = ok && r[i] > 0 && r[i] < 180;
    r.check(ok);
}

// The other leg from the projection x of one, then the rest of the figure.
template <typename N>
void other_leg_and_finish(RunOf<N>& r, const Leg& l, const N& x)
{
    const N y = r.let(other(l).projection, other_projection<N>(r[A], r[C], x));
    leg_of_projection(r, other(l), y);
    finish(r);
}

template <typename N>
void from_four_sides(RunOf<N>& r)
{
    const SideTriangle<N> t = side_triangle(r);
    const N b = r[B], d = r[D];
    r.check(t.e < b + d && b < t.e + d && d < t.e + b);
    r[t.at_d] = alpha_of_sides<N>(b, d, t.e);
    other_angle(r, kLegD, t.at_d);
    r[t.at_b] = alpha_of_sides<N>(d, b, t.e);
    other_angle(r, kLegB, t.at_b);
    height_of_leg_d(r);
}

// --- the rows

constexpr auto four_sides = []<typename N>(RunOf<N>& r) {
    bases(r);
    from_four_sides(r);
    finish(r);
};

// Three sides (or a leg and two of a, c, s) and the perimeter.
constexpr auto perimeter_and_three_sides = []<typename N>(RunOf<N>& r) {
    if (r.given(B) && r.given(D)) {
        if (r.given(A))
            r[C] = trapezoid_fourth_side<N>(r[O], r[A], r[B], r[D]);
        else
            r[A] = trapezoid_fourth_side<N>(r[O], r[B], r[C], r[D]);
    } else {
        bases(r);
        if (r.given(B))
            r[D] = trapezoid_fourth_side<N>(r[O], r[A], r[B], r[C]);
        else
            r[B] = trapezoid_fourth_side<N>(r[O], r[A], r[C], r[D]);
    }
    from_four_sides(r);
    finish(r);
};

// The bases, the height (or the area) and an angle: the leg of that angle
// from the height, the other leg from its projection.
constexpr auto bases_height_and_angle = []<typename N>(RunOf<N>& r) {
    bases(r);
    height_from_area(r);
    const Leg& l = leg_of_angle(r);
    given_angle(r, l);
    leg_of_height(r, l);
    note_projections(r);
    other_leg_and_finish(r, l, projection(r, l));
};

// The bases, a leg and its angle: the height, then as above.
constexpr auto bases_leg_and_its_angle = []<typename N>(RunOf<N>& r) {
    bases(r);
    const Leg& l = leg_of_angle(r);
    given_angle(r, l);
    r[V] = parallelogram_height_of_angle<N>(r[l.side], r[l.at_a]);
    note_projections(r);
    other_leg_and_finish(r, l, projection(r, l));
};

// The bases, the height (or the area) and a leg: its projection by
// Pythagoras, its angle at a taken acute (the obtuse one gives another
// trapezoid of the same values).
constexpr auto bases_height_and_leg = []<typename N>(RunOf<N>& r) {
    bases(r);
    height_from_area(r);
    const Leg& l = r.given(D) ? kLegD : kLegB;
    r.check(r[V] <= r[l.side]);
    note_projections(r);
    const N x = r.let(l.projection, other_leg<N>(r[l.side], r[V]));
    if (x > 0)
        r.note("Úhel při základně a je zde ostrý; s tupým by vyšel jiný lichoběžník.");
    angles_of_projection(r, l, x);
    other_leg_and_finish(r, l, x);
};

// The bases and an angle at each leg: the legs by the law of sines in the
// triangle of the legs.
constexpr auto bases_and_two_angles = []<typename N>(RunOf<N>& r) {
    bases(r);
    given_angle(r, kLegD);
    given_angle(r, kLegB);
    const SideTriangle<N> t = side_triangle(r);
    const N third = r.let("ε", third_angle<N>(r[t.at_d], r[t.at_b]));
    r.check(third > 0);
    r[D] = leg_of_angles<N>(t.e, third, r[t.at_b]);
    r[B] = leg_of_angles<N>(t.e, third, r[t.at_d]);
    height_of_leg_d(r);
    finish(r);
};

// The bases, a leg and the angle at the other leg: in the triangle of the
// legs the given leg lies opposite the given angle. The angle ε opposite e
// is taken acute, as the arcsine gives it.
constexpr auto bases_leg_and_other_angle = []<typename N>(RunOf<N>& r) {
    bases(r);
    const Leg& l = r.given(D) ? kLegD : kLegB;
    const Leg& m = other(l);
    given_angle(r, m);
    const SideTriangle<N> t = side_triangle(r);
    const int p = t.of(m), q = t.of(l);
    const N third = r.let("ε", angle_of_sines<N>(t.e, r[l.side], r[p]));
    if (t.e > r[l.side] && third < 90)
        r.note("Tupý úhel 180° − ε dává druhý lichoběžník; zde se počítá s ostrým úhlem ε.");
    r[q] = third_angle<N>(r[p], third);
    other_angle(r, l, q);
    r[m.side] = leg_of_angles<N>(r[l.side], r[p], r[q]);
    height_of_leg_d(r);
    finish(r);
};

// A base (or the median, or the area), the height and an angle at each leg:
// the legs from the height, the bases from the projections.
constexpr auto height_and_two_angles = []<typename N>(RunOf<N>& r) {
    given_angle(r, kLegD);
    given_angle(r, kLegB);
    bool median_found = false;
    if (r.given(AREA) && r.given(V)) {
        r[MED] = trapezoid_quotient_of_area<N>(r[AREA], r[V]);
        median_found = true;
    } else {
        height_from_area(r);
    }
    leg_of_height(r, kLegD);
    leg_of_height(r, kLegB);
    note_projections(r);
    const N x = projection(r, kLegD);
    const N y = projection(r, kLegB);
    if (r.given(A)) {
        r[C] = upper_base<N>(r[A], x, y);
    } else if (r.given(C)) {
        r[A] = lower_base<N>(r[C], x, y);
    } else {
        r[A] = lower_base_of_median<N>(r[MED], x, y);
        r[C] = trapezoid_base_of_median<N>(r[MED], r[A]);
    }
    finish(r, median_found);
};

// The table: every pattern with the variants that mean the same (the angle
// at a leg given at either base; the bases by any two of a, c, s).
std::vector<Row> rows()
{
    const Mask two_bases[] = {of({A, C}), of({A, MED}), of({C, MED})};
    const int angles_d[] = {ALFA, DELTA}, angles_b[] = {BETA, GAMA};
    const int every_angle[] = {ALFA, DELTA, BETA, GAMA};
    std::vector<Row> t;
    for (Mask p : two_bases)
        t.push_back({p | of({B, D}), four_sides});
    for (Mask p : two_bases)
        for (int h : {V, AREA})
            for (int k : every_angle)
                t.push_back({p | of({h, k}), bases_height_and_angle});
    for (Mask p : two_bases)
        for (int h : {V, AREA})
            for (int leg : {B, D})
                t.push_back({p | of({h, leg}), bases_height_and_leg});
    for (Mask p : two_bases)
        for (int k : angles_d)
            for (int l : angles_b)
                t.push_back({p | of({k, l}), bases_and_two_angles});
    for (Mask p : two_bases) {
        for (int k : angles_d) {
            t.push_back({p | of({D, k}), bases_leg_and_its_angle});
            t.push_back({p | of({B, k}), bases_leg_and_other_angle});
        }
        for (int k : angles_b) {
            t.push_back({p | of({B, k}), bases_leg_and_its_angle});
            t.push_back({p | of({D, k}), bases_leg_and_other_angle});
        }
    }
    for (Mask h : {of({A, V}), of({C, V}), of({MED, V}), of({AREA, V}), of({MED, AREA})})
        for (int k : angles_d)
            for (int l : angles_b)
                t.push_back({h | of({k, l}), height_and_two_angles});
    for (Mask p : two_bases)
        for (int leg : {B, D})
            t.push_back({p | of({leg, O}), perimeter_and_three_sides});
    t.push_back({of({A, B, D, O}), perimeter_and_three_sides});
    t.push_back({of({C, B, D, O}), perimeter_and_three_sides});
    return t;
}

} // namespace

const Figure& trapezoid()
{
    static const std::vector<Row> kRows = rows();
    static const Figure f{
        .page = "lichobeznik_desk",
        .title = "Lichoběžník",
        .fields = quantities("lichobeznik_desk"),
        .reading = Reading::ByText,
        .rows = kRows,
        .written = {A, B, C, D, ALFA, BETA, GAMA, DELTA, V, MED, O, AREA},
        .writing = Writing::Positive,
    };
    return f;
}

} // namespace qvk::planimetry
