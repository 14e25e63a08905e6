// The typed results of the equation solvers: every root the cubic page
// shows, real or complex, satisfies its equation; each variable of a system
// is classified.
#include "equations/cubic.h"
#include "equations/system.h"

#include <gtest/gtest.h>

#include <complex>

namespace qvk::equations {
namespace {

struct Cubic {
    double a, b, c, d;
    CubicRoots::Kind kind;
};

std::complex<long double> value(const Cubic& e, std::complex<long double> x)
{
    return ((static_cast<long double>(e.a) * x + static_cast<long double>(e.b)) * x + static_cast<long double>(e.c)) *
               x +
           static_cast<long double>(e.d);
}

class CubicRootsTest : public testing::TestWithParam<Cubic> {};

TEST_P(CubicRootsTest, EveryRootSolvesTheEquation)
{
    const Cubic e = GetParam();
    const CubicRoots r = solve_cubic(e.a, e.b, e.c, e.d);
    EXPECT_EQ(r.kind, e.kind);
    const long double scale = std::abs(e.a) + std::abs(e.b) + std::abs(e.c) + std::abs(e.d);
    auto check = [&](std::complex<long double> x) {
        EXPECT_LT(std::abs(value(e, x)), 1e-9L * scale * (1 + std::norm(x) * std::abs(x))) << x.real() << " " << x.imag();
    };
    check(r.x1);
    switch (r.kind) {
    case CubicRoots::Kind::OneReal:
        EXPECT_GE(r.im, 0);
        check({r.re, r.im});
        check({r.re, -r.im});
        break;
    case CubicRoots::Kind::DoubleRoot:
        check(r.x2);
        break;
    case CubicRoots::Kind::Triple:
    case CubicRoots::Kind::ThreeReal:
        check(r.x2);
        check(r.x3);
        break;
    }
    if (r.D < 0) {
        // Largest, smallest, middle.
        EXPECT_GE(r.x1, r.x3);
        EXPECT_GE(r.x3, r.x2);
    }
}

INSTANTIATE_TEST_SUITE_P(Cubics, CubicRootsTest,
                         testing::Values(Cubic{1, 1, 1, 1, CubicRoots::Kind::OneReal},
                                         Cubic{1, -6, 11, -6, CubicRoots::Kind::ThreeReal},
                                         Cubic{-3, 18, -33, 18, CubicRoots::Kind::ThreeReal},
                                         Cubic{1, 0, -3, 2, CubicRoots::Kind::DoubleRoot},
                                         Cubic{1, -3, 3, -1, CubicRoots::Kind::Triple},
                                         Cubic{2, 0, 0, -16, CubicRoots::Kind::OneReal},
                                         Cubic{1, 0, 1, 0, CubicRoots::Kind::OneReal},
                                         Cubic{99999, -9999, 0.5, 7, CubicRoots::Kind::ThreeReal},
                                         Cubic{0.5, -120, 3, 99999, CubicRoots::Kind::ThreeReal},
                                         // D rounds to 0 with one of p and q zero.
                                         Cubic{99999, 0, 1, 0, CubicRoots::Kind::OneReal},
                                         Cubic{99999, 0, -1, 0, CubicRoots::Kind::ThreeReal},
                                         Cubic{99999, 0, 0, 1e-8, CubicRoots::Kind::OneReal}));

struct System {
    std::vector<std::vector<double>> rows; // coefficients, then the right-hand side
    std::vector<Unknown> unknowns;
    size_t steps;
};

class SystemTest : public testing::TestWithParam<System> {};

TEST_P(SystemTest, ClassifiesEveryVariable)
{
    const System& e = GetParam();
    SystemInput in;
    const int n = static_cast<int>(e.rows.size());
    in.given.n = n;
    in.given.a.assign(n + 1, std::vector<long double>(n + 1, 0));
    in.given.b.assign(n + 1, 0);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            in.given.a[i][j] = e.rows[i - 1][j - 1];
        in.given.b[i] = e.rows[i - 1][n];
    }
    in.places = 2;
    in.listed = true;
    const SystemResult r = solve_system(in);
    EXPECT_FALSE(r.failure);
    EXPECT_EQ(r.reached, SystemResult::Stage::Classified);
    EXPECT_EQ(r.steps.size(), e.steps);
    ASSERT_EQ(r.unknowns.size(), e.unknowns.size());
    for (size_t k = 0; k < e.unknowns.size(); ++k) {
        EXPECT_EQ(r.unknowns[k].kind, e.unknowns[k].kind) << k;
        EXPECT_EQ(r.unknowns[k].value, e.unknowns[k].value) << k;
    }
}

using K = Unknown::Kind;
INSTANTIATE_TEST_SUITE_P(Systems, SystemTest,
                         testing::Values(System{{{2, 3, 4}, {3, 4, 5}}, {{K::Value, -1}, {K::Value, 2}}, 5},
                                         System{{{1, 1, 2}, {2, 2, 4}}, {{K::Dependent}, {K::Free}}, 2},
                                         System{{{1, 1, 2}, {2, 2, 5}}, {{K::NoSolution}, {K::NoSolution}}, 2},
                                         // No row exchange: row 2 is added to row 1 first.
                                         System{{{0, 1, 1}, {1, 1, 3}}, {{K::Value, 2}, {K::Value, 1}}, 4}));

} // namespace
} // namespace qvk::equations
