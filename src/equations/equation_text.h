#pragma once
// An equation pasted whole into a coefficient field: "2x^2 + 12x + 16 = 0".
#include "model/model.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qvk::equations {

struct EquationText {
    int degree = 0;           // the highest power of x written: 1, 2 or 3
    QStringList coefficients; // degree + 1 texts, highest power first, decimal comma
    int relation = -1;        // item of the relation list `rovnice`; -1 when none is written
};

// Reads a polynomial in x of at most the third degree, optionally followed by
// a relation and a zero: terms such as 2x^2, -x³, 1,5 x, 0.5*x, 7 joined by
// + or -, each power at most once, in any order; the relation one of = < > <=
// >= ≤ ≥. Blanks are free between the parts of a term and between terms.
// Whatever else the text holds (other letters, a second side that is not 0,
// a power repeated or above 3, an exponent form) makes it no equation: the
// reader never guesses.
std::optional<EquationText> read_equation_text(const QString& text);

// Fills the coefficient fields (and the relation) of the page that `field`
// belongs to from a pasted equation of that page: second degree with any
// relation on the quadratic page, third degree with "=" or none on the cubic
// page. Nothing is solved. False, with nothing changed, for any other text or
// field, or when a coefficient is too long for its field.
bool paste_equation(WindowModel& model, const QString& field, const QString& text);
// The fields that paste_equation serves.
bool takes_pasted_equation(const QString& field);

} // namespace qvk::equations
