// Equations pasted whole: what the reader takes, what it leaves to an
// ordinary paste, and the fields it fills.
#include "equations/cubic.h"
#include "equations/equation_text.h"
#include "equations/quadratic.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace qvk::equations {
namespace {

struct Read {
    const char* text;
    QStringList coefficients; // highest power first
    int relation;
};

class ReadsTest : public testing::TestWithParam<Read> {};

TEST_P(ReadsTest, GivesTheCoefficientsAndTheRelation)
{
    const Read& c = GetParam();
    const auto e = read_equation_text(QString::fromUtf8(c.text));
    ASSERT_TRUE(e.has_value()) << c.text;
    EXPECT_EQ(e->degree, c.coefficients.size() - 1) << c.text;
    EXPECT_EQ(e->coefficients, c.coefficients) << c.text;
    EXPECT_EQ(e->relation, c.relation) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Equations, ReadsTest,
    testing::Values(Read{"2x^2 + 12x + 16 = 0", {"2", "12", "16"}, 0},
                    Read{"2x² + 12x + 16", {"2", "12", "16"}, -1},
                    Read{"x^2-5x+6 >= 0", {"1", "-5", "6"}, 4},
                    Read{"x^2-5x+6 <= 0", {"1", "-5", "6"}, 1},
                    Read{"x^2-5x+6 < 0", {"1", "-5", "6"}, 2},
                    Read{"x^2-5x+6 > 0", {"1", "-5", "6"}, 3},
                    Read{"x^2-5x+6 ≤ 0", {"1", "-5", "6"}, 1},
                    Read{"x^2-5x+6≥0", {"1", "-5", "6"}, 4},
                    Read{"x^3 - 7x + 6 = 0", {"1", "0", "-7", "6"}, 0},
                    Read{"x³ - 7x + 6 = 0", {"1", "0", "-7", "6"}, 0},
                    Read{"x^2 - x", {"1", "-1", "0"}, -1},
                    Read{"-x^3 + 2", {"-1", "0", "0", "2"}, -1},
                    Read{"−x^3 + 2 = 0", {"-1", "0", "0", "2"}, 0},
                    Read{"1,5x^2 - 0.25x + 3,0 = 0", {"1,5", "-0,25", "3"}, 0},
                    Read{"0,5 * x^2 + 2·x", {"0,5", "2", "0"}, -1},
                    Read{"  2 x ^ 2 +12 x+16=0,0\n", {"2", "12", "16"}, 0},
                    Read{"16 + 12x + 2x^2 = 0", {"2", "12", "16"}, 0},
                    Read{"+X^2 - 007x + 0 = 0", {"1", "-7", "0"}, 0},
                    Read{"0x^2 - 0x", {"0", "0", "0"}, -1},
                    Read{"x - 2 = 0", {"1", "-2"}, 0},
                    Read{"x^1 - 2", {"1", "-2"}, -1},
                    Read{"x", {"1", "0"}, -1}));

class RefusesTest : public testing::TestWithParam<const char*> {};

TEST_P(RefusesTest, IsNoEquation)
{
    EXPECT_FALSE(read_equation_text(QString::fromUtf8(GetParam())).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusesTest,
    testing::Values("", " ", "12", "-3,5", "16 = 0", "abc", "2y^2 + 1", "2x^2 + 3x + 1 = 5", "x^2 = x",
                    "0 = x^2 - 1", "2x^2 + 3x^2", "x^2 + x + x", "x^4 + 1", "x^0 + 1", "x^-2", "x^²",
                    "x^22", "2x2 + 1", "2,x^2", "2,5,1x", ",5x", "1e3x^2", "1 000x^2", "2x^2 12x",
                    "2x^2 +", "+", "- x^2 - - 3", "x^2 + -3", "2*", "2 * 3", "*x", "x^2 == 0",
                    "x^2 =< 0", "x^2 = -0", "x^2 = 0 = 0", "x^2 = 0 1", "x^2 ≠ 0", "(x-1)(x-2)",
                    "x(x-1)", "2x^2 + 12x + 16 = 0;", "x^2\t+\u00a0x = 0x"));

// Tabs and no-break blanks are blanks too.
TEST(ReadEquationText, AnyBlankSeparates)
{
    const auto e = read_equation_text(QStringLiteral("x^2\t+\u00a0x = 0"));
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->coefficients, (QStringList{"1", "1", "0"}));
}

struct Paste {
    const char* field;
    const char* text;
    bool taken;
    QStringList fields; // the page's coefficient fields after the paste
    int relation;       // `rovnice` after the paste
};

class PasteTest : public testing::TestWithParam<Paste> {};

TEST_P(PasteTest, FillsThePageOfTheField)
{
    const Paste& c = GetParam();
    WindowModel m;
    declare_quadratic(m);
    declare_cubic(m);
    m.setIndex(QStringLiteral("rovnice"), 2);
    const bool cubic = QString::fromLatin1(c.field).startsWith(u"kub");
    const QStringList names = cubic ? QStringList{"kub_a", "kub_b", "kub_c", "kub_d"} : QStringList{"a1", "b1", "c1"};
    const QStringList others = cubic ? QStringList{"a1", "b1", "c1"} : QStringList{"kub_a", "kub_b", "kub_c", "kub_d"};
    QStringList before;
    for (const QString& n : others)
        before.append(m.text(n));
    EXPECT_EQ(paste_equation(m, QString::fromLatin1(c.field), QString::fromUtf8(c.text)), c.taken) << c.text;
    QStringList after;
    for (const QString& n : names)
        after.append(m.text(n));
    EXPECT_EQ(after, c.fields) << c.text;
    EXPECT_EQ(m.index(QStringLiteral("rovnice")), c.relation) << c.text;
    QStringList untouched;
    for (const QString& n : others)
        untouched.append(m.text(n));
    EXPECT_EQ(untouched, before);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PasteTest,
    testing::Values(Paste{"a1", "x^2-5x+6 >= 0", true, {"1", "-5", "6"}, 4},
                    Paste{"b1", "2x^2 + 12x + 16 = 0", true, {"2", "12", "16"}, 0},
                    Paste{"c1", "x^2 - x", true, {"1", "-1", "0"}, 2},
                    Paste{"rovnice", "-x^2 + 4 > 0", true, {"-1", "0", "4"}, 3},
                    Paste{"a1", "x^3 - 7x + 6 = 0", false, {"2", "12", "16"}, 2},
                    Paste{"a1", "x - 2 = 0", false, {"2", "12", "16"}, 2},
                    Paste{"a1", "12", false, {"2", "12", "16"}, 2},
                    // A coefficient too long for its field of 5 characters.
                    Paste{"a1", "x^2 + 123456", false, {"2", "12", "16"}, 2},
                    Paste{"a1", "x^2 - 1,234", false, {"2", "12", "16"}, 2},
                    Paste{"a1", "x^2 - 1,23", true, {"1", "0", "-1,23"}, 2},
                    Paste{"kub_a", "x^3 - 7x + 6 = 0", true, {"1", "0", "-7", "6"}, 2},
                    Paste{"kub_d", "-x^3 + 2", true, {"-1", "0", "0", "2"}, 2},
                    Paste{"kub_b", "2x³ - 16", true, {"2", "0", "0", "-16"}, 2},
                    Paste{"kub_c", "x^3 - 1 > 0", false, {"1", "1", "1", "1"}, 2},
                    Paste{"kub_c", "x^2 - 1 = 0", false, {"1", "1", "1", "1"}, 2},
                    Paste{"x1res", "x^2 - 1 = 0", false, {"2", "12", "16"}, 2}));

} // namespace
} // namespace qvk::equations
