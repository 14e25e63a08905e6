// The long calculations through their real handlers and the desktop's event
// pump (offscreen): the factorization of the largest prime below 2^63 beside
// a bare trial-division loop over the same candidates, and the statistics
// sort of 10^3, 10^4 and 3 * 10^4 values.
#include "app/assembly.h"
#include "shell/tests/support/page_harness.h"
#include "numbers/primes.h"
#include "shell/binding.h"
#include "shell/gui_host.h"
#include "shell/pages/primes_page.h"
#include "shell/pages/statistics_page.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <random>

namespace {

const QString kLargestPrime = QStringLiteral("9223372036854775783");

using Assembled = qvk::shell::test_support::AssembledModel;

// The model is assembled before the pages read its captions.
struct Desk : Assembled {
    qvk::shell::GuiHost host;
    qvk::shell::PrimesPage primes{model, 1.0};
    qvk::shell::StatisticsPage statistics{model, 1.0};
    qvk::shell::Binding binding{model, registry};

    Desk()
    {
        model.setHost(&host);
        binding.bindTree(&primes);
        binding.bindTree(&statistics);
    }
    ~Desk() { model.setHost(nullptr); }
};

double g_handler = 0; // seconds per run
double g_bare = 0;

void BM_FactorizationHandler(benchmark::State& state)
{
    Desk desk;
    for (auto _ : state) {
        desk.model.setText(QStringLiteral("zadani_prv"), kLargestPrime);
        qvk::run_required(desk.model, desk.registry, QStringLiteral("rozlozClick"));
    }
    if (desk.model.text(QStringLiteral("rozklad")) != kLargestPrime + QStringLiteral("\nje prvočíslo\n"))
        state.SkipWithError("wrong factorization");
}

// The same candidates 5, 11, 17, ... and their neighbours + 2, with neither
// events nor output.
void BM_FactorizationBareLoop(benchmark::State& state)
{
    for (auto _ : state) {
        std::uint64_t n = 9223372036854775783u;
        benchmark::DoNotOptimize(n);
        std::uint64_t b = qvk::numbers::isqrt(n) + 1;
        std::uint64_t bound_of = n;
        for (std::uint64_t i = 5; i <= b && n != 1; i += 6) {
            while (n % i == 0)
                n /= i;
            while (n % (i + 2) == 0)
                n /= i + 2;
            if (n != bound_of) {
                b = qvk::numbers::isqrt(n) + 1;
                bound_of = n;
            }
        }
        benchmark::DoNotOptimize(n);
    }
}

void BM_Statistics(benchmark::State& state)
{
    Desk desk;
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> value(-100000, 100000);
    QStringList data;
    for (int64_t i = 0; i < state.range(0); ++i)
        data.append(QString::number(value(rng) / 100.0, 'f', 2).replace(u'.', u','));
    for (auto _ : state) {
        state.PauseTiming();
        desk.model.setLines(QStringLiteral("data"), data);
        state.ResumeTiming();
        qvk::run_required(desk.model, desk.registry, QStringLiteral("stat_vyresClick"));
    }
    if (desk.model.text(QStringLiteral("stat_prumer")).isEmpty())
        state.SkipWithError("no results");
}

// Keeps the mean seconds per iteration of the two factorization runs.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            const std::string name = run.benchmark_name();
            if (name.rfind("BM_FactorizationHandler", 0) == 0)
                g_handler = seconds;
            else if (name.rfind("BM_FactorizationBareLoop", 0) == 0)
                g_bare = seconds;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(BM_FactorizationHandler)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FactorizationBareLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Statistics)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (g_handler > 0 && g_bare > 0)
        std::printf("factorization of %s: handler %.3f s, bare loop %.3f s, ratio %.3f\n",
                    qPrintable(kLargestPrime), g_handler, g_bare, g_handler / g_bare);
    return 0;
}
