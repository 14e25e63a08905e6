#include "sketch/svg.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace qvk::sketch {

namespace {

QString num(double x)
{
    if (!std::isfinite(x))
        x = 0;
    QString s = QString::number(x, 'f', 2);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s == u"-0" ? QStringLiteral("0") : s;
}

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

QString points(const std::vector<Point>& ps)
{
    QStringList out;
    for (const Point& p : ps)
        out << num(p.x) + u',' + num(p.y);
    return out.join(u' ');
}

QString style(Ink ink)
{
    switch (ink) {
    case Ink::Outline:
        return QStringLiteral("fill=\"none\" stroke=\"#1a1a1a\" stroke-width=\"2\" stroke-linejoin=\"round\"");
    case Ink::Helper:
        return QStringLiteral("fill=\"none\" stroke=\"#4a6fa5\" stroke-width=\"1\" stroke-dasharray=\"5,3\"");
    case Ink::Hidden:
        return QStringLiteral("fill=\"none\" stroke=\"#1a1a1a\" stroke-width=\"1.2\" stroke-dasharray=\"4,3\"");
    case Ink::Arc:
        return QStringLiteral("fill=\"none\" stroke=\"#7a3e9d\" stroke-width=\"1.2\"");
    case Ink::Fill:
        return QStringLiteral("fill=\"#dbe8f6\" stroke=\"#4a6fa5\" stroke-width=\"1\"");
    case Ink::Accent:
        return QStringLiteral("fill=\"none\" stroke=\"#c0392b\" stroke-width=\"2\"");
    case Ink::Faint:
        return QStringLiteral("fill=\"none\" stroke=\"#98a4b3\" stroke-width=\"1\" stroke-dasharray=\"4,3\"");
    }
    return {};
}

QString part_attribute(const QString& part)
{
    return part.isEmpty() ? QString() : QStringLiteral(" data-part=\"%1\"").arg(escaped(part));
}

constexpr double kDegree = std::numbers::pi / 180;

Point on_circle(Point c, double r, double degrees)
{
    return {c.x + r * std::cos(degrees * kDegree), c.y - r * std::sin(degrees * kDegree)};
}

Point on_ellipse(Point c, double rx, double ry, double degrees)
{
    return {c.x + rx * std::cos(degrees * kDegree), c.y - ry * std::sin(degrees * kDegree)};
}

} // namespace

bool clip(QPointF& a, QPointF& b, const QRectF& r)
{
    // Liang–Barsky.
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF a0 = a;
    a = QPointF(a0.x() + t0 * dx, a0.y() + t0 * dy);
    b = QPointF(a0.x() + t1 * dx, a0.y() + t1 * dy);
    return true;
}

double distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

Point direction(Point a, Point b)
{
    const double d = distance(a, b);
    return d > 0 ? Point{(b.x - a.x) / d, (b.y - a.y) / d} : Point{};
}

