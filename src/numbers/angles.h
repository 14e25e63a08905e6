#pragma once
#include "model/model.h"
#include "model/registry.h"

namespace qvk::numbers {

// The page "Úhly": one angle converted between decimal degrees, degrees,
// minutes and seconds, radians and grads.
void declare_angles(WindowModel& model);
void register_angles(Registry& registry);

void uhly_vypocetClick(WindowModel& model);
void uhly_vymazClick(WindowModel& model);

} // namespace qvk::numbers
