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

using declare::Entry;
using declare::Place;
// In tab order. The edits and `cyklus` take 19 digits; so do the lines of
// the list.
constexpr Entry kPage[] = {
    {.role = Entry::Input, .name = "zadani_prv", .caption = "Rozklad",
     .hint = "Zadejte číslo, které chcete rozložit na prvočísla", .text = "174636000", .maxLength = 19, .enter = "rozloz",
     .at = {58, 6, 150, 22}, .captionAt = {6, 8, 50, 20}},
    {.role = Entry::Input, .name = "xod", .caption = "od",
     .hint = "Zadejte číslo, od kterého se mají prvočísla vypisovat", .text = "0", .maxLength = 19, .enter = "vypis",
     .at = {58, 34, 150, 22}, .captionAt = {34, 36, 22, 20, Place::Right}},
    {.role = Entry::Input, .name = "xdo", .caption = "do",
     .hint = "Zadejte číslo, do kterého se mají prvočísla vypisovat", .text = "20", .maxLength = 19, .enter = "vypis",
     .at = {58, 60, 150, 22}, .captionAt = {34, 62, 22, 20, Place::Right}},
    {.role = Entry::Press, .name = "rozloz", .caption = "&Rozlož", .hint = "Zadané číslo rozloži na prvočísla",
     .reported = PropEnabled, .calculates = true, .at = {4, 90, 66, 26}, .icon = "vypocti"},
    {.role = Entry::Press, .name = "vypis", .caption = "&Vypiš", .hint = "V zadaném rozsahu vypíše všechna prvočísla",
     .reported = PropEnabled, .calculates = true, .at = {72, 90, 62, 26}, .icon = "vypis"},
    {.role = Entry::Press, .name = "prerus", .caption = "&Ukončit", .hint = "Ukonči daný výpočet", .enabled = false,
     .reported = PropEnabled, .at = {136, 90, 74, 26}, .icon = "ukoncit"},
    {.role = Entry::Text, .name = "cyklus", .caption = "Výpočet", .text = "0", .at = {58, 122, 150, 20},
     .captionAt = {6, 122, 52, 20}},
    {.role = Entry::Text, .name = "stav", .caption = "Stav výpočtu", .text = "0", .at = {86, 144, 124, 20},
     .captionAt = {6, 144, 80, 20}},
    {.role = Entry::Area, .name = "rozklad", .hint = "Prvočíselný rozklad nebo výpis prvočísel v zadaném intervalu",
     .readOnly = true, .at = {212, 6, 158, 160}},
};

// The trial candidates that are multiples of 1000001 (the progress values):
// 1000001 is 5 mod 6, so they are 1000001, 7000007, ... every 6000006.
constexpr std::uint64_t kFirstProgress = 1000001;
constexpr std::uint64_t kProgressStep = 6000006;

QString number(std::uint64_t v) { return QString::number(v); }

QString factor_line(const PrimeFactor& f)
{
    QString line = number(f.prime);
    if (f.power > 1)
        line += QStringLiteral(" ^ ") + QString::number(f.power);
    return line;
}

// A run solved on its own: never stopped, nothing shown on the way.
struct Unwatched {
    bool stopped(std::uint64_t) { return false; }
    void factor(const PrimeFactor&) {}
    void testing(std::uint64_t) {}
    void prime(std::uint64_t) {}
};

// A run as the page follows it: each trial pass shows the progress, lets the
// window process its events and looks at Stop; lines appear as they are found.
struct PageWatch {
    WindowModel& m;
    const bool& stop;
    std::uint64_t progress = kFirstProgress;

    bool stopped(std::uint64_t i)
    {
        if (i == progress) {
            m.setText(QStringLiteral("stav"), number(i));
            progress += kProgressStep;
        }
        m.processEvents();
        return stop;
    }
    void factor(const PrimeFactor& f) { m.addLine(QStringLiteral("rozklad"), factor_line(f)); }
    // Each number of a listing starts its trials, and its progress, afresh.
    void testing(std::uint64_t r)
    {
        m.setText(QStringLiteral("cyklus"), number(r));
        progress = kFirstProgress;
    }
    void prime(std::uint64_t p) { m.addLine(QStringLiteral("rozklad"), number(p)); }
};

