#pragma once
// Arithmetic faults. Invalid operation, division by zero and overflow leave
// their sticky flags in the FP status; a calculation tests them where a stage
// ends (storing, rounding, formatting, reporting) and stops with the fault.
#include <cfenv>
#include <cstdint>
#include <limits>

namespace qvk {

// The core computes in the extended type with its 64-bit mantissa; another
// long double would change every result in the last digits.
static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the 64-bit-mantissa extended type");

// Keeps the status flags of the running calculation across work that is not
// part of it (the toolkit's event processing, a message box, a nested handler).
// Cheap enough for every poll of a long loop: the status is only written back
// when the work changed it.
class FpuFlagsKept {
public:
    FpuFlagsKept() : raised_(std::fetestexcept(FE_ALL_EXCEPT)) { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
    ~FpuFlagsKept()
    {
        if (std::fetestexcept(FE_ALL_EXCEPT) != raised_)
            std::fesetexceptflag(&saved_, FE_ALL_EXCEPT);
    }
    FpuFlagsKept(const FpuFlagsKept&) = delete;
    FpuFlagsKept& operator=(const FpuFlagsKept&) = delete;

private:
    int raised_;
    std::fexcept_t saved_;
};

// Clears the sticky flags; a handler run starts with this.
void fpu_clear();

// Throws EMathError for a pending invalid operation, division by zero or
// overflow (in that order of precedence) and clears the flags.
void fpu_check();

// Stores an extended value into a double; overflow is a fault.
double store_double(long double x);

// Truncates toward zero to a 64-bit integer; NaN and out-of-range values are
// an invalid operation.
std::int64_t trunc_int64(long double x);

// Rounds to the nearest integer (ties to even) as a 64-bit integer.
std::int64_t round_int64(long double x);

// Integer division and remainder; a zero divisor is "Division by zero".
// The one overflowing case (INT64_MIN / -1) wraps as the hardware would not:
// quotient INT64_MIN, remainder 0.
std::int64_t idiv(std::int64_t a, std::int64_t b);
std::int64_t imod(std::int64_t a, std::int64_t b);

} // namespace qvk
