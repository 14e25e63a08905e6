// The typed results of the number pages: what each solve holds beyond the
// texts the batch cases check, and that each page publishes it.
#include "app/tests/support/assembled_window.h"
#include "core/numeric.h"
#include "numbers/angles.h"
#include "numbers/bases.h"
#include "numbers/divisors.h"
#include "numbers/fractions.h"
#include "numbers/primes.h"

#include <gtest/gtest.h>

#include <any>
#include <functional>
#include <vector>

namespace {

using namespace qvk;
using namespace qvk::numbers;

TEST(TypedResults, Factorization)
{
    struct Row {
        std::uint64_t n;
        std::vector<PrimeFactor> factors;
        bool prime;
    };
    const Row rows[] = {
        {4, {{2, 2}}, false},
        {97, {{97, 1}}, true},
        {98, {{2, 1}, {7, 2}}, false},
        {174636000, {{2, 5}, {3, 4}, {5, 3}, {7, 2}, {11, 1}}, false},
        {9223372036854775807u, {{7, 2}, {73, 1}, {127, 1}, {337, 1}, {92737, 1}, {649657, 1}}, false},
    };
    for (const Row& row : rows) {
        const Factorization r = factorize({row.n});
        EXPECT_EQ(r.factors, row.factors) << row.n;
        EXPECT_EQ(r.prime, row.prime) << row.n;
        EXPECT_TRUE(r.finished);
    }
}

TEST(TypedResults, PrimeListing)
{
    struct Row {
        std::int64_t from, to;
        std::vector<std::uint64_t> primes;
    };
    const Row rows[] = {
        {0, 20, {2, 3, 5, 7, 11, 13, 17, 19}},
        {-5, 1, {}},
        {2, 2, {2}},
        {3, 3, {3}},
        {24, 31, {29, 31}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(list_primes({row.from, row.to}).primes, row.primes) << row.from << ".." << row.to;
}

TEST(TypedResults, BaseConversion)
{
    struct Row {
        const char* digits;
        int from, to;
        BaseReading::Status status;
        std::int64_t value;
        const char* result;
    };
    const Row rows[] = {
        {"99", 10, 2, BaseReading::Ok, 99, "1100011"},
        {"ZZ", 36, 10, BaseReading::Ok, 1295, "1295"},
        {"9223372036854775807", 10, 16, BaseReading::Ok, 9223372036854775807, "7FFFFFFFFFFFFFFF"},
        {"", 10, 2, BaseReading::Ok, 0, ""},
        {"9223372036854775808", 10, 2, BaseReading::OutOfRange, 0, ""},
        {"007", 10, 2, BaseReading::Ok, 7, "111"}, // leading zeros read past
        {"12", 2, 10, BaseReading::NotADigit, 0, ""},
    };
    for (const Row& row : rows) {
        const BaseConversion r = convert_base({QString::fromLatin1(row.digits), row.from, row.to});
        EXPECT_EQ(r.status, row.status) << row.digits;
        EXPECT_EQ(r.value, row.value) << row.digits;
        EXPECT_EQ(r.digits, QString::fromLatin1(row.result)) << row.digits;
    }
}

TEST(TypedResults, FractionArithmetic)
{
    struct Row {
        Ratio first;
        int operation;
        Ratio second;
        bool mixed;
        std::int64_t common;
        Ratio unreduced;
        std::int64_t divisor;
        Ratio reduced;
        bool hasWhole;
        std::int64_t whole;
        Ratio shown;
        bool fractionShown;
    };
    const Row rows[] = {
        {{1, 2}, 0, {3, 4}, true, 4, {5, 4}, 1, {5, 4}, true, 1, {1, 4}, true},
        {{1, 2}, 0, {3, 4}, false, 4, {5, 4}, 1, {5, 4}, false, 0, {5, 4}, true},
        {{6, 4}, 2, {2, 3}, true, 0, {12, 12}, 12, {1, 1}, true, 1, {0, 1}, false},
        // The divisor of the reduction keeps the sign gcd gives it.
        {{-7, 2}, 0, {0, 5}, true, 10, {-35, 10}, -5, {-7, 2}, true, -3, {1, 2}, true},
        {{1, -2}, 0, {1, 3}, false, -6, {1, -6}, 1, {-1, 6}, false, 0, {-1, 6}, true},
        {{1, 2}, 1, {1, 2}, true, 2, {0, 2}, 0, {0, 1}, true, 0, {0, 1}, false},
        {{2, 3}, 3, {4, 9}, false, 0, {18, 12}, 6, {3, 2}, false, 0, {3, 2}, true},
    };
    for (const Row& row : rows) {
        const FractionResult r = solve_fraction({row.first, row.second, row.operation, row.mixed});
        const auto where = testing::Message() << row.first.numerator << "/" << row.first.denominator << " op "
                                              << row.operation << " " << row.second.numerator << "/"
                                              << row.second.denominator << (row.mixed ? " mixed" : "");
        EXPECT_EQ(r.common, row.common) << where;
        EXPECT_EQ(r.unreduced, row.unreduced) << where;
        EXPECT_EQ(r.divisor, row.divisor) << where;
        EXPECT_EQ(r.reduced, row.reduced) << where;
        EXPECT_EQ(r.hasWhole, row.hasWhole) << where;
        EXPECT_EQ(r.whole, row.whole) << where;
        EXPECT_EQ(r.shown, row.shown) << where;
        EXPECT_EQ(r.fractionShown, row.fractionShown) << where;
    }
}

TEST(TypedResults, DecimalFraction)
{
    struct Row {
        double value;
        int digits;
        double power;
        std::int64_t divisor;
        double numerator, denominator;
    };
    const Row rows[] = {
        {4, 1, 10, 2, 2, 5},
        {25, 2, 100, 25, 1, 4},
        {5, 2, 100, 5, 1, 20}, // "05"
        {0, 3, 1000, 0, 0, 1},
    };
    for (const Row& row : rows) {
        const DecimalFraction r = solve_decimal({row.value, row.digits});
        EXPECT_EQ(r.power, row.power) << row.value;
        EXPECT_EQ(r.divisor, row.divisor) << row.value;
        EXPECT_EQ(r.numerator, row.numerator) << row.value;
        EXPECT_EQ(r.denominator, row.denominator) << row.value;
    }
}

TEST(TypedResults, Divisors)
{
    struct Row {
        std::vector<std::int64_t> numbers;
        std::vector<std::int64_t> divisors, multiples; // after each number
        bool inRange;
    };
    const Row rows[] = {
        {{10, 15, 20}, {10, 5, 5}, {10, 30, 60}, true},
        {{7, 7}, {7, 7}, {7, 7}, true},
        {{999999999, 999999998}, {999999999, 1}, {999999999, 999999997000000002}, true},
        {{999999999, 999999998, 999999997, 3}, {999999999, 1, 1, 1}, {999999999, 999999997000000002, 0, 0}, false},
    };
    for (const Row& row : rows) {
        const Divisors r = solve_divisors({row.numbers});
        std::vector<std::int64_t> divisors, multiples;
        for (const Divisors::Step& s : r.steps) {
            divisors.push_back(s.divisor);
            multiples.push_back(s.multiple);
        }
        EXPECT_EQ(divisors, row.divisors) << row.numbers.size();
        EXPECT_EQ(multiples, row.multiples) << row.numbers.size();
        EXPECT_EQ(r.divisor, row.divisors.back());
        EXPECT_EQ(r.multiple, row.multiples.back());
        EXPECT_EQ(r.multipleInRange, row.inRange);
    }
}

TEST(TypedResults, Angles)
{
    struct Row {
        AngleInput in;
        double degrees, radians, grads; // as shown with 2 places
        double st, min, vt;
        const char* typed;
    };
    const auto given = [](AngleUnit unit, double value) {
        AngleInput in;
        in.unit = unit;
        in.value = value;
        return in;
    };
    // The parts as typed, read.
    const auto dms = [](const char* st, const char* min, const char* vt) {
        AngleInput in;
        in.unit = AngleUnit::Dms;
        in.stText = QString::fromUtf8(st);
        in.minText = QString::fromUtf8(min);
        in.vtText = QString::fromUtf8(vt);
        in.st = in.stText.toDouble();
        in.min = in.minText.toDouble();
        in.vt = in.vtText.toDouble();
        return in;
    };
    const Row rows[] = {
        // 59,99... seconds round to 60 and are carried into the minutes.
        {given(AngleUnit::Degrees, 57.3), 57.3, 1, 63.67, 57, 18, 0, ""},
        {given(AngleUnit::Radians, 1), 57.3, 1, 63.66, 57, 17, 45, ""},
        {given(AngleUnit::Grads, 100), 90, 1.57, 100, 90, 0, 0, ""},
        {given(AngleUnit::Degrees, -1.5), -1.5, -0.03, -1.67, -1, -30, 0, ""},
        {dms("12", "", "30"), 12.01, 0.21, 13.34, 12, 0, 30, "Původní zadání: 12 st. 0 min 30 vt."},
        {dms("", "90", ""), 1.5, 0.03, 1.67, 1, 30, 0, "Původní zadání: 0 st. 90 min. "},
    };
    for (const Row& row : rows) {
        const AngleResult r = convert_angle(row.in);
        const auto where = testing::Message() << static_cast<int>(row.in.unit) << " " << row.in.value;
        EXPECT_DOUBLE_EQ(static_cast<double>(round_places(r.degrees, 2)), row.degrees) << where;
        EXPECT_DOUBLE_EQ(static_cast<double>(round_places(r.radians, 2)), row.radians) << where;
        EXPECT_DOUBLE_EQ(static_cast<double>(round_places(r.grads, 2)), row.grads) << where;
        EXPECT_EQ(r.st, row.st) << where;
        EXPECT_EQ(r.min, row.min) << where;
        EXPECT_EQ(r.vt, row.vt) << where;
        if (row.in.unit == AngleUnit::Dms) {
            EXPECT_EQ(typed_text(row.in), QString::fromUtf8(row.typed)) << where;
        }
    }
}

// The formulas of the angles read as a pupil writes them.
TEST(TypedResults, AngleFormulasAsText)
{
    const Sym deg = Sym::name(QStringLiteral("α"));
    EXPECT_EQ(radians_of_degrees(deg).text(), QStringLiteral("α/180 · π"));
    EXPECT_EQ(degrees_of_dms(Sym(12), Sym(0), Sym(30)).text(), QStringLiteral("0/60 + 12 + 30/3600"));
}

// Each calculation publishes its result under its page's name; a stopped
// run publishes nothing.
TEST(TypedResults, PublishedByPage)
{
    struct Row {
        const char* page;
        const char* event;
        std::function<bool(const WindowModel&, const QString&)> has;
    };
    const auto of = [](auto typed) {
        return [](const WindowModel& m, const QString& page) { return m.result<decltype(typed)>(page) != nullptr; };
    };
    const Row rows[] = {
        {"pc", "rozlozClick", of(Factorization{})},
        {"pc", "vypisClick", of(PrimeListing{})},
        {"TabSheet1", "preved_soustavyClick", of(BaseConversion{})},
        {"zlm", "zlomekClick", of(FractionResult{})},
        {"zlm", "prevedClick", of(DecimalFraction{})},
        {"nsnnsd", "dvecislaClick", of(Divisors{})},
        {"uhly", "uhly_vypocetClick", of(AngleResult{})},
    };
    for (const Row& row : rows) {
        test_support::AssembledWindow w;
        const QString page = QString::fromLatin1(row.page);
        EXPECT_FALSE(row.has(w.model, page)) << row.event;
        w.run(row.event);
        EXPECT_TRUE(row.has(w.model, page)) << row.event;
    }

    test_support::AssembledWindow w;
    w.model.setText(QStringLiteral("zadani_prv"), QStringLiteral("9223372036854775783"));
    w.host.onPoll = [&](int) { w.run("prerusClick"); };
    w.run("rozlozClick");
    EXPECT_FALSE(w.model.result<Factorization>(QStringLiteral("pc")));
}

} // namespace
