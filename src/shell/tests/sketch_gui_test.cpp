// The pictures of calculations on the offscreen platform: the sheets' pictures
// show the solved figure and go back to the generic one when cleared; the
// "Postup" panel shows the picture above the text; the picture's window
// follows calculations, copies and saves PNG and SVG.
#include "app/assembly.h"
#include "app/calculators.h"
#include "app/navigation.h"
#include "shell/pages/page_classes.h"
#include "shell/postup_view.h"
#include "shell/sketch_view.h"
#include "shell/sketch_window.h"
#include "shell/thlavni.h"
#include "sketch/svg.h"
#include "statistics/statistics.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace qvk::shell {
namespace {

const QString kTriangle = QStringLiteral("trojuhelnik_desk");
const QString kSquare = QStringLiteral("ctverec_desk");
const QString kCube = QStringLiteral("krychle_desk");

// A picture as the calculators write them: a shape, its labels, a legend.
QString drawing(const QString& title, double width, double height)
{
    sketch::Svg svg(width, height, title);
    svg.polygon({{20, height - 30}, {width - 20, height - 30}, {width / 3, 20}}, sketch::Ink::Outline,
                QStringLiteral("outline"));
    svg.line({width / 3, 20}, {width / 3, height - 30}, sketch::Ink::Helper);
    svg.label({{width / 2, height - 15}}, QStringLiteral("c = 7"), QStringLiteral("troj_c"), sketch::Value::Given);
    svg.label({{width / 3 - 30, height / 2}}, QStringLiteral("v = 2,5"), QStringLiteral("troj_vc"),
              sketch::Value::Computed);
    svg.legend();
    return svg.document();
}

struct Shell {
    WindowModel model;
    Registry registry;
    RecordingHost quiet;
    std::unique_ptr<Thlavni> window;

