#pragma once
#include "model/model.h"
#include "model/registry.h"

namespace qvk::statistics {

// The page "Statistika": the characteristics of a data set.
inline constexpr char kStatisticsStop[] = "statistics"; // stop flag of the run
void declare_statistics(WindowModel& model);
void register_statistics(Registry& registry);

void stat_vyresClick(WindowModel& model);
void stat_prerusClick(WindowModel& model);
void vymaz_statClick(WindowModel& model);
void dataChange(WindowModel& model);
void dataKeyUp(WindowModel& model);

} // namespace qvk::statistics
