#pragma once
// A quantity of the worked solution: the formula by names, the same with the
// numbers put in, and its exact value. A formula evaluated on Worked values
// gives all three in one pass, from the one place it is written.
#include "core/formula.h"
#include "exact/exact.h"
#include "model/postup.h"

namespace qvk {

template <>
inline Exact pi<Exact>()
{
    return Exact::pi();
}

// An exact value as a term of a written formula.
Sym sym_of(const Exact& x);

struct Worked {
    Sym named;
    Sym put;
    Exact exact;

    Worked() = default;
    Worked(int n) : named(n), put(n), exact(n) {}
    Worked(Sym n, Sym p, Exact e) : named(std::move(n)), put(std::move(p)), exact(std::move(e)) {}

    template <typename F>
    friend Worked each(const Worked& a, F f)
    {
        return {f(a.named), f(a.put), f(a.exact)};
    }
    template <typename F>
    friend Worked each(const Worked& a, const Worked& b, F f)
    {
        return {f(a.named, b.named), f(a.put, b.put), f(a.exact, b.exact)};
    }
    friend Worked operator+(const Worked& a, const Worked& b) { return each(a, b, [](auto x, auto y) { return x + y; }); }
    friend Worked operator-(const Worked& a, const Worked& b) { return each(a, b, [](auto x, auto y) { return x - y; }); }
    friend Worked operator*(const Worked& a, const Worked& b) { return each(a, b, [](auto x, auto y) { return x * y; }); }
    friend Worked operator/(const Worked& a, const Worked& b) { return each(a, b, [](auto x, auto y) { return x / y; }); }
    friend Worked operator-(const Worked& a) { return each(a, [](auto x) { return -x; }); }
};

#define QVK_WORKED_UNARY(op) \
    inline Worked op(const Worked& a) { return each(a, [](const auto& x) { return op(x); }); }
QVK_WORKED_UNARY(keep)
QVK_WORKED_UNARY(root)
QVK_WORKED_UNARY(cube_root)
QVK_WORKED_UNARY(sq)
QVK_WORKED_UNARY(absolute)
QVK_WORKED_UNARY(sin_deg)
QVK_WORKED_UNARY(cos_deg)
QVK_WORKED_UNARY(tan_deg)
QVK_WORKED_UNARY(asin_deg)
QVK_WORKED_UNARY(acos_deg)
QVK_WORKED_UNARY(sin_rad)
QVK_WORKED_UNARY(cos_rad)
QVK_WORKED_UNARY(tan_rad)
QVK_WORKED_UNARY(acos_rad)
QVK_WORKED_UNARY(real_cube_root)
QVK_WORKED_UNARY(within_unit)
QVK_WORKED_UNARY(sign)
#undef QVK_WORKED_UNARY
inline Worked rounded(const Worked& a, int places)
{
    return each(a, [places](const auto& x) { return rounded(x, places); });
}
template <>
inline Worked pi<Worked>()
{
    return {pi<Sym>(), pi<Sym>(), Exact::pi()};
}

// A given value: its name, the number as the page holds it.
Worked given(const QString& name, double value);
// A result carried on to the next step under its name: its exact value where
// it is readable, else the number the page shows.
Worked carried(const QString& name, const Exact& exact, const QString& shown);
// A written form short enough to read.
bool readable(const Exact& x);
// One term k·x of a written polynomial or equation: "−" / " − " / " + "
// before it, the coefficient 1 left out, a sum in parentheses; empty for 0.
QString signed_term(const Exact& k, const QString& x, bool first);

// Builds a postup line by line.
class Explainer {
public:
    explicit Explainer(const QString& heading);
    void section(const QString& text) { out_.add(PostupLine::Kind::Section, text); }
    void note(const QString& text) { out_.add(PostupLine::Kind::Note, text); }
    void line(const QString& text) { out_.add(PostupLine::Kind::Step, text); }
    // "name = value" under "Dáno:" (opened by the first one).
    void given(const QString& name, const QString& shown);
    // "name = formula = numbers = exact ≈ shown", each part once. Records the
    // exact value under `key` (none: not recorded). Gives the value as the
    // next step uses it.
    Worked step(const QString& name, const Worked& value, const QString& shown, const QString& key = {});
    // The exact value of a result, where it has a readable one.
    void exact(const QString& key, const Exact& x);
    // "Výsledek:" and the result lines.
    void result(const QString& text);
    Postup take() { return std::move(out_); }

private:
    Postup out_;
    bool givenOpen_ = false;
    bool resultOpen_ = false;
};

// "= exact ≈ shown" or "= shown": how a value ends its line.
QString value_tail(const Exact& exact, const QString& shown);

} // namespace qvk
