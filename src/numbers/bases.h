#pragma once
#include "model/declare.h"
#include "model/model.h"
#include "model/registry.h"

#include <cstdint>
#include <optional>

namespace qvk::numbers {

// The page's name: in the calculator table, and its published result.
inline constexpr char kBasesPage[] = "TabSheet1";

// The page "Číselné soustavy": a whole number written in one base from 2 to
// 36 rewritten in another.
void declare_bases(WindowModel& model);
// The page's descriptor: its fields, their places on the page.
std::span<const declare::Entry> bases_fields();
void register_bases(Registry& registry);

void cislo1Change(WindowModel& model);
void preved_soustavyClick(WindowModel& model);
// What typing a character into `cislo1` inserts, if anything.
std::optional<QChar> cislo1KeyPress(QChar key);

// A text read in a base: its value, or why it has none.
struct BaseReading {
    enum Status { Ok, NotADigit, OutOfRange };
    Status status = Ok;
    std::int64_t value = 0;
};
BaseReading read_in_base(const QString& text, int base);
// The digits of a value of 0 or more ("0" for 0).
QString write_in_base(std::int64_t value, int base);

// --- the typed solve

struct BaseInput {
    QString digits;       // as typed
    int from = 10, to = 2; // 2 to 36
};

struct BaseConversion {
    BaseInput in;
    // OutOfRange also when the result, read back, does not give the digits
    // typed.
    BaseReading::Status status = BaseReading::Ok;
    std::int64_t value = 0; // Ok: the value of the digits
    QString digits;         // Ok: the value in the base `to`; empty for no digits
};

BaseConversion convert_base(const BaseInput& in);

// The worked solution (bases_explain.cpp).
Postup explain_base(const BaseConversion& r);
// A value the conversion refused: why, and what it takes.
Postup explain_base_out_of_range();

} // namespace qvk::numbers
