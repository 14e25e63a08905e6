#pragma once
// The JSON Lines protocol of qvkalkor-batch: one request in, one answer out.
#include <QByteArray>

namespace qvk::batch {

// Answers one input line. Returns an empty array for a blank line (no answer).
// Never throws: a malformed request gets {"fault": "..."}.
QByteArray answer(const QByteArray& line);

} // namespace qvk::batch
