// The picture of a calculation on X11: a triangle typed and solved, Ctrl+O
// opens its picture in a window the window manager knows as "Obrázek", Tab
// runs through its buttons and Esc closes it.
#include "app/navigation.h"
#include "shell/sketch_view.h"
#include "shell/sketch_window.h"
#include "shell/tests/xcb/x_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace qvk::shell::xcb_test {
namespace {

using Picture = OnX11;

QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

TEST_F(Picture, CtrlOOpensThePictureOfTheTypedTriangleAndEscClosesIt)
{
    Program p;
    const QString triangle = QStringLiteral("trojuhelnik_desk");
    app::show_page(p.model, p.registry, app::PagePlane, 0);
    p.model.setIndex(QStringLiteral("d2_vyber"), 1);
    p.window->binding().fire(QStringLiteral("d2_vyberChange"));
    settle();
    ASSERT_TRUE(activate(p.window.get()));
    p.click(p.find<QLineEdit>("troj_a"));
    type_text(QStringLiteral("3"));
    press({QStringLiteral("Tab")});
    type_text(QStringLiteral("5"));
    press({QStringLiteral("Tab")});
    type_text(QStringLiteral("7"));
    press({QStringLiteral("Return")});
    ASSERT_TRUE(QTest::qWaitFor([&p] { return p.model.text(QStringLiteral("troj_gama")) == u"120"; }, 3000))
        << p.model.text(QStringLiteral("troj_gama")).toStdString();
    ASSERT_TRUE(p.model.drawn(triangle));

    press({QStringLiteral("ctrl+o")});
    SketchWindow* w = p.window->sketchWindow();
    ASSERT_TRUE(QTest::qWaitFor([w] { return w->isVisible() && is_managed(w); }, 3000));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w, 3000));
    EXPECT_EQ(wm_name(w).toStdString(), "Obrázek");
    EXPECT_EQ(w->page(), triangle);
    EXPECT_TRUE(w->view()->hasSketch());
    EXPECT_EQ(w->svg(), p.model.sketch(triangle));
    // For looking at: QVK_XCB_SHOT=<file.png>.
    if (qEnvironmentVariableIsSet("QVK_XCB_SHOT"))
        screenshot(qEnvironmentVariable("QVK_XCB_SHOT"));

    // Its buttons in turn from the keyboard.
    ASSERT_TRUE(activate(w));
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        press({QStringLiteral("Tab")});
        order << focused();
    }
    for (const QString& name :
         {QStringLiteral("obrazek_kopie"), QStringLiteral("obrazek_uloz"), QStringLiteral("obrazek_zavri")})
        EXPECT_TRUE(order.contains(name)) << order.join(u' ').toStdString();

    press({QStringLiteral("Escape")});
    EXPECT_TRUE(QTest::qWaitFor([w] { return !w->isVisible(); }, 3000));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

} // namespace
} // namespace qvk::shell::xcb_test
