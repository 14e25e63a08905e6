#include "exact/exact.h"

#include <ginac/ginac.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>
#include <vector>

namespace qvk {

using GiNaC::numeric;

// One term: coefficient (a complex fraction) · √radicand · π^pi, the radicand
// square-free. A value is its terms, sorted, none with a zero coefficient.
struct Term {
    numeric coefficient;
    numeric radicand{1};
    int pi = 0;
};

struct Exact::Terms {
    std::vector<Term> terms;
};

namespace {

// Bounds on any input: numbers of more bits, sums of more terms and powers
// of π beyond these have no exact form here.
constexpr long kMaxBits = 4096;
constexpr std::size_t kMaxTerms = 8;
constexpr int kMaxPi = 6;

using Key = std::pair<numeric, int>;
struct KeyLess {
    bool operator()(const Key& a, const Key& b) const
    {
        if (a.second != b.second)
            return a.second < b.second;
        return a.first < b.first;
    }
};

bool fits(const numeric& n)
{
    const numeric re = n.real(), im = n.imag();
    return re.numer().int_length() <= kMaxBits && re.denom().int_length() <= kMaxBits &&
           im.numer().int_length() <= kMaxBits && im.denom().int_length() <= kMaxBits;
}

// Collects like terms, drops zeros, applies the bounds.
Exact make(const std::vector<Term>& raw)
{
    std::map<Key, numeric, KeyLess> sum;
    for (const Term& t : raw) {
        if (t.pi > kMaxPi || t.pi < -kMaxPi || !fits(t.coefficient))
            return {};
        auto [it, fresh] = sum.try_emplace({t.radicand, t.pi}, t.coefficient);
        if (!fresh)
            it->second += t.coefficient;
    }
    auto terms = std::make_shared<Exact::Terms>();
    for (const auto& [key, c] : sum)
        if (!c.is_zero())
            terms->terms.push_back({c, key.first, key.second});
    if (terms->terms.size() > kMaxTerms)
        return {};
    for (const Term& t : terms->terms)
        if (!fits(t.coefficient))
            return {};
    return Exact(std::shared_ptr<const Exact::Terms>(std::move(terms)));
}

const std::vector<Term>& terms_of(const Exact& x) { return x.terms()->terms; }

Exact single(const numeric& c, const numeric& radicand = 1, int pi = 0) { return make({{c, radicand, pi}}); }

// --- taking squares out of a radicand

// The primes up to the cube root of 2^64, sieved on first use.
const std::vector<std::uint32_t>& small_primes()
{
    static const std::vector<std::uint32_t> primes = [] {
        constexpr std::uint32_t kLimit = 2'642'246;
        std::vector<bool> composite(kLimit + 1);
        std::vector<std::uint32_t> found;
        for (std::uint32_t p = 2; p <= kLimit; ++p) {
            if (composite[p])
                continue;
            found.push_back(p);
            for (std::uint64_t q = std::uint64_t(p) * p; q <= kLimit; q += p)
                composite[q] = true;
        }
        return found;
    }();
    return primes;
}

// n = s² · f with f square-free. Every prime up to the cube root of what is
// left is divided out; what remains then has at most two prime factors, so it
// is a square or square-free. Beyond 64 bits only the primes below 10^5 are
// tried (below 1000 beyond 512 bits): gives up where that cannot tell.
std::optional<std::pair<numeric, numeric>> split_square(const numeric& n)
{
    numeric s = 1, f = 1, m = n;
    auto take = [&](const numeric& p) {
        int k = 0;
        while (GiNaC::irem(m, p).is_zero()) {
            m = GiNaC::iquo(m, p);
            ++k;
        }
        for (int j = 0; j + 1 < k; j += 2)
            s *= p;
        if (k % 2)
            f *= p;
    };
    const auto& primes = small_primes();
    std::uint32_t tried = 1;
    for (std::uint32_t p : primes) {
        if (p > 1000 || m.int_length() <= 62)
            break;
        take(numeric(static_cast<long>(p)));
        tried = p;
    }
    if (m.int_length() <= 62) {
        // The common case, in machine words.
        std::int64_t mw = m.to_long(), sw = 1, fw = 1;
        for (std::uint32_t p : primes) {
            if (std::int64_t(p) * p * p > mw)
                break;
            int k = 0;
            while (mw % p == 0) {
                mw /= p;
                ++k;
            }
            for (int j = 0; j + 1 < k; j += 2)
                sw *= p;
            if (k % 2)
                fw *= p;
        }
        m = numeric(static_cast<long>(mw));
        s *= numeric(static_cast<long>(sw));
        f *= numeric(static_cast<long>(fw));
        tried = primes.back();
    } else if (m.int_length() <= 512) {
        for (std::uint32_t p : primes) {
            if (p > 100'000)
                break;
            if (p > tried)
                take(numeric(static_cast<long>(p)));
        }
        tried = 100'000;
    }
    if (m == 1)
        return std::pair{s, f};
    const numeric r = GiNaC::isqrt(m);
    if (r * r == m)
        return std::pair{s * r, f};
    const numeric t(static_cast<long>(tried));
    if (m < t * t * t)
        return std::pair{s, f * m};
    return std::nullopt;
}

// --- numbers as text

QString integer_text(const numeric& n)
{
    std::ostringstream out;
    out << n;
    return QString::fromStdString(out.str());
}

numeric power_of_ten(int k) { return GiNaC::ex_to<numeric>(GiNaC::pow(numeric(10), k)); }

Exact from_decimal_text(const std::string& text)
{
    // d.ddd[e±x]
    std::string digits;
    int scale = 0;
    bool negative = false, point = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            point = true;
            continue;
        }
        digits += text[i];
        if (point)
            --scale;
    }
    if (i < text.size())
        scale += std::stoi(text.substr(i + 1));
    if (digits.empty() || std::abs(scale) > 400)
        return {};
    numeric v(digits.c_str());
    v = scale >= 0 ? v * power_of_ten(scale) : v / power_of_ten(-scale);
    return single(negative ? -v : v);
}

// --- writing a value

struct Style {
    const char* times;   // between a number and a root or π
    const char* between; // between a root and π
    const char* minus;
    QString (*root)(const numeric& radicand);
    const char* pi;
    const char* power;   // before the exponent of π
    const char* i;       // the imaginary unit, after its factor
};

QString u8(const char* s) { return QString::fromUtf8(s); }

QString root_protocol(const numeric& n) { return QStringLiteral("sqrt(") + integer_text(n) + u')'; }
QString root_written(const numeric& n) { return u'√' + integer_text(n); }

const Style kCanonical{"*", "*", "-", root_protocol, "pi", "^", "*i"};
const Style kWritten{"", "·", "−", root_written, "π", "^", " i"};

QString pi_power(const Style& st, int k)
{
    QString t = u8(st.pi);
    if (k > 1) {
        if (&st == &kWritten)
            t += k == 2 ? QStringLiteral("²") : k == 3 ? QStringLiteral("³") : u8(st.power) + QString::number(k);
        else
            t += u8(st.power) + QString::number(k);
    }
    return t;
}

// A real term's magnitude: p · √r · π^k / q, the sign apart.
QString magnitude(const Style& st, const numeric& c, const numeric& r, int pi)
{
    const numeric a = GiNaC::abs(c);
    QString factors;
    auto append = [&](const QString& f) {
        if (!factors.isEmpty())
            factors += u8(st.between);
        factors += f;
    };
    if (r != 1)
        append(st.root(r));
    if (pi > 0)
        append(pi_power(st, pi));
    QString num;
    if (a.numer() != 1 || factors.isEmpty())
        num = integer_text(a.numer());
    if (!factors.isEmpty())
        num = num.isEmpty() ? factors : num + u8(st.times) + factors;
    QString den;
    if (a.denom() != 1)
        den = integer_text(a.denom());
    if (pi < 0) {
        const QString p = pi_power(st, -pi);
        den = den.isEmpty() ? p : den + u8(st.times) + p;
    }
    if (den.isEmpty())
        return num;
    if (a.denom() != 1 && pi < 0)
        den = u'(' + den + u')';
    return num + u'/' + den;
}

// Real terms as a sum; with a common denominator of several terms that are
// whole but for it, as (a + b)/q.
QString real_sum(const Style& st, const std::vector<Term>& ts, bool* grouped = nullptr)
{
    numeric q = 1;
    for (const Term& t : ts)
        q = GiNaC::lcm(q, t.coefficient.denom());
    const bool common = ts.size() > 1 && q != 1;
    QString out;
    bool first = true;
    for (const Term& t : ts) {
        const numeric c = common ? t.coefficient * q : t.coefficient;
        const QString m = magnitude(st, c, t.radicand, t.pi);
        if (first)
            out = c.is_negative() ? u8(st.minus) + m : m;
        else
            out += (c.is_negative() ? QStringLiteral(" ") + u8(st.minus) + u' ' : QStringLiteral(" + ")) + m;
        first = false;
    }
    if (common)
        out = u'(' + out + QStringLiteral(")/") + integer_text(q);
    if (grouped)
        *grouped = ts.size() > 1 && !common;
    return out;
}

QString text(const Style& st, const Exact& x)
{
    if (!x.known())
        return {};
    const auto& ts = terms_of(x);
    if (ts.empty())
        return QStringLiteral("0");
    std::vector<Term> re, im;
    for (const Term& t : ts) {
        if (!t.coefficient.real().is_zero())
            re.push_back({t.coefficient.real(), t.radicand, t.pi});
        if (!t.coefficient.imag().is_zero())
            im.push_back({t.coefficient.imag(), t.radicand, t.pi});
    }
    QString out = re.empty() ? QString() : real_sum(st, re);
    if (!im.empty()) {
        bool grouped = false;
        QString part;
        bool negative = false;
        if (im.size() == 1) {
            negative = im[0].coefficient.is_negative();
            part = magnitude(st, im[0].coefficient, im[0].radicand, im[0].pi);
            if (part == QLatin1String("1"))
                part.clear();
        } else {
            part = u'(' + real_sum(st, im, &grouped) + u')';
        }
        const QString unit = QStringLiteral("i");
        QString term = part.isEmpty() ? unit : part + u8(st.i);
        if (out.isEmpty())
            out = negative ? u8(st.minus) + term : term;
        else
            out += (negative ? QStringLiteral(" ") + u8(st.minus) + u' ' : QStringLiteral(" + ")) + term;
    }
    return out;
}

// --- the angles of the school tables

// sin of k · 15° for k = 0..6.
Exact sine_of_fifteens(int k)
{
    const numeric q4(1, 4);
    switch (k) {
    case 0: return Exact(0);
    case 1: return make({{q4, 6}, {-q4, 2}});
    case 2: return Exact::fraction(1, 2);
    case 3: return single(numeric(1, 2), 2);
    case 4: return single(numeric(1, 2), 3);
    case 5: return make({{q4, 6}, {q4, 2}});
    default: return Exact(1);
    }
}

// The angle in degrees as a whole number of 15° steps in 0..23, if it is one.
std::optional<int> fifteens(const Exact& degrees)
{
    if (!degrees.is_rational())
        return std::nullopt;
    const auto& ts = terms_of(degrees);
    const numeric d = ts.empty() ? numeric(0) : ts[0].coefficient;
    const numeric steps = d / 15;
    if (!steps.is_integer())
        return std::nullopt;
    return static_cast<int>(GiNaC::mod(steps, numeric(24)).to_long());
}

Exact sine_steps(int k)
{
    // sin over the full turn from the first quadrant.
    if (k <= 6)
        return sine_of_fifteens(k);
    if (k <= 12)
        return sine_of_fifteens(12 - k);
    if (k <= 18)
        return -sine_of_fifteens(k - 12);
    return -sine_of_fifteens(24 - k);
}

bool zero(const Exact& x) { return x.known() && terms_of(x).empty(); }

// The angle (a multiple of 15° in [from, from + 180]) whose function gives x.
template <typename F>
Exact inverse(const Exact& x, int from, F f)
{
    if (!x.known() || !x.is_real())
        return {};
    for (int d = from; d <= from + 180; d += 15) {
        const Exact y = f(Exact(d));
        if (y.known() && zero(y - x))
            return Exact(d);
    }
    return {};
}

} // namespace

