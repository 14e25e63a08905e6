#include "numbers/bases.h"
#include "core/errors.h"
#include "model/declare.h"

#include <algorithm>

namespace qvk::numbers {

namespace {

const QString kOutOfRange = QStringLiteral("Číslo je mimo rozsah zadání");

void base_field(WindowModel& m, const char* name, const char* caption, int value)
{
    Field f;
    f.name = QString::fromUtf8(name);
    f.kind = Kind::Spin;
    f.caption = QString::fromUtf8(caption);
    f.minimum = 2;
    f.maximum = 36;
    f.value = value;
    f.maxLength = 2;
    m.add(std::move(f));
}

QString digit_count(const QString& digits) { return u'(' + QString::number(digits.size()) + u')'; }

// A base typed outside 2 to 36 and used before its field lost the focus.
int base_of(const WindowModel& m, const QString& name) { return std::clamp(m.value(name), 2, 36); }

QString without_leading_zeros(const QString& digits)
{
    qsizetype i = 0;
    while (i + 1 < digits.size() && digits[i] == u'0')
        ++i;
    return digits.mid(i);
}

} // namespace

void declare_bases(WindowModel& m)
{
    using namespace declare;
    edit(m, "cislo1", "Číslo", "Zadejte číslo, které chcete převést", "99", 63);
    label(m, "delka1", "(2)", "Počet číslic zadáného čísla");
    base_field(m, "sous1", "z -kové soustavy", 10);
    base_field(m, "sous2", "do -kové soustavy", 2);
    result(m, "cislo2", "Převedené číslo", "Toto je převedené číslo");
    label(m, "delka2", "(0)", "Počet číslic výsledného čísla");
    button(m, "preved_soustavy", "&Převeď", "Číslo převede do požadované číselné soustavy");
}

void register_bases(Registry& r)
{
    r.add(QStringLiteral("cislo1Change"), cislo1Change);
    r.add(QStringLiteral("preved_soustavyClick"), preved_soustavyClick);
    r.addKeyFilter(QStringLiteral("cislo1"), [](WindowModel&, QChar key) { return cislo1KeyPress(key); });
}

std::optional<QChar> cislo1KeyPress(QChar key)
{
    // Backspace, paste (22) and 23 pass, like the digits of every base.
    if (key == u'\b' || key.unicode() == 22 || key.unicode() == 23)
        return key;
    if ((key >= u'0' && key <= u'9') || (key >= u'A' && key <= u'Z'))
        return key;
    if (key >= u'a' && key <= u'z')
        return QChar(key.unicode() - u'a' + u'A');
    return std::nullopt;
}

BaseReading read_in_base(const QString& text, int base)
{
    // The arithmetic of a signed 64-bit register that wraps: kept in unsigned
    // words (which wrap by definition) and looked at as signed for the sign.
    const int offset = base <= 10 ? 47 : 54;
    std::uint64_t value = 0;
    std::uint64_t weight = 1;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const int c = text[i].unicode();
        if (c - offset > base)
            return {BaseReading::NotADigit, 0};
        // Characters below "0" and between "9" and "A" pass the test above
        // with a wrong value; the check of the conversion refuses them.
        const std::int64_t digit = c < 58 ? c - 48 : c - 55;
        const std::uint64_t product = static_cast<std::uint64_t>(digit) * weight;
        value += product;
        if (static_cast<std::int64_t>(value) < 0 || static_cast<std::int64_t>(product) < 0)
            return {BaseReading::OutOfRange, 0};
        weight *= static_cast<std::uint64_t>(base);
    }
    return {BaseReading::Ok, static_cast<std::int64_t>(value)};
}

QString write_in_base(std::int64_t value, int base)
{
    if (value <= 0)
        return QStringLiteral("0");
    QString digits;
    for (std::int64_t v = value; v > 0; v /= base) {
        const int d = static_cast<int>(v % base);
        digits.prepend(QChar(d < 10 ? d + 48 : d + 55));
    }
    return digits;
}

void cislo1Change(WindowModel& m)
{
    m.setText(QStringLiteral("delka1"), digit_count(m.text(QStringLiteral("cislo1"))));
}

void preved_soustavyClick(WindowModel& m)
{
    const int from = base_of(m, QStringLiteral("sous1"));
    const int to = base_of(m, QStringLiteral("sous2"));
    const QString text = m.text(QStringLiteral("cislo1"));
    const auto outOfRange = [&] {
        m.setText(QStringLiteral("cislo2"), kOutOfRange);
        m.beep();
    };

    QString result;
    if (!text.isEmpty()) {
        const BaseReading input = read_in_base(text, from);
        if (input.status == BaseReading::NotADigit) {
            const QString message =
                QStringLiteral("Toto není číslo v ") + QString::number(from) + QStringLiteral("-kové soustavě");
            m.setText(QStringLiteral("cislo2"), message);
            report_error(message);
        }
        if (input.status == BaseReading::OutOfRange)
            return outOfRange();
        result = write_in_base(input.value, to);
        // Written back in the source base, the result must give the digits
        // typed: this refuses every value that wrapped and every character
        // that was read as a digit without being one.
        const BaseReading back = read_in_base(result, to);
        if (back.status != BaseReading::Ok || write_in_base(back.value, from) != without_leading_zeros(text))
            return outOfRange();
    }
    m.setText(QStringLiteral("cislo2"), result);
    m.setText(QStringLiteral("delka2"), digit_count(result));
}

} // namespace qvk::numbers
