// The display size on a real desktop: chosen in the settings dialog with the
// mouse and keys, the new start it offers, and the windows of that new start,
// in this process and in a new process of the program on the same file.
#include "app/config/configuration.h"
#include "app/config/ini_file.h"
#include "shell/display_size.h"
#include "shell/settings_dialog.h"
#include "shell/tests/xcb/x_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace qvk::shell::xcb_test {
namespace {

// The size of a window as the X server has it (without the manager's frame).
QSize x_size(xcb_window_t window)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c || !window)
        return {};
    xcb_get_geometry_reply_t* r = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    const QSize size = r ? QSize(r->width, r->height) : QSize();
    std::free(r);
    return size;
}

QSize x_size(const QWidget* w)
{
    const QWindow* handle = w->windowHandle();
    return handle && handle->handle() ? x_size(static_cast<xcb_window_t>(handle->winId())) : QSize();
}

// Two sizes in about the ratio of two display sizes.
::testing::AssertionResult grown(double from, double to, double factor)
{
    const double ratio = to / from;
    if (ratio > factor * 0.9 && ratio < factor * 1.1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << from << " -> " << to << " is " << ratio << ", not about " << factor;
}

int field_font_pixels(const Program& p)
{
    const auto* a1 = p.find<QLineEdit>("a1");
    return a1 ? QFontInfo(a1->font()).pixelSize() : 0;
}

using DisplaySize = OnX11;

TEST_F(DisplaySize, ChosenInTheDialogItOffersANewStartThatShowsTheWindowsLarger)
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("qvkalkor.ini"));
    QSize plain;
    QSize plainDialog;
    int plainFont = 0;
    {
        bool restarted = false;
        Program p({true, folder.path(), [&] { restarted = true; }});
        settle();
        plain = x_size(p.window.get());
        plainFont = field_font_pixels(p);
        ASSERT_TRUE(plain.isValid());
        ASSERT_GT(plainFont, 0);

        Tnastaveni* d = p.window->settingsDialog();
        auto* sizes = d->findChild<QComboBox*>(QStringLiteral("velikost_zobrazeni"));
        ASSERT_NE(sizes, nullptr);
        plainDialog = d->size();
        bool chosen = false;
        whenShown(d, [&] {
            activate(d);
            EXPECT_EQ(sizes->currentText(), QStringLiteral("100 %"));
            p.click(sizes);
            press({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")});
            EXPECT_EQ(sizes->currentText(), QStringLiteral("150 %"));
            chosen = true;
            p.click(d->findChild<QPushButton*>(QStringLiteral("ok_button")));
        });
        p.boxes.pause();
        QString asked;
        QString askedTitle;
        whenShown([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                  [&](QWidget* w) {
                      auto* box = static_cast<QMessageBox*>(w);
                      asked = box->text();
                      askedTitle = wm_name(box);
                      p.click(box->button(QMessageBox::Yes));
                  });
        press({QStringLiteral("ctrl+n")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return chosen && !asked.isEmpty() && restarted; }, 15000));
        EXPECT_EQ(askedTitle, QStringLiteral("QVkalkor"));
        EXPECT_EQ(asked, QStringLiteral("Nová velikost zobrazení se projeví po novém spuštění programu.\n"
                                        "Spustit program znovu nyní ?"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !p.window->isVisible(); }, 5000));
        // Saved before the new start.
        const config::IniFile stored = config::IniFile::load(ini);
        EXPECT_EQ(stored.readInteger(QStringLiteral("nastaveni"), QStringLiteral("velikost_zobrazeni"), -1), 150);
        EXPECT_EQ(d->size(), plainDialog); // this run keeps its size
        p.boxes.resume();
    }

    // The new start, as main() makes it, in this process.
    const int size = fitting_display_size(config::stored_display_size(config::Locations::forProgram(
        config::with_separator(folder.path()))));
    ASSERT_EQ(size, 150);
    apply_display_size(*qApp, size);
    QSize large;
    {
        Program p({true, folder.path(), [] {}, size});
        settle();
        large = x_size(p.window.get());
        EXPECT_TRUE(grown(plain.width(), large.width(), 1.5));
        EXPECT_TRUE(grown(plain.height(), large.height(), 1.5));
        EXPECT_TRUE(grown(plainFont, field_font_pixels(p), 1.5));
        EXPECT_EQ(large, p.window->size());
        // The dialog shows the size kept, and opens grown as well.
        Tnastaveni* d = p.window->settingsDialog();
        bool seen = false;
        whenShown(d, [&] {
            EXPECT_EQ(d->findChild<QComboBox*>(QStringLiteral("velikost_zobrazeni"))->currentText(),
                      QStringLiteral("150 %"));
            EXPECT_TRUE(grown(plainDialog.width(), x_size(d).width(), 1.5));
            EXPECT_TRUE(grown(plainDialog.height(), x_size(d).height(), 1.5));
            seen = true;
            press({QStringLiteral("Escape")});
        });
        press({QStringLiteral("ctrl+n")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return seen && !d->isVisible(); }, 10000));
        EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
    }

    // A new process of the program beside the same file.
    const QString program = folder.filePath(QStringLiteral("qvkalkor"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QVK_PROGRAM), program));
    QProcess run;
    run.start(program, {});
    ASSERT_TRUE(run.waitForStarted(5000));
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--sync"),
                                             QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                             QString::number(run.processId()), QStringLiteral("--name"),
                                             QStringLiteral("^QVkalkor - v")});
    const bool found = search.waitForFinished(15000) && search.exitCode() == 0;
    const xcb_window_t id = found ? search.readAllStandardOutput().trimmed().split('\n').value(0).toUInt() : 0;
    EXPECT_NE(id, 0u);
    settle();
    EXPECT_EQ(x_size(id), large);
    run.terminate();
    if (!run.waitForFinished(5000))
        run.kill();
}