Exact::Exact(int n) : Exact(single(numeric(n))) {}

Exact Exact::decimal(double x)
{
    if (!std::isfinite(x))
        return {};
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x);
    return from_decimal_text(std::string(buf, res.ptr));
}

Exact Exact::fraction(long long p, long long q)
{
    if (q == 0)
        return {};
    return single(numeric(static_cast<long>(p)) / numeric(static_cast<long>(q)));
}

Exact Exact::pi() { return single(1, 1, 1); }
Exact Exact::i() { return single(GiNaC::ex_to<numeric>(GiNaC::I)); }

bool Exact::is_rational() const
{
    if (!known())
        return false;
    const auto& ts = terms_of(*this);
    return ts.empty() || (ts.size() == 1 && ts[0].radicand == 1 && ts[0].pi == 0 && ts[0].coefficient.is_rational());
}

bool Exact::is_integer() const
{
    return is_rational() && (terms_of(*this).empty() || terms_of(*this)[0].coefficient.is_integer());
}

bool Exact::is_real() const
{
    if (!known())
        return false;
    for (const Term& t : terms_of(*this))
        if (!t.coefficient.is_real())
            return false;
    return true;
}

std::optional<int> Exact::sign() const
{
    if (!is_real())
        return std::nullopt;
    if (terms_of(*this).empty())
        return 0;
    // Distinct terms never cancel, so the approximation's sign is the sign
    // unless it is too close to zero to tell.
    const long double v = approx();
    if (v == 0 || !std::isfinite(v))
        return std::nullopt;
    return v > 0 ? 1 : -1;
}

