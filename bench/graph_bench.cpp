// One full redraw of the graph window's view, 800 x 600, into an image: the
// page's initial quadratic and its inequality, a cubic with three real roots,
// a nearly vertical cubic and a view zoomed far out.
#include "equations/tests/support/solved_pages.h"
#include "shell/graph_window.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

namespace {

using qvk::equations::GraphScene;

GraphScene quadratic(const char* a, const char* b, const char* c, int relation)
{
    return *qvk::equations::test_support::QuadraticPage().solve(a, b, c, relation);
}

GraphScene cubic(const char* a, const char* b, const char* c, const char* d)
{
    return *qvk::equations::test_support::CubicPage().solve(a, b, c, d);
}

void redraw(benchmark::State& state, const GraphScene& scene, int zoomOut, qreal dpr)
{
    qvk::shell::GraphView view;
    view.resize(800, 600);
    view.setScene(scene);
    for (int i = 0; i < zoomOut; ++i) {
        const auto r = view.range();
        QWheelEvent wheel(QPointF(400, 300), QPointF(400, 300), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &wheel);
        if (view.range().xmax - view.range().xmin <= r.xmax - r.xmin)
            break;
    }
    QImage image((QSizeF(800, 600) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        QPainter p(&image);
        view.render(p, QSizeF(800, 600));
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_GraphQuadratic(benchmark::State& s) { redraw(s, quadratic("2", "12", "16", 0), 0, 1); }
void BM_GraphQuadraticInequality(benchmark::State& s) { redraw(s, quadratic("2", "12", "16", 2), 0, 1); }
void BM_GraphCubicThreeRoots(benchmark::State& s) { redraw(s, cubic("1", "0", "-7", "6"), 0, 1); }
void BM_GraphCubicComplexPair(benchmark::State& s) { redraw(s, cubic("1", "1", "1", "1"), 0, 1); }
void BM_GraphCubicSteep(benchmark::State& s) { redraw(s, cubic("99999", "0", "1", "-1"), 0, 1); }
void BM_GraphCubicZoomedOut(benchmark::State& s) { redraw(s, cubic("1", "0", "-7", "6"), 30, 1); }
void BM_GraphCubicScale2(benchmark::State& s) { redraw(s, cubic("1", "0", "-7", "6"), 0, 2); }

} // namespace

BENCHMARK(BM_GraphQuadratic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphQuadraticInequality)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphCubicThreeRoots)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphCubicComplexPair)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphCubicSteep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphCubicZoomedOut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphCubicScale2)->Unit(benchmark::kMillisecond);
