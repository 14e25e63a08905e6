#pragma once
// What the case tables of the solids share: refusal and the constants at
// extended precision (keep, rounded, sq come from the formulas).
#include "core/errors.h"
#include "core/formula.h"
#include "stereometry/solids.h"

#include <cmath>

namespace qvk::stereometry {

// The one message of every refused input.
inline const QString kRefused = QStringLiteral("Nepřípustné zadání");

inline constexpr long double k4Pi = 4 * kPi;
inline constexpr long double k4PiThirds = 4 * kPi / 3;
inline constexpr long double kPiThirds = kPi / 3;
inline constexpr long double k2Pi = 2 * kPi;
inline constexpr long double kThird = 1.0L / 3;

// Inside the read block: a failed check ends the run with the block's message.
inline void require(bool ok)
{
    // A fault before the check is the block's to report, not the display's.
    fpu_check();
    if (!ok)
        reject_value();
}

template <typename... T>
constexpr Mask bits(T... fields)
{
    return of({fields...});
}

} // namespace qvk::stereometry
