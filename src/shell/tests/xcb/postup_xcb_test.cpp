// The "Postup" panel on X11 under the window manager: Ctrl+P typed through
// the X server shows it, the window manager sees the window widen while the
// pages stay where they were on the screen, and Ctrl+P again takes it back.
#include "shell/postup_view.h"
#include "shell/tests/xcb/x_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <xcb/xcb.h>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>

namespace qvk::shell::xcb_test {
namespace {

using Postup = OnX11;

// The window's size as the X server has it.
QSize server_size(const QWidget* w)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    const QWindow* handle = w->windowHandle();
    if (!x11 || !handle || !handle->handle())
        return {};
    xcb_connection_t* c = x11->connection();
    xcb_get_geometry_reply_t* r =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, static_cast<xcb_window_t>(handle->winId())), nullptr);
    const QSize size = r ? QSize(r->width, r->height) : QSize();
    std::free(r);
    return size;
}

TEST_F(Postup, CtrlPShowsThePanelTheWindowWidensAndThePagesStayPut)
{
    Program p;
    // Room to the right for the wider window.
    p.window->place(QPoint(20, 20));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame_position(p.window.get()) == QPoint(20, 20); }, 3000));
    settle();
    ASSERT_TRUE(activate(p.window.get()));
    auto* pages = p.window->findChild<QTabWidget*>(QStringLiteral("druh"));
    ASSERT_TRUE(pages);
    const QSize narrow = server_size(p.window.get());
    ASSERT_FALSE(narrow.isEmpty());
    const QPoint pagesAt = on_screen(pages, QPoint());
    const QPoint frameAt = frame_position(p.window.get());

    press({QStringLiteral("ctrl+p")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.window->postupShown(); }, 3000));
    const int panel = p.window->postupView()->width();
    EXPECT_GT(panel, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server_size(p.window.get()).width() == narrow.width() + panel; }, 3000))
        << server_size(p.window.get()).width() << " after " << narrow.width();
    EXPECT_EQ(server_size(p.window.get()).height(), narrow.height());
    settle();
    EXPECT_EQ(on_screen(pages, QPoint()), pagesAt);
    EXPECT_EQ(frame_position(p.window.get()), frameAt);
    EXPECT_TRUE(p.window->postupView()->isVisible());
    // The panel lies beside the pages, inside the window.
    EXPECT_EQ(on_screen(p.window->postupView(), QPoint()), pagesAt + QPoint(pages->width(), 0));

    // A calculation typed as a pupil types it: Enter solves, the panel shows its steps.
    p.retype("a1", QStringLiteral("1"));
    p.retype("b1", QStringLiteral("-2"));
    p.retype("c1", QStringLiteral("-1"));
    press({QStringLiteral("Return")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->postupView()->hasPostup(); }, 3000));
    EXPECT_TRUE(p.window->postupView()->plainText().contains(QStringLiteral("x1 = ")));
    EXPECT_TRUE(p.window->postupView()->plainText().contains(QStringLiteral("1 − √2")));
    // For looking at: QVK_XCB_SHOT=<file.png>.
    if (qEnvironmentVariableIsSet("QVK_XCB_SHOT"))
        screenshot(qEnvironmentVariable("QVK_XCB_SHOT"));

    ASSERT_TRUE(activate(p.window.get()));
    press({QStringLiteral("ctrl+p")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.window->postupShown(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return server_size(p.window.get()) == narrow; }, 3000))
        << server_size(p.window.get()).width() << " after " << narrow.width();
    settle();
    EXPECT_EQ(on_screen(pages, QPoint()), pagesAt);
    EXPECT_EQ(frame_position(p.window.get()), frameAt);
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

// At the right edge of the screen the wider window moves left just enough to stay on it.
TEST_F(Postup, AtTheScreensRightEdgeTheWiderWindowStaysOnTheScreen)
{
    Program p;
    const QRect room = p.window->screen()->availableGeometry();
    const QPoint corner(room.right() + 1 - p.window->frameGeometry().width(), 20);
    p.window->place(corner);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame_position(p.window.get()) == corner; }, 3000));
    settle();
    ASSERT_TRUE(activate(p.window.get()));
    press({QStringLiteral("ctrl+p")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.window->postupShown(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->frameGeometry().right() <= room.right(); }, 3000))
        << p.window->frameGeometry().right() << " beyond " << room.right();
    EXPECT_GE(p.window->frameGeometry().left(), room.left());
}

} // namespace
} // namespace qvk::shell::xcb_test
