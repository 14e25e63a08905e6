// The pictures of the solids and the statistics chart on their largest
// inputs, in milliseconds against the bound of about 10 ms. The chart is
// also measured against the page's own characteristics of the same values
// in the same run (counter "ratio").
#include "stereometry/explain.h"
#include "statistics/statistics.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

// 10,000 values with a tail of outliers on both sides, sorted by the page.
void BM_ChartStatistics10000(benchmark::State& state)
{
    std::mt19937 gen(4);
    std::normal_distribution<double> normal(100, 15);
    std::cauchy_distribution<double> tail(100, 5);
    qvk::statistics::StatisticsInput in;
    for (int i = 0; i < 10000; ++i)
        in.values.push_back(i % 10 == 0 ? tail(gen) : normal(gen));
    std::vector<double> sorted = in.values;
    std::sort(sorted.begin(), sorted.end());
    const qvk::statistics::StatisticsResult r = qvk::statistics::characteristics(in, sorted);
    double solving = 0, drawing = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(qvk::statistics::characteristics(in, sorted).mean);
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(qvk::statistics::statistics_chart(r, 2).size());
        const auto t2 = Clock::now();
        solving += std::chrono::duration<double, std::milli>(t1 - t0).count();
        drawing += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["solve_ms"] = solving / n;
    state.counters["chart_ms"] = drawing / n;
    state.counters["ratio"] = drawing / solving;
}

// A pyramid over a million vertices: the base is sampled.
void BM_SketchPyramidMillion(benchmark::State& state)
{
    qvk::Solved s;
    s.page = QStringLiteral("jehlan_desk");
    s.names = {"jeh_n", "jeh_a", "jeh_v", "jeh_sp", "jeh_s", "jeh_vv"};
    s.values = {1e6, 1, 100, 159155, 1e11, 2.6e12};
    s.typed = {"1000000", "1", "100", "", "", ""};
    s.given = 7;
    s.places = 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(qvk::stereometry::sketch_solid(s).size());
}

} // namespace

BENCHMARK(BM_ChartStatistics10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SketchPyramidMillion)->Unit(benchmark::kMillisecond);
