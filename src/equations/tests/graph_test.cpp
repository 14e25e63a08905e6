// The graph of the quadratic page: marks and solution set as the page reads.
#include "equations/tests/support/solved_pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

// Readable texts in the test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace qvk::equations {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

using Page = test_support::QuadraticPage;
using test_support::CubicPage;

TEST(QuadraticGraph, InitialInequalityMarksRootsVertexAndOpenInterval)
{
    Page p;
    const auto s = p.solve("2", "12", "16", 2);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->marks.size(), 3u);
    EXPECT_EQ(s->marks[0], (GraphMark{GraphMark::Kind::Root, -4, 0, QStringLiteral("-4")}));
    EXPECT_EQ(s->marks[1], (GraphMark{GraphMark::Kind::Root, -2, 0, QStringLiteral("-2")}));
    EXPECT_EQ(s->marks[2], (GraphMark{GraphMark::Kind::Vertex, -3, -2, QStringLiteral("[-3, -2]")}));
    ASSERT_TRUE(s->inequality);
    EXPECT_EQ(s->solution, (std::vector<SolutionPiece>{{-4, -2, false, false}}));
    EXPECT_EQ(s->description, QStringLiteral("Parabola y = 2x^2 + 12x + 16, kořeny -4 a -2, vrchol [-3, -2], "
                                             "řešení (-4; -2)"));
    const GraphRange r = initial_range(*s);
    EXPECT_LT(r.xmin, -4);
    EXPECT_GT(r.xmax, -2);
    EXPECT_LT(r.ymin, -2);
    EXPECT_GT(r.ymax, 0);
}

TEST(QuadraticGraph, LabelsAreThePageTextsWithDecimalComma)
{
    Page p;
    const auto s = p.solve("2", "-1", "-1", 0);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->marks[0].label, QStringLiteral("-0,5"));
    EXPECT_DOUBLE_EQ(s->marks[0].x, -0.5);
    EXPECT_EQ(s->marks[2].label, QStringLiteral("[0,25, -1,12]"));
    EXPECT_FALSE(s->inequality);
}

TEST(QuadraticGraph, DoubleRootAndNoRealRoot)
{
    Page p;
    auto s = p.solve("1", "-2", "1", 0);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->marks.size(), 2u);
    EXPECT_EQ(s->marks[0].label, QStringLiteral("1"));
    s = p.solve("1", "0", "1", 3);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->marks.size(), 1u);
    EXPECT_EQ(s->marks[0].kind, GraphMark::Kind::Vertex);
    EXPECT_EQ(s->solution, (std::vector<SolutionPiece>{{-inf, inf, false, false}}));
    const GraphRange r = initial_range(*s);
    EXPECT_LT(r.ymin, 0); // the axis stays in view
}

TEST(QuadraticGraph, FailedSolveGivesNoScene)
{
    Page p;
    p.model.setText(QStringLiteral("a1"), QStringLiteral("x"));
    EXPECT_THROW(kvreseniClick(p.model), std::exception);
    EXPECT_FALSE(p.model.result<QuadraticResult>(QStringLiteral("kr")));
}

// A failed solve leaves the last good result; the fields are never read back.
TEST(QuadraticGraph, DrawnFromTheLastGoodSolveNotTheFields)
{
    Page p;
    const auto good = p.solve("2", "12", "16", 2);
    ASSERT_TRUE(good);
    p.model.setText(QStringLiteral("vres"), QStringLiteral("[?]"));
    p.model.setText(QStringLiteral("a1"), QStringLiteral("0"));
    EXPECT_THROW(kvreseniClick(p.model), std::exception);
    const auto* r = p.model.result<QuadraticResult>(QStringLiteral("kr"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->in.a, 2);
    const auto again = quadratic_scene(*r);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->description, good->description);
}

TEST(CubicGraph, DrawnFromTheLastGoodSolve)
{
    CubicPage p;
    const auto good = p.solve("1", "-6", "11", "-6");
    ASSERT_TRUE(good);
    p.model.setText(QStringLiteral("kub_x1"), QStringLiteral("?"));
    EXPECT_THROW(p.solve("0", "1", "1", "1"), std::exception);
    const auto again = p.scene();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->description, good->description);
}

