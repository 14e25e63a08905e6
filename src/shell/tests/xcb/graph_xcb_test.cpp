// The graph window on X11: opened with Ctrl+G from both equation pages, it
// marks what the page computed; the mouse moves the view, Home resets it.
#include "shell/graph_window.h"
#include "shell/tests/xcb/x_window.h"

#include <QFile>
#include <QImage>
#include <QLineF>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace qvk::shell::xcb_test {
namespace {

using Graph = OnX11;
using equations::GraphMark;

// The pointer through the X server, as a person moves it.
void pointer(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    const bool ok = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    EXPECT_TRUE(ok) << "xdotool " << args.join(u' ').toStdString();
    settle();
}

void move_to(QWidget* w, QPoint at)
{
    const QPoint g = on_screen(w, at);
    pointer({QStringLiteral("mousemove"), QString::number(g.x()), QString::number(g.y())});
}

GraphWindow* open_graph(Program& p)
{
    EXPECT_TRUE(activate(p.window.get()));
    press({QStringLiteral("ctrl+g")});
    GraphWindow* g = p.window->graphWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return g->isVisible() && is_managed(g); }, 3000));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(g, 3000));
    return g;
}

QStringList labels(const equations::GraphScene& s, GraphMark::Kind kind)
{
    QStringList l;
    for (const GraphMark& m : s.marks)
        if (m.kind == kind)
            l << m.label;
    return l;
}

// The picture shows a mark's colour where the mark is; a vertex or an
// inflection point on a root rings the root's point.
void expect_drawn(GraphWindow* g, const GraphMark& m, QRgb colour)
{
    const QImage image = g->view()->grab().toImage();
    bool ring = false;
    for (const GraphMark& r : g->view()->scene()->marks)
        ring |= m.kind != GraphMark::Kind::Root && r.kind == GraphMark::Kind::Root && r.label != m.label &&
                QLineF(g->view()->toPixel(r.x, r.y), g->view()->toPixel(m.x, m.y)).length() < 4;
    const QPointF at = (g->view()->toPixel(m.x, m.y) + QPointF(ring ? 6 : 0, 0)) * image.devicePixelRatio();
    const QColor c = image.pixelColor(at.toPoint());
    const QColor want(colour);
    EXPECT_LT(std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) + std::abs(c.blue() - want.blue()), 60)
        << m.label.toStdString() << " drawn as " << c.name().toStdString();
}

struct QuadraticCase {
    const char* a;
    const char* b;
    const char* c;
    int relation;
};

