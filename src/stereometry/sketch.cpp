// The picture of a solved solid: an oblique parallel projection to scale,
// hidden edges dashed, every quantity at its place.
#include "core/numeric.h"
#include "stereometry/explain.h"
#include "sketch/svg.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

namespace qvk::stereometry {

namespace {

using sketch::Fit;
using sketch::Ink;
using sketch::Point;
using sketch::Svg;
using sketch::Value;

constexpr double kWidth = 440, kHeight = 340;
// Bands kept free of the solid: the quantities that have no place on it
// above, the legend and the projection's note below.
constexpr double kTop = 56, kBottom = 22;
// Room around the solid for the labels of its edges.
constexpr double kMarginX = 72, kMarginY = 34;
// Depth is drawn at this fraction of its length.
constexpr double kDepth = 0.5;
constexpr double kPi = std::numbers::pi;

struct P3 {
    double x = 0, y = 0, z = 0; // x right, y away from the viewer, z up
};
P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Receding edges at 45°, halved: a box's front face keeps its shape.
Point cabinet(P3 p)
{
    const double k = kDepth * std::numbers::sqrt2 / 2;
    return {p.x + k * p.y, p.z + k * p.y};
}
// The direction the picture is seen along (a point further along it lands on
// the same spot, behind).
constexpr P3 kCabinetView{-kDepth * std::numbers::sqrt2 / 2, 1, -kDepth * std::numbers::sqrt2 / 2};

// Receding edges upright, halved: a horizontal circle becomes an ellipse
// with its axes along the picture's, its height stays true.
Point upright(P3 p) { return {p.x, p.z + kDepth * p.y}; }

// One field of the solid as its label shows it.
struct Quantity {
    QString field;
    QString text; // "a = 3"
    Value value = Value::Computed;
};

class Picture {
public:
    Picture(const Solid& solid, const Solved& solved) : solved_(solved), svg_(kWidth, kHeight, QString::fromUtf8(solid.title))
    {
        for (std::size_t i = 0; i < solid.fields.size() && i < solved.values.size(); ++i) {
            const bool asTyped = (solid.asTyped >> i) & 1u;
            const bool given = asTyped || ((solved.given >> i) & 1u);
            const QString shown = asTyped && i < solved.typed.size()
                                      ? solved.typed[i]
                                      : format_number(round_places(solved.values[i], solved.places));
            quantities_.push_back({QString::fromUtf8(solid.fields[i].name),
                                   caption_name(solid.fields[i].caption) + QStringLiteral(" = ") + shown,
                                   given ? Value::Given : Value::Computed});
        }
    }

    double operator[](int field) const { return solved_[field]; }
    bool drawable(std::initializer_list<int> fields) const
    {
        for (int f : fields)
            if (f >= static_cast<int>(solved_.values.size()) || !std::isfinite(solved_[f]) || !(solved_[f] > 0))
                return false;
        return true;
    }

    // The solid's points (already projected, in its units) fitted into the
    // area between the bands; every length by one scale.
    void fit(const std::vector<Point>& points)
    {
        fit_ = Fit::of(points, kWidth - 2 * kMarginX, kHeight - kTop - kBottom - 2 * kMarginY, 0);
        fit_.offset = fit_.offset + Point{kMarginX, kTop + kMarginY};
        std::vector<Point> drawn;
        for (const Point& p : points)
            drawn.push_back(fit_(p));
        centre_ = centroid(drawn);
    }
    Point at(Point p) const { return fit_(p); }
    double scale() const { return fit_.scale; }
    int places() const { return solved_.places; }
    Svg& svg() { return svg_; }

    // The label of a field beside the segment p–q (drawing units), on the
    // side away from the solid's centre first.
    void beside(int field, Point p, Point q) { put(field, candidates(p, q, text(field))); }
    // Only the field's name, where its value is already shown.
    void named(int field, Point p, Point q)
    {
        const QString& t = text(field);
        const QString name = t.left(t.indexOf(u' '));
        svg_.label(candidates(p, q, name), name, QString(), Value::Plain);
    }
    // A label that names no field (a value found on the way).
    void beside(const QString& text, Point p, Point q)
    {
        svg_.label(candidates(p, q, text), text, QString(), Value::Computed);
    }

