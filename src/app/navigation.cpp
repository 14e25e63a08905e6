#include "app/navigation.h"

namespace qvk::app {

namespace {

struct PageDef {
    const char* widget;
    const char* caption;
};

void page_set(WindowModel& m, const char* name, std::initializer_list<PageDef> pages)
{
    Field set;
    set.name = QString::fromUtf8(name);
    set.kind = Kind::Pages;
    set.value = 0;
    for (const PageDef& p : pages) {
        set.items.append(QString::fromUtf8(p.widget));
        Field page;
        page.name = QString::fromUtf8(p.widget);
        page.kind = Kind::Page;
        page.caption = QString::fromUtf8(p.caption);
        m.add(page);
    }
    m.add(set);
}

} // namespace

void declare_navigation(WindowModel& m)
{
    page_set(m, "druh",
             {{"rov", "Rovnice"}, {"cisla", "Čísla"}, {"stat", "Statistika"}, {"d2", "Planimetrie"},
              {"d3", "Stereometrie"}});
    page_set(m, "rov1", {{"kr", "Kvadratické (ne)rovnice"}, {"kub", "Kubická rovnice"}, {"sr", "Soustava rovnic"}});
    page_set(m, "cisla1",
             {{"pc", "Prvočísla"},
              {"TabSheet1", "Číselné soustavy"},
              {"zlm", "Zlomky"},
              {"nsnnsd", "Dělitel a násobek"},
              {"uhly", "Úhly"}});
}

} // namespace qvk::app
