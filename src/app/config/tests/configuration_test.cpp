#include "app/assembly.h"
#include "app/config/configuration.h"
#include "app/config/ini_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <deque>
#include <memory>

using namespace qvk;
using namespace qvk::config;
using namespace qvk::config::testing;

namespace {

const QString kNastaveni = QStringLiteral("nastaveni");
const QString kPoloha = QStringLiteral("poloha");

struct Shown {
    bool question;
    Message::Kind kind;
    QString title;
    QString text;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Shown& s)
{
    return os << (s.question ? "ask " : "show ") << int(s.kind) << " [" << s.title.toStdString() << "] "
              << s.text.toStdString();
}

// Answers questions from a script (Yes when it runs out).
class ScriptedHost : public Host {
public:
    std::vector<Shown> shown;
    std::deque<bool> answers;

    void show(const Message& m) override { shown.push_back({false, m.kind, m.title, m.text}); }
    bool ask(const Message& m) override
    {
        shown.push_back({true, m.kind, m.title, m.text});
        if (answers.empty())
            return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void effect(const Effect&) override {}
    std::uint64_t processEvents() override { return 1; }
};

class FakePlatform : public WindowPlatform {
public:
    QSize screen{1024, 768};
    QSize window{382, 262};
    QPoint position{0, 0};
    std::vector<QPoint> moves;
    QStringList calls; // "restart", "end"
    int sizeShown = 100;

    QSize screenSize() const override { return screen; }
    QSize windowSize() const override { return window; }
    QPoint windowPosition() const override { return position; }
    void moveWindow(QPoint p) override
    {
        position = p;
        moves.push_back(p);
    }
    void restartProgram() override { calls.append(QStringLiteral("restart")); }
    void endInstance() override { calls.append(QStringLiteral("end")); }
    int displaySizeShown() const override { return sizeShown; }
};

// One run of the program on the given folders.
struct Session {
    WindowModel model;
    Registry registry;
    ScriptedHost host;
    FakePlatform platform;
    std::unique_ptr<Configuration> config;

    Session(const Locations& where, std::function<void(Registry&)> extra = {})
    {
        app::assemble(model, registry);
        if (extra)
            extra(registry);
        model.setHost(&host);
        config = std::make_unique<Configuration>(model, registry, platform, where,
                                                 [] { return QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9)); });
    }
};

class ConfigTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    Locations where;

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("prog")));
        ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("user")));
        where.programFolder = with_separator(root.filePath(QStringLiteral("prog")));
        where.userFolder = with_separator(root.filePath(QStringLiteral("user")));
    }

    QString normal() const { return where.normalFile(); }
    QString multi() const { return where.multiUserFile(); }
    void marker() const { write_bytes(where.markerFile(), "x"); }
    IniFile stored(const QString& path) const { return IniFile::parse(read_bytes(path)); }
};

TEST_F(ConfigTest, FirstStartInNormalModeWritesTheThirteenKeysWithDefaults)
{
    Session run(where);
    run.config->load_configuration();
    EXPECT_TRUE(run.config->activated());
    EXPECT_FALSE(run.config->multiUser());
    EXPECT_TRUE(run.host.shown.empty());
    // Centred: 1024/2 - 382/2, 768/2 - 262/2.
    EXPECT_EQ(run.platform.position, QPoint(321, 253));
    EXPECT_EQ(read_bytes(normal()), QByteArray("[nastaveni]\n"
                                               "hlavni=0\n"
                                               "rovnice=0\n"
                                               "cisla=0\n"
                                               "d2=0\n"
                                               "d3=0\n"
                                               "pocet_rovnic=2\n"
                                               "vypis_reseni=1\n"
                                               "vypis_rovnic=1\n"
                                               "zaokrouhleni=2\n"
                                               "zaokrouhleni_uh_vt=0\n"
                                               "ukladat_konf=1\n"
                                               "[poloha]\n"
                                               "left=321\n"
                                               "top=253\n"));
    EXPECT_FALSE(QFileInfo::exists(where.userConfigFolder()));
    EXPECT_EQ(run.model.index(QStringLiteral("d3_vyber")), 0);
    EXPECT_TRUE(run.model.checked(QStringLiteral("saveconf_end")));
}

struct PositionCase {
    const char* left; // nullptr: missing
    const char* top;
    QSize screen;
    QPoint expected;
};

class Position : public ConfigTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(Position, StoredPositionIsKeptOnTheWholeScreen)
{
    const PositionCase c = GetParam();
    QByteArray text = "[poloha]\r\n";
    if (c.left)
        text += QByteArray("left=") + c.left + "\r\n";
    if (c.top)
        text += QByteArray("top=") + c.top + "\r\n";
    write_bytes(normal(), text);
    Session run(where);
    run.platform.screen = c.screen;
    run.config->load_configuration();
    EXPECT_EQ(run.platform.position, c.expected);
    const IniFile ini = stored(normal());
    EXPECT_EQ(ini.readInteger(kPoloha, QStringLiteral("left"), -999), c.expected.x());
    EXPECT_EQ(ini.readInteger(kPoloha, QStringLiteral("top"), -999), c.expected.y());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Position,
    ::testing::Values(PositionCase{"5000", "-50", {1024, 768}, {1024 - 382, 0}},
                      PositionCase{"-10", "700", {1024, 768}, {0, 768 - 262}},
                      PositionCase{"642", "506", {1024, 768}, {642, 506}}, // exactly at the edges
                      PositionCase{"643", "507", {1024, 768}, {642, 506}},
                      PositionCase{"0x10", "$20", {1024, 768}, {16, 32}},
                      PositionCase{nullptr, nullptr, {1280, 1024}, {640 - 191, 512 - 131}},
                      PositionCase{"abc", "", {1024, 768}, {321, 253}},
                      PositionCase{"2147483647", "-2147483648", {1024, 768}, {1024 - 382, 0}},
                      // A window larger than the screen stands at 0.
                      PositionCase{"100", "100", {300, 200}, {0, 0}},
                      // Odd sizes: each half truncated on its own.
                      PositionCase{nullptr, nullptr, {1025, 769}, {512 - 191, 384 - 131}}));

