#pragma once
// The solids of the page "Stereometrie": six sheets of fields that are inputs
// and outputs at once. The filled fields choose one case of the solid; the
// case computes every empty field.
#include "core/given.h"
#include "model/declare.h"
#include "model/model.h"
#include "model/registry.h"

#include <array>
#include <span>

namespace qvk::stereometry {

inline constexpr int kMaxFields = 6;
// The values of a solid's fields, by field position, of type N: long double
// on the page, Traced for the worked solution (see stereometry/explain.h).
template <typename N>
class ValuesOf;
template <>
class ValuesOf<long double> {
public:
    double& operator[](int field) { return v_[static_cast<std::size_t>(field)]; }
    double operator[](int field) const { return v_[static_cast<std::size_t>(field)]; }
    // A value found on the way (named in the worked solution).
    long double let(const char*, long double x) const { return x; }

private:
    std::array<double, kMaxFields> v_{};
};
using Values = ValuesOf<long double>;

// One accepted combination of filled fields (bit i: field i is filled).
// `compute` finds the unknowns from the rounded given values; `check`, run
// after every given value has passed "> 0", holds the case's own checks and
// whatever they need computed first. Both are written once over N and take
// the places values are rounded to.
using Step = Twofold<ValuesOf, int>;
using Case = Combination<Step>;

struct Solid {
    const char* page;                 // the page widget in `d3_page`
    const char* title;                // the solid's name, heading its worked solution
    // Its quantities, declared, cleared and placed on its sheet's two columns
    // from here; bit i of a case is field i.
    std::span<const declare::Entry> fields;
    std::span<const Case> cases;      // tested in this order
    Mask asTyped = 0;                 // fields read unrounded and not rewritten
};

const Solid& cube();
const Solid& cuboid();
const Solid& pyramid();
const Solid& sphere();
const Solid& cone();
const Solid& cylinder();

// All six, in page order.
std::span<const Solid> solids();

// Declares the solid's fields.
void declare_fields(WindowModel& model, const Solid& solid);
// `vyres_d3` on the solid's page: the case its filled fields choose computes
// every other field, or the run ends with "Nepřípustné zadání". After success
// its Solved is published under the solid's page.
void compute_solid(WindowModel& model, const Solid& solid);
// `vymaz_3d` (and Ctrl+X) on the solid's page: empties its fields.
void empty_fields(WindowModel& model, const Solid& solid);

// The three as the calculator table takes them, one set per solid.
using SolidOf = const Solid& (*)();
template <SolidOf S>
void declare(WindowModel& model)
{
    declare_fields(model, S());
}
template <SolidOf S>
void compute(WindowModel& model)
{
    compute_solid(model, S());
}
template <SolidOf S>
void empty(WindowModel& model)
{
    empty_fields(model, S());
}

} // namespace qvk::stereometry
