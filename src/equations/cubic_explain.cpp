// The worked solution of the cubic: the reduced form, the rational roots
// found exactly and the quadratic factor left by them, else Cardano's or the
// trigonometric form with its decimals.
#include "equations/cubic.h"
#include "equations/quadratic.h"
#include "exact/worked.h"

#include <cmath>
#include <optional>
#include <vector>

namespace qvk::equations {

namespace {

// Exact for the candidates of nine digits the search allows.
__extension__ typedef __int128 Int;

QString fmt(long double v) { return format_number(v); }

std::vector<long long> divisors(long long n)
{
    std::vector<long long> out;
    for (long long k = 1; k * k <= n; ++k)
        if (n % k == 0) {
            out.push_back(k);
            if (k != n / k)
                out.push_back(n / k);
        }
    return out;
}

// A rational root p/q of k[0] x³ + k[1] x² + k[2] x + k[3], the terms whole
// numbers: p divides the last term, q the first. Bounded: terms of at most
// nine digits.
std::optional<Exact> rational_root(const std::array<long long, 4>& k)
{
    constexpr long long kMax = 1'000'000'000;
    for (long long t : k)
        if (t > kMax || t < -kMax)
            return std::nullopt;
    if (k[3] == 0)
        return Exact(0);
    const auto ps = divisors(k[3] < 0 ? -k[3] : k[3]);
    const auto qs = divisors(k[0] < 0 ? -k[0] : k[0]);
    std::optional<std::pair<long long, long long>> best;
    for (long long q : qs)
        for (long long p0 : ps)
            for (long long p : {p0, -p0}) {
                const Int P = p, Q = q;
                if (Int(k[0]) * P * P * P + Int(k[1]) * P * P * Q + Int(k[2]) * P * Q * Q + Int(k[3]) * Q * Q * Q == 0)
                    if (!best || std::llabs(p) * best->second < std::llabs(best->first) * q)
                        best = std::pair{p, q};
            }
    if (!best)
        return std::nullopt;
    return Exact::fraction(best->first, best->second);
}

// The terms as whole numbers: times the common denominator of their fractions.
std::optional<std::array<long long, 4>> whole_terms(const std::array<Exact, 4>& t)
{
    long long common = 1;
    std::array<std::pair<long long, long long>, 4> f;
    for (int i = 0; i < 4; ++i) {
        const auto q = t[i].as_fraction();
        if (!q || q->second > 1'000'000'000)
            return std::nullopt;
        f[i] = *q;
        common = std::lcm(common, q->second);
        if (common > 1'000'000'000)
            return std::nullopt;
    }
    std::array<long long, 4> out;
    for (int i = 0; i < 4; ++i) {
        const Int v = Int(f[i].first) * (common / f[i].second);
        if (v > Int(1'000'000'000'000'000LL) || v < -Int(1'000'000'000'000'000LL))
            return std::nullopt;
        out[i] = static_cast<long long>(v);
    }
    return out;
}

QString polynomial(const std::vector<Exact>& k)
{
    static const char* const kPowers[] = {"", "x", "x²", "x³"};
    QString t;
    const int degree = static_cast<int>(k.size()) - 1;
    for (int i = 0; i <= degree; ++i)
        t += signed_term(k[i], QString::fromUtf8(kPowers[degree - i]), t.isEmpty());
    return t.isEmpty() ? QStringLiteral("0") : t;
}

// The page's field of a root: the one whose number is nearest.
struct Shown {
    const char* field;
    long double re, im;
};

} // namespace

Postup explain_cubic(const CubicResult& res)
{
    const CubicRoots& r = res.roots;
    const CubicTexts t = cubic_texts(res);
    auto shown = [&](long double v) { return fmt(round_places(v, res.in.places)); };
    Explainer e(QStringLiteral("Kubická rovnice"));
    const std::array<Exact, 4> k{Exact::decimal(res.in.a), Exact::decimal(res.in.b), Exact::decimal(res.in.c),
                                 Exact::decimal(res.in.d)};
    e.line(polynomial({k[0], k[1], k[2], k[3]}) + QStringLiteral(" = 0"));
    const Worked a = given(QStringLiteral("a"), res.in.a), b = given(QStringLiteral("b"), res.in.b),
                 c = given(QStringLiteral("c"), res.in.c), d = given(QStringLiteral("d"), res.in.d);
    e.given(QStringLiteral("a"), fmt(res.in.a));
    e.given(QStringLiteral("b"), fmt(res.in.b));
    e.given(QStringLiteral("c"), fmt(res.in.c));
    e.given(QStringLiteral("d"), fmt(res.in.d));

    e.section(QStringLiteral("Substituce x = y + s, redukovaný tvar y³ + p y + q = 0:"));
    const Worked s = e.step(QStringLiteral("s"), cubic_shift(a, b), t.subs, QStringLiteral("kub_subs"));
    const Worked p = e.step(QStringLiteral("p"), reduced_p(a, b, c, s), t.p, QStringLiteral("kub_p"));
    const Worked q = e.step(QStringLiteral("q"), reduced_q(a, b, c, d, s), t.q, QStringLiteral("kub_q"));
    const Worked D = e.step(QStringLiteral("D"), cubic_discriminant(p, q), t.disk, QStringLiteral("kub_disk"));

    // The roots, exact where the terms allow it.
    std::vector<Exact> roots;
    const auto whole = whole_terms(k);
    const std::optional<Exact> x0 = whole ? rational_root(*whole) : std::nullopt;
    if (x0) {
        e.section(QStringLiteral("Racionální kořen (dělitel absolutního členu / dělitel vedoucího členu):"));
        e.line(QStringLiteral("x = ") + x0->written());
        // Dividing by (x - x0): a x² + b2 x + c2.
        const Exact b2 = k[1] + k[0] * *x0, c2 = k[2] + b2 * *x0;
        const QString linear = *x0 == Exact(0) ? QStringLiteral("x")
                                               : QStringLiteral("(x") + signed_term(-*x0, {}, false) + u')';
        e.line(QStringLiteral("Rozklad: ") + linear + QStringLiteral(" · (") + polynomial({k[0], b2, c2}) + u')');
        // The quadratic factor by the quadratic page's own formulas.
        const Exact disc = discriminant(k[0], b2, c2);
        e.line(QStringLiteral("D₂ = b₂² − 4 · a · c₂ = ") + (readable(disc) ? disc.written() : QStringLiteral("…")));
        const Exact y1 = root_minus(k[0], b2, disc), y2 = root_plus(k[0], b2, disc);
        if (readable(y1) && readable(y2))
            e.line(QStringLiteral("x = (−b₂ ± √D₂)/(2 · a) = ") + y1.written() + QStringLiteral("; ") + y2.written());
        roots = {*x0, y1, y2};
    } else if (r.kind == CubicRoots::Kind::OneReal) {
        e.section(QStringLiteral("D > 0: Cardanův vzorec"));
        const long double Q = r.q, DD = r.D;
        const Worked u = e.step(QStringLiteral("u"), cardano_u(q, D), shown(cardano_u(Q, DD)));
        const Worked v = e.step(QStringLiteral("v"), cardano_v(q, D), shown(cardano_v(Q, DD)));
        e.step(QStringLiteral("x1"), cardano_root(u, v, s), t.x1);
        e.step(QStringLiteral("Re x2,3"), cardano_re(u, v, s), shown(r.re));
        e.step(QStringLiteral("Im x2,3"), cardano_im(u, v), shown(r.im));
    } else if (r.kind == CubicRoots::Kind::ThreeReal) {
        e.section(QStringLiteral("D < 0: tři reálné kořeny goniometricky"));
        const Worked phi = e.step(QStringLiteral("φ"), trig_angle(p, q), shown(trig_angle<long double>(r.p, r.q)));
        e.step(QStringLiteral("x1"), trig_x1(p, phi, s), t.x1);
        e.step(QStringLiteral("x2"), trig_x2(p, phi, s), t.x2);
        e.step(QStringLiteral("x3"), trig_x3(p, phi, s), t.x3);
    } else {
        e.note(QStringLiteral("D = 0: vícenásobný kořen"));
    }

    // Each exact root to the field that shows it.
    const Shown fieldsShown[] = {
        {"kub_x1", r.x1, 0},
        {"kub_x2", r.kind == CubicRoots::Kind::OneReal ? r.re : r.x2, r.kind == CubicRoots::Kind::OneReal ? r.im : 0},
        {"kub_x3", r.kind == CubicRoots::Kind::OneReal ? r.re : r.x3, r.kind == CubicRoots::Kind::OneReal ? -r.im : 0},
    };
    const int fields = r.kind == CubicRoots::Kind::DoubleRoot ? 2 : 3;
    for (int i = 0; i < fields; ++i) {
        const Exact* nearest = nullptr;
        long double best = 0;
        for (const Exact& x : roots) {
            if (!x.known())
                continue;
            const long double dist = std::hypot(x.approx() - fieldsShown[i].re, x.approx_imag() - fieldsShown[i].im);
            if (!nearest || dist < best) {
                nearest = &x;
                best = dist;
            }
        }
        if (nearest && best <= 1e-6L * (1 + std::fabs(fieldsShown[i].re) + std::fabs(fieldsShown[i].im)))
            e.exact(QString::fromLatin1(fieldsShown[i].field), *nearest);
    }
    e.result(QStringLiteral("x1 = ") + t.x1);
    if (!t.x2.isEmpty())
        e.result(QStringLiteral("x2 = ") + t.x2);
    if (!t.x3.isEmpty())
        e.result(QStringLiteral("x3 = ") + t.x3);
    if (!roots.empty()) {
        QStringList exact;
        for (const Exact& x : roots)
            if (readable(x) && !exact.contains(x.written()))
                exact << x.written();
        e.result(QStringLiteral("Přesně: ") + exact.join(QStringLiteral("; ")));
    }
    return e.take();
}

} // namespace qvk::equations
