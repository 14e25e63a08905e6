#include "core/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace qvk;

TEST(TempFolder, EndsWithASeparator)
{
    const QString t = temp_folder();
    EXPECT_TRUE(t.endsWith(QDir::separator()));
    EXPECT_TRUE(QDir(t).exists());
}

TEST(FolderWritable, ProbesWithoutTouchingTheUsersFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QDir::separator();
    // A file of the old probe's name must survive the probe.
    QFile mine(dir.filePath(QStringLiteral("test.txt")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("keep me");
    mine.close();

    EXPECT_TRUE(folder_writable(folder));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("test.txt")});
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), QByteArray("keep me"));
}

TEST(FolderWritable, FalseForAMissingOrReadOnlyFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(folder_writable(dir.filePath(QStringLiteral("missing")) + QDir::separator()));
    const QString ro = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(ro));
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFile(ro + QStringLiteral("/probe")).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_FALSE(folder_writable(ro + QDir::separator()));
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
