// The worked solution of the page "Číselné soustavy", from its typed result.
#include "exact/worked.h"
#include "numbers/bases.h"
#include "numbers/notation.h"

namespace qvk::numbers {

namespace {

// Lines of a repeated division, and terms of an expansion, before "…".
constexpr int kMostLines = 20;
constexpr int kMostTerms = 6;

int digit_value(QChar c) { return c.unicode() < 58 ? c.unicode() - 48 : c.unicode() - 55; }
QChar digit_char(int d) { return QChar(d < 10 ? d + 48 : d + 55); }

} // namespace

Postup explain_base(const BaseConversion& r)
{
    Explainer e(QStringLiteral("Převod mezi číselnými soustavami"));
    const int from = r.in.from, to = r.in.to;
    if (r.in.digits.isEmpty()) {
        e.note(QStringLiteral("Není zadáno žádné číslo."));
        return e.take();
    }
    e.given(QStringLiteral("číslo"), r.in.digits + subscript(from));
    e.given(QStringLiteral("základ nové soustavy"), QString::number(to));
    const QString value = QString::number(r.value);

    if (from != 10) {
        e.section(QStringLiteral("Hodnota čísla podle řádů:"));
        // Digit times the base to the power of its place, from the highest.
        QStringList terms;
        const qsizetype places = r.in.digits.size();
        for (qsizetype i = 0; i < places; ++i) {
            const int d = digit_value(r.in.digits[i]);
            terms << QString::number(d) + u'·' + QString::number(from) + superscript(places - 1 - i);
        }
        e.line(r.in.digits + subscript(from) + QStringLiteral(" = ") +
               shortened(terms, kMostTerms).join(QStringLiteral(" + ")) + QStringLiteral(" = ") + value);
    }

    if (to != 10) {
        e.section(QStringLiteral("Dělení základem ") + QString::number(to) + QStringLiteral(", zbytky odspodu:"));
        QStringList lines;
        std::int64_t v = r.value;
        do {
            const int rest = static_cast<int>(v % to);
            QString line = QString::number(v) + QStringLiteral(" : ") + QString::number(to) + QStringLiteral(" = ") +
                           QString::number(v / to) + QStringLiteral(", zbytek ") + QString::number(rest);
            if (rest >= 10)
                line += QStringLiteral(" (") + digit_char(rest) + u')';
            lines << line;
            v /= to;
        } while (v > 0);
        for (const QString& line : shortened(lines, kMostLines))
            e.line(line);
    }

    if (to == 10)
        e.exact(QStringLiteral("cislo2"), Exact::fraction(r.value, 1));
    e.result(r.in.digits + subscript(from) + QStringLiteral(" = ") + (from == 10 || to == 10 ? QString() : value + QStringLiteral(" = ")) +
             r.digits + subscript(to));
    return e.take();
}

Postup explain_base_out_of_range()
{
    Postup p;
    p.add(PostupLine::Kind::Error, QStringLiteral("Číslo je mimo rozsah zadání"));
    p.add(PostupLine::Kind::Note, QStringLiteral("Převést lze celá čísla od 0 do 2⁶³ − 1 = 9223372036854775807, "
                                                 "zapsaná číslicemi dané soustavy."));
    return p;
}

} // namespace qvk::numbers
