#pragma once
// The equation pages on a model of their own, solved as a click solves them,
// and the graph of the solve.
#include "equations/cubic.h"
#include "equations/graph.h"
#include "equations/quadratic.h"

namespace qvk::equations::test_support {

struct QuadraticPage {
    WindowModel model;
    RecordingHost host;
    QuadraticPage()
    {
        model.setHost(&host);
        declare_quadratic(model);
    }
    std::optional<GraphScene> solve(const char* a, const char* b, const char* c, int relation)
    {
        model.setText(QStringLiteral("a1"), QString::fromUtf8(a));
        model.setText(QStringLiteral("b1"), QString::fromUtf8(b));
        model.setText(QStringLiteral("c1"), QString::fromUtf8(c));
        model.setIndex(QStringLiteral("rovnice"), relation);
        kvreseniClick(model);
        const auto* r = model.result<QuadraticResult>(QStringLiteral("kr"));
        return r ? quadratic_scene(*r) : std::nullopt;
    }
};

struct CubicPage {
    WindowModel model;
    RecordingHost host;
    CubicPage()
    {
        model.setHost(&host);
        declare_cubic(model);
    }
    void type(const char* a, const char* b, const char* c, const char* d)
    {
        model.setText(QStringLiteral("kub_a"), QString::fromUtf8(a));
        model.setText(QStringLiteral("kub_b"), QString::fromUtf8(b));
        model.setText(QStringLiteral("kub_c"), QString::fromUtf8(c));
        model.setText(QStringLiteral("kub_d"), QString::fromUtf8(d));
    }
    std::optional<GraphScene> solve()
    {
        kub_vyresClick(model);
        return scene();
    }
    // The scene of the last published solve.
    std::optional<GraphScene> scene() const
    {
        const auto* r = model.result<CubicResult>(QStringLiteral("kub"));
        return r ? cubic_scene(*r) : std::nullopt;
    }
    std::optional<GraphScene> solve(const char* a, const char* b, const char* c, const char* d)
    {
        type(a, b, c, d);
        return solve();
    }
};

} // namespace qvk::equations::test_support