template <typename Watch>
Factorization factorize_watched(const FactorizationInput& in, Watch& watch)
{
    Factorization r;
    r.in = in;
    // n >= 4: unsigned arithmetic, no step can overflow.
    std::uint64_t n = in.n;
    std::uint64_t b = isqrt(n) + 1;
    std::uint64_t bound_of = n; // the cofactor b was computed for
    const auto divide_out = [&](std::uint64_t p) {
        PrimeFactor f{p, 0};
        do {
            n /= p;
            ++f.power;
        } while (n % p == 0);
        r.factors.push_back(f);
        watch.factor(f);
    };
    if (n % 2 == 0)
        divide_out(2);
    if (n % 3 == 0)
        divide_out(3);

    // i <= b <= 3037000500, so i + 2 and i + 6 stay far from any limit.
    for (std::uint64_t i = 5; i <= b && n != 1; i += 6) {
        // The remainders do not depend on the events: asked for before the
        // poll, the divider works while the pump is called.
        const std::uint64_t r1 = n % i;
        const std::uint64_t r2 = n % (i + 2);
        if (watch.stopped(i)) {
            r.finished = false;
            return r;
        }
        if (r1 == 0)
            divide_out(i);
        if ((r1 == 0 ? n % (i + 2) : r2) == 0)
            divide_out(i + 2);
        // The bound follows the cofactor (the first pass still used the bound
        // of the input); it changes only with it.
        if (n != bound_of) {
            b = isqrt(n) + 1;
            bound_of = n;
        }
    }
    r.prime = r.factors.empty();
    if (n != 1) {
        r.factors.push_back({n, 1});
        watch.factor(r.factors.back());
    }
    return r;
}

template <typename Watch>
PrimeListing list_watched(const ListingInput& in, Watch& watch)
{
    PrimeListing r;
    r.in = in;
    const auto add = [&](std::uint64_t p) {
        r.primes.push_back(p);
        watch.prime(p);
    };
    std::int64_t a = in.from;
    const std::int64_t e = in.to;
    if (a <= 2) {
        if (e >= 2)
            add(2);
        if (e >= 3)
            add(3);
        a = 5;
    } else if (a == 3) {
        add(3);
        a = 5;
    }
    if (a > e)
        return r;
    // 4 <= a <= n <= e: every n is positive; the loop ends at n == e so that
    // e = 2^63 - 1 needs no step past it.
    for (std::uint64_t n = static_cast<std::uint64_t>(a);; ++n) {
        watch.testing(n);
        if (n % 2 != 0 && n % 3 != 0) {
            const std::uint64_t b = isqrt(n) + 1;
            bool prime = true;
            for (std::uint64_t i = 5; i <= b; i += 6) {
                if (watch.stopped(i)) {
                    r.finished = false;
                    r.lastTested = n - 1;
                    return r;
                }
                if (n % i == 0 || n % (i + 2) == 0) {
                    prime = false;
                    break;
                }
            }
            if (prime)
                add(n);
        }
        if (n == static_cast<std::uint64_t>(e))
            return r;
    }
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

Factorization factorize(const FactorizationInput& in)
{
    Unwatched none;
    return factorize_watched(in, none);
}

PrimeListing list_primes(const ListingInput& in)
{
    Unwatched none;
    return list_watched(in, none);
}

std::span<const declare::Entry> primes_fields() { return kPage; }

void declare_primes(WindowModel& m) { declare::declare_all(m, kPage); }

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

    const FactorizationInput in{static_cast<std::uint64_t>(value)};
    m.setText(QStringLiteral("cyklus"), number(in.n));
    // The factors are written as they are found.
    PageWatch watch{m, stop};
    const Factorization r = factorize_watched(in, watch);
    if (!r.finished) {
        run.idle();
        m.setText(QStringLiteral("stav"), kUnfinished);
        m.explain([r] { return explain_factorization(r); });
        return;
    }
    if (r.prime)
        m.addLine(QStringLiteral("rozklad"), QStringLiteral("je prvočíslo"));
    m.setText(QStringLiteral("stav"), kDone);
    run.idle();
    m.publish(QLatin1String(kPrimesPage), r);
    m.explain([r] { return explain_factorization(r); });
}

void vypisClick(WindowModel& m)
{
    ListingInput in;
    guarded_read(kNoNumbers, [&] {
        in.from = parse_integer(m.text(QStringLiteral("xod")));
        in.to = parse_integer(m.text(QStringLiteral("xdo")));
    });
    if (in.from > in.to)
        report_error(QStringLiteral("Začátek intervalu nemůže být větší než konec !!!"));
    // With from <= to the true difference lies in 0 .. 2^64 - 1: exact in unsigned.
    if (static_cast<std::uint64_t>(in.to) - static_cast<std::uint64_t>(in.from) > 20000)
        report_error(QStringLiteral("Maximální rozpětí intervalu je 20000 !!!"));

    bool& stop = m.stop(kStop);
    stop = false;
    m.setText(QStringLiteral("rozklad"), QString());
    RunLock run(m, QStringLiteral("prerus"), {QStringLiteral("rozloz"), QStringLiteral("vypis")});

    // The primes are written as they are found.
    PageWatch watch{m, stop};
    const PrimeListing r = list_watched(in, watch);
    const auto finish = [&] {
        m.addLine(QStringLiteral("rozklad"), kSeparator);
        m.addLine(QStringLiteral("rozklad"), QStringLiteral("Počet : ") + QString::number(r.primes.size()));
    };
    if (!r.finished) {
        run.idle();
        m.setText(QStringLiteral("xdo"), number(r.lastTested));
        finish();
        m.explain([r] { return explain_listing(r); });
        return;
    }
    finish();
    run.idle();
    m.publish(QLatin1String(kPrimesPage), r);
    m.explain([r] { return explain_listing(r); });
}

} // namespace qvk::numbers
