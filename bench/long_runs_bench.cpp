// The long calculations beside their bare loops, each pair timed in turn in
// every iteration: the factorization of the largest prime below 2^63 beside
// a trial-division loop over the same candidates with neither events nor
// output, and the statistics of 10^3, 10^4 and 3 * 10^4 values (parse and
// write-back included) beside a plain exchange sort of the same values. Each
// runs in the window (its pages bound, the desktop's event pump, offscreen)
// and through qvkalkor-batch's protocol. The ratios are printed at the end;
// in the window also the longest time the event loop waited, which bounds
// how long Stop may take.
#include "app/assembly.h"
#include "batch/protocol.h"
#include "numbers/primes.h"
#include "shell/binding.h"
#include "shell/gui_host.h"
#include "shell/pages/primes_page.h"
#include "shell/pages/statistics_page.h"
#include "shell/tests/support/page_harness.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

const QString kLargestPrime = QStringLiteral("9223372036854775783");

using Assembled = qvk::shell::test_support::AssembledModel;

// The two pages in their widgets, bound to the model as in the window.
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

// The longest wait of the event loop while `run` runs: a zero timer fires at
// every pass of the event loop.
struct EventGaps {
    QTimer tick;
    QElapsedTimer since;
    double longest = 0; // seconds

    EventGaps()
    {
        tick.setInterval(0);
        QObject::connect(&tick, &QTimer::timeout, [this] {
            longest = std::max(longest, since.nsecsElapsed() * 1e-9);
            since.restart();
        });
    }
    template <typename Run>
    void watch(Run run)
    {
        since.start();
        tick.start();
        run();
        longest = std::max(longest, since.nsecsElapsed() * 1e-9);
        tick.stop();
    }
};

