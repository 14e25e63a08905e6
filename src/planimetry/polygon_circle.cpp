// The regular polygon and the circle with its sector and segment.
#include "core/errors.h"
#include "planimetry/explain.h"
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
template <typename T>
T half_angle(RunOf<T>& r)
{
    r[PHI] = interior_angle<T>(r[N]);
    return polygon_half_angle<T>(r[PHI]);
}

template <typename T>
void area_from_side(RunOf<T>& r, T half)
{
    const T a = r[A], n = r[N];
    r[S] = polygon_area(a, n, half);
    r[P] = height_of_area<T>(r[S], a * n);
}

template <typename T>
void circumradius(RunOf<T>& r)
{
    r[R] = formulas::circumradius<T>(r[A], r[P]);
}

constexpr auto from_side = []<typename T>(RunOf<T>& r) {
    area_from_side(r, half_angle(r));
    circumradius(r);
    r[O] = polygon_perimeter<T>(r[N], r[A]);
};

constexpr auto from_circumradius = []<typename T>(RunOf<T>& r) {
    const T half = half_angle(r);
    r[A] = r.rounded(polygon_side_of_circumradius<T>(r[R], half));
    area_from_side(r, half);
    r[O] = polygon_perimeter<T>(r[N], r[A]);
};

constexpr auto from_inradius = []<typename T>(RunOf<T>& r) {
    const T half = half_angle(r);
    r[A] = r.rounded(polygon_side_of_inradius<T>(r[P], half));
    r[S] = polygon_area_of_inradius<T>(r[N], r[A], r[P]);
    circumradius(r);
    r[O] = polygon_perimeter<T>(r[N], r[A]);
};

constexpr auto from_perimeter = []<typename T>(RunOf<T>& r) {
    const T half = half_angle(r);
    r[A] = r.rounded(polygon_side_of_perimeter<T>(r[O], r[N]));
    area_from_side(r, half);
    circumradius(r);
};

constexpr auto from_area = []<typename T>(RunOf<T>& r) {
    const T half = half_angle(r);
    r[A] = r.rounded(polygon_side_of_area<T>(r[S], r[N], half));
    r[O] = polygon_perimeter<T>(r[N], r[A]);
    r[P] = height_of_area<T>(r[S], r[O]);
    circumradius(r);
};

constexpr auto angle_only = []<typename T>(RunOf<T>& r) {
    half_angle(r);
};

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

template <typename T>
bool segment(const RunOf<T>& r)
{
    return r.option();
}

// The whole circle is 360; more is refused.
template <typename T>
void check_angle(const RunOf<T>& r)
{
    if (r[ALFA] > 360)
        report_error(QStringLiteral("Úhel nemůže být >= 360 st."));
}

template <typename T>
T theta(const RunOf<T>& r)
{
    return radians<T>(r[ALFA]);
}

// The angle as typed says whether it is the whole circle.
bool whole_circle(const QString& angle) { return angle == u"360"; }

// The sector of the whole circle is the circle: its rule is named so.
template <typename T>
T whole(const RunOf<T>& r, const char* rule, const T& x)
{
    return whole_circle(r.text(ALFA)) ? by_rule(rule, x) : x;
}

template <typename T>
void area_from_radius(RunOf<T>& r)
{
    const T rr = r[R];
    if (segment(r))
        r[S] = segment_area(rr, theta(r));
    else
        r[S] = whole(r, "obsah kruhu", sector_area<T>(rr, r[ALFA]));
}

constexpr auto radius_and_angle = []<typename T>(RunOf<T>& r) {
    check_angle(r);
    r[O] = whole(r, "obvod kruhu", sector_arc<T>(r[R], r[ALFA]));
    area_from_radius(r);
};

constexpr auto angle_and_arc = []<typename T>(RunOf<T>& r) {
    check_angle(r);
    r[R] = whole(r, "obvod kruhu", sector_radius_of_arc<T>(r[O], r[ALFA]));
    area_from_radius(r);
};

constexpr auto angle_and_area = []<typename T>(RunOf<T>& r) {
    check_angle(r);
    if (segment(r))
        r[R] = segment_radius<T>(r[S], theta(r));
    else
        r[R] = whole(r, "obsah kruhu", sector_radius_of_area<T>(r[S], r[ALFA]));
    r[O] = whole(r, "obvod kruhu", arc_of_radius<T>(r[R], r[ALFA]));
};

// The caption beside O says whether it is the perimeter or an arc.
void caption(WindowModel& m, const Run& r)
{
    const bool whole = whole_circle(r.text(ALFA));
    m.setText(QString::fromLatin1(kCircleArcCaption), whole ? QStringLiteral("O =") : QStringLiteral("a ="));
    const QString hint = whole ? QStringLiteral("obvod") : QStringLiteral("oblouk");
    m.setHint(QString::fromLatin1(kCircleArcCaption), hint);
    m.setHint(QString::fromLatin1(kCircleArc), hint);
}

void naming(const Solved& s, QString& title, std::vector<QString>& captions)
{
    const bool whole = whole_circle(s.typed[ALFA]);
    title = whole ? QStringLiteral("Kruh") : s.option ? QStringLiteral("Kruhová úseč") : QStringLiteral("Kruhová výseč");
    captions[O] = whole ? QStringLiteral("O") : QStringLiteral("a");
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
        .title = "Pravidelný n-úhelník",
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
        .title = "Kruh",
        .fields = quantities("kruh_desk"),
        .rows = circ::kRows,
        .written = {R, O, S},
        .option = "kru_usec",
        .before_write = caption,
        .naming = naming,
    };
    return f;
}

} // namespace qvk::planimetry
