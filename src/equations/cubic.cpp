#include "equations/cubic.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "model/declare.h"

#include <cfenv>
#include <cmath>
#include <numbers>

namespace qvk::equations {

namespace {

using declare::Spec;
constexpr Spec kPage[] = {
    {.role = Spec::Input, .name = "kub_a", .caption = "Člen a", .hint = "Zadejte člen u x³", .text = "1", .maxLength = 5},
    {.role = Spec::Input, .name = "kub_b", .caption = "Člen b", .hint = "Zadejte člen u x²", .text = "1", .maxLength = 5},
    {.role = Spec::Input, .name = "kub_c", .caption = "Člen c", .hint = "Zadejte člen u x", .text = "1", .maxLength = 5},
    {.role = Spec::Input, .name = "kub_d", .caption = "Člen d", .hint = "Zadejte absolutní člen", .text = "1", .maxLength = 5},
    {.role = Spec::Output, .name = "kub_subs", .caption = "Substituce x = y +"},
    {.role = Spec::Output, .name = "kub_disk", .caption = "Diskriminant"},
    {.role = Spec::Output, .name = "kub_p", .caption = "Redukovaný tvar: člen u y"},
    {.role = Spec::Output, .name = "kub_q", .caption = "Redukovaný tvar: absolutní člen"},
    {.role = Spec::Output, .name = "kub_x1", .caption = "x1 =", .hint = "Kořeny rovnice"},
    {.role = Spec::Output, .name = "kub_x2", .caption = "x2 =", .hint = "Kořeny rovnice"},
    {.role = Spec::Output, .name = "kub_x3", .caption = "x3 =", .hint = "Kořeny rovnice"},
    {.role = Spec::Press, .name = "kub_vyres", .caption = "&Vyřeš", .hint = "Vyřeší zadanou kubickou rovnici",
     .calculates = true},
};

} // namespace

void declare_cubic(WindowModel& m) { declare::declare_all(m, kPage); }

void register_cubic(Registry& r) { r.add(QStringLiteral("kub_vyresClick"), kub_vyresClick); }

namespace {

constexpr long double kThird = 1.0L / 3.0L;
constexpr long double kPi = std::numbers::pi_v<long double>;
const long double kSqrt3 = std::sqrt(3.0L);

// The real cube root of a value of either sign, through the power 1/3 of its magnitude.
long double real_cbrt(long double v)
{
    const long double r = std::pow(std::fabs(v), kThird);
    return v < 0 ? -r : r;
}

} // namespace

CubicRoots solve_cubic(double a, double b, double c, double d)
{
    CubicRoots r;
    const long double A = a, Bc = b, C = c, Dc = d;
    const double B = store_double(Bc / A);
    const double s = store_double(-static_cast<long double>(B) / 3);
    const long double S = s;
    const double p = store_double(S * S * 3 * A / A + 2 * Bc * S / A + C / A);
    const double q = store_double(S * S * S + S * S * Bc / A + S * C / A + Dc / A);
    const long double P = p, Q = q;
    const long double half = Q / 2, third = P / 3;
    const double D = store_double(round_places(half * half + third * third * third, 13));
    r.s = s;
    r.p = p;
    r.q = q;
    r.D = D;

    if (p == 0 && q == 0) {
        r.kind = CubicRoots::Kind::Triple;
        r.x1 = r.x2 = r.x3 = S;
    } else if (D == 0 && q != 0 && p != 0) {
        r.kind = CubicRoots::Kind::DoubleRoot;
        const long double t = std::pow(std::fabs(Q) / 2, kThird);
        long double y1 = -2 * t, y2 = t;
        if (q < 0) {
            y1 = -y1;
            y2 = -y2;
        }
        r.x1 = y1 + S;
        r.x2 = y2 + S;
    } else if (D > 0) {
        r.kind = CubicRoots::Kind::OneReal;
        const long double root = std::sqrt(static_cast<long double>(D));
        const long double u = real_cbrt(-half + root);
        const long double v = real_cbrt(-half - root);
        r.x1 = u + v + S;
        r.re = -(u + v) / 2 + S;
        r.im = std::fabs(kSqrt3 * (u - v) / 2);
    } else if (D < 0) {
        r.kind = CubicRoots::Kind::ThreeReal;
        const long double m = std::fabs(P) / 3;
        const long double rad = std::sqrt(m);
        // D < 0 puts the cosine inside [-1, 1]; keep a last-bit excess from
        // turning into an invalid operation.
        const long double cosine = std::fmax(-1.0L, std::fmin(1.0L, -half / std::sqrt(m * m * m)));
        const long double phi = std::acos(cosine);
        r.x1 = 2 * rad * std::cos(phi / 3) + S;
        r.x2 = -2 * rad * std::cos((phi - kPi) / 3) + S;
        r.x3 = -2 * rad * std::cos((phi + kPi) / 3) + S;
    } else if (q == 0) {
        // D rounded to 0 with p != 0: y (y^2 + p) = 0.
        if (p < 0) {
            r.kind = CubicRoots::Kind::ThreeReal;
            const long double w = std::sqrt(-P);
            r.x1 = S + w;
            r.x2 = S;
            r.x3 = S - w;
        } else {
            r.kind = CubicRoots::Kind::OneReal;
            r.x1 = S;
            r.re = S;
            r.im = std::sqrt(P);
        }
    } else {
        // D rounded to 0 with q != 0 and p = 0: y^3 = -q.
        r.kind = CubicRoots::Kind::OneReal;
        const long double y = real_cbrt(-Q);
        r.x1 = S + y;
        r.re = S - y / 2;
        r.im = std::fabs(kSqrt3 * y / 2);
    }
    return r;
}

static std::array<double, 4> cubic_terms(const WindowModel& m)
{
    const int places = m.settings().zaokrouhleni;
    std::array<double, 4> k{};
    const char* const names[] = {"kub_a", "kub_b", "kub_c", "kub_d"};
    for (int i = 0; i < 4; ++i) {
        const QString text = m.text(QString::fromLatin1(names[i]));
        if (!text.isEmpty())
            k[i] = store_double(round_places(parse_decimal(text), places));
    }
    return k;
}

CubicResult solve_cubic(const CubicInput& in) { return {in, solve_cubic(in.a, in.b, in.c, in.d)}; }

CubicTexts cubic_texts(const CubicResult& result)
{
    const CubicRoots& r = result.roots;
    auto text = [places = result.in.places](long double v) { return format_number(round_places(v, places)); };
    CubicTexts t{text(r.s), text(r.D), text(r.p), text(r.q), text(r.x1), {}, {}};
    switch (r.kind) {
    case CubicRoots::Kind::Triple:
    case CubicRoots::Kind::ThreeReal:
        t.x2 = text(r.x2);
        t.x3 = text(r.x3);
        break;
    case CubicRoots::Kind::DoubleRoot:
        t.x2 = text(r.x2);
        break;
    case CubicRoots::Kind::OneReal: {
        const QString re = text(r.re), im = text(r.im);
        t.x2 = re + QStringLiteral(" + ") + im + QStringLiteral(" * i");
        t.x3 = re + QStringLiteral(" - ") + im + QStringLiteral(" * i");
        break;
    }
    }
    return t;
}

void kub_vyresClick(WindowModel& m)
{
    CubicInput in;
    in.places = m.settings().zaokrouhleni;
    guarded_read(QStringLiteral("Nejsou zadány číselné hodnoty"), [&] {
        const std::array<double, 4> k = cubic_terms(m);
        in.a = k[0];
        in.b = k[1];
        in.c = k[2];
        in.d = k[3];
    });
    if (in.a > 99999 || in.b > 99999 || in.c > 99999 || in.d > 99999)
        report_error(QStringLiteral("Maximální hodnota zadání je 99999"));
    if (in.a < -9999 || in.b < -9999 || in.c < -9999 || in.d < -9999)
        report_error(QStringLiteral("Minimální hodnota zadání je -9999"));
    if (in.a == 0)
        report_error(QStringLiteral("Konstanta A nemůže být rovna nule !"));

    const CubicResult r = solve_cubic(in);
    // Every text is formed before the first is shown, so a fault leaves the page as it was.
    const CubicTexts t = cubic_texts(r);

    m.setText(QStringLiteral("kub_subs"), t.subs);
    m.setText(QStringLiteral("kub_disk"), t.disk);
    m.setText(QStringLiteral("kub_p"), t.p);
    m.setText(QStringLiteral("kub_q"), t.q);
    m.setText(QStringLiteral("kub_x1"), t.x1);
    m.setText(QStringLiteral("kub_x2"), t.x2);
    m.setText(QStringLiteral("kub_x3"), t.x3);
    // A fault still pending fails the run after the handler: not a result.
    if (!std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW))
        m.publish(QLatin1String(kCubicPage), r);
}

} // namespace qvk::equations
