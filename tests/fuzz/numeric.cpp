// Any text a pupil may paste: the readers never crash, and a number they
// accept, once formatted, reads back to the same formatted text.
#include "core/errors.h"
#include "core/numeric.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cstdio>

namespace {

void same_after_reading_back(long double x)
{
    const QString once = qvk::format_number(x);
    long double back = 0;
    try {
        back = qvk::parse_decimal(once);
    } catch (const qvk::Exception&) {
        if (std::isfinite(x)) {
            std::fprintf(stderr, "formatted text not read back: %s\n", qPrintable(once));
            std::abort();
        }
        return;
    }
    const QString twice = qvk::format_number(back);
    if (twice != once) {
        std::fprintf(stderr, "%s read back formats as %s\n", qPrintable(once), qPrintable(twice));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        same_after_reading_back(qvk::parse_decimal(text));
    } catch (const qvk::Exception&) {
    }
    try {
        const std::int64_t n = qvk::parse_integer(text);
        if (qvk::parse_integer(QString::number(n)) != n)
            std::abort();
    } catch (const qvk::Exception&) {
    }
    try {
        (void)qvk::parse_integer32(text);
    } catch (const qvk::Exception&) {
    }
    // The raw bytes as a number: every value the formatter may meet.
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        // A signalling NaN would raise the invalid flag in the widening itself.
        if (!std::isnan(d))
            same_after_reading_back(d);
    }
    return 0;
}
