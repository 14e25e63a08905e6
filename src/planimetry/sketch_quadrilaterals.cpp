// The square, rectangle, parallelogram and trapezoid drawn to scale: ABCD
// counter-clockwise from the bottom left, a = AB, b = BC, c = CD, d = DA.
#include "planimetry/sketch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qvk::planimetry::sketching {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

const QStringList kVertices{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};

struct Corner {
    const char* field = nullptr; // null: a right angle
    QString symbol;
};

// The outline, its sides, the angles at its corners and its vertices' names.
void outline(Drawing& d, const std::vector<Point>& v, const char* const sides[4], const QString symbols[4],
             const Corner corners[4])
{
    d.svg().polygon(v, Ink::Outline, QStringLiteral("outline"));
    for (std::size_t i = 0; i < 4; ++i) {
        const Point prev = v[(i + 3) % 4], next = v[(i + 1) % 4];
        if (sides[i])
            d.side(v[i], next, sides[i], symbols[i]);
        if (corners[i].field)
            d.angle(v[i], prev, next, corners[i].field, corners[i].symbol);
        else
            d.right_angle(v[i], prev, next);
    }
    d.names(v, kVertices);
}

const QString kSymbols[] = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};

QString rectangular(const Solved& s, const QString& title, double a, double b, const char* const sides[4],
                    const char* diagonal, const char* perimeter, const char* area)
{
    Drawing d(s, title);
    const double m = std::max(a, b);
    if (!(a > 0 && b > 0) || !std::isfinite(m))
        return {};
    const std::vector<Point> figure{{0, 0}, {a / m, 0}, {a / m, b / m}, {0, b / m}};
    if (!d.fit(figure))
        return {};
    const std::vector<Point> v = d(figure);
    const Corner right[4];
    outline(d, v, sides, kSymbols, right);
    d.segment(v[0], v[2], diagonal, QStringLiteral("u"));
    d.corner(perimeter, QStringLiteral("O"));
    d.corner(area, QStringLiteral("S"));
    return d.finish();
}

// Where on the segment ab the foot from p falls (0 at a, 1 at b).
double along(Point p, Point a, Point b)
{
    const Point f = foot(p, a, b), d = b - a;
    const double len = d.x * d.x + d.y * d.y;
    return len > 0 ? ((f.x - a.x) * d.x + (f.y - a.y) * d.y) / len : 0;
}

bool inside(double t) { return t >= -1e-9 && t <= 1 + 1e-9; }

} // namespace

QString square(const Solved& s)
{
    const char* const sides[4] = {"ctv_a", nullptr, nullptr, nullptr};
    Drawing probe(s, {});
    const double a = probe("ctv_a");
    return rectangular(s, QStringLiteral("Čtverec"), a, a, sides, "ctv_u", "ctv_o", "ctv_s");
}

QString rectangle(const Solved& s)
{
    const char* const sides[4] = {"obd_a", "obd_b", nullptr, nullptr};
    Drawing probe(s, {});
    return rectangular(s, QStringLiteral("Obdélník"), probe("obd_a"), probe("obd_b"), sides, "obd_u", "obd_o",
                       "obd_s");
}

