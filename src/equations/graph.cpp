#include "equations/graph.h"
#include "sketch/svg.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "equations/cubic.h"
#include "equations/quadratic.h"

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

std::optional<GraphScene> quadratic_scene(const QuadraticResult& r)
{
    if (r.failure || r.in.a == 0)
        return std::nullopt;
    GraphScene s;
    s.coefficients = {r.in.a, r.in.b, r.in.c};
    QStringList roots;
    if (r.realRoots) {
        roots << fmt(r.x1);
        s.marks.push_back({GraphMark::Kind::Root, r.x1, 0, roots.back()});
        if (!r.doubleRoot) {
            roots << fmt(r.x2);
            s.marks.push_back({GraphMark::Kind::Root, r.x2, 0, roots.back()});
        }
    }
    const QString vertex = vertex_text(r);
    s.marks.push_back({GraphMark::Kind::Vertex, r.xv, r.yv, vertex});

    s.solutionText = solution_text(r);
    s.inequality = r.in.relation > 0;
    if (s.inequality) {
        if (r.solution.shape == SolutionSet::Shape::None)
            return std::nullopt;
        s.solution = r.solution.pieces;
    }

    QString d = QStringLiteral("Parabola y = ") + polynomial_text(s.coefficients);
    if (roots.isEmpty())
        d += QStringLiteral(", bez reálných kořenů");
    else if (roots.size() == 1)
        d += QStringLiteral(", dvojnásobný kořen ") + roots[0];
    else
        d += QStringLiteral(", kořeny ") + roots[0] + QStringLiteral(" a ") + roots[1];
    d += QStringLiteral(", vrchol ") + vertex;
    if (s.inequality || !s.solutionText.isEmpty())
        d += QStringLiteral(", řešení ") + s.solutionText.trimmed();
    s.description = d;
    return s;
}

namespace {

// "A", "A a B", "A, B a C".
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" a ") + items.back();
}

} // namespace

