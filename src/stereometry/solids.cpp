#include "stereometry/solids.h"
#include "model/declare.h"
#include "stereometry/cases.h"

#include <algorithm>
#include <vector>

namespace qvk::stereometry {

namespace {

QString name_of(const SolidField& f) { return QString::fromUtf8(f.name); }

// The solid whose page `d3_page` shows, or null.
const Solid* shown_solid(const WindowModel& m)
{
    const QString page = m.field(QStringLiteral("d3_page")).items.value(m.index(QStringLiteral("d3_page")));
    for (const Solid& s : solids())
        if (page == QString::fromUtf8(s.page))
            return &s;
    return nullptr;
}

void solve(WindowModel& m, const Solid& solid)
{
    const std::size_t count = solid.fields.size();
    auto text = [&](std::size_t i) { return m.text(name_of(solid.fields[i])); };
    unsigned filled = 0;
    // Only a text without any character is empty: blanks are a given value.
    for (std::size_t i = 0; i < count; ++i)
        if (!text(i).isEmpty())
            filled |= 1u << i;
    const auto match = std::find_if(solid.cases.begin(), solid.cases.end(),
                                    [filled](const Case& c) { return c.given == filled; });
    if (match == solid.cases.end())
        report_error(kRefused);

    const int places = m.settings().zaokrouhleni;
    Values v{};
    guarded_read(kRefused, [&] {
        for (std::size_t i = 0; i < count; ++i)
            if (match->given & (1u << i)) {
                const long double x = parse_decimal(text(i));
                v[i] = (solid.asTyped & (1u << i)) ? keep(x) : rounded(x, places);
            }
        for (std::size_t i = 0; i < count; ++i)
            if (match->given & (1u << i))
                require(v[i] > 0);
        if (match->check)
            match->check(v, places);
        fpu_check();
    });
    match->compute(v, places);

    // Every text first: a fault on the way leaves the fields as they were.
    std::vector<QString> texts;
    for (std::size_t i = 0; i < count; ++i)
        texts.push_back(format_number(round_places(v[i], places)));
    fpu_check();
    for (std::size_t i = 0; i < count; ++i)
        if (!(solid.asTyped & (1u << i)))
            m.setText(name_of(solid.fields[i]), texts[i]);
}

} // namespace

std::span<const Solid> solids()
{
    static const Solid all[] = {cube(), cuboid(), pyramid(), sphere(), cone(), cylinder()};
    return all;
}

void vyres_d3Click(WindowModel& m)
{
    if (const Solid* s = shown_solid(m))
        solve(m, *s);
}

void vymaz_3dClick(WindowModel& m)
{
    if (const Solid* s = shown_solid(m))
        for (const SolidField& f : s->fields)
            m.setText(name_of(f), QString());
}

void declare_solids(WindowModel& m)
{
    declare::button(m, "vymaz_3d", "", "Vymaže všechna vstupní pole");
    declare::button(m, "vyres_d3", "&Vypočti", "Provede zadaný výpočet");
    for (const Solid& s : solids())
        for (const SolidField& f : s.fields)
            declare::edit(m, f.name, f.caption, f.hint);
}

void register_solids(Registry& r)
{
    r.add(QStringLiteral("vyres_d3Click"), vyres_d3Click);
    r.add(QStringLiteral("vymaz_3dClick"), vymaz_3dClick);
}

} // namespace qvk::stereometry
