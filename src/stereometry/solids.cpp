#include "stereometry/solids.h"
#include "model/declare.h"
#include "stereometry/cases.h"
#include "stereometry/explain.h"

#include <vector>

namespace qvk::stereometry {

namespace {

QString name_of(const declare::Entry& f) { return QString::fromUtf8(f.name); }

} // namespace

void compute_solid(WindowModel& m, const Solid& solid)
{
    const std::size_t count = solid.fields.size();
    auto text = [&](std::size_t i) { return m.text(name_of(solid.fields[i])); };
    Mask filled = 0;
    // Only a text without any character is empty: blanks are a given value.
    for (std::size_t i = 0; i < count; ++i)
        if (!text(i).isEmpty())
            filled |= Mask{1} << i;
    const Case* match = qvk::match(solid.cases, filled);
    if (!match)
        report_error(kRefused);

    const int places = m.settings().zaokrouhleni;
    Values v{};
    guarded_read(match->message ? QString::fromUtf8(match->message) : kRefused, [&] {
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

    Solved solved;
    solved.page = QString::fromUtf8(solid.page);
    solved.row = index_of(solid.cases, match);
    solved.given = filled;
    solved.places = places;
    for (std::size_t i = 0; i < count; ++i) {
        solved.names.push_back(name_of(solid.fields[i]));
        solved.values.push_back(v[static_cast<int>(i)]);
        solved.typed.push_back(text(i));
    }
    const QString page = solved.page;
    m.publish(page, solved);
    m.explain([s = &solid, solved] { return explain_solid(*s, solved); });
    m.draw(page, [solved] { return sketch_solid(solved); });
}

Postup explain_solid(const Solid& solid, const Solved& solved)
{
    std::vector<QString> captions, keys;
    for (const declare::Entry& e : solid.fields) {
        captions.push_back(caption_name(e.caption));
        keys.push_back(name_of(e));
    }
    Tracer tracer(QString::fromUtf8(solid.title), solved, captions, keys);
    tracer.writes(~solid.asTyped, false);
    try {
        fpu_clear();
        ValuesOf<Traced> v(tracer, solved);
        const Case& c = solid.cases[static_cast<std::size_t>(solved.row)];
        if (c.check)
            c.check(v, solved.places);
        c.compute(v, solved.places);
    } catch (...) {
        // Whatever the run again cannot do, the results still stand.
        tracer.note(QStringLiteral("Další postup nelze vypsat."));
    }
    return tracer.finish();
}

std::span<const Solid> solids()
{
    static const Solid all[] = {cube(), cuboid(), pyramid(), sphere(), cone(), cylinder()};
    return all;
}

void empty_fields(WindowModel& m, const Solid& solid) { declare::clear_marked(m, solid.fields); }

void declare_fields(WindowModel& m, const Solid& solid) { declare::declare_all(m, solid.fields); }

} // namespace qvk::stereometry
