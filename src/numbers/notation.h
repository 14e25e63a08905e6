#pragma once
// Small pieces of a pupil's notation shared by the explanations of the
// number pages.
#include <QString>
#include <QStringList>

namespace qvk::numbers {

// 2³, 10¹²: the digits of a whole number raised.
inline QString superscript(long long k)
{
    static const char16_t kDigits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString out;
    for (QChar c : QString::number(k))
        out += c == u'-' ? QChar(u'⁻') : QChar(kDigits[c.unicode() - u'0']);
    return out;
}

// 1011₂: the base of a numeral lowered.
inline QString subscript(long long k)
{
    static const char16_t kDigits[] = u"₀₁₂₃₄₅₆₇₈₉";
    QString out;
    for (QChar c : QString::number(k))
        out += QChar(kDigits[c.unicode() - u'0']);
    return out;
}

// A whole number as a pupil writes it: the minus sign, not a hyphen.
inline QString whole(long long n)
{
    return n < 0 ? QStringLiteral("−") + QString::number(n).mid(1) : QString::number(n);
}

// The first and last items of a long list around "…", at most `most` items.
inline QStringList shortened(const QStringList& items, int most)
{
    if (items.size() <= most)
        return items;
    const int head = most - most / 3, tail = most / 3;
    QStringList out = items.mid(0, head);
    out << QStringLiteral("…");
    out << items.mid(items.size() - tail);
    return out;
}

} // namespace qvk::numbers
