#pragma once
#include "model/model.h"
#include "model/registry.h"

namespace qvk::statistics {

// The page "Statistika": the characteristics of a data set.
void declare_statistics(WindowModel& model);
void register_statistics(Registry& registry);

} // namespace qvk::statistics
