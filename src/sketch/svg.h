#pragma once
// A picture as one SVG document, written element by element. Every picture
// of a calculation is made here, so the window shows and exports exactly what
// the headless runner reports. Units are drawing units, y downwards; the
// view scales the whole document.
//
// Marks that make a picture checkable: the figure's outline carries
// data-part="outline"; every labelled quantity is a <text> with
// data-field (the field it shows) and data-given ("1" given, "0" computed).
// The shapes go into the group id="shape" and the words into id="labels",
// so a small view can draw the shape alone.
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace qvk::sketch {

struct Point {
    double x = 0;
    double y = 0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(double k, Point a) { return {k * a.x, k * a.y}; }
double distance(Point a, Point b);
// Cuts the segment to the rectangle; false when nothing of it is inside.
bool clip(QPointF& a, QPointF& b, const QRectF& r);
// The unit vector from a towards b; (0, 0) when they meet.
Point direction(Point a, Point b);
Point middle(Point a, Point b);

// How a line or an area is drawn.
enum class Ink {
    Outline,  // the figure itself
    Helper,   // heights, radii, medians: thin, dashed
    Hidden,   // a solid's hidden edges: dashed
    Arc,      // an angle's arc
    Fill,     // a light area (a sector, a face, a bar)
    Accent,   // a mark that stands out (the mean, a median)
    Faint,    // what only helps to read: a second solution, a side drawn on, a label's pointer
};

// A label's colour says whether the value was given or computed.
enum class Value { Given, Computed, Plain };

class Svg {
public:
    // The drawing area; the document's viewBox.
    Svg(double width, double height, const QString& title);

    void polygon(const std::vector<Point>& points, Ink ink, const QString& part = {});
    void polyline(const std::vector<Point>& points, Ink ink, const QString& part = {});
    void line(Point a, Point b, Ink ink, const QString& part = {});
    void circle(Point centre, double radius, Ink ink, const QString& part = {});
    void rect(const QRectF& r, Ink ink, const QString& part = {});
    // An arc of a circle from one angle to another (degrees, counter-clockwise
    // as on paper, 0 along +x); filled as a sector when ink is Fill.
    void arc(Point centre, double radius, double from, double to, Ink ink, const QString& part = {});
    // A circle seen obliquely: an ellipse with axes along x and y; the arc
    // runs between two angles of its parameter (degrees, counter-clockwise
    // as on paper), the whole ellipse when they are 360 apart.
    void ellipse(Point centre, double rx, double ry, Ink ink, const QString& part = {});
    void ellipse_arc(Point centre, double rx, double ry, double from, double to, Ink ink, const QString& part = {});
    // An attribute data-NAME="value" on the next shape (a bar's count, an
    // axis's scale), so that a reader can check what it shows.
    void data(const QString& name, const QString& value);
    // Opens and closes a group of shapes named by data-part.
    void begin(const QString& part);
    void end();

    // A quantity's label, placed at the first candidate where it covers no
    // other label and crosses no line drawn so far; at the least bad one when
    // every candidate is taken. Returns where it went (the text's centre).
    Point label(const std::vector<Point>& candidates, const QString& text, const QString& field, Value value);
    // Plain words (a legend, a scale note) at a fixed place, left-aligned.
    void caption(Point at, const QString& text, double size = kSmall);

    // The legend of given and computed values, in the bottom left corner.
    void legend();

    QString document() const;

    static constexpr double kFont = 12;  // a label's height
    static constexpr double kSmall = 10; // a legend's
    // The least radius of an angle's arc, however small the figure.
    static constexpr double kMinArc = 10;

    // The size a label's text takes.
    static QRectF box(Point centre, const QString& text, double size = kFont);
    // How bad a label would be there: 0 when it is clear of every label and
    // line; crossing a dashed or thin line costs less than the outline.
    double clash(Point centre, const QString& text) const { return overlap(box(centre, text)); }

private:
    void shape(const QString& element);
    double overlap(const QRectF& r) const;
    void avoid(Point a, Point b, Ink ink);

    struct Segment {
        Point a, b;
        double weight;
    };

    double width_, height_;
    QString title_;
    QStringList shapes_;
    QStringList labels_;
    std::vector<QRectF> taken_;
    std::vector<Segment> segments_;
    QString data_;
};

// Lengths in drawing units: one scale for every length of a figure, so that
// it fits the area with room for its labels.
struct Fit {
    double scale = 1;
    Point offset; // added after scaling
    // Fits the points (in the figure's own units, y upwards) into width ×
    // height less the margin.
    static Fit of(const std::vector<Point>& points, double width, double height, double margin);
    Point operator()(Point p) const { return {offset.x + scale * p.x, offset.y - scale * p.y}; }
};

} // namespace qvk::sketch
