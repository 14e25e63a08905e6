#include "equations/cubic.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "model/declare.h"

#include <cfenv>

namespace qvk::equations {

namespace {

using declare::Entry;
// In tab order; the results wide enough for 15 significant digits with sign
// and comma.
constexpr Entry kPage[] = {
    {.role = Entry::Input, .name = "kub_a", .caption = "Člen a", .hint = "Zadejte člen u x³", .text = "1", .maxLength = 5,
     .at = {6, 8, 38, 22}},
    {.role = Entry::Input, .name = "kub_b", .caption = "Člen b", .hint = "Zadejte člen u x²", .text = "1", .maxLength = 5,
     .at = {78, 8, 38, 22}},
    {.role = Entry::Input, .name = "kub_c", .caption = "Člen c", .hint = "Zadejte člen u x", .text = "1", .maxLength = 5,
     .at = {150, 8, 38, 22}},
    {.role = Entry::Input, .name = "kub_d", .caption = "Člen d", .hint = "Zadejte absolutní člen", .text = "1", .maxLength = 5,
     .at = {214, 8, 38, 22}},
    {.role = Entry::Press, .name = "kub_vyres", .caption = "&Vyřeš", .hint = "Vyřeší zadanou kubickou rovnici",
     .calculates = true, .at = {284, 6, 76, 26}, .icon = "vypocti"},
    {.role = Entry::Output, .name = "kub_subs", .caption = "Substituce x = y +", .at = {120, 36, 126, 22}},
    {.role = Entry::Output, .name = "kub_disk", .caption = "Diskriminant", .at = {252, 60, 116, 22},
     .captionAt = {252, 38, 116, 20}},
    {.role = Entry::Output, .name = "kub_p", .caption = "Redukovaný tvar: člen u y", .at = {36, 84, 132, 22}},
    {.role = Entry::Output, .name = "kub_q", .caption = "Redukovaný tvar: absolutní člen", .at = {196, 84, 132, 22}},
    {.role = Entry::Output, .name = "kub_x1", .caption = "x1 =", .hint = "Kořeny rovnice", .at = {42, 110, 326, 22},
     .captionAt = {6, 112, 34, 20}},
    {.role = Entry::Output, .name = "kub_x2", .caption = "x2 =", .hint = "Kořeny rovnice", .at = {42, 134, 326, 22},
     .captionAt = {6, 136, 34, 20}},
    {.role = Entry::Output, .name = "kub_x3", .caption = "x3 =", .hint = "Kořeny rovnice", .at = {42, 158, 326, 22},
     .captionAt = {6, 160, 34, 20}},
};

} // namespace

std::span<const declare::Entry> cubic_fields() { return kPage; }

void declare_cubic(WindowModel& m) { declare::declare_all(m, kPage); }

void register_cubic(Registry& r) { r.add(QStringLiteral("kub_vyresClick"), kub_vyresClick); }

CubicRoots solve_cubic(double a, double b, double c, double d)
{
    CubicRoots r;
    const long double A = a, B = b, C = c, Dc = d;
    const long double S = cubic_shift(A, B);
    const long double P = reduced_p(A, B, C, S);
    const long double Q = reduced_q(A, B, C, Dc, S);
    const long double D = cubic_discriminant(P, Q);
    const double s = S, p = P, q = Q;
    r.s = s;
    r.p = p;
    r.q = q;
    r.D = D;

    if (p == 0 && q == 0) {
        r.kind = CubicRoots::Kind::Triple;
        r.x1 = r.x2 = r.x3 = S;
    } else if (D == 0 && q != 0 && p != 0) {
        r.kind = CubicRoots::Kind::DoubleRoot;
        const long double t = double_root_t(Q);
        r.x1 = double_root_x1(t, Q, S);
        r.x2 = double_root_x2(t, Q, S);
    } else if (D > 0) {
        r.kind = CubicRoots::Kind::OneReal;
        const long double u = cardano_u(Q, D), v = cardano_v(Q, D);
        r.x1 = cardano_root(u, v, S);
        r.re = cardano_re(u, v, S);
        r.im = cardano_im(u, v);
    } else if (D < 0) {
        r.kind = CubicRoots::Kind::ThreeReal;
        const long double phi = trig_angle(P, Q);
        r.x1 = trig_x1(P, phi, S);
        r.x2 = trig_x2(P, phi, S);
        r.x3 = trig_x3(P, phi, S);
    } else if (q == 0) {
        if (p < 0) {
            r.kind = CubicRoots::Kind::ThreeReal;
            const long double w = reduced_pair_root(-P);
            r.x1 = S + w;
            r.x2 = S;
            r.x3 = S - w;
        } else {
            r.kind = CubicRoots::Kind::OneReal;
            r.x1 = S;
            r.re = S;
            r.im = reduced_pair_root(P);
        }
    } else {
        r.kind = CubicRoots::Kind::OneReal;
        const long double y = pure_cube_y(Q);
        r.x1 = S + y;
        r.re = pure_cube_re(y, S);
        r.im = pure_cube_im(y);
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
    if (!std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW)) {
        m.publish(QLatin1String(kCubicPage), r);
        m.explain([r] { return explain_cubic(r); });
    }
}

} // namespace qvk::equations
