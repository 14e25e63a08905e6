#include "app/config/configuration.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using namespace qvk::config;
using namespace qvk::config::testing;

namespace {

struct LegacyCase {
    QStringList before; // files beside the program, each holding its own name
    QStringList after;  // "name=content"
};

class LegacyCleanup : public ::testing::TestWithParam<LegacyCase> {};

TEST_P(LegacyCleanup, MigratesOrRemovesTheOldFiles)
{
    const LegacyCase c = GetParam();
    QTemporaryDir dir;
    for (const QString& name : c.before)
        write_bytes(dir.filePath(name), name.toUtf8());
    legacy_cleanup(dir.path());
    QStringList after;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        after.append(name + u'=' + QString::fromUtf8(read_bytes(dir.filePath(name))));
    EXPECT_EQ(after, c.after) << c.before.join(u' ').toStdString();
}

const QString ini = QStringLiteral("kalkor.ini");
const QString exe = QStringLiteral("kalkor.exe");
const QString chm = QStringLiteral("kalkor.chm");
const QString cur = QStringLiteral("qvkalkor.ini");
const QString other = QStringLiteral("qvkalkor.chm");

INSTANTIATE_TEST_SUITE_P(
    Cases, LegacyCleanup,
    ::testing::Values(
        LegacyCase{{}, {}},
        LegacyCase{{other, cur}, {QStringLiteral("qvkalkor.chm=qvkalkor.chm"), QStringLiteral("qvkalkor.ini=qvkalkor.ini")}},
        LegacyCase{{ini}, {QStringLiteral("qvkalkor.ini=kalkor.ini")}},
        LegacyCase{{ini, exe, chm, other},
                   {QStringLiteral("qvkalkor.chm=qvkalkor.chm"), QStringLiteral("qvkalkor.ini=kalkor.ini")}},
        // No "kalkor.ini": the program and its help go, nothing is renamed.
        LegacyCase{{exe, chm}, {}},
        LegacyCase{{exe}, {}},
        LegacyCase{{chm}, {}},
        // A current file is never replaced; the old one stays.
        LegacyCase{{ini, exe, cur},
                   {QStringLiteral("kalkor.ini=kalkor.ini"), QStringLiteral("qvkalkor.ini=qvkalkor.ini")}}));

TEST(LegacyCleanup, FolderGivenWithOrWithoutSeparator)
{
    QTemporaryDir dir;
    write_bytes(dir.filePath(QStringLiteral("kalkor.exe")), "x");
    legacy_cleanup(dir.path() + QDir::separator());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
