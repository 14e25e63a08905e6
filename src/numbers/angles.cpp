#include "numbers/angles.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "model/declare.h"

#include <cmath>

namespace qvk::numbers {

namespace {

const QString kDegrees = QStringLiteral("uhly_stupne");
const QString kWholeDegrees = QStringLiteral("uhly_st");
const QString kMinutes = QStringLiteral("uhly_min");
const QString kSeconds = QStringLiteral("uhly_vt");
const QString kRadians = QStringLiteral("uhly_rad");
const QString kGrads = QStringLiteral("uhly_grad");
const QString kTyped = QString::fromLatin1(kAnglesTyped);

using declare::Entry;
using declare::Place;
// In tab order, each field with its unit after it.
constexpr Entry kPage[] = {
    {.role = Entry::Input, .name = "uhly_stupne", .caption = "Stupně", .hint = "Zadejte úhel", .text = "57,29578",
     .maxLength = 12, .unit = "o", .at = {8, 6, 96, 22, Place::Right}},
    {.role = Entry::Input, .name = "uhly_st", .caption = "Stupně (st.)", .hint = "Zadejte úhel", .maxLength = 6,
     .unit = "o", .at = {8, 32, 50, 22, Place::Right}},
    {.role = Entry::Input, .name = "uhly_min", .caption = "Minuty", .hint = "Zadejte úhel", .maxLength = 6,
     .unit = "´", .at = {70, 32, 50, 22, Place::Right}},
    {.role = Entry::Input, .name = "uhly_vt", .caption = "Vteřiny", .hint = "Zadejte úhel", .maxLength = 6,
     .unit = "´´", .at = {132, 32, 50, 22, Place::Right}},
    {.role = Entry::Input, .name = "uhly_rad", .caption = "Radiány", .hint = "Zadejte úhel", .maxLength = 12,
     .unit = "rad", .at = {8, 58, 96, 22, Place::Right}},
    {.role = Entry::Input, .name = "uhly_grad", .caption = "Grady", .hint = "Zadejte úhel", .maxLength = 12,
     .unit = "grad", .at = {8, 84, 96, 22, Place::Right}},
    {.role = Entry::Text, .name = kAnglesTyped, .caption = "Původní zadání", .reported = PropLeft},
    {.role = Entry::Press, .name = "uhly_vypocet", .caption = "&Převeď", .hint = "Převede na zbývající jednotky úhlu",
     .calculates = true, .at = {8, 112, 70, 26}, .icon = "preved"},
    {.role = Entry::Press, .name = "uhly_vymaz", .hint = "Vymaže zadání", .at = {82, 112, 30, 26}, .icon = "novy"},
};

double fraction(double x) { return store_double(static_cast<long double>(x) - std::trunc(static_cast<long double>(x))); }

// Moves a full sixty of `part` into `whole`, with the sign of the angle.
void carry_sixty(double& part, double& whole, double angle)
{
    const double sixty = angle < 0 ? -60.0 : 60.0;
    if (std::fabs(part) >= 60.0) {
        part = store_double(static_cast<long double>(part) - sixty);
        whole = store_double(static_cast<long double>(whole) + (angle < 0 ? -1 : 1));
    }
}

using LD = long double;

} // namespace

std::span<const declare::Entry> angles_fields() { return kPage; }

void declare_angles(WindowModel& m) { declare::declare_all(m, kPage); }

void register_angles(Registry& r)
{
    r.add(QStringLiteral("uhly_vypocetClick"), uhly_vypocetClick);
    r.add(QStringLiteral("uhly_vymazClick"), uhly_vymazClick);
}

// Not the descriptor's order: the clear has always gone from the radians.
void uhly_vymazClick(WindowModel& m)
{
    for (const QString& name : {kRadians, kGrads, kWholeDegrees, kMinutes, kSeconds, kDegrees, kTyped})
        m.setText(name, QString());
}

AngleResult convert_angle(const AngleInput& in)
{
    AngleResult r;
    r.in = in;
    double deg = 0, rad = 0, grad = 0;
    switch (in.unit) {
    case AngleUnit::Radians:
        rad = in.value;
        deg = degrees_of_radians<LD>(rad);
        grad = grads_of_degrees<LD>(deg);
        break;
    case AngleUnit::Grads:
        grad = in.value;
        deg = degrees_of_grads<LD>(grad);
        rad = radians_of_degrees<LD>(deg);
        break;
    case AngleUnit::Degrees:
        deg = in.value;
        grad = grads_of_degrees<LD>(deg);
        rad = radians_of_degrees<LD>(deg);
        break;
    case AngleUnit::Dms: deg = degrees_of_dms<LD>(in.st, in.min, in.vt); break;
    }

    r.st = store_double(std::trunc(static_cast<LD>(deg)));
    const double minutes = store_double(fraction(deg) * 60.0L);
    r.vt = store_double(fraction(minutes) * 60.0L);
    r.min = store_double(std::trunc(static_cast<LD>(minutes)));
    // Seconds that round to a whole minute are carried, so 59,9 seconds shown
    // with no places read 0 of the next minute, never 60.
    r.vt = store_double(round_places(r.vt, in.secondsPlaces));
    carry_sixty(r.vt, r.min, deg);
    carry_sixty(r.min, r.st, deg);

    if (in.unit == AngleUnit::Dms) {
        grad = grads_of_degrees<LD>(deg);
        rad = radians_of_degrees<LD>(deg);
        deg = store_double(round_places(deg, in.places));
    }
    r.degrees = deg;
    r.radians = rad;
    r.grads = grad;
    return r;
}

QString typed_text(const AngleInput& in)
{
    QString typed = QStringLiteral("Původní zadání: ");
    typed += in.stText.isEmpty() ? QStringLiteral("0 st. ") : in.stText + QStringLiteral(" st. ");
    if (!in.minText.isEmpty())
        typed += in.minText + QStringLiteral(" min. ");
    else if (!in.vtText.isEmpty())
        typed += QStringLiteral("0 min ");
    if (!in.vtText.isEmpty())
        typed += in.vtText + QStringLiteral(" vt.");
    return typed;
}

void uhly_vypocetClick(WindowModel& m)
{
    m.setText(kTyped, QString());

    // Only a field with no character at all counts as empty.
    AngleInput in;
    in.stText = m.text(kWholeDegrees);
    in.minText = m.text(kMinutes);
    in.vtText = m.text(kSeconds);
    const bool degrees = !m.text(kDegrees).isEmpty();
    const bool dms = !in.stText.isEmpty() || !in.minText.isEmpty() || !in.vtText.isEmpty();
    const bool radians = !m.text(kRadians).isEmpty();
    const bool grads = !m.text(kGrads).isEmpty();
    if (radians && !degrees && !dms && !grads)
        in.unit = AngleUnit::Radians;
    else if (grads && !degrees && !dms && !radians)
        in.unit = AngleUnit::Grads;
    else if (degrees && !dms && !radians && !grads)
        in.unit = AngleUnit::Degrees;
    else if (dms && !degrees && !radians && !grads)
        in.unit = AngleUnit::Dms;
    else
        report_error(QStringLiteral("Nepřípustná kombinace zadání"));

    in.places = m.settings().zaokrouhleni;
    in.secondsPlaces = m.settings().zaokrouhleni_uh_vt;
    const auto read = [&](const QString& name) { return store_double(parse_decimal(m.text(name))); };
    const auto readRounded = [&](const QString& name) {
        return store_double(round_places(parse_decimal(m.text(name)), in.places));
    };
    guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty"), [&] {
        switch (in.unit) {
        case AngleUnit::Radians: in.value = readRounded(kRadians); break;
        case AngleUnit::Grads: in.value = readRounded(kGrads); break;
        case AngleUnit::Degrees: in.value = readRounded(kDegrees); break;
        case AngleUnit::Dms:
            // An empty part counts as 0.
            if (!in.stText.isEmpty())
                in.st = read(kWholeDegrees);
            if (!in.minText.isEmpty())
                in.min = read(kMinutes);
            if (!in.vtText.isEmpty())
                in.vt = readRounded(kSeconds);
            break;
        }
    });

    const AngleResult r = convert_angle(in);

    if (in.unit == AngleUnit::Dms) {
        const QString typed = typed_text(in);
        m.setText(kTyped, typed);
        // Roughly centred at 6 pixels per character.
        m.setLeft(kTyped, kClientWidth / 2 - (static_cast<int>(typed.size()) * 6 + 2) / 2 + 30);
    }
    // Rounded as they are written: a rounding that fails leaves the fields
    // before it written.
    m.setText(kGrads, format_number(round_places(r.grads, in.places)));
    m.setText(kRadians, format_number(round_places(r.radians, in.places)));
    m.setText(kDegrees, format_number(round_places(r.degrees, in.places)));
    m.setText(kWholeDegrees, format_number(r.st));
    m.setText(kMinutes, format_number(r.min));
    m.setText(kSeconds, format_number(r.vt));
    m.publish(QLatin1String(kAnglesPage), r);
    m.explain([r] { return explain_angle(r); });
}

} // namespace qvk::numbers
