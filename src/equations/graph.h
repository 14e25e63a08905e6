#pragma once
// What the graph window draws for the equation on the page, computed from the
// typed result of its last solve; the labels are the texts the page shows.
// Qt Core only: the shell paints it.
#include "equations/cubic.h"
#include "equations/quadratic.h"
#include "model/model.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>
#include <vector>

namespace qvk::equations {

struct GraphMark {
    enum class Kind { Root, Vertex, Inflection };
    Kind kind = Kind::Root;
    double x = 0;
    double y = 0;
    QString label;
    bool operator==(const GraphMark&) const = default;
};

struct GraphRange {
    double xmin = -10, xmax = 10, ymin = -10, ymax = 10;
};

struct GraphScene {
    std::vector<double> coefficients; // highest power first
    std::vector<GraphMark> marks;
    bool inequality = false;
    std::vector<SolutionPiece> solution; // drawn only for an inequality
    QString solutionText;
    QStringList corner;                  // what has no point to mark
    QString description;                 // the picture in words
    std::vector<double> keep;            // more x the initial range holds (turning points)

    double value(double x) const;
};

// The graph of the quadratic page's solve; nothing for a failed one.
std::optional<GraphScene> quadratic_scene(const QuadraticResult& result);

// The graph of the cubic page's solve: its real roots, the inflection point
// and the complex pair in the corner.
std::optional<GraphScene> cubic_scene(const CubicResult& result);

// All marks and finite ends inside, with a margin, and the curve's values there.
GraphRange initial_range(const GraphScene& scene);
// Equal units on both axes for a view of width x height pixels when that keeps
// the curve's range within a readable factor; otherwise the range as it is.
GraphRange fit_to_view(const GraphRange& range, double width, double height);

// 1, 2 or 5 x 10^k, so that span holds about `count` steps.
double nice_step(double span, int count);
// Multiples of step within [lo, hi].
std::vector<double> ticks(double lo, double hi, double step);
// A tick's label in the program's number format.
QString tick_label(double value, double step);

// The curve in a view of width x height pixels, in pixels, as polylines cut at
// the view's edges (a little beyond them): no segment leaves the view at a
// slope other than the curve's.
using Polyline = std::vector<QPointF>;
std::vector<Polyline> curve_in_view(const GraphScene& scene, const GraphRange& range, double width, double height,
                                    double tolerance = 0.25);

// A segment from a to b crosses or touches the rectangle.
bool segment_meets(const QPointF& a, const QPointF& b, const QRectF& rect);

// Where a label of `size` goes beside the point `at` (pixels): the place
// beside it that meets the curve and the rectangles already taken least and
// stays inside the view; `gap` is the distance from the point.
QRectF place_label(const QSizeF& size, const QPointF& at, double gap, const std::vector<Polyline>& curve,
                   const std::vector<QRectF>& taken, const QSizeF& view, bool preferAbove);

} // namespace qvk::equations