    Shell()
    {
        app::assemble(model, registry);
        Settings s = model.settings();
        s.vypis_reseni = false; // no listing window comes up
        model.setSettings(s);
        window = std::make_unique<Thlavni>(model, registry);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void fire(const char* event) { window->binding().fire(QString::fromLatin1(event)); }
    void fire(const QString& event) { window->binding().fire(event); }
    void show(const QString& page)
    {
        app::show_page(model, registry, page);
        drawn();
    }
    template <typename W = QWidget>
    W* find(const QString& name) const
    {
        build_all_pages(window.get());
        return window->findChild<W*>(name);
    }
    // The triangle solved from three sides; its own picture, or the one given.
    void solveTriangle(const QString& picture)
    {
        show(kTriangle);
        model.setText(QStringLiteral("troj_a"), QStringLiteral("3"));
        model.setText(QStringLiteral("troj_b"), QStringLiteral("5"));
        model.setText(QStringLiteral("troj_c"), QStringLiteral("7"));
        fire("vyres_d2Click");
        EXPECT_TRUE(model.drawn(kTriangle));
        if (!picture.isEmpty())
            model.draw(kTriangle, [picture] { return picture; });
        drawn();
    }
    // Lets the zero-timers and the painting run.
    static void drawn()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
};

QImage look(QWidget* w)
{
    Shell::drawn();
    return w->grab().toImage();
}

TEST(SketchThumbnail, TheSelectorsPictureShowsTheSolvedFigureUntilTheFieldsAreCleared)
{
    Shell s;
    s.show(kSquare);
    auto* icon = s.find<QLabel>(QStringLiteral("d2_ikona"));
    ASSERT_TRUE(icon);
    const QImage square = look(icon);
    s.show(kTriangle);
    const QImage generic = look(icon);
    ASSERT_NE(generic, square);
    EXPECT_FALSE(s.window->thumbnails()->showsSketch(icon));

    // The figure's own picture of the solve.
    s.solveTriangle({});
    ASSERT_FALSE(s.model.sketch(kTriangle).isEmpty());
    EXPECT_TRUE(s.window->thumbnails()->showsSketch(icon));
    const QImage solved = look(icon);
    EXPECT_NE(solved, generic);
    // The field still names the generic picture: only the widget shows otherwise.
    EXPECT_EQ(s.model.text(QStringLiteral("d2_ikona")), QStringLiteral("troj_obec"));
    EXPECT_EQ(s.window->thumbnails()->drawnPage(icon), kTriangle);

    // Each sheet shows its own state.
    s.show(kSquare);
    EXPECT_FALSE(s.window->thumbnails()->showsSketch(icon));
    EXPECT_EQ(look(icon), square);
    s.show(kTriangle);
    EXPECT_EQ(look(icon), solved);

    // The frame's clear button brings the generic picture back.
    s.fire("vymaz_2dClick");
    EXPECT_FALSE(s.model.drawn(kTriangle));
    EXPECT_FALSE(s.window->thumbnails()->showsSketch(icon));
    EXPECT_EQ(look(icon), generic);

    // So does "Vymaž pole" (Ctrl+X).
    s.solveTriangle({});
    EXPECT_EQ(look(icon), solved);
    s.fire("Vymapole1Click");
    EXPECT_EQ(look(icon), generic);
}

TEST(SketchThumbnail, AFigureWithoutAPictureKeepsTheGenericOne)
{
    Shell s;
    s.show(kTriangle);
    auto* icon = s.find<QLabel>(QStringLiteral("d2_ikona"));
    const QImage generic = look(icon);
    s.solveTriangle({});
    s.model.draw(kTriangle, [] { return QString(); });
    EXPECT_FALSE(s.window->thumbnails()->showsSketch(icon));
    EXPECT_EQ(look(icon), generic);
    // Nor does a document that cannot be read change it.
    s.model.draw(kTriangle, [] { return QStringLiteral("<svg"); });
    EXPECT_EQ(look(icon), generic);
}

TEST(SketchThumbnail, TheSolidsPictureShowsTheSolvedSolidAndTheSelectorsStays)
{
    Shell s;
    s.show(kCube);
    auto* own = s.find<QLabel>(kCube + QStringLiteral("_obrazek"));
    auto* icon = s.find<QLabel>(QStringLiteral("d3_ikona"));
    ASSERT_TRUE(own);
    ASSERT_TRUE(icon);
    const QImage generic = look(own), genericIcon = look(icon);
    s.model.setText(QStringLiteral("kry_a"), QStringLiteral("3"));
    s.fire("vyres_d3Click");
    ASSERT_FALSE(s.model.sketch(kCube).isEmpty());
    EXPECT_TRUE(s.window->thumbnails()->showsSketch(own));
    EXPECT_NE(look(own), generic);
    EXPECT_FALSE(s.window->thumbnails()->showsSketch(icon));
    EXPECT_EQ(look(icon), genericIcon);
    s.fire("vymaz_3dClick");
    EXPECT_EQ(look(own), generic);
}

TEST(SketchThumbnail, LinesOfTheSmallPictureAreThickenedToStayVisible)
{
    const QString svg = drawing(QStringLiteral("Trojúhelník"), 3000, 2000);
    const QImage small = Sketch::thumbnail(svg, QSize(33, 33), 1);
    ASSERT_FALSE(small.isNull());
    EXPECT_EQ(small.size(), QSize(33, 33));
    // Some pixels of the outline are nearly as dark as its ink.
    int dark = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            dark += qAlpha(small.pixel(x, y)) > 160;
    EXPECT_GT(dark, 20);
    // Nothing of the shape lies on the border: the picture fits.
    for (int i = 0; i < 33; ++i)
        for (const QPoint p : {QPoint(i, 0), QPoint(i, 32), QPoint(0, i), QPoint(32, i)})
            EXPECT_EQ(qAlpha(small.pixel(p)), 0) << p.x() << ',' << p.y();
}

TEST(SketchPostup, ThePanelShowsThePictureAboveTheTextAsWideAsTheText)
{
    Shell s;
    s.window->setPostupShown(true);
    PostupView* v = s.window->postupView();
    s.drawn();
    EXPECT_TRUE(v->pictureRect().isEmpty());

    const QString picture = drawing(QStringLiteral("Trojúhelník"), 300, 200);
    s.solveTriangle(picture);
    ASSERT_TRUE(v->hasPostup());
    EXPECT_EQ(v->sketch(), picture);
    const QRect shown = v->pictureRect();
    ASSERT_FALSE(shown.isEmpty());
    QTextBrowser* text = v->browser();
    // Above the first line, as wide as the text beside the scroll bar, its aspect kept.
    EXPECT_TRUE(text->document()->firstBlock().text().startsWith(QChar::ObjectReplacementCharacter));
    EXPECT_TRUE(text->document()->firstBlock().next().text().startsWith(QStringLiteral("Obecný trojúhelník")));
    EXPECT_TRUE(text->verticalScrollBar()->isVisible());
    EXPECT_LE(shown.right(), text->viewport()->width());
    EXPECT_GE(shown.width(), text->viewport()->width() - 2 * shown.left() - 2);
    EXPECT_NEAR(shown.height(), shown.width() * 2 / 3, 1);
    EXPECT_LE(text->document()->idealWidth(), text->viewport()->width());
    // The text as it was: copied and saved without the picture.
    EXPECT_EQ(v->plainText(), s.model.postup().plain().join(u'\n'));

    // A click on it opens the picture's window.
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, shown.center());
    ASSERT_TRUE(s.window->sketchWindow()->isVisible());
    EXPECT_EQ(s.window->sketchWindow()->svg(), picture);
    s.window->sketchWindow()->close();

