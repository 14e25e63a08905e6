#include "app/tests/support/assembled_window.h"
#include "statistics/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

struct Page : qvk::test_support::AssembledWindow {
    QStringList progress; // the texts `Tridim` showed, in order

    Page()
    {
        model.observe([this](const QString& name) {
            if (name == u"Tridim")
                progress.append(model.text(name));
        });
    }
    bool idle() const
    {
        return model.enabled(QStringLiteral("stat_vyres")) && model.enabled(QStringLiteral("vymaz_stat")) &&
               !model.enabled(QStringLiteral("stat_prerus"));
    }
};

QStringList values(int n)
{
    QStringList out;
    for (int i = n; i > 0; --i)
        out.append(QString::number(i));
    return out;
}

TEST(Statistics, NoProgressUpTo501Values)
{
    Page p;
    p.model.setLines(QStringLiteral("data"), values(501));
    p.run("stat_vyresClick");
    EXPECT_TRUE(p.progress.isEmpty());
    EXPECT_EQ(p.model.text(QStringLiteral("stat_median")), QStringLiteral("251"));
    const auto* r = p.model.result<qvk::statistics::StatisticsResult>(QStringLiteral("stat"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->median, 251);
}

TEST(Statistics, ProgressAbove501Values)
{
    Page p;
    p.model.setLines(QStringLiteral("data"), values(502));
    p.run("stat_vyresClick");
    // r = 501: a percentage at every sixth pass, i * 100 div 501.
    QStringList expected{QStringLiteral("Třídím data ...")};
    for (int i = 0; i <= 501; i += 6)
        expected.append(QStringLiteral("Třídím data ... %1 %").arg(i * 100 / 501));
    expected.append(QStringLiteral("Vypisuji data"));
    expected.append(QString());
    EXPECT_EQ(p.progress, expected);
    EXPECT_EQ(p.model.lines(QStringLiteral("data")).first(), QStringLiteral("1"));
    EXPECT_EQ(p.model.text(QStringLiteral("stat_prvky")), QStringLiteral("502"));
    EXPECT_TRUE(p.idle());
}

// A stop at any poll, during the sort or the write-back, leaves the data and
// the count as they were, shows no results and unlocks the page.
TEST(Statistics, StopAtEveryPollKeepsThePage)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> value(-50, 50);
    QStringList data;
    for (int i = 0; i < 9; ++i)
        data.append(QString::number(value(rng)));
    const int sortPolls = 9 * 8 / 2 + 9;
    const int allPolls = sortPolls + 9;

    for (int stopAt = 1; stopAt <= allPolls + 1; ++stopAt) {
        Page p;
        p.model.setLines(QStringLiteral("data"), data);
        p.model.setText(QStringLiteral("stat_prvky"), QStringLiteral("7"));
        p.model.setText(QStringLiteral("stat_prumer"), QStringLiteral("old"));
        p.host.onPoll = [&](int poll) {
            // Locked until the stop (which unlocks at once, before the pass's own poll).
            if (poll <= stopAt) {
                EXPECT_FALSE(p.idle()) << stopAt;
            }
            if (poll == stopAt)
                p.run("stat_prerusClick");
        };
        p.run("stat_vyresClick");
        EXPECT_TRUE(p.idle()) << stopAt;
        EXPECT_TRUE(p.host.messages.empty()) << stopAt;
        if (stopAt <= allPolls) {
            EXPECT_EQ(p.model.lines(QStringLiteral("data")), data) << stopAt;
            EXPECT_EQ(p.model.text(QStringLiteral("stat_prvky")), QStringLiteral("7")) << stopAt;
            EXPECT_EQ(p.model.text(QStringLiteral("stat_prumer")), QStringLiteral("old")) << stopAt;
        } else {
            QStringList sorted = data;
            std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
            EXPECT_EQ(p.model.polls(), allPolls);
            EXPECT_EQ(p.model.lines(QStringLiteral("data")), sorted);
            EXPECT_EQ(p.model.text(QStringLiteral("stat_prvky")), QStringLiteral("9"));
            EXPECT_NE(p.model.text(QStringLiteral("stat_prumer")), QStringLiteral("old"));
        }
    }
}