TEST_F(DisplaySize, StoredSizeTooLargeForTheScreenStartsSmaller)
{
    const QFont font = QApplication::font();
    EXPECT_EQ(fitting_display_size(200, font, QSize(4000, 3000)), 200);
    EXPECT_EQ(fitting_display_size(150, font, QSize(4000, 3000)), 150);
    EXPECT_EQ(fitting_display_size(200, font, QSize(640, 480)), 150);
    EXPECT_EQ(fitting_display_size(200, font, QSize(500, 380)), 100);
    EXPECT_EQ(fitting_display_size(200, font, QSize(100, 100)), 100);
    const int at200 = fitting_display_size(200, font, QSize(1024, 540));
    EXPECT_LT(at200, 200);
    EXPECT_GT(at200, 100);
    // The screen under test (1280 x 1024) takes every size.
    EXPECT_EQ(fitting_display_size(200), 200);
}

// Every caption and control of the settings dialog has the room its text
// needs, and lies within the dialog, at each size.
class DialogAtSize : public OnX11, public ::testing::WithParamInterface<int> {};

TEST_P(DialogAtSize, SettingsDialogIsNotClipped)
{
    const int size = GetParam();
    apply_display_size(*qApp, size);
    Program::Options plain;
    plain.configuration = false;
    Program p(plain);
    Tnastaveni* d = p.window->settingsDialog();
    bool seen = false;
    whenShown(d, [&] {
        const QRect inside = d->rect();
        for (QWidget* w : d->findChildren<QWidget*>()) {
            if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                     qobject_cast<QComboBox*>(w)))
                continue;
            const QString what = w->objectName() + u' ' + w->property("text").toString();
            EXPECT_GE(w->width(), w->sizeHint().width()) << what.toStdString();
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << what.toStdString();
            EXPECT_TRUE(inside.contains(QRect(w->mapTo(d, QPoint(0, 0)), w->size()))) << what.toStdString();
        }
        seen = true;
        press({QStringLiteral("Escape")});
    });
    press({QStringLiteral("ctrl+n")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen && !d->isVisible(); }, 10000));
}

INSTANTIATE_TEST_SUITE_P(Sizes, DialogAtSize, ::testing::ValuesIn(config::kDisplaySizes));

} // namespace
} // namespace qvk::shell::xcb_test
