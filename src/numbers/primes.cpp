#include "numbers/primes.h"
#include "core/errors.h"
#include "core/numeric.h"
#include "model/declare.h"
#include "model/run_lock.h"

#include <cmath>

namespace qvk::numbers {

namespace {

const QString kNoNumbers = QStringLiteral("Nejsou zadány číselné hodnoty");
const QString kDone = QStringLiteral("Výpočet dokončen");
const QString kUnfinished = QStringLiteral("Výpočet nedokončen");
const QString kSeparator = QStringLiteral("--------------------");
const QString kStop = QString::fromLatin1(kPrimesStop);

// The trial candidates that are multiples of 1000001 (the progress values):
// 1000001 is 5 mod 6, so they are 1000001, 7000007, ... every 6000006.
constexpr std::uint64_t kFirstProgress = 1000001;
constexpr std::uint64_t kProgressStep = 6000006;

QString number(std::uint64_t v) { return QString::number(v); }

// The progress and the poll of one trial step; true when Stop was pressed.
inline bool trial_step_stopped(WindowModel& m, const bool& stop, std::uint64_t i, std::uint64_t& progress)
{
    if (i == progress) {
        m.setText(QStringLiteral("stav"), number(i));
        progress += kProgressStep;
    }
    m.processEvents();
    return stop;
}

// Divides p out of n completely and adds its line.
void divide_out(WindowModel& m, std::uint64_t& n, std::uint64_t p)
{
    int k = 0;
    do {
        n /= p;
        ++k;
    } while (n % p == 0);
    QString line = number(p);
    if (k > 1)
        line += QStringLiteral(" ^ ") + QString::number(k);
    m.addLine(QStringLiteral("rozklad"), line);
}

} // namespace

std::uint64_t isqrt(std::uint64_t n)
{
    if (n < 2)
        return n;
    // The floating root is within one of the exact one.
    std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(n)));
    // r * r > n, tested without overflow.
    while (r > n / r)
        --r;
    while (r + 1 <= n / (r + 1))
        ++r;
    return r;
}

void declare_primes(WindowModel& m)
{
    using namespace declare;
    edit(m, "zadani_prv", "Rozklad", "Zadejte číslo, které chcete rozložit na prvočísla", "174636000", 19);
    edit(m, "xod", "od", "Zadejte číslo, od kterého se mají prvočísla vypisovat", "0", 19);
    edit(m, "xdo", "do", "Zadejte číslo, do kterého se mají prvočísla vypisovat", "20", 19);
    memo(m, "rozklad", "Prvočíselný rozklad nebo výpis prvočísel v zadaném intervalu", "", true);
    label(m, "cyklus", "0", "", "Výpočet");
    label(m, "stav", "0", "", "Stav výpočtu");
    button(m, "rozloz", "&Rozlož", "Zadané číslo rozloži na prvočísla", true, PropEnabled);
    button(m, "vypis", "&Vypiš", "V zadaném rozsahu vypíše všechna prvočísla", true, PropEnabled);
    button(m, "prerus", "&Ukončit", "Ukonči daný výpočet", false, PropEnabled);
}

void register_primes(Registry& r)
{
    r.add(QStringLiteral("rozlozClick"), rozlozClick);
    r.add(QStringLiteral("vypisClick"), vypisClick);
    r.add(QStringLiteral("prerusClick"), prerusClick);
    for (const char* field : {"zadani_prv", "xod", "xdo"})
        r.keepKeys(QString::fromLatin1(field));
    r.setStopHandler(QStringLiteral("rozlozClick"), QStringLiteral("prerusClick"));
    r.setStopHandler(QStringLiteral("vypisClick"), QStringLiteral("prerusClick"));
}

void prerusClick(WindowModel& m) { m.stop(kStop) = true; }

