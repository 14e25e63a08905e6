#include "planimetry/traced.h"
#include "core/numeric.h"

namespace qvk {

QString caption_name(const char* caption)
{
    QString c = QString::fromUtf8(caption).trimmed();
    const int eq = c.indexOf(u'=');
    if (eq >= 0)
        c = c.left(eq).trimmed();
    return c;
}

Tracer::Tracer(const QString& heading, const Solved& solved, std::vector<QString> captions, std::vector<QString> keys)
    : e_(heading), solved_(solved), captions_(std::move(captions)), keys_(std::move(keys))
{
    QStringList used;
    for (std::size_t i = 0; i < captions_.size(); ++i)
        if ((solved_.given >> i) & 1u) {
            const QString value = format_number(solved_.values[i]);
            QString typed = i < solved_.typed.size() ? solved_.typed[i].trimmed() : QString();
            bool same = false;
            try {
                same = parse_decimal(typed) == static_cast<long double>(solved_.values[i]);
            } catch (...) {
            }
            // A value read otherwise than typed (rounded, whole) says so.
            e_.given(captions_[i], same || typed.isEmpty() ? value : typed + QStringLiteral(" → ") + value);
            used << captions_[i];
        }
    e_.note(QStringLiteral("Počítá se ze zadaných hodnot ") + used.join(QStringLiteral(", ")) + u'.');
    e_.section(QStringLiteral("Postup:"));
}

QString Tracer::shown(long double x) const { return format_number(round_places(x, solved_.places)); }

Traced Tracer::input(int field) const
{
    const double v = solved_[field];
    return {v, given(captions_[static_cast<std::size_t>(field)], v)};
}

namespace {

// The rule's name as the line before its step: "Pythagorova věta:".
QString rule_line(const char* rule)
{
    QString r = QString::fromUtf8(rule);
    r[0] = r[0].toUpper();
    return r + u':';
}

} // namespace

Traced Tracer::found(int field, const Traced& x)
{
    const auto i = static_cast<std::size_t>(field);
    if (x.rule)
        e_.note(rule_line(x.rule));
    // Kept as a double, as the page keeps it.
    const double d = static_cast<double>(x.d);
    const bool written = ((written_ >> field) & 1u) && (!positive_ || d > 0);
    Traced carried{d, e_.step(captions_[i], x.w, shown(d), written ? keys_[i] : QString())};
    if (x.rounded && !(Exact::decimal(d) == x.w.exact)) {
        // The page goes on from the rounded value, and so does the postup.
        e_.note(QStringLiteral("Dále se počítá se zaokrouhlenou hodnotou ") + captions_[i] + QStringLiteral(" = ") +
                shown(d).replace(u'-', u'−') + u'.');
        carried = {d, given(captions_[i], d)};
    }
    if (written)
        found_[field] = Traced{d, Worked(carried.w.named, carried.w.put, x.w.exact)};
    else
        found_.erase(field);
    return carried;
}

Traced Tracer::let(const QString& name, const Traced& x)
{
    if (x.rule)
        e_.note(rule_line(x.rule));
    return {x.d, e_.step(name, x.w, shown(x.d))};
}

Postup Tracer::finish()
{
    for (const auto& [field, x] : found_) {
        const auto i = static_cast<std::size_t>(field);
        e_.result(captions_[i] + value_tail(x.w.exact, shown(x.d)));
    }
    return e_.take();
}

} // namespace qvk
