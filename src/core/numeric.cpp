#include "core/numeric.h"
#include "core/errors.h"
#include "core/fpu.h"

#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace qvk {

namespace {

[[noreturn]] void bad_float(const QString& text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

[[noreturn]] void bad_integer(const QString& text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

bool is_digit(QChar c) { return c >= u'0' && c <= u'9'; }

int hex_value(QChar c)
{
    if (is_digit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

std::int64_t parse_integer_in(const QString& text, std::int64_t lo, std::int64_t hi)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        bad_integer(text);
    // Accumulate the magnitude as unsigned so that the bounds check cannot overflow.
    const std::uint64_t limit = negative ? static_cast<std::uint64_t>(-(lo + 1)) + 1u
                                         : static_cast<std::uint64_t>(hi);
    std::uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const int d = base == 16 ? hex_value(text[i]) : (is_digit(text[i]) ? text[i].unicode() - u'0' : -1);
        if (d < 0)
            bad_integer(text);
        if (magnitude > (limit - static_cast<std::uint64_t>(d)) / static_cast<std::uint64_t>(base))
            bad_integer(text);
        magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    }
    if (!negative)
        return static_cast<std::int64_t>(magnitude);
    if (magnitude == 0)
        return 0;
    return -static_cast<std::int64_t>(magnitude - 1u) - 1;
}

} // namespace

long double parse_decimal(const QString& text)
{
    // Validate the shape by hand, then let strtold do the exact conversion of a
    // normalised C-locale copy.
    QByteArray c;
    c.reserve(text.size() + 4);
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            c.append('-');
        ++i;
    }
    bool mantissa = false;
    bool digits = false;
    while (i < n && is_digit(text[i])) {
        c.append(static_cast<char>(text[i].unicode()));
        ++i;
        mantissa = digits = true;
    }
    if (i < n && text[i] == kDecimalSeparator) {
        c.append('.');
        ++i;
        mantissa = true;
        while (i < n && is_digit(text[i])) {
            c.append(static_cast<char>(text[i].unicode()));
            ++i;
            digits = true;
        }
    }
    if (!mantissa)
        bad_float(text);
    if (!digits)
        c.append('0');
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negative_exp = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            negative_exp = text[i] == u'-';
            ++i;
        }
        int exponent = 0;
        while (i < n && is_digit(text[i])) {
            if (exponent >= 500)
                bad_float(text);
            exponent = exponent * 10 + (text[i].unicode() - u'0');
            ++i;
        }
        c.append('e');
        if (negative_exp)
            c.append('-');
        c.append(QByteArray::number(exponent));
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        bad_float(text);

    errno = 0;
    const long double value = std::strtold(c.constData(), nullptr);
    // strtold leaves inexact/underflow flags; only overflow matters here.
    const bool overflow = std::isinf(value);
    std::feclearexcept(FE_ALL_EXCEPT & ~(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
    if (overflow) {
        std::feclearexcept(FE_OVERFLOW);
        bad_float(text);
    }
    return value;
}

std::int64_t parse_integer(const QString& text)
{
    return parse_integer_in(text, std::numeric_limits<std::int64_t>::min(),
                            std::numeric_limits<std::int64_t>::max());
}

std::int32_t parse_integer32(const QString& text)
{
    return static_cast<std::int32_t>(parse_integer_in(text, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
}

QString format_number(long double x)
{
    fpu_check();
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (x == 0)
        return QStringLiteral("0");

    // "%.14Le" gives the value correctly rounded to 15 significant digits.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", x);
    std::feclearexcept(FE_INEXACT | FE_UNDERFLOW);
    const char* p = buf;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    QByteArray digits;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.append(*p);
    const int exp10 = std::atoi(p + 1); // x = d1.d2... * 10^exp10
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    const int e = exp10 + 1; // x = 0.d1d2... * 10^e

    QString out;
    if (negative)
        out += u'-';
    if (e >= -3 && e <= 15) {
        if (e <= 0) {
            out += u'0';
            out += kDecimalSeparator;
            out += QString(-e, u'0');
            out += QString::fromLatin1(digits);
        } else {
            const QByteArray whole = digits.left(e).leftJustified(e, '0');
            out += QString::fromLatin1(whole);
            if (digits.size() > e) {
                out += kDecimalSeparator;
                out += QString::fromLatin1(digits.mid(e));
            }
        }
    } else {
        out += QChar(digits[0]);
        if (digits.size() > 1) {
            out += kDecimalSeparator;
            out += QString::fromLatin1(digits.mid(1));
        }
        out += u'E';
        out += QString::number(e - 1);
    }
    return out;
}

long double round_places(long double x, std::int32_t places)
{
    fpu_check();
    if (std::isnan(x) || std::isinf(x))
        throw EMathError(kInvalidOp);
    // Magnitudes from 2^63 up have no fraction in extended precision.
    constexpr long double two63 = 9223372036854775808.0L;
    if (std::fabs(x) >= two63)
        return x;
    // Below 2^63 neither whole part fails as an int64, and nothing between
    // the checks can raise a flag: this runs for every entry of a matrix at
    // every step, so the flags are looked at only where they can change.
    // The conversion truncates; through int64 a zero comes out as +0
    // whatever the sign of x.
    const long double t = static_cast<long double>(static_cast<std::int64_t>(x));
    if (x == t)
        return x;
    long double p = 1.0L;
    if (places >= 0) {
        for (std::int32_t k = 0; k < places && std::isfinite(p); ++k)
            p *= 10.0L;
    } else {
        p = std::pow(10.0L, static_cast<long double>(places));
    }
    // Only a power of ten grown past the range raises a flag here.
    if (!std::isfinite(p))
        fpu_check();
    // |x - t| < 1 and p is finite: the product is finite and below 2^63
    // only when p is; round_int64 says so otherwise.
    const long double scaled = (x - t) * p;
    const std::int64_t whole =
        std::fabs(scaled) < two63 ? static_cast<std::int64_t>(std::nearbyint(scaled)) : round_int64(scaled);
    const long double r = static_cast<long double>(whole);
    const long double result = r / p + t;
    std::feclearexcept(FE_INEXACT | FE_UNDERFLOW);
    return result;
}

std::int64_t gcd(std::int64_t a, std::int64_t b)
{
    std::int64_t big = a > b ? a : b;
    std::int64_t small = a > b ? b : a;
    for (;;) {
        // big - (big div small) * small is the truncating remainder.
        const std::int64_t r = imod(big, small);
        if (r == 0)
            return small;
        big = small;
        small = r;
    }
}

} // namespace qvk
