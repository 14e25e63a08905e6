// The main window shell on the offscreen platform: page tree, menu and keys,
// help, the listing window, the settings dialog and the about box.
#include "app/assembly.h"
#include "app/calculators.h"
#include "app/navigation.h"
#include "shell/about_box.h"
#include "shell/application.h"
#include "shell/gui_host.h"
#include "shell/help_window.h"
#include "shell/listing_window.h"
#include "shell/pages/page_classes.h"
#include "shell/settings_dialog.h"
#include "shell/thlavni.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <cfenv>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace qvk::shell {
namespace {

const QString kHyphens = QString(36, u'-');

// A fresh window over a fresh model, shown and active.
struct Shell {
    WindowModel model;
    Registry registry;
    std::unique_ptr<Thlavni> window;
    QStringList started;

    explicit Shell(const std::function<void(Registry&)>& extra = nullptr)
    {
        app::assemble(model, registry);
        if (extra)
            extra(registry);
        window = std::make_unique<Thlavni>(model, registry);
        window->setProgramStarter([](const QString& name) { return QStringLiteral("/usr/bin/") + name; },
                                  [this](const QString& path) {
                                      started.append(path);
                                      return true;
                                  });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename W = QWidget>
    W* find(const char* name) const
    {
        W* w = window->findChild<W*>(QString::fromUtf8(name));
        if (!w) { // on a page not chosen yet
            build_all_pages(window.get());
            w = window->findChild<W*>(QString::fromUtf8(name));
        }
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QTabWidget* pages(const char* name) const { return find<QTabWidget>(name); }
    QAction* action(const char* name) const { return window->binding().action(QString::fromUtf8(name)); }

    void showPage(int top, int inner) { app::show_page(model, registry, top, inner); }
    void key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, QWidget* target = nullptr)
    {
        QTest::keyClick(target ? target : window.get(), static_cast<Qt::Key>(key), mods);
    }
    QString helpFragment() const { return window->helpWindow()->source().fragment(); }
};

// Runs `inspect` on the next modal window to appear, then closes it.
void onNextModal(std::function<void(QWidget*)> inspect, bool* seen)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, inspect = std::move(inspect), seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        *seen = true;
        inspect(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    timer->start();
}

QStringList tab_texts(QTabWidget* tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts.append(tabs->tabText(i));
    return texts;
}

QStringList page_names(QTabWidget* tabs)
{
    QStringList names;
    for (int i = 0; i < tabs->count(); ++i)
        names.append(tabs->widget(i)->objectName());
    return names;
}

// --- page tree

struct PageSetCase {
    const char* set;
    QStringList widgets;
    QStringList captions;
    bool tabsShown;
};

class PageTree : public testing::TestWithParam<PageSetCase> {};

TEST_P(PageTree, PagesCaptionsAndTabs)
{
    const PageSetCase& c = GetParam();
    Shell s;
    QTabWidget* tabs = s.pages(c.set);
    ASSERT_TRUE(tabs);
    EXPECT_EQ(page_names(tabs), c.widgets);
    EXPECT_EQ(tab_texts(tabs), c.captions);
    EXPECT_EQ(tabs->tabBar()->isVisibleTo(tabs), c.tabsShown);
    EXPECT_EQ(tabs->currentIndex(), 0);
    // A page index set in the model shows that page.
    s.model.setIndex(QString::fromUtf8(c.set), static_cast<int>(c.widgets.size()) - 1);
    EXPECT_EQ(tabs->currentWidget()->objectName(), c.widgets.constLast());
}

INSTANTIATE_TEST_SUITE_P(
    Sets, PageTree,
    testing::Values(
        PageSetCase{"druh",
                    {"rov", "cisla", "stat", "d2", "d3"},
                    {"Rovnice", "Čísla", "Statistika", "Planimetrie", "Stereometrie"},
                    true},
        PageSetCase{"rov1",
                    {"kr", "kub", "sr"},
                    {"Kvadratické (ne)rovnice", "Kubická rovnice", "Soustava rovnic"},
                    true},
        PageSetCase{"cisla1",
                    {"pc", "TabSheet1", "zlm", "nsnnsd", "uhly"},
                    {"Prvočísla", "Číselné soustavy", "Zlomky", "Dělitel a násobek", "Úhly"},
                    true},
        PageSetCase{"d2_page",
                    {"trojuhelnik_p_desk", "trojuhelnik_desk", "ctverec_desk", "obdelnik_desk",
                     "rovnobeznik_desk", "lichobeznik_desk", "n_uhelnik_desk", "kruh_desk"},
                    {"Trojúhelník pravoúhlý", "Trojúhelník obecný", "Čtverec", "Obdelník", "Rovnoběžník",
                     "Lichoběžník", "Pravidelný N-úhelník", "Kruh ..."},
                    false},
        PageSetCase{"d3_page",
                    {"krychle_desk", "kvadr_desk", "jehlan_desk", "koule_desk", "kuzel_desk", "valec_desk"},
                    {"Krychle", "Kvádr", "Jehlan", "Koule", "Rotační kužel", "Rotační válec"},
                    false}));

TEST(MainWindow, CaptionFixedSizeAndNoMaximize)
{
    Shell s;
    EXPECT_EQ(s.window->windowTitle(), QStringLiteral("QVkalkor - v2.4.1"));
    EXPECT_EQ(s.window->minimumSize(), s.window->maximumSize());
    EXPECT_FALSE(s.window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(s.window->windowIcon().isNull());
    const double k = s.window->scale();
    QWidget* client = s.window->centralWidget();
    EXPECT_EQ(client->width(), qRound(376 * k));
    EXPECT_EQ(client->height(), qRound(233 * k));
}

TEST(MainWindow, EveryPageClassDrawsAPageOfTheTable)
{
    Shell s;
    for (const QString& name : page_class_names()) {
        ASSERT_TRUE(app::find_page(name)) << name.toStdString();
        // Built, whole, the first time it is chosen.
        app::show_page(s.model, s.registry, name);
        QWidget* page = s.find(name.toUtf8().constData());
        ASSERT_TRUE(page);
        EXPECT_TRUE(page->isVisible()) << name.toStdString();
        // Its own class, not an empty page.
        EXPECT_FALSE(page->children().isEmpty()) << name.toStdString();
    }
}

// The start builds the first page only; another is built when first chosen,
// shows what the model got meanwhile and is bound like the first.
TEST(MainWindow, APageBuiltWhenFirstChosenShowsTheModelAndIsBound)
{
    Shell s;
    EXPECT_EQ(s.window->findChild<QLineEdit*>(QStringLiteral("zadani_prv")), nullptr);
    s.model.setText(QStringLiteral("zadani_prv"), QStringLiteral("97"));
    s.model.setText(QStringLiteral("stav"), QStringLiteral("Výpočet dokončen"));
    app::show_page(s.model, s.registry, QStringLiteral("pc"));
    auto* number = s.window->findChild<QLineEdit*>(QStringLiteral("zadani_prv"));
    ASSERT_TRUE(number);
    EXPECT_TRUE(number->isVisible());
    EXPECT_EQ(number->text(), QStringLiteral("97"));
    EXPECT_EQ(s.find<QLabel>("stav")->text(), QStringLiteral("Výpočet dokončen"));
    number->setText(QStringLiteral("98"));
    EXPECT_EQ(s.model.text(QStringLiteral("zadani_prv")), QStringLiteral("98"));
    s.find<QPushButton>("rozloz")->click();
    EXPECT_EQ(s.model.text(QStringLiteral("rozklad")), QStringLiteral("2\n7 ^ 2\n"));
    EXPECT_EQ(s.find<QPlainTextEdit>("rozklad")->toPlainText(), QStringLiteral("2\n7 ^ 2\n"));
    // Chosen on its tab, too: the statistics page.
    EXPECT_EQ(s.window->findChild<QPlainTextEdit*>(QStringLiteral("data")), nullptr);
    s.pages("druh")->setCurrentIndex(2);
    EXPECT_EQ(s.model.index(QStringLiteral("druh")), 2);
    ASSERT_TRUE(s.window->findChild<QPlainTextEdit*>(QStringLiteral("data")));
    EXPECT_EQ(s.pages("druh")->currentWidget()->objectName(), QStringLiteral("stat"));
}

TEST(MainWindow, InnerPageSetsAreDrawnAsButtons)
{
    Shell s;
    for (const char* set : {"rov1", "cisla1"})
        EXPECT_TRUE(s.pages(set)->styleSheet().contains(QStringLiteral("QTabBar::tab"))) << set;
}

TEST(MainWindow, EveryWidgetOfAPageLiesInsideIt)
{
    // Nothing is clipped by its page: every child lies inside its parent.
    Shell s;
    build_all_pages(s.window.get());
    for (QWidget* page : s.window->centralWidget()->findChildren<QWidget*>()) {
        QWidget* parent = page->parentWidget();
        if (!parent || page->isWindow() || !page->isVisibleTo(s.window.get()) ||
            parent->inherits("QTabBar") || parent->inherits("QStackedWidget") || page->inherits("QTabBar"))
            continue;
        if (!parent->inherits("QWidget") || parent->layout())
            continue;
        EXPECT_TRUE(parent->rect().contains(page->geometry()))
            << page->objectName().toStdString() << " in " << parent->objectName().toStdString();
    }
}

struct SelectorCase {
    const char* selector;
    int item;
    const char* sheets;
    int page;
};

class Selector : public testing::TestWithParam<SelectorCase> {};

TEST_P(Selector, ChoosingAnItemShowsItsSheetAndPicture)
{
    const SelectorCase& c = GetParam();
    Shell s;
    auto* combo = s.find<QComboBox>(c.selector);
    ASSERT_TRUE(combo);
    combo->setCurrentIndex(c.item);
    emit combo->activated(c.item);
    EXPECT_EQ(s.pages(c.sheets)->currentIndex(), c.page);
    const QString icon = QString::fromUtf8(c.selector).left(2) + QStringLiteral("_ikona");
    auto* picture = s.window->findChild<QLabel*>(icon);
    ASSERT_TRUE(picture);
    EXPECT_FALSE(picture->pixmap().isNull());
}

INSTANTIATE_TEST_SUITE_P(Items, Selector,
                         testing::Values(SelectorCase{"d2_vyber", 0, "d2_page", 0},
                                         SelectorCase{"d2_vyber", 7, "d2_page", 7},
                                         SelectorCase{"d3_vyber", 3, "d3_page", 3},
                                         SelectorCase{"d3_vyber", 4, "d3_page", 5},
                                         SelectorCase{"d3_vyber", 5, "d3_page", 4}));

// --- menu

TEST(Menu, ItemsShortcutsAndSeparators)
{
    Shell s;
    const MainMenu& m = s.window->mainMenu();
    QStringList top;
    for (QAction* a : s.window->menuBar()->actions())
        top.append(a->objectName() + u'=' + a->text() + (a->isVisible() ? QString() : QStringLiteral(" hidden")));
    EXPECT_EQ(top, (QStringList{QStringLiteral("Aplikace1=Aplikace"), QStringLiteral("Npovda1=Nápověda"),
                                QStringLiteral("Secret=007 hidden")}));

    const auto items = [](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions())
            list.append(a->objectName() + u'=' + (a->isSeparator() ? QStringLiteral("-") : a->text()) +
                        (a->shortcut().isEmpty() ? QString() : u' ' + a->shortcut().toString()));
        return list;
    };
    EXPECT_EQ(items(m.application),
              (QStringList{QStringLiteral("Kalkulakawin1=Kalkulačka Ctrl+K"), QStringLiteral("zobraz_postup=Postup Ctrl+P"),
                           QStringLiteral("obrazek=Obrázek Ctrl+O"), QStringLiteral("N2=-"),
                           QStringLiteral("nastav=Nastavení ... Ctrl+N"), QStringLiteral("Dal1=Další nastavení"),
                           QStringLiteral("uloz_konf=Uložit konfiguraci"), QStringLiteral("N1=-"),
                           QStringLiteral("Konec1=Konec"), QStringLiteral("graf=Graf Ctrl+G")}));
    EXPECT_EQ(items(m.more), (QStringList{QStringLiteral("delete_konf=Odstranit konfiguraci ..."),
                                          QStringLiteral("saveconf_end=Ukládat konfiguraci při ukončení"),
                                          QStringLiteral("N3=-"),
                                          QStringLiteral("moreuser_on=Zapnout víceuživatelský režim ..."),
                                          QStringLiteral("moreuser_off=Vypnout víceuživatelský režim ...")}));
    EXPECT_EQ(items(m.help), (QStringList{QStringLiteral("napoveda=Témata nápovědy F1"),
                                          QStringLiteral("akt_nap=Aktuální výpočet F2"),
                                          QStringLiteral("oprog_button=O programu QVkalkor")}));
    EXPECT_EQ(items(m.secret), (QStringList{QStringLiteral("Vymapole1=Vymaž pole Ctrl+X"),
                                            QStringLiteral("Obnovpole1=Obnov pole Ctrl+Z")}));
    QAction* save = s.action("saveconf_end");
    ASSERT_TRUE(save);
    EXPECT_TRUE(save->isCheckable());
    EXPECT_TRUE(save->isChecked());
    QAction* postup = s.action("zobraz_postup");
    ASSERT_TRUE(postup);
    EXPECT_TRUE(postup->isCheckable());
    EXPECT_FALSE(postup->isChecked());
}

TEST(Menu, ItemsFollowTheirModelFields)
{
    Shell s;
    s.model.setVisible(QStringLiteral("moreuser_on"), false);
    s.model.setChecked(QStringLiteral("saveconf_end"), false);
    s.model.setEnabled(QStringLiteral("uloz_konf"), false);
    EXPECT_FALSE(s.action("moreuser_on")->isVisible());
    EXPECT_FALSE(s.action("saveconf_end")->isChecked());
    EXPECT_FALSE(s.action("uloz_konf")->isEnabled());
    // Choosing the check item writes the model and fires its handler.
    s.action("saveconf_end")->trigger();
    EXPECT_TRUE(s.model.checked(QStringLiteral("saveconf_end")));
}

TEST(Menu, ConfigurationHooksFire)
{
    QStringList fired;
    Shell s([&fired](Registry& r) {
        for (const char* e : {"uloz_konfClick", "delete_konfClick", "moreuser_onClick", "moreuser_offClick"}) {
            const QString event = QString::fromUtf8(e);
            r.add(event, [&fired, event](WindowModel&) { fired.append(event); });
        }
    });
    int menuShown = 0;
    QObject::connect(s.window.get(), &Thlavni::applicationMenuAboutToShow, [&menuShown] { ++menuShown; });
    for (const char* name : {"uloz_konf", "delete_konf", "moreuser_on", "moreuser_off"})
        s.action(name)->trigger();
    emit s.window->mainMenu().application->aboutToShow();
    EXPECT_EQ(fired, (QStringList{QStringLiteral("uloz_konfClick"), QStringLiteral("delete_konfClick"),
                                  QStringLiteral("moreuser_onClick"), QStringLiteral("moreuser_offClick")}));
    EXPECT_EQ(menuShown, 1);
}

TEST(Keys, F1OpensTheHelpStartPage)
{
    Shell s;
    s.key(Qt::Key_F1);
    EXPECT_TRUE(s.window->helpWindow()->isVisible());
    EXPECT_EQ(s.window->helpWindow()->source().path(), QStringLiteral("/help/index.htm"));
    EXPECT_FALSE(s.window->helpWindow()->browser()->toPlainText().isEmpty());
}

struct F2Case {
    int top;
    int inner;
    const char* anchor;
};

class F2 : public testing::TestWithParam<F2Case> {};

TEST_P(F2, OpensTheAnchorOfThePageOnShow)
{
    const F2Case& c = GetParam();
    Shell s;
    s.showPage(c.top, c.inner);
    s.key(Qt::Key_F2);
    ASSERT_TRUE(s.window->helpWindow()->isVisible());
    EXPECT_EQ(s.window->helpWindow()->source().path(), QStringLiteral("/help/vypocet.htm"));
    EXPECT_EQ(s.helpFragment(), QString::fromUtf8(c.anchor));
    // The page has a section under this anchor.
    QFile page(QStringLiteral(":/help/vypocet.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(page.readAll()).contains(QStringLiteral("id=\"%1\"").arg(c.anchor)));
}

INSTANTIATE_TEST_SUITE_P(Pages, F2,
                         testing::Values(F2Case{0, 0, "kv_rov"}, F2Case{0, 2, "sou"}, F2Case{1, 4, "uhl"},
                                         F2Case{2, 0, "sta"}, F2Case{3, 7, "kru"}, F2Case{3, 6, "n_uhel"},
                                         F2Case{4, 4, "kuz"}, F2Case{4, 5, "val"}));

TEST(Keys, EveryHelpAnchorHasASection)
{
    QFile page(QStringLiteral(":/help/vypocet.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    int anchors = 0;
    for (const app::Page& p : app::page_table()) {
        if (!p.anchor)
            continue;
        ++anchors;
        EXPECT_TRUE(text.contains(QStringLiteral("id=\"%1\"").arg(QString::fromUtf8(p.anchor)))) << p.anchor;
    }
    EXPECT_EQ(anchors, 23);
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/beta.htm")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/index.htm")));
}

