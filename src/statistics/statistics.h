#pragma once
#include "model/model.h"
#include "model/registry.h"

#include <QtGlobal>

#include <exception>
#include <functional>
#include <vector>

namespace qvk::statistics {

// The page's name: in the calculator table, and its published result.
inline constexpr char kStatisticsPage[] = "stat";

// The page "Statistika": the characteristics of a data set.
inline constexpr char kStatisticsStop[] = "statistics"; // stop flag of the run
void declare_statistics(WindowModel& model);
void register_statistics(Registry& registry);

void stat_vyresClick(WindowModel& model);
void stat_prerusClick(WindowModel& model);
void vymaz_statClick(WindowModel& model);
void dataChange(WindowModel& model);
void dataKeyUp(WindowModel& model);

// --- the typed solve

struct StatisticsInput {
    std::vector<double> values; // as read, at least two
};

// Between the steps of the sort the page lets its events through: a false
// after a comparison ends the pass, a false after a pass stops the sort.
struct SortPolls {
    std::function<bool()> compared;            // after every comparison
    std::function<bool(qsizetype pass)> passed; // after every pass
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

// Sorts by exchanges, then computes. Arithmetic
// faults are caught into the result, never thrown.
StatisticsResult solve_statistics(const StatisticsInput& in, const SortPolls& polls = {});

// A characteristic as the page shows it.
QString statistic_text(double value, int places);

} // namespace qvk::statistics
