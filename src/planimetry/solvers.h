#pragma once
// The figure solvers, one Figure each (see figure.h).
#include "planimetry/figure.h"

namespace qvk::planimetry {

const Figure& right_triangle();
const Figure& general_triangle();
const Figure& square();
const Figure& rectangle();
const Figure& parallelogram();
const Figure& regular_polygon();
const Figure& circle();

} // namespace qvk::planimetry