double seconds_of(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What the end prints: per pair, the run's and the bare loop's mean seconds.
struct Pair {
    double run = 0;
    double bare = 0;
    double longestWait = -1;
};
std::vector<std::pair<std::string, Pair>> g_pairs;

void note(benchmark::State& state, const std::string& name, double run, double bare, double wait = -1)
{
    const double n = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bare / n * 1e3;
    state.counters["ratio"] = run / bare;
    if (wait >= 0)
        state.counters["longest_wait_ms"] = wait * 1e3;
    g_pairs.emplace_back(name, Pair{run / n, bare / n, wait});
}

// The same candidates 5, 11, 17, ... and their neighbours + 2, with neither
// events nor output.
std::uint64_t bare_factorization(std::uint64_t n)
{
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
    return n;
}

double bare_factorization_seconds()
{
    return seconds_of([] {
        std::uint64_t n = 9223372036854775783u;
        benchmark::DoNotOptimize(n);
        n = bare_factorization(n);
        benchmark::DoNotOptimize(n);
    });
}

void BM_FactorizationWindow(benchmark::State& state)
{
    Desk desk;
    EventGaps gaps;
    double run = 0;
    double bare = 0;
    for (auto _ : state) {
        bare += bare_factorization_seconds();
        desk.model.setText(QStringLiteral("zadani_prv"), kLargestPrime);
        const double s = seconds_of([&] {
            gaps.watch([&] { qvk::run_required(desk.model, desk.registry, QStringLiteral("rozlozClick")); });
        });
        state.SetIterationTime(s);
        run += s;
    }
    if (desk.model.text(QStringLiteral("rozklad")) != kLargestPrime + QStringLiteral("\nje prvočíslo\n"))
        state.SkipWithError("wrong factorization");
    note(state, "factorization of " + kLargestPrime.toStdString() + " in the window", run, bare, gaps.longest);
}

QByteArray request(const QJsonObject& set, const char* run)
{
    QJsonObject step;
    step[QStringLiteral("set")] = set;
    step[QStringLiteral("run")] = QString::fromUtf8(run);
    QJsonObject r;
    r[QStringLiteral("steps")] = QJsonArray{step};
    return QJsonDocument(r).toJson(QJsonDocument::Compact);
}

void BM_FactorizationBatch(benchmark::State& state)
{
    const QByteArray line = request(QJsonObject{{QStringLiteral("zadani_prv"), kLargestPrime}}, "rozlozClick");
    double run = 0;
    double bare = 0;
    QByteArray answer;
    for (auto _ : state) {
        bare += bare_factorization_seconds();
        const double s = seconds_of([&] { answer = qvk::batch::answer(line); });
        state.SetIterationTime(s);
        run += s;
    }
    if (!answer.contains("je prvočíslo"))
        state.SkipWithError("wrong factorization");
    note(state, "factorization of " + kLargestPrime.toStdString() + " in qvkalkor-batch", run, bare);
}

// Values with two decimal places as a pupil types them, and their doubles.
struct Values {
    QStringList texts;
    std::vector<double> numbers;
};

Values values(int64_t count)
{
    Values v;
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> value(-100000, 100000);
    for (int64_t i = 0; i < count; ++i) {
        const int hundredths = value(rng);
        v.texts.append(QString::number(hundredths / 100.0, 'f', 2).replace(u'.', u','));
        v.numbers.push_back(hundredths / 100.0);
    }
    return v;
}

// The exchange sort of the calculator with nothing around it.
double bare_sort_seconds(std::vector<double> x)
{
    const double s = seconds_of([&] {
        const size_t n = x.size();
        for (size_t i = 0; i < n; ++i)
            for (size_t j = i + 1; j < n; ++j)
                if (x[j] < x[i])
                    std::swap(x[i], x[j]);
        benchmark::DoNotOptimize(x.data());
        benchmark::ClobberMemory();
    });
    if (!std::is_sorted(x.begin(), x.end()))
        std::abort();
    return s;
}

void BM_StatisticsWindow(benchmark::State& state)
{
    Desk desk;
    EventGaps gaps;
    const Values v = values(state.range(0));
    double run = 0;
    double bare = 0;
    for (auto _ : state) {
        bare += bare_sort_seconds(v.numbers);
        desk.model.setLines(QStringLiteral("data"), v.texts);
        QApplication::processEvents();
        const double s = seconds_of([&] {
            gaps.watch([&] { qvk::run_required(desk.model, desk.registry, QStringLiteral("stat_vyresClick")); });
        });
        state.SetIterationTime(s);
        run += s;
    }
    if (desk.model.text(QStringLiteral("stat_prumer")).isEmpty())
        state.SkipWithError("no results");
    note(state, "statistics " + std::to_string(state.range(0)) + " in the window", run, bare, gaps.longest);
}

void BM_StatisticsBatch(benchmark::State& state)
{
    const Values v = values(state.range(0));
    const QByteArray line =
        request(QJsonObject{{QStringLiteral("data"), v.texts.join(u'\n') + u'\n'}}, "stat_vyresClick");
    double run = 0;
    double bare = 0;
    QByteArray answer;
    for (auto _ : state) {
        bare += bare_sort_seconds(v.numbers);
        const double s = seconds_of([&] { answer = qvk::batch::answer(line); });
        state.SetIterationTime(s);
        run += s;
    }
    if (answer.contains("\"stat_prumer\":\"\"") || !answer.contains("stat_prumer"))
        state.SkipWithError("no results");
    note(state, "statistics " + std::to_string(state.range(0)) + " in qvkalkor-batch", run, bare);
}

} // namespace

BENCHMARK(BM_FactorizationWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_FactorizationBatch)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_StatisticsWindow)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
BENCHMARK(BM_StatisticsBatch)->Arg(10000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // One line per ratio; a benchmark never fails: these are for reading.
    for (const auto& [name, p] : g_pairs) {
        std::printf("%s: %.3f s, bare loop %.3f s, ratio %.2f", name.c_str(), p.run, p.bare, p.run / p.bare);
        if (p.longestWait >= 0)
            std::printf(", longest wait for events %.0f ms", p.longestWait * 1e3);
        std::printf("\n");
    }
    return 0;
}