std::optional<std::pair<long long, long long>> Exact::as_fraction() const
{
    if (!is_rational())
        return std::nullopt;
    if (terms_of(*this).empty())
        return std::pair{0LL, 1LL};
    const numeric c = terms_of(*this)[0].coefficient;
    if (c.numer().int_length() > 62 || c.denom().int_length() > 62)
        return std::nullopt;
    return std::pair{static_cast<long long>(c.numer().to_long()), static_cast<long long>(c.denom().to_long())};
}

namespace {
long double part(const Exact& x, bool imaginary)
{
    if (!x.known())
        return std::numeric_limits<long double>::quiet_NaN();
    long double sum = 0;
    for (const Term& t : terms_of(x)) {
        const numeric c = imaginary ? t.coefficient.imag() : t.coefficient.real();
        if (c.is_zero())
            continue;
        const long double v = static_cast<long double>(GiNaC::ex_to<numeric>(c.evalf()).to_double());
        sum += v * std::sqrt(static_cast<long double>(t.radicand.to_double())) *
               std::pow(std::numbers::pi_v<long double>, static_cast<long double>(t.pi));
    }
    return sum;
}
} // namespace

long Exact::bits() const
{
    if (!known())
        return 0;
    long b = 0;
    for (const Term& t : terms_of(*this)) {
        const numeric re = t.coefficient.real(), im = t.coefficient.imag();
        b += re.numer().int_length() + re.denom().int_length() + im.numer().int_length() + im.denom().int_length() +
             t.radicand.int_length();
    }
    return b;
}

