// The graph of the quadratic page: marks and solution set as the page reads.
#include "equations/graph.h"
#include "equations/quadratic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qvk::equations {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

struct Page {
    WindowModel model;
    RecordingHost host;
    Page()
    {
        model.setHost(&host);
        declare_quadratic(model);
    }
    std::optional<GraphScene> solve(const char* a, const char* b, const char* c, int relation)
    {
        model.setText(QStringLiteral("a1"), QString::fromUtf8(a));
        model.setText(QStringLiteral("b1"), QString::fromUtf8(b));
        model.setText(QStringLiteral("c1"), QString::fromUtf8(c));
        model.setIndex(QStringLiteral("rovnice"), relation);
        kvreseniClick(model);
        return quadratic_scene(model);
    }
};

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
    EXPECT_FALSE(quadratic_scene(p.model));
}

struct SetCase {
    const char* text;
    std::vector<SolutionPiece> pieces;
};

class SolutionSet : public testing::TestWithParam<SetCase> {};

TEST_P(SolutionSet, ReadsEndsAsWritten)
{
    const auto got = parse_solution_set(QString::fromUtf8(GetParam().text));
    ASSERT_TRUE(got) << GetParam().text;
    EXPECT_EQ(*got, GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SolutionSet,
    testing::Values(SetCase{"<-4; -2>", {{-4, -2, true, true}}}, SetCase{"(-4; -2)", {{-4, -2, false, false}}},
                    SetCase{"(-nekon.; -4> U <-2; +nekon.)", {{-inf, -4, false, true}, {-2, inf, true, false}}},
                    SetCase{"(-nekon.; 1,5) U (2; +nekon.)", {{-inf, 1.5, false, false}, {2, inf, false, false}}},
                    SetCase{"R", {{-inf, inf, false, false}}}, SetCase{"prázdná množina ", {}},
                    SetCase{"prazdná množina", {}}, SetCase{"{1}", {{1, 1, true, true}}},
                    SetCase{"R - {1}", {{-inf, 1, false, false}, {1, inf, false, false}}}));

TEST(SolutionSet, RefusesOtherText)
{
    EXPECT_FALSE(parse_solution_set(QStringLiteral("(1; ")));
    EXPECT_FALSE(parse_solution_set(QStringLiteral("<2; 1>")));
    EXPECT_FALSE(parse_solution_set(QString()));
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

TEST(GraphCurve, AdaptiveSamplesStayOnTheCurveWithinTolerance)
{
    GraphScene s;
    s.coefficients = {1000, 0, 0};
    const double xs = 100, ys = 1;
    const auto pts = sample_curve(s, -3, 3, xs, ys);
    ASSERT_GT(pts.size(), 32u);
    EXPECT_DOUBLE_EQ(pts.front().x(), -3);
    EXPECT_DOUBLE_EQ(pts.back().x(), 3);
    for (size_t i = 1; i < pts.size(); ++i) {
        const double xm = (pts[i - 1].x() + pts[i].x()) / 2;
        const double chord = (pts[i - 1].y() + pts[i].y()) / 2;
        if ((pts[i].x() - pts[i - 1].x()) * xs > 1)
            EXPECT_LE(std::fabs(s.value(xm) - chord) * ys, 0.25) << xm;
    }
}

} // namespace
} // namespace qvk::equations
