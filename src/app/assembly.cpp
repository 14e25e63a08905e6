#include "app/assembly.h"
#include "app/calculators.h"
#include "app/clear_restore.h"
#include "app/menu.h"
#include "app/navigation.h"
#include "app/refusals.h"

namespace qvk::app {

void assemble(WindowModel& model, Registry& registry)
{
    declare_navigation(model);
    register_navigation(registry);
    declare_menu(model);
    register_menu(registry);
    for (const Page& page : page_table()) {
        if (page.declare)
            page.declare(model);
        if (page.handlers)
            page.handlers(registry);
    }
    keep_cleared_pages(model, registry);
    model.setRefusalAdvice(expected_instead);
    registry.initialize(model);
}

} // namespace qvk::app
