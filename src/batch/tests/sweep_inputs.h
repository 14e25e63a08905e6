#pragma once
// The requests of the answer sweep: inputs for every calculator, every
// handler, relation, case and row, error message and edge value, made from a
// fixed seed so that every run makes the same lines.
#include <QByteArray>
#include <QList>

namespace qvk::sweep {

// One compact JSON request per element, in a fixed order.
QList<QByteArray> requests();

} // namespace qvk::sweep