QString parallelogram(const Solved& s)
{
    Drawing d(s, QStringLiteral("Rovnoběžník"));
    // What the values leave open (a side and its height, two sides) is drawn
    // at 60°, unlabelled.
    const double alpha = d("rov_alfa") > 0 ? d("rov_alfa") : 60;
    const double sine = std::sin(alpha * kDegree);
    double a = d("rov_a"), b = d("rov_b");
    if (!(a > 0) && d("rov_vb") > 0)
        a = d("rov_vb") / sine;
    if (!(b > 0) && d("rov_va") > 0)
        b = d("rov_va") / sine;
    if (!(a > 0 && b > 0 && alpha < 180 && sine > 0))
        return {};
    const double m = std::max(a, b);
    if (!std::isfinite(m))
        return {};
    a /= m, b /= m;
    const Point dd = polar(b, alpha);
    const std::vector<Point> figure{{0, 0}, {a, 0}, Point{a, 0} + dd, dd};
    std::vector<Point> frame = figure;
    // The heights from the corners whose feet fall on the sides, if any.
    const std::size_t onto_a = inside(along(figure[3], figure[0], figure[1])) ? 3 : 2;
    const std::size_t onto_b = inside(along(figure[0], figure[1], figure[2])) ? 0 : 3;
    if (d.shown("rov_va"))
        frame.push_back(foot(figure[onto_a], figure[0], figure[1]));
    if (d.shown("rov_vb"))
        frame.push_back(foot(figure[onto_b], figure[1], figure[2]));
    if (!d.fit(frame))
        return {};
    const std::vector<Point> v = d(figure);
    const char* const sides[4] = {"rov_a", "rov_b", nullptr, nullptr};
    const Corner corners[4] = {{"rov_alfa", QStringLiteral("α")},
                               {"rov_beta", QStringLiteral("β")},
                               {"rov_alfa", QStringLiteral("γ")},
                               {"rov_beta", QStringLiteral("δ")}};
    outline(d, v, sides, kSymbols, corners);
    if (d.shown("rov_va"))
        d.height(v[onto_a], v[0], v[1], "rov_va", QStringLiteral("va"));
    if (d.shown("rov_vb"))
        d.height(v[onto_b], v[1], v[2], "rov_vb", QStringLiteral("vb"));
    d.corner("rov_obvod", QStringLiteral("O"));
    d.corner("rov_obsah", QStringLiteral("S"));
    return d.finish();
}

QString trapezoid(const Solved& s)
{
    Drawing d(s, QStringLiteral("Lichoběžník"));
    const double a = d("lic_a"), c = d("lic_c"), sd = d("lic_d"), sb = d("lic_b"), h = d("lic_v");
    const double alpha = d("lic_alfa"), beta = d("lic_beta");
    if (!(a > 0 && c > 0))
        return {};
    const double m = std::max({a, c, sd, sb, h});
    if (!std::isfinite(m))
        return {};
    // D from the side d and α, or from the height with α or β, or from b
    // and β; C lies c to the right of D.
    Point D;
    if (sd > 0 && alpha > 0 && alpha < 180) {
        D = polar(sd / m, alpha);
    } else if (h > 0 && alpha > 0 && alpha < 180) {
        D = {h / m / std::tan(alpha * kDegree), h / m};
    } else if (beta > 0 && beta < 180 && (h > 0 || sb > 0)) {
        const Point C = Point{a / m, 0} + (sb > 0 ? polar(sb / m, 180 - beta)
                                                  : Point{-h / m / std::tan(beta * kDegree), h / m});
        D = C - Point{c / m, 0};
    } else if (h > 0 && sd >= h) {
        D = {std::sqrt((sd - h) * (sd + h)) / m, h / m};
    } else {
        return {};
    }
    if (!(D.y > 0))
        return {};
    const std::vector<Point> figure{{0, 0}, {a / m, 0}, D + Point{c / m, 0}, D};
    std::vector<Point> frame = figure;
    // The height from D, or from C when only its foot falls on AB.
    const std::size_t from = inside(along(figure[3], figure[0], figure[1])) ? 3
                             : inside(along(figure[2], figure[0], figure[1])) ? 2
                                                                              : 3;
    frame.push_back(foot(figure[from], figure[0], figure[1]));
    if (!d.fit(frame))
        return {};
    const std::vector<Point> v = d(figure);
    const char* const sides[4] = {"lic_a", "lic_b", "lic_c", "lic_d"};
    const Corner corners[4] = {{"lic_alfa", QStringLiteral("α")},
                               {"lic_beta", QStringLiteral("β")},
                               {"lic_gama", QStringLiteral("γ")},
                               {"lic_delta", QStringLiteral("δ")}};
    outline(d, v, sides, kSymbols, corners);
    d.height(v[from], v[0], v[1], "lic_v", QStringLiteral("v"));
    d.segment(sketch::middle(v[0], v[3]), sketch::middle(v[1], v[2]), "lic_s", QStringLiteral("s"));
    d.corner("lic_obvod", QStringLiteral("O"));
    d.corner("lic_obsah", QStringLiteral("S"));
    return d.finish();
}

} // namespace qvk::planimetry::sketching