struct PageCase {
    const char* file;
    int druh, rov1, cisla1, d2_page, d2_vyber, d3_page, d3_vyber;
};

class Pages : public ConfigTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(Pages, StoredIndicesSelectPagesAndSelectors)
{
    const PageCase c = GetParam();
    write_bytes(normal(), QByteArray("[nastaveni]\r\n") + c.file);
    Session run(where);
    run.config->load_configuration();
    const WindowModel& m = run.model;
    EXPECT_EQ(m.index(QStringLiteral("druh")), c.druh);
    EXPECT_EQ(m.index(QStringLiteral("rov1")), c.rov1);
    EXPECT_EQ(m.index(QStringLiteral("cisla1")), c.cisla1);
    EXPECT_EQ(m.index(QStringLiteral("d2_page")), c.d2_page);
    EXPECT_EQ(m.index(QStringLiteral("d2_vyber")), c.d2_vyber);
    EXPECT_EQ(m.index(QStringLiteral("d3_page")), c.d3_page);
    EXPECT_EQ(m.index(QStringLiteral("d3_vyber")), c.d3_vyber);
    // The page index is what is written back, not the selector item.
    const IniFile ini = stored(normal());
    EXPECT_EQ(ini.readInteger(kNastaveni, QStringLiteral("hlavni"), -99), c.druh);
    EXPECT_EQ(ini.readInteger(kNastaveni, QStringLiteral("d3"), -99), c.d3_page);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Pages,
    ::testing::Values(PageCase{"hlavni=9\r\n", -1, 0, 0, 0, 0, 0, 0},
                      PageCase{"hlavni=-1\r\nrovnice=3\r\ncisla=5\r\n", -1, -1, -1, 0, 0, 0, 0},
                      PageCase{"hlavni=4\r\nrovnice=2\r\ncisla=4\r\nd2=7\r\nd3=4\r\n", 4, 2, 4, 7, 7, 4, 5},
                      PageCase{"d2=8\r\nd3=5\r\n", 0, 0, 0, -1, -1, 5, 4},
                      PageCase{"d2=3\r\nd3=6\r\n", 0, 0, 0, 3, 3, -1, -1},
                      PageCase{"d3=3\r\nhlavni=x\r\n", 0, 0, 0, 0, 0, 3, 3}));

struct SettingsCase {
    const char* file;
    int pocet;
    bool reseni, rovnic;
    int places, arcPlaces;
    bool atExit;
};

class StoredSettings : public ConfigTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(StoredSettings, AreUsedAsStoredExceptTheEquationCount)
{
    const SettingsCase c = GetParam();
    write_bytes(normal(), QByteArray("[nastaveni]\r\n") + c.file);
    Session run(where);
    run.config->load_configuration();
    EXPECT_EQ(run.model.value(QStringLiteral("pocet_rovnic")), c.pocet);
    EXPECT_EQ(run.model.settings().vypis_reseni, c.reseni);
    EXPECT_EQ(run.model.settings().vypis_rovnic, c.rovnic);
    EXPECT_EQ(run.model.settings().zaokrouhleni, c.places);
    EXPECT_EQ(run.model.settings().zaokrouhleni_uh_vt, c.arcPlaces);
    EXPECT_EQ(run.model.checked(QStringLiteral("saveconf_end")), c.atExit);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredSettings,
    ::testing::Values(
        SettingsCase{"", 2, true, true, 2, 0, true},
        SettingsCase{"pocet_rovnic=13\r\nvypis_reseni=0\r\nvypis_rovnic=0\r\nzaokrouhleni=7\r\n"
                     "zaokrouhleni_uh_vt=3\r\nukladat_konf=0\r\n",
                     13, false, false, 7, 3, false},
        SettingsCase{"pocet_rovnic=30\r\nvypis_reseni=5\r\nvypis_rovnic=-1\r\nzaokrouhleni=50\r\n"
                     "zaokrouhleni_uh_vt=-2\r\nukladat_konf=0x2\r\n",
                     26, true, true, 50, -2, true},
        SettingsCase{"pocet_rovnic=1\r\nvypis_reseni=ne\r\nzaokrouhleni=dve\r\nukladat_konf=\r\n", 2, true, true, 2, 0,
                     true},
        SettingsCase{"pocet_rovnic=-2147483648\r\n", 2, true, true, 2, 0, true}));

