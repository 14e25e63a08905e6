// Every accepted combination of every figure, fed the quantities of one known
// figure, gives the rest of that figure back; one field more matches nothing.
#include "app/assembly.h"
#include "core/numeric.h"
#include "planimetry/formulas.h"
#include "planimetry/solvers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>

namespace {

using namespace qvk;
using namespace qvk::planimetry;

constexpr double pi = std::numbers::pi;

struct Known {
    const char* name;
    const Figure& (*figure)();
    int page;
    std::vector<double> values; // by field index of the figure
    bool segment = false;
    // Combinations that determine only some quantities: pattern -> fields written.
    std::map<Mask, Mask> partial = {};
    // Combinations that find the obtuse γ by an arcsine and so take its acute
    // companion 180 − γ instead.
    std::set<Mask> acute_gamma = {};
    double tolerance = 1e-9;
    // Combinations whose arcsine finds a right angle, where the argument 1
    // amplifies the rounding of the given values: close, or just above 1 and
    // refused.
    std::set<Mask> near_right = {};
    // Combinations that take the acute one of two figures of the same values
    // where this figure is the obtuse one: solved, but to the other figure.
    std::set<Mask> another = {};
};

const double kAlfa = std::atan2(3.0, 4.0) * 180 / pi;

// The general triangle of sides a, b, c by index a, b, c, va, vb, vc, α, β, γ, O, S.
std::vector<double> triangle(double a, double b, double c)
{
    auto angle = [](double t, double u, double w) { return std::acos((u * u + w * w - t * t) / (2 * u * w)) * 180 / pi; };
    const double s = (a + b + c) / 2, area = std::sqrt(s * (s - a) * (s - b) * (s - c));
    return {a, b, c, 2 * area / a, 2 * area / b, 2 * area / c, angle(a, b, c), angle(b, a, c), angle(c, a, b),
            a + b + c, area};
}

// The two partial rows: two angles give the third, a side with its height the area.
const std::map<Mask, Mask> kTrianglePartial = {
    {of({6, 7}), of({6, 7, 8})}, {of({6, 8}), of({6, 7, 8})},   {of({7, 8}), of({6, 7, 8})},
    {of({0, 3}), of({0, 3, 10})}, {of({1, 4}), of({1, 4, 10})}, {of({2, 5}), of({2, 5, 10})},
};

// γ between a and b from an arcsine (a side with its height and a second
// one, two sides and S, a side, another height and S), or γ found opposite c
// from the law of sines.
const std::set<Mask> kArcsineGamma = {
    of({0, 3, 1}), of({0, 3, 4}), of({1, 4, 0}), of({1, 4, 3}), of({0, 1, 10}),
    of({0, 4, 10}), of({1, 3, 10}), of({0, 2, 6}), of({1, 2, 7}),
};

// The trapezoid with A at the origin, B = (a, 0), D = (dx, v) and C = D + (c, 0),
// by index a, b, c, d, α, β, γ, δ, v, s, O, S.
std::vector<double> trapezoid_values(double a, double c, double dx, double v)
{
    const double cx = dx + c;
    const double b = std::hypot(a - cx, v), d = std::hypot(dx, v);
    const double alfa = std::atan2(v, dx) * 180 / pi, beta = std::atan2(v, a - cx) * 180 / pi;
    return {a, b, c, d, alfa, beta, 180 - beta, 180 - alfa, v, (a + c) / 2, a + b + c + d, (a + c) * v / 2};
}

// The bases (two of a, c, s), the height or the area, and a leg: the leg's
// angle at a is taken acute.
const std::set<Mask> kTrapezoidLegAndHeight = [] {
    std::set<Mask> m;
    for (Mask bases : {of({0, 2}), of({0, 9}), of({2, 9})})
        for (int h : {8, 11})
            for (int leg : {1, 3})
                m.insert(bases | of({h, leg}));
    return m;
}();

std::vector<Known> known_figures()
{
    return {
        {"right triangle 3 4 5", right_triangle, 0, {3, 4, 5, 2.4, kAlfa, 90 - kAlfa, 12, 6}, false,
         {{of({2, 3}), of({2, 3, 7})}}},
        {"triangle 5 6 7", general_triangle, 1, triangle(5, 6, 7), false, kTrianglePartial},
        {"triangle 3 4 5", general_triangle, 1, triangle(3, 4, 5), false, kTrianglePartial, {}, 1e-9,
         {of({0, 2, 6}), of({1, 2, 7})}},
        {"triangle 4 5 8", general_triangle, 1, triangle(4, 5, 8), false, kTrianglePartial, kArcsineGamma},
        {"triangle 1 5 5.99", general_triangle, 1, triangle(1, 5, 5.99), false, kTrianglePartial, kArcsineGamma},
        // Two angles next to 90: the law of sines and the cancellations amplify the rounding.
        {"triangle 0.01 10 10", general_triangle, 1, triangle(0.01, 10, 10), false, kTrianglePartial, {}, 1e-7},
        {"square 2", square, 2, {2, 2 * std::sqrt(2.0), 8, 4}},
        {"rectangle 3 4", rectangle, 3, {3, 4, 5, 14, 12}},
        {"parallelogram 4 3 30", parallelogram, 4, {4, 3, 1.5, 2, 30, 150, 14, 6}, false,
         {{of({0, 2}), of({0, 2, 7})}, {of({1, 3}), of({1, 3, 7})}, {of({0, 1}), of({0, 1, 6})}}},
        {"trapezoid 6 3 general", trapezoid, 5, trapezoid_values(6, 3, 2, 3)},
        {"trapezoid 7 4 right", trapezoid, 5, trapezoid_values(7, 4, 3, 4)},
        {"trapezoid 3 5 isosceles, c longer", trapezoid, 5, trapezoid_values(3, 5, -1, 2), false, {}, {}, 1e-9, {},
         kTrapezoidLegAndHeight},
        {"hexagon 2", regular_polygon, 6, {6, 2, 2, std::sqrt(3.0), 12, 6 * std::sqrt(3.0), 120}, false,
         {{of({0}), of({0, 6})}}},
        {"circle 2", circle, 7, {2, 360, 4 * pi, 4 * pi}},
        {"sector 2 90", circle, 7, {2, 90, pi, pi}},
        {"segment 2 90", circle, 7, {2, 90, pi, pi - 2}, true},
    };
}

struct Window {
    WindowModel model;
    Registry registry;
    RecordingHost host;
    explicit Window(const Known& k)
    {
        app::assemble(model, registry);
        model.setHost(&host);
        Settings s;
        s.zaokrouhleni = 12;
        model.setSettings(s);
        model.setIndex(QStringLiteral("d2_page"), k.page);
        model.setChecked(QStringLiteral("kru_usec"), k.segment);
        model.setChecked(QStringLiteral("kru_kru_vys"), !k.segment);
        // Fields with a default text start empty here.
        run_required(model, registry, QStringLiteral("vymaz_2dClick"));
        model.setText(QStringLiteral("kru_alfa"), QString());
    }
    QString text(const Figure& f, int i) const { return model.text(QString::fromUtf8(f.fields[std::size_t(i)])); }
};

QString given_text(const Known& k, int i)
{
    // Whole numbers as typed; others with every digit the format keeps.
    return format_number(static_cast<long double>(k.values[std::size_t(i)]));
}

std::string describe(const Figure& f, Mask m)
{
    std::string s;
    for (std::size_t i = 0; i < f.fields.size(); ++i)
        if ((m >> i) & 1u)
            s += std::string(s.empty() ? "" : "+") + f.fields[i];
    return s;
}

TEST(Consistency, EveryCombinationGivesTheKnownFigureBack)
{
    for (const Known& k : known_figures()) {
        const Figure& f = k.figure();
        for (const Row& row : f.rows) {
            Window w(k);
            for (std::size_t i = 0; i < f.fields.size(); ++i)
                if ((row.given >> i) & 1u)
                    w.model.setText(QString::fromUtf8(f.fields[i]), given_text(k, int(i)));
            run_required(w.model, w.registry, QStringLiteral("vyres_d2Click"));
            const std::string where = std::string(k.name) + ": " + describe(f, row.given);
            const bool loose = k.near_right.count(row.given) > 0;
            if (loose && !w.host.messages.empty()) {
                EXPECT_EQ(w.host.messages[0].text, QStringLiteral("Nepřípustné zadání.")) << where;
                continue;
            }
            ASSERT_TRUE(w.host.messages.empty()) << where << ": " << w.host.messages[0].text.toStdString();

            // The solve is published typed: the row taken and the given fields.
            const Solved* solved = w.model.result<Solved>(QString::fromUtf8(f.page));
            ASSERT_NE(solved, nullptr) << where;
            EXPECT_EQ(solved->row, &row - f.rows.data()) << where;
            EXPECT_EQ(solved->given, row.given) << where;
            ASSERT_EQ(solved->values.size(), f.fields.size()) << where;
            EXPECT_EQ(solved->option, f.option && w.model.checked(QString::fromUtf8(f.option))) << where;

            if (k.another.count(row.given))
                continue;
            if (k.acute_gamma.count(row.given)) {
                EXPECT_NEAR(static_cast<double>(parse_decimal(w.text(f, 8))), 180 - k.values[8], k.tolerance) << where;
                continue;
            }
            const auto p = k.partial.find(row.given);
            Mask expected = row.given;
            for (int i : f.written)
                expected |= Mask{1} << i;
            if (p != k.partial.end())
                expected = p->second;
            for (int i = 0; i < int(f.fields.size()); ++i) {
                const QString t = w.text(f, i);
                if (!((expected >> i) & 1u)) {
                    EXPECT_EQ(t, QString()) << where << ": " << f.fields[std::size_t(i)];
                    continue;
                }
                ASSERT_FALSE(t.isEmpty()) << where << ": " << f.fields[std::size_t(i)] << " not written";
                const double got = static_cast<double>(parse_decimal(t));
                const double want = k.values[std::size_t(i)];
                EXPECT_NEAR(got, want, (loose ? 1e-6 : k.tolerance) * std::max(1.0, std::fabs(want)))
                    << where << ": " << f.fields[std::size_t(i)];
                // Every value written is the published one, rounded for display.
                const double v = (*solved)[i];
                const bool written = std::find(f.written.begin(), f.written.end(), i) != f.written.end() &&
                                     (f.writing == Writing::All || v > 0);
                if (written) {
                    EXPECT_EQ(t, format_number(((f.unrounded >> i) & 1u) ? v : round_places(v, 12)))
                        << where << ": " << f.fields[std::size_t(i)];
                }
            }
        }
    }
}

TEST(Consistency, OneFieldMoreMatchesNothing)
{
    for (const Known& k : known_figures()) {
        const Figure& f = k.figure();
        std::set<Mask> patterns;
        for (const Row& row : f.rows)
            patterns.insert(row.given);
        for (const Row& row : f.rows) {
            for (std::size_t extra = 0; extra < f.fields.size(); ++extra) {
                const Mask more = row.given | (Mask{1} << extra);
                if (more == row.given || !((f.inputs >> extra) & 1u) || patterns.count(more))
                    continue;
                Window w(k);
                for (std::size_t i = 0; i < f.fields.size(); ++i)
                    if ((more >> i) & 1u)
                        w.model.setText(QString::fromUtf8(f.fields[i]), given_text(k, int(i)));
                run_required(w.model, w.registry, QStringLiteral("vyres_d2Click"));
                ASSERT_EQ(w.host.messages.size(), 1u) << k.name << ": " << describe(f, more);
                EXPECT_EQ(w.host.messages[0].text, QString::fromUtf8(f.no_match) + u'.')
                    << k.name << ": " << describe(f, more);
            }
        }
    }
}

// One formula gives the page's number and the text of the worked solution.
TEST(PlaneFormulas, TheSameFormulaGivesNumberAndText)
{
    using namespace qvk::planimetry::formulas;
    const Sym a = Sym::name(QStringLiteral("a")), b = Sym::name(QStringLiteral("b")),
              c = Sym::name(QStringLiteral("c"));
    const Sym alfa = Sym::name(QStringLiteral("α")), beta = Sym::name(QStringLiteral("β"));
    EXPECT_EQ(hypotenuse(a, b).text(), QStringLiteral("√(a² + b²)"));
    EXPECT_EQ(hypotenuse(Sym(3), Sym(4)).text(), QStringLiteral("√(3² + 4²)"));
    EXPECT_EQ(other_leg(c, a).text(), QStringLiteral("√(c² − a²)"));
    EXPECT_EQ(alpha_of_sides(a, b, c).text(), QStringLiteral("arccos ((b² + c² − a²)/(2 · b · c))"));
    EXPECT_EQ(complement(alfa).text(), QStringLiteral("90 − α"));
    EXPECT_EQ(perimeter(a, b, c).text(), QStringLiteral("a + b + c"));
    EXPECT_EQ(half_product(Sym(3), Sym(4)).text(), QStringLiteral("3 · 4/2"));
    EXPECT_EQ(height_of_area(Sym::name(QStringLiteral("S")), c).text(), QStringLiteral("2 · S/c"));
    EXPECT_EQ(leg_of_angles(a, alfa, beta).text(), QStringLiteral("sin β · (a/sin α)"));
    EXPECT_EQ(leg_of_hypotenuse(c, Sym(2.5L)).text(), QStringLiteral("c · sin 2,5"));

    EXPECT_EQ(square_diagonal(a).text(), QStringLiteral("a · √2"));
    EXPECT_EQ(square_side_of_diagonal(Sym::name(QStringLiteral("u"))).text(), QStringLiteral("√(u²/2)"));
    EXPECT_EQ(parallelogram_perimeter(a, b).text(), QStringLiteral("2 · (a + b)"));
    EXPECT_EQ(parallelogram_side_of_perimeter(Sym::name(QStringLiteral("O")), a).text(), QStringLiteral("(O − 2 · a)/2"));

    EXPECT_EQ(sector_area(Sym::name(QStringLiteral("r")), alfa).text(), QStringLiteral("α · (r² · π)/360"));
    EXPECT_EQ(parallelogram_side_of_angle(Sym::name(QStringLiteral("va")), alfa).text(), QStringLiteral("va/sin α"));

    const Sym gama = Sym::name(QStringLiteral("γ")), S = Sym::name(QStringLiteral("S")),
              O = Sym::name(QStringLiteral("O")), s = Sym::name(QStringLiteral("s"));
    EXPECT_EQ(law_of_cosines(a, b, gama).text(), QStringLiteral("√(a² + b² − 2 · a · b · cos γ)"));
    EXPECT_EQ(angle_of_sines(b, a, alfa).text(), QStringLiteral("arcsin (b/(a/sin α))"));
    EXPECT_EQ(third_angle(alfa, beta).text(), QStringLiteral("180 − α − β"));
    EXPECT_EQ(third_side(O, a, b).text(), QStringLiteral("O − a − b"));
    EXPECT_EQ(semiperimeter(O).text(), QStringLiteral("O/2"));
    EXPECT_EQ(heron(s, a, b, c).text(), QStringLiteral("√(s · (s − a) · (s − b) · (s − c))"));
    EXPECT_EQ(angle_of_area(S, a, b).text(), QStringLiteral("arcsin (2 · S/(a · b))"));
    EXPECT_EQ(side_of_area(S, gama, a).text(), QStringLiteral("2 · S/(sin γ · a)"));

    const Sym r = Sym::name(QStringLiteral("r")), n = Sym::name(QStringLiteral("n")),
              rho = Sym::name(QStringLiteral("ρ")), phi = Sym::name(QStringLiteral("φ")),
              half = Sym::name(QStringLiteral("β")), theta = Sym::name(QStringLiteral("θ"));
    EXPECT_EQ(radians(alfa).text(), QStringLiteral("α · π/180"));
    EXPECT_EQ(segment_area(r, theta).text(), QStringLiteral("(θ − sin θ) · r · r/2"));
    EXPECT_EQ(segment_radius(S, theta).text(), QStringLiteral("√(2 · S/(θ − sin θ))"));
    EXPECT_EQ(arc_of_radius(r, alfa).text(), QStringLiteral("r · 2 · π · α/360"));
    EXPECT_EQ(interior_angle(n).text(), QStringLiteral("(n − 2) · 180/n"));
    EXPECT_EQ(polygon_half_angle(phi).text(), QStringLiteral("φ/2 · π/180"));
    EXPECT_EQ(polygon_area(a, n, half).text(), QStringLiteral("a²/4 · n · tg β"));
    EXPECT_EQ(polygon_area_of_inradius(n, a, rho).text(), QStringLiteral("n · a/2 · ρ"));
    EXPECT_EQ(polygon_perimeter(n, a).text(), QStringLiteral("n · a"));
    EXPECT_EQ(circumradius(a, rho).text(), QStringLiteral("√((a/2)² + ρ²)"));
    EXPECT_EQ(polygon_side_of_circumradius(r, half).text(), QStringLiteral("2 · r · cos β"));
    EXPECT_EQ(polygon_side_of_inradius(rho, half).text(), QStringLiteral("2 · ρ/tg β"));
    EXPECT_EQ(polygon_side_of_perimeter(O, n).text(), QStringLiteral("O/n"));
    EXPECT_EQ(polygon_side_of_area(S, n, half).text(), QStringLiteral("√(4 · S/(tg β · n))"));

    using L = long double;
    EXPECT_EQ(hypotenuse<L>(3, 4), 5);
    EXPECT_NEAR(static_cast<double>(sector_arc<L>(2, 90)), pi, 1e-12);
    EXPECT_EQ(half_product<L>(3, 4), 6);
    EXPECT_EQ(height_of_area<L>(6, 5), L(12) / 5);
    EXPECT_NEAR(static_cast<double>(alpha_of_sides<L>(3, 4, 5)), std::asin(0.6) * 180 / pi, 1e-12);
    EXPECT_NEAR(static_cast<double>(leg_of_angles<L>(3, alpha_of_sides<L>(3, 4, 5), 90 - alpha_of_sides<L>(3, 4, 5))),
                4, 1e-12);
    EXPECT_NEAR(static_cast<double>(law_of_cosines<L>(3, 4, 90)), 5, 1e-12);
    EXPECT_EQ(heron<L>(semiperimeter<L>(12), 3, 4, 5), 6);
    EXPECT_NEAR(static_cast<double>(segment_area<L>(2, radians<L>(90))), pi - 2, 1e-12);
    EXPECT_NEAR(static_cast<double>(polygon_area<L>(2, 6, polygon_half_angle<L>(interior_angle<L>(6)))),
                6 * std::sqrt(3.0), 1e-12);
}

TEST(Consistency, PatternsOfAFigureExcludeEachOther)
{
    for (const Known& k : known_figures()) {
        std::set<Mask> seen;
        for (const Row& row : k.figure().rows)
            EXPECT_TRUE(seen.insert(row.given).second) << k.name << ": " << describe(k.figure(), row.given);
    }
}

} // namespace