Point middle(Point a, Point b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

Svg::Svg(double width, double height, const QString& title) : width_(width), height_(height), title_(title) {}

void Svg::shape(const QString& element)
{
    if (data_.isEmpty()) {
        shapes_ << element;
        return;
    }
    // After the element's name.
    qsizetype at = 1;
    while (at < element.size() && element[at].isLetter())
        ++at;
    shapes_ << QString(element).insert(at, data_);
    data_.clear();
}

void Svg::data(const QString& name, const QString& value)
{
    data_ += QStringLiteral(" data-%1=\"%2\"").arg(escaped(name), escaped(value));
}

void Svg::avoid(Point a, Point b, Ink ink)
{
    // A label may rather cross a thin helper line than stray from its place.
    const bool heavy = ink == Ink::Outline || ink == Ink::Accent || ink == Ink::Hidden;
    segments_.push_back({a, b, heavy ? 100.0 : 25.0});
}

void Svg::polygon(const std::vector<Point>& ps, Ink ink, const QString& part)
{
    shape(QStringLiteral("<polygon%1 points=\"%2\" %3/>").arg(part_attribute(part), points(ps), style(ink)));
    for (std::size_t i = 0; i < ps.size(); ++i)
        avoid(ps[i], ps[(i + 1) % ps.size()], ink);
}

void Svg::polyline(const std::vector<Point>& ps, Ink ink, const QString& part)
{
    shape(QStringLiteral("<polyline%1 points=\"%2\" %3/>").arg(part_attribute(part), points(ps), style(ink)));
    for (std::size_t i = 0; i + 1 < ps.size(); ++i)
        avoid(ps[i], ps[i + 1], ink);
}

void Svg::line(Point a, Point b, Ink ink, const QString& part)
{
    shape(QStringLiteral("<line%1 x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\" %6/>")
              .arg(part_attribute(part), num(a.x), num(a.y), num(b.x), num(b.y), style(ink)));
    avoid(a, b, ink);
}

void Svg::circle(Point c, double r, Ink ink, const QString& part)
{
    shape(QStringLiteral("<circle%1 cx=\"%2\" cy=\"%3\" r=\"%4\" %5/>")
              .arg(part_attribute(part), num(c.x), num(c.y), num(r), style(ink)));
    // Its outline as a polygon of short chords, for the labels to avoid.
    constexpr int kChords = 36;
    for (int i = 0; i < kChords; ++i)
        avoid(on_circle(c, r, i * 360.0 / kChords), on_circle(c, r, (i + 1) * 360.0 / kChords), ink);
}

void Svg::rect(const QRectF& r, Ink ink, const QString& part)
{
    shape(QStringLiteral("<rect%1 x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\" %6/>")
              .arg(part_attribute(part), num(r.x()), num(r.y()), num(r.width()), num(r.height()), style(ink)));
    const Point a{r.left(), r.top()}, b{r.right(), r.top()}, c{r.right(), r.bottom()}, d{r.left(), r.bottom()};
    avoid(a, b, ink);
    avoid(b, c, ink);
    avoid(c, d, ink);
    avoid(d, a, ink);
}

void Svg::arc(Point c, double r, double from, double to, Ink ink, const QString& part)
{
    double sweep = std::fmod(to - from, 360.0);
    if (sweep < 0)
        sweep += 360;
    if (sweep == 0 && to != from) {
        circle(c, r, ink, part);
        return;
    }
    const Point p = on_circle(c, r, from), q = on_circle(c, r, from + sweep);
    const QString bow = QStringLiteral("A %1 %1 0 %2 0 %3 %4").arg(num(r), sweep > 180 ? "1" : "0", num(q.x), num(q.y));
    const QString d = ink == Ink::Fill
                          ? QStringLiteral("M %1 %2 L %3 %4 %5 Z").arg(num(c.x), num(c.y), num(p.x), num(p.y), bow)
                          : QStringLiteral("M %1 %2 %3").arg(num(p.x), num(p.y), bow);
    shape(QStringLiteral("<path%1 d=\"%2\" %3/>").arg(part_attribute(part), d, style(ink)));
    constexpr int kChords = 12;
    for (int i = 0; i < kChords; ++i)
        avoid(on_circle(c, r, from + sweep * i / kChords), on_circle(c, r, from + sweep * (i + 1) / kChords), ink);
}

void Svg::ellipse(Point c, double rx, double ry, Ink ink, const QString& part)
{
    shape(QStringLiteral("<ellipse%1 cx=\"%2\" cy=\"%3\" rx=\"%4\" ry=\"%5\" %6/>")
              .arg(part_attribute(part), num(c.x), num(c.y), num(rx), num(ry), style(ink)));
    constexpr int kChords = 36;
    for (int i = 0; i < kChords; ++i)
        avoid(on_ellipse(c, rx, ry, i * 360.0 / kChords), on_ellipse(c, rx, ry, (i + 1) * 360.0 / kChords), ink);
}

void Svg::ellipse_arc(Point c, double rx, double ry, double from, double to, Ink ink, const QString& part)
{
    double sweep = std::fmod(to - from, 360.0);
    if (sweep < 0)
        sweep += 360;
    if (sweep == 0 && to != from) {
        ellipse(c, rx, ry, ink, part);
        return;
    }
    const Point p = on_ellipse(c, rx, ry, from), q = on_ellipse(c, rx, ry, from + sweep);
    shape(QStringLiteral("<path%1 d=\"M %2 %3 A %4 %5 0 %6 0 %7 %8\" %9/>")
              .arg(part_attribute(part), num(p.x), num(p.y), num(rx), num(ry), sweep > 180 ? "1" : "0", num(q.x),
                   num(q.y), style(ink)));
    constexpr int kChords = 18;
    for (int i = 0; i < kChords; ++i)
        avoid(on_ellipse(c, rx, ry, from + sweep * i / kChords), on_ellipse(c, rx, ry, from + sweep * (i + 1) / kChords),
              ink);
}

void Svg::begin(const QString& part) { shape(QStringLiteral("<g%1>").arg(part_attribute(part))); }

void Svg::end() { shape(QStringLiteral("</g>")); }

QRectF Svg::box(Point centre, const QString& text, double size)
{
    // An average glyph of a sans-serif face is about 0.6 of its height.
    const double w = 0.6 * size * static_cast<double>(text.size()) + 2;
    const double h = size + 2;
    return {centre.x - w / 2, centre.y - h / 2, w, h};
}

double Svg::overlap(const QRectF& r) const
{
    double bad = 0;
    for (const QRectF& t : taken_) {
        const QRectF both = r.intersected(t);
        if (!both.isEmpty())
            bad += 1000 + both.width() * both.height();
    }
    for (const Segment& s : segments_)
        if (QPointF a(s.a.x, s.a.y), b(s.b.x, s.b.y); clip(a, b, r))
            bad += s.weight;
    const QRectF area(0, 0, width_, height_);
    if (!area.contains(r))
        bad += 10000;
    return bad;
}

Point Svg::label(const std::vector<Point>& candidates, const QString& text, const QString& field, Value value)
{
    Point best = candidates.empty() ? Point{width_ / 2, height_ / 2} : candidates.front();
    double least = std::numeric_limits<double>::infinity();
    for (const Point& c : candidates) {
        const double bad = overlap(box(c, text));
        if (bad < least) {
            least = bad;
            best = c;
        }
        if (bad == 0)
            break;
    }
    taken_.push_back(box(best, text));
    const char* colour = value == Value::Given ? "#1f4e9c" : value == Value::Computed ? "#b03a2e" : "#1a1a1a";
    const char* weight = value == Value::Given ? " font-weight=\"bold\"" : "";
    QString marks;
    if (!field.isEmpty())
        marks = QStringLiteral(" data-field=\"%1\" data-given=\"%2\"").arg(escaped(field), value == Value::Given ? "1" : "0");
    // The baseline sits a third of the height below the centre.
    labels_ << QStringLiteral("<text%1 x=\"%2\" y=\"%3\" font-size=\"%4\" text-anchor=\"middle\" fill=\"%5\"%6>%7</text>")
                   .arg(marks, num(best.x), num(best.y + kFont / 3), num(kFont), QString::fromLatin1(colour),
                        QString::fromLatin1(weight), escaped(text));
    return best;
}

void Svg::caption(Point at, const QString& text, double size)
{
    labels_ << QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"%3\" fill=\"#1a1a1a\">%4</text>")
                   .arg(num(at.x), num(at.y), num(size), escaped(text));
    taken_.push_back(QRectF(at.x, at.y - size, 0.6 * size * static_cast<double>(text.size()), size + 2));
}

