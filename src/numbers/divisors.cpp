#include "numbers/divisors.h"
#include "core/errors.h"
#include "core/numeric.h"
#include "model/declare.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace qvk::numbers {

void declare_divisors(WindowModel& m)
{
    using namespace declare;
    edit(m, "zadani_a", "Čísla", "Zadejte číslo a oddělujte je čárkami", "10,15,20");
    result(m, "nsd", "Největší společný dělitel ", "Největší společný dělitel");
    result(m, "nsn", "Nejmenší společný násobek", "Nejmenší společný násobek");
    button(m, "dvecisla", "&Vypočti",
           "Zjistí nejvyšší společný dělitel a nejnižší společný násobek zadaných čísel");
}

void register_divisors(Registry& r)
{
    r.add(QStringLiteral("dvecislaClick"), dvecislaClick);
    // Whole numbers parted by commas.
    r.keepKeys(QStringLiteral("zadani_a"));
}

void dvecislaClick(WindowModel& m)
{
    const QString text = m.text(QStringLiteral("zadani_a"));
    if (!text.contains(u','))
        report_error(QStringLiteral("Musí být minimálně 2 čísla"));

    std::vector<std::int64_t> numbers;
    guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty"), [&] {
        for (const QString& item : text.split(u','))
            numbers.push_back(parse_integer(item));
    });
    for (std::int64_t x : numbers)
        if (x <= 0)
            report_error(QStringLiteral("Žádné číslo nemůže být <= 0"));
    for (std::int64_t x : numbers)
        if (x > 999999999)
            report_error(QStringLiteral("Žádné číslo nemůže být větší než 999999999"));

    // Every number lies in 1 .. 999999999: the divisor cannot fail, and the
    // multiple is divided before it is multiplied so that only a multiple that
    // is itself too large is refused.
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t d = numbers.front();
    std::int64_t multiple = numbers.front();
    bool inRange = true;
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        const std::int64_t x = numbers[i];
        d = gcd(x, d);
        if (!inRange)
            continue;
        const std::int64_t part = multiple / gcd(x, multiple);
        if (part > kMax / x)
            inRange = false;
        else
            multiple = part * x;
    }
    m.setText(QStringLiteral("nsd"), QString::number(d));
    m.setText(QStringLiteral("nsn"), inRange ? QString::number(multiple) : QStringLiteral("Mimo rozsah"));
}

} // namespace qvk::numbers
