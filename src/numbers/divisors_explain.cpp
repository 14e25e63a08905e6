// The worked solution of the page "Dělitel a násobek", from its typed result.
#include "exact/worked.h"
#include "numbers/divisors.h"
#include "numbers/notation.h"
#include "numbers/primes.h"

#include <algorithm>
#include <map>

namespace qvk::numbers {

namespace {

// Up to this many numbers each is factorized (a trial division to 31623 at
// most); beyond, the folding by pairs is shown.
constexpr std::size_t kMostFactorized = 6;
constexpr int kMostLines = 20;

using Powers = std::map<std::int64_t, int>;

Powers powers_of(std::int64_t n)
{
    Powers out;
    if (n < 4) {
        if (n > 1)
            out[n] = 1;
        return out;
    }
    for (const PrimeFactor& f : factorize({static_cast<std::uint64_t>(n)}).factors)
        out[static_cast<std::int64_t>(f.prime)] = f.power;
    return out;
}

QString product_text(const Powers& p)
{
    QStringList parts;
    for (const auto& [prime, power] : p)
        parts << QString::number(prime) + (power > 1 ? superscript(power) : QString());
    return parts.isEmpty() ? QStringLiteral("1") : parts.join(QStringLiteral(" · "));
}

Exact value_of(const Powers& p)
{
    Exact v(1);
    for (const auto& [prime, power] : p)
        for (int k = 0; k < power; ++k)
            v *= Exact::fraction(prime, 1);
    return v;
}

QString list_text(const std::vector<std::int64_t>& numbers)
{
    QStringList items;
    for (std::int64_t x : numbers)
        items << QString::number(x);
    return shortened(items, 12).join(QStringLiteral("; "));
}

} // namespace

Postup explain_divisors(const Divisors& r)
{
    Explainer e(QStringLiteral("Největší společný dělitel a nejmenší společný násobek"));
    const std::vector<std::int64_t>& numbers = r.in.numbers;
    e.given(QStringLiteral("čísla"), list_text(numbers));
    const QString of = u'(' + list_text(numbers) + u')';
    const QString lcm = r.multipleInRange ? QString::number(r.multiple) : QStringLiteral("mimo rozsah");

    if (numbers.size() <= kMostFactorized) {
        e.section(QStringLiteral("Rozklad na prvočísla:"));
        std::vector<Powers> each;
        for (std::int64_t x : numbers) {
            each.push_back(powers_of(x));
            const Powers& p = each.back();
            QString line = QString::number(x) + QStringLiteral(" = ") + product_text(p);
            if (p.size() == 1 && p.begin()->second == 1)
                line += QStringLiteral(" (prvočíslo)");
            e.line(line);
        }
        Powers common = each.front(), all;
        for (const Powers& p : each) {
            for (auto it = common.begin(); it != common.end();) {
                const auto found = p.find(it->first);
                if (found == p.end()) {
                    it = common.erase(it);
                } else {
                    it->second = std::min(it->second, found->second);
                    ++it;
                }
            }
            for (const auto& [prime, power] : p)
                all[prime] = std::max(all[prime], power);
        }
        e.section(QStringLiteral("Společná prvočísla v nejmenších mocninách:"));
        e.line(QStringLiteral("NSD") + of + QStringLiteral(" = ") +
               (common.empty() ? QStringLiteral("1 (žádné společné prvočíslo)")
                               : common.size() == 1 && common.begin()->second == 1
                                     ? QString::number(r.divisor)
                                     : product_text(common) + QStringLiteral(" = ") + QString::number(r.divisor)));
        e.section(QStringLiteral("Všechna prvočísla v největších mocninách:"));
        const Exact multiple = value_of(all);
        QString line = QStringLiteral("NSN") + of + QStringLiteral(" = ") + product_text(all);
        if (all.size() > 1 || (!all.empty() && all.begin()->second > 1))
            line += QStringLiteral(" = ") + (readable(multiple) ? multiple.written() : lcm);
        if (!r.multipleInRange)
            line += QStringLiteral(" (mimo rozsah)");
        e.line(line);
    } else {
        e.note(QStringLiteral("Po dvou od prvního čísla: NSD Eukleidovým algoritmem, NSN(a; b) = a · b : NSD(a; b)."));
        QStringList lines;
        for (std::size_t k = 1; k < r.steps.size(); ++k) {
            const Divisors::Step& before = r.steps[k - 1];
            const Divisors::Step& now = r.steps[k];
            const QString x = QString::number(numbers[k]);
            QString line = QStringLiteral("NSD(") + QString::number(before.divisor) + QStringLiteral("; ") + x +
                           QStringLiteral(") = ") + QString::number(now.divisor);
            if (now.multiple != 0)
                line += QStringLiteral(", NSN(") + QString::number(before.multiple) + QStringLiteral("; ") + x +
                        QStringLiteral(") = ") + QString::number(now.multiple);
            lines << line;
        }
        for (const QString& line : shortened(lines, kMostLines))
            e.line(line);
    }
    e.result(QStringLiteral("NSD = ") + QString::number(r.divisor));
    e.result(QStringLiteral("NSN = ") + lcm);
    e.exact(QStringLiteral("nsd"), Exact::fraction(r.divisor, 1));
    if (r.multipleInRange)
        e.exact(QStringLiteral("nsn"), Exact::fraction(r.multiple, 1));
    return e.take();
}

} // namespace qvk::numbers
