#pragma once
// The values of a solid's case on Traced values: the taken case again, for
// the worked solution.
#include "planimetry/traced.h"
#include "stereometry/formulas.h"
#include "stereometry/solids.h"

namespace qvk {

// The cube as its own power in the worked solution (a³, not a² · a).
inline Traced cubed(const Traced& x)
{
    return {stereometry::formulas::cubed(x.d),
            Worked(stereometry::formulas::cubed(x.w.named), stereometry::formulas::cubed(x.w.put), sq(x.w.exact) * x.w.exact)};
}

} // namespace qvk

namespace qvk::stereometry {

template <>
class ValuesOf<Traced> {
public:
    ValuesOf(Tracer& tracer, const Solved& solved) : tracer_(tracer)
    {
        for (int i = 0; i < static_cast<int>(solved.values.size()) && i < kMaxFields; ++i) {
            v_[static_cast<std::size_t>(i)] = Slot((solved.given >> i) & 1u ? tracer.input(i) : Traced(0));
            v_[static_cast<std::size_t>(i)].bind(&tracer, i);
        }
    }
    ValuesOf(const ValuesOf&) = delete;
    ValuesOf& operator=(const ValuesOf&) = delete;

    Slot& operator[](int field) { return v_[static_cast<std::size_t>(field)]; }
    const Traced& operator[](int field) const { return v_[static_cast<std::size_t>(field)]; }
    Traced let(const char* name, const Traced& x) const { return tracer_.let(QString::fromUtf8(name), x); }

private:
    Tracer& tracer_;
    std::array<Slot, kMaxFields> v_;
};

// The worked solution of a solid's solve.
Postup explain_solid(const Solid& solid, const Solved& solved);
// The solved solid in projection, as an SVG document (sketch/svg.h); empty
// when it cannot be drawn.
QString sketch_solid(const Solved& solved);

} // namespace qvk::stereometry
