#pragma once
#include "core/formula.h"
#include "model/declare.h"
#include "model/model.h"
#include "model/registry.h"

#include <QString>

namespace qvk::numbers {

// The page's name: in the calculator table, and its published result.
inline constexpr char kAnglesPage[] = "uhly";
// The label showing the angle as typed, placed by the length of its text.
inline constexpr char kAnglesTyped[] = "uhly_puv";

// The page "Úhly": one angle converted between decimal degrees, degrees,
// minutes and seconds, radians and grads.
void declare_angles(WindowModel& model);
// The page's descriptor: its fields, their places on the page.
std::span<const declare::Entry> angles_fields();
void register_angles(Registry& registry);

void uhly_vypocetClick(WindowModel& model);
void uhly_vymazClick(WindowModel& model);

// --- the formulas, once for the decimal and for the written line

template <typename N>
N degrees_of_radians(const N& rad)
{
    return keep(rad / pi<N>() * N(180));
}
template <typename N>
N radians_of_degrees(const N& deg)
{
    return keep(deg / N(180) * pi<N>());
}
template <typename N>
N degrees_of_grads(const N& grad)
{
    return keep(grad / N(10) * N(9));
}
template <typename N>
N grads_of_degrees(const N& deg)
{
    return keep(deg / N(9) * N(10));
}
template <typename N>
N degrees_of_dms(const N& st, const N& min, const N& vt)
{
    return keep((min / N(60) + st) + vt / N(3600));
}

// --- the typed solve

enum class AngleUnit { Radians, Grads, Degrees, Dms };

struct AngleInput {
    AngleUnit unit = AngleUnit::Degrees;
    double value = 0; // Radians, Grads, Degrees: as read, rounded to `places`
    // Dms: the parts as read, the seconds rounded to `places`; an empty one 0.
    double st = 0, min = 0, vt = 0;
    // Dms: the parts as typed, repeated on the page.
    QString stText, minText, vtText;
    int places = 2;
    int secondsPlaces = 0;
};

struct AngleResult {
    AngleInput in;
    // The page shows these rounded to `places` (Dms: `degrees` is already).
    double degrees = 0, radians = 0, grads = 0;
    // The parts as shown: whole degrees and minutes truncated, the seconds
    // rounded to `secondsPlaces` and a full sixty carried on.
    double st = 0, min = 0, vt = 0;
};

AngleResult convert_angle(const AngleInput& in);

// The worked solution (angles_explain.cpp).
Postup explain_angle(const AngleResult& r);

// The repeat of a Dms input: "Původní zadání: 12 st. 0 min 30 vt.".
QString typed_text(const AngleInput& in);

} // namespace qvk::numbers
