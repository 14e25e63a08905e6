#include "app/navigation.h"
#include "model/declare.h"

#include <array>

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

// A picture box: its text is the name of the picture shown.
void picture_box(WindowModel& m, const char* name) { declare::label(m, name, ""); }

constexpr std::array<const char*, 3> kEquationAnchors = {"kv_rov", "kub", "sou"};
constexpr std::array<const char*, 5> kNumberAnchors = {"prv", "cis", "zlo", "nsd", "uhl"};
constexpr std::array<const char*, 8> kPlaneAnchors = {"tp", "troj", "ctv", "obd", "rov", "lic", "n_uhel", "kru"};
constexpr std::array<const char*, 8> kPlanePictures = {"troj_prav",   "troj_obec",   "ctverec", "obdelnik",
                                                       "rovnobeznik", "lichobeznik", "n_uhel",  "kruh"};
// By page index.
constexpr std::array<const char*, 6> kSolidAnchors = {"kry", "kva", "jeh", "kou", "kuz", "val"};
constexpr std::array<const char*, 6> kSolidPictures = {"krychle", "kvadr", "jehlan", "koule", "kuzel", "valec"};
constexpr std::array<int, 6> kSolidPageOfItem = {0, 1, 2, 3, 5, 4};

template <std::size_t N>
std::optional<QString> entry(const std::array<const char*, N>& table, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return std::nullopt;
    return QString::fromUtf8(table[static_cast<std::size_t>(index)]);
}

void run_if_registered(WindowModel& m, const Registry& r, const QString& event)
{
    if (const Handler* h = r.find(event))
        (*h)(m);
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
    declare::list(m, "d2_vyber", "", "Určete jaký 2D objekt chcete počítat",
             {"Trojúhelník pravoúhlý", "Trojúhelník obecný", "Čtverec", "Obdelník", "Rovnoběžník", "Lichoběžník",
              "Pravidelný N-úhelník", "Kruh ..."});
    picture_box(m, "d2_ikona");
    page_set(m, "d2_page",
             {{"trojuhelnik_p_desk", "Trojúhelník pravoúhlý"},
              {"trojuhelnik_desk", "Trojúhelník obecný"},
              {"ctverec_desk", "Čtverec"},
              {"obdelnik_desk", "Obdelník"},
              {"rovnobeznik_desk", "Rovnoběžník"},
              {"lichobeznik_desk", "Lichoběžník"},
              {"n_uhelnik_desk", "Pravidelný N-úhelník"},
              {"kruh_desk", "Kruh ..."}});
    declare::list(m, "d3_vyber", "", "Určete jaký 3D objekt chcete počítat",
             {"Krychle", "Kvádr", "Jehlan", "Koule", "Rotační válec", "Rotační kužel"});
    picture_box(m, "d3_ikona");
    page_set(m, "d3_page",
             {{"krychle_desk", "Krychle"},
              {"kvadr_desk", "Kvádr"},
              {"jehlan_desk", "Jehlan"},
              {"koule_desk", "Koule"},
              {"kuzel_desk", "Rotační kužel"},
              {"valec_desk", "Rotační válec"}});
}

void register_navigation(Registry& r)
{
    r.add(QStringLiteral("d2_vyberChange"), d2_vyberChange);
    r.add(QStringLiteral("d3_vyberChange"), d3_vyberChange);
    // After a start both selectors show their sheet and picture.
    r.addInitializer([&r](WindowModel& m) {
        run_if_registered(m, r, QStringLiteral("d2_vyberChange"));
        run_if_registered(m, r, QStringLiteral("d3_vyberChange"));
    });
}

int solid_page_for_item(int item)
{
    if (item < 0 || item >= static_cast<int>(kSolidPageOfItem.size()))
        return -1;
    return kSolidPageOfItem[static_cast<std::size_t>(item)];
}

int solid_item_for_page(int page)
{
    for (std::size_t i = 0; i < kSolidPageOfItem.size(); ++i)
        if (kSolidPageOfItem[i] == page)
            return static_cast<int>(i);
    return -1;
}

QString plane_picture(int page) { return entry(kPlanePictures, page).value_or(QString()); }
QString solid_picture(int page) { return entry(kSolidPictures, page).value_or(QString()); }

std::optional<QString> help_anchor(const WindowModel& m)
{
    switch (m.index(QStringLiteral("druh"))) {
    case PageEquations: return entry(kEquationAnchors, m.index(QStringLiteral("rov1")));
    case PageNumbers: return entry(kNumberAnchors, m.index(QStringLiteral("cisla1")));
    case PageStatistics: return QStringLiteral("sta");
    case PagePlane: return entry(kPlaneAnchors, m.index(QStringLiteral("d2_page")));
    case PageSolids: return entry(kSolidAnchors, m.index(QStringLiteral("d3_page")));
    default: return std::nullopt;
    }
}

void show_page(WindowModel& m, const Registry& r, int top, int inner)
{
    m.setIndex(QStringLiteral("druh"), top);
    switch (top) {
    case PageEquations: m.setIndex(QStringLiteral("rov1"), inner); break;
    case PageNumbers: m.setIndex(QStringLiteral("cisla1"), inner); break;
    case PagePlane:
        m.setIndex(QStringLiteral("d2_vyber"), inner);
        run_if_registered(m, r, QStringLiteral("d2_vyberChange"));
        break;
    case PageSolids:
        m.setIndex(QStringLiteral("d3_vyber"), solid_item_for_page(inner));
        run_if_registered(m, r, QStringLiteral("d3_vyberChange"));
        break;
    default: break;
    }
}

void d2_vyberChange(WindowModel& m)
{
    const int page = m.index(QStringLiteral("d2_vyber"));
    const QString pic = plane_picture(page);
    if (pic.isEmpty())
        return;
    m.setIndex(QStringLiteral("d2_page"), page);
    m.setText(QStringLiteral("d2_ikona"), pic);
}

void d3_vyberChange(WindowModel& m)
{
    const int page = solid_page_for_item(m.index(QStringLiteral("d3_vyber")));
    if (page < 0)
        return;
    m.setIndex(QStringLiteral("d3_page"), page);
    m.setText(QStringLiteral("d3_ikona"), solid_picture(page));
}

} // namespace qvk::app
