#include "stereometry/solids.h"
#include "model/declare.h"
#include "stereometry/cases.h"

#include <QStringList>

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
    const qsizetype count = static_cast<qsizetype>(solid.fields.size());
    unsigned filled = 0;
    // Only a text without any character is empty: blanks are a given value.
    for (qsizetype i = 0; i < count; ++i)
        if (!m.text(name_of(solid.fields[static_cast<std::size_t>(i)])).isEmpty())
            filled |= 1u << i;
    const Case* match = nullptr;
    for (const Case& c : solid.cases)
        if (c.given == filled) {
            match = &c;
            break;
        }
    if (!match)
        report_error(kRefused);

    const int places = m.settings().zaokrouhleni;
    Values v{};
    guarded_read(kRefused, [&] {
        for (qsizetype i = 0; i < count; ++i) {
            if (!(match->given & (1u << i)))
                continue;
            const long double x = parse_decimal(m.text(name_of(solid.fields[static_cast<std::size_t>(i)])));
            v[static_cast<std::size_t>(i)] = (solid.asTyped & (1u << i)) ? keep(x) : rounded(x, places);
        }
        for (qsizetype i = 0; i < count; ++i)
            if (match->given & (1u << i))
                require(v[static_cast<std::size_t>(i)] > 0);
        if (match->check)
            match->check(v, places);
        fpu_check();
    });
    match->compute(v, places);

    // Every text first: a fault on the way leaves the fields as they were.
    QStringList texts;
    for (qsizetype i = 0; i < count; ++i)
        texts.append(format_number(round_places(v[static_cast<std::size_t>(i)], places)));
    fpu_check();
    for (qsizetype i = 0; i < count; ++i)
        if (!(solid.asTyped & (1u << i)))
            m.setText(name_of(solid.fields[static_cast<std::size_t>(i)]), texts[i]);
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
