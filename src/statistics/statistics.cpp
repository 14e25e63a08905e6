#include "statistics/statistics.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "model/declare.h"
#include "model/run_lock.h"

#include <cmath>
#include <utility>
#include <vector>

namespace qvk::statistics {

namespace {

constexpr char kDataField[] = "data";
constexpr char kBufferField[] = "memo_zal";
constexpr char kProgressField[] = "Tridim";
constexpr char kCountField[] = "stat_prvky";
const QString kData = QString::fromLatin1(kDataField);
const QString kBuffer = QString::fromLatin1(kBufferField);
const QString kProgress = QString::fromLatin1(kProgressField);
const QString kCount = QString::fromLatin1(kCountField);
const QString kStop = QString::fromLatin1(kStatisticsStop);

// The characteristics: each field named here once, for the page and for
// writing its value.
constexpr char kMean[] = "stat_prumer";
constexpr char kSum[] = "stat_soucet";
constexpr char kMedian[] = "stat_median";
constexpr char kRange[] = "stat_vr";
constexpr char kMeanDeviation[] = "stat_prum_odchyl";
constexpr char kVariance[] = "stat_rozptyl";
constexpr char kDeviation[] = "stat_smer_odchyl";
constexpr char kVariation[] = "stat_vari_koef";
constexpr char kKurtosis[] = "stat_spic";
constexpr char kSkewness[] = "stat_sikm";

using declare::Entry;
using declare::Place;
// In tab order: the data, then two columns of captions (wrapped where long)
// and results; the longest caption takes three lines at the foot of its
// column.
constexpr Entry kPage[] = {
    {.role = Entry::Area, .name = kDataField, .hint = "Zadejte vstupní data", .text = "12\n9\n8\n10\n-9\n6\n-3\n4\n-7\n-1\n5\n3\n",
     .at = {4, 4, 76, 136}},
    // A buffer of the model only: no widget shows it.
    {.role = Entry::Area, .name = kBufferField},
    {.role = Entry::Output, .name = kCountField, .caption = "n =", .hint = "Počet prvků", .text = "12",
     .at = {28, 144, 52, 22}, .captionAt = {4, 146, 24, 20}},
    {.role = Entry::Output, .name = kMean, .caption = "Průměr", .cleared = true, .at = {138, 8, 82, 22},
     .captionAt = {86, 4, 50, 30, Place::Wrapped}},
    {.role = Entry::Output, .name = kSum, .caption = "Součet prvků", .cleared = true, .at = {138, 38, 82, 22},
     .captionAt = {86, 34, 50, 30, Place::Wrapped}},
    {.role = Entry::Output, .name = kMedian, .caption = "Medián", .cleared = true, .at = {138, 68, 82, 22},
     .captionAt = {86, 64, 50, 30, Place::Wrapped}},
    {.role = Entry::Output, .name = kRange, .caption = "Variační rozpětí", .cleared = true, .at = {138, 98, 82, 22},
     .captionAt = {86, 94, 50, 30, Place::Wrapped}},
    {.role = Entry::Output, .name = kVariance, .caption = "Rozptyl", .cleared = true, .at = {138, 128, 82, 22},
     .captionAt = {86, 124, 50, 30, Place::Wrapped}},
    {.role = Entry::Output, .name = kDeviation, .caption = "Směrodatná odchylka", .cleared = true,
     .at = {296, 8, 76, 22}, .captionAt = {224, 4, 70, 30, Place::Wrapped}},
    {.role = Entry::Output, .name = kVariation, .caption = "Variační koeficient", .cleared = true,
     .at = {296, 38, 76, 22}, .captionAt = {224, 34, 70, 30, Place::Wrapped}},
    {.role = Entry::Output, .name = kKurtosis, .caption = "Koeficient špičatosti", .cleared = true,
     .at = {296, 68, 76, 22}, .captionAt = {224, 64, 70, 30, Place::Wrapped}},
    {.role = Entry::Output, .name = kSkewness, .caption = "Koeficient šikmosti", .cleared = true,
     .at = {296, 98, 76, 22}, .captionAt = {224, 94, 70, 30, Place::Wrapped}},
    {.role = Entry::Output, .name = kMeanDeviation, .caption = "Průměrná absolutní odchylka", .cleared = true,
     .at = {296, 136, 76, 22}, .captionAt = {224, 124, 70, 46, Place::Wrapped}},
    {.role = Entry::Text, .name = kProgressField, .at = {86, 156, 134, 20}},
    {.role = Entry::Press, .name = "stat_vyres", .caption = "Vyřeš", .hint = "Vypočítá vybrané statistické charakteristiky",
     .reported = PropEnabled, .calculates = true, .at = {190, 176, 64, 26}, .icon = "vypocti"},
    {.role = Entry::Press, .name = "stat_prerus", .caption = "&Ukončit", .hint = "Přeruší probíhající výpočet",
     .enabled = false, .reported = PropEnabled, .at = {256, 176, 76, 26}, .icon = "ukoncit"},
    {.role = Entry::Press, .name = "vymaz_stat", .hint = "Vymaže zadání", .reported = PropEnabled,
     .at = {334, 176, 34, 26}, .icon = "novy"},
};

// The result fields in the order the page writes them.
struct Shown {
    const char* field;
    double StatisticsResult::*value;
};
constexpr Shown kShown[] = {
    {kMean, &StatisticsResult::mean},
    {kSum, &StatisticsResult::sum},
    {kMedian, &StatisticsResult::median},
    {kRange, &StatisticsResult::range},
    {kMeanDeviation, &StatisticsResult::meanDeviation},
    {kVariance, &StatisticsResult::variance},
    {kDeviation, &StatisticsResult::deviation},
    {kVariation, &StatisticsResult::variation},
    {kKurtosis, &StatisticsResult::kurtosis},
    {kSkewness, &StatisticsResult::skewness},
};

// Expressions are evaluated in extended precision and stored into doubles;
// a store that overflows stops the run with the fault.
double store(long double x) { return store_double(x); }

} // namespace

std::span<const declare::Entry> statistics_fields() { return kPage; }

void declare_statistics(WindowModel& m)
{
    declare::declare_all(m, kPage);
    // A buffer of the model only: no widget shows it.
    m.setVisible(kBuffer, false);
}

void register_statistics(Registry& r)
{
    r.add(QStringLiteral("stat_vyresClick"), stat_vyresClick);
    r.add(QStringLiteral("stat_prerusClick"), stat_prerusClick);
    r.add(QStringLiteral("vymaz_statClick"), vymaz_statClick);
    r.add(QStringLiteral("dataChange"), dataChange);
    r.add(QStringLiteral("dataKeyUp"), dataKeyUp);
    r.setStopHandler(QStringLiteral("stat_vyresClick"), QStringLiteral("stat_prerusClick"));
}

void stat_prerusClick(WindowModel& m) { m.stop(kStop) = true; }

void dataChange(WindowModel& m) { m.setText(kCount, QString::number(m.lines(kData).size())); }

void dataKeyUp(WindowModel& m)
{
    // Every empty line goes; the line break that ends the text is not a line.
    const QString& text = m.text(kData);
    QStringList lines = m.lines(kData);
    const bool broken = text.endsWith(u'\n');
    if (!lines.removeAll(QString()))
        return;
    QString out = lines.join(u'\n');
    if (broken && !lines.isEmpty())
        out += u'\n';
    m.setText(kData, out);
    dataChange(m);
}

void vymaz_statClick(WindowModel& m)
{
    m.setText(kData, QString());
    dataChange(m);
    m.setText(kCount, QStringLiteral("0"));
    declare::clear_marked(m, kPage);
    m.undraw(QLatin1String(kStatisticsPage));
    m.setFocus(kData);
}

StatisticsResult characteristics(const StatisticsInput& in, std::vector<double> sorted)
{
    StatisticsResult res;
    res.in = in;
    const qsizetype n = static_cast<qsizetype>(sorted.size());
    res.n = n;
    res.sorted = std::move(sorted);
    const std::vector<double>& x = res.sorted;
    const qsizetype r = n - 1;

    try {
        const long double count = static_cast<long double>(n);
        double S = 0;
        for (double v : x)
            S = store(S + static_cast<long double>(v));
        res.sum = S;
        const double mean = statistics::mean<long double>(S, count);
        res.mean = mean;
        double A = 0;
        double Q = 0;
        double C = 0;
        double F = 0;
        for (double v : x) {
            const long double d = static_cast<long double>(v) - mean;
            A = store(A + std::fabs(d));
            Q = store(Q + d * d);
            C = store(C + d * d * d);
            F = store(F + d * d * d * d);
        }
        res.variance = variance<long double>(Q, count);
        const double s = deviation<long double>(res.variance);
        res.deviation = s;
        res.range = range<long double>(x[static_cast<size_t>(r)], x[0]);
        res.meanDeviation = mean_deviation<long double>(A, count);
        res.kurtosis = s != 0 ? kurtosis<long double>(F, count, s) : F;
        res.skewness = s != 0 ? skewness<long double>(C, count, s) : C;
        res.variation = mean != 0 ? variation<long double>(s, mean) : 0;
        const size_t mid = static_cast<size_t>(r / 2);
        res.medianAt = static_cast<qsizetype>(mid);
        res.median = n % 2 != 0 ? x[mid] : median_even<long double>(x[mid], x[mid + 1]);
    } catch (...) {
        res.failure = std::current_exception();
    }
    return res;
}

QString statistic_text(double value, int places) { return format_number(round_places(value, places)); }

void stat_vyresClick(WindowModel& m)
{
    bool& stop = m.stop(kStop);
    stop = false;
    const QStringList lines = m.lines(kData);
    const qsizetype n = lines.size();
    if (n < 2)
        report_error(QStringLiteral("Nejsou zadány žádné hodnoty"));
    StatisticsInput in;
    in.values.resize(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty"),
                     [&] { in.values[static_cast<size_t>(i)] = store_double(parse_decimal(lines[i])); });

    RunLock run(m, QStringLiteral("stat_prerus"), {QStringLiteral("vymaz_stat"), QStringLiteral("stat_vyres")});
    const qsizetype r = n - 1;
    const bool progress = r > 500;
    if (progress)
        m.setText(kProgress, QStringLiteral("Třídím data ..."));

    // One event pass per comparison and one per sort pass.
    const qsizetype every = r / 100 + 1;
    auto compared = [&] {
        if (stop) {
            run.idle();
            return false;
        }
        m.processEvents();
        return true;
    };
    auto passed = [&](qsizetype i) {
        if (progress && i % every == 0)
            m.setText(kProgress, QStringLiteral("Třídím data ... %1 %").arg(i * 100 / r));
        m.processEvents();
        if (stop) {
            run.idle();
            return false;
        }
        return true;
    };
    StatisticsResult res = solve_statistics(in, compared, passed);

    if (!stop) {
        if (progress)
            m.setText(kProgress, QStringLiteral("Vypisuji data"));
        // The sorted list is built aside and replaces `data` only when it is
        // complete: a stop while writing back keeps the user's data.
        m.setText(kBuffer, QString());
        for (double v : res.sorted) {
            m.addLine(kBuffer, format_number(v));
            if (stop) {
                run.idle();
                break;
            }
            m.processEvents();
        }
        if (!stop) {
            m.setText(kData, m.text(kBuffer));
            dataChange(m);
        }
    }
    m.setText(kProgress, QString());
    // A stopped run shows no results.
    if (stop) {
        m.explain([] {
            StatisticsResult stopped;
            stopped.stopped = true;
            return explain_statistics(stopped, 0);
        });
        return;
    }
    if (res.failure)
        std::rethrow_exception(res.failure);

    for (const Shown& shown : kShown)
        m.setText(QString::fromUtf8(shown.field), statistic_text(res.*shown.value, m.settings().zaokrouhleni));
    m.publish(QLatin1String(kStatisticsPage), res);
    m.explain([res, places = m.settings().zaokrouhleni] { return explain_statistics(res, places); });
    m.draw(QLatin1String(kStatisticsPage), [res = std::move(res), places = m.settings().zaokrouhleni] {
        return statistics_chart(res, places);
    });
    run.idle();
}

} // namespace qvk::statistics