TEST_F(ConfigTest, FirstActivationRunsItsStepsInOrder)
{
    write_bytes(normal(), "[nastaveni]\r\npocet_rovnic=5\r\nd2=2\r\nd3=4\r\n[poloha]\r\nleft=5000\r\ntop=9\r\n");
    QStringList log;
    FakePlatform* platform = nullptr;
    Session run(where, [&](Registry& r) {
        r.add(QStringLiteral("pocet_rovnicChange"), [&](WindowModel& m) {
            // Settings are in place, the window not yet kept on screen.
            log.append(QStringLiteral("pocet %1 at %2")
                           .arg(m.value(QStringLiteral("pocet_rovnic")))
                           .arg(platform->position.x()));
        });
        r.add(QStringLiteral("d2_vyberChange"), [&](WindowModel& m) {
            log.append(QStringLiteral("d2 %1 at %2").arg(m.index(QStringLiteral("d2_vyber"))).arg(platform->position.x()));
        });
        r.add(QStringLiteral("d3_vyberChange"), [&](WindowModel& m) {
            // The file is written only after the selectors have run.
            log.append(QStringLiteral("d3 %1 stored %2")
                           .arg(m.index(QStringLiteral("d3_vyber")))
                           .arg(IniFile::load(where.normalFile()).readInteger(kPoloha, QStringLiteral("left"), 0)));
            throw std::runtime_error("handler fault");
        });
    });
    platform = &run.platform;
    run.config->load_configuration();
    EXPECT_EQ(log, QStringList({QStringLiteral("pocet 5 at 5000"), QStringLiteral("d2 2 at 642"),
                                QStringLiteral("d3 5 stored 5000")}));
    // A fault in a handler reaches the error display and the start goes on.
    ASSERT_EQ(run.host.shown.size(), 1u);
    EXPECT_EQ(run.host.shown[0], (Shown{false, Message::Kind::Error, kAppTitle, QStringLiteral("handler fault.")}));
    EXPECT_EQ(stored(normal()).readInteger(kPoloha, QStringLiteral("left"), 0), 642);
    EXPECT_EQ(run.platform.moves, (std::vector<QPoint>{{5000, 9}, {642, 9}}));
}

TEST_F(ConfigTest, LaterActivationsDoNothing)
{
    Session run(where);
    run.config->load_configuration();
    write_bytes(normal(), "[nastaveni]\r\nhlavni=3\r\n");
    run.platform.moves.clear();
    run.config->load_configuration();
    EXPECT_EQ(run.model.index(QStringLiteral("druh")), 0);
    EXPECT_TRUE(run.platform.moves.empty());
    EXPECT_EQ(read_bytes(normal()), QByteArray("[nastaveni]\r\nhlavni=3\r\n"));
}

TEST_F(ConfigTest, HandWrittenFileKeepsItsOwnContent)
{
    const QByteArray before = "; written by hand\r\n"
                              "[poloha]\r\n"
                              "top=40\r\n"
                              "monitor=2\r\n"
                              "\r\n"
                              "[NASTAVENI]\r\n"
                              "ukladat_konf=1\r\n"
                              "zaokrouhleni=4\r\n"
                              "hlavni=1\r\n"
                              "barva=modra\r\n"
                              "\r\n"
                              "[okno]\r\n"
                              "vyska=300\r\n";
    write_bytes(normal(), before);
    Session run(where);
    run.platform.screen = QSize(1024, 768);
    run.config->load_configuration();
    EXPECT_EQ(run.model.settings().zaokrouhleni, 4);
    EXPECT_EQ(run.model.index(QStringLiteral("druh")), 1);
    EXPECT_EQ(read_bytes(normal()), QByteArray("; written by hand\r\n"
                                               "[poloha]\r\n"
                                               "top=40\r\n"
                                               "monitor=2\r\n"
                                               "left=321\r\n"
                                               "\r\n"
                                               "[NASTAVENI]\r\n"
                                               "ukladat_konf=1\r\n"
                                               "zaokrouhleni=4\r\n"
                                               "hlavni=1\r\n"
                                               "barva=modra\r\n"
                                               "rovnice=0\r\n"
                                               "cisla=0\r\n"
                                               "d2=0\r\n"
                                               "d3=0\r\n"
                                               "pocet_rovnic=2\r\n"
                                               "vypis_reseni=1\r\n"
                                               "vypis_rovnic=1\r\n"
                                               "zaokrouhleni_uh_vt=0\r\n"
                                               "\r\n"
                                               "[okno]\r\n"
                                               "vyska=300\r\n"));
}

