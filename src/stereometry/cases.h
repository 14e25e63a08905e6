#pragma once
// What the case tables of the solids share: rounding, refusal and the
// constants at extended precision.
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "stereometry/solids.h"

#include <cmath>

namespace qvk::stereometry {

// The one message of every refused input.
inline const QString kRefused = QStringLiteral("Nepřípustné zadání");

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;
inline constexpr long double k4Pi = 4 * kPi;
inline constexpr long double k4PiThirds = 4 * kPi / 3;
inline constexpr long double kPiThirds = kPi / 3;
inline constexpr long double k2Pi = 2 * kPi;
inline constexpr long double kThird = 1.0L / 3;

// The square of a kept value, in extended precision.
inline long double sq(double x) { return static_cast<long double>(x) * x; }

// A value kept between steps: a double; overflow stops the run.
inline double keep(long double x) { return store_double(x); }
// A value rounded to the configured places before it is used further.
inline double rounded(long double x, int places) { return store_double(round_places(x, places)); }

// Inside the read block: a failed check ends the run with the block's message.
inline void require(bool ok)
{
    // A fault before the check is the block's to report, not the display's.
    fpu_check();
    if (!ok)
        reject_value();
}

constexpr unsigned bits() { return 0; }
template <typename... T>
constexpr unsigned bits(int first, T... rest)
{
    return (1u << first) | bits(rest...);
}

} // namespace qvk::stereometry