    // The quantities with no place on the solid, listed in the top band.
    void listed(std::initializer_list<int> fields)
    {
        double y = 14;
        for (int f : fields) {
            const QString& t = text(f);
            const double w = Svg::box({}, t).width();
            put(f, {Point{6 + w / 2, y}});
            y += 15;
        }
    }

    QString finish(const QString& projection)
    {
        svg_.legend();
        const double w = 0.6 * Svg::kSmall * static_cast<double>(projection.size());
        svg_.caption({kWidth - w - 4, kHeight - 4}, projection, Svg::kSmall);
        return svg_.document();
    }

private:
    const QString& text(int field) const { return quantities_[static_cast<std::size_t>(field)].text; }
    void put(int field, const std::vector<Point>& at)
    {
        const Quantity& q = quantities_[static_cast<std::size_t>(field)];
        svg_.label(at, q.text, q.field, q.value);
    }

    static Point centroid(const std::vector<Point>& ps)
    {
        Point c;
        for (const Point& p : ps)
            c = c + p;
        return ps.empty() ? c : (1.0 / static_cast<double>(ps.size())) * c;
    }

    // Places along the segment and out from it at growing distances, the
    // outer side first, every one inside the drawing.
    std::vector<Point> candidates(Point p, Point q, const QString& text) const
    {
        const QRectF b = Svg::box({}, text);
        const Point d = sketch::direction(p, q);
        Point n{-d.y, d.x};
        if (d.x == 0 && d.y == 0)
            n = {1, 0};
        const Point m = sketch::middle(p, q);
        if ((m.x - centre_.x) * n.x + (m.y - centre_.y) * n.y < 0)
            n = -1.0 * n;
        const double half = std::abs(n.x) * b.width() / 2 + std::abs(n.y) * b.height() / 2;
        std::vector<Point> out;
        for (const double side : {1.0, -1.0})
            for (const double gap : {4.0, 12.0, 24.0})
                for (const double t : {0.5, 0.35, 0.65, 0.2, 0.8}) {
                    const Point base = p + t * (q - p);
                    out.push_back(inside(base + (side * (half + gap)) * n, b));
                }
        return out;
    }
    static Point inside(Point c, const QRectF& b)
    {
        const double w = b.width() / 2 + 1, h = b.height() / 2 + 1;
        return {std::clamp(c.x, w, kWidth - w), std::clamp(c.y, h, kHeight - kBottom - h)};
    }

    const Solved& solved_;
    Svg svg_;
    std::vector<Quantity> quantities_;
    Fit fit_;
    Point centre_;
};

// A convex polyhedron: its faces' visibility decides which edges are dashed.
struct Polyhedron {
    std::vector<P3> vertices;
    std::vector<std::vector<int>> faces;

