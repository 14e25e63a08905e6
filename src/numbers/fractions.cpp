#include "numbers/fractions.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "model/declare.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace qvk::numbers {

namespace {

const QString kZeroDenominator = QStringLiteral("Ve jmenovateli zlomku nemůže být 0");

enum Operation { Add = 0, Subtract = 1, Multiply = 2, Divide = 3 };
const char* const kOperations[] = {"+", "-", "*", "/"};

// 6 pixels per character of the longer text, plus 2.
constexpr int bar_pixels(qsizetype characters) { return 6 * static_cast<int>(characters) + 2; }

using declare::Entry;
using declare::Place;
// In tab order; the stacked fractions the page lays out itself.
constexpr Entry kPage[] = {
    {.role = Entry::Input, .name = "z1", .caption = "Čitatel 1.zlomku", .hint = "Čitatel 1.zlomku", .text = "1",
     .maxLength = 4, .enter = "zlomek", .at = {8, 8, 44, 22}},
    {.role = Entry::Input, .name = "z2", .caption = "Jmenovatel 1.zlomku", .hint = "Jmenovatel 1.zlomku", .text = "2",
     .maxLength = 4, .enter = "zlomek", .at = {8, 36, 44, 22}},
    {.role = Entry::Choice, .name = "operace", .caption = "Početní operace", .hint = "Určete druh početní operace",
     .items = kOperations, .enter = "zlomek", .at = {58, 21, 44, 22}},
    {.role = Entry::Input, .name = "z3", .caption = "Čitatel 2.zlomku", .hint = "Čitatel 2.zlomku", .text = "3",
     .maxLength = 4, .enter = "zlomek", .at = {110, 8, 44, 22}},
    {.role = Entry::Input, .name = "z4", .caption = "Jmenovatel 2.zlomku", .hint = "Jmenovatel 2.zlomku", .text = "4",
     .maxLength = 4, .enter = "zlomek", .at = {110, 36, 44, 22}},
    {.role = Entry::Switch, .name = "cele", .caption = "Složený zlomek", .hint = "Zobrazit složený zlomek - ano/ne",
     .selected = 1, .enter = "zlomek", .at = {8, 66, 140, 22}},
    {.role = Entry::Press, .name = "zlomek", .caption = "&Vypočti", .hint = "Provede zadaný výpočet", .calculates = true,
     .at = {176, 64, 76, 26}, .icon = "vypocti"},
    // The results start as those of the initial inputs: 1 1/4 and 2/5. The
    // whole part has up to 9 digits and a sign.
    {.role = Entry::Text, .name = "zlomek_cely1", .caption = "Celá část výsledku", .text = "1",
     .at = {176, 23, 76, 20, Place::Right}},
    {.role = Entry::Text, .name = kFractionResult.numerator, .caption = "Čitatel výsledku", .text = "1",
     .reported = PropVisible},
    {.role = Entry::Text, .name = kFractionResult.denominator, .caption = "Jmenovatel výsledku", .text = "4",
     .reported = PropVisible},
    {.role = Entry::Text, .name = kFractionResult.bar, .caption = "Zlomková čára výsledku",
     .reported = PropVisible | PropWidth, .width = bar_pixels(1)},
    {.role = Entry::Input, .name = "zadani_c", .caption = "Desetinné číslo ", .hint = "Zadejte desetinnou část čísla",
     .text = "4", .maxLength = 12, .enter = "preved", .at = {120, 122, 92, 22}, .captionAt = {8, 123, 96, 20}},
    {.role = Entry::Press, .name = "preved", .caption = "&Převeď", .hint = "Převede zadané desetinné číslo na zlomek",
     .calculates = true, .at = {112, 150, 76, 26}, .icon = "preved"},
    {.role = Entry::Text, .name = kFractionConverted.numerator, .caption = "Čitatel převedeného čísla", .text = "2"},
    {.role = Entry::Text, .name = kFractionConverted.denominator, .caption = "Jmenovatel převedeného čísla", .text = "5"},
    {.role = Entry::Text, .name = kFractionConverted.bar, .caption = "Zlomková čára převedeného čísla",
     .reported = PropWidth, .width = bar_pixels(1)},
};

void show_result_fraction(WindowModel& m, bool on)
{
    m.setVisible(QString::fromLatin1(kFractionResult.numerator), on);
    m.setVisible(QString::fromLatin1(kFractionResult.denominator), on);
    m.setVisible(QString::fromLatin1(kFractionResult.bar), on);
}

} // namespace

int bar_width(const QString& numerator, const QString& denominator)
{
    return bar_pixels(std::max(numerator.size(), denominator.size()));
}

namespace {

// The bar as wide as the longer of the two.
void write_stacked(WindowModel& m, const Stacked& f, const QString& numerator, const QString& denominator)
{
    m.setText(QString::fromLatin1(f.numerator), numerator);
    m.setText(QString::fromLatin1(f.denominator), denominator);
    m.setWidth(QString::fromLatin1(f.bar), bar_width(numerator, denominator));
}

} // namespace

std::span<const declare::Entry> fractions_fields() { return kPage; }

