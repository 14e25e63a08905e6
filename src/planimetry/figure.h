#pragma once
// What every plane figure solver shares: its fields by index, a table of
// accepted combinations (the exact pattern of given fields and the
// computation it selects), the two ways of reading the fields and the rules
// for writing the results. A solver is a Figure value; solve() runs it.
#include "core/formula.h"
#include "core/given.h"
#include "model/model.h"

#include <span>
#include <vector>

namespace qvk::planimetry {

// A run of a solver over values of type N: long double on the page, Traced
// for the worked solution (see planimetry/explain.h).
template <typename N>
class RunOf;
using Run = RunOf<long double>;
// A row's computation, written once over N.
using Compute = Twofold<RunOf>;

// One accepted combination of the figure's given fields.
using Row = Combination<Compute>;

enum class Reading {
    // Every field is read at once (empty is 0, the sign dropped); a field is
    // given when its value is not 0.
    ByValue,
    // A field is given when it holds any text; only the given fields of the
    // matching row are then read.
    ByText,
};

enum class Writing {
    All,      // every written field, the given ones included
    Positive, // only values above 0; the others keep their text
};

struct Figure {
    const char* page;                // its sheet; the typed result is published under it
    const char* title;               // the figure's name, heading its worked solution
    std::vector<const char*> fields; // the figure's quantities; index = bit (see quantities())
    Reading reading = Reading::ByValue;
    std::span<const Row> rows;       // tried in order; the first exact match runs
    std::vector<int> written;        // the fields written, in this order
    Writing writing = Writing::All;
    Mask inputs = ~Mask{0};          // the fields read and matched (the others are output only)
    Mask whole = 0;                  // by value: read as whole numbers, not rounded
    Mask unrounded = 0;              // written as they are (already rounded or whole)
    const char* input_message = "Nepřípustné zadání";            // by text: the input block's message
    const char* no_match = "Nepřípustná kombinace zadání";        // no row matches
    const char* value_message = "Nejsou zadány číselné hodnoty"; // by value: a field does not convert
    // A check box the computation depends on (the circle's segment instead
    // of its sector), read with the fields; hidden, it has no effect. Null:
    // none.
    const char* option = nullptr;
    // Runs after reading, before the rows are matched (may report an error).
    void (*before_match)(Run&) = nullptr;
    // Runs after a successful computation, just before the fields are written
    // (captions and hints; nothing may fail here).
    void (*before_write)(WindowModel&, const Run&) = nullptr;
    // Names the worked solution by the values (the circle's arc, its sector
    // or segment); null: the title and the captions as they are.
    void (*naming)(const Solved&, QString& title, std::vector<QString>& captions) = nullptr;
};

// The values of one run of a solver, one double per field, each 0 at start.
template <>
class RunOf<long double> {
public:
    // The texts of the figure's fields as typed, by index; the places the
    // values are rounded to.
    RunOf(const Figure& figure, std::vector<QString> texts, int places, bool option);

    double& operator[](int field) { return values_[static_cast<std::size_t>(field)]; }
    double operator[](int field) const { return values_[static_cast<std::size_t>(field)]; }
    bool given(int field) const { return (given_ >> field) & 1u; }
    Mask given_fields() const { return given_; }
    // The figure's check box, as it was when the fields were read.
    bool option() const { return option_; }
    const QString& text(int field) const { return texts_[static_cast<std::size_t>(field)]; }

    // A check of the input stage: fails with the input block's message, as
    // does any arithmetic fault since the run began.
    void check(bool ok) const;
    // A value rounded to the configured places, for a derived value that the
    // solver rounds before further use.
    double rounded(long double x) const;
    // A value found on the way (named in the worked solution).
    long double let(const char*, long double x) const { return x; }
    // A line of the worked solution only.
    void note(const char*) const {}

private:
    friend void solve(WindowModel&, const Figure&);
    void read_by_value();
    void read_given(const QString& message);

    const Figure& figure_;
    std::vector<QString> texts_;
    int places_ = 0;
    std::vector<double> values_;
    Mask given_ = 0;
    bool option_ = false;
    QString input_message_;
};

// The quantities of a figure's sheet, in the order of its descriptor.
std::vector<const char*> quantities(const char* page);

// Runs a figure's solver: reads the model's fields, solves without the
// model, writes the results and publishes its Solved under the figure's page.
void solve(WindowModel& model, const Figure& figure);

// The solved figure drawn to scale, as an SVG document (sketch/svg.h);
// empty when it cannot be drawn.
QString sketch_figure(const Solved& solved);

} // namespace qvk::planimetry
