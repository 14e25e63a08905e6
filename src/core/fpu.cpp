#include "core/fpu.h"
#include "core/errors.h"

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <limits>

namespace qvk {

void fpu_clear() { std::feclearexcept(FE_ALL_EXCEPT); }

void fpu_check()
{
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised == 0)
        return;
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_INVALID)
        throw EMathError(kInvalidOp);
    if (raised & FE_DIVBYZERO)
        throw EMathError(kZeroDivide);
    throw EMathError(kOverflow);
}

double store_double(long double x)
{
    fpu_check();
    if (std::isnan(x))
        throw EMathError(kInvalidOp);
    if (std::isfinite(x) && std::fabs(x) > static_cast<long double>(DBL_MAX)) {
        // Values just above DBL_MAX that round down to it still fit.
        const double d = static_cast<double>(x);
        std::feclearexcept(FE_ALL_EXCEPT);
        if (std::isinf(d))
            throw EMathError(kOverflow);
        return d;
    }
    const double d = static_cast<double>(x);
    std::feclearexcept(FE_OVERFLOW | FE_UNDERFLOW | FE_INEXACT);
    return d;
}

std::int64_t trunc_int64(long double x)
{
    fpu_check();
    constexpr long double limit = 9223372036854775808.0L; // 2^63
    if (std::isnan(x))
        throw EMathError(kInvalidOp);
    const long double t = std::trunc(x);
    if (t < -limit || t >= limit)
        throw EMathError(kInvalidOp);
    return static_cast<std::int64_t>(t);
}

std::int64_t round_int64(long double x)
{
    fpu_check();
    constexpr long double limit = 9223372036854775808.0L;
    if (std::isnan(x))
        throw EMathError(kInvalidOp);
    const long double r = std::nearbyint(x);
    if (r < -limit || r >= limit)
        throw EMathError(kInvalidOp);
    std::feclearexcept(FE_INEXACT);
    return static_cast<std::int64_t>(r);
}

std::int64_t idiv(std::int64_t a, std::int64_t b)
{
    if (b == 0)
        throw EMathError(kIntDivZero);
    if (b == -1)
        return a == std::numeric_limits<std::int64_t>::min() ? a : -a;
    return a / b;
}

std::int64_t imod(std::int64_t a, std::int64_t b)
{
    if (b == 0)
        throw EMathError(kIntDivZero);
    if (b == -1)
        return 0;
    return a % b;
}

} // namespace qvk
