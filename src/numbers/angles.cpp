#include "numbers/angles.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "model/declare.h"

#include <cmath>

namespace qvk::numbers {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

const QString kDegrees = QStringLiteral("uhly_stupne");
const QString kWholeDegrees = QStringLiteral("uhly_st");
const QString kMinutes = QStringLiteral("uhly_min");
const QString kSeconds = QStringLiteral("uhly_vt");
const QString kRadians = QStringLiteral("uhly_rad");
const QString kGrads = QStringLiteral("uhly_grad");
const QString kTyped = QStringLiteral("uhly_puv");

enum class Given { Radians, Grads, Degrees, Dms };

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

} // namespace

void declare_angles(WindowModel& m)
{
    using namespace declare;
    const char* hint = "Zadejte úhel";
    edit(m, "uhly_stupne", "Stupně", hint, "57,29578", 12);
    edit(m, "uhly_st", "Stupně (st.)", hint, "", 6);
    edit(m, "uhly_min", "Minuty", hint, "", 6);
    edit(m, "uhly_vt", "Vteřiny", hint, "", 6);
    edit(m, "uhly_rad", "Radiány", hint, "", 12);
    edit(m, "uhly_grad", "Grady", hint, "", 12);
    Field typed;
    typed.name = kTyped;
    typed.kind = Kind::Label;
    typed.caption = QStringLiteral("Původní zadání");
    typed.reported = PropLeft;
    m.add(std::move(typed));
    button(m, "uhly_vypocet", "&Převeď", "Převede na zbývající jednotky úhlu");
    button(m, "uhly_vymaz", "", "Vymaže zadání");
}

void register_angles(Registry& r)
{
    r.add(QStringLiteral("uhly_vypocetClick"), uhly_vypocetClick);
    r.add(QStringLiteral("uhly_vymazClick"), uhly_vymazClick);
}

void uhly_vymazClick(WindowModel& m)
{
    for (const QString& name : {kRadians, kGrads, kWholeDegrees, kMinutes, kSeconds, kDegrees, kTyped})
        m.setText(name, QString());
}

void uhly_vypocetClick(WindowModel& m)
{
    m.setText(kTyped, QString());

    // Only a field with no character at all counts as empty.
    const QString stText = m.text(kWholeDegrees);
    const QString minText = m.text(kMinutes);
    const QString vtText = m.text(kSeconds);
    const bool degrees = !m.text(kDegrees).isEmpty();
    const bool dms = !stText.isEmpty() || !minText.isEmpty() || !vtText.isEmpty();
    const bool radians = !m.text(kRadians).isEmpty();
    const bool grads = !m.text(kGrads).isEmpty();
    Given given;
    if (radians && !degrees && !dms && !grads)
        given = Given::Radians;
    else if (grads && !degrees && !dms && !radians)
        given = Given::Grads;
    else if (degrees && !dms && !radians && !grads)
        given = Given::Degrees;
    else if (dms && !degrees && !radians && !grads)
        given = Given::Dms;
    else
        report_error(QStringLiteral("Nepřípustná kombinace zadání"));

    const int places = m.settings().zaokrouhleni;
    const auto read = [&](const QString& name) { return store_double(parse_decimal(m.text(name))); };
    const auto readRounded = [&](const QString& name) {
        return store_double(round_places(parse_decimal(m.text(name)), places));
    };
    double deg = 0, st = 0, min = 0, vt = 0, rad = 0, grad = 0;
    guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty"), [&] {
        switch (given) {
        case Given::Radians: rad = readRounded(kRadians); break;
        case Given::Grads: grad = readRounded(kGrads); break;
        case Given::Degrees: deg = readRounded(kDegrees); break;
        case Given::Dms:
            // An empty part counts as 0.
            if (!stText.isEmpty())
                st = read(kWholeDegrees);
            if (!minText.isEmpty())
                min = read(kMinutes);
            if (!vtText.isEmpty())
                vt = readRounded(kSeconds);
            break;
        }
    });
    switch (given) {
    case Given::Radians:
        deg = store_double(rad / kPi * 180);
        grad = store_double(deg / 9.0L * 10);
        break;
    case Given::Grads:
        deg = store_double(grad / 10.0L * 9);
        rad = store_double(deg / 180.0L * kPi);
        break;
    case Given::Degrees:
        grad = store_double(deg / 9.0L * 10);
        rad = store_double(deg / 180.0L * kPi);
        break;
    case Given::Dms: deg = store_double((min / 60.0L + st) + vt / 3600.0L); break;
    }

    st = store_double(std::trunc(static_cast<long double>(deg)));
    const double minutes = store_double(fraction(deg) * 60.0L);
    vt = store_double(fraction(minutes) * 60.0L);
    min = store_double(std::trunc(static_cast<long double>(minutes)));
    // Seconds that round to a whole minute are carried, so 59,9 seconds shown
    // with no places read 0 of the next minute, never 60.
    vt = store_double(round_places(vt, m.settings().zaokrouhleni_uh_vt));
    carry_sixty(vt, min, deg);
    carry_sixty(min, st, deg);

    if (given == Given::Dms) {
        grad = store_double(deg / 9.0L * 10);
        rad = store_double(deg / 180.0L * kPi);
        deg = store_double(round_places(deg, places));
        QString typed = QStringLiteral("Původní zadání: ");
        typed += stText.isEmpty() ? QStringLiteral("0 st. ") : stText + QStringLiteral(" st. ");
        if (!minText.isEmpty())
            typed += minText + QStringLiteral(" min. ");
        else if (!vtText.isEmpty())
            typed += QStringLiteral("0 min ");
        if (!vtText.isEmpty())
            typed += vtText + QStringLiteral(" vt.");
        m.setText(kTyped, typed);
        // Roughly centred at 6 pixels per character.
        m.setLeft(kTyped, kClientWidth / 2 - (static_cast<int>(typed.size()) * 6 + 2) / 2 + 30);
    }

    m.setText(kGrads, format_number(round_places(grad, places)));
    m.setText(kRadians, format_number(round_places(rad, places)));
    m.setText(kDegrees, format_number(round_places(deg, places)));
    m.setText(kWholeDegrees, format_number(st));
    m.setText(kMinutes, format_number(min));
    m.setText(kSeconds, format_number(vt));
}

} // namespace qvk::numbers
