#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace qvk;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

struct DecimalCase {
    const char* text;
    long double value;
};

class ParseDecimalAccepts : public testing::TestWithParam<DecimalCase> {};

TEST_P(ParseDecimalAccepts, GivesTheExactValue)
{
    EXPECT_EQ(parse_decimal(S(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDecimalAccepts,
                         testing::Values(DecimalCase{"2", 2}, DecimalCase{"  -1,5  ", -1.5L},
                                         DecimalCase{"1,5e3", 1500}, DecimalCase{",", 0}, DecimalCase{"1E", 1},
                                         DecimalCase{"+3", 3}, DecimalCase{"-,5", -0.5L},
                                         DecimalCase{"12,", 12}, DecimalCase{"1e-2", 0.01L},
                                         DecimalCase{"0,1", 0.1L}, DecimalCase{"1E+2", 100},
                                         DecimalCase{"1E499", 1e499L}, DecimalCase{"1E0499", 1e499L}));

class ParseDecimalRejects : public testing::TestWithParam<const char*> {};

TEST_P(ParseDecimalRejects, WithTheRuntimeMessage)
{
    const QString text = S(GetParam());
    try {
        parse_decimal(text);
        FAIL() << "accepted " << GetParam();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDecimalRejects,
                         testing::Values("", " ", "-", "+", "1.5", "1,5,0", "1 000", "abc", "1E5000", "\t1",
                                         "1e5000", "E5", "1x", "--1", "1E-5000", "1E99999"));

TEST(ParseDecimal, ValueBeyondDoubleParsesButFailsWhenStored)
{
    const long double v = parse_decimal(S("1E400"));
    EXPECT_GT(v, static_cast<long double>(DBL_MAX));
    try {
        store_double(v);
        FAIL();
    } catch (const EMathError& e) {
        EXPECT_EQ(e.message(), kOverflow);
    }
}

TEST(ParseDecimal, LongMantissaIsCorrectlyRounded)
{
    EXPECT_EQ(parse_decimal(S("0,333333333333333333333333333333")), 1.0L / 3.0L);
}

TEST(ParseInteger, AcceptsDecimalAndHexadecimal)
{
    EXPECT_EQ(parse_integer(S("  -42")), -42);
    EXPECT_EQ(parse_integer(S("+7")), 7);
    EXPECT_EQ(parse_integer(S("$FF")), 255);
    EXPECT_EQ(parse_integer(S("0x1f")), 31);
    EXPECT_EQ(parse_integer(S("9223372036854775807")), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(parse_integer(S("-9223372036854775808")), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(parse_integer32(S("-2147483648")), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(parse_integer32(S("2147483647")), 2147483647);
}

TEST(ParseInteger, RejectsWithTheRuntimeMessage)
{
    for (const char* t : {"", " ", "1 ", "1,5", "1E3", "9223372036854775808", "-9223372036854775809", "$", "0x",
                          "abc", "-", "99999999999999999999999"}) {
        try {
            parse_integer(S(t));
            ADD_FAILURE() << "accepted " << t;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(S(t)));
        }
    }
    for (const char* t : {"2147483648", "-2147483649"})
        EXPECT_THROW(parse_integer32(S(t)), EConvertError) << t;
}

struct FormatCase {
    long double value;
    const char* text;
};

class FormatNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, GeneralFormatWithFifteenDigits)
{
    EXPECT_EQ(format_number(GetParam().value).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumber,
    testing::Values(FormatCase{0.1L, "0,1"}, FormatCase{1.0L / 3.0L, "0,333333333333333"}, FormatCase{2, "2"},
                    FormatCase{-0.0L, "0"}, FormatCase{0, "0"}, FormatCase{999999999999999.0L, "999999999999999"},
                    FormatCase{1e15L, "1E15"}, FormatCase{0.0001L, "0,0001"}, FormatCase{0.00005L, "5E-5"},
                    FormatCase{-0.000123L, "-0,000123"}, FormatCase{-0.0000123L, "-1,23E-5"},
                    FormatCase{0.00012L, "0,00012"}, FormatCase{-4, "-4"}, FormatCase{2.5L, "2,5"},
                    FormatCase{1e20L, "1E20"}, FormatCase{1.5e-10L, "1,5E-10"}, FormatCase{123456.789L, "123456,789"},
                    FormatCase{9999999999999995.0L, "1E16"}, FormatCase{0.30000000000000004L, "0,3"},
                    FormatCase{-2.0L / 3.0L, "-0,666666666666667"}, FormatCase{1e400L, "1E400"}));

TEST(FormatNumber, InfinityAndNan)
{
    EXPECT_EQ(format_number(std::numeric_limits<long double>::infinity()), QStringLiteral("INF"));
    EXPECT_EQ(format_number(-std::numeric_limits<long double>::infinity()), QStringLiteral("-INF"));
    EXPECT_EQ(format_number(std::numeric_limits<long double>::quiet_NaN()), QStringLiteral("NAN"));
}

struct RoundCase {
    long double value;
    int places;
    const char* text;
};

class RoundPlaces : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundPlaces, RoundsTheFractionHalfToEven)
{
    fpu_clear();
    EXPECT_EQ(format_number(round_places(GetParam().value, GetParam().places)).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundPlaces,
    testing::Values(RoundCase{0.125L, 2, "0,12"}, RoundCase{0.375L, 2, "0,38"}, RoundCase{-0.125L, 2, "-0,12"},
                    RoundCase{-0.375L, 2, "-0,38"}, RoundCase{7, 2, "7"}, RoundCase{1.999L, 2, "2"},
                    RoundCase{3.14159L, 2, "3,14"}, RoundCase{1e20L, 2, "1E20"}, RoundCase{-1e20L, 2, "-1E20"},
                    RoundCase{2.5L, 0, "2"}, RoundCase{3.5L, 0, "3"}, RoundCase{1.0L / 3.0L, 12, "0,333333333333"},
                    RoundCase{9223372036854775808.0L, 2, "9,22337203685478E18"}, RoundCase{123.456L, -1, "123"}));

TEST(RoundPlaces, IntegralValuesPassUnchanged)
{
    const long double big = 9007199254740993.0L;
    EXPECT_EQ(round_places(big, 2), big);
    EXPECT_EQ(round_places(-5, 12), -5);
}

TEST(RoundPlaces, NanAndInfinityAreInvalid)
{
    for (long double v : {std::numeric_limits<long double>::quiet_NaN(), std::numeric_limits<long double>::infinity()}) {
        try {
            round_places(v, 2);
            ADD_FAILURE();
        } catch (const EMathError& e) {
            EXPECT_EQ(e.message(), kInvalidOp);
        }
    }
}

TEST(RoundPlaces, HugePlacesOverflow)
{
    fpu_clear();
    EXPECT_THROW(round_places(0.5L, 100000), EMathError);
    fpu_clear();
}

struct GcdCase {
    std::int64_t a, b, result;
};

class Gcd : public testing::TestWithParam<GcdCase> {};

TEST_P(Gcd, FollowsEuclidsSteps)
{
    EXPECT_EQ(gcd(GetParam().a, GetParam().b), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Values, Gcd,
                         testing::Values(GcdCase{18, 12, 6}, GcdCase{12, 18, 6}, GcdCase{5, 5, 5},
                                         GcdCase{1, 999999999, 1}, GcdCase{7, 7, 7}, GcdCase{-6, -4, -2},
                                         GcdCase{-4, 6, 2}, GcdCase{-3, 0, -3},
                                         GcdCase{std::numeric_limits<std::int64_t>::min(), -1, -1},
                                         GcdCase{std::numeric_limits<std::int64_t>::max(), 7, 7}));

TEST(Gcd, ZeroAsTheSmallerDividesByZero)
{
    try {
        gcd(0, 5);
        FAIL();
    } catch (const EMathError& e) {
        EXPECT_EQ(e.message(), kIntDivZero);
    }
}

TEST(Fpu, PendingFaultsStopInPrecedenceOrder)
{
    volatile long double zero = 0;
    volatile long double one = 1;
    fpu_clear();
    volatile long double q = one / zero;
    (void)q;
    try {
        fpu_check();
        FAIL();
    } catch (const EMathError& e) {
        EXPECT_EQ(e.message(), kZeroDivide);
    }
    volatile long double n = std::sqrt(-one);
    (void)n;
    try {
        fpu_check();
        FAIL();
    } catch (const EMathError& e) {
        EXPECT_EQ(e.message(), kInvalidOp);
    }
    EXPECT_NO_THROW(fpu_check());
}

TEST(Fpu, IntegerConversionsAreChecked)
{
    fpu_clear();
    EXPECT_EQ(trunc_int64(-2.9L), -2);
    EXPECT_EQ(trunc_int64(9223372036854775807.0L), std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(trunc_int64(9223372036854775808.0L), EMathError);
    EXPECT_THROW(trunc_int64(std::numeric_limits<long double>::quiet_NaN()), EMathError);
    EXPECT_EQ(round_int64(2.5L), 2);
    EXPECT_EQ(round_int64(-3.5L), -4);
    EXPECT_EQ(idiv(std::numeric_limits<std::int64_t>::min(), -1), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(imod(std::numeric_limits<std::int64_t>::min(), -1), 0);
    EXPECT_THROW(idiv(1, 0), EMathError);
}

TEST(StoreDouble, KeepsFiniteValuesAndRejectsOverflow)
{
    fpu_clear();
    EXPECT_EQ(store_double(0.5L), 0.5);
    EXPECT_EQ(store_double(static_cast<long double>(DBL_MAX)), DBL_MAX);
    EXPECT_THROW(store_double(static_cast<long double>(DBL_MAX) * 2), EMathError);
    EXPECT_EQ(store_double(1e-4000L), 0.0);
}

} // namespace
