#pragma once
// Exact values for the worked solution: sums of terms q · √n · πᵏ (· i), q a
// fraction, n a square-free whole number. Anything outside that, or larger
// than a pupil could read, has no exact form: the value is then "unknown" and
// every operation on it stays unknown, so a formula never has to ask.
// The numbers are CLN's through GiNaC; this layer keeps its results in one
// canonical form and bounds the work on any input.
#include <QString>

#include <memory>
#include <optional>

namespace qvk {

class Exact {
public:
    // Unknown.
    Exact() = default;
    Exact(int n);
    // A number as the page holds it: the shortest decimal that reads back as
    // the same double, as a fraction (0.1 is 1/10). Infinite or NaN: unknown.
    static Exact decimal(double x);
    static Exact fraction(long long numerator, long long denominator);
    static Exact pi();
    static Exact i();

    bool known() const { return e_ != nullptr; }
    bool is_rational() const;
    bool is_integer() const;
    bool is_real() const;
    // -1, 0 or 1 for a known real value; nullopt otherwise.
    std::optional<int> sign() const;
    // A known rational as numerator and denominator when both fit.
    std::optional<std::pair<long long, long long>> as_fraction() const;
    // The value to extended precision (NaN when unknown).
    long double approx() const;
    // The imaginary part's value (0 for a real one).
    long double approx_imag() const;
    // How large it is: the bits of all its numbers (0 when unknown). Lets a
    // long computation give up early, at a size that is the same everywhere.
    long bits() const;

    // The interchange form: 1 - sqrt(2), (3 + sqrt(5))/2, 36*pi, -1/2 + sqrt(3)/2*i.
    QString canonical() const;
    // As a pupil writes it: 1 − √2, (3 + √5)/2, 36π, −1/2 + √3/2 i.
    QString written() const;

    friend Exact operator+(const Exact& a, const Exact& b);
    friend Exact operator-(const Exact& a, const Exact& b);
    friend Exact operator*(const Exact& a, const Exact& b);
    friend Exact operator/(const Exact& a, const Exact& b);
    friend Exact operator-(const Exact& a);
    friend bool operator==(const Exact& a, const Exact& b);

    // The square root: of a fraction (a negative one gives an imaginary value)
    // or a fraction times an even power of π. Otherwise unknown.
    friend Exact root(const Exact& x);
    // The real cube root of a fraction whose terms are cubes; otherwise unknown.
    friend Exact cube_root(const Exact& x);
    friend Exact absolute(const Exact& x);
    // Sine, cosine, tangent of an angle in degrees at the multiples of 15°;
    // otherwise unknown.
    friend Exact sin_deg(const Exact& degrees);
    friend Exact cos_deg(const Exact& degrees);
    friend Exact tan_deg(const Exact& degrees);
    // Back to those angles, in degrees; otherwise unknown.
    friend Exact asin_deg(const Exact& x);
    friend Exact acos_deg(const Exact& x);
    friend Exact atan_deg(const Exact& x);

    // Angles in radians: through degrees, where the angle is a fraction of π.
    friend Exact sin_rad(const Exact& x);
    friend Exact cos_rad(const Exact& x);
    friend Exact tan_rad(const Exact& x);
    friend Exact acos_rad(const Exact& x);

    struct Terms;
    explicit Exact(std::shared_ptr<const Terms> terms) : e_(std::move(terms)) {}
    const Terms* terms() const { return e_.get(); }

private:
    std::shared_ptr<const Terms> e_;
};

inline Exact& operator+=(Exact& a, const Exact& b) { return a = a + b; }
inline Exact& operator-=(Exact& a, const Exact& b) { return a = a - b; }
inline Exact& operator*=(Exact& a, const Exact& b) { return a = a * b; }
inline Exact& operator/=(Exact& a, const Exact& b) { return a = a / b; }

// The page's roundings and stores do not touch an exact value.
inline Exact keep(const Exact& x) { return x; }
inline Exact rounded(const Exact& x, int) { return x; }
inline Exact sq(const Exact& x) { return x * x; }
inline Exact real_cube_root(const Exact& x) { return cube_root(x); }
inline Exact within_unit(const Exact& x) { return x; }
// -1 below zero, else 1, as the decimal's sign().
inline Exact sign(const Exact& x)
{
    const auto s = x.sign();
    return s ? Exact(*s < 0 ? -1 : 1) : Exact();
}

// A written form longer than this is left out of the worked solution.
inline constexpr int kReadableLength = 60;

} // namespace qvk
