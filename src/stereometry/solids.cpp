#include "stereometry/solids.h"
#include "model/declare.h"
#include "stereometry/cases.h"

#include <algorithm>
#include <vector>

namespace qvk::stereometry {

namespace {

QString name_of(const SolidField& f) { return QString::fromUtf8(f.name); }

} // namespace

void compute_solid(WindowModel& m, const Solid& solid)
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

std::span<const Solid> solids()
{
    static const Solid all[] = {cube(), cuboid(), pyramid(), sphere(), cone(), cylinder()};
    return all;
}

void empty_fields(WindowModel& m, const Solid& solid)
{
    for (const SolidField& f : solid.fields)
        m.setText(name_of(f), QString());
}

void declare_fields(WindowModel& m, const Solid& solid)
{
    for (const SolidField& f : solid.fields)
        declare::edit(m, f.name, f.caption, f.hint);
}

} // namespace qvk::stereometry