TEST(Keys, CtrlKStartsTheDesktopCalculator)
{
    Shell s;
    s.key(Qt::Key_K, Qt::ControlModifier, s.find<QLineEdit>("a1"));
    EXPECT_EQ(s.started, QStringList{QStringLiteral("/usr/bin/gnome-calculator")});
}

TEST(Keys, CtrlNOpensTheSettingsDialog)
{
    Shell s;
    bool seen = false;
    QString title;
    onNextModal([&title](QWidget* w) { title = w->windowTitle(); }, &seen);
    s.key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(seen);
    EXPECT_EQ(title, QStringLiteral("Nastavení"));
}

TEST(Keys, CtrlXClearsThePageOnShowThoughItsMenuIsHidden)
{
    QStringList ran;
    Shell s([&ran](Registry& r) {
        r.add(QStringLiteral("uhly_vymazClick"), [&ran](WindowModel&) { ran.append(QStringLiteral("uhly")); });
        r.add(QStringLiteral("vymaz_statClick"), [&ran](WindowModel&) { ran.append(QStringLiteral("stat")); });
    });
    ASSERT_FALSE(s.window->mainMenu().secret->menuAction()->isVisible());
    s.showPage(app::PageEquations, 0);
    // Selected text in a field is cut, as everywhere; with nothing selected
    // the menu key wins.
    QLineEdit* a1 = s.find<QLineEdit>("a1");
    a1->setFocus();
    a1->selectAll();
    s.key(Qt::Key_X, Qt::ControlModifier, a1);
    EXPECT_TRUE(ran.isEmpty());
    EXPECT_EQ(a1->text(), QString());
    s.key(Qt::Key_X, Qt::ControlModifier, a1);
    EXPECT_TRUE(ran.isEmpty());
    s.showPage(app::PageNumbers, 4);
    s.key(Qt::Key_X, Qt::ControlModifier);
    s.showPage(app::PageNumbers, 0);
    s.key(Qt::Key_X, Qt::ControlModifier);
    s.showPage(app::PageStatistics, 0);
    s.key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ran, (QStringList{QStringLiteral("uhly"), QStringLiteral("stat")}));
}

