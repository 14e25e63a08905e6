// A pupil's first minutes with the program on a real desktop: help, a first
// solve with the listing on, the listing's keys, and the titles the window
// manager shows.
#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/listing_window.h"
#include "shell/settings_dialog.h"
#include "shell/tests/xcb/x_window.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace qvk::shell::xcb_test {
namespace {

using FirstUse = OnX11;

TEST_F(FirstUse, FirstF1ShowsHelpAndNoErrorBox)
{
    Program p;
    press({QStringLiteral("F1")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->helpWindow()->isVisible(); }, 3000));
    settle();
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(FirstUse, FirstF2ShowsHelpAndNoErrorBox)
{
    Program p;
    press({QStringLiteral("F2")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->helpWindow()->isVisible(); }, 3000));
    settle();
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(FirstUse, FirstSolveWithTheListingOnShowsNoErrorBox)
{
    Program p;
    ASSERT_TRUE(p.model.settings().vypis_reseni);
    p.model.setText(QStringLiteral("a1"), QStringLiteral("1"));
    p.model.setText(QStringLiteral("b1"), QStringLiteral("-3"));
    p.model.setText(QStringLiteral("c1"), QStringLiteral("2"));
    p.click(p.find<QPushButton>("kvreseni"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->listingWindow()->isVisible(); }, 3000));
    settle();
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
    EXPECT_EQ(p.find<QLineEdit>("x2res")->text(), QStringLiteral("2"));
}

TEST_F(FirstUse, TitlesAsTheWindowManagerShowsThem)
{
    Program p;
    EXPECT_EQ(wm_name(p.window.get()), QStringLiteral("QVkalkor - v2.4.1"));

    p.click(p.find<QPushButton>("kvreseni"));
    Tvypis_reseni* listing = p.window->listingWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return is_managed(listing); }, 3000));
    EXPECT_EQ(wm_name(listing), QStringLiteral("Výpis řešení"));

    // A message box: letters in the coefficient.
    p.model.setText(QStringLiteral("a1"), QStringLiteral("x"));
    p.click(p.find<QPushButton>("kvreseni"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.boxes.seen().isEmpty(); }, 3000));
    EXPECT_EQ(p.boxes.seen().constFirst().wmTitle, QStringLiteral("QVkalkor"));

    // The settings dialog, modal: look at it while it is up.
    QString settingsTitle;
    Tnastaveni* d = p.window->settingsDialog();
    whenShown(d, [&] {
        settingsTitle = wm_name(d);
        d->reject();
    });
    press({QStringLiteral("ctrl+n")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !settingsTitle.isEmpty(); }, 3000));
    EXPECT_EQ(settingsTitle, QStringLiteral("Nastavení"));
}

TEST_F(FirstUse, TheThanksLinkOpensAHelpPageTheUserCanUse)
{
    Program p;
    TOprog* about = p.window->aboutBox();
    bool clicked = false;
    bool blocking = false;
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        // Placed and active, so that the click lands on the link.
        if (!about->isVisible() || !is_managed(about) || !about->isActiveWindow())
            return;
        look.stop();
        settle();
        p.click(about->findChild<QWidget*>(QStringLiteral("betatester")));
        clicked = true;
        // A box still up keeps the help window from the user: note it, close it.
        if (!QTest::qWaitFor([about] { return !about->isVisible(); }, 2000)) {
            blocking = true;
            about->reject();
        }
    });
    look.start();
    QTimer::singleShot(0, [&] { p.window->binding().action(QStringLiteral("oprog_button"))->trigger(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return clicked; }, 5000));
    HelpWindow* help = p.window->helpWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return help->isVisible(); }, 3000));
    EXPECT_FALSE(blocking);
    EXPECT_TRUE(help->source().toString().endsWith(QStringLiteral("beta.htm")));
    EXPECT_TRUE(activate(help));
    help->close();
    EXPECT_FALSE(help->isVisible());
}

TEST_F(FirstUse, AValueSetThroughTheAccessibilityInterfaceIsCalculated)
{
    Program p;
    QLineEdit* a1 = p.find<QLineEdit>("a1");
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(a1);
    ASSERT_NE(field, nullptr);
    field->setText(QAccessible::Value, QStringLiteral("1"));
    QAccessible::queryAccessibleInterface(p.find<QLineEdit>("b1"))->setText(QAccessible::Value, QStringLiteral("-3"));
    QAccessible::queryAccessibleInterface(p.find<QLineEdit>("c1"))->setText(QAccessible::Value, QStringLiteral("2"));
    EXPECT_EQ(a1->text(), QStringLiteral("1"));
    EXPECT_EQ(p.model.text(QStringLiteral("a1")), QStringLiteral("1"));
    p.click(p.find<QPushButton>("kvreseni"));
    EXPECT_EQ(p.find<QLineEdit>("x1res")->text(), QStringLiteral("1"));
    EXPECT_EQ(p.find<QLineEdit>("x2res")->text(), QStringLiteral("2"));
}

struct ListingKeys : OnX11 {
    Program p;
    Tvypis_reseni* listing = nullptr;
    QStringList lines;

    void SetUp() override
    {
        p.click(p.find<QPushButton>("kvreseni"));
        listing = p.window->listingWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return listing->isVisible(); }, 3000));
        lines = p.model.listing();
        ASSERT_FALSE(lines.isEmpty());
        ASSERT_TRUE(activate(listing));
    }
};

TEST_F(ListingKeys, EnterKeepsTheText)
{
    for (const char* button : {"BitBtn2", "vymaz", "uloz_reseni", "priraz"}) {
        listing->findChild<QPushButton*>(QString::fromUtf8(button))->setFocus();
        press({QStringLiteral("Return")});
        press({QStringLiteral("KP_Enter")});
        if (qstrcmp(button, "uloz_reseni") == 0)
            continue; // the save dialog's own answer is its business
    }
    listing->text()->setFocus();
    press({QStringLiteral("Return")});
    EXPECT_TRUE(listing->isVisible());
    EXPECT_EQ(p.model.listing(), lines);
    EXPECT_EQ(listing->text()->toPlainText(), lines.join(u'\n'));
}

TEST_F(ListingKeys, EscapeKeepsTheWindowAndTheText)
{
    press({QStringLiteral("Escape")});
    EXPECT_TRUE(listing->isVisible());
    EXPECT_EQ(p.model.listing(), lines);
}

TEST_F(ListingKeys, OnlyTheClearButtonClears)
{
    p.click(listing->findChild<QPushButton*>(QStringLiteral("vymaz")));
    EXPECT_TRUE(p.model.listing().isEmpty());
    EXPECT_TRUE(listing->isVisible());
}

TEST_F(ListingKeys, TheSaveDialogNamesItsFilterOnly)
{
    QStringList filters;
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        look.stop();
        if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
            for (int i = 0; i < types->count(); ++i)
                filters.append(types->itemText(i));
        dialog->reject();
    });
    look.start();
    p.click(listing->findChild<QPushButton*>(QStringLiteral("uloz_reseni")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !look.isActive(); }, 5000));
    EXPECT_EQ(filters, QStringList{QStringLiteral("Textové soubory")});
    EXPECT_EQ(p.model.listing(), lines);
}

TEST_F(ListingKeys, TheCloseBoxClosesAndEmpties)
{
    listing->close();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !listing->isVisible(); }, 3000));
    EXPECT_TRUE(p.model.listing().isEmpty());
}

} // namespace
} // namespace qvk::shell::xcb_test
