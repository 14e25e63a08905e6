#include "core/errors.h"
#include "core/fpu.h"

namespace qvk {

void report_error(const QString& message)
{
    // A fault that happened before the check would have stopped the run first.
    fpu_check();
    throw Evlastni(message);
}

void reject_value() { throw Exception(QStringLiteral("x")); }

QString error_display_text(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

} // namespace qvk
