// What a pupil reads and handles on the desktop: results shown whole or
// visibly cut, also at a larger display size; the help true to the program
// and closed by Esc; fixed windows without a maximize action; the graph
// beside the main window.
#include "app/navigation.h"
#include "shell/about_box.h"
#include "shell/graph_window.h"
#include "shell/help_window.h"
#include "shell/listing_window.h"
#include "shell/settings_dialog.h"
#include "shell/widgets.h"
#include "shell/tests/xcb/x_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QWindow>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace qvk::shell::xcb_test {
namespace {

using Display = OnX11;

// Shown whole, or ending in a visible "…" with the whole text in the hint.
testing::AssertionResult readable(const QLineEdit* e)
{
    if (fits(e))
        return testing::AssertionSuccess();
    const auto* mark = e->findChild<QWidget*>(e->objectName() + QStringLiteral("_vypusteno"));
    if (mark && mark->isVisibleTo(e) && mark->accessibleName() == u"…" && e->toolTip().contains(e->text()))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << e->objectName().toStdString() << " shows \"" << e->text().toStdString()
                                       << "\" partly, hint \"" << e->toolTip().toStdString() << '"';
}

struct WideResult {
    int top, inner;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* compute;
    const char* field;
    const char* text;
};

const WideResult kWide[] = {
    {4, 0, {{"kry_v", "1E200"}}, "vyres_d3", "kry_a", "4,64158883361278E66"},
    {3, 7, {{"kru_r", "1000"}}, "vyres_d2", "kru_s", "3141592,65"},
    {0, 0, {{"a1", "1"}, {"b1", "-0,5"}, {"c1", "-99999"}}, "kvreseni", "reseni", nullptr},
};

TEST_F(Display, ResultsWiderThanTheirFieldAreShownWholeAlsoAtALargerSize)
{
    Program p;
    std::vector<QLineEdit*> shown;
    for (const WideResult& c : kWide) {
        app::show_page(p.model, p.registry, c.top, c.inner);
        settle();
        for (const auto& [field, text] : c.typed)
            p.retype(field, QString::fromUtf8(text));
        p.click(p.find(c.compute));
        ASSERT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
        auto* e = p.find<QLineEdit>(c.field);
        if (c.text) {
            EXPECT_EQ(e->text(), QString::fromUtf8(c.text));
        }
        EXPECT_TRUE(readable(e));
        shown.push_back(e);
    }
    // A larger display size: the fields are fitted to the new font.
    QFont big = p.window->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    p.window->setFont(big);
    settle();
    for (QLineEdit* e : shown) {
        EXPECT_TRUE(readable(e));
        // Not smaller than the fitting allows below the field's own font.
        EXPECT_GE(e->font().pointSizeF(), e->parentWidget()->font().pointSizeF() * TextFit::kSmallest - 0.01)
            << e->objectName().toStdString();
    }
    // A short text again: the field's own font.
    p.model.setText(QStringLiteral("kry_a"), QStringLiteral("5"));
    settle();
    EXPECT_EQ(p.find<QLineEdit>("kry_a")->font().pointSizeF(), big.pointSizeF());
}

TEST_F(Display, EveryResultFieldShowsALongNumberWholeOrMarked)
{
    Program p;
    const QString number = QStringLiteral("-1,23456789012345E-123");
    for (QLineEdit* e : p.window->findChildren<QLineEdit*>()) {
        if (!p.model.has(e->objectName()))
            continue;
        p.model.setText(e->objectName(), number);
        EXPECT_TRUE(readable(e));
    }
}

TEST_F(Display, TheHelpNamesEveryKeyOfTheWindow)
{
    Program p;
    HelpWindow* help = p.window->helpWindow();
    help->showTopic(QStringLiteral("index"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !help->browser()->toPlainText().isEmpty(); }, 3000));
    const QString text = help->browser()->toPlainText();
    QList<QAction*> actions = p.window->findChildren<QAction*>();
    actions += help->findChildren<QAction*>();
    int keys = 0;
    for (const QAction* a : actions) {
        for (const QKeySequence& k : a->shortcuts()) {
            ++keys;
            EXPECT_TRUE(text.contains(k.toString(QKeySequence::NativeText))) << k.toString().toStdString();
        }
    }
    EXPECT_GE(keys, 7);
}

TEST_F(Display, EscClosesTheHelp)
{
    Program p;
    press({QStringLiteral("F1")});
    HelpWindow* help = p.window->helpWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return help->isVisible() && is_managed(help); }, 3000));
    ASSERT_TRUE(activate(help));
    press({QStringLiteral("Escape")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !help->isVisible(); }, 3000));
    EXPECT_TRUE(p.window->isVisible());
}

