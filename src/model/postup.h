#pragma once
// The worked solution of a calculation, as a teacher writes it in the
// notebook: what was given, each step, the result; and the exact value of
// each result that has one.
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace qvk {

struct PostupLine {
    enum class Kind {
        Heading, // the calculation's name
        Section, // "Dáno:", "Výsledek:", a part of the solution
        Given,   // a given value
        Step,    // a formula, the numbers put in, the result
        Note,    // a word of explanation
        Result,  // a line of the result
        Error,   // a refusal
    };
    Kind kind = Kind::Step;
    QString text; // plain text with √, π, ², ·, −, ≈
};

struct Postup {
    std::vector<PostupLine> lines;
    // Result name → its exact value in the interchange form (see Exact).
    std::vector<std::pair<QString, QString>> exact;

    bool empty() const { return lines.empty(); }
    void add(PostupLine::Kind kind, const QString& text) { lines.push_back({kind, text}); }
    // The lines as copying gives them.
    QStringList plain() const
    {
        QStringList out;
        for (const PostupLine& l : lines)
            out << l.text;
        return out;
    }
};

} // namespace qvk
