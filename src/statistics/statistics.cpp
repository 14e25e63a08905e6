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

const QString kData = QStringLiteral("data");
const QString kBuffer = QStringLiteral("memo_zal");
const QString kProgress = QStringLiteral("Tridim");
const QString kCount = QStringLiteral("stat_prvky");
const QString kStop = QString::fromLatin1(kStatisticsStop);

// The result fields in the order the clear button empties them.
const char* const kResults[] = {"stat_vr",         "stat_vari_koef", "stat_soucet",      "stat_prum_odchyl",
                                "stat_rozptyl",    "stat_prumer",    "stat_median",      "stat_smer_odchyl",
                                "stat_spic",       "stat_sikm"};


// Expressions are evaluated in extended precision and stored into doubles;
// a store that overflows stops the run with the fault.
double store(long double x) { return store_double(x); }

void write_result(WindowModel& m, const char* field, double value)
{
    m.setText(QString::fromUtf8(field), format_number(round_places(value, m.settings().zaokrouhleni)));
}

} // namespace

void declare_statistics(WindowModel& m)
{
    using namespace declare;
    memo(m, "data", "Zadejte vstupní data", "12\n9\n8\n10\n-9\n6\n-3\n4\n-7\n-1\n5\n3\n");
    Field buffer;
    buffer.name = kBuffer;
    buffer.kind = Kind::Memo;
    buffer.visible = false;
    m.add(buffer);
    label(m, "Tridim", "");
    result(m, "stat_prvky", "n =", "Počet prvků", "12");
    result(m, "stat_prumer", "Průměr");
    result(m, "stat_soucet", "Součet prvků");
    result(m, "stat_prum_odchyl", "Průměrná absolutní odchylka");
    result(m, "stat_rozptyl", "Rozptyl");
    result(m, "stat_smer_odchyl", "Směrodatná odchylka");
    result(m, "stat_vari_koef", "Variační koeficient");
    result(m, "stat_vr", "Variační rozpětí");
    result(m, "stat_median", "Medián");
    result(m, "stat_spic", "Koeficient špičatosti");
    result(m, "stat_sikm", "Koeficient šikmosti");
    button(m, "stat_vyres", "Vyřeš", "Vypočítá vybrané statistické charakteristiky", true, PropEnabled);
    button(m, "vymaz_stat", "", "Vymaže zadání", true, PropEnabled);
    button(m, "stat_prerus", "&Ukončit", "Přeruší probíhající výpočet", false, PropEnabled);
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
    for (const char* field : kResults)
        m.setText(QString::fromUtf8(field), QString());
    m.setFocus(kData);
}

void stat_vyresClick(WindowModel& m)
{
    bool& stop = m.stop(kStop);
    stop = false;
    const QStringList lines = m.lines(kData);
    const qsizetype n = lines.size();
    if (n < 2)
        report_error(QStringLiteral("Nejsou zadány žádné hodnoty"));
    std::vector<double> x(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty"),
                     [&] { x[static_cast<size_t>(i)] = store_double(parse_decimal(lines[i])); });

    RunLock run(m, QStringLiteral("stat_prerus"), {QStringLiteral("vymaz_stat"), QStringLiteral("stat_vyres")});
    const qsizetype r = n - 1;
    const bool progress = r > 500;
    if (progress)
        m.setText(kProgress, QStringLiteral("Třídím data ..."));

    // Exchange sort: one event pass per comparison and one per sort pass.
    const qsizetype every = r / 100 + 1;
    for (qsizetype i = 0; i <= r; ++i) {
        double& xi = x[static_cast<size_t>(i)];
        for (qsizetype j = i + 1; j <= r; ++j) {
            double& xj = x[static_cast<size_t>(j)];
            if (xj < xi)
                std::swap(xi, xj);
            if (stop) {
                run.idle();
                break;
            }
            m.processEvents();
        }
        if (progress && i % every == 0)
            m.setText(kProgress, QStringLiteral("Třídím data ... %1 %").arg(i * 100 / r));
        m.processEvents();
        if (stop) {
            run.idle();
            break;
        }
    }

    if (!stop) {
        if (progress)
            m.setText(kProgress, QStringLiteral("Vypisuji data"));
        // The sorted list is built aside and replaces `data` only when it is
        // complete: a stop while writing back keeps the user's data.
        m.setText(kBuffer, QString());
        for (qsizetype i = 0; i <= r; ++i) {
            m.addLine(kBuffer, format_number(x[static_cast<size_t>(i)]));
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
    if (stop)
        return;

    const long double count = static_cast<long double>(n);
    double S = 0;
    for (double v : x)
        S = store(S + static_cast<long double>(v));
    const double mean = store(S / count);
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
    const double variance = store(Q / count);
    const double s = store(std::sqrt(static_cast<long double>(variance)));
    const double range = store(static_cast<long double>(x[static_cast<size_t>(r)]) - x[0]);
    const double deviation = store(A / count);
    const long double s2 = static_cast<long double>(s) * s;
    const double kurtosis = s != 0 ? store(F / count / (s2 * s2) - 3) : F;
    const double skewness = s != 0 ? store(C / count / (s2 * s)) : C;
    const double variation = mean != 0 ? store(s / static_cast<long double>(mean) * 100) : 0;
    const size_t mid = static_cast<size_t>(r / 2);
    const double median =
        n % 2 != 0 ? x[mid] : store((static_cast<long double>(x[mid]) + x[mid + 1]) / 2);

    write_result(m, "stat_prumer", mean);
    write_result(m, "stat_soucet", S);
    write_result(m, "stat_median", median);
    write_result(m, "stat_vr", range);
    write_result(m, "stat_prum_odchyl", deviation);
    write_result(m, "stat_rozptyl", variance);
    write_result(m, "stat_smer_odchyl", s);
    write_result(m, "stat_vari_koef", variation);
    write_result(m, "stat_spic", kurtosis);
    write_result(m, "stat_sikm", skewness);
    run.idle();
}

} // namespace qvk::statistics
