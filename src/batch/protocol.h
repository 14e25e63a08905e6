#pragma once
// The JSON Lines protocol of qvkalkor-batch: one request in, one answer out.
#include <QByteArray>

#include <istream>
#include <optional>

namespace qvk::batch {

// A request line beyond this many bytes is answered with a fault unread: a
// request of that size would take more memory than the runner may.
constexpr qsizetype kMaxLineBytes = 4 * 1024 * 1024;
// Each step may run a handler whose listing grows with every run.
constexpr qsizetype kMaxSteps = 100;
// Typing runs the change handler after every character, which may read the
// whole text: a request types at most this many characters in all, each at
// the end of a text of at most this length.
constexpr qsizetype kMaxTypedChars = 10000;

// Answers one input line. Returns an empty array for a blank line (no answer).
// Never throws: a malformed request gets {"fault": "..."}.
QByteArray answer(const QByteArray& line);

// Reads the next line of `in` and answers it (empty for a blank line);
// nothing at the end of the input.
std::optional<QByteArray> answer_next(std::istream& in);

} // namespace qvk::batch