TEST(Keys, CtrlXOnStatisticsClearsTheDataAndFocusesIt)
{
    Shell s;
    s.showPage(app::PageStatistics, 0);
    auto* data = s.find<QPlainTextEdit>("data");
    auto* solve = s.find<QPushButton>("stat_vyres");
    solve->setFocus();
    s.key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(data->toPlainText().isEmpty());
    EXPECT_EQ(s.model.text(QStringLiteral("stat_prvky")), QStringLiteral("0"));
    EXPECT_EQ(QApplication::focusWidget(), data);
}

TEST(Keys, AboutItemShowsTheAboutBox)
{
    Shell s;
    bool seen = false;
    QString title;
    onNextModal([&title](QWidget* w) { title = w->objectName(); }, &seen);
    s.action("oprog_button")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(title, QStringLiteral("TOprog"));
}

TEST(Closing, SetsBothStopFlagsAndIsGranted)
{
    Shell s;
    s.action("Konec1")->trigger();
    EXPECT_FALSE(s.window->isVisible());
    EXPECT_TRUE(s.model.stop(QStringLiteral("primes")));
    EXPECT_TRUE(s.model.stop(QStringLiteral("statistics")));
}

TEST(Snapping, MovingNearTheWorkAreaEdgeSticksToIt)
{
    Shell s;
    const EdgeRect work = s.window->workArea();
    s.window->move(work.left + 9, work.top + 40);
    QApplication::processEvents();
    EXPECT_EQ(s.window->frameGeometry().left(), work.left);
    EXPECT_EQ(s.window->frameGeometry().top(), work.top + 40);
    s.window->move(work.left + 30, work.top + 40);
    QApplication::processEvents();
    EXPECT_EQ(s.window->frameGeometry().left(), work.left + 30);
}

