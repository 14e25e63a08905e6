// Edge snapping of the main window while it is dragged.
#include "shell/desktop.h"
#include "shell/snap.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qvk::shell {
namespace {

// Work area 0,0 - 1000,700 without a task bar at the bottom (40 pixels).
constexpr EdgeRect kWork{0, 0, 1000, 660};
constexpr int W = 400, H = 300;

struct SnapCase {
    const char* what;
    EdgeRect proposed;
    EdgeRect expected;
};

EdgeRect at(int left, int top, int w = W, int h = H) { return {left, top, left + w, top + h}; }

class Snap : public testing::TestWithParam<SnapCase> {};

TEST_P(Snap, ToTheWorkArea)
{
    const SnapCase& c = GetParam();
    const EdgeRect r = snap_to_work_area(c.proposed, kWork, W, H);
    EXPECT_EQ(r, c.expected) << c.what << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Snap,
    testing::Values(SnapCase{"free", at(100, 100), at(100, 100)},
                    SnapCase{"left 9 from the edge snaps", at(9, 100), at(0, 100)},
                    SnapCase{"left 10 from the edge stays", at(10, 100), at(10, 100)},
                    SnapCase{"left past the edge", at(-50, 100), at(0, 100)},
                    SnapCase{"top 9 snaps", at(100, 9), at(100, 0)},
                    SnapCase{"top 10 stays", at(100, 10), at(100, 10)},
                    SnapCase{"right edge 9 from the work-area right snaps", at(591, 100), at(600, 100)},
                    SnapCase{"right edge at right - 10 stays", at(590, 100), at(590, 100)},
                    SnapCase{"bottom 9 from the task bar snaps", at(100, 351), at(100, 360)},
                    SnapCase{"bottom at bottom - 10 stays", at(100, 350), at(100, 350)},
                    SnapCase{"bottom past the task bar", at(100, 500), at(100, 360)},
                    SnapCase{"corner", at(5, 5), at(0, 0)},
                    SnapCase{"opposite corner", at(700, 500), at(600, 360)},
                    // A proposed size other than the window's is replaced by the window's.
                    SnapCase{"size kept", at(100, 100, 420, 310), at(100, 100)},
                    // The bottom test reads the proposed bottom, not the one moved by the top rule.
                    SnapCase{"taller than the work area", at(100, 5, W, 700), at(100, 360)}));

TEST(Snap, WorkAreaNotAtTheOrigin)
{
    const EdgeRect work{1920, 30, 3840, 1080};
    EXPECT_EQ(snap_to_work_area(at(1925, 35), work, W, H), at(1920, 30));
    EXPECT_EQ(snap_to_work_area(at(1940, 40), work, W, H), at(1940, 40));
}

TEST(DesktopCalculator, FirstInstalledOneIsStarted)
{
    QStringList asked;
    QStringList started;
    const auto find = [&](const QString& name) {
        asked.append(name);
        return name == u"galculator" || name == u"xcalc" ? QStringLiteral("/usr/bin/") + name : QString();
    };
    const auto start = [&](const QString& path) {
        started.append(path);
        return true;
    };
    EXPECT_EQ(start_desktop_calculator(find, start), QStringLiteral("/usr/bin/galculator"));
    EXPECT_EQ(started, QStringList{QStringLiteral("/usr/bin/galculator")});
    EXPECT_EQ(asked, (QStringList{QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                  QStringLiteral("galculator")}));
}

TEST(DesktopCalculator, NoneInstalledStartsNothing)
{
    int starts = 0;
    const auto none = [](const QString&) { return QString(); };
    const auto start = [&](const QString&) { return ++starts > 0; };
    EXPECT_TRUE(start_desktop_calculator(none, start).isEmpty());
    EXPECT_EQ(starts, 0);
}

// Only a file that may be run counts as installed, searched in the folders
// of the path given, in their order.
TEST(DesktopCalculator, FoundOnTheSearchPathGiven)
{
    QTemporaryDir first, second;
    const auto put = [](const QTemporaryDir& dir, const char* name, bool executable) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        if (executable)
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    };
    put(first, "galculator", false);
    put(first, "xcalc", true);
    put(second, "kcalc", true);
    put(second, "xcalc", true);
    QStringList started;
    const auto start = [&](const QString& path) {
        started.append(path);
        return true;
    };
    const QString path = first.path() + QDir::listSeparator() + second.path();
    EXPECT_EQ(start_desktop_calculator(finder_on(path), start), second.filePath(QStringLiteral("kcalc")));
    EXPECT_EQ(finder_on(path)(QStringLiteral("xcalc")), first.filePath(QStringLiteral("xcalc")));
    EXPECT_TRUE(finder_on(QString())(QStringLiteral("sh")).isEmpty());
    EXPECT_EQ(started, QStringList{second.filePath(QStringLiteral("kcalc"))});
}

} // namespace
} // namespace qvk::shell
