#include "numbers/bases.h"
#include "core/errors.h"
#include "model/declare.h"

#include <algorithm>

namespace qvk::numbers {

namespace {

const QString kOutOfRange = QStringLiteral("Číslo je mimo rozsah zadání");

using declare::Entry;
using declare::Place;
// In tab order. Up to 63 digits: the edits scroll, the counts beside them
// tell the length.
constexpr Entry kPage[] = {
    {.role = Entry::Input, .name = "cislo1", .caption = "Číslo", .hint = "Zadejte číslo, které chcete převést",
     .text = "99", .maxLength = 63, .at = {8, 22, 310, 22, Place::Right}, .captionAt = {8, 4, 60, 18}},
    {.role = Entry::Text, .name = "delka1", .hint = "Počet číslic zadáného čísla", .text = "(2)", .at = {322, 23, 44, 20}},
    {.role = Entry::Spin, .name = "sous1", .caption = "z -kové soustavy", .maxLength = 2, .selected = 10,
     .minimum = 2, .maximum = 36, .enter = "preved_soustavy", .at = {28, 54, 46, 22}},
    {.role = Entry::Spin, .name = "sous2", .caption = "do -kové soustavy", .maxLength = 2, .selected = 2,
     .minimum = 2, .maximum = 36, .enter = "preved_soustavy", .at = {204, 54, 46, 22}},
    {.role = Entry::Output, .name = "cislo2", .caption = "Převedené číslo", .hint = "Toto je převedené číslo",
     .at = {8, 86, 310, 22, Place::Right}},
    {.role = Entry::Text, .name = "delka2", .hint = "Počet číslic výsledného čísla", .text = "(0)", .at = {322, 87, 44, 20}},
    {.role = Entry::Press, .name = "preved_soustavy", .caption = "&Převeď",
     .hint = "Číslo převede do požadované číselné soustavy", .calculates = true, .at = {8, 118, 70, 26}, .icon = "preved"},
};

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

std::span<const declare::Entry> bases_fields() { return kPage; }

void declare_bases(WindowModel& m) { declare::declare_all(m, kPage); }

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

BaseConversion convert_base(const BaseInput& in)
{
    BaseConversion r;
    r.in = in;
    if (in.digits.isEmpty())
        return r;
    const BaseReading input = read_in_base(in.digits, in.from);
    r.status = input.status;
    if (r.status != BaseReading::Ok)
        return r;
    const QString digits = write_in_base(input.value, in.to);
    // Written back in the source base, the result must give the digits
    // typed: this refuses every value that wrapped and every character
    // that was read as a digit without being one.
    const BaseReading back = read_in_base(digits, in.to);
    if (back.status != BaseReading::Ok || write_in_base(back.value, in.from) != without_leading_zeros(in.digits)) {
        r.status = BaseReading::OutOfRange;
        return r;
    }
    r.value = input.value;
    r.digits = digits;
    return r;
}

void preved_soustavyClick(WindowModel& m)
{
    BaseInput in;
    in.from = base_of(m, QStringLiteral("sous1"));
    in.to = base_of(m, QStringLiteral("sous2"));
    in.digits = m.text(QStringLiteral("cislo1"));

    const BaseConversion r = convert_base(in);

    if (r.status == BaseReading::NotADigit) {
        const QString message =
            QStringLiteral("Toto není číslo v ") + QString::number(in.from) + QStringLiteral("-kové soustavě");
        m.setText(QStringLiteral("cislo2"), message);
        report_error(message);
    }
    if (r.status == BaseReading::OutOfRange) {
        m.setText(QStringLiteral("cislo2"), kOutOfRange);
        m.beep();
        m.explain(explain_base_out_of_range);
        return;
    }
    m.setText(QStringLiteral("cislo2"), r.digits);
    m.setText(QStringLiteral("delka2"), digit_count(r.digits));
    m.publish(QLatin1String(kBasesPage), r);
    m.explain([r] { return explain_base(r); });
}

} // namespace qvk::numbers
