// The worked solution of the page "Zlomky", from its typed results.
#include "core/numeric.h"
#include "exact/worked.h"
#include "numbers/fractions.h"
#include "numbers/notation.h"

#include <cmath>
#include <cstdlib>

namespace qvk::numbers {

namespace {

const char* const kSigns[] = {" + ", " − ", " · ", " : "};

// p/q as written, a negative denominator in parentheses.
QString fraction(std::int64_t p, std::int64_t q)
{
    return whole(p) + u'/' + (q < 0 ? u'(' + whole(q) + u')' : whole(q));
}

// A fraction as an operand: a negative one in parentheses.
QString operand(std::int64_t p, std::int64_t q)
{
    const QString t = fraction(p, q);
    return p < 0 || q < 0 ? u'(' + t + u')' : t;
}

QString factor(std::int64_t v) { return v < 0 ? u'(' + whole(v) + u')' : whole(v); }

QString product(std::int64_t a, std::int64_t b) { return factor(a) + QStringLiteral(" · ") + factor(b); }

QString value_text(const Ratio& r) { return r.denominator == 1 ? whole(r.numerator) : fraction(r.numerator, r.denominator); }

} // namespace

Postup explain_fraction(const FractionResult& r)
{
    Explainer e(QStringLiteral("Počítání se zlomky"));
    const std::int64_t z1 = r.in.first.numerator, z2 = r.in.first.denominator;
    const std::int64_t z3 = r.in.second.numerator, z4 = r.in.second.denominator;
    const int op = r.in.operation;
    const QString sign = QString::fromUtf8(kSigns[op]);
    const QString problem = fraction(z1, z2) + sign + operand(z3, z4);
    e.line(problem);
    const std::int64_t n = r.unreduced.numerator, d = r.unreduced.denominator;

    switch (op) {
    case 0:
    case 1: {
        e.section(QStringLiteral("Převedení na společný jmenovatel:"));
        const std::int64_t l = r.common;
        e.line(QStringLiteral("společný jmenovatel = nsn(") + whole(z2) + QStringLiteral("; ") + whole(z4) +
               QStringLiteral(") = ") + whole(l));
        const std::int64_t a = z1 * (l / z2), b = z3 * (l / z4);
        e.line(problem + QStringLiteral(" = ") + fraction(a, l) + sign + operand(b, l) + QStringLiteral(" = (") +
               whole(a) + sign + factor(b) + QStringLiteral(")/") + factor(l) + QStringLiteral(" = ") + fraction(n, d));
        break;
    }
    case 2:
        e.section(QStringLiteral("Násobení: čitatel krát čitatel, jmenovatel krát jmenovatel:"));
        e.line(problem + QStringLiteral(" = (") + product(z1, z3) + QStringLiteral(")/(") + product(z2, z4) +
               QStringLiteral(") = ") + fraction(n, d));
        break;
    default:
        e.section(QStringLiteral("Dělení: násobení převráceným zlomkem:"));
        e.line(problem + QStringLiteral(" = ") + fraction(z1, z2) + QStringLiteral(" · ") + operand(z4, z3) +
               QStringLiteral(" = (") + product(z1, z4) + QStringLiteral(")/(") + product(z2, z3) +
               QStringLiteral(") = ") + fraction(n, d));
        break;
    }

    e.section(QStringLiteral("Krácení:"));
    if (n == 0) {
        e.line(fraction(n, d) + QStringLiteral(" = 0"));
    } else {
        const std::int64_t g = std::abs(r.divisor);
        if (g > 1) {
            e.line(QStringLiteral("NSD(") + whole(std::abs(n)) + QStringLiteral("; ") + whole(std::abs(d)) +
                   QStringLiteral(") = ") + whole(g));
            QString line = fraction(n, d) + QStringLiteral(" = (") + whole(n) + QStringLiteral(" : ") + whole(g) +
                           QStringLiteral(")/(") + whole(d) + QStringLiteral(" : ") + whole(g) + QStringLiteral(") = ") +
                           value_text({n / g, d / g});
            if (d / g < 0)
                line += QStringLiteral(" = ") + value_text(r.reduced);
            e.line(line);
        } else {
            QString line = QStringLiteral("NSD(") + whole(std::abs(n)) + QStringLiteral("; ") + whole(std::abs(d)) +
                           QStringLiteral(") = 1: zlomek je v základním tvaru");
            e.line(line);
            if (d < 0 || d == 1)
                e.line(fraction(n, d) + QStringLiteral(" = ") + value_text(r.reduced));
        }
    }

    QString result = value_text(r.reduced);
    if (r.hasWhole && r.reduced.numerator != 0 && r.reduced.denominator != 1) {
        e.section(QStringLiteral("Celá část:"));
        const QString mixed = r.fractionShown ? whole(r.whole) + u' ' + fraction(r.shown.numerator, r.shown.denominator)
                                              : whole(r.whole);
        e.line(fraction(r.reduced.numerator, r.reduced.denominator) + QStringLiteral(" = ") + mixed);
        result = mixed;
    }
    e.result(problem + QStringLiteral(" = ") + result);

    if (r.hasWhole)
        e.exact(QStringLiteral("zlomek_cely1"), Exact::fraction(r.whole, 1));
    if (r.fractionShown) {
        e.exact(QStringLiteral("z5"), Exact::fraction(r.shown.numerator, 1));
        e.exact(QStringLiteral("z6"), Exact::fraction(r.shown.denominator, 1));
    }
    return e.take();
}

Postup explain_decimal(const DecimalFraction& r)
{
    Explainer e(QStringLiteral("Desetinné číslo na zlomek"));
    const QString digits = QString::number(static_cast<long long>(r.in.value)).rightJustified(r.in.digits, u'0');
    const QString decimal = QStringLiteral("0,") + digits;
    e.given(QStringLiteral("číslo"), decimal);
    const QString power = format_number(r.power);
    const QString numerator = format_number(r.in.value);
    e.line(QStringLiteral("Číslic za desetinnou čárkou: ") + QString::number(r.in.digits) +
           QStringLiteral(", jmenovatel 10") + superscript(r.in.digits) + QStringLiteral(" = ") + power);
    if (r.divisor == 0) {
        e.line(decimal + QStringLiteral(" = 0/") + power + QStringLiteral(" = 0"));
        e.result(decimal + QStringLiteral(" = 0"));
        e.exact(QStringLiteral("citatel"), Exact(0));
        e.exact(QStringLiteral("jmenovatel"), Exact(1));
        return e.take();
    }
    e.line(decimal + QStringLiteral(" = ") + numerator + u'/' + power);
    const QString reduced = format_number(r.numerator) + u'/' + format_number(r.denominator);
    e.section(QStringLiteral("Krácení:"));
    if (r.divisor > 1) {
        e.line(QStringLiteral("NSD(") + numerator + QStringLiteral("; ") + power + QStringLiteral(") = ") +
               QString::number(r.divisor));
        e.line(numerator + u'/' + power + QStringLiteral(" = (") + numerator + QStringLiteral(" : ") +
               QString::number(r.divisor) + QStringLiteral(")/(") + power + QStringLiteral(" : ") +
               QString::number(r.divisor) + QStringLiteral(") = ") + reduced);
    } else {
        e.line(QStringLiteral("NSD(") + numerator + QStringLiteral("; ") + power +
               QStringLiteral(") = 1: zlomek je v základním tvaru"));
    }
    e.result(decimal + QStringLiteral(" = ") + reduced);
    e.exact(QStringLiteral("citatel"), Exact::decimal(r.numerator));
    e.exact(QStringLiteral("jmenovatel"), Exact::decimal(r.denominator));
    return e.take();
}

} // namespace qvk::numbers
