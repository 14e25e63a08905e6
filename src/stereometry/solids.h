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
// The values of a solid's fields, by field position.
using Values = std::array<double, kMaxFields>;

// One accepted combination of filled fields (bit i: field i is filled).
// `compute` finds the unknowns from the rounded given values; `check`, run
// after every given value has passed "> 0", holds the case's own checks and
// whatever they need computed first.
using Step = void (*)(Values& values, int places);
using Case = Combination<Step>;

struct Solid {
    const char* page;                 // the page widget in `d3_page`
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
