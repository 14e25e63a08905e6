// The graph window on X11: opened with Ctrl+G, it marks what the page computed.
#include "shell/graph_window.h"
#include "shell/tests/xcb/x_window.h"

#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace qvk::shell::xcb_test {
namespace {

using Graph = OnX11;

struct Case {
    const char* a;
    const char* b;
    const char* c;
    int relation;
    size_t marks;
};

TEST_F(Graph, OpensWithCtrlGAndMarksThePageResults)
{
    Program p;
    ASSERT_TRUE(activate(p.window.get()));
    press({QStringLiteral("ctrl+g")});
    GraphWindow* g = p.window->graphWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return g->isVisible() && is_managed(g); }, 3000));
    EXPECT_EQ(wm_name(g).toStdString(), "Graf");

    const Case cases[] = {{"2", "12", "16", 0, 3}, {"1", "-2", "1", 1, 2}, {"1", "0", "1", 2, 1},
                          {"-1", "1", "6", 3, 3},  {"2", "-1", "-1", 4, 3}};
    for (const Case& c : cases) {
        p.model.setText(QStringLiteral("a1"), QString::fromUtf8(c.a));
        p.model.setText(QStringLiteral("b1"), QString::fromUtf8(c.b));
        p.model.setText(QStringLiteral("c1"), QString::fromUtf8(c.c));
        p.model.setIndex(QStringLiteral("rovnice"), c.relation);
        p.window->binding().fire(QStringLiteral("kvreseniClick"));
        settle();
        const auto& scene = g->view()->scene();
        ASSERT_TRUE(scene) << c.a << ' ' << c.b << ' ' << c.c;
        ASSERT_EQ(scene->marks.size(), c.marks);
        QStringList labels;
        for (const auto& m : scene->marks)
            labels << m.label;
        QStringList page;
        for (const char* name : {"x1res", "x2res", "vres"})
            if (!p.model.text(QString::fromLatin1(name)).isEmpty())
                page << p.model.text(QString::fromLatin1(name));
        EXPECT_EQ(labels, page);
        EXPECT_EQ(scene->inequality, c.relation > 0);
        EXPECT_TRUE(g->accessibleDescription().contains(p.model.text(QStringLiteral("vres"))));
        EXPECT_FALSE(g->view()->stale());
    }

    // Drag pans, Home resets.
    const auto before = g->view()->range();
    QWidget* v = g->view();
    QTest::mousePress(v, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(v, QPoint(160, 130));
    QTest::mouseRelease(v, Qt::LeftButton, {}, QPoint(160, 130));
    EXPECT_LT(g->view()->range().xmin, before.xmin);
    g->view()->resetView();
    EXPECT_DOUBLE_EQ(g->view()->range().xmin, before.xmin);

    QTemporaryDir dir;
    EXPECT_TRUE(g->exportPng(dir.filePath(QStringLiteral("g.png"))));
    EXPECT_TRUE(g->exportSvg(dir.filePath(QStringLiteral("g.svg"))));
    QFile svg(dir.filePath(QStringLiteral("g.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(Graph, ItemIsDisabledOffTheQuadraticPage)
{
    Program p;
    p.model.setIndex(QStringLiteral("druh"), 1);
    settle();
    emit p.window->mainMenu().application->aboutToShow();
    EXPECT_FALSE(p.window->graphAction()->isEnabled());
}

} // namespace
} // namespace qvk::shell::xcb_test
