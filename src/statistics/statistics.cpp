#include "statistics/statistics.h"

namespace qvk::statistics {

void declare_statistics(WindowModel&) {}
void register_statistics(Registry&) {}

} // namespace qvk::statistics