    // Cleared, the picture goes; the calculations of a page without pictures show none.
    s.fire("vymaz_2dClick");
    s.drawn();
    EXPECT_TRUE(v->pictureRect().isEmpty());
    EXPECT_TRUE(v->sketch().isEmpty());
    s.solveTriangle(picture);
    EXPECT_FALSE(v->pictureRect().isEmpty());
    s.show(QStringLiteral("kr"));
    s.fire("kvreseniClick");
    s.drawn();
    EXPECT_TRUE(v->hasPostup());
    EXPECT_TRUE(v->pictureRect().isEmpty());
    EXPECT_EQ(v->browser()->toPlainText(), v->plainText());
    // Back on the sheet, its calculation is no more the last one.
    s.show(kTriangle);
    EXPECT_TRUE(v->pictureRect().isEmpty());
}

TEST(SketchPostup, TheStatisticsChartShowsInThePanel)
{
    Shell s;
    s.window->setPostupShown(true);
    const QString page = QString::fromLatin1(statistics::kStatisticsPage);
    s.show(page);
    const QString chart = drawing(QStringLiteral("Histogram"), 400, 260);
    s.registry.add(QStringLiteral("test_chartClick"), [chart, page](WindowModel& m) {
        m.explain([] {
            Postup p;
            p.add(PostupLine::Kind::Heading, QStringLiteral("Statistika"));
            return p;
        });
        m.draw(page, [chart] { return chart; });
    });
    s.fire("test_chartClick");
    s.drawn();
    EXPECT_EQ(s.window->postupView()->sketch(), chart);
}

struct Saved {
    Shell s;
    QTemporaryDir dir;
    QString picture = drawing(QStringLiteral("Trojúhelník «a»"), 300, 200);
    SketchWindow* w = nullptr;

    Saved()
    {
        s.solveTriangle(picture);
        s.window->sketchAction()->trigger();
        w = s.window->sketchWindow();
        Shell::drawn();
    }
    QPushButton* button(const char* name) const { return w->findChild<QPushButton*>(QString::fromLatin1(name)); }
    void saveAs(const QString& name, bool svg)
    {
        w->setFileChooser([this, name, svg](QWidget*) {
            return SketchWindow::Chosen{name.isEmpty() ? QString() : dir.filePath(name), svg};
        });
        button("obrazek_uloz")->click();
    }
};

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SketchWindow, TheMenuItemOpensTheWindowWithThePictureOfTheCalculation)
{
    Saved t;
    QAction* item = t.s.window->sketchAction();
    EXPECT_EQ(item->text(), QStringLiteral("Obrázek"));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_TRUE(t.s.window->mainMenu().application->actions().contains(item));
    // No other item of the window has its key.
    for (QAction* a : t.s.window->findChildren<QAction*>()) {
        if (a != item) {
            EXPECT_NE(a->shortcut(), item->shortcut()) << a->objectName().toStdString();
        }
    }

    ASSERT_TRUE(t.w->isVisible());
    EXPECT_EQ(t.w->windowTitle(), QStringLiteral("Obrázek"));
    EXPECT_EQ(t.w->svg(), t.picture);
    EXPECT_EQ(t.w->page(), kTriangle);
    EXPECT_TRUE(t.w->view()->hasSketch());
    EXPECT_EQ(t.w->view()->accessibleDescription(), QStringLiteral("Trojúhelník «a»"));
    EXPECT_TRUE(t.button("obrazek_kopie")->isEnabled());
    // The picture is drawn: the view is not all paper.
    const QImage view = look(t.w->view());
    EXPECT_GT(view.size().width(), 100);
    int ink = 0;
    for (int y = 0; y < view.height(); y += 2)
        for (int x = 0; x < view.width(); x += 2)
            ink += qGray(view.pixel(x, y)) < 100;
    EXPECT_GT(ink, 20);
    // Resizable; the picture follows the window's size.
    EXPECT_LT(t.w->minimumWidth(), t.w->maximumWidth());
    t.w->resize(t.w->size() + QSize(200, 100));
    Shell::drawn();
    EXPECT_GT(t.w->view()->width(), view.width() / view.devicePixelRatio() + 150);
}

