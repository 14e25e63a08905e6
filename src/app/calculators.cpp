#include "app/calculators.h"
#include "equations/cubic.h"
#include "equations/quadratic.h"
#include "equations/system.h"
#include "numbers/angles.h"
#include "numbers/bases.h"
#include "numbers/divisors.h"
#include "numbers/fractions.h"
#include "numbers/primes.h"
#include "planimetry/plane.h"
#include "statistics/statistics.h"
#include "stereometry/solids.h"

#include <algorithm>

namespace qvk::app {

namespace {

constexpr Frame kPlaneFrame{"d2_vyber", "Určete jaký 2D objekt chcete počítat", "d2_ikona", "vymaz_2d", "vyres_d2"};
constexpr Frame kSolidFrame{"d3_vyber", "Určete jaký 3D objekt chcete počítat", "d3_ikona", "vymaz_3d", "vyres_d3"};


// One entry per page; a calculator still to come has its page, caption and
// anchor only.
const Page kPages[] = {
    // --- "Rovnice"
    {.name = "rov", .set = kTopSet, .caption = "Rovnice", .holds = "rov1", .key = "rovnice"},
    {.name = equations::kQuadraticPage,
     .set = "rov1",
     .caption = "Kvadratické (ne)rovnice",
     .anchor = "kv_rov",
     .declare = equations::declare_quadratic,
     .handlers = equations::register_quadratic},

    {.name = equations::kCubicPage,
     .set = "rov1",
     .caption = "Kubická rovnice",
     .anchor = "kub",
     .declare = equations::declare_cubic,
     .handlers = equations::register_cubic},

    {.name = equations::kSystemPage,
     .set = "rov1",
     .caption = "Soustava rovnic",
     .anchor = "sou",
     .declare = equations::declare_system,
     .handlers = equations::register_system,
     .kept = "pocet_rovnic",
     .loaded = "pocet_rovnicChange"},

    // --- "Čísla"
    {.name = "cisla", .set = kTopSet, .caption = "Čísla", .holds = "cisla1", .key = "cisla"},
    {.name = numbers::kPrimesPage,
     .set = "cisla1",
     .caption = "Prvočísla",
     .anchor = "prv",
     .declare = numbers::declare_primes,
     .handlers = numbers::register_primes,
     .stop = numbers::kPrimesStop},

    {.name = numbers::kBasesPage,
     .set = "cisla1",
     .caption = "Číselné soustavy",
     .anchor = "cis",
     .declare = numbers::declare_bases,
     .handlers = numbers::register_bases},

    {.name = numbers::kFractionsPage,
     .set = "cisla1",
     .caption = "Zlomky",
     .anchor = "zlo",
     .declare = numbers::declare_fractions,
     .handlers = numbers::register_fractions},

    {.name = numbers::kDivisorsPage,
     .set = "cisla1",
     .caption = "Dělitel a násobek",
     .anchor = "nsd",
     .declare = numbers::declare_divisors,
     .handlers = numbers::register_divisors},

    {.name = numbers::kAnglesPage,
     .set = "cisla1",
     .caption = "Úhly",
     .anchor = "uhl",
     .declare = numbers::declare_angles,
     .handlers = numbers::register_angles,
     .clear = "uhly_vymaz"},

    // --- "Statistika"
    {.name = statistics::kStatisticsPage,
     .set = kTopSet,
     .caption = "Statistika",
     .anchor = "sta",
     .declare = statistics::declare_statistics,
     .handlers = statistics::register_statistics,
     .clear = "vymaz_stat",
     .stop = statistics::kStatisticsStop},

    // --- "Planimetrie": the selector item of a sheet is its page index
    {.name = "d2", .set = kTopSet, .caption = "Planimetrie", .holds = "d2_page", .key = "d2", .frame = &kPlaneFrame},
    {.name = "trojuhelnik_p_desk",
     .set = "d2_page",
     .caption = "Trojúhelník pravoúhlý",
     .anchor = "tp",
     .declare = planimetry::declare_right_triangle,
     .item = 0,
     .picture = "troj_prav",
     .compute = planimetry::compute_right_triangle,
     .empty = planimetry::clear_right_triangle},

    {.name = "trojuhelnik_desk",
     .set = "d2_page",
     .caption = "Trojúhelník obecný",
     .anchor = "troj",
     .declare = planimetry::declare_triangle,
     .handlers = planimetry::register_triangle,
     .item = 1,
     .picture = "troj_obec",
     .compute = planimetry::compute_triangle,
     .empty = planimetry::clear_triangle},

    {.name = "ctverec_desk",
     .set = "d2_page",
     .caption = "Čtverec",
     .anchor = "ctv",
     .declare = planimetry::declare_square,
     .item = 2,
     .picture = "ctverec",
     .compute = planimetry::compute_square,
     .empty = planimetry::clear_square},

    {.name = "obdelnik_desk",
     .set = "d2_page",
     .caption = "Obdelník",
     .anchor = "obd",
     .declare = planimetry::declare_rectangle,
     .item = 3,
     .picture = "obdelnik",
     .compute = planimetry::compute_rectangle,
     .empty = planimetry::clear_rectangle},

    {.name = "rovnobeznik_desk",
     .set = "d2_page",
     .caption = "Rovnoběžník",
     .anchor = "rov",
     .declare = planimetry::declare_parallelogram,
     .item = 4,
     .picture = "rovnobeznik",
     .compute = planimetry::compute_parallelogram,
     .empty = planimetry::clear_parallelogram},

    {.name = "lichobeznik_desk",
     .set = "d2_page",
     .caption = "Lichoběžník",
     .anchor = "lic",
     .declare = planimetry::declare_trapezoid,
     .item = 5,
     .picture = "lichobeznik",
     .compute = planimetry::compute_trapezoid,
     .empty = planimetry::clear_trapezoid},

    {.name = "n_uhelnik_desk",
     .set = "d2_page",
     .caption = "Pravidelný N-úhelník",
     .anchor = "n_uhel",
     .declare = planimetry::declare_polygon,
     .item = 6,
     .picture = "n_uhel",
     .compute = planimetry::compute_polygon,
     .empty = planimetry::clear_polygon},

    {.name = "kruh_desk",
     .set = "d2_page",
     .caption = "Kruh ...",
     .anchor = "kru",
     .declare = planimetry::declare_circle,
     .handlers = planimetry::register_circle,
     .item = 7,
     .picture = "kruh",
     .compute = planimetry::compute_circle,
     .empty = planimetry::clear_circle},

    // --- "Stereometrie": the selector lists the cylinder before the cone
    {.name = "d3", .set = kTopSet, .caption = "Stereometrie", .holds = "d3_page", .key = "d3", .frame = &kSolidFrame},
    {.name = "krychle_desk",
     .set = "d3_page",
     .caption = "Krychle",
     .anchor = "kry",
     .declare = stereometry::declare<stereometry::cube>,
     .item = 0,
     .picture = "krychle",
     .compute = stereometry::compute<stereometry::cube>,
     .empty = stereometry::empty<stereometry::cube>},

    {.name = "kvadr_desk",
     .set = "d3_page",
     .caption = "Kvádr",
     .anchor = "kva",
     .declare = stereometry::declare<stereometry::cuboid>,
     .item = 1,
     .picture = "kvadr",
     .compute = stereometry::compute<stereometry::cuboid>,
     .empty = stereometry::empty<stereometry::cuboid>},

    {.name = "jehlan_desk",
     .set = "d3_page",
     .caption = "Jehlan",
     .anchor = "jeh",
     .declare = stereometry::declare<stereometry::pyramid>,
     .item = 2,
     .picture = "jehlan",
     .compute = stereometry::compute<stereometry::pyramid>,
     .empty = stereometry::empty<stereometry::pyramid>},

    {.name = "koule_desk",
     .set = "d3_page",
     .caption = "Koule",
     .anchor = "kou",
     .declare = stereometry::declare<stereometry::sphere>,
     .item = 3,
     .picture = "koule",
     .compute = stereometry::compute<stereometry::sphere>,
     .empty = stereometry::empty<stereometry::sphere>},

    {.name = "kuzel_desk",
     .set = "d3_page",
     .caption = "Rotační kužel",
     .anchor = "kuz",
     .declare = stereometry::declare<stereometry::cone>,
     .item = 5,
     .picture = "kuzel",
     .compute = stereometry::compute<stereometry::cone>,
     .empty = stereometry::empty<stereometry::cone>},

    {.name = "valec_desk",
     .set = "d3_page",
     .caption = "Rotační válec",
     .anchor = "val",
     .declare = stereometry::declare<stereometry::cylinder>,
     .item = 4,
     .picture = "valec",
     .compute = stereometry::compute<stereometry::cylinder>,
     .empty = stereometry::empty<stereometry::cylinder>},
};

} // namespace

std::span<const Page> page_table() { return kPages; }

QList<const Page*> pages_of(const QString& set)
{
    QList<const Page*> out;
    for (const Page& p : kPages)
        if (set == QLatin1String(p.set))
            out.append(&p);
    return out;
}

bool runs_calculation(const WindowModel& model, const QString& button)
{
    for (const Page& p : kPages)
        if (p.frame && button == QLatin1String(p.frame->compute))
            return true;
    return model.has(button) && model.field(button).calculates;
}

QString run_button_of(const WindowModel& model, const QString& field)
{
    return model.has(field) ? model.field(field).enter : QString();
}

const Page* find_page(const QString& name)
{
    for (const Page& p : kPages)
        if (name == QLatin1String(p.name))
            return &p;
    return nullptr;
}

const Page* holder_of(const Page& page)
{
    for (const Page& p : kPages)
        if (p.holds && QLatin1String(p.holds) == QLatin1String(page.set))
            return &p;
    return nullptr;
}

const Page* page_on_show(const WindowModel& model)
{
    QString set = QString::fromLatin1(kTopSet);
    for (;;) {
        const QList<const Page*> pages = pages_of(set);
        const int index = model.index(set);
        if (index < 0 || index >= pages.size())
            return nullptr;
        const Page* page = pages[index];
        if (!page->holds)
            return page;
        set = QString::fromLatin1(page->holds);
    }
}

QString selector_change(const Frame& frame) { return QString::fromLatin1(frame.selector) + QStringLiteral("Change"); }

int page_of_item(const QString& set, int item)
{
    const QList<const Page*> pages = pages_of(set);
    const auto it = std::find_if(pages.begin(), pages.end(), [item](const Page* p) { return p->item == item; });
    return item < 0 || it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

int item_of_page(const QString& set, int page)
{
    const QList<const Page*> pages = pages_of(set);
    return page < 0 || page >= pages.size() ? -1 : pages[page]->item;
}

} // namespace qvk::app
