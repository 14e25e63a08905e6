// What no page can hand the picture but a careless caller could: values that
// are not a solid draw nothing and never fault.
#include "stereometry/explain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

qvk::Solved solved(const char* page, std::vector<double> values)
{
    qvk::Solved s;
    s.page = QString::fromLatin1(page);
    s.values = std::move(values);
    s.names.resize(s.values.size());
    s.typed.assign(s.values.size(), QStringLiteral("3"));
    s.given = 1;
    s.places = 2;
    return s;
}

TEST(SketchSolid, DrawsNothingOfWhatIsNoSolid)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* page;
        std::vector<double> values;
    } none[] = {
        {"krychle_desk", {0, 0, 0, 0}},
        {"krychle_desk", {nan, 1, 1, 1}},
        {"krychle_desk", {-2, 1, 1, 1}},
        {"kvadr_desk", {1, inf, 1, 1, 1, 1}},
        {"kvadr_desk", {1, 2}},
        {"jehlan_desk", {2, 1, 1, 1, 1, 1}},
        {"jehlan_desk", {4, 1, 0, 1, 1, 1}},
        {"koule_desk", {-inf, 1, 1, 1}},
        {"valec_desk", {1, nan, 1, 1}},
        {"kuzel_desk", {0, 1, 1, 1, 1}},
        {"no_such_page", {1, 1, 1, 1}},
    };
    for (const auto& c : none)
        EXPECT_TRUE(qvk::stereometry::sketch_solid(solved(c.page, c.values)).isEmpty()) << c.page;
}

TEST(SketchSolid, DrawsTheHugeAndTheTinyWithFiniteNumbers)
{
    for (const auto& values : {std::vector<double>{1e300, 1e-300, 1, 1, 1, 1}, std::vector<double>{1e-300, 1e-300, 1e-300, 1, 1, 1}}) {
        const QString svg = qvk::stereometry::sketch_solid(solved("kvadr_desk", values));
        ASSERT_FALSE(svg.isEmpty());
        EXPECT_FALSE(svg.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        EXPECT_FALSE(svg.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
    }
}

} // namespace