TEST(SketchWindow, ItFollowsNewCalculationsWhileOpen)
{
    Saved t;
    const QString cube = drawing(QStringLiteral("Krychle"), 240, 240);
    t.s.show(kCube);
    t.s.model.setText(QStringLiteral("kry_a"), QStringLiteral("3"));
    t.s.fire("vyres_d3Click");
    t.s.model.draw(kCube, [cube] { return cube; });
    Shell::drawn();
    EXPECT_EQ(t.w->svg(), cube);
    // A calculation that draws nothing leaves the picture; its page's clear takes it away.
    t.s.show(QStringLiteral("kr"));
    t.s.fire("kvreseniClick");
    Shell::drawn();
    EXPECT_EQ(t.w->svg(), cube);
    t.s.show(kCube);
    t.s.fire("vymaz_3dClick");
    Shell::drawn();
    EXPECT_FALSE(t.w->view()->hasSketch());
    EXPECT_FALSE(t.button("obrazek_kopie")->isEnabled());
    EXPECT_FALSE(t.button("obrazek_uloz")->isEnabled());
}

TEST(SketchWindow, SavedAsPngAndAsTheModelsSvgByteForByte)
{
    Saved t;
    t.saveAs(QStringLiteral("obrazek"), false);
    const QString png = t.dir.filePath(QStringLiteral("obrazek.png"));
    QImageReader reader(png);
    EXPECT_EQ(reader.format(), "png");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(300 * 4, 200 * 4));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));

    t.saveAs(QStringLiteral("obrazek"), true);
    EXPECT_EQ(read(t.dir.filePath(QStringLiteral("obrazek.svg"))), t.picture.toUtf8());
    EXPECT_EQ(read(t.dir.filePath(QStringLiteral("obrazek.svg"))), t.s.model.sketch(kTriangle).toUtf8());
    // A name's own ending decides.
    t.saveAs(QStringLiteral("jiny.svg"), false);
    EXPECT_EQ(read(t.dir.filePath(QStringLiteral("jiny.svg"))), t.picture.toUtf8());

    // Cancelled: nothing written.
    const QStringList before = QDir(t.dir.path()).entryList(QDir::Files);
    t.saveAs({}, false);
    t.saveAs({}, true);
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files), before);

    // A file that cannot be written: a message.
    t.s.model.setHost(&t.s.quiet);
    EXPECT_FALSE(t.w->savePng(t.dir.filePath(QStringLiteral("no/such/folder/x.png"))));
    EXPECT_FALSE(t.w->saveSvg(t.dir.filePath(QStringLiteral("no/such/folder/x.svg"))));
    ASSERT_EQ(t.s.quiet.messages.size(), 2u);
    EXPECT_EQ(t.s.quiet.messages.front().kind, Message::Kind::Error);
    t.s.model.setHost(&t.s.window->host());
}

TEST(SketchWindow, CopyPutsTheImageAndTheSvgOnTheClipboard)
{
    Saved t;
    QApplication::clipboard()->clear();
    t.button("obrazek_kopie")->click();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied);
    if (copied->formats().isEmpty())
        GTEST_SKIP() << "no clipboard on this platform";
    ASSERT_TRUE(copied->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).size(), QSize(300 * 4, 200 * 4));
    EXPECT_EQ(copied->data(QStringLiteral("image/svg+xml")), t.picture.toUtf8());
}

TEST(SketchWindow, EscClosesItAndTabReachesItsButtons)
{
    Saved t;
    t.w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.w));
    QPushButton* copy = t.button("obrazek_kopie");
    copy->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("obrazek_kopie"), QStringLiteral("obrazek_uloz"),
                                  QStringLiteral("obrazek_zavri")}));
    for (QPushButton* b : t.w->findChildren<QPushButton*>())
        EXPECT_FALSE(b->accessibleName().isEmpty()) << b->objectName().toStdString();
    EXPECT_EQ(t.w->accessibleName(), QStringLiteral("Obrázek"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(t.w->isVisible());
}

TEST(SketchWindow, WithoutAPictureItSaysSoAndOffersNothing)
{
    Shell s;
    s.window->showSketch();
    SketchWindow* w = s.window->sketchWindow();
    ASSERT_TRUE(w->isVisible());
    EXPECT_FALSE(w->view()->hasSketch());
    EXPECT_FALSE(w->findChild<QPushButton*>(QStringLiteral("obrazek_uloz"))->isEnabled());
    EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("obrazek_popis"))->text().isEmpty());
}

} // namespace
} // namespace qvk::shell
