#include "equations/graph.h"
#include "core/fpu.h"
#include "core/numeric.h"

#include <algorithm>
#include <cmath>

namespace qvk::equations {

double GraphScene::value(double x) const
{
    double y = 0;
    for (double c : coefficients)
        y = y * x + c;
    return y;
}

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The graph's own numbers: a flag left by reading a field text is no error of
// the number shown (callers keep the calculation's flags around this).
QString fmt(long double v)
{
    fpu_clear();
    return format_number(v);
}

std::optional<double> number(const QString& text)
{
    try {
        const long double v = parse_decimal(text.trimmed());
        if (!std::isfinite(static_cast<double>(v)))
            return std::nullopt;
        return static_cast<double>(v);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<double> end_value(const QString& text)
{
    const QString t = text.trimmed();
    if (t == QStringLiteral("-nekon."))
        return -kInf;
    if (t == QStringLiteral("+nekon."))
        return kInf;
    return number(t);
}

QString term(double c, const QString& power, bool first)
{
    if (c == 0)
        return {};
    QString s;
    if (first)
        s = c < 0 ? QStringLiteral("-") : QString();
    else
        s = c < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ");
    const double m = std::fabs(c);
    if (m != 1 || power.isEmpty())
        s += fmt(m);
    return s + power;
}

QString polynomial_text(const std::vector<double>& k)
{
    QString s;
    const int n = static_cast<int>(k.size()) - 1;
    for (int i = 0; i <= n; ++i) {
        const int p = n - i;
        const QString power = p == 0 ? QString() : p == 1 ? QStringLiteral("x") : QStringLiteral("x^") + QString::number(p);
        s += term(k[static_cast<size_t>(i)], power, s.isEmpty());
    }
    return s.isEmpty() ? QStringLiteral("0") : s;
}

} // namespace

std::optional<std::vector<SolutionPiece>> parse_solution_set(const QString& raw)
{
    const QString text = raw.trimmed();
    std::vector<SolutionPiece> pieces;
    if (text == QStringLiteral("prázdná množina") || text == QStringLiteral("prazdná množina"))
        return pieces;
    if (text == QStringLiteral("R")) {
        pieces.push_back({});
        return pieces;
    }
    if (text.startsWith(QStringLiteral("R - {")) && text.endsWith(u'}')) {
        const auto p = number(text.mid(5, text.size() - 6));
        if (!p)
            return std::nullopt;
        pieces.push_back({-kInf, *p, false, false});
        pieces.push_back({*p, kInf, false, false});
        return pieces;
    }
    if (text.startsWith(u'{') && text.endsWith(u'}')) {
        for (const QString& part : text.mid(1, text.size() - 2).split(QStringLiteral("; "))) {
            const auto p = number(part);
            if (!p)
                return std::nullopt;
            pieces.push_back({*p, *p, true, true});
        }
        return pieces;
    }
    for (const QString& part : text.split(QStringLiteral(" U "))) {
        if (part.size() < 2)
            return std::nullopt;
        const QChar open = part.front(), close = part.back();
        if ((open != u'(' && open != u'<') || (close != u')' && close != u'>'))
            return std::nullopt;
        const QStringList ends = part.mid(1, part.size() - 2).split(QStringLiteral("; "));
        if (ends.size() != 2)
            return std::nullopt;
        const auto lo = end_value(ends[0]), hi = end_value(ends[1]);
        if (!lo || !hi || *lo > *hi)
            return std::nullopt;
        pieces.push_back({*lo, *hi, open == u'<' && std::isfinite(*lo), close == u'>' && std::isfinite(*hi)});
    }
    return pieces;
}

std::optional<GraphScene> quadratic_scene(const WindowModel& m)
{
    const auto a = number(m.text(QStringLiteral("a1")));
    const auto b = number(m.text(QStringLiteral("b1")));
    const auto c = number(m.text(QStringLiteral("c1")));
    if (!a || !b || !c || *a == 0)
        return std::nullopt;
    const QString vres = m.text(QStringLiteral("vres"));
    if (!vres.startsWith(u'[') || !vres.endsWith(u']'))
        return std::nullopt;
    const QStringList v = vres.mid(1, vres.size() - 2).split(QStringLiteral(", "));
    const auto xv = v.size() == 2 ? number(v[0]) : std::nullopt;
    const auto yv = v.size() == 2 ? number(v[1]) : std::nullopt;
    if (!xv || !yv)
        return std::nullopt;

    GraphScene s;
    s.coefficients = {*a, *b, *c};
    QStringList roots;
    for (const char* name : {"x1res", "x2res"}) {
        const QString t = m.text(QLatin1String(name));
        if (t.isEmpty())
            continue;
        const auto x = number(t);
        if (!x)
            return std::nullopt;
        s.marks.push_back({GraphMark::Kind::Root, *x, 0, t});
        roots << t;
    }
    s.marks.push_back({GraphMark::Kind::Vertex, *xv, *yv, vres});

    s.solutionText = m.text(QStringLiteral("reseni"));
    s.inequality = m.index(QStringLiteral("rovnice")) > 0;
    if (s.inequality) {
        const auto set = parse_solution_set(s.solutionText);
        if (!set)
            return std::nullopt;
        s.solution = *set;
    }

    QString d = QStringLiteral("Parabola y = ") + polynomial_text(s.coefficients);
    if (roots.isEmpty())
        d += QStringLiteral(", bez reálných kořenů");
    else if (roots.size() == 1)
        d += QStringLiteral(", dvojnásobný kořen ") + roots[0];
    else
        d += QStringLiteral(", kořeny ") + roots[0] + QStringLiteral(" a ") + roots[1];
    d += QStringLiteral(", vrchol ") + vres;
    if (s.inequality || !s.solutionText.isEmpty())
        d += QStringLiteral(", řešení ") + s.solutionText.trimmed();
    s.description = d;
    return s;
}

GraphRange initial_range(const GraphScene& s)
{
    double lo = kInf, hi = -kInf;
    auto take = [&](double x) {
        if (std::isfinite(x)) {
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
    };
    for (const GraphMark& mk : s.marks)
        take(mk.x);
    for (const SolutionPiece& p : s.solution) {
        take(p.from);
        take(p.to);
    }
    if (!std::isfinite(lo)) {
        lo = -5;
        hi = 5;
    }
    double span = hi - lo;
    const double least = std::max(2.0, std::fabs(hi + lo) * 0.1);
    if (span < least) {
        const double mid = (lo + hi) / 2;
        lo = mid - least / 2;
        hi = mid + least / 2;
        span = least;
    }
    GraphRange r;
    r.xmin = lo - span * 0.25;
    r.xmax = hi + span * 0.25;

    double ylo = 0, yhi = 0; // the x axis stays in view: the roots are on it
    for (const GraphMark& mk : s.marks) {
        ylo = std::min(ylo, mk.y);
        yhi = std::max(yhi, mk.y);
    }
    for (int i = 0; i <= 64; ++i) {
        const double y = s.value(r.xmin + (r.xmax - r.xmin) * i / 64);
        if (std::isfinite(y)) {
            ylo = std::min(ylo, y);
            yhi = std::max(yhi, y);
        }
    }
    double yspan = yhi - ylo;
    if (yspan <= 0)
        yspan = 2;
    r.ymin = ylo - yspan * 0.1;
    r.ymax = yhi + yspan * 0.1;
    return r;
}

GraphRange fit_to_view(const GraphRange& r, double width, double height)
{
    if (width <= 0 || height <= 0)
        return r;
    const double ux = (r.xmax - r.xmin) / width, uy = (r.ymax - r.ymin) / height;
    // Beyond this the curve would shrink to a flat line or a thin spike.
    constexpr double kReadable = 4;
    if (ux <= 0 || uy <= 0 || std::max(ux, uy) / std::min(ux, uy) > kReadable)
        return r;
    const double u = std::max(ux, uy);
    GraphRange e = r;
    const double cx = (r.xmin + r.xmax) / 2, cy = (r.ymin + r.ymax) / 2;
    e.xmin = cx - u * width / 2;
    e.xmax = cx + u * width / 2;
    e.ymin = cy - u * height / 2;
    e.ymax = cy + u * height / 2;
    return e;
}

double nice_step(double span, int count)
{
    if (!(span > 0) || !std::isfinite(span) || count < 1)
        return 1;
    const double raw = span / count;
    const double p = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / p;
    const double m = f < 1.5 ? 1 : f < 3.5 ? 2 : f < 7.5 ? 5 : 10;
    return m * p;
}

std::vector<double> ticks(double lo, double hi, double step)
{
    std::vector<double> t;
    if (!(step > 0) || !std::isfinite(lo) || !std::isfinite(hi) || (hi - lo) / step > 10000)
        return t;
    for (double k = std::ceil(lo / step); k * step <= hi; k += 1)
        t.push_back(k * step == 0 ? 0.0 : k * step);
    return t;
}

QString tick_label(double value, double step)
{
    const int places = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    long double v = round_places(value, std::min(places, 15));
    if (v == 0)
        v = 0; // no "-0"
    return fmt(v);
}

namespace {

void refine(const GraphScene& s, double x0, double y0, double x1, double y1, double xs, double ys, double tol,
            int depth, std::vector<QPointF>& out)
{
    const double xm = (x0 + x1) / 2, ym = s.value(xm);
    const double dev = std::fabs((ym - (y0 + y1) / 2) * ys);
    if (depth < 16 && ((x1 - x0) * xs > 1 && dev > tol)) {
        refine(s, x0, y0, xm, ym, xs, ys, tol, depth + 1, out);
        refine(s, xm, ym, x1, y1, xs, ys, tol, depth + 1, out);
        return;
    }
    out.emplace_back(x1, y1);
}

} // namespace

std::vector<QPointF> sample_curve(const GraphScene& s, double xmin, double xmax, double xs, double ys, double tol)
{
    std::vector<QPointF> out;
    if (!(xmax > xmin) || s.coefficients.empty())
        return out;
    // A coarse pass first so that no turn between two samples goes unseen.
    constexpr int kCoarse = 32;
    double xp = xmin, yp = s.value(xmin);
    out.emplace_back(xp, yp);
    for (int i = 1; i <= kCoarse; ++i) {
        const double x = xmin + (xmax - xmin) * i / kCoarse, y = s.value(x);
        refine(s, xp, yp, x, y, xs, ys, tol, 0, out);
        xp = x;
        yp = y;
    }
    return out;
}

} // namespace qvk::equations
