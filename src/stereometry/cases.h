#pragma once
// What the case tables of the solids share: refusal and the checks of the
// read block (keep, rounded and the constants come from core/formula.h).
#include "core/errors.h"
#include "core/formula.h"
#include "stereometry/solids.h"

#include <cmath>

namespace qvk::stereometry {

// The one message of every refused input.
inline const QString kRefused = QStringLiteral("Nepřípustné zadání");

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
