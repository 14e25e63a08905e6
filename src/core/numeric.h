#pragma once
// The numeric operations every calculator shares: reading numbers from field
// texts, rounding, formatting, the greatest common divisor.
#include <QString>
#include <cstdint>

namespace qvk {

inline constexpr QChar kDecimalSeparator = u',';

// Decimal text with a comma, optional exponent; exact to extended precision.
// Throws EConvertError "'%s' is not a valid floating point value".
long double parse_decimal(const QString& text);

// Whole number, optionally hexadecimal after "$" or "0x".
// Throws EConvertError "'%s' is not a valid integer value".
std::int64_t parse_integer(const QString& text);
std::int32_t parse_integer32(const QString& text);

// General format, 15 significant digits, decimal comma.
QString format_number(long double x);

// Rounds the fraction of x to `places` decimals, half to even.
long double round_places(long double x, std::int32_t places);

// Euclid's algorithm exactly as the calculators rely on it (signs included).
std::int64_t gcd(std::int64_t a, std::int64_t b);

} // namespace qvk