    // Each edge once, with whether any face beside it is seen and whether
    // both are (an edge inside the seen surface).
    struct Edge {
        int a, b;
        int seen = 0;
    };
    std::vector<Edge> edges() const
    {
        P3 centre;
        for (const P3& v : vertices)
            centre = {centre.x + v.x, centre.y + v.y, centre.z + v.z};
        const double k = 1.0 / static_cast<double>(vertices.size());
        centre = {centre.x * k, centre.y * k, centre.z * k};
        std::map<std::pair<int, int>, int> index;
        std::vector<Edge> out;
        for (const std::vector<int>& f : faces) {
            // Newell's normal, turned outwards.
            P3 n, mid;
            for (std::size_t i = 0; i < f.size(); ++i) {
                const P3 a = vertices[static_cast<std::size_t>(f[i])];
                const P3 b = vertices[static_cast<std::size_t>(f[(i + 1) % f.size()])];
                n = {n.x + (a.y - b.y) * (a.z + b.z), n.y + (a.z - b.z) * (a.x + b.x), n.z + (a.x - b.x) * (a.y + b.y)};
                mid = {mid.x + a.x, mid.y + a.y, mid.z + a.z};
            }
            const double m = 1.0 / static_cast<double>(f.size());
            mid = {mid.x * m, mid.y * m, mid.z * m};
            if (dot(n, mid - centre) < 0)
                n = {-n.x, -n.y, -n.z};
            // Seen when it faces against the direction of view; a face seen
            // edge-on counts as seen, so that nothing flat is lost.
            const bool seen = dot(n, kCabinetView) <= 0;
            for (std::size_t i = 0; i < f.size(); ++i) {
                const int a = f[i], b = f[(i + 1) % f.size()];
                const auto key = std::minmax(a, b);
                auto [it, fresh] = index.try_emplace(key, static_cast<int>(out.size()));
                if (fresh)
                    out.push_back({key.first, key.second});
                out[static_cast<std::size_t>(it->second)].seen += seen ? 1 : 0;
            }
        }
        return out;
    }
};

// Lengths shrunk by the largest, so that no product of coordinates leaves
// the range of a double.
std::vector<P3> unit(std::vector<P3> vs)
{
    double largest = 0;
    for (const P3& v : vs)
        largest = std::max({largest, std::abs(v.x), std::abs(v.y), std::abs(v.z)});
    if (largest > 0)
        for (P3& v : vs)
            v = {v.x / largest, v.y / largest, v.z / largest};
    return vs;
}

// Draws the edges: hidden ones dashed first, so that seen ones lie on top.
// `inner(edge)` says whether an edge between two seen faces is drawn.
template <typename Inner>
std::vector<Point> draw_edges(Picture& pic, const Polyhedron& body, Inner inner)
{
    std::vector<Point> flat;
    for (const P3& v : body.vertices)
        flat.push_back(cabinet(v));
    pic.fit(flat);
    std::vector<Point> at;
    for (const Point& p : flat)
        at.push_back(pic.at(p));
    const std::vector<Polyhedron::Edge> edges = body.edges();
    for (const Polyhedron::Edge& e : edges)
        if (e.seen == 0 && inner(e))
            pic.svg().line(at[static_cast<std::size_t>(e.a)], at[static_cast<std::size_t>(e.b)], Ink::Hidden);
    for (const Polyhedron::Edge& e : edges)
        if (e.seen == 1 || (e.seen == 2 && inner(e)))
            pic.svg().line(at[static_cast<std::size_t>(e.a)], at[static_cast<std::size_t>(e.b)], Ink::Outline, QStringLiteral("edge"));
    return at;
}

const QString kCabinetNote = QStringLiteral("volné rovnoběžné promítání (45°, hloubka ½)");
const QString kUprightNote = QStringLiteral("rovnoběžné promítání (hloubka ½)");

// ABCD the base (AB in front, D behind A), EFGH above it.
QString box(Picture& pic, double a, double b, double c, int fa, int fb, int fc, int fu, std::initializer_list<int> listed)
{
    Polyhedron body;
    body.vertices = unit({{0, 0, 0}, {a, 0, 0}, {a, b, 0}, {0, b, 0}, {0, 0, c}, {a, 0, c}, {a, b, c}, {0, b, c}});
    body.faces = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    pic.listed(listed);
    const std::vector<Point> at = draw_edges(pic, body, [](const auto&) { return true; });
    // The body diagonal AG, through the inside.
    pic.svg().line(at[0], at[6], Ink::Helper, QStringLiteral("diagonal"));
    pic.beside(fa, at[0], at[1]);
    // A cube's other edges named only: its edge is labelled once.
    auto edge = [&](int field, Point p, Point q) {
        if (field == fa)
            pic.named(field, p, q);
        else
            pic.beside(field, p, q);
    };
    edge(fb, at[1], at[2]);
    edge(fc, at[0], at[4]);
    pic.beside(fu, at[0], at[6]);
    return pic.finish(kCabinetNote);
}

QString draw_cube(Picture& pic)
{
    enum { A, U, S, V };
    if (!pic.drawable({A}))
        return {};
    return box(pic, pic[A], pic[A], pic[A], A, A, A, U, {S, V});
}

QString draw_cuboid(Picture& pic)
{
    enum { A, B, C, U, S, V };
    if (!pic.drawable({A, B, C}))
        return {};
    return box(pic, pic[A], pic[B], pic[C], A, B, C, U, {S, V});
}

QString draw_pyramid(Picture& pic)
{
    enum { N, A, H, SF, S, V };
    if (!pic.drawable({N, A, H}))
        return {};
    const double n = pic[N], a = pic[A], h = pic[H];
    if (n < 3 || n > 1e9)
        return {};
    const long count = std::lround(n);
    const double R = a / (2 * std::sin(kPi / n));
    const double rho = a / (2 * std::tan(kPi / n));
    if (!std::isfinite(R) || !std::isfinite(rho) || !(rho > 0))
        return {};
    // The front edge AB exactly; of many more vertices a sample, which to
    // the eye is the same polygon.
    constexpr long kMost = 120;
    const long step = count > kMost ? (count + kMost - 1) / kMost : 1;
    std::vector<P3> vs;
    for (long i = 0; i < count; i += (i == 0 ? 1 : step)) {
        const double angle = -kPi / 2 - kPi / n + 2 * kPi * static_cast<double>(i) / n;
        vs.push_back({R * std::cos(angle), R * std::sin(angle), 0});
    }
    const int m = static_cast<int>(vs.size());
    vs.push_back({0, 0, h}); // the apex
    vs.push_back({0, 0, 0}); // the base's centre
    vs.push_back({0, -rho, 0}); // the middle of AB
    Polyhedron body;
    body.vertices = unit(vs);
    std::vector<int> base;
    for (int i = 0; i < m; ++i) {
        base.push_back(i);
        body.faces.push_back({i, (i + 1) % m, m});
    }
    body.faces.push_back(base);
    // With many faces only the outline of the side and the front face.
    const auto inner = [&](const Polyhedron::Edge& e) {
        return count <= 24 || e.b != m || e.a == 0 || e.a == 1;
    };
    pic.listed({N, S, V});
    const std::vector<Point> at = draw_edges(pic, body, inner);
    const Point apex = at[static_cast<std::size_t>(m)], centre = at[static_cast<std::size_t>(m) + 1],
                foot = at[static_cast<std::size_t>(m) + 2];
    pic.svg().line(centre, apex, Ink::Helper, QStringLiteral("height"));
    pic.svg().line(centre, foot, Ink::Helper, QStringLiteral("apothem"));
    pic.svg().line(foot, apex, Ink::Helper, QStringLiteral("slant"));
    pic.beside(A, at[0], at[1]);
    pic.beside(H, centre, apex);
    pic.beside(SF, foot, apex);
    pic.beside(QStringLiteral("ρ = ") + format_number(round_places(rho, pic.places())), centre, foot);
    return pic.finish(kCabinetNote);
}

// The round solids: lengths shrunk by the largest, as for the polyhedra.
struct Round {
    double r, h;
    Round(double radius, double height)
        : r(radius / std::max(radius, height)), h(height / std::max(radius, height))
    {
    }
};

QString draw_sphere(Picture& pic)
{
    enum { R, D, S, V };
    if (!pic.drawable({R}))
        return {};
    const double r = 1;
    pic.listed({S, V});
    pic.fit({upright({-r, 0, -r}), upright({r, 0, r})});
    Svg& svg = pic.svg();
    const Point c = pic.at({0, 0});
    const double rx = pic.scale() * r, ry = pic.scale() * kDepth * r;
    svg.circle(c, rx, Ink::Outline, QStringLiteral("outline"));
    svg.ellipse_arc(c, rx, ry, 0, 180, Ink::Hidden);
    svg.ellipse_arc(c, rx, ry, 180, 360, Ink::Outline, QStringLiteral("equator"));
    const Point right = pic.at({r, 0}), top = pic.at({0, r}), bottom = pic.at({0, -r});
    svg.line(c, right, Ink::Helper, QStringLiteral("radius"));
    svg.line(bottom, top, Ink::Helper, QStringLiteral("diameter"));
    svg.circle(c, 2, Ink::Fill);
    pic.beside(R, c, right);
    pic.beside(D, bottom, top);
    return pic.finish(kUprightNote);
}

QString draw_cylinder(Picture& pic)
{
    enum { R, H, S, V };
    if (!pic.drawable({R, H}))
        return {};
    const Round u(pic[R], pic[H]);
    const double r = u.r, h = u.h;
    pic.listed({S, V});
    pic.fit({upright({-r, -r, 0}), upright({r, r, h})});
    Svg& svg = pic.svg();
    const double rx = pic.scale() * r, ry = pic.scale() * kDepth * r;
    const Point bottom = pic.at({0, 0}), top = pic.at({0, h});
    svg.ellipse_arc(bottom, rx, ry, 0, 180, Ink::Hidden);
    svg.ellipse_arc(bottom, rx, ry, 180, 360, Ink::Outline, QStringLiteral("base"));
    svg.ellipse(top, rx, ry, Ink::Outline, QStringLiteral("top"));
    const Point left = pic.at({-r, 0}), right = pic.at({r, 0}), topRight = pic.at({r, h});
    svg.line(left, pic.at({-r, h}), Ink::Outline, QStringLiteral("side"));
    svg.line(right, topRight, Ink::Outline, QStringLiteral("side"));
    svg.line(bottom, top, Ink::Helper, QStringLiteral("height"));
    svg.line(top, topRight, Ink::Helper, QStringLiteral("radius"));
    pic.beside(H, right, topRight);
    pic.beside(R, top, topRight);
    return pic.finish(kUprightNote);
}

QString draw_cone(Picture& pic)
{
    enum { R, H, SL, S, V };
    if (!pic.drawable({R, H}))
        return {};
    const Round u(pic[R], pic[H]);
    const double r = u.r, h = u.h;
    pic.listed({S, V});
    pic.fit({upright({-r, -r, 0}), upright({r, r, 0}), upright({0, 0, h})});
    Svg& svg = pic.svg();
    const double rx = pic.scale() * r, ry = pic.scale() * kDepth * r;
    const Point centre = pic.at({0, 0}), apex = pic.at({0, h}), right = pic.at({r, 0});
    // The side's outline touches the base where the lines from the apex do;
    // an apex over the base itself hides no part of it.
    const double lift = kDepth * r / h;
    if (lift < 1) {
        const double t = std::asin(lift) * 180 / kPi;
        svg.ellipse_arc(centre, rx, ry, t, 180 - t, Ink::Hidden);
        svg.ellipse_arc(centre, rx, ry, 180 - t, 360 + t, Ink::Outline, QStringLiteral("base"));
        const double c = std::cos(t * kPi / 180);
        svg.line(apex, pic.at({-r * c, kDepth * r * lift}), Ink::Outline, QStringLiteral("side"));
        svg.line(apex, pic.at({r * c, kDepth * r * lift}), Ink::Outline, QStringLiteral("side"));
    } else {
        svg.ellipse(centre, rx, ry, Ink::Outline, QStringLiteral("base"));
    }
    svg.line(centre, apex, Ink::Helper, QStringLiteral("height"));
    svg.line(centre, right, Ink::Helper, QStringLiteral("radius"));
    svg.line(right, apex, Ink::Helper, QStringLiteral("slant"));
    pic.beside(SL, right, apex);
    pic.beside(H, centre, apex);
    pic.beside(R, centre, right);
    return pic.finish(kUprightNote);
}

const Solid* solid_of(const QString& page)
{
    for (const Solid& s : solids())
        if (page == QLatin1String(s.page))
            return &s;
    return nullptr;
}

} // namespace

QString sketch_solid(const Solved& solved)
{
    const Solid* solid = solid_of(solved.page);
    if (!solid)
        return {};
    using Draw = QString (*)(Picture&);
    static const std::pair<const Solid& (*)(), Draw> kDrawn[] = {
        {stereometry::cube, draw_cube},     {stereometry::cuboid, draw_cuboid},     {stereometry::pyramid, draw_pyramid},
        {stereometry::sphere, draw_sphere}, {stereometry::cylinder, draw_cylinder}, {stereometry::cone, draw_cone},
    };
    try {
        for (const auto& [which, draw] : kDrawn)
            if (qstrcmp(which().page, solid->page) == 0) {
                Picture pic(*solid, solved);
                return draw(pic);
            }
    } catch (...) {
        // A picture is never worth a fault.
    }
    return {};
}

} // namespace qvk::stereometry
