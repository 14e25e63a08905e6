#pragma once
#include "core/formula.h"
#include "model/declare.h"
#include "model/model.h"
#include "model/postup.h"
#include "model/registry.h"

#include <QString>

#include <array>
#include <exception>
#include <limits>
#include <vector>

namespace qvk::equations {

// The page's name: in the calculator table, and its published result.
inline constexpr char kQuadraticPage[] = "kr";

// The page "Kvadratické (ne)rovnice": a x^2 + b x + c R 0.
void declare_quadratic(WindowModel& model);
// The page's descriptor: its fields, their places on the page.
std::span<const declare::Entry> quadratic_fields();
void register_quadratic(Registry& registry);

void kvreseniClick(WindowModel& model);


// --- the formulas, once for the decimal and for the written line

template <typename N>
N discriminant(const N& a, const N& b, const N& c)
{
    return keep(sq(b) - N(4) * a * c);
}
template <typename N>
N vertex_x(const N& a, const N& b)
{
    return keep(-(b / (N(2) * a)));
}
// From the terms, not from the stored discriminant.
template <typename N>
N vertex_y(const N& a, const N& b, const N& c)
{
    return keep(-(sq(b) - N(4) * a * c) / (N(4) * a));
}
// The roots from the stored discriminant d, its root kept extended. Negation
// is exact, so -b - √d is the same number as -(√d + b).
template <typename N>
N root_minus(const N& a, const N& b, const N& d)
{
    return keep((-b - root(d)) / (N(2) * a));
}
template <typename N>
N root_plus(const N& a, const N& b, const N& d)
{
    return keep((-b + root(d)) / (N(2) * a));
}

// --- the typed solve

// One piece of a solution set on the x axis; from == to is a single point.
struct SolutionPiece {
    double from = -std::numeric_limits<double>::infinity();
    double to = std::numeric_limits<double>::infinity();
    bool fromClosed = false;
    bool toClosed = false;
    bool operator==(const SolutionPiece&) const = default;
};

struct SolutionSet {
    enum class Shape {
        None,    // a relation the page does not know
        Empty,
        All,     // R
        AllBut,  // R - {x1}
        Points,  // {x1} or {x1; x2}
        Between, // x1 to x2, closed or open
        Outside, // below x1 and above x2, closed or open
    };
    Shape shape = Shape::None;
    bool closed = false;               // Between, Outside
    std::vector<SolutionPiece> pieces; // along the axis
    bool operator==(const SolutionSet&) const = default;
};

struct QuadraticInput {
    double a = 0, b = 0, c = 0; // a != 0
    int relation = 0;           // = 0, <= 0, < 0, > 0, >= 0
    int places = 0;
};

struct QuadraticResult {
    QuadraticInput in;
    // How far the solve came; an arithmetic fault stops it and is kept in
    // `failure`, so that the page shows what came before it.
    enum class Stage { None, Discriminant, Vertex, Roots };
    Stage reached = Stage::None;
    std::exception_ptr failure;

    double D = 0;
    double xv = 0, yv = 0;   // the vertex, rounded
    bool realRoots = false;  // D >= 0
    bool doubleRoot = false; // x1 == x2 after rounding
    double x1 = 0, x2 = 0;   // rounded, x1 <= x2
    SolutionSet solution;
};

// Arithmetic faults are caught into the result, never thrown.
QuadraticResult solve_quadratic(const QuadraticInput& in);

// The texts the page shows for a result.
QString vertex_text(const QuadraticResult& r);
QString square_text(const QuadraticResult& r);
QString solution_text(const QuadraticResult& r);
// The same with the bounds written as given (the exact ones).
QString solution_text(const QuadraticResult& r, const QString& x1, const QString& x2);

// The worked solution of a result.
Postup explain_quadratic(const QuadraticResult& r);

} // namespace qvk::equations
