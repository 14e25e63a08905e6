#include "numbers/divisors.h"
#include "core/errors.h"
#include "core/numeric.h"
#include "model/declare.h"

#include <limits>

namespace qvk::numbers {

namespace {

using declare::Entry;
// In tab order; the multiple has up to 19 digits.
constexpr Entry kPage[] = {
    {.role = Entry::Input, .name = "zadani_a", .caption = "Čísla", .hint = "Zadejte číslo a oddělujte je čárkami",
     .text = "10,15,20", .at = {168, 6, 194, 22}, .captionAt = {6, 8, 160, 20}},
    {.role = Entry::Output, .name = "nsd", .caption = "Největší společný dělitel ",
     .hint = "Největší společný dělitel", .at = {168, 34, 194, 22}, .captionAt = {6, 36, 160, 20}},
    {.role = Entry::Output, .name = "nsn", .caption = "Nejmenší společný násobek",
     .hint = "Nejmenší společný násobek", .at = {168, 60, 194, 22}, .captionAt = {6, 62, 160, 20}},
    {.role = Entry::Press, .name = "dvecisla", .caption = "&Vypočti",
     .hint = "Zjistí nejvyšší společný dělitel a nejnižší společný násobek zadaných čísel", .calculates = true,
     .at = {168, 90, 76, 26}, .icon = "vypocti"},
};

} // namespace

std::span<const declare::Entry> divisors_fields() { return kPage; }

void declare_divisors(WindowModel& m) { declare::declare_all(m, kPage); }

void register_divisors(Registry& r)
{
    r.add(QStringLiteral("dvecislaClick"), dvecislaClick);
    // Whole numbers parted by commas.
    r.keepKeys(QStringLiteral("zadani_a"));
}

Divisors solve_divisors(const DivisorsInput& in)
{
    // Every number lies in 1 .. 999999999: the divisor cannot fail, and the
    // multiple is divided before it is multiplied so that only a multiple that
    // is itself too large is refused.
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    Divisors r;
    r.in = in;
    r.divisor = in.numbers.front();
    r.multiple = in.numbers.front();
    r.steps.push_back({r.divisor, r.multiple});
    for (std::size_t i = 1; i < in.numbers.size(); ++i) {
        const std::int64_t x = in.numbers[i];
        r.divisor = gcd(x, r.divisor);
        if (r.multipleInRange) {
            const std::int64_t part = r.multiple / gcd(x, r.multiple);
            if (part > kMax / x) {
                r.multipleInRange = false;
                r.multiple = 0;
            } else {
                r.multiple = part * x;
            }
        }
        r.steps.push_back({r.divisor, r.multiple});
    }
    return r;
}

void dvecislaClick(WindowModel& m)
{
    const QString text = m.text(QStringLiteral("zadani_a"));
    if (!text.contains(u','))
        report_error(QStringLiteral("Musí být minimálně 2 čísla"));

    DivisorsInput in;
    guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty"), [&] {
        for (const QString& item : text.split(u','))
            in.numbers.push_back(parse_integer(item));
    });
    for (std::int64_t x : in.numbers)
        if (x <= 0)
            report_error(QStringLiteral("Žádné číslo nemůže být <= 0"));
    for (std::int64_t x : in.numbers)
        if (x > 999999999)
            report_error(QStringLiteral("Žádné číslo nemůže být větší než 999999999"));

    const Divisors r = solve_divisors(in);

    m.setText(QStringLiteral("nsd"), QString::number(r.divisor));
    m.setText(QStringLiteral("nsn"), r.multipleInRange ? QString::number(r.multiple) : QStringLiteral("Mimo rozsah"));
    m.publish(QLatin1String(kDivisorsPage), r);
    m.explain([r] { return explain_divisors(r); });
}

} // namespace qvk::numbers