TEST_F(ConfigTest, SaveWritesTheCurrentState)
{
    Session run(where);
    run.config->load_configuration();
    run.model.setIndex(QStringLiteral("druh"), 4);
    run.model.setIndex(QStringLiteral("d3_page"), 5);
    run.model.setIndex(QStringLiteral("d3_vyber"), 4);
    run.model.setValue(QStringLiteral("pocet_rovnic"), 17);
    run.model.setSettings(Settings{9, 4, false, true});
    run.platform.position = QPoint(-3, 12); // the position as the window has it now
    run.config->toggle_save_at_exit();
    run.config->save_configuration();
    EXPECT_TRUE(run.host.shown.empty());
    const IniFile ini = stored(normal());
    const std::pair<const char*, int> expected[] = {
        {"hlavni", 4},       {"d3", 5},        {"pocet_rovnic", 17}, {"zaokrouhleni", 9},
        {"zaokrouhleni_uh_vt", 4}, {"vypis_reseni", 0}, {"vypis_rovnic", 1}, {"ukladat_konf", 0},
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ(ini.readInteger(kNastaveni, QString::fromLatin1(key), -99), value) << key;
    EXPECT_EQ(ini.readInteger(kPoloha, QStringLiteral("left"), -99), -3);
    EXPECT_EQ(ini.readInteger(kPoloha, QStringLiteral("top"), -99), 12);
}

TEST_F(ConfigTest, ToggleSaveAtExitWritesNothing)
{
    Session run(where);
    EXPECT_TRUE(run.model.checked(QStringLiteral("saveconf_end")));
    run.config->toggle_save_at_exit();
    EXPECT_FALSE(run.model.checked(QStringLiteral("saveconf_end")));
    EXPECT_FALSE(QFileInfo::exists(normal()));
    run.config->save_at_exit();
    EXPECT_FALSE(QFileInfo::exists(normal()));
    run.config->toggle_save_at_exit();
    run.config->save_at_exit();
    EXPECT_TRUE(QFileInfo::exists(normal()));
}

TEST_F(ConfigTest, FailedSaveLeavesThePreviousFileAndShowsNothing)
{
    const QByteArray old = "[nastaveni]\r\nhlavni=2\r\n";
    write_bytes(normal(), old);
    Session run(where);
    run.config->load_configuration();
    const QByteArray afterStart = read_bytes(normal());
    run.model.setIndex(QStringLiteral("druh"), 3);
    while_disk_full(afterStart.size() / 2, [&] { run.config->save_configuration(); });
    EXPECT_EQ(read_bytes(normal()), afterStart);
    EXPECT_EQ(QDir(where.programFolder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("qvkalkor.ini")});
    EXPECT_TRUE(run.host.shown.empty());
}

TEST_F(ConfigTest, SaveIntoAReadOnlyFolderLeavesThePreviousFile)
{
    if (permissions_ignored())
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    write_bytes(normal(), "[nastaveni]\nhlavni=2\n");
    Session run(where);
    QFile::setPermissions(where.programFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    run.config->load_configuration();
    QFile::setPermissions(where.programFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(read_bytes(normal()), QByteArray("[nastaveni]\nhlavni=2\n"));
    EXPECT_EQ(run.model.index(QStringLiteral("druh")), 2);
    EXPECT_TRUE(run.host.shown.empty());
}

TEST_F(ConfigTest, DeleteThenExitLeavesNoFileAndTheNextStartRecreatesIt)
{
    {
        Session run(where);
        run.config->load_configuration();
        run.model.setSettings(Settings{6, 1, true, true});
        run.config->save_configuration();
        run.config->delete_configuration();
        EXPECT_EQ(run.host.shown,
                  (std::vector<Shown>{
                      {true, Message::Kind::Warning, kAppTitle, QStringLiteral("Opravdu odstranit konfiguraci ?")},
                      {false, Message::Kind::Information, kAppTitle, QStringLiteral("Konfigurace úspěšné odstraněna")}}));
        EXPECT_FALSE(run.model.checked(QStringLiteral("saveconf_end")));
        run.config->save_at_exit();
        EXPECT_FALSE(QFileInfo::exists(normal()));
    }
    Session next(where);
    next.config->load_configuration();
    EXPECT_EQ(next.model.settings().zaokrouhleni, 2);
    EXPECT_TRUE(QFileInfo::exists(normal()));
}

TEST_F(ConfigTest, DeleteAnsweredNoChangesNothing)
{
    Session run(where);
    run.config->load_configuration();
    run.host.shown.clear();
    run.host.answers = {false};
    run.config->delete_configuration();
    EXPECT_EQ(run.host.shown.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(normal()));
    EXPECT_TRUE(run.model.checked(QStringLiteral("saveconf_end")));
}

TEST_F(ConfigTest, DeleteInMultiUserModeRemovesFileAndFolder)
{
    marker();
    Session run(where);
    run.config->load_configuration();
    ASSERT_TRUE(QFileInfo::exists(multi()));
    run.host.shown.clear();
    run.config->delete_configuration();
    EXPECT_EQ(run.host.shown.back(),
              (Shown{false, Message::Kind::Information, kAppTitle, QStringLiteral("Konfigurace úspěšné odstraněna")}));
    EXPECT_FALSE(QFileInfo::exists(where.userConfigFolder()));
    EXPECT_FALSE(run.model.checked(QStringLiteral("saveconf_end")));
}

TEST_F(ConfigTest, DeleteReportsAFolderThatStays)
{
    marker();
    Session run(where);
    run.config->load_configuration();
    write_bytes(where.userConfigFolder() + QStringLiteral("/other.txt"), "mine");
    run.host.shown.clear();
    run.config->delete_configuration();
    EXPECT_EQ(run.host.shown.back(),
              (Shown{false, Message::Kind::Error, kAppTitle,
                     QStringLiteral("Adresář ") + where.userFolder + QStringLiteral("QVkalkor se smazat nepodařilo")}));
    EXPECT_FALSE(QFileInfo::exists(multi()));
    EXPECT_EQ(read_bytes(where.userConfigFolder() + QStringLiteral("/other.txt")), QByteArray("mine"));
    EXPECT_FALSE(run.model.checked(QStringLiteral("saveconf_end")));
}

TEST_F(ConfigTest, DeleteReportsAFileThatStays)
{
    if (permissions_ignored())
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    Session run(where);
    run.config->load_configuration();
    QFile::setPermissions(where.programFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    run.config->delete_configuration();
    QFile::setPermissions(where.programFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(run.host.shown.back(),
              (Shown{false, Message::Kind::Error, kAppTitle, QStringLiteral("Konfiguraci se nepodařilo odstranit")}));
    EXPECT_TRUE(QFileInfo::exists(normal()));
    EXPECT_FALSE(run.model.checked(QStringLiteral("saveconf_end")));
}

TEST_F(ConfigTest, FirstStartInMultiUserModeCreatesTheFolder)
{
    marker();
    write_bytes(normal(), "[nastaveni]\r\nhlavni=3\r\n"); // not read in multi-user mode
    Session run(where);
    run.config->load_configuration();
    EXPECT_TRUE(run.config->multiUser());
    EXPECT_EQ(run.config->configuration_path(), multi());
    EXPECT_EQ(run.host.shown, (std::vector<Shown>{{false, Message::Kind::Information,
                                                    QStringLiteral("QVkalkor - 1.spuštění"),
                                                    QStringLiteral("Konfigurační soubor : ") + multi()}}));
    EXPECT_TRUE(multi().startsWith(where.userFolder + QStringLiteral("QVkalkor")));
    EXPECT_EQ(run.model.index(QStringLiteral("druh")), 0);
    EXPECT_EQ(stored(multi()).readInteger(kPoloha, QStringLiteral("left"), -1), 321);
    EXPECT_EQ(read_bytes(normal()), QByteArray("[nastaveni]\r\nhlavni=3\r\n"));
}

TEST_F(ConfigTest, MultiUserFolderWithoutFileShowsTheOtherTitle)
{
    marker();
    ASSERT_TRUE(QDir().mkdir(where.userConfigFolder()));
    Session run(where);
    run.config->load_configuration();
    EXPECT_EQ(run.host.shown, (std::vector<Shown>{{false, Message::Kind::Information,
                                                    QStringLiteral("QVvýpočet - 1.spuštění"),
                                                    QStringLiteral("Konfigurační soubor : ") + multi()}}));
    EXPECT_TRUE(QFileInfo::exists(multi()));

    Session again(where);
    again.config->load_configuration();
    EXPECT_TRUE(again.host.shown.empty());
}

TEST_F(ConfigTest, MultiUserFolderOfAFreshAccountIsCreatedWithItsParents)
{
    marker();
    // A new account has no configuration folder at all.
    Locations fresh = where;
    fresh.userFolder = with_separator(root.filePath(QStringLiteral("home/new/.config")));
    Session run(fresh);
    run.config->load_configuration();
    EXPECT_EQ(run.host.shown, (std::vector<Shown>{{false, Message::Kind::Information,
                                                    QStringLiteral("QVkalkor - 1.spuštění"),
                                                    QStringLiteral("Konfigurační soubor : ") + fresh.multiUserFile()}}));
    EXPECT_TRUE(QFileInfo::exists(fresh.multiUserFile()));
}

TEST_F(ConfigTest, MultiUserFolderThatCannotBeCreated)
{
    marker();
    // A file stands where a folder on the way should be.
    write_bytes(root.filePath(QStringLiteral("blocked")), "a file");
    Locations missing = where;
    missing.userFolder = with_separator(root.filePath(QStringLiteral("blocked/.config")));
    const Shown box{false, Message::Kind::Error, QStringLiteral("QVkalkor - 1.spuštění"),
                    QStringLiteral("Adresář pro uložení konfigurace se nepodařilo vytvořit\n(") + missing.userFolder +
                        QStringLiteral("QVkalkor)")};
    {
        Session run(missing);
        run.config->load_configuration();
        EXPECT_EQ(run.host.shown, std::vector<Shown>{box});
        EXPECT_TRUE(run.config->activated());
        EXPECT_FALSE(QFileInfo::exists(missing.userConfigFolder()));
    }
    // The platform cannot tell the user folder: nothing is written anywhere.
    Locations unknown = where;
    unknown.userFolder.clear();
    Session run(unknown);
    run.config->load_configuration();
    EXPECT_EQ(run.host.shown,
              (std::vector<Shown>{{false, Message::Kind::Error, QStringLiteral("QVkalkor - 1.spuštění"),
                                   QStringLiteral("Adresář pro uložení konfigurace se nepodařilo vytvořit\n(QVkalkor)")}}));
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(QStringLiteral("QVkalkor/qvkalkor.ini"))) &&
                 !QFileInfo::exists(QStringLiteral("QVkalkor")));
    EXPECT_FALSE(QFileInfo::exists(normal()));
    run.config->save_at_exit();
    EXPECT_FALSE(QFileInfo::exists(normal()));
}

TEST_F(ConfigTest, MultiUserFolderReplacedByAFileFailsSilently)
{
    marker();
    write_bytes(where.userConfigFolder(), "not a folder");
    Session run(where);
    run.config->load_configuration();
    ASSERT_EQ(run.host.shown.size(), 1u);
    EXPECT_EQ(run.host.shown[0].kind, Message::Kind::Error);
    run.config->save_configuration();
    EXPECT_EQ(run.host.shown.size(), 1u);
    EXPECT_EQ(read_bytes(where.userConfigFolder()), QByteArray("not a folder"));
}

TEST_F(ConfigTest, MultiUserOnRestartAndSettingsReadBack)
{
    {
        Session run(where);
        run.config->load_configuration();
        run.host.shown.clear();
        run.config->multi_user_on();
        EXPECT_EQ(run.host.shown,
                  (std::vector<Shown>{{true, Message::Kind::Question, kAppTitle,
                                       QStringLiteral("Opravdu chcete zapnout víceuživatelský režim ?")},
                                      {false, Message::Kind::Information, kAppTitle,
                                       QStringLiteral("Víceuživatelský režim byl úspěšné nastaven")}}));
        EXPECT_TRUE(run.config->multiUser());
        EXPECT_EQ(run.platform.calls, QStringList({QStringLiteral("restart"), QStringLiteral("end")}));
        EXPECT_FALSE(QFileInfo::exists(normal()));
        const QLocale locale = QLocale::system();
        EXPECT_EQ(read_bytes(where.markerFile()),
                  (locale.toString(QDate(2024, 3, 5), QLocale::ShortFormat) + QStringLiteral(" - ") +
                   locale.toString(QTime(7, 8, 9), QLocale::LongFormat))
                      .toLocal8Bit());
        run.config->save_at_exit(); // the folder does not exist yet: silently nothing
        EXPECT_FALSE(QFileInfo::exists(multi()));
        EXPECT_FALSE(QFileInfo::exists(normal()));
    }
    {
        Session run(where);
        run.config->load_configuration();
        EXPECT_TRUE(run.config->multiUser());
        ASSERT_EQ(run.host.shown.size(), 1u);
        EXPECT_EQ(run.host.shown[0].title, QStringLiteral("QVkalkor - 1.spuštění"));
        run.model.setSettings(Settings{8, 2, false, false});
        run.model.setIndex(QStringLiteral("druh"), 3);
        run.model.setIndex(QStringLiteral("d2_page"), 6);
        run.model.setValue(QStringLiteral("pocet_rovnic"), 9);
        run.platform.position = QPoint(10, 20);
        run.config->save_at_exit();
    }
    Session run(where);
    run.config->load_configuration();
    EXPECT_TRUE(run.host.shown.empty());
    EXPECT_EQ(run.model.settings().zaokrouhleni, 8);
    EXPECT_EQ(run.model.settings().zaokrouhleni_uh_vt, 2);
    EXPECT_FALSE(run.model.settings().vypis_reseni);
    EXPECT_FALSE(run.model.settings().vypis_rovnic);
    EXPECT_EQ(run.model.index(QStringLiteral("druh")), 3);
    EXPECT_EQ(run.model.index(QStringLiteral("d2_vyber")), 6);
    EXPECT_EQ(run.model.value(QStringLiteral("pocet_rovnic")), 9);
    EXPECT_EQ(run.platform.position, QPoint(10, 20));
    EXPECT_FALSE(QFileInfo::exists(normal()));
}

TEST_F(ConfigTest, MultiUserOnAnsweredNoOrFailing)
{
    Session run(where);
    run.config->load_configuration();
    run.host.answers = {false};
    run.config->multi_user_on();
    EXPECT_FALSE(QFileInfo::exists(where.markerFile()));
    EXPECT_TRUE(QFileInfo::exists(normal()));
    EXPECT_TRUE(run.platform.calls.isEmpty());

    // The marker cannot be created: a folder of that name stands in the way.
    ASSERT_TRUE(QDir().mkdir(where.markerFile()));
    run.host.shown.clear();
    run.config->multi_user_on();
    EXPECT_EQ(run.host.shown.back(), (Shown{false, Message::Kind::Error, kAppTitle,
                                            QStringLiteral("Víceuživatelský režim se nepodařilo nastavit")}));
    EXPECT_FALSE(run.config->multiUser());
    EXPECT_TRUE(QFileInfo::exists(normal()));
    EXPECT_TRUE(run.platform.calls.isEmpty());
}

TEST_F(ConfigTest, MultiUserOff)
{
    marker();
    Session run(where);
    run.config->load_configuration();
    run.host.shown.clear();
    run.host.answers = {false};
    run.config->multi_user_off();
    EXPECT_TRUE(QFileInfo::exists(where.markerFile()));
    EXPECT_TRUE(run.config->multiUser());

    run.config->multi_user_off();
    EXPECT_EQ(run.host.shown,
              (std::vector<Shown>{{true, Message::Kind::Warning, kAppTitle,
                                   QStringLiteral("Opravdu chcete vypnout víceuživatelský režim ?")},
                                  {true, Message::Kind::Warning, kAppTitle,
                                   QStringLiteral("Opravdu chcete vypnout víceuživatelský režim ?")},
                                  {false, Message::Kind::Information, kAppTitle,
                                   QStringLiteral("Víceuživatelský režim byl úspěšné zrušen")}}));
    EXPECT_FALSE(QFileInfo::exists(where.markerFile()));
    EXPECT_FALSE(run.config->multiUser());
    EXPECT_EQ(run.platform.calls, QStringList({QStringLiteral("restart"), QStringLiteral("end")}));
    EXPECT_TRUE(QFileInfo::exists(multi())); // the user's own file stays

    // The marker is gone already: removing it fails.
    run.platform.calls.clear();
    run.host.shown.clear();
    run.config->multi_user_off();
    EXPECT_EQ(run.host.shown.back(), (Shown{false, Message::Kind::Error, kAppTitle,
                                            QStringLiteral("Víceuživatelský režim se nepodařilo zrušit")}));
    EXPECT_TRUE(run.platform.calls.isEmpty());
}

struct MenuState {
    bool on, off, n3, del, save;
    bool operator==(const MenuState&) const = default;
};

std::ostream& operator<<(std::ostream& os, const MenuState& s)
{
    return os << "on " << s.on << " off " << s.off << " N3 " << s.n3 << " delete " << s.del << " save " << s.save;
}

MenuState menu_of(const WindowModel& m)
{
    return {m.visible(QStringLiteral("moreuser_on")), m.visible(QStringLiteral("moreuser_off")),
            m.visible(QStringLiteral("N3")), m.visible(QStringLiteral("delete_konf")),
            m.visible(QStringLiteral("uloz_konf"))};
}

TEST_F(ConfigTest, MenuInNormalMode)
{
    Session run(where);
    run.config->prepare_menu();
    EXPECT_EQ(menu_of(run.model), (MenuState{true, false, true, false, true}));
    run.config->load_configuration();
    run.config->prepare_menu();
    EXPECT_EQ(menu_of(run.model), (MenuState{true, false, true, true, true}));
    // The probe leaves nothing behind.
    EXPECT_EQ(QDir(where.programFolder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("qvkalkor.ini")});
}

TEST_F(ConfigTest, MenuInMultiUserMode)
{
    marker();
    Session run(where);
    run.config->prepare_menu();
    // No folder yet: "Uložit konfiguraci" goes and stays away.
    EXPECT_EQ(menu_of(run.model), (MenuState{false, true, true, false, false}));
    run.config->load_configuration();
    run.config->prepare_menu();
    EXPECT_EQ(menu_of(run.model), (MenuState{false, true, true, true, false}));
    QFile::remove(multi());
    write_bytes(normal(), "[nastaveni]\r\n"); // a normal file left from before
    run.config->prepare_menu();
    EXPECT_EQ(menu_of(run.model), (MenuState{false, true, true, true, false}));
    QFile::remove(normal());
    run.config->prepare_menu();
    EXPECT_EQ(menu_of(run.model), (MenuState{false, true, true, false, false}));
}

TEST_F(ConfigTest, MenuWithAnUnwritableProgramFolderHidesTheModeItems)
{
    // A program folder below a regular file can never be written.
    write_bytes(root.filePath(QStringLiteral("blocker")), "x");
    Locations blocked = where;
    blocked.programFolder = with_separator(root.filePath(QStringLiteral("blocker/prog")));
    Session run(blocked);
    run.config->load_configuration();
    run.config->prepare_menu();
    EXPECT_EQ(menu_of(run.model), (MenuState{false, false, false, false, true}));
}

TEST_F(ConfigTest, MenuWithAReadOnlyProgramFolderHidesTheModeItems)
{
    if (permissions_ignored())
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    const auto rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    const auto ro = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    {
        write_bytes(normal(), "[nastaveni]\r\n");
        Session run(where);
        QFile::setPermissions(where.programFolder, ro);
        run.config->prepare_menu();
        QFile::setPermissions(where.programFolder, rw);
        EXPECT_EQ(menu_of(run.model), (MenuState{false, false, false, true, true}));
    }
    marker();
    Session run(where);
    QFile::setPermissions(where.programFolder, ro);
    run.config->prepare_menu();
    QFile::setPermissions(where.programFolder, rw);
    EXPECT_EQ(menu_of(run.model), (MenuState{false, false, false, true, false}));
}

// The display size: key "velikost_zobrazeni" in "nastaveni".

struct StoredSize {
    const char* line; // the file's line, or nullptr for a file without it
    int size;
};

class DisplaySize : public ConfigTest, public ::testing::WithParamInterface<StoredSize> {};

TEST_P(DisplaySize, IsReadBeforeTheWindowAndAtTheFirstActivation)
{
    const StoredSize c = GetParam();
    QByteArray file = "[nastaveni]\r\nzaokrouhleni=4\r\n";
    if (c.line)
        file += QByteArray(c.line) + "\r\n";
    write_bytes(normal(), file);
    EXPECT_EQ(stored_display_size(where), c.size);
    Session run(where);
    run.config->load_configuration();
    EXPECT_EQ(run.config->displaySize(), c.size);
    EXPECT_EQ(run.model.settings().zaokrouhleni, 4);
}

INSTANTIATE_TEST_SUITE_P(Cases, DisplaySize,
                         ::testing::Values(StoredSize{nullptr, 100}, StoredSize{"velikost_zobrazeni=100", 100},
                                           StoredSize{"velikost_zobrazeni=125", 125},
                                           StoredSize{"velikost_zobrazeni=150", 150},
                                           StoredSize{"velikost_zobrazeni=200", 200},
                                           StoredSize{"VELIKOST_ZOBRAZENI = 150 ", 150},
                                           StoredSize{"velikost_zobrazeni=0x96", 150},
                                           StoredSize{"velikost_zobrazeni=175", 100},
                                           StoredSize{"velikost_zobrazeni=0", 100},
                                           StoredSize{"velikost_zobrazeni=-150", 100},
                                           StoredSize{"velikost_zobrazeni=150 %", 100},
                                           StoredSize{"velikost_zobrazeni=", 100},
                                           StoredSize{"velikost_zobrazeni=99999999999", 100}));

TEST_F(ConfigTest, DisplaySizeWithoutAFileIsThePlainOne)
{
    EXPECT_EQ(stored_display_size(where), 100);
    Locations nowhere;
    EXPECT_EQ(stored_display_size(nowhere), 100);
}

TEST_F(ConfigTest, ChosenDisplaySizeIsSavedAndReadBack)
{
    {
        Session run(where);
        run.config->load_configuration();
        run.host.answers = {false};
        run.config->choose_display_size(150);
        EXPECT_EQ(run.config->displaySize(), 150);
        EXPECT_TRUE(run.platform.calls.isEmpty());
        run.config->save_at_exit();
    }
    EXPECT_TRUE(read_bytes(normal()).contains("ukladat_konf=1\nvelikost_zobrazeni=150\n"));
    EXPECT_EQ(stored_display_size(where), 150);
    {
        Session run(where);
        run.platform.sizeShown = 150;
        run.config->load_configuration();
        EXPECT_EQ(run.config->displaySize(), 150);
        // Back to the plain size: the key stays, with its new value.
        run.host.answers = {false};
        run.config->choose_display_size(100);
        run.config->save_configuration();
    }
    EXPECT_EQ(stored(normal()).value(kNastaveni, QStringLiteral("velikost_zobrazeni")), QStringLiteral("100"));
    EXPECT_EQ(stored_display_size(where), 100);
}

TEST_F(ConfigTest, DisplaySizeInMultiUserModeIsTheUsersOwn)
{
    write_bytes(normal(), "[nastaveni]\r\nvelikost_zobrazeni=200\r\n");
    marker();
    ASSERT_TRUE(QDir().mkpath(where.userConfigFolder()));
    write_bytes(multi(), "[nastaveni]\r\nvelikost_zobrazeni=125\r\n");
    EXPECT_EQ(stored_display_size(where), 125);
    QFile::remove(multi());
    EXPECT_EQ(stored_display_size(where), 100);
}

TEST_F(ConfigTest, AnotherDisplaySizeOffersANewStartWithTheConfigurationSavedFirst)
{
    Session run(where);
    run.config->load_configuration();
    run.host.shown.clear();
    run.model.setSettings(Settings{7, 1, true, false});
    run.model.setChecked(QStringLiteral("saveconf_end"), false);
    QFile::remove(normal());
    run.config->choose_display_size(200);
    EXPECT_EQ(run.host.shown,
              (std::vector<Shown>{{true, Message::Kind::Question, kAppTitle,
                                   QStringLiteral("Nová velikost zobrazení se projeví po novém spuštění programu.\n"
                                                  "Spustit program znovu nyní ?")}}));
    EXPECT_EQ(run.platform.calls, QStringList({QStringLiteral("restart"), QStringLiteral("end")}));
    // Written although save at exit is off, so the new start loses nothing.
    const IniFile file = stored(normal());
    EXPECT_EQ(file.readInteger(kNastaveni, QStringLiteral("velikost_zobrazeni"), -1), 200);
    EXPECT_EQ(file.readInteger(kNastaveni, QStringLiteral("zaokrouhleni"), -1), 7);
    EXPECT_EQ(file.readBool(kNastaveni, QStringLiteral("ukladat_konf"), true), false);
}

TEST_F(ConfigTest, DisplaySizeAlreadyOnShowOrUnchangedAsksNothing)
{
    Session run(where);
    run.config->load_configuration();
    run.host.shown.clear();
    run.config->choose_display_size(100); // unchanged
    run.platform.sizeShown = 150;         // e.g. chosen, answered No, then chosen back
    run.config->choose_display_size(150);
    EXPECT_TRUE(run.host.shown.empty());
    run.host.answers = {false, false};
    run.config->choose_display_size(125);
    EXPECT_EQ(run.config->displaySize(), 125);
    run.config->choose_display_size(7); // not offered: the plain size
    EXPECT_EQ(run.config->displaySize(), 100);
    EXPECT_EQ(run.host.shown.size(), 2u);
    EXPECT_TRUE(run.platform.calls.isEmpty());
}

// The "Postup" panel: key "zobrazit_postup" in "nastaveni"; a file without it
// (of an older copy) means hidden.

struct StoredPostup {
    const char* line; // nullptr: a file without the key
    bool shown;
};

class PostupShown : public ConfigTest, public ::testing::WithParamInterface<StoredPostup> {};

TEST_P(PostupShown, IsReadAtTheFirstActivation)
{
    const StoredPostup c = GetParam();
    QByteArray file = "[nastaveni]\r\nzaokrouhleni=4\r\n";
    if (c.line)
        file += QByteArray(c.line) + "\r\n";
    write_bytes(normal(), file);
    Session run(where);
    EXPECT_FALSE(run.config->postupShown());
    run.config->load_configuration();
    EXPECT_EQ(run.config->postupShown(), c.shown);
    EXPECT_EQ(run.model.settings().zaokrouhleni, 4);
}

INSTANTIATE_TEST_SUITE_P(Cases, PostupShown,
                         ::testing::Values(StoredPostup{nullptr, false}, StoredPostup{"zobrazit_postup=1", true},
                                           StoredPostup{"zobrazit_postup=0", false},
                                           StoredPostup{"ZOBRAZIT_POSTUP = 1 ", true},
                                           StoredPostup{"zobrazit_postup=", false},
                                           StoredPostup{"zobrazit_postup=ano", false}));

TEST_F(ConfigTest, PostupShownIsSavedAndReadBackAndHiddenLeavesOlderFilesAsTheyWere)
{
    {
        Session run(where);
        run.config->load_configuration();
        EXPECT_FALSE(read_bytes(normal()).contains("zobrazit_postup"));
        run.config->setPostupShown(true);
        run.config->save_at_exit();
    }
    EXPECT_TRUE(read_bytes(normal()).contains("ukladat_konf=1\nzobrazit_postup=1\n"));
    {
        Session run(where);
        run.config->load_configuration();
        EXPECT_TRUE(run.config->postupShown());
        // Hidden again: the key stays, with its new value.
        run.config->setPostupShown(false);
        run.config->save_configuration();
    }
    EXPECT_EQ(stored(normal()).value(kNastaveni, QStringLiteral("zobrazit_postup")), QStringLiteral("0"));
    Session run(where);
    run.config->load_configuration();
    EXPECT_FALSE(run.config->postupShown());
}

TEST(Locations, PathsAndSeparators)
{
    const QString sep = QDir::separator();
    EXPECT_EQ(with_separator(QStringLiteral("/a/b")), QStringLiteral("/a/b").replace(u'/', sep) + sep);
    EXPECT_EQ(with_separator(QStringLiteral("/a/b/")), QStringLiteral("/a/b/").replace(u'/', sep));
    EXPECT_EQ(with_separator(QString()), QString());
    const Locations l{with_separator(QStringLiteral("/p")), with_separator(QStringLiteral("/u"))};
    EXPECT_EQ(l.normalFile(), l.programFolder + QStringLiteral("qvkalkor.ini"));
    EXPECT_EQ(l.markerFile(), l.programFolder + QStringLiteral("users.qvp"));
    EXPECT_EQ(l.userConfigFolder(), l.userFolder + QStringLiteral("QVkalkor"));
    EXPECT_EQ(l.multiUserFile(), l.userFolder + QStringLiteral("QVkalkor") + sep + QStringLiteral("qvkalkor.ini"));
    const Locations unknown{l.programFolder, QString()};
    EXPECT_TRUE(unknown.userConfigFolder().isEmpty());
    EXPECT_TRUE(unknown.multiUserFile().isEmpty());
    const QString user = platform_user_folder();
    EXPECT_TRUE(user.isEmpty() || user.endsWith(sep));
    EXPECT_EQ(Locations::forProgram(QStringLiteral("/p")).programFolder, l.programFolder);
}

TEST(Locations, MissingUserFolderIsCreatedForItsOwner)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString base = root.filePath(QStringLiteral("home/.config"));
    EXPECT_EQ(ensured_user_folder(base), with_separator(base));
    EXPECT_TRUE(QFileInfo(base).isDir());
    EXPECT_EQ(QFileInfo(base).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    // An existing folder keeps the permissions its owner gave it.
    const QString shared = root.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkdir(shared));
    const QFile::Permissions before = QFileInfo(shared).permissions();
    EXPECT_EQ(ensured_user_folder(shared), with_separator(shared));
    EXPECT_EQ(QFileInfo(shared).permissions(), before);
    EXPECT_EQ(ensured_user_folder(QString()), QString());
}

} // namespace
