#pragma once
// The run of a figure's solver on Traced values: the taken row again, for
// the worked solution.
#include "planimetry/figure.h"
#include "planimetry/traced.h"

#include <vector>

namespace qvk::planimetry {

template <>
class RunOf<Traced> {
public:
    RunOf(Tracer& tracer, const Solved& solved) : solved_(solved), places_(solved.places)
    {
        const int count = static_cast<int>(solved.values.size());
        values_.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            values_.emplace_back(given(i) ? tracer.input(i) : Traced(0));
            values_.back().bind(&tracer, i);
        }
        tracer_ = &tracer;
    }

    Slot& operator[](int field) { return values_[static_cast<std::size_t>(field)]; }
    const Traced& operator[](int field) const { return values_[static_cast<std::size_t>(field)]; }
    bool given(int field) const { return (solved_.given >> field) & 1u; }
    Mask given_fields() const { return solved_.given; }
    bool option() const { return solved_.option; }
    const QString& text(int field) const { return solved_.typed[static_cast<std::size_t>(field)]; }
    // The page's run has checked everything already.
    void check(bool) const {}
    Traced rounded(const Traced& x) const { return qvk::rounded(x, places_); }
    Traced let(const char* name, const Traced& x) const { return tracer_->let(QString::fromUtf8(name), x); }
    void note(const char* text) const { tracer_->note(QString::fromUtf8(text)); }

private:
    const Solved& solved_;
    int places_ = 0;
    std::vector<Slot> values_;
    Tracer* tracer_ = nullptr;
};

// The worked solution of a figure's solve.
Postup explain_figure(const Figure& figure, const Solved& solved);

} // namespace qvk::planimetry
