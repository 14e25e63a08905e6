#pragma once
// The page "Planimetrie": the fields of every figure sheet, the compute
// button that runs the solver of the sheet on show and the clear button.
#include "model/model.h"
#include "model/registry.h"

namespace qvk::planimetry {

void declare_plane(WindowModel& model);
void register_plane(Registry& registry);

void vyres_d2Click(WindowModel& model);
void vymaz_2dClick(WindowModel& model);

} // namespace qvk::planimetry
