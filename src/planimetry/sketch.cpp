// The solved figure drawn to scale: the drawing's shared parts, the regular
// polygon and the circle (the triangles and quadrilaterals are in their own
// files).
#include "planimetry/sketch.h"
#include "core/numeric.h"
#include "planimetry/figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace qvk::planimetry {

namespace sketching {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }

// How far from a point along u a label's box reaches.
double reach(const QString& text, Point u)
{
    const QRectF b = Svg::box({0, 0}, text);
    return (std::fabs(u.x) * b.width() + std::fabs(u.y) * b.height()) / 2;
}

// A label farther than this from where it belongs gets a line to its place.
constexpr double kLeader = 34;
// What a unit of distance from its place costs a label, against a crossing
// of a helper line (25) or of the outline (100).
constexpr double kStray = 0.6;
constexpr Point kNowhere{std::numeric_limits<double>::quiet_NaN(), 0};

} // namespace

Point foot(Point p, Point a, Point b)
{
    const Point d = b - a;
    const double len = dot(d, d);
    if (!(len > 0))
        return a;
    return a + (dot(p - a, d) / len) * d;
}

double degrees(Point from, Point to) { return std::atan2(-(to.y - from.y), to.x - from.x) / kDegree; }

Point polar(double length, double deg) { return {length * std::cos(deg * kDegree), length * std::sin(deg * kDegree)}; }

