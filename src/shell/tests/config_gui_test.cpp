// The configuration store inside the real window (offscreen): first
// activation, the menu commands and the save at exit, in temporary folders.
#include "app/assembly.h"
#include "app/config/ini_file.h"
#include "shell/application.h"
#include "shell/config_binding.h"
#include "shell/thlavni.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace qvk::shell {
namespace {

// Answers every message box that turns up with Yes (questions) or OK, and
// records its title and text.
struct BoxAnswerer {
    QStringList seen;
    QTimer timer;
    BoxAnswerer()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.append(box->windowTitle() + u'|' + box->text());
            QAbstractButton* b = box->button(QMessageBox::Yes);
            (b ? b : box->button(QMessageBox::Ok))->click();
        });
        timer.start();
    }
};

// One start of the program: model, window and configuration in the given folders.
struct Start {
    WindowModel model;
    Registry registry;
    std::unique_ptr<Thlavni> window;
    int restarts = 0;

    explicit Start(const config::Locations& where)
    {
        app::assemble(model, registry);
        window = std::make_unique<Thlavni>(model, registry);
        new ConfigBinding(*window, where, [this] { ++restarts; });
        bool activated = false;
        QObject::connect(window.get(), &Thlavni::firstActivated, [&activated] { activated = true; });
        window->show();
        window->activateWindow();
        // A first-run box may take the focus from the window: wait for the activation itself.
        EXPECT_TRUE(QTest::qWaitFor([&activated] { return activated; }));
    }

    void trigger(const char* item)
    {
        QAction* a = window->binding().action(QString::fromUtf8(item));
        ASSERT_NE(a, nullptr) << item;
        a->trigger();
    }
};

struct ConfigInWindow : testing::Test {
    QTemporaryDir program;
    QTemporaryDir user;
    config::Locations where;

    void SetUp() override
    {
        ASSERT_TRUE(program.isValid() && user.isValid());
        where.programFolder = program.path() + u'/';
        where.userFolder = user.path() + u'/';
    }

    config::IniFile ini(const QString& path) const { return config::IniFile::load(path); }
    void write(const QString& path, const QByteArray& text) const
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
};

TEST_F(ConfigInWindow, FirstStartWritesTheDefaults)
{
    BoxAnswerer boxes;
    {
        Start s(where);
        ASSERT_TRUE(QFile::exists(where.normalFile()));
    }
    const config::IniFile f = ini(where.normalFile());
    for (const char* key : {"hlavni", "rovnice", "cisla", "d2", "d3", "pocet_rovnic", "vypis_reseni", "vypis_rovnic",
                            "zaokrouhleni", "zaokrouhleni_uh_vt", "ukladat_konf"})
        EXPECT_TRUE(f.value(QStringLiteral("nastaveni"), QString::fromUtf8(key)).has_value()) << key;
    EXPECT_EQ(f.value(QStringLiteral("nastaveni"), QStringLiteral("zaokrouhleni")), std::optional(QStringLiteral("2")));
    EXPECT_TRUE(f.value(QStringLiteral("poloha"), QStringLiteral("left")).has_value());
    EXPECT_TRUE(f.value(QStringLiteral("poloha"), QStringLiteral("top")).has_value());
    EXPECT_TRUE(boxes.seen.isEmpty()) << boxes.seen.join(u'\n').toStdString();
}

// The "Postup" panel shows as the file keeps it, and the file keeps what the
// menu item last chose.
TEST_F(ConfigInWindow, ThePostupPanelIsRememberedFromStartToStart)
{
    BoxAnswerer boxes;
    int narrow = 0;
    {
        Start s(where);
        EXPECT_FALSE(s.window->postupShown()); // a file without the key: hidden
        narrow = s.window->width();
        s.trigger("zobraz_postup");
        EXPECT_TRUE(s.window->postupShown());
    }
    EXPECT_EQ(ini(where.normalFile()).value(QStringLiteral("nastaveni"), QStringLiteral("zobrazit_postup")),
              std::optional(QStringLiteral("1")));
    {
        Start s(where);
        EXPECT_TRUE(s.window->postupShown());
        EXPECT_TRUE(s.window->binding().action(QStringLiteral("zobraz_postup"))->isChecked());
        EXPECT_GT(s.window->width(), narrow);
        s.trigger("zobraz_postup");
        EXPECT_FALSE(s.window->postupShown());
        EXPECT_EQ(s.window->width(), narrow);
    }
    EXPECT_EQ(ini(where.normalFile()).value(QStringLiteral("nastaveni"), QStringLiteral("zobrazit_postup")),
              std::optional(QStringLiteral("0")));
    Start s(where);
    EXPECT_FALSE(s.window->postupShown());
}

TEST_F(ConfigInWindow, RestoresPagesPositionAndSettings)
{
    write(where.normalFile(), "[nastaveni]\r\nhlavni=1\r\ncisla=2\r\nzaokrouhleni=5\r\nvypis_reseni=0\r\n"
                              "[poloha]\r\nleft=30\r\ntop=40\r\n");
    Start s(where);
    auto* druh = s.window->findChild<QTabWidget*>(QStringLiteral("druh"));
    ASSERT_NE(druh, nullptr);
    EXPECT_EQ(druh->currentIndex(), 1);
    EXPECT_EQ(s.model.index(QStringLiteral("cisla1")), 2);
    EXPECT_EQ(s.window->pos(), QPoint(30, 40));
    EXPECT_EQ(s.model.settings().zaokrouhleni, 5);
    EXPECT_FALSE(s.model.settings().vypis_reseni);
}

