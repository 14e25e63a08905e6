#pragma once
// What the figures' pictures share (sketch*.cpp): the figure's values by
// field name, one scale for the figure, and its quantities labelled at
// their places once every line is drawn.
#include "core/given.h"
#include "sketch/svg.h"

#include <functional>
#include <vector>

namespace qvk::planimetry::sketching {

using sketch::Fit;
using sketch::Ink;
using sketch::Point;
using sketch::Svg;
using sketch::Value;

inline constexpr double kWidth = 420;
inline constexpr double kHeight = 320;
// Room around the figure for the labels of its sides and angles.
inline constexpr double kMargin = 56;

// Geometry in the figure's own units (y up) or in drawing units alike.
Point foot(Point p, Point a, Point b);       // of the perpendicular from p onto the line ab
double degrees(Point from, Point to);        // the direction from → to, counter-clockwise on paper
Point polar(double length, double degrees);  // figure units, y up
bool finite(const std::vector<Point>& points);

class Drawing {
public:
    Drawing(const Solved& solved, const QString& title);

    // A field's value when the page shows it (positive and finite), else 0.
    double operator()(const char* field) const;
    bool shown(const char* field) const { return (*this)(field) > 0; }

    // Places the figure (its own units, y up; the points that must be seen,
    // feet of heights included). False when it cannot be drawn.
    bool fit(const std::vector<Point>& figure);
    // A figure's point in drawing units.
    Point operator()(Point p) const { return fit_(p); }
    std::vector<Point> operator()(const std::vector<Point>& ps) const;
    // The centre the labels of sides are pushed away from (drawing units).
    void centre(Point c) { centre_ = c; }

    Svg& svg() { return svg_; }

    // "a = 3", "α = 36,87°": a field as the page shows it.
    QString text(const char* field, const QString& symbol, bool angle = false) const;
    Value value(const char* field) const;

    // Shapes are drawn at once, their labels once everything is drawn.
    // A side pq (drawing units), labelled outside the figure.
    void side(Point p, Point q, const char* field, const QString& symbol);
    // The angle at v between its neighbours, with its arc; a right angle
    // with its square. Labelled only when the field is shown (null: not).
    void angle(Point v, Point prev, Point next, const char* field, const QString& symbol);
    void right_angle(Point v, Point prev, Point next);
    // A dashed height from a vertex to its foot on the line ab, with the
    // side drawn on to the foot when it falls outside.
    void height(Point from, Point a, Point b, const char* field, const QString& symbol);
    // A dashed segment (a radius, a diagonal, the median) labelled beside it.
    void segment(Point p, Point q, const char* field, const QString& symbol, Ink ink = Ink::Helper);
    // A quantity with no place in the figure (perimeter, area, n) in a corner.
    void corner(const char* field, const QString& symbol);
    // A label near a point (an area's inside).
    void near(Point p, const char* field, const QString& symbol);
    // The vertices' names outside their corners.
    void names(const std::vector<Point>& vertices, const QStringList& names);
    // Words of no field (the second triangle's) near a point.
    void plain(Point p, const QString& text);

    QString finish();

private:
    struct Pending {
        int order;
        std::vector<Point> candidates; // the first where it belongs
        QString text;
        QString field;
        Value value;
        // What a label pushed far away points back to; none when NaN.
        Point place;
    };
    void later(int order, std::vector<Point> candidates, const QString& text, const char* field, Point place);
    static std::vector<Point> spiral(Point anchor);

    const Solved& solved_;
    Svg svg_;
    Fit fit_;
    Point centre_{kWidth / 2, kHeight / 2};
    std::vector<Pending> pending_;
};

// The pictures of the sheets, each empty when the values draw no figure.
QString right_triangle(const Solved& s);
QString general_triangle(const Solved& s);
QString square(const Solved& s);
QString rectangle(const Solved& s);
QString parallelogram(const Solved& s);
QString trapezoid(const Solved& s);
QString regular_polygon(const Solved& s);
QString circle(const Solved& s);

} // namespace qvk::planimetry::sketching