long double Exact::approx() const { return part(*this, false); }
long double Exact::approx_imag() const { return part(*this, true); }

QString Exact::canonical() const { return text(kCanonical, *this); }
QString Exact::written() const { return text(kWritten, *this); }

Exact operator+(const Exact& a, const Exact& b)
{
    if (!a.known() || !b.known())
        return {};
    std::vector<Term> all = terms_of(a);
    all.insert(all.end(), terms_of(b).begin(), terms_of(b).end());
    return make(all);
}

Exact operator-(const Exact& a)
{
    if (!a.known())
        return {};
    std::vector<Term> all = terms_of(a);
    for (Term& t : all)
        t.coefficient = -t.coefficient;
    return make(all);
}

Exact operator-(const Exact& a, const Exact& b) { return a + (-b); }

Exact operator*(const Exact& a, const Exact& b)
{
    if (!a.known() || !b.known())
        return {};
    std::vector<Term> all;
    for (const Term& s : terms_of(a))
        for (const Term& t : terms_of(b)) {
            // √r · √u = g · √(r/g · u/g) with g their common divisor; both
            // square-free, so the product under the root is too.
            const numeric g = GiNaC::gcd(s.radicand, t.radicand);
            all.push_back({s.coefficient * t.coefficient * g, (s.radicand / g) * (t.radicand / g), s.pi + t.pi});
        }
    return make(all);
}

