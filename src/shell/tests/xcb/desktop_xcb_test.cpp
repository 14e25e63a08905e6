// What the desktop shows of the program: the window manager gets the
// windows' own titles, and the toolkit's work on the windows a calculation
// opens (listing, help) is no fault of the calculation.
#include "shell/tests/xcb/x_window.h"

#include <QLineEdit>
#include <QTest>

namespace qvk::shell::xcb_test {
namespace {

using Desktop = OnX11;

QWidget* shown_window(const QString& title)
{
    QWidget* found = nullptr;
    (void)QTest::qWaitFor([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == title && is_managed(w))
                found = w;
        return found != nullptr;
    }, 3000);
    return found;
}

TEST_F(Desktop, TheWindowManagerGetsTheExactTitles)
{
    Program p;
    EXPECT_EQ(wm_name(p.window.get()).toStdString(), "QVkalkor - v2.4.1");
    press({QStringLiteral("F1")});
    QWidget* help = shown_window(QStringLiteral("QVkalkor - nápověda"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(wm_name(help).toStdString(), "QVkalkor - nápověda");
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(Desktop, SolvingWithTheListingShowsNoFault)
{
    Program p;
    ASSERT_TRUE(p.model.settings().vypis_reseni);
    p.click(p.find<QWidget>("kvreseni"));
    QWidget* listing = shown_window(QStringLiteral("Výpis řešení"));
    ASSERT_NE(listing, nullptr);
    EXPECT_EQ(wm_name(listing).toStdString(), "Výpis řešení");
    settle();
    EXPECT_FALSE(p.find<QLineEdit>("dres")->text().isEmpty());
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

} // namespace
} // namespace qvk::shell::xcb_test
