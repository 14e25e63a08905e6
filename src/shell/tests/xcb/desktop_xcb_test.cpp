// What the desktop shows of the program: the window manager gets the
// windows' own titles, and the toolkit's work on the windows a calculation
// opens (listing, help) is no fault of the calculation.
#include "shell/about_box.h"
#include "shell/desktop.h"
#include "shell/tests/xcb/x_window.h"

#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
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

// A search path holding these programs (empty scripts that may be run).
struct SearchPath {
    QTemporaryDir dir;
    explicit SearchPath(const QStringList& programs)
    {
        for (const QString& name : programs) {
            QFile f(dir.filePath(name));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\n");
            f.close();
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        }
    }
};

TEST_F(Desktop, CtrlKWithNoCalculatorInstalledSaysSo)
{
    Program p;
    SearchPath path({QStringLiteral("gnome-calculator.txt")});
    QStringList started;
    p.window->setProgramStarter(finder_on(path.dir.path()), [&](const QString& program) {
        started.append(program);
        return true;
    });
    press({QStringLiteral("ctrl+k")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.boxes.seen().isEmpty(); }, 5000));
    const BoxWatch::Box& box = p.boxes.seen().constFirst();
    EXPECT_EQ(box.wmTitle, QStringLiteral("QVkalkor"));
    EXPECT_EQ(box.text, no_calculator_text());
    EXPECT_TRUE(box.text.contains(u"není žádná nainstalována")) << box.text.toStdString();
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(Desktop, CtrlKStartsTheFirstCalculatorOnThePath)
{
    Program p;
    SearchPath path({QStringLiteral("speedcrunch"), QStringLiteral("xcalc")});
    QStringList started;
    p.window->setProgramStarter(finder_on(path.dir.path()), [&](const QString& program) {
        started.append(program);
        return true;
    });
    press({QStringLiteral("ctrl+k")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !started.isEmpty(); }, 5000));
    settle();
    EXPECT_EQ(started, QStringList{path.dir.filePath(QStringLiteral("speedcrunch"))});
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

QMessageBox* modal_box() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

TEST_F(Desktop, TheMailLinkWithoutAMailProgramOffersTheAddressToCopy)
{
    Program p;
    TOprog* about = p.window->aboutBox();
    QList<QUrl> asked;
    about->setUrlOpener([&](const QUrl& url) {
        asked.append(url);
        return false; // no program took it
    });
    QGuiApplication::clipboard()->setText(QStringLiteral("něco jiného"));
    p.boxes.pause();
    QString title, text;
    bool done = false;
    whenShown(about, [&] {
        EXPECT_TRUE(activate(about));
        settle();
        whenShown(modal_box, [&](QWidget* w) {
            auto* box = static_cast<QMessageBox*>(w);
            title = wm_name(box);
            text = box->text();
            EXPECT_TRUE(activate(box));
            p.click(box->findChild<QPushButton*>(QStringLiteral("kopirovat_adresu")));
        });
        p.click(about->findChild<QWidget*>(QStringLiteral("autor")));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty() && modal_box() == nullptr; }, 5000));
        // A box left open would keep the about box's loop, and the test, waiting.
        if (QMessageBox* left = modal_box())
            left->reject();
        about->accept();
        done = true;
    });
    QTimer::singleShot(0, [&] { p.window->binding().action(QStringLiteral("oprog_button"))->trigger(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    EXPECT_EQ(asked, QList<QUrl>{TOprog::mailUrl()});
    EXPECT_EQ(title, QStringLiteral("QVkalkor"));
    EXPECT_EQ(text, TOprog::noMailText());
    EXPECT_TRUE(text.endsWith(TOprog::mail()));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), TOprog::mail());
}

} // namespace
} // namespace qvk::shell::xcb_test
