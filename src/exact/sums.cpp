#include "exact/sums.h"

#include <ginac/ginac.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <optional>
#include <sstream>

namespace qvk {

using GiNaC::numeric;

namespace {

// Digits of the values on their common scale. Sums of longer ones have no
// readable form, and their fourth powers would cost more than the page may
// spend.
constexpr int kMostDigits = 80;

struct Decimal {
    long long mantissa = 0;
    int exponent = 0; // value = mantissa · 10^exponent
};

std::optional<Decimal> shortest(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    if (x == 0)
        return Decimal{};
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    Decimal d;
    const char* p = buf;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    int fraction = 0;
    bool point = false;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p == '.') {
            point = true;
            continue;
        }
        d.mantissa = d.mantissa * 10 + (*p - '0');
        if (point)
            ++fraction;
    }
    int e = 0;
    if (p < res.ptr)
        std::from_chars(p + (p[1] == '+' ? 2 : 1), res.ptr, e);
    d.exponent = e - fraction;
    if (negative)
        d.mantissa = -d.mantissa;
    return d;
}

// A whole number of any size as an Exact value, built from machine words.
Exact exact_of(const numeric& n)
{
    std::ostringstream out;
    out << GiNaC::abs(n);
    const std::string digits = out.str();
    Exact v(0);
    const Exact chunk = Exact::fraction(1'000'000'000, 1);
    std::size_t i = digits.size() % 9;
    if (i != 0)
        v = Exact::fraction(std::stoll(digits.substr(0, i)), 1);
    for (; i < digits.size() && v.known(); i += 9)
        v = v * chunk + Exact::fraction(std::stoll(digits.substr(i, 9)), 1);
    return n.is_negative() ? -v : v;
}

} // namespace

DataSums data_sums(const std::vector<double>& values)
{
    DataSums out;
    std::vector<Decimal> ds;
    ds.reserve(values.size());
    int lowest = INT_MAX, highest = INT_MIN;
    for (double x : values) {
        const auto d = shortest(x);
        if (!d)
            return out;
        ds.push_back(*d);
        if (d->mantissa != 0) {
            lowest = std::min(lowest, d->exponent);
            highest = std::max(highest, d->exponent + 17);
        }
    }
    if (lowest == INT_MAX)
        lowest = highest = 0;
    // x = n / 10^scale, n whole and of at most kMostDigits digits.
    const int scale = std::max(0, -lowest);
    if (highest + scale > kMostDigits)
        return out;
    std::vector<numeric> tens;
    numeric ten = 1;
    for (int k = 0; k <= highest + scale; ++k) {
        tens.push_back(ten);
        ten *= 10;
    }
    std::vector<numeric> n;
    n.reserve(ds.size());
    numeric s[5] = {0, 0, 0, 0, 0};
    for (const Decimal& d : ds) {
        const numeric v = d.mantissa == 0 ? numeric(0) : numeric(static_cast<long>(d.mantissa)) * tens[static_cast<std::size_t>(d.exponent + scale)];
        const numeric v2 = v * v;
        s[1] += v;
        s[2] += v2;
        s[3] += v2 * v;
        s[4] += v2 * v2;
        n.push_back(v);
    }
    const numeric count(static_cast<long>(values.size()));
    s[0] = count;
    // |x − x̄| = |n · count − Σn| / (count · 10^scale)
    numeric distances = 0;
    for (const numeric& v : n)
        distances += GiNaC::abs(v * count - s[1]);

    const Exact unit = Exact(1) / exact_of(GiNaC::ex_to<numeric>(GiNaC::pow(numeric(10), scale)));
    Exact factor(1);
    for (int k = 0; k <= 4; ++k) {
        out.powers[k] = exact_of(s[k]) * factor;
        factor *= unit;
    }
    out.distances = exact_of(distances) * unit / exact_of(count);
    return out;
}

} // namespace qvk
