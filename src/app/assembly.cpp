#include "app/assembly.h"
#include "app/menu.h"
#include "app/navigation.h"
#include "equations/quadratic.h"
#include "equations/system.h"
#include "numbers/angles.h"
#include "numbers/bases.h"
#include "numbers/divisors.h"
#include "numbers/fractions.h"
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
    equations::declare_system(model);
    equations::register_system(registry);

    numbers::declare_primes(model);
    numbers::register_primes(registry);
    numbers::declare_bases(model);
    numbers::register_bases(registry);
    numbers::declare_fractions(model);
    numbers::register_fractions(registry);
    numbers::declare_divisors(model);
    numbers::register_divisors(registry);
    numbers::declare_angles(model);
    numbers::register_angles(registry);

    statistics::declare_statistics(model);
    statistics::register_statistics(registry);

    registry.initialize(model);
}

} // namespace qvk::app