void Svg::legend()
{
    const double y = height_ - 4;
    labels_ << QStringLiteral("<text x=\"4\" y=\"%1\" font-size=\"%2\" fill=\"#1f4e9c\" font-weight=\"bold\">zadáno</text>")
                   .arg(num(y), num(kSmall));
    labels_ << QStringLiteral("<text x=\"50\" y=\"%1\" font-size=\"%2\" fill=\"#b03a2e\">vypočteno</text>")
                   .arg(num(y), num(kSmall));
    taken_.push_back(QRectF(0, y - kSmall - 1, 110, kSmall + 5));
}

QString Svg::document() const
{
    QString out = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" "
                                 "viewBox=\"0 0 %1 %2\" width=\"%1\" height=\"%2\" "
                                 "font-family=\"DejaVu Sans, sans-serif\">\n")
                      .arg(num(width_), num(height_));
    out += QStringLiteral("<title>%1</title>\n").arg(escaped(title_));
    out += QStringLiteral("<g id=\"shape\">\n") + shapes_.join(u'\n') + QStringLiteral("\n</g>\n");
    out += QStringLiteral("<g id=\"labels\">\n") + labels_.join(u'\n') + QStringLiteral("\n</g>\n</svg>\n");
    return out;
}

Fit Fit::of(const std::vector<Point>& ps, double width, double height, double margin)
{
    Fit f;
    if (ps.empty())
        return f;
    double left = ps[0].x, right = left, bottom = ps[0].y, top = bottom;
    for (const Point& p : ps) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    const double w = right - left, h = top - bottom;
    const double room_w = std::max(width - 2 * margin, 1.0), room_h = std::max(height - 2 * margin, 1.0);
    const double sx = w > 0 ? room_w / w : std::numeric_limits<double>::infinity();
    const double sy = h > 0 ? room_h / h : std::numeric_limits<double>::infinity();
    f.scale = std::min(sx, sy);
    if (!std::isfinite(f.scale) || f.scale <= 0)
        f.scale = 1;
    // Centred in the area.
    f.offset = {width / 2 - f.scale * (left + right) / 2, height / 2 + f.scale * (bottom + top) / 2};
    return f;
}

} // namespace qvk::sketch
