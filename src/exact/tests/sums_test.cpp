#include "exact/sums.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace qvk {
namespace {

struct Case {
    const char* what;
    std::vector<double> values;
    const char* sum; // "" for unknown
    const char* squares;
    const char* fourths;
    const char* distances;
};

const Case kCases[] = {
    {"typed decimals", {0.1, 0.1, 0.1}, "3/10", "3/100", "3/10000", "0"},
    {"whole numbers", {1, 2, 3, 4}, "10", "30", "354", "4"},
    {"mixed places and signs", {-1.5, 2, 0.001}, "501/1000", "6250001/1000000", "", "1833/500"},
    {"one zero", {0}, "0", "0", "0", "0"},
    {"large and small within the digits", {1e50, 1}, "100000000000000000000000000000000000000000000000001", "", "", ""},
    {"too many digits on one scale", {1e60, 1e-30}, "", "", "", ""},
    {"not finite", {1, std::numeric_limits<double>::infinity()}, "", "", "", ""},
};

class DataSumsCase : public ::testing::TestWithParam<Case> {};

TEST_P(DataSumsCase, SumsAsExpected)
{
    const Case& c = GetParam();
    const DataSums s = data_sums(c.values);
    // An empty sum: every sum unknown; otherwise "" is not looked at.
    const bool unknown = *c.sum == '\0';
    const auto check = [&](const Exact& x, const char* expected) {
        if (unknown) {
            EXPECT_FALSE(x.known()) << c.what << ": " << x.canonical().toStdString();
        } else if (*expected != '\0') {
            EXPECT_EQ(x.canonical().toStdString(), expected) << c.what;
        }
    };
    check(s.powers[1], c.sum);
    check(s.powers[2], c.squares);
    check(s.powers[4], c.fourths);
    check(s.distances, c.distances);
    if (!unknown) {
        EXPECT_EQ(s.powers[0], Exact::fraction(static_cast<long long>(c.values.size()), 1)) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DataSumsCase, ::testing::ValuesIn(kCases));

// The common scale gives what adding the values one by one gives.
TEST(DataSums, AgreeWithValueByValueSums)
{
    std::mt19937_64 random(25);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-8, 8);
    for (int round = 0; round < 20; ++round) {
        std::vector<double> values;
        for (int i = 0; i < 30; ++i)
            values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
        const DataSums s = data_sums(values);
        Exact p[5] = {Exact(0), Exact(0), Exact(0), Exact(0), Exact(0)};
        for (double v : values) {
            const Exact x = Exact::decimal(v);
            Exact power(1);
            for (int k = 0; k <= 4; ++k) {
                p[k] += power;
                power *= x;
            }
        }
        for (int k = 0; k <= 4; ++k)
            EXPECT_EQ(s.powers[k], p[k]) << "round " << round << ", power " << k;
        const Exact mean = p[1] / p[0];
        Exact distances(0);
        for (double v : values)
            distances += absolute(Exact::decimal(v) - mean);
        EXPECT_EQ(s.distances, distances) << "round " << round;
    }
}

} // namespace
} // namespace qvk
