#include "app/assembly.h"
#include "app/menu.h"
#include "app/navigation.h"
#include "equations/cubic.h"
#include "equations/quadratic.h"
#include "equations/system.h"
#include "numbers/primes.h"
#include "statistics/statistics.h"

namespace qvk::app {

void assemble(WindowModel& model, Registry& registry)
{
    declare_navigation(model);
    register_navigation(registry);
    declare_menu(model);
    register_menu(registry);

    equations::declare_quadratic(model);
    equations::register_quadratic(registry);
    equations::declare_cubic(model);
    equations::register_cubic(registry);
    equations::declare_system(model);
    equations::register_system(registry);

    numbers::declare_primes(model);
    numbers::register_primes(registry);

    statistics::declare_statistics(model);
    statistics::register_statistics(registry);

    registry.initialize(model);
}

} // namespace qvk::app
