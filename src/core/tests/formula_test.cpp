// A formula written once gives the page's decimal and the line a pupil reads.
#include "core/formula.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

template <typename N>
N sphere_volume(const N& r)
{
    return keep(N(4) * pi<N>() / N(3) * (sq(r) * r));
}

template <typename N>
N hypotenuse(const N& a, const N& b)
{
    return root(sq(a) + sq(b));
}

TEST(Formula, OneFormulaServesTheDecimalAndTheLine)
{
    EXPECT_DOUBLE_EQ(static_cast<double>(sphere_volume<long double>(3)), 4.0 * 3.141592653589793 * 9);
    EXPECT_EQ(sphere_volume(Sym::name(QStringLiteral("r"))).text(), QStringLiteral("4 · π/3 · (r² · r)"));
    EXPECT_EQ(sphere_volume(Sym(3)).text(), QStringLiteral("4 · π/3 · (3² · 3)"));
    EXPECT_EQ(hypotenuse(Sym(3), Sym(4)).text(), QStringLiteral("√(3² + 4²)"));
    EXPECT_EQ(static_cast<double>(hypotenuse<long double>(3, 4)), 5.0);
}

TEST(Formula, ParenthesesOnlyWhereNeeded)
{
    const Sym a = Sym::name(QStringLiteral("a")), b = Sym::name(QStringLiteral("b"));
    EXPECT_EQ((a - (a + b)).text(), QStringLiteral("a − (a + b)"));
    EXPECT_EQ(((a + b) * a).text(), QStringLiteral("(a + b) · a"));
    EXPECT_EQ((a / (a * b)).text(), QStringLiteral("a/(a · b)"));
    EXPECT_EQ((a * Sym(-2)).text(), QStringLiteral("a · (−2)"));
    EXPECT_EQ(Sym(2.5L).text(), QStringLiteral("2,5"));
}

TEST(Formula, KeepStoresADoubleRoundedRoundsHalfToEven)
{
    EXPECT_EQ(keep(1.0L / 3), static_cast<long double>(1.0 / 3));
    EXPECT_EQ(rounded(2.125L, 2), static_cast<long double>(2.12)); // half to even
}

} // namespace
} // namespace qvk
