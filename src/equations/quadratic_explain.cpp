// The worked solution of a quadratic (in)equation, from its typed result.
#include "equations/quadratic.h"
#include "exact/worked.h"

namespace qvk::equations {

namespace {

const char* const kRelationSigns[] = {"=", "≤", "<", ">", "≥"};

// a x² + b x + c with the terms as typed.
QString problem_text(const QuadraticResult& r)
{
    const Exact a = Exact::decimal(r.in.a), b = Exact::decimal(r.in.b), c = Exact::decimal(r.in.c);
    QString t = signed_term(a, QStringLiteral("x²"), true);
    if (r.in.b != 0)
        t += signed_term(b, QStringLiteral("x"), false);
    if (r.in.c != 0)
        t += signed_term(c, {}, false);
    const int rel = r.in.relation;
    return t + u' ' + QString::fromUtf8(rel >= 0 && rel < 5 ? kRelationSigns[rel] : "=") + QStringLiteral(" 0");
}

QString factor_of(const Exact& root)
{
    if (root == Exact(0))
        return QStringLiteral("x");
    const QString w = root.written();
    if (w.startsWith(u'−') && !w.contains(u' '))
        return QStringLiteral("(x + ") + w.mid(1) + u')';
    return QStringLiteral("(x − ") + (w.contains(u' ') ? u'(' + w + u')' : w) + u')';
}

QString fmt(double v) { return format_number(v); }

} // namespace

Postup explain_quadratic(const QuadraticResult& r)
{
    Explainer e(r.in.relation == 0 ? QStringLiteral("Kvadratická rovnice") : QStringLiteral("Kvadratická nerovnice"));
    e.line(problem_text(r));
    const Worked a = given(QStringLiteral("a"), r.in.a), b = given(QStringLiteral("b"), r.in.b),
                 c = given(QStringLiteral("c"), r.in.c);
    e.given(QStringLiteral("a"), fmt(r.in.a));
    e.given(QStringLiteral("b"), fmt(r.in.b));
    e.given(QStringLiteral("c"), fmt(r.in.c));

    e.section(QStringLiteral("Diskriminant:"));
    const Worked D = e.step(QStringLiteral("D"), discriminant(a, b, c), fmt(r.D), QStringLiteral("dres"));

    e.section(QStringLiteral("Kořeny:"));
    Exact lo, hi; // the real roots in the page's order, for the solution set
    if (r.realRoots) {
        e.step(QStringLiteral("√D"), root(D), {});
        Worked x1 = root_minus(a, b, D), x2 = root_plus(a, b, D);
        // The page lists the smaller root first.
        if (x1.exact.known() && x2.exact.known() && x1.exact.approx() > x2.exact.approx())
            std::swap(x1, x2);
        lo = x1.exact;
        hi = x2.exact;
        if (r.doubleRoot) {
            e.note(QStringLiteral("D = 0: jeden dvojnásobný kořen"));
            e.step(QStringLiteral("x1"), x1, fmt(r.x1), QStringLiteral("x1res"));
        } else {
            e.step(QStringLiteral("x1"), x1, fmt(r.x1), QStringLiteral("x1res"));
            e.step(QStringLiteral("x2"), x2, fmt(r.x2), QStringLiteral("x2res"));
        }
        if (readable(x1.exact) && readable(x2.exact))
            e.line(QStringLiteral("Rozklad: ") + signed_term(Exact::decimal(r.in.a), QStringLiteral("·"), true).chopped(1) +
                   factor_of(x1.exact) + factor_of(x2.exact));
    } else {
        e.note(QStringLiteral("D < 0: rovnice nemá reálné kořeny; komplexní kořeny:"));
        e.step(QStringLiteral("x1"), root_minus(a, b, D), {});
        e.step(QStringLiteral("x2"), root_plus(a, b, D), {});
    }

    e.section(QStringLiteral("Vrchol paraboly:"));
    const Worked xv = e.step(QStringLiteral("xV"), vertex_x(a, b), fmt(r.xv), QStringLiteral("vres[0]"));
    const Worked yv = e.step(QStringLiteral("yV"), vertex_y(a, b, c), fmt(r.yv), QStringLiteral("vres[1]"));

    const QString L = readable(lo) ? lo.written() : fmt(r.x1), U = readable(hi) ? hi.written() : fmt(r.x2);
    e.result(QStringLiteral("Řešení: ") + solution_text(r, L, U));
    e.result(QStringLiteral("Vrchol paraboly: [") + xv.put.text() + QStringLiteral(", ") + yv.put.text() + u']');
    return e.take();
}

} // namespace qvk::equations