TEST_F(ConfigInWindow, SaveAtExitFollowsTheCheckMark)
{
    {
        Start s(where);
        Settings changed = s.model.settings();
        changed.zaokrouhleni = 7;
        s.model.setSettings(changed);
    }
    EXPECT_EQ(ini(where.normalFile()).value(QStringLiteral("nastaveni"), QStringLiteral("zaokrouhleni")),
              std::optional(QStringLiteral("7")));
    {
        Start s(where);
        s.trigger("saveconf_end"); // off
        EXPECT_FALSE(s.model.checked(QStringLiteral("saveconf_end")));
        Settings changed = s.model.settings();
        changed.zaokrouhleni = 9;
        s.model.setSettings(changed);
    }
    const config::IniFile f = ini(where.normalFile());
    EXPECT_EQ(f.value(QStringLiteral("nastaveni"), QStringLiteral("zaokrouhleni")), std::optional(QStringLiteral("7")));
    EXPECT_EQ(f.value(QStringLiteral("nastaveni"), QStringLiteral("ukladat_konf")), std::optional(QStringLiteral("1")));
}

TEST_F(ConfigInWindow, SaveCommandWritesAtOnce)
{
    Start s(where);
    Settings changed = s.model.settings();
    changed.zaokrouhleni_uh_vt = 3;
    s.model.setSettings(changed);
    s.trigger("uloz_konf");
    EXPECT_EQ(ini(where.normalFile()).value(QStringLiteral("nastaveni"), QStringLiteral("zaokrouhleni_uh_vt")),
              std::optional(QStringLiteral("3")));
}

TEST_F(ConfigInWindow, DeleteThenExitLeavesNoFile)
{
    BoxAnswerer boxes;
    {
        Start s(where);
        s.trigger("delete_konf");
        EXPECT_FALSE(QFile::exists(where.normalFile()));
        EXPECT_FALSE(s.model.checked(QStringLiteral("saveconf_end")));
    }
    EXPECT_FALSE(QFile::exists(where.normalFile()));
    EXPECT_EQ(boxes.seen, (QStringList{QStringLiteral("QVkalkor|Opravdu odstranit konfiguraci ?"),
                                       QStringLiteral("QVkalkor|Konfigurace úspěšné odstraněna")}));
}

TEST_F(ConfigInWindow, MenuShowsOnlyWhatCanBeDone)
{
    Start s(where);
    emit s.window->mainMenu().application->aboutToShow();
    EXPECT_TRUE(s.model.visible(QStringLiteral("moreuser_on")));
    EXPECT_FALSE(s.model.visible(QStringLiteral("moreuser_off")));
    EXPECT_TRUE(s.model.visible(QStringLiteral("delete_konf")));
    EXPECT_TRUE(s.window->binding().action(QStringLiteral("moreuser_on"))->isVisible());
    EXPECT_FALSE(s.window->binding().action(QStringLiteral("moreuser_off"))->isVisible());
}

TEST_F(ConfigInWindow, MultiUserModeRestartsAndKeepsSettingsPerUser)
{
    BoxAnswerer boxes;
    {
        Start s(where);
        s.trigger("moreuser_on");
        EXPECT_EQ(s.restarts, 1);
        EXPECT_TRUE(QFile::exists(where.markerFile()));
        EXPECT_FALSE(s.window->isVisible()); // this instance ends
    }
    // The restarted program: the folder is new, so the first-run box names the file.
    boxes.seen.clear();
    {
        Start s(where);
        EXPECT_TRUE(QFile::exists(where.multiUserFile()));
        Settings changed = s.model.settings();
        changed.zaokrouhleni = 4;
        s.model.setSettings(changed);
    }
    ASSERT_FALSE(boxes.seen.isEmpty());
    EXPECT_TRUE(boxes.seen.front().startsWith(QStringLiteral("QVkalkor - 1.spuštění|Konfigurační soubor : ")));
    EXPECT_FALSE(QFile::exists(where.normalFile()));
    {
        Start s(where);
        EXPECT_EQ(s.model.settings().zaokrouhleni, 4);
        s.trigger("moreuser_off");
        EXPECT_EQ(s.restarts, 1);
    }
    EXPECT_FALSE(QFile::exists(where.markerFile()));
    EXPECT_TRUE(QFile::exists(where.multiUserFile())); // the user's own file stays
}

TEST_F(ConfigInWindow, LegacyFilesAreCleanedUpAtStart)
{
    write(where.programFolder + QStringLiteral("kalkor.ini"), "[nastaveni]\nzaokrouhleni=6\n");
    write(where.programFolder + QStringLiteral("kalkor.exe"), "old");
    write(where.programFolder + QStringLiteral("kalkor.chm"), "old");
    Start s(where);
    EXPECT_FALSE(QFile::exists(where.programFolder + QStringLiteral("kalkor.exe")));
    EXPECT_FALSE(QFile::exists(where.programFolder + QStringLiteral("kalkor.chm")));
    EXPECT_FALSE(QFile::exists(where.programFolder + QStringLiteral("kalkor.ini")));
    EXPECT_EQ(s.model.settings().zaokrouhleni, 6); // the migrated file was read
}

} // namespace
} // namespace qvk::shell