TEST_F(Graph, FromTheQuadraticPageItMarksThePageResults)
{
    Program p;
    GraphWindow* g = open_graph(p);
    EXPECT_EQ(wm_name(g).toStdString(), "Graf");

    const QuadraticCase cases[] = {
        {"2", "12", "16", 0},  {"2", "12", "16", 1}, {"2", "12", "16", 2}, {"2", "12", "16", 3},
        {"2", "12", "16", 4},  {"1", "-2", "1", 0},  {"1", "-2", "1", 1},  {"1", "2", "1", 2},
        {"1", "-2", "1", 3},   {"1", "-2", "1", 4},  {"1", "0", "1", 0},   {"1", "0", "1", 2},
        {"-1", "0", "-1", 1},  {"1", "0", "1", 3},   {"-1", "1", "6", 3},  {"2", "-1", "-1", 4},
        {"-1", "-5", "-6", 1}, {"1", "-5", "6", 2},
    };
    for (const QuadraticCase& c : cases) {
        const std::string what = std::string(c.a) + ' ' + c.b + ' ' + c.c + " relation " + std::to_string(c.relation);
        p.model.setText(QStringLiteral("a1"), QString::fromUtf8(c.a));
        p.model.setText(QStringLiteral("b1"), QString::fromUtf8(c.b));
        p.model.setText(QStringLiteral("c1"), QString::fromUtf8(c.c));
        p.model.setIndex(QStringLiteral("rovnice"), c.relation);
        p.window->binding().fire(QStringLiteral("kvreseniClick"));
        settle();
        const auto& scene = g->view()->scene();
        ASSERT_TRUE(scene) << what;
        EXPECT_FALSE(g->view()->stale()) << what;
        QStringList roots;
        for (const char* name : {"x1res", "x2res"})
            if (!p.model.text(QString::fromLatin1(name)).isEmpty())
                roots << p.model.text(QString::fromLatin1(name));
        EXPECT_EQ(labels(*scene, GraphMark::Kind::Root), roots) << what;
        EXPECT_EQ(labels(*scene, GraphMark::Kind::Vertex), QStringList{p.model.text(QStringLiteral("vres"))}) << what;
        EXPECT_EQ(scene->inequality, c.relation > 0) << what;
        if (c.relation > 0) {
            const auto* solved = p.model.result<equations::QuadraticResult>(QStringLiteral("kr"));
            ASSERT_TRUE(solved) << what;
            EXPECT_EQ(scene->solution, solved->solution.pieces) << what;
            EXPECT_EQ(scene->solutionText, p.model.text(QStringLiteral("reseni"))) << what;
            EXPECT_TRUE(g->accessibleDescription().contains(p.model.text(QStringLiteral("reseni")).trimmed()))
                << what;
        }
        EXPECT_TRUE(g->accessibleDescription().contains(p.model.text(QStringLiteral("vres")))) << what;
        for (const QString& r : roots)
            EXPECT_TRUE(g->accessibleDescription().contains(r)) << what;
        if (c.relation == 0)
            for (const GraphMark& m : scene->marks)
                expect_drawn(g, m, m.kind == GraphMark::Kind::Root ? 0x000000 : 0xffc020);
    }
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

struct CubicCase {
    const char* a;
    const char* b;
    const char* c;
    const char* d;
    int real; // distinct real roots
};

TEST_F(Graph, FromTheCubicPageItMarksTheRealRootsAndTheInflection)
{
    Program p;
    p.model.setIndex(QStringLiteral("rov1"), 1);
    settle();
    GraphWindow* g = open_graph(p);
    EXPECT_FALSE(g->view()->scene()); // nothing solved yet

    const CubicCase cases[] = {{"1", "1", "1", "1", 1}, {"1", "0", "-7", "6", 3}, {"1", "-6", "11", "-6", 3},
                               {"2", "0", "0", "-16", 1}, {"1", "0", "-3", "2", 2}, {"1", "-3", "3", "-1", 1}};
    for (const CubicCase& c : cases) {
        const std::string what = std::string(c.a) + ' ' + c.b + ' ' + c.c + ' ' + c.d;
        p.model.setText(QStringLiteral("kub_a"), QString::fromUtf8(c.a));
        p.model.setText(QStringLiteral("kub_b"), QString::fromUtf8(c.b));
        p.model.setText(QStringLiteral("kub_c"), QString::fromUtf8(c.c));
        p.model.setText(QStringLiteral("kub_d"), QString::fromUtf8(c.d));
        p.window->binding().fire(QStringLiteral("kub_vyresClick"));
        settle();
        const auto& scene = g->view()->scene();
        ASSERT_TRUE(scene) << what;
        QStringList real, complex;
        for (const char* name : {"kub_x1", "kub_x2", "kub_x3"}) {
            const QString t = p.model.text(QString::fromLatin1(name));
            if (t.endsWith(QStringLiteral(" * i")))
                complex << QString::fromLatin1(name + 4) + QStringLiteral(" = ") + t;
            else if (!t.isEmpty() && !real.contains(t))
                real << t;
        }
        QStringList marked = labels(*scene, GraphMark::Kind::Root);
        EXPECT_EQ(marked.size(), c.real) << what;
        marked.sort();
        real.sort();
        EXPECT_EQ(marked, real) << what;
        EXPECT_EQ(scene->corner, complex) << what;
        const QStringList inflection = labels(*scene, GraphMark::Kind::Inflection);
        ASSERT_EQ(inflection.size(), 1) << what;
        EXPECT_TRUE(inflection[0].startsWith(u'[' + p.model.text(QStringLiteral("kub_subs")) + QStringLiteral(", ")))
            << what;
        const QString words = g->accessibleDescription();
        EXPECT_TRUE(words.startsWith(QStringLiteral("Kubická parabola"))) << what;
        for (const QString& r : real)
            EXPECT_TRUE(words.contains(r)) << what;
        for (const GraphMark& m : scene->marks)
            expect_drawn(g, m, m.kind == GraphMark::Kind::Root ? 0x000000 : 0x30b060);
    }
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(Graph, TypedCubicOnThePageIsGraphed)
{
    Program p;
    p.model.setIndex(QStringLiteral("rov1"), 1);
    settle();
    GraphWindow* g = open_graph(p);
    ASSERT_TRUE(activate(p.window.get()));
    p.click(p.find("kub_b"));
    press({QStringLiteral("ctrl+a")});
    type_text(QStringLiteral("0"));
    p.click(p.find("kub_c"));
    press({QStringLiteral("ctrl+a")});
    type_text(QStringLiteral("-7"));
    p.click(p.find("kub_d"));
    press({QStringLiteral("ctrl+a")});
    type_text(QStringLiteral("6"));
    p.click(p.find("kub_vyres"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return g->view()->scene().has_value(); }, 3000));
    QStringList marked = labels(*g->view()->scene(), GraphMark::Kind::Root);
    EXPECT_EQ(marked, (QStringList{QStringLiteral("-3"), QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(p.model.text(QStringLiteral("kub_x1")), QStringLiteral("2"));
}

TEST_F(Graph, FollowsThePageAndKeepsTheLastGoodGraphOfAFailedSolve)
{
    Program p;
    GraphWindow* g = open_graph(p);
    p.window->binding().fire(QStringLiteral("kvreseniClick"));
    settle();
    ASSERT_TRUE(g->view()->scene());
    const QString quadratic = g->view()->scene()->description;

    // To the cubic: its own graph, once solved.
    p.model.setIndex(QStringLiteral("rov1"), 1);
    settle();
    EXPECT_FALSE(g->view()->scene());
    p.window->binding().fire(QStringLiteral("kub_vyresClick"));
    settle();
    ASSERT_TRUE(g->view()->scene());
    const QString cubic = g->view()->scene()->description;
    EXPECT_TRUE(cubic.startsWith(QStringLiteral("Kubická parabola")));

    // A failed solve keeps the graph, marked.
    p.model.setText(QStringLiteral("kub_a"), QString());
    p.window->binding().fire(QStringLiteral("kub_vyresClick"));
    settle();
    ASSERT_TRUE(g->view()->scene());
    EXPECT_EQ(g->view()->scene()->description, cubic);
    EXPECT_TRUE(g->view()->stale());
    EXPECT_TRUE(g->accessibleDescription().startsWith(QStringLiteral("Výpočet selhal")));
    ASSERT_EQ(p.boxes.seen().size(), 1);
    EXPECT_EQ(p.boxes.seen()[0].text, QStringLiteral("Konstanta A nemůže být rovna nule !"));

    // Back on the quadratic page: its graph as it was; the cubic's stays failed.
    p.model.setIndex(QStringLiteral("rov1"), 0);
    settle();
    ASSERT_TRUE(g->view()->scene());
    EXPECT_EQ(g->view()->scene()->description, quadratic);
    EXPECT_FALSE(g->view()->stale());
    p.model.setIndex(QStringLiteral("rov1"), 1);
    settle();
    EXPECT_TRUE(g->view()->stale());
    EXPECT_EQ(g->view()->scene()->description, cubic);

    // Another page leaves the graph as it is; the item is disabled there.
    p.model.setIndex(QStringLiteral("druh"), 1);
    settle();
    EXPECT_EQ(g->view()->scene()->description, cubic);
    emit p.window->mainMenu().application->aboutToShow();
    EXPECT_FALSE(p.window->graphAction()->isEnabled());
}

TEST_F(Graph, WheelZoomsAtThePointerDragPansHomeResets)
{
    Program p;
    p.window->binding().fire(QStringLiteral("kvreseniClick"));
    GraphWindow* g = open_graph(p);
    ASSERT_TRUE(activate(g));
    GraphView* v = g->view();
    ASSERT_TRUE(v->scene());
    const auto initial = v->range();

    // Two notches up at a point: that point of the plane stays under the pointer.
    const QPoint at(v->width() / 3, v->height() / 4);
    move_to(v, at);
    const QPointF under = v->toPlane(at);
    pointer({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
             QStringLiteral("50"), QStringLiteral("4")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return v->range().xmax - v->range().xmin < (initial.xmax - initial.xmin) * 0.7; }, 2000));
    const auto zoomed = v->range();
    EXPECT_NEAR((zoomed.xmax - zoomed.xmin) / (initial.xmax - initial.xmin), 0.64, 1e-9);
    EXPECT_NEAR((zoomed.ymax - zoomed.ymin) / (initial.ymax - initial.ymin), 0.64, 1e-9);
    const QPointF still = v->toPlane(at);
    const double px = (zoomed.xmax - zoomed.xmin) / v->width();
    EXPECT_NEAR(still.x(), under.x(), 2 * px);
    EXPECT_NEAR(still.y(), under.y(), 2 * px * 10);

    // One notch down zooms out again.
    pointer({QStringLiteral("click"), QStringLiteral("5")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return v->range().xmax - v->range().xmin > (zoomed.xmax - zoomed.xmin) * 1.1; }, 2000));
    EXPECT_NEAR((v->range().xmax - v->range().xmin) / (zoomed.xmax - zoomed.xmin), 1.25, 1e-9);

    // A drag moves the plane with the pointer.
    const auto before = v->range();
    const QPointF grabbed = v->toPlane(QPoint(200, 150));
    move_to(v, QPoint(200, 150));
    pointer({QStringLiteral("mousedown"), QStringLiteral("1")});
    move_to(v, QPoint(240, 170));
    move_to(v, QPoint(280, 200));
    pointer({QStringLiteral("mouseup"), QStringLiteral("1")});
    const auto panned = v->range();
    EXPECT_NEAR(panned.xmax - panned.xmin, before.xmax - before.xmin, 1e-9);
    const QPointF now = v->toPlane(QPoint(280, 200));
    EXPECT_NEAR(now.x(), grabbed.x(), 1e-6 * (before.xmax - before.xmin) + 1e-9);
    EXPECT_NEAR(now.y(), grabbed.y(), 1e-6 * (before.ymax - before.ymin) + 1e-9);
    EXPECT_LT(panned.xmin, before.xmin);
    EXPECT_GT(panned.ymin, before.ymin);

    // Home, typed into the graph, brings the first view back.
    ASSERT_TRUE(QTest::qWaitFor([&] { return v->hasFocus(); }, 2000)); // the press focused it
    press({QStringLiteral("Home")});
    EXPECT_DOUBLE_EQ(v->range().xmin, initial.xmin);
    EXPECT_DOUBLE_EQ(v->range().xmax, initial.xmax);
    EXPECT_DOUBLE_EQ(v->range().ymin, initial.ymin);
    EXPECT_DOUBLE_EQ(v->range().ymax, initial.ymax);
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(Graph, ExportsPngAndSvgOfTheView)
{
    Program p;
    p.model.setIndex(QStringLiteral("rov1"), 1);
    settle();
    p.model.setText(QStringLiteral("kub_b"), QStringLiteral("0"));
    p.model.setText(QStringLiteral("kub_c"), QStringLiteral("-7"));
    p.model.setText(QStringLiteral("kub_d"), QStringLiteral("6"));
    p.window->binding().fire(QStringLiteral("kub_vyresClick"));
    GraphWindow* g = open_graph(p);
    ASSERT_TRUE(g->view()->scene());

    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("g.png")), svg = dir.filePath(QStringLiteral("g.svg"));
    ASSERT_TRUE(g->exportPng(png));
    ASSERT_TRUE(g->exportSvg(svg));

    QImage image(png);
    ASSERT_FALSE(image.isNull());
    const qreal dpr = g->view()->devicePixelRatioF();
    EXPECT_EQ(image.size(), (QSizeF(g->view()->size()) * dpr).toSize());
    for (const GraphMark& m : g->view()->scene()->marks) {
        const QColor c = image.pixelColor((g->view()->toPixel(m.x, m.y) * dpr).toPoint());
        EXPECT_LT(c.lightness(), 200) << m.label.toStdString(); // the point, not the white ground
    }

    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("<title>Graf</title>"));
    EXPECT_TRUE(text.contains("Kubická parabola") || text.contains("Kubick&#225; parabola"));
    EXPECT_TRUE(text.contains("<polyline") || text.contains("<path"));
    for (const GraphMark& m : g->view()->scene()->marks)
        EXPECT_TRUE(text.contains(m.label.toUtf8())) << m.label.toStdString();
}

TEST_F(Graph, ItemIsDisabledOffTheEquationPages)
{
    Program p;
    p.model.setIndex(QStringLiteral("rov1"), 2);
    settle();
    emit p.window->mainMenu().application->aboutToShow();
    EXPECT_FALSE(p.window->graphAction()->isEnabled());
    p.model.setIndex(QStringLiteral("rov1"), 1);
    settle();
    emit p.window->mainMenu().application->aboutToShow();
    EXPECT_TRUE(p.window->graphAction()->isEnabled());
    p.model.setIndex(QStringLiteral("druh"), 1);
    settle();
    emit p.window->mainMenu().application->aboutToShow();
    EXPECT_FALSE(p.window->graphAction()->isEnabled());
}

} // namespace
} // namespace qvk::shell::xcb_test
