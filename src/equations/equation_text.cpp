#include "equations/equation_text.h"

#include <array>

namespace qvk::equations {

namespace {

constexpr int kMaxPower = 3;

class Reader {
public:
    explicit Reader(const QString& text) : s_(text) {}

    std::optional<EquationText> read()
    {
        std::array<std::optional<QString>, kMaxPower + 1> terms;
        int degree = 0;
        for (bool first = true;; first = false) {
            blanks();
            int sign = 1;
            if (take(u'+')) {
            } else if (take(u'-') || take(u'\u2212')) {
                sign = -1;
            } else if (!first) {
                break; // the relation or the end
            }
            blanks();
            const QString number = decimal();
            if (bad_)
                return std::nullopt;
            blanks();
            if (!number.isEmpty() && (take(u'*') || take(u'\u00b7') || take(u'\u22c5'))) {
                blanks();
                if (!at(u'x') && !at(u'X'))
                    return std::nullopt;
            }
            int power = 0;
            if (take(u'x') || take(u'X')) {
                blanks();
                power = exponent();
                if (power < 1)
                    return std::nullopt;
            } else if (number.isEmpty()) {
                return std::nullopt; // a sign alone, or no term at all
            }
            if (terms[power])
                return std::nullopt;
            terms[power] = coefficient(sign, number.isEmpty() ? QStringLiteral("1") : number);
            degree = std::max(degree, power);
        }
        const int relation = relationItem();
        if (relation == kBadRelation)
            return std::nullopt;
        if (relation >= 0) {
            blanks();
            const QString zero = decimal();
            if (zero.isEmpty() || coefficient(1, zero) != u"0")
                return std::nullopt;
            blanks();
        }
        if (bad_ || i_ != s_.size() || degree < 1)
            return std::nullopt;
        EquationText e;
        e.degree = degree;
        e.relation = relation;
        for (int p = degree; p >= 0; --p)
            e.coefficients.append(terms[p].value_or(QStringLiteral("0")));
        return e;
    }

private:
    static constexpr int kBadRelation = -2;

    bool at(char16_t c) const { return i_ < s_.size() && s_[i_] == QChar(c); }
    bool take(char16_t c)
    {
        if (!at(c))
            return false;
        ++i_;
        return true;
    }
    bool digit() const { return i_ < s_.size() && s_[i_] >= u'0' && s_[i_] <= u'9'; }
    void blanks()
    {
        while (i_ < s_.size() && s_[i_].isSpace())
            ++i_;
    }
    QString digits()
    {
        const qsizetype from = i_;
        while (digit())
            ++i_;
        return s_.mid(from, i_ - from);
    }

    // Digits, then a comma or a point and more digits: "12", "1,5", "0.25".
    // Empty when no number stands here; a separator without digits on both
    // sides spoils the whole text.
    QString decimal()
    {
        const QString whole = digits();
        if (whole.isEmpty())
            return {};
        if (!at(u',') && !at(u'.'))
            return whole;
        ++i_;
        const QString fraction = digits();
        if (fraction.isEmpty()) {
            bad_ = true;
            return {};
        }
        return whole + u',' + fraction;
    }

    // After x: ^n or a superscript digit; x alone is the first power. 0 for
    // a power the pages do not have.
    int exponent()
    {
        if (take(u'\u00b9'))
            return 1;
        if (take(u'\u00b2'))
            return 2;
        if (take(u'\u00b3'))
            return 3;
        if (!take(u'^'))
            return 1;
        blanks();
        const QString n = digits();
        return n.size() == 1 && n[0] >= u'1' && n[0] <= u'3' ? n[0].unicode() - u'0' : 0;
    }

    // The item of the relation list, -1 at the end of the text.
    int relationItem()
    {
        if (i_ >= s_.size())
            return -1;
        if (take(u'\u2264'))
            return 1;
        if (take(u'\u2265'))
            return 4;
        if (take(u'='))
            return 0;
        if (take(u'<'))
            return take(u'=') ? 1 : 2;
        if (take(u'>'))
            return take(u'=') ? 4 : 3;
        return kBadRelation;
    }

    // The field's form of the number: no leading or trailing zeros, a comma,
    // no sign on zero.
    static QString coefficient(int sign, const QString& number)
    {
        qsizetype comma = number.indexOf(u',');
        QString whole = comma < 0 ? number : number.left(comma);
        QString fraction = comma < 0 ? QString() : number.mid(comma + 1);
        while (whole.size() > 1 && whole.startsWith(u'0'))
            whole.remove(0, 1);
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        QString text = fraction.isEmpty() ? whole : whole + u',' + fraction;
        if (text == u"0")
            return text;
        return sign < 0 ? u'-' + text : text;
    }

    const QString& s_;
    qsizetype i_ = 0;
    bool bad_ = false;
};

struct Page {
    int degree;
    const char* fields[kMaxPower + 1]; // the coefficients, highest power first
    const char* relation;              // the relation list, or nullptr for "=" only
};

constexpr Page kPages[] = {
    {2, {"a1", "b1", "c1", nullptr}, "rovnice"},
    {3, {"kub_a", "kub_b", "kub_c", "kub_d"}, nullptr},
};

const Page* page_of(const QString& field)
{
    for (const Page& p : kPages) {
        if (p.relation && field == QLatin1String(p.relation))
            return &p;
        for (int i = 0; i <= p.degree; ++i)
            if (field == QLatin1String(p.fields[i]))
                return &p;
    }
    return nullptr;
}

} // namespace

std::optional<EquationText> read_equation_text(const QString& text) { return Reader(text).read(); }

bool takes_pasted_equation(const QString& field) { return page_of(field) != nullptr; }

bool paste_equation(WindowModel& m, const QString& field, const QString& text)
{
    const Page* page = page_of(field);
    if (!page)
        return false;
    const auto e = read_equation_text(text);
    if (!e || e->degree != page->degree || (!page->relation && e->relation > 0))
        return false;
    for (int i = 0; i <= page->degree; ++i) {
        const int limit = m.field(QLatin1String(page->fields[i])).maxLength;
        if (limit > 0 && e->coefficients[i].size() > limit)
            return false;
    }
    for (int i = 0; i <= page->degree; ++i)
        m.setText(QLatin1String(page->fields[i]), e->coefficients[i]);
    if (page->relation && e->relation >= 0)
        m.setIndex(QLatin1String(page->relation), e->relation);
    return true;
}

} // namespace qvk::equations
