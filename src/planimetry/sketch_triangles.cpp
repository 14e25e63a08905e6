// The right and the general triangle drawn to scale: a = BC, b = CA, c = AB,
// AB along the bottom, the vertices counter-clockwise.
#include "core/numeric.h"
#include "planimetry/sketch.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace qvk::planimetry::sketching {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The triangle of three sides (any one unit), or none when they close no
// triangle.
bool of_sides(double a, double b, double c, std::vector<Point>& v)
{
    const double m = std::max({a, b, c});
    if (!(m > 0) || !std::isfinite(m))
        return false;
    a /= m, b /= m, c /= m;
    const double cos_alpha = (b * b + c * c - a * a) / (2 * b * c);
    if (!(cos_alpha > -1 && cos_alpha < 1))
        return false;
    const double sin_alpha = std::sqrt(1 - cos_alpha * cos_alpha);
    v = {{0, 0}, {c, 0}, {b * cos_alpha, b * sin_alpha}};
    return sin_alpha > 0;
}

// Side i lies opposite vertex i; its ends are the other two.
std::pair<int, int> ends(int side) { return {(side + 1) % 3, (side + 2) % 3}; }

// The feet of the heights shown, for the figure's frame.
void with_feet(const Drawing& d, const std::vector<Point>& v, const char* const heights[3], std::vector<Point>& frame)
{
    for (int i = 0; i < 3; ++i)
        if (heights[i] && d.shown(heights[i])) {
            const auto [p, q] = ends(i);
            frame.push_back(foot(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(p)], v[static_cast<std::size_t>(q)]));
        }
}

struct Names {
    const char* side[3];
    const char* angle[3];
    const char* height[3];
    const char* perimeter;
    const char* area;
};

const QString kSide[] = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
const QString kAngle[] = {QStringLiteral("α"), QStringLiteral("β"), QStringLiteral("γ")};
const QString kHeight[] = {QStringLiteral("va"), QStringLiteral("vb"), QStringLiteral("vc")};
const QString kVertex[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};

// The outline with every quantity shown; `right` the vertex of a right angle
// no field names (-1: none).
void draw(Drawing& d, const std::vector<Point>& v, const Names& f, int right)
{
    Svg& svg = d.svg();
    svg.polygon(v, Ink::Outline, QStringLiteral("outline"));
    for (int i = 0; i < 3; ++i) {
        const auto [p, q] = ends(i);
        const auto at = [&](int k) { return v[static_cast<std::size_t>(k)]; };
        d.side(at(p), at(q), f.side[i], kSide[i]);
        if (f.height[i] && d.shown(f.height[i]))
            d.height(at(i), at(p), at(q), f.height[i], kHeight[i]);
        if (i == right)
            d.right_angle(at(i), at(q), at(p));
        else
            d.angle(at(i), at(q), at(p), f.angle[i], kAngle[i]);
    }
    d.names(v, {kVertex[0], kVertex[1], kVertex[2]});
    d.corner(f.perimeter, QStringLiteral("O"));
    d.corner(f.area, QStringLiteral("S"));
}

const Names kRight{{"tp_a", "tp_b", "tp_c"}, {"tp_alfa", "tp_beta", nullptr}, {nullptr, nullptr, "tp_vc"}, "tp_obvod", "tp_obsah"};
const Names kGeneral{{"troj_a", "troj_b", "troj_c"},
                     {"troj_alfa", "troj_beta", "troj_gama"},
                     {"troj_va", "troj_vb", "troj_vc"},
                     "troj_obvod",
                     "troj_obsah"};

// The given fields of the second triangle's row: two sides and the angle
// opposite one of them (p), q the other side, z the third.
struct Ambiguous {
    int p = -1, q = -1, z = -1;
};

bool ambiguous(const Solved& s, Ambiguous& out)
{
    int sides[3], count = 0, angle = -1, angles = 0;
    for (int i = 0; i < 3; ++i) {
        const auto given = [&](const char* name) {
            for (std::size_t k = 0; k < s.names.size(); ++k)
                if (s.names[k] == QLatin1String(name))
                    return ((s.given >> k) & 1u) != 0;
            return false;
        };
        if (given(kGeneral.side[i]))
            sides[count++] = i;
        if (given(kGeneral.angle[i]))
            ++angles, angle = i;
    }
    if (count != 2 || angles != 1 || (angle != sides[0] && angle != sides[1]))
        return false;
    if (std::popcount(s.given) != 3)
        return false;
    out.p = angle;
    out.q = angle == sides[0] ? sides[1] : sides[0];
    out.z = 3 - out.p - out.q;
    return true;
}

} // namespace