bool finite(const std::vector<Point>& points)
{
    return std::all_of(points.begin(), points.end(),
                       [](Point p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

Drawing::Drawing(const Solved& solved, const QString& title) : solved_(solved), svg_(kWidth, kHeight, title) {}

double Drawing::operator()(const char* field) const
{
    const double v = solved_.value(QString::fromLatin1(field));
    return std::isfinite(v) && v > 0 ? v : 0;
}

bool Drawing::fit(const std::vector<Point>& figure)
{
    if (figure.empty() || !finite(figure))
        return false;
    fit_ = Fit::of(figure, kWidth, kHeight, kMargin);
    if (!std::isfinite(fit_.scale) || !(fit_.scale > 0))
        return false;
    // A figure with no extent at all (every point one) is no figure.
    double extent = 0;
    for (const Point& p : figure)
        extent = std::max(extent, sketch::distance((*this)(p), (*this)(figure.front())));
    if (!(extent > 1) || !finite((*this)(figure)))
        return false;
    Point c;
    for (const Point& p : figure)
        c = c + (*this)(p);
    centre_ = (1.0 / static_cast<double>(figure.size())) * c;
    return true;
}

std::vector<Point> Drawing::operator()(const std::vector<Point>& ps) const
{
    std::vector<Point> out;
    out.reserve(ps.size());
    for (const Point& p : ps)
        out.push_back((*this)(p));
    return out;
}

QString Drawing::text(const char* field, const QString& symbol, bool angle) const
{
    const QString name = QString::fromLatin1(field);
    QString shown;
    for (std::size_t i = 0; i < solved_.names.size(); ++i)
        if (solved_.names[i] == name) {
            // The circle's angle is never rewritten: it shows as typed.
            if (name == u"kru_alfa" && i < solved_.typed.size())
                shown = solved_.typed[i].trimmed();
            else
                shown = format_number(round_places(solved_.values[i], solved_.places));
        }
    return symbol + QStringLiteral(" = ") + shown + (angle ? QStringLiteral("°") : QString());
}

Value Drawing::value(const char* field) const
{
    const QString name = QString::fromLatin1(field);
    for (std::size_t i = 0; i < solved_.names.size(); ++i)
        if (solved_.names[i] == name)
            return (solved_.given >> i) & 1u ? Value::Given : Value::Computed;
    return Value::Plain;
}

void Drawing::later(int order, std::vector<Point> candidates, const QString& text, const char* field, Point place)
{
    pending_.push_back({order, std::move(candidates), text, field ? QString::fromLatin1(field) : QString(),
                        field ? value(field) : Value::Plain, place});
}

std::vector<Point> Drawing::spiral(Point anchor)
{
    std::vector<Point> out;
    constexpr int kDirections = 16;
    for (double r = 12; r < 330; r += 9)
        for (int k = 0; k < kDirections; ++k) {
            const double t = (k + (static_cast<int>(r) % 2) * 0.5) * 2 * std::numbers::pi / kDirections;
            out.push_back({anchor.x + r * std::cos(t), anchor.y + r * std::sin(t)});
        }
    return out;
}

void Drawing::side(Point p, Point q, const char* field, const QString& symbol)
{
    if (!shown(field))
        return;
    const QString t = text(field, symbol);
    const Point m = sketch::middle(p, q);
    const Point d = sketch::direction(p, q);
    Point n{-d.y, d.x};
    if (dot(m - centre_, n) < 0)
        n = -1.0 * n;
    const double out = reach(t, n) + 3;
    std::vector<Point> c;
    for (double k : {0.0, 6.0, 14.0})
        c.push_back(m + (out + k) * n);
    for (double s : {0.3, 0.7, 0.15, 0.85})
        c.push_back(p + (s * sketch::distance(p, q)) * d + out * n);
    for (Point x : spiral(m + out * n))
        c.push_back(x);
    later(1, std::move(c), t, field, m);
}

void Drawing::right_angle(Point v, Point prev, Point next)
{
    const double s = std::clamp(0.15 * std::min(sketch::distance(v, prev), sketch::distance(v, next)), 6.0, 10.0);
    const Point e1 = sketch::direction(v, next), e2 = sketch::direction(v, prev);
    svg_.polyline({v + s * e1, v + s * e1 + s * e2, v + s * e2}, Ink::Arc);
}

void Drawing::angle(Point v, Point prev, Point next, const char* field, const QString& symbol)
{
    double from = degrees(v, next), to = degrees(v, prev);
    double sweep = std::fmod(to - from + 720, 360.0);
    if (sweep > 180) {
        std::swap(from, to);
        sweep = 360 - sweep;
    }
    const double shortest = std::min(sketch::distance(v, prev), sketch::distance(v, next));
    const double r = std::clamp(0.22 * shortest, Svg::kMinArc, 24.0);
    const bool right = field && shown(field) ? std::fabs((*this)(field) - 90) < 1e-9 : std::fabs(sweep - 90) < 1e-9;
    if (right)
        right_angle(v, prev, next);
    else
        svg_.arc(v, r, from, from + sweep, Ink::Arc);
    if (!field || !shown(field))
        return;
    const QString t = text(field, symbol, true);
    const double mid = (from + sweep / 2) * kDegree;
    const Point u{std::cos(mid), -std::sin(mid)};
    const double out = reach(t, u) + 3;
    std::vector<Point> c;
    for (int k = 0; k < 16; ++k)
        c.push_back(v + (r + out + 7.0 * k) * u);
    for (int k = 0; k < 4; ++k)
        c.push_back(v + -(out + 6 + 7.0 * k) * u);
    for (Point x : spiral(v + (r + out) * u))
        c.push_back(x);
    later(2, std::move(c), t, field, v + r * u);
}

void Drawing::height(Point from, Point a, Point b, const char* field, const QString& symbol)
{
    const Point f = foot(from, a, b);
    svg_.line(from, f, Ink::Helper);
    // The side drawn on to a foot beyond it.
    const Point d = b - a;
    const double t = dot(f - a, d) / std::max(dot(d, d), 1e-300);
    if (t < 0 && sketch::distance(a, f) > 1)
        svg_.line(a, f, Ink::Faint);
    else if (t > 1 && sketch::distance(b, f) > 1)
        svg_.line(b, f, Ink::Faint);
    const double h = sketch::distance(from, f);
    // At a corner the height is a side, its right angle marked there.
    if (h > 10 && sketch::distance(a, f) > 2 && sketch::distance(b, f) > 2) {
        const Point up = sketch::direction(f, from);
        Point along = sketch::direction(a, b);
        if (t > 0.5)
            along = -1.0 * along;
        constexpr double s = 5;
        svg_.polyline({f + s * up, f + s * up + s * along, f + s * along}, Ink::Helper);
    }
    if (!shown(field))
        return;
    const QString txt = text(field, symbol);
    const Point u = sketch::direction(f, from);
    const Point n{-u.y, u.x};
    const double out = reach(txt, n) + 3;
    std::vector<Point> c;
    for (double s : {0.5, 0.3, 0.7})
        for (double side : {1.0, -1.0})
            c.push_back(f + (s * h) * u + (side * out) * n);
    for (Point x : spiral(sketch::middle(from, f)))
        c.push_back(x);
    later(3, std::move(c), txt, field, sketch::middle(from, f));
}

void Drawing::segment(Point p, Point q, const char* field, const QString& symbol, Ink ink)
{
    svg_.line(p, q, ink);
    if (!field || !shown(field))
        return;
    const QString txt = text(field, symbol);
    const Point u = sketch::direction(p, q);
    const Point n{-u.y, u.x};
    const double out = reach(txt, n) + 3;
    const double len = sketch::distance(p, q);
    std::vector<Point> c;
    for (double s : {0.5, 0.35, 0.65, 0.2, 0.8})
        for (double side : {1.0, -1.0})
            c.push_back(p + (s * len) * u + (side * out) * n);
    for (Point x : spiral(sketch::middle(p, q)))
        c.push_back(x);
    later(3, std::move(c), txt, field, sketch::middle(p, q));
}

void Drawing::corner(const char* field, const QString& symbol)
{
    if (!shown(field))
        return;
    const QString t = text(field, symbol);
    const QRectF b = Svg::box({0, 0}, t);
    const double left = b.width() / 2 + 4, right = kWidth - b.width() / 2 - 4;
    std::vector<Point> c;
    for (double x : {left, right})
        for (int row = 0; row < 3; ++row)
            c.push_back({x, b.height() / 2 + 4 + row * (b.height() + 2)});
    for (int row = 1; row < 3; ++row)
        c.push_back({right, kHeight - b.height() / 2 - 4 - (row - 1) * (b.height() + 2)});
    for (Point x : spiral({left, b.height() / 2 + 4}))
        c.push_back(x);
    later(5, std::move(c), t, field, kNowhere);
}

void Drawing::near(Point p, const char* field, const QString& symbol)
{
    if (!shown(field))
        return;
    std::vector<Point> c{p};
    for (Point x : spiral(p))
        c.push_back(x);
    later(4, std::move(c), text(field, symbol), field, p);
}

void Drawing::names(const std::vector<Point>& vertices, const QStringList& names)
{
    Point centroid;
    for (const Point& v : vertices)
        centroid = centroid + v;
    centroid = (1.0 / static_cast<double>(std::max<std::size_t>(vertices.size(), 1))) * centroid;
    for (std::size_t i = 0; i < vertices.size() && i < static_cast<std::size_t>(names.size()); ++i) {
        const Point v = vertices[i];
        const std::size_t n = vertices.size();
        // Away from both sides: against the bisector of the corner.
        Point u = -1.0 * (sketch::direction(v, vertices[(i + 1) % n]) + sketch::direction(v, vertices[(i + n - 1) % n]));
        if (std::hypot(u.x, u.y) < 1e-6)
            u = sketch::direction(centroid, v);
        u = sketch::direction({0, 0}, u);
        std::vector<Point> c;
        for (double d : {10.0, 14.0, 19.0})
            c.push_back(v + d * u);
        for (double turn : {40.0, -40.0, 80.0, -80.0}) {
            const double t = turn * kDegree;
            const Point w{u.x * std::cos(t) - u.y * std::sin(t), u.x * std::sin(t) + u.y * std::cos(t)};
            c.push_back(v + 11.0 * w);
        }
        for (Point x : spiral(v))
            c.push_back(x);
        pending_.push_back({0, std::move(c), names[static_cast<qsizetype>(i)], QString(), Value::Plain, kNowhere});
    }
}

void Drawing::plain(Point p, const QString& text)
{
    std::vector<Point> c{p};
    for (Point x : spiral(p))
        c.push_back(x);
    pending_.push_back({4, std::move(c), text, QString(), Value::Plain, kNowhere});
}

QString Drawing::finish()
{
    svg_.legend();
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Pending& a, const Pending& b) { return a.order < b.order; });
    for (const Pending& p : pending_) {
        // The least bad place, a stray from where it belongs counted in.
        const Point home = p.candidates.front();
        Point best = home;
        double least = std::numeric_limits<double>::infinity();
        for (const Point& c : p.candidates) {
            const double stray = kStray * sketch::distance(c, home);
            if (stray >= least)
                continue;
            const double bad = stray + svg_.clash(c, p.text);
            if (bad < least) {
                least = bad;
                best = c;
            }
        }
        const Point at = svg_.label({best}, p.text, p.field, p.value);
        if (std::isfinite(p.place.x) && sketch::distance(at, home) > kLeader) {
            const QRectF box = Svg::box(at, p.text);
            const Point u = sketch::direction(at, p.place);
            const double t = std::min(std::fabs(u.x) > 1e-9 ? box.width() / 2 / std::fabs(u.x) : 1e9,
                                      std::fabs(u.y) > 1e-9 ? box.height() / 2 / std::fabs(u.y) : 1e9);
            if (sketch::distance(at, p.place) > t + 2)
                svg_.line(at + t * u, p.place, Ink::Faint);
        }
    }
    return svg_.document();
}

// --- the regular polygon

QString regular_polygon(const Solved& s)
{
    Drawing d(s, QStringLiteral("Pravidelný n-úhelník"));
    const double count = d("uhe_n");
    // Beyond this many vertices the polygon is its circle at any size.
    constexpr double kMostVertices = 1000;
    if (!(count >= 3) || count > kMostVertices)
        return {};
    const int n = static_cast<int>(count);
    const double half = std::numbers::pi / n;
    // The side as computed; with n alone, any size shows the shape.
    double side = d("uhe_a");
    if (!(side > 0) && d("uhe_r") > 0)
        side = 2 * d("uhe_r") * std::sin(half);
    if (!(side > 0) && d("uhe_p") > 0)
        side = 2 * d("uhe_p") * std::tan(half);
    if (!(side > 0))
        side = 1;
    const double big = side / (2 * std::sin(half)), small = big * std::cos(half);
    // The first side at the bottom, the vertices counter-clockwise.
    std::vector<Point> figure;
    for (int k = 0; k < n; ++k)
        figure.push_back(polar(big, -90 - 180.0 / n + 360.0 * k / n));
    std::vector<Point> frame = figure;
    for (double deg : {0.0, 90.0, 180.0, 270.0})
        frame.push_back(polar(big, deg));
    if (!d.fit(frame))
        return {};
    const Point o = d(Point{0, 0});
    const std::vector<Point> v = d(figure);
    const double scale = sketch::distance(o, v[0]) / big;
    Svg& svg = d.svg();
    svg.circle(o, scale * big, Ink::Helper);
    svg.circle(o, scale * small, Ink::Helper);
    svg.polygon(v, Ink::Outline, QStringLiteral("outline"));
    svg.circle(o, 1.5, Ink::Outline);
    d.side(v[0], v[1], "uhe_a", QStringLiteral("a"));
    d.segment(o, sketch::middle(v[0], v[1]), "uhe_p", QStringLiteral("ρ"));
    // The radius to a vertex on the right, clear of the apothem.
    d.segment(o, v[static_cast<std::size_t>(n / 4 + 1) % v.size()], "uhe_r", QStringLiteral("r"));
    d.angle(v[1], v[0], v[2 % v.size()], "uhe_uhel", QStringLiteral("α"));
    if (n <= 12) {
        QStringList names;
        for (int k = 0; k < n; ++k)
            names << QString(QChar(u'A' + k));
        d.names(v, names);
    }
    d.corner("uhe_n", QStringLiteral("n"));
    d.corner("uhe_o", QStringLiteral("O"));
    d.corner("uhe_s", QStringLiteral("S"));
    return d.finish();
}

// --- the circle with its sector or segment

QString circle(const Solved& s)
{
    const double radius = s.value(QStringLiteral("kru_r"));
    const double angle = s.value(QStringLiteral("kru_alfa"));
    if (!(std::isfinite(radius) && radius > 0 && std::isfinite(angle) && angle > 0 && angle <= 360))
        return {};
    const bool whole = angle >= 360;
    const bool segment = s.option && !whole;
    Drawing d(s, whole ? QStringLiteral("Kruh") : segment ? QStringLiteral("Kruhová úseč") : QStringLiteral("Kruhová výseč"));
    if (!d.fit({{-radius, -radius}, {radius, radius}}))
        return {};
    const Point o = d(Point{0, 0});
    const double r = sketch::distance(o, d(Point{radius, 0}));
    Svg& svg = d.svg();
    // The part opens upwards, symmetric about the vertical.
    const double from = 90 - angle / 2, to = 90 + angle / 2;
    const auto on = [&](double deg) { return o + r * Point{std::cos(deg * std::numbers::pi / 180), -std::sin(deg * std::numbers::pi / 180)}; };
    if (whole) {
        svg.circle(o, r, Ink::Fill);
    } else if (segment) {
        std::vector<Point> cap;
        constexpr int kSteps = 48;
        for (int k = 0; k <= kSteps; ++k)
            cap.push_back(on(from + angle * k / kSteps));
        svg.polygon(cap, Ink::Fill);
        svg.line(o, on(from), Ink::Helper);
        svg.line(o, on(to), Ink::Helper);
    } else {
        svg.arc(o, r, from, to, Ink::Fill);
    }
    svg.circle(o, r, Ink::Outline, QStringLiteral("outline"));
    svg.circle(o, 1.5, Ink::Outline);
    if (whole) {
        d.segment(o, on(20), "kru_r", QStringLiteral("r"));
        d.near(on(135) + Point{-12, -12}, "kru_o", QStringLiteral("O"));
        d.near(o + Point{0, 0.45 * r}, "kru_s", QStringLiteral("S"));
    } else {
        d.segment(o, on(from), "kru_r", QStringLiteral("r"), Ink::Faint);
        d.angle(o, on(from), on(to), "kru_alfa", QStringLiteral("α"));
        d.near(on(90) + Point{0, -14}, "kru_o", QStringLiteral("a"));
        // Inside the part, where it is widest.
        const Point inside = segment ? (angle > 180 ? o : on(90) + Point{0, 0.5 * (r - r * std::cos(angle / 2 * std::numbers::pi / 180))})
                                     : o + Point{0, -0.6 * r};
        d.near(inside, "kru_s", QStringLiteral("S"));
    }
    return d.finish();
}

} // namespace sketching

QString sketch_figure(const Solved& solved)
{
    using namespace sketching;
    struct Sheet {
        const char* page;
        QString (*draw)(const Solved&);
    };
    static constexpr Sheet kSheets[] = {
        {"trojuhelnik_p_desk", right_triangle}, {"trojuhelnik_desk", general_triangle},
        {"ctverec_desk", square},               {"obdelnik_desk", rectangle},
        {"rovnobeznik_desk", parallelogram},    {"lichobeznik_desk", trapezoid},
        {"n_uhelnik_desk", regular_polygon},    {"kruh_desk", circle},
    };
    for (const Sheet& sheet : kSheets)
        if (solved.page == QLatin1String(sheet.page))
            return sheet.draw(solved);
    return {};
}

} // namespace qvk::planimetry
