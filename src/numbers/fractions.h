#pragma once
#include "model/model.h"
#include "model/registry.h"

namespace qvk::numbers {

// The page "Zlomky": arithmetic of two fractions, and a decimal fraction
// turned into a fraction.
void declare_fractions(WindowModel& model);
void register_fractions(Registry& registry);

// Run by the button, by a change of the operation and by the check box.
void fraction_compute(WindowModel& model);
void prevedClick(WindowModel& model);

// Width of a fraction bar under two texts: 6 pixels per character of the
// longer one, plus 2.
int bar_width(const QString& numerator, const QString& denominator);

} // namespace qvk::numbers
