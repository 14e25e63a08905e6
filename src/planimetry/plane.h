#pragma once
// The sheets of the page "Planimetrie", one set of functions per sheet for
// its entry in the calculator table: its fields, what the frame's compute
// button runs on it and what the frame's clear button empties.
#include "model/declare.h"
#include "model/model.h"
#include "model/registry.h"

#include <span>

namespace qvk::planimetry {

// A sheet's fields by its page name, as they are declared and cleared, with
// their places on the sheet; empty for a name that is no sheet.
std::span<const declare::Entry> sheet_fields(const QString& page);

void declare_right_triangle(WindowModel& model);
void compute_right_triangle(WindowModel& model);
void clear_right_triangle(WindowModel& model);

// The check box shown when two triangles fit the given values; checked, the
// solver takes the one with the obtuse angle.
inline constexpr char kSecondTriangle[] = "troj_tup";

void declare_triangle(WindowModel& model);
void register_triangle(Registry& registry);
void compute_triangle(WindowModel& model);
void clear_triangle(WindowModel& model);

void declare_square(WindowModel& model);
void compute_square(WindowModel& model);
void clear_square(WindowModel& model);

void declare_rectangle(WindowModel& model);
void compute_rectangle(WindowModel& model);
void clear_rectangle(WindowModel& model);

void declare_parallelogram(WindowModel& model);
void compute_parallelogram(WindowModel& model);
void clear_parallelogram(WindowModel& model);

void declare_trapezoid(WindowModel& model);
void compute_trapezoid(WindowModel& model);
void clear_trapezoid(WindowModel& model);

void declare_polygon(WindowModel& model);
void compute_polygon(WindowModel& model);
void clear_polygon(WindowModel& model);

// The circle's fields that the solver and the sheet name besides its
// quantities: the angle, the perimeter or arc, and the label beside the
// latter that says which of the two it is.
inline constexpr char kCircleAngle[] = "kru_alfa";
inline constexpr char kCircleArc[] = "kru_o";
inline constexpr char kCircleArcCaption[] = "kru_oa";

void declare_circle(WindowModel& model);
void register_circle(Registry& registry);
void compute_circle(WindowModel& model);
void clear_circle(WindowModel& model);

} // namespace qvk::planimetry
