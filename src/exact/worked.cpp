#include "exact/worked.h"
#include "core/numeric.h"

namespace qvk {

Sym sym_of(const Exact& x)
{
    const QString t = x.written();
    if (x.is_integer() && !t.startsWith(u'−'))
        return Sym::of(t, Sym::Atom);
    if (t.contains(u' ') || t.startsWith(u'−'))
        return Sym::of(t, Sym::Sum);
    // A lone root or π needs no parentheses in a product: 2 · √3/2.
    if (t == u"π")
        return Sym::of(t, Sym::Atom);
    if (t.startsWith(u'√') && !t.contains(u'/') && !t.contains(u'π') && !t.contains(u'·'))
        return Sym::of(t, Sym::Power);
    return Sym::of(t, Sym::Product);
}

bool readable(const Exact& x) { return x.known() && x.written().size() <= kReadableLength; }

QString signed_term(const Exact& k, const QString& x, bool first)
{
    if (k == Exact(0))
        return {};
    QString w = k.written();
    const bool negative = w.startsWith(u'−');
    if (negative)
        w = w.mid(1);
    if (w.contains(u' '))
        w = u'(' + w + u')';
    if (!x.isEmpty() && w == QLatin1String("1"))
        w.clear();
    else if (!x.isEmpty() && w.contains(u'/'))
        w += u'·';
    const QString sign = first ? (negative ? QStringLiteral("−") : QString())
                               : (negative ? QStringLiteral(" − ") : QStringLiteral(" + "));
    return sign + w + x;
}

Worked given(const QString& name, double value)
{
    return {Sym::name(name), Sym(static_cast<long double>(value)), Exact::decimal(value)};
}

Worked carried(const QString& name, const Exact& exact, const QString& shown)
{
    if (readable(exact))
        return {Sym::name(name), sym_of(exact), exact};
    Sym put = shown.startsWith(u'-') ? Sym::of(u'−' + shown.mid(1), Sym::Sum) : Sym::of(shown, Sym::Atom);
    return {Sym::name(name), put, exact};
}

namespace {

// The page's number read back, for comparing with an exact value.
Exact shown_value(const QString& shown)
{
    try {
        return Exact::decimal(static_cast<double>(parse_decimal(shown)));
    } catch (...) {
        return {};
    }
}

QString pupil(const QString& shown) { return shown.startsWith(u'-') ? u'−' + shown.mid(1) : shown; }

} // namespace

QString value_tail(const Exact& exact, const QString& shown)
{
    if (!readable(exact))
        return shown.isEmpty() ? QString() : QStringLiteral(" ≈ ") + pupil(shown);
    QString tail = QStringLiteral(" = ") + exact.written();
    if (shown.isEmpty())
        return tail;
    if (exact.is_rational() && shown_value(shown) == exact)
        return pupil(shown) == exact.written() ? tail : tail + QStringLiteral(" = ") + pupil(shown);
    return tail + QStringLiteral(" ≈ ") + pupil(shown);
}

Explainer::Explainer(const QString& heading) { out_.add(PostupLine::Kind::Heading, heading); }

void Explainer::given(const QString& name, const QString& shown)
{
    if (!givenOpen_) {
        section(QStringLiteral("Dáno:"));
        givenOpen_ = true;
    }
    out_.add(PostupLine::Kind::Given, name + QStringLiteral(" = ") + pupil(shown));
}

Worked Explainer::step(const QString& name, const Worked& value, const QString& shown, const QString& key)
{
    QStringList parts{name};
    for (const QString& p : {value.named.text(), value.put.text()})
        if (p != parts.back())
            parts << p;
    QString text = parts.join(QStringLiteral(" = "));
    QString tail = value_tail(value.exact, shown);
    // A value already written as the numbers put in is not written again.
    const QString again = QStringLiteral(" = ") + parts.back();
    if (tail.startsWith(again))
        tail = tail.mid(again.size());
    text += tail;
    out_.add(PostupLine::Kind::Step, text);
    if (!key.isEmpty())
        exact(key, value.exact);
    if (!readable(value.exact) && shown.isEmpty())
        return {Sym::name(name), value.put, value.exact};
    return carried(name, value.exact, shown);
}

void Explainer::exact(const QString& key, const Exact& x)
{
    if (readable(x))
        out_.exact.emplace_back(key, x.canonical());
}

void Explainer::result(const QString& text)
{
    if (!resultOpen_) {
        section(QStringLiteral("Výsledek:"));
        resultOpen_ = true;
    }
    out_.add(PostupLine::Kind::Result, text);
}

} // namespace qvk
