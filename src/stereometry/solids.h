#pragma once
// The page "Stereometrie": six solids, each a page of fields that are inputs
// and outputs at once. The filled fields choose one case of the solid; the
// case computes every empty field.
#include "model/model.h"
#include "model/registry.h"

#include <array>
#include <span>

namespace qvk::stereometry {

void declare_solids(WindowModel& model);
void register_solids(Registry& registry);

// `vyres_d3`: computes the solid on show.
void vyres_d3Click(WindowModel& model);
// `vymaz_3d` and the clear-fields key: empties the fields of the solid on show.
void vymaz_3dClick(WindowModel& model);

inline constexpr int kMaxFields = 6;
// The values of a solid's fields, by field position.
using Values = std::array<double, kMaxFields>;

// One accepted combination of filled fields.
struct Case {
    unsigned given; // bit i: field i is filled; every other field must be empty
    // Inside the read block, after every given value has passed "> 0": the
    // case's own checks, and whatever they need computed first. Null for none.
    void (*check)(Values& values, int places);
    // The unknowns from the rounded given values.
    void (*compute)(Values& values, int places);
};

struct SolidField {
    const char* name;
    const char* caption;
    const char* hint;
};

struct Solid {
    const char* page;                 // the page widget in `d3_page`
    std::span<const SolidField> fields; // in the order they are cleared
    std::span<const Case> cases;      // tested in this order
    unsigned asTyped = 0;             // fields read unrounded and not rewritten
};

// All six, in page order.
std::span<const Solid> solids();

} // namespace qvk::stereometry
