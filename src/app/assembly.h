#pragma once
// Puts the whole window together: every page's fields and every handler.
// The desktop window and the batch runner both start from this.
#include "model/model.h"
#include "model/registry.h"

namespace qvk::app {

// Declares every field, registers every handler and brings the model to its
// state right after a first start without a configuration file.
void assemble(WindowModel& model, Registry& registry);

} // namespace qvk::app
