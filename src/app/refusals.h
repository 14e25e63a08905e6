#pragma once
// What a pupil should enter instead, after a calculation refused its input.
#include <QString>

namespace qvk::app {

// Empty where the message says it all.
QString expected_instead(const QString& message);

} // namespace qvk::app
