// The worked solution of the page "Statistika", from its typed result.
#include "core/numeric.h"
#include "exact/sums.h"
#include "exact/worked.h"
#include "statistics/statistics.h"

#include <cmath>

namespace qvk::statistics {

namespace {

// Above this many values the sums are not taken exactly: the postup shows
// the page's decimals.
constexpr std::size_t kMostExact = 10000;
// Terms of a sum written before "…".
constexpr int kHeadTerms = 3;

QString lowered(long long k)
{
    static const char16_t kDigits[] = u"₀₁₂₃₄₅₆₇₈₉";
    QString out;
    for (QChar c : QString::number(k))
        out += QChar(kDigits[c.unicode() - u'0']);
    return out;
}

QString pupil(const QString& shown) { return shown.startsWith(u'-') ? u'−' + shown.mid(1) : shown; }

// A value as the page writes its characteristics (the sums between them
// may pass the range of a double), or nothing where it has none.
QString shown_text(long double v, int places)
{
    if (!std::isfinite(v))
        return {};
    return format_number(round_places(v, places));
}

// "12 + 9 + 8 + … + 3": the data as typed, a long sum shortened.
QString sum_text(const std::vector<double>& values)
{
    QString t;
    const std::size_t n = values.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (n > kHeadTerms + 2 && i == kHeadTerms) {
            t += QStringLiteral(" + …");
            i = n - 1;
        }
        const QString v = format_number(values[i]);
        if (i == 0)
            t += pupil(v);
        else if (v.startsWith(u'-'))
            t += QStringLiteral(" − ") + v.mid(1);
        else
            t += QStringLiteral(" + ") + v;
    }
    return t;
}

// The exact value, where it agrees with the page's number to its rounding
// (the page sums in doubles; with cancellation its last digits may be off).
Worked checked(Worked w, long double page, int places)
{
    if (!w.exact.known())
        return w;
    const long double unit = std::pow(10.0L, -places);
    const long double x = w.exact.approx();
    if (!std::isfinite(page) || !(std::fabs(x - page) <= unit / 2 * (1 + 1e-9L) + std::fabs(page) * 1e-12L))
        w.exact = Exact();
    return w;
}

// A value carried into the next formula: a long exact form there by the
// page's decimal, so that the line stays readable.
Worked short_put(Worked w, const QString& shown)
{
    if (w.put.text().size() > 24 && !shown.isEmpty())
        w.put = Sym::of(pupil(shown), shown.startsWith(u'-') ? Sym::Sum : Sym::Atom);
    return w;
}

Worked quantity(const QString& formula, const QString& put, const Exact& x)
{
    return {Sym::of(formula, Sym::Sum), Sym::of(put, Sym::Sum), x};
}

// The sums of the deviations from the mean, from the power sums of the data.
struct Sums {
    Exact S, A, Q, C, F;
};

Sums exact_sums(const std::vector<double>& values)
{
    Sums s;
    if (values.size() > kMostExact)
        return s;
    const DataSums d = data_sums(values);
    const Exact N = d.powers[0], p1 = d.powers[1], p2 = d.powers[2], p3 = d.powers[3], p4 = d.powers[4];
    const Exact m = p1 / N;
    const Exact m2 = m * m;
    s.S = p1;
    s.A = d.distances;
    s.Q = p2 - p1 * m;
    s.C = p3 - Exact(3) * m * p2 + Exact(3) * m2 * p1 - N * m2 * m;
    s.F = p4 - Exact(4) * m * p3 + Exact(6) * m2 * p2 - Exact(4) * m2 * m * p1 + N * m2 * m2;
    return s;
}

} // namespace

