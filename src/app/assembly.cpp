#include "app/assembly.h"
#include "app/navigation.h"
#include "equations/quadratic.h"

namespace qvk::app {

void assemble(WindowModel& model, Registry& registry)
{
    declare_navigation(model);
    equations::declare_quadratic(model);
    equations::register_quadratic(registry);

    registry.initialize(model);
}

} // namespace qvk::app
