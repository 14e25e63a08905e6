#pragma once
// A formula is written once, as a template over its value type N, and serves
// every use of it:
//   - long double: the decimal result the page shows. keep() stores the value
//     as a double between steps (an overflow fails the run) and rounded()
//     rounds it to the configured places, exactly as the page has always done;
//   - Sym: the formula as a pupil reads it, with the names of the quantities
//     or with their numbers put in, for the worked solution;
//   - an exact type, which passes keep() and rounded() through unchanged.
// Formulas use only the operations below (never std:: directly), so that each
// value type brings its own.
#include "core/fpu.h"
#include "core/numeric.h"

#include <QString>

#include <cmath>
#include <numbers>

namespace qvk {

inline constexpr long double kPi = std::numbers::pi_v<long double>;

// --- the decimal value type

inline long double keep(long double x) { return store_double(x); }
inline long double rounded(long double x, int places) { return store_double(round_places(x, places)); }
inline long double root(long double x) { return std::sqrt(x); }
inline long double cube_root(long double x) { return std::pow(x, 1.0L / 3); }
inline long double sq(long double x) { return x * x; }
inline long double absolute(long double x) { return std::fabs(x); }
// 1 or -1 as x is not negative or is.
inline long double sign(long double x) { return x < 0 ? -1 : 1; }

// Trigonometry in degrees, in extended precision.
inline long double sin_deg(long double d) { return std::sin(d / 180 * kPi); }
inline long double cos_deg(long double d) { return std::cos(d / 180 * kPi); }
inline long double tan_deg(long double d) { return std::tan(d / 180 * kPi); }
inline long double asin_deg(long double x) { return std::asin(x) * 180 / kPi; }
inline long double acos_deg(long double x) { return std::acos(x) * 180 / kPi; }
// Trigonometry of an angle already in radians (see radians()).
inline long double sin_rad(long double x) { return std::sin(x); }
inline long double cos_rad(long double x) { return std::cos(x); }
inline long double tan_rad(long double x) { return std::tan(x); }
inline long double acos_rad(long double x) { return std::acos(x); }
// The real cube root of either sign, through the power 1/3 of the magnitude.
inline long double real_cube_root(long double x)
{
    const long double r = std::pow(std::fabs(x), 1.0L / 3);
    return x < 0 ? -r : r;
}
// A cosine computed from rounded values may pass 1 by a last bit; an arc
// cosine of it would be an invalid operation.
inline long double within_unit(long double x) { return std::fmax(-1.0L, std::fmin(1.0L, x)); }

template <typename N>
N pi();
template <>
inline long double pi<long double>()
{
    return kPi;
}

// --- the formula as text

// An expression as it is written: the text and how tightly it binds, so that
// parentheses appear only where they are needed.
class Sym {
public:
    enum Binding { Sum = 1, Product = 2, Power = 3, Atom = 4 };

    Sym() = default;
    // A number, written with the decimal comma and the minus sign.
    Sym(long double number) : text_(format_number(number)), binding_(number < 0 ? Sum : Atom)
    {
        if (text_.startsWith(u'-'))
            text_[0] = u'−';
    }
    Sym(int number) : Sym(static_cast<long double>(number)) {}
    // A quantity by its name ("r", "α").
    static Sym name(const QString& name) { return Sym(name, Atom); }
    static Sym of(const QString& text, Binding binding) { return Sym(text, binding); }

    const QString& text() const { return text_; }
    Binding binding() const { return binding_; }
    // The text, in parentheses unless it binds at least as tightly as `binding`.
    QString at(Binding binding) const { return binding_ >= binding ? text_ : u'(' + text_ + u')'; }

private:
    Sym(const QString& text, Binding binding) : text_(text), binding_(binding) {}
    QString text_;
    Binding binding_ = Atom;
};

inline Sym operator+(const Sym& a, const Sym& b) { return Sym::of(a.text() + QStringLiteral(" + ") + b.at(Sym::Product), Sym::Sum); }
inline Sym operator-(const Sym& a, const Sym& b) { return Sym::of(a.text() + QStringLiteral(" − ") + b.at(Sym::Product), Sym::Sum); }
inline Sym operator-(const Sym& a) { return Sym::of(u'−' + a.at(Sym::Product), Sym::Sum); }
inline Sym operator*(const Sym& a, const Sym& b)
{
    return Sym::of(a.at(Sym::Product) + QStringLiteral(" · ") + b.at(Sym::Power), Sym::Product);
}
inline Sym operator/(const Sym& a, const Sym& b) { return Sym::of(a.at(Sym::Product) + u'/' + b.at(Sym::Power), Sym::Product); }
inline Sym& operator+=(Sym& a, const Sym& b) { return a = a + b; }
inline Sym& operator-=(Sym& a, const Sym& b) { return a = a - b; }
inline Sym& operator*=(Sym& a, const Sym& b) { return a = a * b; }
inline Sym& operator/=(Sym& a, const Sym& b) { return a = a / b; }

inline Sym keep(const Sym& x) { return x; }
inline Sym rounded(const Sym& x, int) { return x; }
inline Sym root(const Sym& x) { return Sym::of(u'√' + x.at(Sym::Atom), Sym::Power); }
inline Sym cube_root(const Sym& x) { return Sym::of(u'∛' + x.at(Sym::Atom), Sym::Power); }
inline Sym sq(const Sym& x) { return Sym::of(x.at(Sym::Atom) + u'²', Sym::Power); }
inline Sym absolute(const Sym& x) { return Sym::of(u'|' + x.text() + u'|', Sym::Atom); }
inline Sym function(const char* name, const Sym& x) { return Sym::of(QLatin1String(name) + x.at(Sym::Atom), Sym::Power); }
inline Sym sin_deg(const Sym& x) { return function("sin ", x); }
inline Sym cos_deg(const Sym& x) { return function("cos ", x); }
inline Sym tan_deg(const Sym& x) { return function("tg ", x); }
inline Sym asin_deg(const Sym& x) { return function("arcsin ", x); }
inline Sym acos_deg(const Sym& x) { return function("arccos ", x); }
inline Sym sin_rad(const Sym& x) { return function("sin ", x); }
inline Sym cos_rad(const Sym& x) { return function("cos ", x); }
inline Sym tan_rad(const Sym& x) { return function("tg ", x); }
inline Sym acos_rad(const Sym& x) { return function("arccos ", x); }
inline Sym real_cube_root(const Sym& x) { return cube_root(x); }
inline Sym within_unit(const Sym& x) { return x; }
inline Sym sign(const Sym& x) { return function("sgn ", x); }
template <>
inline Sym pi<Sym>()
{
    return Sym::name(QStringLiteral("π"));
}

// An angle in degrees in radians, multiplied first: the order its decimal
// has always been computed in.
template <typename N>
N radians(const N& degrees)
{
    return degrees * pi<N>() / 180;
}

} // namespace qvk
