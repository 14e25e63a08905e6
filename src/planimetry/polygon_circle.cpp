// The regular polygon and the circle with its sector and segment.
#include "core/errors.h"
#include "planimetry/formulas.h"
#include "planimetry/solvers.h"

#include <cmath>

namespace qvk::planimetry {

namespace {

using L = long double;
using namespace formulas;

namespace poly {

// ρ is the inradius, PHI the interior angle (output only).
enum { N, A, R, P, O, S, PHI };

// tan of half the interior angle; the angle is set on the way.
L half_tan(Run& r)
{
    const L n = r[N];
    r[PHI] = (n - 2) * 180 / n;
    return std::tan(L(r[PHI]) / 2 * kPi / 180);
}

void area_from_side(Run& r, L t)
{
    const L a = r[A], n = r[N];
    r[S] = a * a / 4 * n * t;
    r[P] = 2 * L(r[S]) / (a * n);
}

void circumradius(Run& r) { r[R] = std::sqrt((L(r[A]) / 2) * (L(r[A]) / 2) + L(r[P]) * r[P]); }

void from_side(Run& r)
{
    area_from_side(r, half_tan(r));
    circumradius(r);
    r[O] = L(r[A]) * r[N];
}

void from_circumradius(Run& r)
{
    const L t = half_tan(r);
    r[A] = r.rounded(2 * L(r[R]) * std::cos(L(r[PHI]) / 2 * kPi / 180));
    area_from_side(r, t);
    r[O] = L(r[A]) * r[N];
}

void from_inradius(Run& r)
{
    const L t = half_tan(r);
    r[A] = r.rounded(2 * L(r[P]) / t);
    r[S] = L(r[N]) * r[A] / 2 * r[P];
    circumradius(r);
    r[O] = L(r[N]) * r[A];
}

void from_perimeter(Run& r)
{
    const L t = half_tan(r);
    r[A] = r.rounded(L(r[O]) / r[N]);
    area_from_side(r, t);
    circumradius(r);
}

void from_area(Run& r)
{
    const L t = half_tan(r);
    r[A] = r.rounded(std::sqrt(4 * L(r[S]) / (t * r[N])));
    r[O] = L(r[N]) * r[A];
    r[P] = 2 * L(r[S]) / r[O];
    circumradius(r);
}

void angle_only(Run& r) { half_tan(r); }

void at_least_three(Run& r)
{
    if (r[N] < 3)
        report_error(QStringLiteral("Počet vrcholů n-úhelníku nemůže být < 3"));
}

const Row kRows[] = {
    {of({N, A}), from_side},      {of({N, R}), from_circumradius}, {of({N, P}), from_inradius},
    {of({N, O}), from_perimeter}, {of({N, S}), from_area},         {of({N}), angle_only},
};

} // namespace poly

namespace circ {

enum { R, ALFA, O, S };

bool segment(const Run& r) { return r.model().checked(QStringLiteral("kru_usec")); }

// The whole circle is 360; more is refused.
void check_angle(const Run& r)
{
    if (r[ALFA] > 360)
        report_error(QStringLiteral("Úhel nemůže být >= 360 st."));
}

L theta(const Run& r) { return L(r[ALFA]) * kPi / 180; }

void area_from_radius(Run& r)
{
    const L rr = r[R];
    if (segment(r))
        r[S] = (theta(r) - std::sin(theta(r))) * rr * rr / 2;
    else
        r[S] = sector_area<L>(rr, r[ALFA]);
}

void radius_and_angle(Run& r)
{
    check_angle(r);
    r[O] = sector_arc<L>(r[R], r[ALFA]);
    area_from_radius(r);
}

void angle_and_arc(Run& r)
{
    check_angle(r);
    r[R] = sector_radius_of_arc<L>(r[O], r[ALFA]);
    area_from_radius(r);
}

void angle_and_area(Run& r)
{
    check_angle(r);
    if (segment(r))
        r[R] = std::sqrt(2 * L(r[S]) / (theta(r) - std::sin(theta(r))));
    else
        r[R] = sector_radius_of_area<L>(r[S], r[ALFA]);
    r[O] = L(r[R]) * 2 * kPi * r[ALFA] / 360;
}

// The caption beside O says whether it is the perimeter or an arc.
void caption(Run& r)
{
    WindowModel& m = r.model();
    const bool whole = r.text(ALFA) == u"360";
    m.setText(QStringLiteral("kru_oa"), whole ? QStringLiteral("O =") : QStringLiteral("a ="));
    const QString hint = whole ? QStringLiteral("obvod") : QStringLiteral("oblouk");
    m.setHint(QStringLiteral("kru_oa"), hint);
    m.setHint(QStringLiteral("kru_o"), hint);
}

const Row kRows[] = {
    {of({R, ALFA}), radius_and_angle},
    {of({ALFA, O}), angle_and_arc},
    {of({ALFA, S}), angle_and_area},
};

} // namespace circ

} // namespace

const Figure& regular_polygon()
{
    using namespace poly;
    static const Figure f{
        .page = "n_uhelnik_desk",
        .fields = {"uhe_n", "uhe_a", "uhe_r", "uhe_p", "uhe_o", "uhe_s", "uhe_uhel"},
        .rows = poly::kRows,
        .written = {N, A, P, R, PHI, S, O},
        .writing = Writing::Positive,
        .inputs = of({N, A, R, P, O, S}),
        .whole = of({N}),
        .unrounded = of({N, A}),
        .before_match = at_least_three,
    };
    return f;
}

const Figure& circle()
{
    using namespace circ;
    static const Figure f{
        .page = "kruh_desk",
        .fields = {"kru_r", "kru_alfa", "kru_o", "kru_s"},
        .rows = circ::kRows,
        .written = {R, O, S},
        .before_write = caption,
    };
    return f;
}

} // namespace qvk::planimetry
