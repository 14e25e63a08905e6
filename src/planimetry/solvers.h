#pragma once
// The figure solvers, one Figure each (see figure.h).
#include "planimetry/figure.h"

namespace qvk::planimetry {

const Figure& right_triangle();
const Figure& general_triangle();
const Figure& square();
const Figure& rectangle();
const Figure& parallelogram();
const Figure& trapezoid();
const Figure& regular_polygon();
const Figure& circle();

// The general triangle's check box of the second triangle (plane.h):
// hidden by the clear; clicked, it solves the last triangle again.
void clear_second_triangle(WindowModel& model);
void second_triangle_clicked(WindowModel& model);

} // namespace qvk::planimetry
