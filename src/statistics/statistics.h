#pragma once
#include "core/formula.h"
#include "model/declare.h"
#include "model/model.h"
#include "model/registry.h"

#include <QtGlobal>

#include <exception>
#include <utility>
#include <vector>

namespace qvk::statistics {

// The page's name: in the calculator table, and its published result.
inline constexpr char kStatisticsPage[] = "stat";

// The page "Statistika": the characteristics of a data set.
inline constexpr char kStatisticsStop[] = "statistics"; // stop flag of the run
void declare_statistics(WindowModel& model);
// The page's descriptor: its fields, their places on the page.
std::span<const declare::Entry> statistics_fields();
void register_statistics(Registry& registry);

void stat_vyresClick(WindowModel& model);
void stat_prerusClick(WindowModel& model);
void vymaz_statClick(WindowModel& model);
void dataChange(WindowModel& model);
void dataKeyUp(WindowModel& model);

// --- the formulas, once for the decimal and for the written line; the sums
// over the data are their arguments: n the count, S the sum, and over the
// deviations from the mean A of |d|, Q of d^2, C of d^3, F of d^4.

template <typename N>
N mean(const N& S, const N& n)
{
    return keep(S / n);
}
template <typename N>
N variance(const N& Q, const N& n)
{
    return keep(Q / n);
}
template <typename N>
N deviation(const N& variance)
{
    return keep(root(variance));
}
template <typename N>
N range(const N& largest, const N& smallest)
{
    return keep(largest - smallest);
}
template <typename N>
N mean_deviation(const N& A, const N& n)
{
    return keep(A / n);
}
// The mean of the two middle values of an even count.
template <typename N>
N median_even(const N& lower, const N& upper)
{
    return keep((lower + upper) / N(2));
}
// s is the standard deviation, not 0.
template <typename N>
N skewness(const N& C, const N& n, const N& s)
{
    return keep(C / n / (s * s * s));
}
template <typename N>
N kurtosis(const N& F, const N& n, const N& s)
{
    return keep(F / n / (s * s * (s * s)) - N(3));
}
// The mean is not 0; per cent.
template <typename N>
N variation(const N& s, const N& mean)
{
    return keep(s / mean * N(100));
}

// --- the typed solve

struct StatisticsInput {
    std::vector<double> values; // as read, at least two
};

struct StatisticsResult {
    StatisticsInput in;
    bool stopped = false;        // the sort was stopped: nothing was computed
    std::exception_ptr failure;  // an arithmetic fault after the sort

    qsizetype n = 0;
    std::vector<double> sorted; // ascending
    double sum = 0;
    double mean = 0;
    // The middle value, or the mean of the two middle ones from medianAt
    // (counted from 0) when n is even.
    double median = 0;
    qsizetype medianAt = 0;
    double range = 0;         // largest minus smallest
    double meanDeviation = 0; // mean absolute deviation
    double variance = 0;
    double deviation = 0;     // standard deviation
    double variation = 0;     // coefficient of variation, per cent
    double kurtosis = 0;
    double skewness = 0;
};

// The characteristics of values sorted ascending. Arithmetic faults are
// caught into the result, never thrown.
StatisticsResult characteristics(const StatisticsInput& in, std::vector<double> sorted);

// Sorts by exchanges, then computes. Between the steps of the sort the page
// lets its events through: `compared()` false after a comparison ends the
// pass, `passed(pass)` false after a pass stops the sort (nothing computed).
// A template, so that a poll costs what the page's own check costs.
template <typename Compared, typename Passed>
StatisticsResult solve_statistics(const StatisticsInput& in, Compared&& compared, Passed&& passed)
{
    std::vector<double> x = in.values;
    const qsizetype r = static_cast<qsizetype>(x.size()) - 1;
    for (qsizetype i = 0; i <= r; ++i) {
        double& xi = x[static_cast<size_t>(i)];
        for (qsizetype j = i + 1; j <= r; ++j) {
            double& xj = x[static_cast<size_t>(j)];
            if (xj < xi)
                std::swap(xi, xj);
            if (!compared())
                break;
        }
        if (!passed(i)) {
            StatisticsResult res;
            res.in = in;
            res.n = r + 1;
            res.stopped = true;
            res.sorted = std::move(x);
            return res;
        }
    }
    return characteristics(in, std::move(x));
}

inline StatisticsResult solve_statistics(const StatisticsInput& in)
{
    return solve_statistics(in, [] { return true; }, [](qsizetype) { return true; });
}

// The worked solution (statistics_explain.cpp); `places` as the page rounds.
Postup explain_statistics(const StatisticsResult& r, int places);
// The histogram and the box plot of the values, as an SVG document
// (sketch/svg.h); empty when there is nothing to draw.
QString statistics_chart(const StatisticsResult& r, int places);

// A characteristic as the page shows it.
QString statistic_text(double value, int places);

} // namespace qvk::statistics
