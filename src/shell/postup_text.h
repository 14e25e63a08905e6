#pragma once
// The worked solution as a pupil reads it: its plain lines (√, π, ², ·)
// turned into rich text with the radicand under the root's bar.
#include "model/postup.h"

#include <QString>

namespace qvk::shell {

// One plain line as an HTML fragment: the text escaped, a root's radicand
// overlined ("√(a² + b²)" bars "a² + b²" and drops the parentheses, "√16"
// or "√D" bars the number or the name), "^2" or "^(n+1)" raised.
QString rich_line(const QString& plain);

// The whole solution as an HTML document. An Error line starts with the
// picture named `errorIcon` when one is given (a resource of the document
// that shows it).
QString postup_html(const Postup& postup, const QString& errorIcon = {});

} // namespace qvk::shell
