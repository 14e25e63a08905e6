#include "app/config/ini_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace qvk::config;
using namespace qvk::config::testing;

namespace {

struct IntCase {
    const char* stored; // nullptr: the key is missing
    int expected;       // with the default 42
};

class ReadInteger : public ::testing::TestWithParam<IntCase> {};

TEST_P(ReadInteger, StoredTextGivesValueOrDefault)
{
    const IntCase c = GetParam();
    QByteArray text = "[nastaveni]\r\n";
    if (c.stored)
        text += QByteArray("hlavni=") + c.stored + "\r\n";
    EXPECT_EQ(IniFile::parse(text).readInteger(QStringLiteral("nastaveni"), QStringLiteral("hlavni"), 42), c.expected)
        << (c.stored ? c.stored : "(missing)");
}

INSTANTIATE_TEST_SUITE_P(Values, ReadInteger,
                         ::testing::Values(IntCase{nullptr, 42}, IntCase{"3", 3}, IntCase{"-7", -7}, IntCase{"+5", 5},
                                           IntCase{"0", 0}, IntCase{"0x1F", 31}, IntCase{"0X1f", 31},
                                           IntCase{"$ff", 255}, IntCase{"-$10", -16}, IntCase{"  12  ", 12},
                                           IntCase{"\t8\t", 8}, IntCase{"\"4\"", 4}, IntCase{"", 42},
                                           IntCase{"abc", 42}, IntCase{"1.5", 42}, IntCase{"1,5", 42},
                                           IntCase{"12 ; note", 42}, IntCase{"0x", 42}, IntCase{"$", 42},
                                           IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", -2147483647 - 1},
                                           IntCase{"2147483648", 42}, IntCase{"99999999999", 42},
                                           IntCase{"1e3", 42}));

struct BoolCase {
    const char* stored;
    bool fallback;
    bool expected;
};

class ReadBool : public ::testing::TestWithParam<BoolCase> {};

TEST_P(ReadBool, AnyNonZeroIntegerIsTrue)
{
    const BoolCase c = GetParam();
    QByteArray text = "[nastaveni]\n";
    if (c.stored)
        text += QByteArray("vypis_reseni=") + c.stored + "\n";
    EXPECT_EQ(IniFile::parse(text).readBool(QStringLiteral("nastaveni"), QStringLiteral("vypis_reseni"), c.fallback),
              c.expected)
        << (c.stored ? c.stored : "(missing)");
}

INSTANTIATE_TEST_SUITE_P(Values, ReadBool,
                         ::testing::Values(BoolCase{nullptr, true, true}, BoolCase{nullptr, false, false},
                                           BoolCase{"0", true, false}, BoolCase{"1", false, true},
                                           BoolCase{"2", false, true}, BoolCase{"-1", false, true},
                                           BoolCase{"0x10", false, true}, BoolCase{"yes", false, false},
                                           BoolCase{"true", true, true}, BoolCase{"", false, false}));

TEST(IniFile, FindsKeysByNameInTheirOwnSectionOnly)
{
    const IniFile ini = IniFile::parse("hlavni=7\r\n"
                                       "; comment=8\r\n"
                                       "[jine]\r\n"
                                       "hlavni=6\r\n"
                                       "[ NASTAVENI ]\r\n"
                                       "# hlavni=5\r\n"
                                       "  Hlavni = 3 \r\n"
                                       "hlavni=4\r\n"
                                       "[nastaveni]\r\n"
                                       "cisla=2\r\n");
    const QString s = QStringLiteral("nastaveni");
    EXPECT_EQ(ini.readInteger(s, QStringLiteral("hlavni"), -1), 3); // the first one counts
    EXPECT_EQ(ini.readInteger(s, QStringLiteral("cisla"), -1), 2);  // a repeated section is still searched
    EXPECT_EQ(ini.readInteger(QStringLiteral("jine"), QStringLiteral("hlavni"), -1), 6);
    EXPECT_EQ(ini.readInteger(s, QStringLiteral("comment"), -1), -1);
    EXPECT_EQ(ini.readInteger(QStringLiteral("poloha"), QStringLiteral("left"), -1), -1);
}

TEST(IniFile, KeepsEveryByteWhenNothingChanges)
{
    const QByteArray samples[] = {
        "",
        "[nastaveni]\r\nhlavni=1\r\n",
        "[nastaveni]\nhlavni=1",
        "\xEF\xBB\xBF[nastaveni]\r\nhlavni=1\r\n",
        "; m\xC3\xADsto\r\n\r\n[a]\nb=c\r\n  \r\nno equals sign\r\n[x",
        "\r\n\n\r\n",
    };
    for (const QByteArray& s : samples)
        EXPECT_EQ(IniFile::parse(s).toBytes(), s) << s.toStdString();
}

struct EditCase {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class SetValue : public ::testing::TestWithParam<EditCase> {};

TEST_P(SetValue, ChangesOnlyWhatItMust)
{
    const EditCase c = GetParam();
    IniFile ini = IniFile::parse(c.before);
    ini.setValue(QString::fromUtf8(c.section), QString::fromUtf8(c.key), QString::fromUtf8(c.value));
    EXPECT_EQ(ini.toBytes(), QByteArray(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetValue,
    ::testing::Values(
        // In place, keeping the key's spelling and the line end.
        EditCase{"[Nastaveni]\r\n ; x\r\n  HLAVNI = 3 \r\nzbytek=1\r\n", "nastaveni", "hlavni", "9",
                 "[Nastaveni]\r\n ; x\r\nHLAVNI=9\r\nzbytek=1\r\n"},
        // At the end of its section, before the blank line and the next section.
        EditCase{"[nastaveni]\r\nhlavni=1\r\n\r\n[poloha]\r\nleft=2\r\n", "nastaveni", "d2", "4",
                 "[nastaveni]\r\nhlavni=1\r\nd2=4\r\n\r\n[poloha]\r\nleft=2\r\n"},
        // A last line without a line end gets one.
        EditCase{"[poloha]\r\nleft=2", "poloha", "top", "5", "[poloha]\r\nleft=2\r\ntop=5\r\n"},
        EditCase{"[jine]\nx=1", "poloha", "top", "5", "[jine]\nx=1\n[poloha]\ntop=5\n"},
        // An empty section header gets its first key.
        EditCase{"[poloha]\r\n[dalsi]\r\n", "poloha", "top", "-5", "[poloha]\r\ntop=-5\r\n[dalsi]\r\n"},
        // The first of two sections of that name.
        EditCase{"[a]\nx=1\n[b]\n[a]\ny=2\n", "a", "z", "3", "[a]\nx=1\nz=3\n[b]\n[a]\ny=2\n"},
        // A key already present in the second section of that name.
        EditCase{"[a]\nx=1\n[a]\ny=2\n", "a", "y", "7", "[a]\nx=1\n[a]\ny=7\n"}));

TEST(IniFile, NewFileUsesTheNativeLineEnd)
{
    IniFile ini;
    ini.writeInteger(QStringLiteral("nastaveni"), QStringLiteral("hlavni"), 2);
    ini.writeBool(QStringLiteral("nastaveni"), QStringLiteral("vypis_reseni"), false);
    ini.writeBool(QStringLiteral("poloha"), QStringLiteral("x"), true);
#ifdef Q_OS_WIN
    EXPECT_EQ(ini.toBytes(), QByteArray("[nastaveni]\r\nhlavni=2\r\nvypis_reseni=0\r\n[poloha]\r\nx=1\r\n"));
#else
    EXPECT_EQ(ini.toBytes(), QByteArray("[nastaveni]\nhlavni=2\nvypis_reseni=0\n[poloha]\nx=1\n"));
#endif
}

TEST(IniFile, MissingOrUnreadableFileIsEmpty)
{
    QTemporaryDir dir;
    EXPECT_EQ(IniFile::load(dir.filePath(QStringLiteral("missing.ini"))).toBytes(), QByteArray());
    // A folder of that name cannot be read as a file.
    EXPECT_EQ(IniFile::load(dir.path()).toBytes(), QByteArray());
}

TEST(IniFile, SaveWritesTheWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("qvkalkor.ini"));
    write_bytes(path, "old content that is longer than the new one\r\n");
    IniFile ini = IniFile::parse("[a]\r\n");
    ini.writeInteger(QStringLiteral("a"), QStringLiteral("b"), 1);
    ASSERT_TRUE(ini.save(path));
    EXPECT_EQ(read_bytes(path), QByteArray("[a]\r\nb=1\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("qvkalkor.ini")});
}

TEST(IniFile, FailedSaveLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("qvkalkor.ini"));
    const QByteArray old = "[nastaveni]\r\nhlavni=3\r\n";
    write_bytes(path, old);
    IniFile ini = IniFile::parse(old);
    ini.setValue(QStringLiteral("nastaveni"), QStringLiteral("dlouhy"), QString(4000, u'9'));

    // The disk fills up in the middle of the write.
    bool saved = true;
    while_disk_full(1024, [&] { saved = ini.save(path); });
    EXPECT_FALSE(saved);
    EXPECT_EQ(read_bytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("qvkalkor.ini")});

    // A folder that is in truth a file.
    const QString blocker = dir.filePath(QStringLiteral("file"));
    write_bytes(blocker, "x");
    EXPECT_FALSE(ini.save(blocker + QStringLiteral("/qvkalkor.ini")));
    EXPECT_EQ(read_bytes(blocker), QByteArray("x"));
}

TEST(IniFile, FailedSaveInAReadOnlyFolderLeavesTheOldFile)
{
    if (permissions_ignored())
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/qvkalkor.ini");
    write_bytes(path, "[a]\nb=1\n");
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    IniFile ini;
    ini.writeInteger(QStringLiteral("a"), QStringLiteral("b"), 2);
    EXPECT_FALSE(ini.save(path));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(read_bytes(path), QByteArray("[a]\nb=1\n"));
}

} // namespace
