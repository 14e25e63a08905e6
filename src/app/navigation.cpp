#include "app/navigation.h"

namespace qvk::app {

namespace {

struct PageDef {
    const char* widget;
    const char* caption;
};

void selector(WindowModel& m, const char* name, const char* hint, std::initializer_list<const char*> items)
{
    Field f;
    f.name = QString::fromUtf8(name);
    f.kind = Kind::List;
    f.hint = QString::fromUtf8(hint);
    for (const char* item : items)
        f.items.append(QString::fromUtf8(item));
    f.value = 0;
    m.add(f);
}

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

    // Plane figures and solids: a selector and a page set whose tabs are hidden.
    selector(m, "d2_vyber", "Určete jaký 2D objekt chcete počítat",
             {"Trojúhelník pravoúhlý", "Trojúhelník obecný", "Čtverec", "Obdelník", "Rovnoběžník", "Lichoběžník",
              "Pravidelný N-úhelník", "Kruh ..."});
    page_set(m, "d2_page",
             {{"trojuhelnik_p_desk", "Trojúhelník pravoúhlý"},
              {"trojuhelnik_desk", "Trojúhelník obecný"},
              {"ctverec_desk", "Čtverec"},
              {"obdelnik_desk", "Obdelník"},
              {"rovnobeznik_desk", "Rovnoběžník"},
              {"lichobeznik_desk", "Lichoběžník"},
              {"n_uhelnik_desk", "Pravidelný N-úhelník"},
              {"kruh_desk", "Kruh ..."}});
    selector(m, "d3_vyber", "Určete jaký 3D objekt chcete počítat",
             {"Krychle", "Kvádr", "Jehlan", "Koule", "Rotační válec", "Rotační kužel"});
    page_set(m, "d3_page",
             {{"krychle_desk", "Krychle"},
              {"kvadr_desk", "Kvádr"},
              {"jehlan_desk", "Jehlan"},
              {"koule_desk", "Koule"},
              {"kuzel_desk", "Rotační kužel"},
              {"valec_desk", "Rotační válec"}});
}

} // namespace qvk::app