void declare_fractions(WindowModel& m) { declare::declare_all(m, kPage); }

void register_fractions(Registry& r)
{
    r.add(QStringLiteral("zlomekClick"), fraction_compute);
    r.add(QStringLiteral("operaceChange"), fraction_compute);
    r.add(QStringLiteral("celeClick"), fraction_compute);
    r.add(QStringLiteral("prevedClick"), prevedClick);
    for (const char* field : {"z1", "z2", "z3", "z4"})
        r.keepKeys(QString::fromLatin1(field));
}

FractionResult solve_fraction(const FractionInput& in)
{
    FractionResult r;
    r.in = in;
    const std::int64_t z1 = in.first.numerator, z2 = in.first.denominator;
    const std::int64_t z3 = in.second.numerator, z4 = in.second.denominator;
    // The inputs are 32-bit. L div z2 is z4 div gcd and L div z4 is z2 div
    // gcd, so each term is below 2^62 in magnitude and they cannot both reach
    // it: no step overflows, and no denominator below is 0.
    std::int64_t n = 0;
    std::int64_t d = 0;
    switch (in.operation) {
    case Subtract:
    case Add: {
        const std::int64_t l = z2 * z4 / gcd(z2, z4);
        const std::int64_t first = z1 * (l / z2);
        const std::int64_t second = z3 * (l / z4);
        n = in.operation == Add ? first + second : first - second;
        d = l;
        r.common = l;
        break;
    }
    case Multiply:
        n = z1 * z3;
        d = z2 * z4;
        break;
    case Divide:
        n = z1 * z4;
        d = z2 * z3;
        break;
    }
    r.unreduced = {n, d};

    if (n == 0) {
        // Zero is the whole number 0, or 0 over 1.
        d = 1;
        if (in.mixed) {
            r.hasWhole = true;
            r.fractionShown = false;
        }
    } else {
        r.divisor = gcd(n, d);
        n /= r.divisor;
        d /= r.divisor;
        if (d < 0) {
            n = -n;
            d = -d;
        }
    }
    r.reduced = {n, d};
    if (n != 0 && in.mixed && std::abs(n) >= d) {
        r.hasWhole = true;
        r.whole = n / d;
        n = std::abs(n % d);
        r.fractionShown = n != 0;
    }
    r.shown = {n, d};
    return r;
}

DecimalFraction solve_decimal(const DecimalInput& in)
{
    DecimalFraction r;
    r.in = in;
    r.power = std::pow(10.0, static_cast<double>(in.digits));
    if (in.value != 0) {
        r.divisor = gcd(trunc_int64(in.value), trunc_int64(r.power));
        r.numerator = in.value / r.divisor;
        r.denominator = r.power / r.divisor;
    }
    return r;
}

void fraction_compute(WindowModel& m)
{
    FractionInput in;
    guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty"), [&] {
        in.first.numerator = parse_integer32(m.text(QStringLiteral("z1")));
        in.first.denominator = parse_integer32(m.text(QStringLiteral("z2")));
        in.second.numerator = parse_integer32(m.text(QStringLiteral("z3")));
        in.second.denominator = parse_integer32(m.text(QStringLiteral("z4")));
    });
    show_result_fraction(m, true);
    m.setText(QStringLiteral("zlomek_cely1"), QString());
    in.operation = m.index(QStringLiteral("operace"));
    // Dividing by a zero fraction puts its numerator into the denominator.
    if (in.first.denominator == 0 || in.second.denominator == 0 ||
        (in.operation == Divide && in.second.numerator == 0))
        report_error(kZeroDenominator);
    if (in.operation < Add || in.operation > Divide)
        return; // the list always has one of its four items selected
    in.mixed = m.checked(QStringLiteral("cele"));

    const FractionResult r = solve_fraction(in);

    if (r.hasWhole)
        m.setText(QStringLiteral("zlomek_cely1"), QString::number(r.whole));
    if (!r.fractionShown)
        show_result_fraction(m, false);
    const QString numerator = QString::number(r.shown.numerator);
    const QString denominator = QString::number(r.shown.denominator);
    write_stacked(m, kFractionResult, numerator, denominator);
    m.publish(QLatin1String(kFractionsPage), r);
    m.explain([r] { return explain_fraction(r); });
}

void prevedClick(WindowModel& m)
{
    // The field stands after a fixed "0,": it holds the decimal digits alone.
    const QString text = m.text(QStringLiteral("zadani_c"));
    DecimalInput in;
    in.digits = static_cast<int>(text.size());
    guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty !!!"), [&] {
        if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            reject_value();
        in.value = store_double(parse_decimal(text));
    });

    const DecimalFraction r = solve_decimal(in);

    // Zero is written without a look at the arithmetic flags.
    const bool zero = r.divisor == 0;
    const QString numerator = zero ? QStringLiteral("0") : format_number(r.numerator);
    const QString denominator = zero ? QStringLiteral("1") : format_number(r.denominator);
    write_stacked(m, kFractionConverted, numerator, denominator);
    m.publish(QLatin1String(kFractionsPage), r);
    m.explain([r] { return explain_decimal(r); });
}

} // namespace qvk::numbers