// A stop after a few comparisons is seen right after the next comparison.
TEST(Statistics, StopInsideAPassEndsTheSortAtOnce)
{
    Page p;
    p.model.setLines(QStringLiteral("data"), values(600));
    p.host.onPoll = [&](int poll) {
        if (poll == 3)
            p.run("stat_prerusClick");
    };
    p.run("stat_vyresClick");
    // Polls 1-3 in the first pass, then the pass's own poll.
    EXPECT_EQ(p.model.polls(), 4);
    EXPECT_EQ(p.progress, (QStringList{QStringLiteral("Třídím data ..."), QStringLiteral("Třídím data ... 0 %"), QString()}));
    EXPECT_EQ(p.model.lines(QStringLiteral("data")), values(600));
    EXPECT_TRUE(p.idle());
}

// The sample data set as values; each characteristic as the page shows it.
TEST(StatisticsResult, HoldsEveryCharacteristic)
{
    using qvk::statistics::StatisticsResult;
    const StatisticsResult r = qvk::statistics::solve_statistics({{12, 9, 8, 10, -9, 6, -3, 4, -7, -1, 5, 3}});
    EXPECT_FALSE(r.stopped);
    EXPECT_FALSE(r.failure);
    EXPECT_EQ(r.n, 12);
    EXPECT_EQ(r.sorted, (std::vector<double>{-9, -7, -3, -1, 3, 4, 5, 6, 8, 9, 10, 12}));
    EXPECT_EQ(r.sum, 37);
    EXPECT_EQ(r.medianAt, 5);
    EXPECT_EQ(r.median, 4.5);
    EXPECT_EQ(r.range, 21);
    const struct {
        double StatisticsResult::*value;
        const char* text;
    } shown[] = {{&StatisticsResult::mean, "3,08"},          {&StatisticsResult::meanDeviation, "5,4"},
                 {&StatisticsResult::variance, "41,74"},     {&StatisticsResult::deviation, "6,46"},
                 {&StatisticsResult::variation, "209,54"},   {&StatisticsResult::kurtosis, "-0,9"},
                 {&StatisticsResult::skewness, "-0,52"}};
    for (const auto& s : shown)
        EXPECT_EQ(qvk::statistics::statistic_text(r.*s.value, 2), QString::fromUtf8(s.text)) << s.text;
}

// The characteristics' formulas as the worked solution writes them.
TEST(StatisticsFormula, Text)
{
    using namespace qvk::statistics;
    using qvk::Sym;
    const auto n = [](const char* name) { return Sym::name(QString::fromUtf8(name)); };
    const Sym N = n("n"), S = n("S"), A = n("A"), Q = n("Q"), C = n("C"), F = n("F"), s = n("s"), x = n("x̄");
    const struct {
        Sym formula;
        const char* text;
    } rows[] = {
        {mean(S, N), "S/n"},
        {variance(Q, N), "Q/n"},
        {deviation(n("σ²")), "√σ²"},
        {range(n("max"), n("min")), "max − min"},
        {mean_deviation(A, N), "A/n"},
        {median_even(n("x₁"), n("x₂")), "(x₁ + x₂)/2"},
        {skewness(C, N, s), "C/n/(s · s · s)"},
        {kurtosis(F, N, s), "F/n/(s · s · (s · s)) − 3"},
        {variation(s, x), "s/x̄ · 100"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.formula.text(), QString::fromUtf8(r.text));
}

// A sum past the range is a fault kept in the result, after the sort.
TEST(StatisticsResult, KeepsTheFault)
{
    const auto r = qvk::statistics::solve_statistics({{1e308, -1, 1e308}});
    EXPECT_TRUE(r.failure);
    EXPECT_EQ(r.sorted, (std::vector<double>{-1, 1e308, 1e308}));
}

// A stopped sort computes nothing.
TEST(StatisticsResult, StoppedSortComputesNothing)
{
    const auto r = qvk::statistics::solve_statistics({{3, 2, 1}}, [] { return true; }, [](qsizetype) { return false; });
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.sorted, (std::vector<double>{1, 3, 2}));
    EXPECT_EQ(r.sum, 0);
}

} // namespace

namespace {

// Only a run that computed has a chart.
TEST(StatisticsChart, DrawsOnlyWhatWasComputed)
{
    using namespace qvk::statistics;
    EXPECT_TRUE(statistics_chart(solve_statistics({{1e308, -1, 1e308}}), 2).isEmpty());
    EXPECT_TRUE(statistics_chart(solve_statistics({{3, 2, 1}}, [] { return true; }, [](qsizetype) { return false; }), 2)
                    .isEmpty());
    EXPECT_TRUE(statistics_chart(StatisticsResult{}, 2).isEmpty());
    EXPECT_FALSE(statistics_chart(solve_statistics({{3, 2, 1}}), 2).isEmpty());
}

} // namespace