// --- the quadratic page and the error display

TEST(QuadraticPage, TypedCoefficientsAreSolved)
{
    Shell s;
    for (const auto& [name, text] : {std::pair{"a1", "1"}, {"b1", "-3"}, {"c1", "2"}}) {
        QLineEdit* e = s.find<QLineEdit>(name);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, QString::fromUtf8(text));
    }
    EXPECT_EQ(s.model.text(QStringLiteral("b1")), QStringLiteral("-3"));
    s.find<QPushButton>("kvreseni")->click();
    EXPECT_EQ(s.find<QLineEdit>("dres")->text(), QStringLiteral("1"));
    EXPECT_EQ(s.find<QLineEdit>("x1res")->text(), QStringLiteral("1"));
    EXPECT_EQ(s.find<QLineEdit>("x2res")->text(), QStringLiteral("2"));
    EXPECT_EQ(s.find<QLineEdit>("reseni")->text(), QStringLiteral("{1; 2}"));
    EXPECT_FALSE(s.find<QLineEdit>("vres")->text().isEmpty());
    EXPECT_FALSE(s.find<QLineEdit>("ctvres")->text().isEmpty());
    EXPECT_TRUE(s.find<QLineEdit>("x1res")->isReadOnly());
}

TEST(ErrorDisplay, ShowsTheMessageWithTitleAndStopIcon)
{
    Shell s;
    QLineEdit* a1 = s.find<QLineEdit>("a1");
    a1->selectAll();
    QTest::keyClick(a1, Qt::Key_Delete);
    QTest::keyClicks(a1, QStringLiteral("x"));
    bool seen = false;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    onNextModal(
        [&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_TRUE(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
        },
        &seen);
    s.find<QPushButton>("kvreseni")->click();
    ASSERT_TRUE(seen);
    EXPECT_EQ(text, QStringLiteral("Nejsou zadany číselné hodnoty."));
    EXPECT_EQ(title, QStringLiteral("QVkalkor"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(s.find<QLineEdit>("x1res")->text().isEmpty());
}

// --- the listing window

struct ListingFixture : testing::Test {
    Shell s;
    Tvypis_reseni* listing() const { return s.window->listingWindow(); }
    void solve() { s.find<QPushButton>("kvreseni")->click(); }
    QStringList shownLines() const { return listing()->text()->toPlainText().split(u'\n'); }
    QPushButton* button(const char* name) const
    {
        return listing()->findChild<QPushButton*>(QString::fromUtf8(name));
    }
};

TEST_F(ListingFixture, TwoRunsGiveTwoBlocks)
{
    EXPECT_FALSE(listing()->isVisible());
    solve();
    ASSERT_TRUE(listing()->isVisible());
    const qsizetype block = s.model.listing().size();
    ASSERT_GT(block, 1);
    EXPECT_EQ(s.model.listing().constLast(), kHyphens);
    solve();
    ASSERT_EQ(s.model.listing().size(), 2 * block);
    EXPECT_EQ(s.model.listing().at(block - 1), kHyphens);
    EXPECT_EQ(s.model.listing().mid(0, block), s.model.listing().mid(block));
    EXPECT_EQ(shownLines(), s.model.listing());
    // Beside the main window, top edges aligned.
    const QRect main = s.window->frameGeometry();
    EXPECT_EQ(listing()->frameGeometry().topLeft(), QPoint(main.x() + main.width(), main.y()));
}

TEST_F(ListingFixture, CloseHidesAndEmpties)
{
    solve();
    button("BitBtn2")->click();
    EXPECT_FALSE(listing()->isVisible());
    EXPECT_TRUE(s.model.listing().isEmpty());
    EXPECT_FALSE(s.model.listingVisible());
    solve();
    EXPECT_TRUE(listing()->isVisible());
    EXPECT_EQ(s.model.listing().count(kHyphens), 1);
    EXPECT_EQ(shownLines(), s.model.listing());
}

TEST_F(ListingFixture, ShowsEveryLineAsWrittenAndItsEnd)
{
    // An empty first line, lines added and the last one replaced, as the
    // calculators write them.
    s.model.listing_add(QString());
    s.model.listing_show();
    EXPECT_EQ(shownLines(), QStringList{QString()});
    for (int i = 0; i < 40; ++i)
        s.model.listing_add(QString::number(i));
    s.model.listing_set_last(QStringLiteral("-"));
    s.model.listing_set_last(QStringLiteral("--"));
    QApplication::processEvents();
    EXPECT_EQ(shownLines(), s.model.listing());
    EXPECT_EQ(shownLines().size(), 41);
    QScrollBar* bar = listing()->text()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(ListingFixture, ClearEmptiesButKeepsTheWindow)
{
    solve();
    button("vymaz")->click();
    EXPECT_TRUE(s.model.listing().isEmpty());
    EXPECT_TRUE(listing()->text()->toPlainText().isEmpty());
    EXPECT_TRUE(listing()->isVisible());
}

TEST_F(ListingFixture, SaveWritesCrLfLines)
{
    solve();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    listing()->setFileChooser([&dir](QWidget*) { return dir.filePath(QStringLiteral("vypis_reseni")); });
    button("uloz_reseni")->click();
    QFile f(dir.filePath(QStringLiteral("vypis_reseni.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    QByteArray expected;
    for (const QString& line : s.model.listing())
        expected += line.toUtf8() + "\r\n";
    EXPECT_EQ(data, expected);
    EXPECT_TRUE(data.contains("Řešení"));
}

TEST_F(ListingFixture, CancelledSaveWritesNothing)
{
    solve();
    QTemporaryDir dir;
    listing()->setFileChooser([](QWidget*) { return QString(); });
    button("uloz_reseni")->click();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ListingFixture, EmptyListingSavesAnEmptyFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prazdny.txt"));
    ASSERT_TRUE(listing()->saveTo(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.size(), 0);
}

TEST(ListingName, TxtIsAddedWhenThereIsNoExtension)
{
    EXPECT_EQ(Tvypis_reseni::withDefaultSuffix(QStringLiteral("/t/vypis_reseni")), QStringLiteral("/t/vypis_reseni.txt"));
    EXPECT_EQ(Tvypis_reseni::withDefaultSuffix(QStringLiteral("/t/a.log")), QStringLiteral("/t/a.log"));
    EXPECT_EQ(Tvypis_reseni::withDefaultSuffix(QStringLiteral("/t.d/a")), QStringLiteral("/t.d/a.txt"));
}

TEST_F(ListingFixture, FailedSaveKeepsTheOldFileAndTheListing)
{
    solve();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stary.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("puvodni obsah\r\n");
    }
    // Writing more than a few bytes fails (also for root): the file-size limit.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    bool seen = false;
    QString text, title;
    onNextModal(
        [&](QWidget* w) {
            text = qobject_cast<QMessageBox*>(w) ? static_cast<QMessageBox*>(w)->text() : QString();
            title = w->windowTitle();
        },
        &seen);
    const bool saved = listing()->saveTo(path);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(seen);
    EXPECT_EQ(text, QStringLiteral("Cannot create file %1.").arg(path));
    EXPECT_EQ(title, QStringLiteral("QVkalkor"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("puvodni obsah\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("stary.txt")});
    EXPECT_FALSE(s.model.listing().isEmpty());
}

TEST_F(ListingFixture, UnwritableFolderIsReported)
{
    solve();
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("soubor")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    bool seen = false;
    QString text;
    onNextModal([&](QWidget* w) { text = static_cast<QMessageBox*>(w)->text(); }, &seen);
    const QString path = dir.filePath(QStringLiteral("soubor/vypis.txt"));
    EXPECT_FALSE(listing()->saveTo(path));
    EXPECT_EQ(text, QStringLiteral("Cannot create file %1.").arg(path));
}

// --- the settings dialog

TEST(SettingsDialog, CancelKeepsTheValues)
{
    Shell s;
    Tnastaveni* d = s.window->settingsDialog();
    d->load();
    d->show();
    d->places()->setValue(5);
    d->solutionListing()->setChecked(false);
    d->findChild<QPushButton*>(QStringLiteral("zrus_button"))->click();
    EXPECT_EQ(s.model.settings().zaokrouhleni, 2);
    EXPECT_TRUE(s.model.settings().vypis_reseni);
    EXPECT_FALSE(d->isVisible());
}

TEST(SettingsDialog, OkCopiesTheValuesAndOpeningReloadsThem)
{
    Shell s;
    Tnastaveni* d = s.window->settingsDialog();
    d->load();
    EXPECT_EQ(d->places()->minimum(), 2);
    EXPECT_EQ(d->places()->maximum(), 12);
    EXPECT_EQ(d->secondsPlaces()->minimum(), 0);
    EXPECT_EQ(d->secondsPlaces()->maximum(), 5);
    d->places()->setValue(12);
    d->secondsPlaces()->setValue(3);
    d->systemListing()->setChecked(false);
    d->accept();
    EXPECT_EQ(s.model.settings().zaokrouhleni, 12);
    EXPECT_EQ(s.model.settings().zaokrouhleni_uh_vt, 3);
    EXPECT_FALSE(s.model.settings().vypis_rovnic);
    EXPECT_TRUE(s.model.settings().vypis_reseni);
    Settings changed = s.model.settings();
    changed.zaokrouhleni = 4;
    s.model.setSettings(changed);
    d->load();
    EXPECT_EQ(d->places()->value(), 4);
    EXPECT_FALSE(d->systemListing()->isChecked());
}

TEST(SettingsDialog, BothSwitchesOffCloseAndEmptyTheListing)
{
    Shell s;
    s.find<QPushButton>("kvreseni")->click();
    ASSERT_TRUE(s.window->listingWindow()->isVisible());
    Tnastaveni* d = s.window->settingsDialog();
    d->load();
    d->solutionListing()->setChecked(false);
    d->accept();
    EXPECT_TRUE(s.window->listingWindow()->isVisible()) << "one switch off leaves the listing";
    d->load();
    d->systemListing()->setChecked(false);
    d->accept();
    EXPECT_FALSE(s.window->listingWindow()->isVisible());
    EXPECT_TRUE(s.model.listing().isEmpty());
}

TEST(SettingsDialog, TwelvePlacesReachTheCalculator)
{
    Shell s;
    s.model.setText(QStringLiteral("a1"), QStringLiteral("3"));
    s.model.setText(QStringLiteral("b1"), QStringLiteral("1"));
    s.model.setText(QStringLiteral("c1"), QStringLiteral("-1"));
    Tnastaveni* d = s.window->settingsDialog();
    d->load();
    d->places()->setValue(12);
    d->accept();
    s.find<QPushButton>("kvreseni")->click();
    const QString x1 = s.find<QLineEdit>("x1res")->text();
    EXPECT_EQ(x1.section(u',', 1).size(), 12) << x1.toStdString();
}

// --- the about box

TEST(AboutBox, TextsLinksAndClose)
{
    Shell s;
    TOprog* box = s.window->aboutBox();
    QList<QUrl> opened;
    box->setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    box->show();
    const auto label = [box](const char* name) { return box->findChild<QLabel*>(QString::fromUtf8(name)); };
    EXPECT_EQ(box->windowTitle(), QStringLiteral("O programu QVkalkor"));
    EXPECT_EQ(label("nazev1")->text(), QStringLiteral("QVkalkor"));
    EXPECT_TRUE(label("nazev1")->font().bold());
    EXPECT_EQ(label("nazev2")->text(), QStringLiteral("verze 2.4.1 (14.3.2004)"));
    EXPECT_EQ(label("popis1")->text(), QStringLiteral("Vyřeší za Vás domácí úkoly z matematiky"));
    EXPECT_EQ(label("Label1")->text(), QStringLiteral("Poděkování"));
    EXPECT_EQ(label("betatester")->text(), QStringLiteral("betatesterům"));
    EXPECT_EQ(label("autor")->text(), TOprog::author());
    EXPECT_EQ(label("autor")->toolTip(), TOprog::mail());
    EXPECT_EQ(label("web")->toolTip(),
              QStringLiteral("Na mých webových stránkách si můžete stáhnout aktuální verze mých programů"));
    EXPECT_FALSE(label("ikonka")->pixmap().isNull());

    auto* autor = static_cast<LinkLabel*>(label("autor"));
    EXPECT_EQ(autor->colour(), QColor(Qt::blue));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(autor, &enter);
    EXPECT_EQ(autor->colour(), QColor(Qt::red));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(autor, &leave);
    EXPECT_EQ(autor->colour(), QColor(Qt::blue));

    QTest::mouseClick(autor, Qt::LeftButton);
    QTest::mouseClick(label("web"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[0].path(), TOprog::mail());
    EXPECT_EQ(opened[0].query(QUrl::FullyDecoded), QStringLiteral("subject=QVkalkor 2.4.1"));
    EXPECT_EQ(opened[1], QUrl(TOprog::web()));

    QTest::mouseClick(label("betatester"), Qt::LeftButton);
    EXPECT_EQ(s.window->helpWindow()->source().path(), QStringLiteral("/help/beta.htm"));

    auto* ok = box->findChild<QPushButton*>(QStringLiteral("okbutton"));
    EXPECT_EQ(ok->text(), QStringLiteral("&Zavřít"));
    EXPECT_TRUE(ok->isDefault());
    ok->click();
    EXPECT_FALSE(box->isVisible());
}

// --- accessibility

TEST(Accessibility, NamesAndDescriptions)
{
    Shell s;
    QLineEdit* a1 = s.find<QLineEdit>("a1");
    EXPECT_EQ(a1->accessibleName(), QStringLiteral("Člen a"));
    EXPECT_EQ(a1->accessibleDescription(), QStringLiteral("Zadejte člen \"a\""));
    EXPECT_EQ(s.find<QComboBox>("d3_vyber")->accessibleDescription(),
              QStringLiteral("Určete jaký 3D objekt chcete počítat"));
    auto* save = s.window->listingWindow()->findChild<QPushButton*>(QStringLiteral("uloz_reseni"));
    EXPECT_EQ(save->accessibleName(), QStringLiteral("Uložit"));
}

TEST(Accessibility, WidgetNamesForAutomation)
{
    qputenv("QVKALKOR_A11Y_IDS", "1");
    {
        Shell s;
        EXPECT_EQ(s.find<QLineEdit>("a1")->accessibleName(), QStringLiteral("a1"));
        EXPECT_EQ(s.find<QLineEdit>("x1res")->accessibleName(), QStringLiteral("x1res"));
        EXPECT_EQ(s.find<QPushButton>("kvreseni")->accessibleName(), QStringLiteral("kvreseni"));
        auto* ok = s.window->settingsDialog()->findChild<QPushButton*>(QStringLiteral("ok_button"));
        EXPECT_EQ(ok->accessibleName(), QStringLiteral("ok_button"));
    }
    qunsetenv("QVKALKOR_A11Y_IDS");
}

} // namespace
} // namespace qvk::shell

namespace qvk::shell {
namespace {

TEST(MainWindow, OnlyThePageOnShowIsVisible)
{
    Shell s;
    for (const char* set : {"druh", "rov1", "cisla1", "d2_page", "d3_page"}) {
        QTabWidget* tabs = s.pages(set);
        for (int i = 0; i < tabs->count(); ++i)
            EXPECT_EQ(tabs->widget(i)->isVisibleTo(tabs), i == tabs->currentIndex())
                << set << " " << tabs->widget(i)->objectName().toStdString();
    }
}

TEST(MainWindow, ButtonTabsFitTheWindow)
{
    Shell s;
    for (const auto& [set, top] : {std::pair{"rov1", 0}, {"cisla1", 1}}) {
        QTabWidget* tabs = s.pages(set);
        QTabBar* bar = tabs->tabBar();
        for (int i = 0; i < bar->count(); ++i) {
            s.showPage(top, i);
            QApplication::processEvents();
            EXPECT_LE(bar->tabRect(bar->count() - 1).right(), tabs->width()) << set << " page " << i;
        }
    }
}

TEST(GuiHost, EffectsNeitherRaiseNorClearTheCalculationsFaults)
{
    // The calculation reaches the window's effects through the model only.
    GuiHost host;
    host.setEffectHandler([](const Effect&) {
        std::feclearexcept(FE_ALL_EXCEPT);
        std::feraiseexcept(FE_INVALID);
    });
    WindowModel model;
    model.setHost(&host);
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO);
    model.effect(Effect::help(QStringLiteral("index")));
    EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), FE_DIVBYZERO);
    std::feclearexcept(FE_ALL_EXCEPT);
}

} // namespace
} // namespace qvk::shell