Postup explain_statistics(const StatisticsResult& r, int places)
{
    Explainer e(QStringLiteral("Statistické charakteristiky"));
    if (r.stopped) {
        e.note(QStringLiteral("Výpočet byl přerušen: charakteristiky se nepočítají."));
        return e.take();
    }
    const long long count = static_cast<long long>(r.n);
    const Worked n{Sym::name(QStringLiteral("n")), Sym(static_cast<long double>(count)), Exact::fraction(count, 1)};
    e.given(QStringLiteral("n"), QString::number(count));
    const Sums sums = exact_sums(r.sorted);
    if (r.sorted.size() > kMostExact)
        e.note(QStringLiteral("Hodnot je mnoho: výsledky jen jako desetinná čísla."));

    e.section(QStringLiteral("Součet a průměr:"));
    QString xs = QStringLiteral("x₁");
    for (long long i = 2; i <= count; ++i) {
        if (count > 4 && i == 3) {
            xs += QStringLiteral(" + …");
            i = count;
        }
        xs += QStringLiteral(" + x") + lowered(i);
    }
    const Worked S = short_put(e.step(QStringLiteral("S"), checked(quantity(xs, sum_text(r.in.values), sums.S), r.sum, places),
                                      shown_text(r.sum, places), QStringLiteral("stat_soucet")),
                               shown_text(r.sum, places));
    const Worked mean = short_put(e.step(QStringLiteral("x̄"), checked(statistics::mean(S, n), r.mean, places),
                                         shown_text(r.mean, places), QStringLiteral("stat_prumer")),
                                  shown_text(r.mean, places));

    e.section(QStringLiteral("Medián:"));
    {
        QStringList items;
        for (std::size_t i = 0; i < r.sorted.size(); ++i) {
            if (r.sorted.size() > 8 && i == 5) {
                items << QStringLiteral("…");
                i = r.sorted.size() - 2;
            }
            items << pupil(format_number(r.sorted[i]));
        }
        e.note(QStringLiteral("Seřazená data: ") + items.join(QStringLiteral("; ")));
    }
    const qsizetype at = r.medianAt;
    const QString median = shown_text(r.median, places);
    if (r.n % 2 != 0) {
        e.line(QStringLiteral("n je liché: medián je ") + QString::number(at + 1) + QStringLiteral(". hodnota, x̃ = x") +
               lowered(at + 1) + QStringLiteral(" = ") + pupil(format_number(r.sorted[static_cast<size_t>(at)])));
        e.exact(QStringLiteral("stat_median"), checked({Sym(), Sym(), Exact::decimal(r.median)}, r.median, places).exact);
    } else {
        e.line(QStringLiteral("n je sudé: medián je průměr ") + QString::number(at + 1) + QStringLiteral(". a ") +
               QString::number(at + 2) + QStringLiteral(". hodnoty"));
        const Worked lo = given(QStringLiteral("x") + lowered(at + 1), r.sorted[static_cast<size_t>(at)]);
        const Worked hi = given(QStringLiteral("x") + lowered(at + 2), r.sorted[static_cast<size_t>(at + 1)]);
        e.step(QStringLiteral("x̃"), checked(median_even(lo, hi), r.median, places), median, QStringLiteral("stat_median"));
    }

    e.section(QStringLiteral("Variační rozpětí:"));
    e.step(QStringLiteral("R"),
           checked(range(given(QStringLiteral("xmax"), r.sorted.back()), given(QStringLiteral("xmin"), r.sorted.front())),
                   r.range, places),
           shown_text(r.range, places), QStringLiteral("stat_vr"));

    e.section(QStringLiteral("Odchylky od průměru:"));
    const long double N = static_cast<long double>(count);
    const long double s = r.deviation;
    const QString putMean = mean.put.at(Sym::Product);
    const QString first = r.sorted.empty() ? QString() : pupil(format_number(r.in.values.front()));
    const auto deviations = [&](const QString& open, const QString& close) {
        return open + first + QStringLiteral(" − ") + putMean + close + QStringLiteral(" + … (") + QString::number(count) +
               (count <= 4 ? QStringLiteral(" sčítance)") : QStringLiteral(" sčítanců)"));
    };
    const auto helper = [&](const QString& name, const QString& formula, const QString& open, const QString& close,
                            const Exact& x, long double approx) {
        const Worked w = quantity(formula, deviations(open, close), x);
        const QString shown = shown_text(approx, places);
        return short_put(e.step(name, w, shown), shown);
    };
    const Worked A = helper(QStringLiteral("A"), QStringLiteral("Σ|xᵢ − x̄|"), QStringLiteral("|"), QStringLiteral("|"),
                            sums.A, r.meanDeviation * N);
    e.step(QStringLiteral("d"), checked(mean_deviation(A, n), r.meanDeviation, places),
           shown_text(r.meanDeviation, places), QStringLiteral("stat_prum_odchyl"));
    const Worked Q = helper(QStringLiteral("Q"), QStringLiteral("Σ(xᵢ − x̄)²"), QStringLiteral("("), QStringLiteral(")²"),
                            sums.Q, r.variance * N);
    const Worked var = short_put(e.step(QStringLiteral("s²"), checked(variance(Q, n), r.variance, places),
                                        shown_text(r.variance, places), QStringLiteral("stat_rozptyl")),
                                 shown_text(r.variance, places));
    const Worked dev = short_put(e.step(QStringLiteral("s"), checked(deviation(var), r.deviation, places),
                                        shown_text(r.deviation, places), QStringLiteral("stat_smer_odchyl")),
                                 shown_text(r.deviation, places));
    if (r.mean != 0) {
        e.step(QStringLiteral("v [%]"), checked(variation(dev, mean), r.variation, places),
               shown_text(r.variation, places), QStringLiteral("stat_vari_koef"));
    } else {
        e.line(QStringLiteral("x̄ = 0: variační koeficient v = 0 %"));
        e.exact(QStringLiteral("stat_vari_koef"), Exact(0));
    }

    const Worked C = helper(QStringLiteral("C"), QStringLiteral("Σ(xᵢ − x̄)³"), QStringLiteral("("), QStringLiteral(")³"),
                            sums.C, r.skewness * N * s * s * s);
    const Worked F = helper(QStringLiteral("F"), QStringLiteral("Σ(xᵢ − x̄)⁴"), QStringLiteral("("), QStringLiteral(")⁴"),
                            sums.F, (r.kurtosis + 3) * N * s * s * s * s);
    if (s != 0 && dev.exact == Exact(0)) {
        // Rounding errors of the decimal sums, not the data, make s nonzero.
        e.note(QStringLiteral("Přesně s = 0: šikmost a špičatost nejsou určeny; desetinným výpočtem vychází ") +
               pupil(shown_text(r.skewness, places)) + QStringLiteral(" a ") + pupil(shown_text(r.kurtosis, places)) +
               QStringLiteral("."));
    } else if (s != 0) {
        e.step(QStringLiteral("šikmost"), checked(skewness(C, n, dev), r.skewness, places), shown_text(r.skewness, places),
               QStringLiteral("stat_sikm"));
        e.step(QStringLiteral("špičatost"), checked(kurtosis(F, n, dev), r.kurtosis, places),
               shown_text(r.kurtosis, places), QStringLiteral("stat_spic"));
    } else {
        e.line(QStringLiteral("s = 0: šikmost a špičatost se nepočítají, uvádí se C a F."));
        e.exact(QStringLiteral("stat_sikm"), checked(C, r.skewness, places).exact);
        e.exact(QStringLiteral("stat_spic"), checked(F, r.kurtosis, places).exact);
    }

    e.result(QStringLiteral("x̄ = ") + pupil(shown_text(r.mean, places)) + QStringLiteral(", x̃ = ") + pupil(median) +
             QStringLiteral(", s = ") + pupil(shown_text(r.deviation, places)));
    return e.take();
}

} // namespace qvk::statistics
