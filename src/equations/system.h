#pragma once
#include "model/model.h"
#include "model/registry.h"

namespace qvk::equations {

// The page "Soustava rovnic": a linear system of 2 to 26 equations typed
// into the grid `soustavarov`, one result per variable in `reseni_rovnic`.
void declare_system(WindowModel& model);
void register_system(Registry& registry);

// Resizes and relabels both grids for the number of equations and fills
// the input grid with the sample system.
void pocet_rovnicChange(WindowModel& model);

// Solves the system by elimination without row exchanges, listing every step.
void sous_rov_vyresClick(WindowModel& model);

} // namespace qvk::equations