std::optional<GraphScene> cubic_scene(const CubicResult& r)
{
    const CubicInput& k = r.in;
    if (k.a == 0)
        return std::nullopt;
    const CubicTexts t = cubic_texts(r);
    const int places = k.places;

    GraphScene s;
    s.coefficients = {k.a, k.b, k.c, k.d};

    // Each real root once, with how often the page names it.
    struct Root {
        double x;
        QString text;
        int times;
    };
    std::vector<Root> roots;
    auto add = [&](long double x, const QString& text, int times) {
        auto same = std::find_if(roots.begin(), roots.end(), [&](const Root& o) { return o.text == text; });
        if (same != roots.end())
            same->times += times;
        else
            roots.push_back({static_cast<double>(round_places(x, places)), text, times});
    };
    const CubicRoots& c = r.roots;
    add(c.x1, t.x1, 1);
    switch (c.kind) {
    case CubicRoots::Kind::Triple:
    case CubicRoots::Kind::ThreeReal:
        add(c.x2, t.x2, 1);
        add(c.x3, t.x3, 1);
        break;
    case CubicRoots::Kind::DoubleRoot: add(c.x2, t.x2, 2); break;
    case CubicRoots::Kind::OneReal:
        s.corner << QStringLiteral("x2 = ") + t.x2 << QStringLiteral("x3 = ") + t.x3;
        break;
    }
    std::sort(roots.begin(), roots.end(), [](const Root& l, const Root& r) { return l.x < r.x; });
    for (const Root& r : roots)
        s.marks.push_back({GraphMark::Kind::Root, r.x, 0, r.text});

    // The inflection point, where the substitution x = y + s puts it.
    const double xi = -(k.b / k.a) / 3, yi = s.value(xi);
    const QString inflection = QStringLiteral("[") + t.subs + QStringLiteral(", ") + fmt(round_places(yi, places)) +
                               QStringLiteral("]");
    s.marks.push_back({GraphMark::Kind::Inflection, xi, yi, inflection});
    // The turning points belong in the first view as well.
    const double da = 3 * k.a, db = 2 * k.b, dc = k.c, disc = db * db - 4 * da * dc;
    if (disc > 0) {
        s.keep.push_back((-db - std::sqrt(disc)) / (2 * da));
        s.keep.push_back((-db + std::sqrt(disc)) / (2 * da));
    }

    QStringList simple;
    QString d = QStringLiteral("Kubická parabola y = ") + polynomial_text(s.coefficients);
    for (const Root& r : roots)
        if (r.times == 1)
            simple << r.text;
    if (!simple.isEmpty())
        d += (simple.size() == 1 ? QStringLiteral(", kořen ") : QStringLiteral(", kořeny ")) + listed(simple);
    for (const Root& r : roots) {
        if (r.times == 2)
            d += QStringLiteral(", dvojnásobný kořen ") + r.text;
        else if (r.times >= 3)
            d += QStringLiteral(", trojnásobný kořen ") + r.text;
    }
    if (s.corner.size() == 2)
        d += QStringLiteral(", komplexní kořeny ") + t.x2 + QStringLiteral(" a ") + t.x3;
    d += QStringLiteral(", inflexní bod ") + inflection;
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
    for (double x : s.keep)
        take(x);
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
    // What must be readable: the marks and the turning points.
    double ilo = ylo, ihi = yhi;
    for (double x : s.keep) {
        const double y = s.value(x);
        if (std::isfinite(y)) {
            ilo = std::min(ilo, y);
            ihi = std::max(ihi, y);
        }
    }
    for (int i = 0; i <= 64; ++i) {
        const double y = s.value(r.xmin + (r.xmax - r.xmin) * i / 64);
        if (std::isfinite(y)) {
            ylo = std::min(ylo, y);
            yhi = std::max(yhi, y);
        }
    }
    // Past its turning points a cubic climbs fast: the ends of the range
    // alone would squeeze the part around the roots flat.
    if (!s.keep.empty()) {
        const double room = std::max(ihi - ilo, (yhi - ylo) * 0.2);
        ylo = std::max(ylo, ilo - room);
        yhi = std::min(yhi, ihi + room);
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

using sketch::clip;

// Splits a chord where the curve strays from it by more than the tolerance,
// measured across the chord in pixels, so steep parts refine as much as flat ones.
struct Sampler {
    const GraphScene& s;
    double xmin, ymax, sx, sy, top, bottom, tol;
    std::vector<QPointF>& out;

    QPointF at(double x) const { return {(x - xmin) * sx, (ymax - s.value(x)) * sy}; }
    bool beyond(const QPointF& p0, const QPointF& pm, const QPointF& p1) const
    {
        return (p0.y() < top && pm.y() < top && p1.y() < top) ||
               (p0.y() > bottom && pm.y() > bottom && p1.y() > bottom);
    }
    void refine(double x0, const QPointF& p0, double x1, const QPointF& p1, int depth)
    {
        const double xm = (x0 + x1) / 2;
        const QPointF pm = at(xm);
        if (depth < 20 && std::isfinite(pm.y()) && !beyond(p0, pm, p1)) {
            const double dx = p1.x() - p0.x(), dy = p1.y() - p0.y(), len = std::hypot(dx, dy);
            const double dev = len > 0 ? std::fabs((pm.x() - p0.x()) * dy - (pm.y() - p0.y()) * dx) / len : 0;
            if (len > 0.5 && !(dev <= tol)) {
                refine(x0, p0, xm, pm, depth + 1);
                refine(xm, pm, x1, p1, depth + 1);
                return;
            }
        }
        out.push_back(p1);
    }
};

} // namespace

std::vector<Polyline> curve_in_view(const GraphScene& s, const GraphRange& r, double width, double height,
                                    double tol)
{
    std::vector<Polyline> pieces;
    if (!(r.xmax > r.xmin) || !(r.ymax > r.ymin) || !(width > 0) || !(height > 0) || s.coefficients.empty())
        return pieces;
    constexpr double kMargin = 4; // the pen's width beyond the edge
    const QRectF box(-kMargin, -kMargin, width + 2 * kMargin, height + 2 * kMargin);
    const double sx = width / (r.xmax - r.xmin), sy = height / (r.ymax - r.ymin);
    std::vector<QPointF> pts;
    Sampler sm{s, r.xmin, r.ymax, sx, sy, box.top(), box.bottom(), tol, pts};
    // A coarse pass first so that no turn between two samples goes unseen.
    constexpr int kCoarse = 32;
    double xp = r.xmin;
    QPointF pp = sm.at(xp);
    pts.push_back(pp);
    for (int i = 1; i <= kCoarse; ++i) {
        const double x = r.xmin + (r.xmax - r.xmin) * i / kCoarse;
        const QPointF p = sm.at(x);
        sm.refine(xp, pp, x, p, 0);
        xp = x;
        pp = p;
    }

    Polyline cur;
    for (size_t i = 1; i < pts.size(); ++i) {
        QPointF a = pts[i - 1], b = pts[i];
        if (!std::isfinite(a.y()) || !std::isfinite(b.y()) || !clip(a, b, box)) {
            if (cur.size() > 1)
                pieces.push_back(std::move(cur));
            cur.clear();
            continue;
        }
        if (cur.empty() || cur.back() != a) {
            if (cur.size() > 1)
                pieces.push_back(std::move(cur));
            cur.clear();
            cur.push_back(a);
        }
        cur.push_back(b);
        if (b != pts[i]) { // left the view
            pieces.push_back(std::move(cur));
            cur.clear();
        }
    }
    if (cur.size() > 1)
        pieces.push_back(std::move(cur));
    return pieces;
}

bool segment_meets(const QPointF& a, const QPointF& b, const QRectF& rect)
{
    QPointF p = a, q = b;
    return clip(p, q, rect);
}

QRectF place_label(const QSizeF& size, const QPointF& at, double gap, const std::vector<Polyline>& curve,
                   const std::vector<QRectF>& taken, const QSizeF& view, bool preferAbove)
{
    const double w = size.width(), h = size.height(), d = gap * 0.7;
    const QPointF above[] = {{at.x() - w / 2, at.y() - gap - h}, {at.x() + d, at.y() - d - h},
                             {at.x() - d - w, at.y() - d - h}};
    const QPointF below[] = {{at.x() - w / 2, at.y() + gap}, {at.x() + d, at.y() + d}, {at.x() - d - w, at.y() + d}};
    const QPointF sides[] = {{at.x() + gap, at.y() - h / 2}, {at.x() - gap - w, at.y() - h / 2}};
    std::vector<QPointF> places;
    for (const auto& group : {preferAbove ? above : below, preferAbove ? below : above})
        places.insert(places.end(), group, group + 3);
    places.insert(places.end(), std::begin(sides), std::end(sides));

    const QRectF inside(QPointF(), view);
    QRectF best;
    double bestCost = kInf;
    for (size_t i = 0; i < places.size(); ++i) {
        const QRectF box(places[i], size);
        double cost = static_cast<double>(i);
        if (!inside.contains(box))
            cost += 1000;
        const QRectF near = box.adjusted(-1.5, -1.5, 1.5, 1.5); // the pen's half width
        bool hits = false;
        for (const Polyline& line : curve) {
            for (size_t j = 1; j < line.size() && !hits; ++j)
                hits = segment_meets(line[j - 1], line[j], near);
            if (hits)
                break;
        }
        if (hits)
            cost += 200;
        for (const QRectF& t : taken)
            if (t.intersects(box))
                cost += 100;
        if (cost < bestCost) {
            bestCost = cost;
            best = box;
        }
    }
    return best;
}

} // namespace qvk::equations