TEST_F(Display, TheHelpSaysWhichNumbersMayEndInABlank)
{
    Program p;
    // A whole number with a blank after it is refused ...
    app::show_page(p.model, p.registry, 1, 0);
    settle();
    p.retype("zadani_prv", QStringLiteral("97 "));
    p.click(p.find("rozloz"));
    ASSERT_EQ(p.boxes.seen().size(), 1);
    EXPECT_EQ(p.boxes.seen().constFirst().text, QStringLiteral("Nejsou zadány číselné hodnoty."));
    // ... a decimal number is not.
    app::show_page(p.model, p.registry, 4, 0);
    settle();
    p.retype("kry_a", QStringLiteral("2,5 "));
    p.click(p.find("vyres_d3"));
    EXPECT_EQ(p.boxes.seen().size(), 1) << p.boxes.describe().toStdString();
    EXPECT_EQ(p.model.text(QStringLiteral("kry_v")), QStringLiteral("15,62"));

    HelpWindow* help = p.window->helpWindow();
    help->showTopic(QStringLiteral("index"));
    const QString text = help->browser()->toPlainText().simplified();
    EXPECT_FALSE(text.contains(QStringLiteral("Mezery před číslem a za ním nevadí")));
    EXPECT_TRUE(text.contains(QStringLiteral("za desetinným číslem mezery nevadí"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("za celým číslem mezera stát nesmí"))) << text.toStdString();
}

bool offers_maximize(const QWidget* w)
{
    const QStringList actions = allowed_actions(w);
    return actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE_HORZ")) ||
           actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE_VERT"));
}

TEST_F(Display, FixedSizeWindowsOfferNoMaximize)
{
    Program p;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !allowed_actions(p.window.get()).isEmpty(); }, 3000));
    EXPECT_FALSE(offers_maximize(p.window.get())) << allowed_actions(p.window.get()).join(u' ').toStdString();

    p.model.listing_add(QStringLiteral("x"));
    p.model.listing_show();
    Tvypis_reseni* listing = p.window->listingWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return is_managed(listing) && !allowed_actions(listing).isEmpty(); }, 3000));
    EXPECT_FALSE(offers_maximize(listing)) << allowed_actions(listing).join(u' ').toStdString();
    p.model.listing_close();

    for (QDialog* d : {static_cast<QDialog*>(p.window->settingsDialog()), static_cast<QDialog*>(p.window->aboutBox())}) {
        bool looked = false;
        whenShown(d, [&] {
            (void)QTest::qWaitFor([&] { return !allowed_actions(d).isEmpty(); }, 3000);
            EXPECT_FALSE(offers_maximize(d)) << d->objectName().toStdString() << ": "
                                             << allowed_actions(d).join(u' ').toStdString();
            looked = true;
            d->reject();
        });
        if (d == p.window->settingsDialog())
            press({QStringLiteral("ctrl+n")});
        else
            QTimer::singleShot(0, p.window->aboutBox(), [&p] { p.window->aboutBox()->show_about(); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return looked && !d->isVisible(); }, 5000)) << d->objectName().toStdString();
    }

    // The resizable help window does offer it: the property is read right.
    press({QStringLiteral("F1")});
    HelpWindow* help = p.window->helpWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return is_managed(help) && !allowed_actions(help).isEmpty(); }, 3000));
    EXPECT_TRUE(offers_maximize(help)) << allowed_actions(help).join(u' ').toStdString();
}

TEST_F(Display, TheGraphOpensBesideTheMainWindow)
{
    Program p;
    app::show_page(p.model, p.registry, 0, 0);
    // The main window at the left edge: room on its right.
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowmove"),
                                                  QString::number(p.window->windowHandle()->winId()),
                                                  QStringLiteral("0"), QStringLiteral("100")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.window->frameGeometry().left() == 0; }, 3000));
    ASSERT_TRUE(activate(p.window.get()));
    press({QStringLiteral("ctrl+g")});
    GraphWindow* g = p.window->graphWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return g->isVisible() && is_managed(g); }, 3000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g, 3000));
    settle();
    const QRect main = p.window->frameGeometry();
    const QRect graph = g->frameGeometry();
    EXPECT_FALSE(graph.intersects(main)) << graph.x() << "," << graph.y() << " " << graph.width() << "x"
                                         << graph.height() << " over " << main.x() << "," << main.y() << " "
                                         << main.width() << "x" << main.height();
    EXPECT_LE(graph.left() - main.right(), 10);
    EXPECT_TRUE(p.window->screen()->availableGeometry().contains(graph));
    EXPECT_EQ(graph.top(), main.top());
}

} // namespace
} // namespace qvk::shell::xcb_test
