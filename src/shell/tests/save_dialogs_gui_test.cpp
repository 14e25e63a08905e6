// The save dialogs of the graph and the listing, driven as a user drives
// them: where they open, the type chosen, the name completed.
#include "app/assembly.h"
#include "app/navigation.h"
#include "shell/graph_window.h"
#include "shell/listing_window.h"
#include "shell/thlavni.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace qvk::shell {
namespace {

// A home of its own whose documents folder is "Dokumenty", as on a Czech desktop.
struct Home {
    QTemporaryDir dir;
    QByteArray oldHome = qgetenv("HOME");
    QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    QString documents = dir.filePath(QStringLiteral("Dokumenty"));

    Home()
    {
        QDir(dir.path()).mkpath(QStringLiteral(".config"));
        QDir(dir.path()).mkpath(QStringLiteral("Dokumenty"));
        QFile dirs(dir.filePath(QStringLiteral(".config/user-dirs.dirs")));
        EXPECT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n");
        dirs.close();
        qputenv("HOME", dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral(".config")).toUtf8());
    }
    ~Home()
    {
        qputenv("HOME", oldHome);
        if (oldConfig.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
    }
};

// Answers the next save dialog: notes the folder it opened in, then chooses
// the type at `typeIndex` in its list (as with the arrow keys), goes to
// `folder` (empty: stays) and saves under `name`.
struct Answer {
    QString openedIn;
    bool answered = false;
};

void answer(Answer& a, int typeIndex, const QString& folder, const QString& name)
{
    auto* look = new QTimer(qApp);
    look->setInterval(20);
    QObject::connect(look, &QTimer::timeout, [look, &a, typeIndex, folder, name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        look->stop();
        look->deleteLater();
        a.openedIn = dialog->directory().absolutePath();
        if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
            while (types->currentIndex() < typeIndex)
                QTest::keyClick(types, Qt::Key_Down);
            while (types->currentIndex() > typeIndex)
                QTest::keyClick(types, Qt::Key_Up);
        }
        // Typed into its name field, as the whole path: the dialog reads its
        // folders in the background.
        auto* typed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(typed, nullptr);
        typed->setText(QDir(folder.isEmpty() ? a.openedIn : folder).filePath(name));
        QMetaObject::invokeMethod(dialog, "accept");
        a.answered = true;
    });
    look->start();
}

QByteArray head(const QString& path, int n)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

struct SaveDialogs : testing::Test {
    Home home;
    WindowModel model;
    Registry registry;
    std::unique_ptr<Thlavni> window;

    SaveDialogs()
    {
        app::assemble(model, registry);
        window = std::make_unique<Thlavni>(model, registry);
        window->show();
        app::show_page(model, registry, 0, 0);
        window->findChild<QPushButton*>(QStringLiteral("kvreseni"))->click();
        window->findChild<QAction*>(QStringLiteral("graf"))->trigger();
    }
    void save(const char* button, QWidget* in)
    {
        in->findChild<QPushButton*>(QString::fromUtf8(button))->click();
    }
};

TEST_F(SaveDialogs, StartInTheDocumentsThenInTheLastFolderAndCompleteTheNameByTheTypeChosen)
{
    GraphWindow* graph = window->graphWindow();
    ASSERT_TRUE(graph->isVisible());

    // "Uložit SVG ...", then PNG chosen in the dialog: a PNG picture.
    Answer first;
    answer(first, 0, QString(), QStringLiteral("graf1"));
    save("graf_svg", graph);
    ASSERT_TRUE(first.answered);
    EXPECT_EQ(first.openedIn, home.documents);
    EXPECT_EQ(head(home.documents + QStringLiteral("/graf1.png"), 4), QByteArray("\x89PNG"));
    EXPECT_FALSE(QFile::exists(home.documents + QStringLiteral("/graf1")));

    // Elsewhere, as SVG.
    const QString elsewhere = home.dir.filePath(QStringLiteral("jinde"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    Answer second;
    answer(second, 1, elsewhere, QStringLiteral("graf2"));
    save("graf_png", graph);
    ASSERT_TRUE(second.answered);
    EXPECT_EQ(second.openedIn, home.documents);
    EXPECT_TRUE(head(elsewhere + QStringLiteral("/graf2.svg"), 400).contains("<svg"));

    // The listing's dialog opens where the last save went.
    Tvypis_reseni* listing = window->listingWindow();
    ASSERT_TRUE(listing->isVisible());
    Answer third;
    answer(third, 0, QString(), QStringLiteral("postup"));
    save("uloz_reseni", listing);
    ASSERT_TRUE(third.answered);
    EXPECT_EQ(third.openedIn, elsewhere);
    EXPECT_TRUE(QFile::exists(elsewhere + QStringLiteral("/postup.txt")));

    // And the graph's again, where the listing went.
    Answer fourth;
    answer(fourth, 0, QString(), QStringLiteral("graf3.PNG"));
    save("graf_png", graph);
    EXPECT_EQ(fourth.openedIn, elsewhere);
    ASSERT_TRUE(fourth.answered);
    EXPECT_EQ(head(elsewhere + QStringLiteral("/graf3.PNG"), 4), QByteArray("\x89PNG"))
        << QDir(elsewhere).entryList(QDir::Files).join(u' ').toStdString();
}

struct NameCase {
    const char* chosen;
    bool svg;
    const char* path;
    bool writesSvg;
};

TEST(GraphFileName, GetsTheSuffixOfTheChosenTypeWhenItHasNone)
{
    const NameCase cases[] = {
        {"/d/graf", false, "/d/graf.png", false},     {"/d/graf", true, "/d/graf.svg", true},
        {"/d/graf.svg", false, "/d/graf.svg", true},  {"/d/graf.PNG", true, "/d/graf.PNG", false},
        {"/d.x/graf", true, "/d.x/graf.svg", true},   {"/d/graf.v1", false, "/d/graf.v1", false},
        {"/d/graf.", true, "/d/graf.", true},
    };
    for (const NameCase& c : cases) {
        const GraphWindow::SaveTarget t = GraphWindow::saveTarget(QString::fromUtf8(c.chosen), c.svg);
        EXPECT_EQ(t.path, QString::fromUtf8(c.path)) << c.chosen;
        EXPECT_EQ(t.svg, c.writesSvg) << c.chosen;
    }
}

} // namespace
} // namespace qvk::shell
