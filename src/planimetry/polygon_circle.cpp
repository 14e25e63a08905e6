// The regular polygon and the circle with its sector and segment.
#include "core/errors.h"
#include "planimetry/formulas.h"
#include "planimetry/plane.h"
#include "planimetry/solvers.h"

namespace qvk::planimetry {

namespace {

using L = long double;
using namespace formulas;

namespace poly {

// ρ is the inradius, PHI the interior angle (output only).
enum { N, A, R, P, O, S, PHI };

// The interior angle, set first by every row; the formulas take half of it
// in radians.
L half_angle(Run& r)
{
    r[PHI] = interior_angle<L>(r[N]);
    return polygon_half_angle<L>(r[PHI]);
}

void area_from_side(Run& r, L half)
{
    const L a = r[A], n = r[N];
    r[S] = polygon_area(a, n, half);
    r[P] = height_of_area<L>(r[S], a * n);
}

void circumradius(Run& r) { r[R] = formulas::circumradius<L>(r[A], r[P]); }

void from_side(Run& r)
{
    area_from_side(r, half_angle(r));
    circumradius(r);
    r[O] = polygon_perimeter<L>(r[N], r[A]);
}

void from_circumradius(Run& r)
{
    const L half = half_angle(r);
    r[A] = r.rounded(polygon_side_of_circumradius<L>(r[R], half));
    area_from_side(r, half);
    r[O] = polygon_perimeter<L>(r[N], r[A]);
}

void from_inradius(Run& r)
{
    const L half = half_angle(r);
    r[A] = r.rounded(polygon_side_of_inradius<L>(r[P], half));
    r[S] = polygon_area_of_inradius<L>(r[N], r[A], r[P]);
    circumradius(r);
    r[O] = polygon_perimeter<L>(r[N], r[A]);
}

void from_perimeter(Run& r)
{
    const L half = half_angle(r);
    r[A] = r.rounded(polygon_side_of_perimeter<L>(r[O], r[N]));
    area_from_side(r, half);
    circumradius(r);
}

void from_area(Run& r)
{
    const L half = half_angle(r);
    r[A] = r.rounded(polygon_side_of_area<L>(r[S], r[N], half));
    r[O] = polygon_perimeter<L>(r[N], r[A]);
    r[P] = height_of_area<L>(r[S], r[O]);
    circumradius(r);
}

void angle_only(Run& r) { half_angle(r); }

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

bool segment(const Run& r) { return r.option(); }

// The whole circle is 360; more is refused.
void check_angle(const Run& r)
{
    if (r[ALFA] > 360)
        report_error(QStringLiteral("Úhel nemůže být >= 360 st."));
}

L theta(const Run& r) { return radians<L>(r[ALFA]); }

void area_from_radius(Run& r)
{
    const L rr = r[R];
    if (segment(r))
        r[S] = segment_area(rr, theta(r));
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
        r[R] = segment_radius<L>(r[S], theta(r));
    else
        r[R] = sector_radius_of_area<L>(r[S], r[ALFA]);
    r[O] = arc_of_radius<L>(r[R], r[ALFA]);
}

// The caption beside O says whether it is the perimeter or an arc.
void caption(WindowModel& m, const Run& r)
{
    const bool whole = r.text(ALFA) == u"360";
    m.setText(QString::fromLatin1(kCircleArcCaption), whole ? QStringLiteral("O =") : QStringLiteral("a ="));
    const QString hint = whole ? QStringLiteral("obvod") : QStringLiteral("oblouk");
    m.setHint(QString::fromLatin1(kCircleArcCaption), hint);
    m.setHint(QString::fromLatin1(kCircleArc), hint);
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
        .fields = quantities("n_uhelnik_desk"),
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
        .fields = quantities("kruh_desk"),
        .rows = circ::kRows,
        .written = {R, O, S},
        .option = "kru_usec",
        .before_write = caption,
    };
    return f;
}

} // namespace qvk::planimetry
