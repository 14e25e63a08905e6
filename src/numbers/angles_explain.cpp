// The worked solution of the page "Úhly", from its typed result.
#include "core/numeric.h"
#include "exact/worked.h"
#include "numbers/angles.h"

#include <algorithm>
#include <cmath>

namespace qvk::numbers {

namespace {

QString pupil(const QString& shown) { return shown.startsWith(u'-') ? u'−' + shown.mid(1) : shown; }

// A number as the page writes it, rounded to `places`.
QString shown(double x, int places) { return format_number(round_places(x, places)); }

Exact whole_exact(long long n) { return Exact::fraction(n, 1); }

// The whole part of a rational, toward zero; none when it does not fit.
std::optional<long long> truncated(const Exact& x)
{
    const auto f = x.as_fraction();
    if (!f || f->second == 0)
        return std::nullopt;
    return f->first / f->second;
}

} // namespace

Postup explain_angle(const AngleResult& r)
{
    const AngleInput& in = r.in;
    const int places = in.places;
    Explainer e(QStringLiteral("Převod úhlu"));
    const QString degText = shown(r.degrees, places), radText = shown(r.radians, places),
                  gradText = shown(r.grads, places);
    const QString kDeg = QStringLiteral("uhly_stupne"), kRad = QStringLiteral("uhly_rad"),
                  kGrad = QStringLiteral("uhly_grad");

    Worked alpha;
    switch (in.unit) {
    case AngleUnit::Degrees: {
        alpha = given(QStringLiteral("α"), in.value);
        e.given(QStringLiteral("α"), format_number(in.value) + u'°');
        e.exact(kDeg, alpha.exact);
        e.section(QStringLiteral("Stupně na radiány a grady:"));
        e.step(QStringLiteral("rad"), radians_of_degrees(alpha), radText, kRad);
        e.step(QStringLiteral("grad"), grads_of_degrees(alpha), gradText, kGrad);
        break;
    }
    case AngleUnit::Radians: {
        const Worked rad = given(QStringLiteral("rad"), in.value);
        e.given(QStringLiteral("rad"), format_number(in.value));
        e.exact(kRad, rad.exact);
        e.section(QStringLiteral("Radiány na stupně a grady:"));
        alpha = e.step(QStringLiteral("α"), degrees_of_radians(rad), degText, kDeg);
        e.step(QStringLiteral("grad"), grads_of_degrees(alpha), gradText, kGrad);
        break;
    }
    case AngleUnit::Grads: {
        const Worked grad = given(QStringLiteral("grad"), in.value);
        e.given(QStringLiteral("grad"), format_number(in.value));
        e.exact(kGrad, grad.exact);
        e.section(QStringLiteral("Grady na stupně a radiány:"));
        alpha = e.step(QStringLiteral("α"), degrees_of_grads(grad), degText, kDeg);
        e.step(QStringLiteral("rad"), radians_of_degrees(alpha), radText, kRad);
        break;
    }
    case AngleUnit::Dms: {
        const Worked st = given(QStringLiteral("st"), in.st), min = given(QStringLiteral("min"), in.min),
                     vt = given(QStringLiteral("vt"), in.vt);
        e.given(QStringLiteral("st"), format_number(in.st));
        e.given(QStringLiteral("min"), format_number(in.min));
        e.given(QStringLiteral("vt"), format_number(in.vt));
        e.section(QStringLiteral("Na stupně, radiány a grady:"));
        alpha = e.step(QStringLiteral("α"), degrees_of_dms(st, min, vt), degText, kDeg);
        e.step(QStringLiteral("rad"), radians_of_degrees(alpha), radText, kRad);
        e.step(QStringLiteral("grad"), grads_of_degrees(alpha), gradText, kGrad);
        break;
    }
    }

    // Whole degrees, then the rest times 60 for the minutes and again for the
    // seconds; exact where the angle in degrees is a fraction.
    e.section(QStringLiteral("Stupně, minuty, vteřiny:"));
    const QString dms = pupil(format_number(r.st)) + QStringLiteral("° ") + pupil(format_number(r.min)) +
                        QStringLiteral("′ ") + pupil(format_number(r.vt)) + QStringLiteral("″");
    const Exact a = alpha.exact;
    const auto st = a.is_rational() ? truncated(a) : std::nullopt;
    const Exact minutes = st ? (a - whole_exact(*st)) * Exact(60) : Exact();
    const auto min = minutes.known() ? truncated(minutes) : std::nullopt;
    const Exact seconds = min ? (minutes - whole_exact(*min)) * Exact(60) : Exact();
    const bool same = st && min && whole_exact(*st) == Exact::decimal(r.st) && whole_exact(*min) == Exact::decimal(r.min) &&
                      readable(a) && readable(minutes) && readable(seconds);
    if (same) {
        const auto in_brackets = [](const Exact& x) {
            const QString w = x.written();
            return w.contains(u' ') || w.startsWith(u'−') ? u'(' + w + u')' : w;
        };
        e.line(QStringLiteral("st = ") + pupil(format_number(r.st)) + QStringLiteral(" (celá část α)"));
        e.line(QStringLiteral("(α − st) · 60 = ") + in_brackets(a - whole_exact(*st)) + QStringLiteral(" · 60 = ") +
               minutes.written() + QStringLiteral(" → min = ") + pupil(format_number(r.min)));
        QString line = u'(' + minutes.written() + QStringLiteral(" − min) · 60 = ") + in_brackets(minutes - whole_exact(*min)) +
                       QStringLiteral(" · 60 = ") + seconds.written();
        e.line(line + (Exact::decimal(r.vt) != seconds ? QStringLiteral(" → vt ≈ ") : QStringLiteral(" → vt = ")) +
               pupil(format_number(r.vt)));
        e.exact(QStringLiteral("uhly_st"), Exact::decimal(r.st));
        e.exact(QStringLiteral("uhly_min"), Exact::decimal(r.min));
        // Seconds rounded up to a full sixty were carried into the minutes;
        // and seconds that their own rounding moved further than the page's
        // places are left to the line above.
        const int finest = std::max(in.secondsPlaces, places);
        const long double unit = std::pow(10.0L, -finest);
        if (std::fabs(seconds.approx() - r.vt) <= unit / 2 * (1 + 1e-9L))
            e.exact(QStringLiteral("uhly_vt"), seconds);
    } else {
        e.note(QStringLiteral("Celé stupně; zbytek · 60 dává minuty, jejich zbytek · 60 vteřiny."));
    }
    e.result(QStringLiteral("α = ") + pupil(degText) + QStringLiteral("° = ") + dms);
    e.result(QStringLiteral("α = ") + pupil(radText) + QStringLiteral(" rad = ") + pupil(gradText) + QStringLiteral(" grad"));
    return e.take();
}

} // namespace qvk::numbers
