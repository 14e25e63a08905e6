#include "stereometry/explain.h"
#include "sketch/svg.h"

namespace qvk::stereometry {

QString sketch_solid(const Solved&) { return {}; }

} // namespace qvk::stereometry