QString right_triangle(const Solved& s)
{
    Drawing d(s, QStringLiteral("Pravoúhlý trojúhelník"));
    double a = d("tp_a"), b = d("tp_b");
    const double c = d("tp_c");
    if (!(a > 0 && b > 0) && c > 0 && d.shown("tp_vc")) {
        // The hypotenuse and its height fix the legs: a·b = c·vc, a² + b² = c².
        const double h = d("tp_vc") / c;
        if (!(h <= 0.5))
            return {};
        const double sum = std::sqrt(1 + 2 * h), difference = std::sqrt(1 - 2 * h);
        a = c * (sum + difference) / 2;
        b = c * (sum - difference) / 2;
    }
    std::vector<Point> v;
    if (!(a > 0 && b > 0 && c > 0))
        return {};
    // The legs set the shape; the hypotenuse follows from them.
    const double m = std::max(a, b);
    const double x = a / m, y = b / m, h = std::hypot(x, y);
    // C at the right angle, AB along the bottom.
    const double cos_alpha = y / h;
    v = {{0, 0}, {h, 0}, {y * cos_alpha, y * std::sqrt(1 - cos_alpha * cos_alpha)}};
    std::vector<Point> frame = v;
    const char* const heights[3] = {nullptr, nullptr, "tp_vc"};
    with_feet(d, v, heights, frame);
    if (!d.fit(frame))
        return {};
    draw(d, d(v), kRight, 2);
    return d.finish();
}

QString general_triangle(const Solved& s)
{
    Drawing d(s, QStringLiteral("Obecný trojúhelník"));
    std::vector<Point> v;
    const double a = d("troj_a"), b = d("troj_b"), c = d("troj_c");
    const double alpha = d("troj_alfa"), beta = d("troj_beta"), gamma = d("troj_gama");
    if (a > 0 && b > 0 && c > 0) {
        if (!of_sides(a, b, c, v))
            return {};
    } else if (alpha > 0 && beta > 0 && gamma > 0) {
        // Two angles: the shape, at any size.
        const double sg = std::sin(gamma * kDegree);
        if (!(sg > 0))
            return {};
        v = {{0, 0}, {1, 0}, polar(std::sin(beta * kDegree) / sg, alpha)};
    } else {
        // A side and its height: one of the triangles, the height at the middle.
        int side = -1;
        for (int i = 0; i < 3; ++i)
            if (d.shown(kGeneral.side[i]) && d.shown(kGeneral.height[i]))
                side = i;
        if (side < 0)
            return {};
        const double base = d(kGeneral.side[side]), h = d(kGeneral.height[side]) / base;
        if (!std::isfinite(h))
            return {};
        v.assign(3, Point{});
        const auto [p, q] = ends(side);
        v[static_cast<std::size_t>(p)] = {0, 0};
        v[static_cast<std::size_t>(q)] = {1, 0};
        v[static_cast<std::size_t>(side)] = {0.5, h};
        // Counter-clockwise whichever side is the base.
        if ((v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[1].y - v[0].y) * (v[2].x - v[0].x) < 0)
            for (Point& pt : v)
                pt.y = -pt.y;
    }
    std::vector<Point> frame = v;
    with_feet(d, v, kGeneral.height, frame);

    // The other triangle of the same given values, when there is one: the
    // vertex q moved along its ray from the vertex of the given angle.
    Ambiguous o;
    std::vector<Point> other;
    double other_side = 0;
    if (ambiguous(s, o) && d(kGeneral.side[o.q]) > d(kGeneral.side[o.p])) {
        const double at_p = d(kGeneral.angle[o.p]), at_q = d(kGeneral.angle[o.q]);
        const double other_q = 180 - at_q, other_z = 180 - at_p - other_q;
        if (std::fabs(at_q - 90) > 1e-9 && other_z > 1e-9 && at_p > 0) {
            other_side = d(kGeneral.side[o.p]) * std::sin(other_z * kDegree) / std::sin(at_p * kDegree);
            const double z = d(kGeneral.side[o.z]);
            const Point vp = v[static_cast<std::size_t>(o.p)], vq = v[static_cast<std::size_t>(o.q)];
            if (z > 0 && other_side > 0 && std::isfinite(other_side)) {
                other = v;
                other[static_cast<std::size_t>(o.q)] = vp + (other_side / z) * (vq - vp);
                frame.push_back(other[static_cast<std::size_t>(o.q)]);
            }
        }
    }
    if (!d.fit(frame))
        return {};
    if (!other.empty()) {
        const std::vector<Point> w = d(other);
        d.svg().polygon(w, Ink::Faint);
        const Point vp = w[static_cast<std::size_t>(o.p)], vq = w[static_cast<std::size_t>(o.q)];
        const QString index = QStringLiteral("₂");
        d.plain(vq + 14.0 * sketch::direction(vp, vq), kVertex[o.q] + index);
        const Point m = sketch::middle(vp, vq);
        const Point u = sketch::direction(vp, vq);
        d.plain(m + 14.0 * Point{u.y, -u.x},
                kSide[o.z] + index + QStringLiteral(" = ") + format_number(round_places(other_side, s.places)));
    }
    draw(d, d(v), kGeneral, -1);
    return d.finish();
}

} // namespace qvk::planimetry::sketching