struct SetCase {
    const char* a;
    const char* b;
    const char* c;
    int relation;
    SolutionSet::Shape shape;
    std::vector<SolutionPiece> pieces;
    const char* text; // as the page writes it
};

class TypedSolutionSet : public testing::TestWithParam<SetCase> {};

// The set the graph draws is the one the page writes.
TEST_P(TypedSolutionSet, PiecesAndTextAgree)
{
    const SetCase& k = GetParam();
    Page p;
    p.solve(k.a, k.b, k.c, k.relation);
    const auto* r = p.model.result<QuadraticResult>(QStringLiteral("kr"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->solution.shape, k.shape);
    EXPECT_EQ(r->solution.pieces, k.pieces);
    EXPECT_EQ(solution_text(*r), QString::fromUtf8(k.text));
    EXPECT_EQ(p.model.text(QStringLiteral("reseni")), QString::fromUtf8(k.text));
}

using Shape = SolutionSet::Shape;
INSTANTIATE_TEST_SUITE_P(
    Sets, TypedSolutionSet,
    testing::Values(SetCase{"2", "12", "16", 1, Shape::Between, {{-4, -2, true, true}}, "<-4; -2>"},
                    SetCase{"2", "12", "16", 2, Shape::Between, {{-4, -2, false, false}}, "(-4; -2)"},
                    SetCase{"2", "12", "16", 4, Shape::Outside, {{-inf, -4, false, true}, {-2, inf, true, false}},
                            "(-nekon.; -4> U <-2; +nekon.)"},
                    SetCase{"-2", "7", "-6", 2, Shape::Outside, {{-inf, 1.5, false, false}, {2, inf, false, false}},
                            "(-nekon.; 1,5) U (2; +nekon.)"},
                    SetCase{"2", "12", "16", 0, Shape::Points, {{-4, -4, true, true}, {-2, -2, true, true}}, "{-4; -2}"},
                    SetCase{"1", "0", "1", 3, Shape::All, {{-inf, inf, false, false}}, "R"},
                    SetCase{"1", "-2", "1", 2, Shape::Empty, {}, "prázdná množina "},
                    SetCase{"1", "-2", "1", 3, Shape::AllBut, {{-inf, 1, false, false}, {1, inf, false, false}}, "R - {1}"},
                    SetCase{"1", "-2", "1", 1, Shape::Points, {{1, 1, true, true}}, "{1}"},
                    SetCase{"1", "0", "1", 0, Shape::Empty, {}, "prazdná množina"},
                    SetCase{"1", "0", "1", 1, Shape::Empty, {}, "prázdná množina"}));

// One formula gives the page's decimal and the line of the worked solution.
TEST(QuadraticFormula, DecimalAndText)
{
    EXPECT_EQ(discriminant<long double>(2, 12, 16), 16);
    EXPECT_EQ(root_minus<long double>(2, 12, 16), -4);
    EXPECT_EQ(root_plus<long double>(2, 12, 16), -2);
    const Sym a = Sym::name(QStringLiteral("a")), b = Sym::name(QStringLiteral("b")), c = Sym::name(QStringLiteral("c"));
    EXPECT_EQ(discriminant(a, b, c).text(), QStringLiteral("b² − 4 · a · c"));
    EXPECT_EQ(root_minus(a, b, Sym::name(QStringLiteral("D"))).text(), QStringLiteral("(−b − √D)/(2 · a)"));
    EXPECT_EQ(discriminant(Sym(2), Sym(-3), Sym(1)).text(), QStringLiteral("(−3)² − 4 · 2 · 1"));
}

// The cubic's formulas as the worked solution writes them.
TEST(CubicFormula, DecimalAndText)
{
    EXPECT_EQ(cubic_shift<long double>(1, -6), 2);
    // The double root's signs follow q.
    EXPECT_EQ(double_root_x1<long double>(1, 2, 0), -2);
    EXPECT_EQ(double_root_x2<long double>(1, 2, 0), 1);
    EXPECT_EQ(double_root_x1<long double>(1, -2, 0), 2);
    EXPECT_EQ(double_root_x2<long double>(1, -2, 0), -1);
    const auto n = [](const char* name) { return Sym::name(QString::fromUtf8(name)); };
    const Sym a = n("a"), b = n("b"), c = n("c"), d = n("d"), s = n("s"), p = n("p"), q = n("q"), D = n("D"),
              u = n("u"), v = n("v"), phi = n("φ"), y = n("y");
    const struct {
        Sym formula;
        const char* text;
    } rows[] = {
        {cubic_shift(a, b), "(−b/a)/3"},
        {reduced_p(a, b, c, s), "s · s · 3 · a/a + 2 · b · s/a + c/a"},
        {reduced_q(a, b, c, d, s), "s · s · s + s · s · b/a + s · c/a + d/a"},
        {cubic_discriminant(p, q), "q/2 · (q/2) + p/3 · (p/3) · (p/3)"},
        {cardano_u(q, D), "∛(−q/2 + √D)"},
        {cardano_v(q, D), "∛(−q/2 − √D)"},
        {cardano_root(u, v, s), "u + v + s"},
        {cardano_re(u, v, s), "(−(u + v))/2 + s"},
        {cardano_im(u, v), "|√3 · (u − v)/2|"},
        {double_root_t(q), "∛(|q|/2)"},
        {double_root_x1(n("t"), q, s), "(−2) · t · sgn q + s"},
        {double_root_x2(n("t"), q, s), "t · sgn q + s"},
        {trig_angle(p, q), "arccos ((−q/2)/√(|p|/3 · (|p|/3) · (|p|/3)))"},
        {trig_x1(p, phi, s), "2 · √(|p|/3) · cos (φ/3) + s"},
        {trig_x2(p, phi, s), "(−2) · √(|p|/3) · cos ((φ − π)/3) + s"},
        {trig_x3(p, phi, s), "(−2) · √(|p|/3) · cos ((φ + π)/3) + s"},
        {reduced_pair_root(p), "√p"},
        {pure_cube_y(q), "∛(−q)"},
        {pure_cube_re(y, s), "s − y/2"},
        {pure_cube_im(y), "|√3 · y/2|"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.formula.text(), QString::fromUtf8(r.text));
}

TEST(GraphAxes, NiceSteps)
{
    EXPECT_DOUBLE_EQ(nice_step(10, 10), 1);
    EXPECT_DOUBLE_EQ(nice_step(25, 10), 2);
    EXPECT_DOUBLE_EQ(nice_step(60, 10), 5);
    EXPECT_DOUBLE_EQ(nice_step(0.9, 10), 0.1);
    EXPECT_DOUBLE_EQ(nice_step(800, 10), 100);
}

TEST(GraphAxes, TicksAndLabels)
{
    const auto t = ticks(-0.35, 0.35, 0.1);
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(tick_label(t[0], 0.1), QStringLiteral("-0,3"));
    EXPECT_EQ(tick_label(t[3], 0.1), QStringLiteral("0"));
    EXPECT_EQ(tick_label(t[6], 0.1), QStringLiteral("0,3"));
    EXPECT_EQ(tick_label(2e6, 5e5), QStringLiteral("2000000"));
}

TEST(GraphAxes, EqualScaleOnlyWhenReadable)
{
    const GraphRange near = fit_to_view({-5, 5, -3, 3}, 800, 600);
    EXPECT_DOUBLE_EQ((near.xmax - near.xmin) / 800, (near.ymax - near.ymin) / 600);
    EXPECT_LE(near.xmin, -5);
    EXPECT_LE(near.ymin, -3);
    const GraphRange steep = fit_to_view({-1, 1, -1000, 1000}, 800, 600);
    EXPECT_DOUBLE_EQ(steep.ymax, 1000);
    EXPECT_DOUBLE_EQ(steep.xmax, 1);
}

struct CubicCase {
    const char* a;
    const char* b;
    const char* c;
    const char* d;
    std::vector<const char*> roots; // left to right
    const char* inflection;
    std::vector<const char*> corner;
    const char* words; // the description after "Kubická parabola y = "
};

class CubicGraph : public testing::TestWithParam<CubicCase> {};

TEST_P(CubicGraph, MarksThePageResults)
{
    const CubicCase& k = GetParam();
    CubicPage p;
    p.type(k.a, k.b, k.c, k.d);
    EXPECT_FALSE(p.scene()); // not solved yet
    const auto s = p.solve();
    ASSERT_TRUE(s);
    ASSERT_EQ(s->marks.size(), k.roots.size() + 1);
    for (size_t i = 0; i < k.roots.size(); ++i) {
        EXPECT_EQ(s->marks[i].kind, GraphMark::Kind::Root);
        EXPECT_EQ(s->marks[i].label, QString::fromUtf8(k.roots[i]));
        EXPECT_EQ(s->marks[i].y, 0);
    }
    const GraphMark& inflection = s->marks.back();
    EXPECT_EQ(inflection.kind, GraphMark::Kind::Inflection);
    EXPECT_EQ(inflection.label, QString::fromUtf8(k.inflection));
    EXPECT_NEAR(inflection.y, s->value(inflection.x), 1e-9);
    QStringList corner;
    for (const char* t : k.corner)
        corner << QString::fromUtf8(t);
    EXPECT_EQ(s->corner, corner);
    EXPECT_EQ(s->description, QStringLiteral("Kubická parabola y = ") + QString::fromUtf8(k.words));
    EXPECT_FALSE(s->inequality);

    // Roots, inflection and turning points inside, none at the edge.
    const GraphRange r = initial_range(*s);
    const double mx = (r.xmax - r.xmin) * 0.05, my = (r.ymax - r.ymin) * 0.05;
    for (const GraphMark& m : s->marks) {
        EXPECT_GT(m.x, r.xmin + mx) << m.label.toStdString();
        EXPECT_LT(m.x, r.xmax - mx) << m.label.toStdString();
        EXPECT_GT(m.y, r.ymin + my) << m.label.toStdString();
        EXPECT_LT(m.y, r.ymax - my) << m.label.toStdString();
    }
    for (double x : s->keep) {
        EXPECT_GT(x, r.xmin + mx);
        EXPECT_LT(x, r.xmax - mx);
        EXPECT_GT(s->value(x), r.ymin + my);
        EXPECT_LT(s->value(x), r.ymax - my);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Equations, CubicGraph,
    testing::Values(
        CubicCase{"1", "1", "1", "1", {"-1"}, "[-0,33, 0,74]", {"x2 = 0 + 1 * i", "x3 = 0 - 1 * i"},
                  "x^3 + x^2 + x + 1, kořen -1, komplexní kořeny 0 + 1 * i a 0 - 1 * i, inflexní bod [-0,33, 0,74]"},
        CubicCase{"1", "-6", "11", "-6", {"1", "2", "3"}, "[2, 0]", {},
                  "x^3 - 6x^2 + 11x - 6, kořeny 1, 2 a 3, inflexní bod [2, 0]"},
        CubicCase{"1", "0", "-3", "2", {"-2", "1"}, "[0, 2]", {},
                  "x^3 - 3x + 2, kořen -2, dvojnásobný kořen 1, inflexní bod [0, 2]"},
        CubicCase{"1", "-3", "3", "-1", {"1"}, "[1, 0]", {}, "x^3 - 3x^2 + 3x - 1, trojnásobný kořen 1, inflexní bod [1, 0]"},
        CubicCase{"2", "", "", "-16", {"2"}, "[0, -16]", {"x2 = -1 + 1,73 * i", "x3 = -1 - 1,73 * i"},
                  "2x^3 - 16, kořen 2, komplexní kořeny -1 + 1,73 * i a -1 - 1,73 * i, inflexní bod [0, -16]"},
        // The turning points at -1 and 1 lie right of the one root.
        CubicCase{"1", "0", "-3", "3", {"-2,1"}, "[0, 3]", {"x2 = 1,05 + 0,57 * i", "x3 = 1,05 - 0,57 * i"},
                  "x^3 - 3x + 3, kořen -2,1, komplexní kořeny 1,05 + 0,57 * i a 1,05 - 0,57 * i, inflexní bod [0, 3]"},
        // The page rounds 0,333 to 0,33 before it solves: so does the curve.
        CubicCase{"-0,5", "0,333", "0", "0", {"0", "0,66"}, "[0,22, 0,01]", {},
                  "-0,5x^3 + 0,33x^2, kořen 0,66, dvojnásobný kořen 0, inflexní bod [0,22, 0,01]"}));

// The bend between the turning points stays readable: the steep ends of the
// range do not set the height.
TEST(CubicGraph, TurningPointsSetTheHeight)
{
    for (const auto& [c, d] : {std::pair{"-7", "6"}, std::pair{"-12", "16"}}) {
        CubicPage p;
        const auto s = p.solve("1", "0", c, d);
        ASSERT_TRUE(s);
        ASSERT_EQ(s->keep.size(), 2u);
        const GraphRange r = initial_range(*s);
        const double bend = std::fabs(s->value(s->keep[0]) - s->value(s->keep[1]));
        EXPECT_GE(bend / (r.ymax - r.ymin), 0.3) << c << " " << d;
    }
}

TEST(CubicGraph, FailedSolveLeavesNoNewScene)
{
    CubicPage p;
    p.type("x", "1", "1", "1");
    EXPECT_THROW(p.solve(), std::exception);
    EXPECT_FALSE(p.scene());
}

// Every chord within the tolerance of the curve, measured across it, and
// nothing beyond the view's edges.
void expect_close_to_curve(const GraphScene& s, const GraphRange& r, double w, double h, double tol)
{
    const auto lines = curve_in_view(s, r, w, h, tol);
    ASSERT_FALSE(lines.empty());
    const double sx = w / (r.xmax - r.xmin), sy = h / (r.ymax - r.ymin);
    const QRectF box(-4.001, -4.001, w + 8.002, h + 8.002);
    for (const Polyline& line : lines) {
        ASSERT_GE(line.size(), 2u);
        for (size_t i = 0; i < line.size(); ++i) {
            EXPECT_TRUE(box.contains(line[i])) << line[i].x() << ' ' << line[i].y();
            if (i == 0)
                continue;
            const QPointF a = line[i - 1], b = line[i];
            const double xm = (a.x() + b.x()) / 2;
            const QPointF c(xm, (r.ymax - s.value(r.xmin + xm / sx)) * sy);
            const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
            if (len <= 0.5)
                continue;
            const double dev =
                std::fabs((c.x() - a.x()) * (b.y() - a.y()) - (c.y() - a.y()) * (b.x() - a.x())) / len;
            EXPECT_LE(dev, tol * 1.01) << "at x " << xm;
        }
    }
}

struct CurveCase {
    std::vector<double> coefficients;
    GraphRange range;
};

class CurveInView : public testing::TestWithParam<CurveCase> {};

TEST_P(CurveInView, ChordsHugTheCurveAndStayInTheView)
{
    GraphScene s;
    s.coefficients = GetParam().coefficients;
    expect_close_to_curve(s, GetParam().range, 800, 600, 0.25);
}

INSTANTIATE_TEST_SUITE_P(Curves, CurveInView,
                         testing::Values(CurveCase{{2, 12, 16}, {-7, 1, -2.5, 3}},
                                         CurveCase{{1000, 0, 0}, {-3, 3, -10, 100}},   // steep, mostly off the view
                                         CurveCase{{1, -6, 11, -6}, {0, 4, -2, 2}},
                                         CurveCase{{99999, 0, 1, 0}, {-1, 1, -5, 5}},  // nearly vertical
                                         CurveCase{{1, 0, 0, 0}, {-1e6, 1e6, -1, 1}},  // zoomed far out
                                         CurveCase{{0.001, 0, 0, 0}, {-1, 1, -1e-3, 1e-3}}));

TEST(CurveInView, CutAtTheEdgesNotJoinedAcross)
{
    GraphScene s;
    s.coefficients = {1, 0, -4, 0}; // leaves the view at the top and the bottom
    const auto lines = curve_in_view(s, {-3, 3, -2, 2}, 600, 400);
    ASSERT_EQ(lines.size(), 3u);
    for (const Polyline& l : lines) {
        EXPECT_NEAR(std::fabs(l.front().y() - 200), 204, 1e-6); // enters at an edge
        EXPECT_NEAR(std::fabs(l.back().y() - 200), 204, 1e-6);  // and leaves at one
    }
}

TEST(CurveInView, NothingForAnEmptyView)
{
    GraphScene s;
    s.coefficients = {1, 0, 0};
    EXPECT_TRUE(curve_in_view(s, {1, 1, 0, 1}, 800, 600).empty());
    EXPECT_TRUE(curve_in_view(s, {-1, 1, 0, 1}, 0, 600).empty());
    EXPECT_TRUE(curve_in_view(s, {-1, 1, 5, 6}, 800, 600).empty()); // all above
}

struct LabelCase {
    const char* what;
    QPointF at;
    std::vector<Polyline> curve;
    std::vector<QRectF> taken;
    bool above;
};

class LabelPlace : public testing::TestWithParam<LabelCase> {};

TEST_P(LabelPlace, BesideThePointOffTheCurveAndTheOthers)
{
    const LabelCase& k = GetParam();
    const QSizeF view(400, 300), size(40, 16);
    const QRectF box = place_label(size, k.at, 8, k.curve, k.taken, view, k.above);
    EXPECT_EQ(box.size(), size) << k.what;
    EXPECT_TRUE(QRectF(QPointF(), view).contains(box)) << k.what;
    for (const Polyline& l : k.curve)
        for (size_t i = 1; i < l.size(); ++i)
            EXPECT_FALSE(segment_meets(l[i - 1], l[i], box)) << k.what;
    for (const QRectF& t : k.taken)
        EXPECT_FALSE(t.intersects(box)) << k.what;
    EXPECT_FALSE(box.contains(k.at)) << k.what;
    const QPointF c = box.center();
    EXPECT_LT(std::hypot(c.x() - k.at.x(), c.y() - k.at.y()), 40) << k.what;
}

INSTANTIATE_TEST_SUITE_P(
    Places, LabelPlace,
    testing::Values(LabelCase{"free", {200, 150}, {}, {}, true},
                    LabelCase{"steep line through it", {200, 150}, {{{190, 0}, {210, 300}}}, {}, true},
                    LabelCase{"rising line", {200, 150}, {{{50, 300}, {350, 0}}}, {}, true},
                    LabelCase{"parabola's arms", {200, 150}, {{{180, 0}, {200, 150}, {220, 0}}}, {}, true},
                    LabelCase{"tick label below, curve above", {200, 150}, {{{190, 0}, {200, 150}, {210, 0}}},
                              {{180, 153, 40, 16}}, true},
                    LabelCase{"at the top edge", {200, 2}, {}, {}, true},
                    LabelCase{"at the right edge", {399, 150}, {}, {}, false}));

TEST(Segment, MeetsRectangle)
{
    const QRectF r(10, 10, 10, 10);
    EXPECT_TRUE(segment_meets({0, 0}, {30, 30}, r));
    EXPECT_TRUE(segment_meets({15, 15}, {16, 16}, r));
    EXPECT_FALSE(segment_meets({0, 0}, {30, 0}, r));
    EXPECT_FALSE(segment_meets({0, 30}, {30, 25}, r));
    EXPECT_TRUE(segment_meets({15, 0}, {15, 30}, r));
}

} // namespace
} // namespace qvk::equations
