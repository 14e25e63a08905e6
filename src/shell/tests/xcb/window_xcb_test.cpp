// The main window on a real desktop: where it opens, a first multi-user start
// on a fresh account, a page index outside its set, the figure sheets, the
// settings spin boxes and Stop in a long run.
#include "app/config/ini_file.h"
#include "app/navigation.h"
#include "shell/settings_dialog.h"
#include "shell/tests/xcb/x_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace qvk::shell::xcb_test {
namespace {

void write(const QString& path, const QByteArray& text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

using Window = OnX11;

TEST_F(Window, StoredPositionNearTheEdgeIsNotSnapped)
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("qvkalkor.ini"));
    write(ini, "[poloha]\r\nleft=5\r\ntop=5\r\n");
    {
        Program p({true, folder.path()});
        settle();
        EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->pos() == QPoint(5, 5); }, 2000)) << p.window->x() << ","
                                                                                             << p.window->y();
        QTest::qWait(300); // a late snap would come now
        EXPECT_EQ(p.window->pos(), QPoint(5, 5));
    }
    const config::IniFile stored = config::IniFile::load(ini);
    EXPECT_EQ(stored.readInteger(QStringLiteral("poloha"), QStringLiteral("left"), -1), 5);
    EXPECT_EQ(stored.readInteger(QStringLiteral("poloha"), QStringLiteral("top"), -1), 5);
}

TEST_F(Window, FirstStartStoresThePositionTheWindowIsPlacedAt)
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("qvkalkor.ini"));
    Program p({true, folder.path()});
    settle();
    // Written at the end of the start, before the window manager has moved the window.
    const config::IniFile stored = config::IniFile::load(ini);
    const QPoint saved(stored.readInteger(QStringLiteral("poloha"), QStringLiteral("left"), -1),
                       stored.readInteger(QStringLiteral("poloha"), QStringLiteral("top"), -1));
    EXPECT_GT(saved.x(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->pos() == saved; }, 2000))
        << saved.x() << "," << saved.y() << " " << p.window->x() << "," << p.window->y();
}

TEST_F(Window, AMoveOfTheUserNearTheEdgeSnaps)
{
    Program p;
    settle();
    QTest::qWait(300);
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowmove"),
                                                  QString::number(p.window->windowHandle()->winId()),
                                                  QStringLiteral("6"), QStringLiteral("200")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->x() == 0; }, 3000)) << p.window->x();
}

TEST_F(Window, FirstMultiUserStartOnAnAccountWithoutAConfigurationFolder)
{
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("fresh/.config"));
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    QTemporaryDir folder;
    write(folder.filePath(QStringLiteral("users.qvp")), "x");
    const QString file = config + QStringLiteral("/QVkalkor/qvkalkor.ini");
    {
        Program p({true, folder.path()});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !p.boxes.seen().isEmpty(); }, 3000));
        ASSERT_EQ(p.boxes.seen().size(), 1);
        EXPECT_EQ(p.boxes.seen().constFirst().wmTitle, QStringLiteral("QVkalkor - 1.spuštění"));
        EXPECT_EQ(p.boxes.seen().constFirst().text, QStringLiteral("Konfigurační soubor : ") + file);
        EXPECT_TRUE(QFile::exists(file));
    }
    qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(Window, APageIndexOutsideItsSetShowsNoPageUntilATabIsClicked)
{
    QTemporaryDir folder;
    write(folder.filePath(QStringLiteral("qvkalkor.ini")), "[nastaveni]\r\nhlavni=9\r\n");
    Program p({true, folder.path()});
    settle();
    auto* druh = p.find<QTabWidget>("druh");
    EXPECT_EQ(p.model.index(QStringLiteral("druh")), -1);
    ASSERT_NE(druh->currentWidget(), nullptr);
    EXPECT_FALSE(druh->currentWidget()->isVisible());

    QTabBar* bar = druh->tabBar();
    const QPoint first = on_screen(bar, bar->tabRect(0).center());
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(first.x()),
                                                  QString::number(first.y()), QStringLiteral("click"),
                                                  QStringLiteral("1")});
    settle();
    EXPECT_EQ(p.model.index(QStringLiteral("druh")), 0);
    EXPECT_TRUE(druh->currentWidget()->isVisible());
}

TEST_F(Window, PageKeysInsideAFigureSheetDoNotChangeIt)
{
    Program p;
    app::show_page(p.model, p.registry, 3, 2);
    settle();
    auto* sheets = p.find<QTabWidget>("d2_page");
    ASSERT_EQ(sheets->currentIndex(), 2);
    QWidget* sheet = sheets->currentWidget();
    sheet->setFocusPolicy(Qt::StrongFocus);
    sheet->setFocus();
    press({QStringLiteral("ctrl+Tab"), QStringLiteral("ctrl+Next"), QStringLiteral("ctrl+Prior")});
    EXPECT_EQ(sheets->currentIndex(), 2);
    EXPECT_EQ(p.model.index(QStringLiteral("d2_page")), 2);
}

TEST_F(Window, SettingsSpinBoxesTakeTypedValuesAndClampThemWhenLeft)
{
    Program p;
    Tnastaveni* d = p.window->settingsDialog();
    bool done = false;
    whenShown(d, [&] {
        auto* places = d->findChild<QSpinBox*>(QStringLiteral("zao_spin"));
        auto* seconds = d->findChild<QSpinBox*>(QStringLiteral("zao_uv_spin"));
        activate(d);
        p.click(places);
        press({QStringLiteral("ctrl+a")});
        type_text(QStringLiteral("50"));
        EXPECT_EQ(places->text(), QStringLiteral("50"));
        press({QStringLiteral("Tab")});
        EXPECT_EQ(places->value(), 12);
        p.click(seconds);
        press({QStringLiteral("ctrl+a")});
        type_text(QStringLiteral("3"));
        p.click(d->findChild<QPushButton*>(QStringLiteral("ok_button")));
        done = true;
    });
    press({QStringLiteral("ctrl+n")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return done && !d->isVisible(); }, 10000));
    EXPECT_EQ(p.model.settings().zaokrouhleni, 12);
    EXPECT_EQ(p.model.settings().zaokrouhleni_uh_vt, 3);
}

TEST_F(Window, StopPressedInALongRunEndsIt)
{
    Program p;
    app::show_page(p.model, p.registry, 1, 0);
    p.model.setText(QStringLiteral("zadani_prv"), QStringLiteral("9223372036854775783"));
    settle();
    auto* start = p.find<QPushButton>("rozloz");
    auto* stop = p.find<QPushButton>("prerus");
    bool wasEnabled = false;
    QTimer::singleShot(400, [&] {
        wasEnabled = stop->isEnabled();
        p.click(stop);
    });
    p.click(start);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.model.text(QStringLiteral("stav")) == QStringLiteral("Výpočet nedokončen"); },
                                20000));
    EXPECT_TRUE(wasEnabled);
    EXPECT_TRUE(start->isEnabled());
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

} // namespace
} // namespace qvk::shell::xcb_test