void rozlozClick(WindowModel& m)
{
    m.setText(QStringLiteral("rozklad"), QString());
    std::int64_t value = 0;
    guarded_read(kNoNumbers, [&] { value = parse_integer(m.text(QStringLiteral("zadani_prv"))); });
    if (value < 4)
        report_error(QStringLiteral("Číslo musí být větší než 4"));

    bool& stop = m.stop(kStop);
    stop = false;
    m.setText(QStringLiteral("rozklad"), QString());
    RunLock run(m, QStringLiteral("prerus"), {QStringLiteral("rozloz"), QStringLiteral("vypis")});

    // n >= 4 from here on: unsigned arithmetic, no step can overflow.
    std::uint64_t n = static_cast<std::uint64_t>(value);
    std::uint64_t b = isqrt(n) + 1;
    std::uint64_t bound_of = n; // the cofactor b was computed for
    m.setText(QStringLiteral("cyklus"), number(n));
    bool found = false;
    if (n % 2 == 0) {
        divide_out(m, n, 2);
        found = true;
    }
    if (n % 3 == 0) {
        divide_out(m, n, 3);
        found = true;
    }

    std::uint64_t progress = kFirstProgress;
    // i <= b <= 3037000500, so i + 2 and i + 6 stay far from any limit.
    for (std::uint64_t i = 5; i <= b && n != 1; i += 6) {
        // The remainders do not depend on the events: asked for before the
        // poll, the divider works while the pump is called.
        const std::uint64_t r1 = n % i;
        const std::uint64_t r2 = n % (i + 2);
        if (trial_step_stopped(m, stop, i, progress)) {
            run.idle();
            m.setText(QStringLiteral("stav"), kUnfinished);
            return;
        }
        if (r1 == 0) {
            divide_out(m, n, i);
            found = true;
        }
        if ((r1 == 0 ? n % (i + 2) : r2) == 0) {
            divide_out(m, n, i + 2);
            found = true;
        }
        // The bound follows the cofactor (the first pass still used the bound
        // of the input); it changes only with it.
        if (n != bound_of) {
            b = isqrt(n) + 1;
            bound_of = n;
        }
    }
    if (n != 1)
        m.addLine(QStringLiteral("rozklad"), number(n));
    if (!found)
        m.addLine(QStringLiteral("rozklad"), QStringLiteral("je prvočíslo"));
    m.setText(QStringLiteral("stav"), kDone);
    run.idle();
}

void vypisClick(WindowModel& m)
{
    std::int64_t a = 0;
    std::int64_t e = 0;
    guarded_read(kNoNumbers, [&] {
        a = parse_integer(m.text(QStringLiteral("xod")));
        e = parse_integer(m.text(QStringLiteral("xdo")));
    });
    if (a > e)
        report_error(QStringLiteral("Začátek intervalu nemůže být větší než konec !!!"));
    // With a <= e the true difference lies in 0 .. 2^64 - 1: exact in unsigned.
    if (static_cast<std::uint64_t>(e) - static_cast<std::uint64_t>(a) > 20000)
        report_error(QStringLiteral("Maximální rozpětí intervalu je 20000 !!!"));

    bool& stop = m.stop(kStop);
    stop = false;
    m.setText(QStringLiteral("rozklad"), QString());
    RunLock run(m, QStringLiteral("prerus"), {QStringLiteral("rozloz"), QStringLiteral("vypis")});

    auto finish = [&] {
        m.addLine(QStringLiteral("rozklad"), kSeparator);
        const qsizetype count = m.lines(QStringLiteral("rozklad")).size() - 1;
        m.addLine(QStringLiteral("rozklad"), QStringLiteral("Počet : ") + QString::number(count));
    };

    if (a <= 2) {
        if (e >= 2)
            m.addLine(QStringLiteral("rozklad"), QStringLiteral("2"));
        if (e >= 3)
            m.addLine(QStringLiteral("rozklad"), QStringLiteral("3"));
        a = 5;
    } else if (a == 3) {
        m.addLine(QStringLiteral("rozklad"), QStringLiteral("3"));
        a = 5;
    }

    if (a <= e) {
        // 4 <= a <= r <= e: every r is positive; the loop ends at r == e so
        // that e = 2^63 - 1 needs no step past it.
        for (std::uint64_t r = static_cast<std::uint64_t>(a);; ++r) {
            m.setText(QStringLiteral("cyklus"), number(r));
            if (r % 2 != 0 && r % 3 != 0) {
                const std::uint64_t b = isqrt(r) + 1;
                std::uint64_t progress = kFirstProgress;
                bool prime = true;
                for (std::uint64_t i = 5; i <= b; i += 6) {
                    if (trial_step_stopped(m, stop, i, progress)) {
                        run.idle();
                        m.setText(QStringLiteral("xdo"), number(r - 1));
                        finish();
                        return;
                    }
                    if (r % i == 0 || r % (i + 2) == 0) {
                        prime = false;
                        break;
                    }
                }
                if (prime)
                    m.addLine(QStringLiteral("rozklad"), number(r));
            }
            if (r == static_cast<std::uint64_t>(e))
                break;
        }
    }
    finish();
    run.idle();
}

} // namespace qvk::numbers
