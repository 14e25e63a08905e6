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

// A label of the result whose visibility or width the calculation changes.
void result_label(WindowModel& m, const char* name, const char* caption, const char* text, unsigned reported,
                  int width = 0)
{
    Field f;
    f.name = QString::fromUtf8(name);
    f.caption = QString::fromUtf8(caption);
    f.kind = Kind::Label;
    f.text = QString::fromUtf8(text);
    f.reported = reported;
    f.width = width;
    m.add(std::move(f));
}

void show_result_fraction(WindowModel& m, bool on)
{
    m.setVisible(QStringLiteral("z5"), on);
    m.setVisible(QStringLiteral("z6"), on);
    m.setVisible(QStringLiteral("cara1"), on);
}

} // namespace

int bar_width(const QString& numerator, const QString& denominator)
{
    return 6 * static_cast<int>(std::max(numerator.size(), denominator.size())) + 2;
}

void declare_fractions(WindowModel& m)
{
    using namespace declare;
    edit(m, "z1", "Čitatel 1.zlomku", "Čitatel 1.zlomku", "1", 4);
    edit(m, "z2", "Jmenovatel 1.zlomku", "Jmenovatel 1.zlomku", "2", 4);
    list(m, "operace", "Početní operace", "Určete druh početní operace", {"+", "-", "*", "/"}, 0);
    edit(m, "z3", "Čitatel 2.zlomku", "Čitatel 2.zlomku", "3", 4);
    edit(m, "z4", "Jmenovatel 2.zlomku", "Jmenovatel 2.zlomku", "4", 4);
    check(m, "cele", "Složený zlomek", true, "Zobrazit složený zlomek - ano/ne");
    button(m, "zlomek", "&Vypočti", "Provede zadaný výpočet");
    label(m, "zlomek_cely1", "1", "", "Celá část výsledku");
    result_label(m, "z5", "Čitatel výsledku", "1", PropVisible);
    result_label(m, "z6", "Jmenovatel výsledku", "4", PropVisible);
    result_label(m, "cara1", "Zlomková čára výsledku", "", PropVisible | PropWidth, bar_width(QStringLiteral("1"), QStringLiteral("4")));

    edit(m, "zadani_c", "Desetinné číslo ", "Zadejte desetinnou část čísla", "4", 12);
    button(m, "preved", "&Převeď", "Převede zadané desetinné číslo na zlomek");
    label(m, "citatel", "2", "", "Čitatel převedeného čísla");
    label(m, "jmenovatel", "5", "", "Jmenovatel převedeného čísla");
    result_label(m, "cara2", "Zlomková čára převedeného čísla", "", PropWidth, bar_width(QStringLiteral("2"), QStringLiteral("5")));
}

void register_fractions(Registry& r)
{
    r.add(QStringLiteral("zlomekClick"), fraction_compute);
    r.add(QStringLiteral("operaceChange"), fraction_compute);
    r.add(QStringLiteral("celeClick"), fraction_compute);
    r.add(QStringLiteral("prevedClick"), prevedClick);
    for (const char* field : {"z1", "z2", "z3", "z4"})
        r.keepKeys(QString::fromLatin1(field));
}

void fraction_compute(WindowModel& m)
{
    std::int64_t z1 = 0, z2 = 0, z3 = 0, z4 = 0;
    guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty"), [&] {
        z1 = parse_integer32(m.text(QStringLiteral("z1")));
        z2 = parse_integer32(m.text(QStringLiteral("z2")));
        z3 = parse_integer32(m.text(QStringLiteral("z3")));
        z4 = parse_integer32(m.text(QStringLiteral("z4")));
    });
    show_result_fraction(m, true);
    m.setText(QStringLiteral("zlomek_cely1"), QString());
    const int operation = m.index(QStringLiteral("operace"));
    // Dividing by a zero fraction puts its numerator into the denominator.
    if (z2 == 0 || z4 == 0 || (operation == Divide && z3 == 0))
        report_error(kZeroDenominator);

    // The inputs are 32-bit. L div z2 is z4 div gcd and L div z4 is z2 div
    // gcd, so each term is below 2^62 in magnitude and they cannot both reach
    // it: no step overflows, and no denominator below is 0.
    std::int64_t n = 0;
    std::int64_t d = 0;
    switch (operation) {
    case Subtract:
    case Add: {
        const std::int64_t l = z2 * z4 / gcd(z2, z4);
        const std::int64_t first = z1 * (l / z2);
        const std::int64_t second = z3 * (l / z4);
        n = operation == Add ? first + second : first - second;
        d = l;
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
    default: return; // the list always has one of its four items selected
    }

    const bool mixed = m.checked(QStringLiteral("cele"));
    if (n == 0) {
        // Zero is the whole number 0, or 0 over 1.
        d = 1;
        if (mixed) {
            m.setText(QStringLiteral("zlomek_cely1"), QStringLiteral("0"));
            show_result_fraction(m, false);
        }
    } else {
        const std::int64_t g = gcd(n, d);
        n /= g;
        d /= g;
        if (d < 0) {
            n = -n;
            d = -d;
        }
        if (mixed && std::abs(n) >= d) {
            m.setText(QStringLiteral("zlomek_cely1"), QString::number(n / d));
            n = std::abs(n % d);
            if (n == 0)
                show_result_fraction(m, false);
        }
    }
    const QString numerator = QString::number(n);
    const QString denominator = QString::number(d);
    m.setText(QStringLiteral("z5"), numerator);
    m.setText(QStringLiteral("z6"), denominator);
    m.setWidth(QStringLiteral("cara1"), bar_width(numerator, denominator));
}

void prevedClick(WindowModel& m)
{
    // The field stands after a fixed "0,": it holds the decimal digits alone.
    const QString text = m.text(QStringLiteral("zadani_c"));
    double x = 0;
    guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty !!!"), [&] {
        if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            reject_value();
        x = store_double(parse_decimal(text));
    });
    const double p = std::pow(10.0, static_cast<double>(text.size()));
    QString numerator = QStringLiteral("0");
    QString denominator = QStringLiteral("1");
    if (x != 0) {
        const std::int64_t g = gcd(trunc_int64(x), trunc_int64(p));
        numerator = format_number(x / g);
        denominator = format_number(p / g);
    }
    m.setText(QStringLiteral("citatel"), numerator);
    m.setText(QStringLiteral("jmenovatel"), denominator);
    m.setWidth(QStringLiteral("cara2"), bar_width(numerator, denominator));
}

} // namespace qvk::numbers
