// The worked solution of the page "Prvočísla", from its typed results. Its
// one result field is a listing of lines, not a number: no exact values.
#include "exact/worked.h"
#include "numbers/notation.h"
#include "numbers/primes.h"

namespace qvk::numbers {

namespace {

constexpr int kMostLines = 20;

QString number(std::uint64_t v) { return QString::number(v); }

std::uint64_t power_of(const PrimeFactor& f)
{
    std::uint64_t v = 1;
    for (int k = 0; k < f.power; ++k)
        v *= f.prime;
    return v;
}

} // namespace

Postup explain_factorization(const Factorization& r)
{
    Explainer e(QStringLiteral("Prvočíselný rozklad"));
    e.given(QStringLiteral("n"), number(r.in.n));
    if (!r.finished) {
        e.note(QStringLiteral("Výpočet byl přerušen."));
        if (!r.factors.empty()) {
            QStringList powers;
            for (const PrimeFactor& f : r.factors)
                powers << number(f.prime) + (f.power > 1 ? superscript(f.power) : QString());
            e.line(QStringLiteral("Nalezení dělitelé: ") + powers.join(QStringLiteral(" · ")));
        }
        return e.take();
    }
    if (r.prime) {
        e.note(QStringLiteral("Číslo není dělitelné žádným prvočíslem p, pro které p² ≤ ") + number(r.in.n) +
               QStringLiteral("."));
        e.result(number(r.in.n) + QStringLiteral(" je prvočíslo"));
        return e.take();
    }

    e.section(QStringLiteral("Dělení prvočísly od nejmenšího:"));
    QStringList divisions;
    std::uint64_t n = r.in.n;
    for (const PrimeFactor& f : r.factors)
        for (int j = 0; j < f.power; ++j) {
            divisions << number(n) + QStringLiteral(" : ") + number(f.prime) + QStringLiteral(" = ") +
                             number(n / f.prime);
            n /= f.prime;
        }
    for (const QString& line : shortened(divisions, kMostLines))
        e.line(line);

    QStringList powers, values;
    for (const PrimeFactor& f : r.factors) {
        powers << number(f.prime) + (f.power > 1 ? superscript(f.power) : QString());
        values << number(power_of(f));
    }
    e.result(number(r.in.n) + QStringLiteral(" = ") + powers.join(QStringLiteral(" · ")));
    e.result(QStringLiteral("Zkouška: ") + values.join(QStringLiteral(" · ")) + QStringLiteral(" = ") +
             number(r.in.n));
    return e.take();
}

Postup explain_listing(const PrimeListing& r)
{
    Explainer e(QStringLiteral("Výpis prvočísel"));
    e.given(QStringLiteral("od"), QString::number(r.in.from));
    e.given(QStringLiteral("do"), QString::number(r.in.to));
    if (!r.finished)
        e.note(QStringLiteral("Výpočet byl přerušen po čísle ") + number(r.lastTested) + u'.');
    e.note(QStringLiteral("Prvočíslo je číslo větší než 1 dělitelné jen 1 a sebou samým."));
    e.note(QStringLiteral("Každé číslo n se dělí čísly 2, 3, 5, 7, … až do √n; "
                          "nemá-li žádného dělitele, je prvočíslo."));
    QStringList items;
    for (std::size_t i = 0; i < r.primes.size(); ++i) {
        // Enough of a long listing to read: the first ones and the last ones.
        if (i == 12 && r.primes.size() > 16)
            i = r.primes.size() - 4;
        items << number(r.primes[i]);
    }
    if (r.primes.size() > 16)
        items.insert(12, QStringLiteral("…"));
    if (!items.isEmpty())
        e.line(QStringLiteral("Prvočísla: ") + items.join(QStringLiteral(", ")));
    e.result(QStringLiteral("Počet prvočísel: ") + QString::number(r.primes.size()));
    return e.take();
}

} // namespace qvk::numbers
