// The worked solution on hostile inputs: its time beside the page's own
// solve of the same input, measured in the same run (counter "ratio"), and
// in milliseconds against the bound of about 50 ms.
#include "equations/quadratic.h"
#include "equations/system.h"
#include "statistics/statistics.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

template <typename Solve, typename Explain>
void timed(benchmark::State& state, Solve solve, Explain explain)
{
    double solving = 0, explaining = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        auto r = solve();
        const auto t1 = Clock::now();
        const qvk::Postup p = explain(r);
        const auto t2 = Clock::now();
        benchmark::DoNotOptimize(p.lines.data());
        solving += std::chrono::duration<double, std::milli>(t1 - t0).count();
        explaining += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["solve_ms"] = solving / n;
    state.counters["explain_ms"] = explaining / n;
    state.counters["ratio"] = explaining / solving;
}

// A system of 26 equations with every number drawn by `draw`.
template <typename Draw>
qvk::equations::SystemInput system_of(Draw draw)
{
    qvk::equations::SystemInput in;
    const int n = 26;
    in.given.n = n;
    in.given.a.assign(n + 1, std::vector<long double>(n + 1, 0));
    in.given.b.assign(n + 1, 0);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n + 1; ++j)
            (j <= n ? in.given.a[i][j] : in.given.b[i]) = draw();
    in.places = 2;
    return in;
}

void explain_system(benchmark::State& state, const qvk::equations::SystemInput& in)
{
    timed(state, [&] { return qvk::equations::solve_system(in); },
          [](const auto& r) { return qvk::equations::explain_system(r); });
}

// 26 equations of 12-digit decimals: exact elimination gives up at its bound.
void BM_ExplainSystem26Decimals(benchmark::State& state)
{
    std::mt19937 gen(1);
    std::uniform_int_distribution<int> whole(-9999, 9999), part(0, 999999);
    explain_system(state, system_of([&] { return whole(gen) + part(gen) / 1e6; }));
}

// 26 equations of small whole numbers: exact as far as the bound allows.
void BM_ExplainSystem26Whole(benchmark::State& state)
{
    std::mt19937 gen(2);
    std::uniform_int_distribution<int> small(-9, 9);
    explain_system(state, system_of([&] { return small(gen); }));
}

// 10,000 values of two decimals (the sort is the page's exchange sort).
void BM_ExplainStatistics10000(benchmark::State& state)
{
    std::mt19937 gen(3);
    std::uniform_int_distribution<int> hundredths(-999999, 999999);
    qvk::statistics::StatisticsInput in;
    for (int i = 0; i < 10000; ++i)
        in.values.push_back(hundredths(gen) / 100.0);
    timed(state, [&] { return qvk::statistics::solve_statistics(in); },
          [](const auto& r) { return qvk::statistics::explain_statistics(r, 2); });
}

void BM_ExplainQuadratic(benchmark::State& state)
{
    const qvk::equations::QuadraticInput in{99999, -9999.5, 0.0001, 0, 2};
    timed(state, [&] { return qvk::equations::solve_quadratic(in); },
          [](const auto& r) { return qvk::equations::explain_quadratic(r); });
}

} // namespace

BENCHMARK(BM_ExplainSystem26Decimals)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExplainSystem26Whole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExplainStatistics10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExplainQuadratic)->Unit(benchmark::kMicrosecond);