Exact operator/(const Exact& a, const Exact& b)
{
    if (!a.known() || !b.known())
        return {};
    const auto& ts = terms_of(b);
    if (ts.empty())
        return {};
    if (ts.size() == 1) {
        // 1/(c √r π^k) = √r / (c r) · π^-k
        const Term& t = ts[0];
        return a * single(numeric(1) / (t.coefficient * t.radicand), t.radicand, -t.pi);
    }
    if (ts.size() == 2) {
        // The conjugate makes the denominator one term where the squares of
        // the two terms are alike.
        const Exact first = single(ts[0].coefficient, ts[0].radicand, ts[0].pi);
        const Exact second = single(ts[1].coefficient, ts[1].radicand, ts[1].pi);
        const Exact denominator = first * first - second * second;
        if (denominator.known() && terms_of(denominator).size() == 1)
            return a * (first - second) / denominator;
    }
    return {};
}

bool operator==(const Exact& a, const Exact& b)
{
    if (a.known() != b.known())
        return false;
    if (!a.known())
        return true;
    return zero(a - b);
}

Exact root(const Exact& x)
{
    if (!x.known())
        return {};
    const auto& ts = terms_of(x);
    if (ts.empty())
        return Exact(0);
    if (ts.size() != 1 || ts[0].radicand != 1 || ts[0].pi % 2 != 0 || !ts[0].coefficient.is_real())
        return {};
    const numeric c = ts[0].coefficient;
    const numeric m = GiNaC::abs(c);
    // √(p/q) = √(p q)/q
    const auto split = split_square(m.numer() * m.denom());
    if (!split)
        return {};
    numeric coefficient = split->first / m.denom();
    if (c.is_negative())
        coefficient *= GiNaC::ex_to<numeric>(GiNaC::I);
    return single(coefficient, split->second, ts[0].pi / 2);
}

Exact cube_root(const Exact& x)
{
    if (!x.is_rational())
        return {};
    if (terms_of(x).empty())
        return Exact(0);
    const numeric c = terms_of(x)[0].coefficient;
    auto cube = [](const numeric& n) -> std::optional<numeric> {
        if (n.int_length() > 180)
            return std::nullopt;
        const long double guess = std::cbrt(static_cast<long double>(n.to_double()));
        for (long double d = -1; d <= 1; ++d) {
            const numeric r(static_cast<long>(std::llround(guess + d)));
            if (r * r * r == n)
                return r;
        }
        return std::nullopt;
    };
    const auto p = cube(GiNaC::abs(c.numer()));
    const auto q = cube(c.denom());
    if (!p || !q)
        return {};
    return single(c.is_negative() ? -*p / *q : *p / *q);
}

Exact absolute(const Exact& x)
{
    const auto s = x.sign();
    if (!s)
        return {};
    return *s < 0 ? -x : x;
}

Exact sin_deg(const Exact& degrees)
{
    const auto k = fifteens(degrees);
    return k ? sine_steps(*k) : Exact();
}

Exact cos_deg(const Exact& degrees) { return sin_deg(Exact(90) - degrees); }

Exact tan_deg(const Exact& degrees)
{
    const Exact c = cos_deg(degrees);
    return zero(c) ? Exact() : sin_deg(degrees) / c;
}

Exact asin_deg(const Exact& x) { return inverse(x, -90, [](const Exact& d) { return sin_deg(d); }); }
Exact acos_deg(const Exact& x) { return inverse(x, 0, [](const Exact& d) { return cos_deg(d); }); }
Exact atan_deg(const Exact& x) { return inverse(x, -75, [](const Exact& d) { return tan_deg(d); }); }

namespace {
Exact degrees_of(const Exact& radians) { return radians * Exact(180) / Exact::pi(); }
Exact radians_of(const Exact& degrees) { return degrees * Exact::pi() / Exact(180); }
} // namespace

Exact sin_rad(const Exact& x) { return sin_deg(degrees_of(x)); }
Exact cos_rad(const Exact& x) { return cos_deg(degrees_of(x)); }
Exact tan_rad(const Exact& x) { return tan_deg(degrees_of(x)); }
Exact acos_rad(const Exact& x) { return radians_of(acos_deg(x)); }

} // namespace qvk
