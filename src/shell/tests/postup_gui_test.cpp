// The "Postup" panel on the offscreen platform: shown beside the pages from
// the menu, the worked solution of the page's last calculation in it, drawn
// only while it is on show; copied, saved as PDF and printed.
#include "app/assembly.h"
#include "app/calculators.h"
#include "app/navigation.h"
#include "shell/geometry.h"
#include "shell/postup_view.h"
#include "shell/thlavni.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <cfenv>
#include <memory>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace qvk::shell {
namespace {

const QString kItem = QString::fromLatin1(Thlavni::kPostupItem);

struct Shell {
    WindowModel model;
    Registry registry;
    RecordingHost quiet; // refusals without a box that waits for an answer
    std::unique_ptr<Thlavni> window;
    int made = 0; // explanations of the test's own handler made

    Shell()
    {
        app::assemble(model, registry);
        // A calculation of the quadratic page whose explanation counts when it is made.
        registry.add(QStringLiteral("test_explainClick"), [this](WindowModel& m) {
            m.explain([this] {
                ++made;
                Postup p;
                p.add(PostupLine::Kind::Heading, QStringLiteral("Zkouška"));
                p.add(PostupLine::Kind::Step, QStringLiteral("c = √(a² + b²) = √25 = 5"));
                return p;
            });
        });
        window = std::make_unique<Thlavni>(model, registry);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QAction* item() const { return window->binding().action(kItem); }
    QWidget* pages() const { return window->findChild<QTabWidget*>(QString::fromLatin1(app::kTopSet)); }
    PostupView* view() const { return window->findChild<PostupView*>(); }
    void fire(const char* event) { window->binding().fire(QString::fromLatin1(event)); }
    // Lets the zero-timer draw.
    static void drawn() { QApplication::processEvents(); }
};

TEST(Postup, TheMenuItemWidensTheWindowByThePanelAndThePagesStayPut)
{
    Shell s;
    QAction* item = s.item();
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), QStringLiteral("Postup"));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(s.view(), nullptr); // built when first shown

    const QSize size = s.window->size();
    const QRect pages(s.pages()->mapTo(s.window.get(), QPoint()), s.pages()->size());
    const QImage before = s.window->grab().toImage();

    item->trigger();
    ASSERT_TRUE(s.view());
    EXPECT_TRUE(s.window->postupShown());
    EXPECT_TRUE(s.view()->isVisible());
    EXPECT_TRUE(s.model.checked(kItem));
    EXPECT_TRUE(item->isChecked());
    const int panel = scaled(PostupView::kWidth, s.window->scale());
    EXPECT_EQ(s.window->size(), QSize(size.width() + panel, size.height()));
    EXPECT_EQ(s.window->minimumSize(), s.window->maximumSize());
    EXPECT_EQ(QRect(s.pages()->mapTo(s.window.get(), QPoint()), s.pages()->size()), pages);
    const QRect beside(s.view()->mapTo(s.window.get(), QPoint()), s.view()->size());
    EXPECT_EQ(beside, QRect(pages.right() + 1, pages.top(), panel, pages.height()));

    item->trigger();
    EXPECT_FALSE(s.window->postupShown());
    EXPECT_FALSE(s.model.checked(kItem));
    EXPECT_EQ(s.window->size(), size);
    EXPECT_EQ(s.window->minimumSize(), size);
    EXPECT_EQ(s.window->grab().toImage(), before);
}

TEST(Postup, AfterSolvingTheQuadraticItShowsItsWorkedSolution)
{
    Shell s;
    s.window->setPostupShown(true);
    s.drawn();
    EXPECT_FALSE(s.view()->hasPostup());
    EXPECT_FALSE(s.view()->findChild<QPushButton*>(QStringLiteral("postup_kopie"))->isEnabled());

    s.fire("kvreseniClick");
    // What the toolkit's painting leaves in the FP status is no fault of the solution's.
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO);
    s.drawn();
    const QString plain = s.model.postup().plain().join(u'\n');
    ASSERT_TRUE(plain.startsWith(QStringLiteral("Kvadratická rovnice\n2x² + 12x + 16 = 0\nDáno:")));
    EXPECT_EQ(s.view()->plainText(), plain);
    // Shown as it is written: the roots' bars are drawn, not typed.
    EXPECT_EQ(s.view()->browser()->toPlainText(), plain);
    EXPECT_TRUE(s.view()->findChild<QPushButton*>(QStringLiteral("postup_kopie"))->isEnabled());
    // Nothing clipped: wrapped to the panel's width, scrolled down to the end.
    QTextBrowser* text = s.view()->browser();
    for (int i = 0; i < 4; ++i)
        s.drawn();
    EXPECT_LE(text->document()->idealWidth(), text->viewport()->width());
    ASSERT_GT(text->document()->size().height(), text->viewport()->height());
    EXPECT_TRUE(text->verticalScrollBar()->isVisible());
    EXPECT_GE(text->verticalScrollBar()->maximum(), text->document()->size().height() - text->viewport()->height() - 1);

    // A refusal shows its message.
    s.model.setHost(&s.quiet);
    s.model.setText(QStringLiteral("a1"), QStringLiteral("0"));
    s.fire("kvreseniClick");
    s.drawn();
    ASSERT_EQ(s.quiet.messages.size(), 1u);
    EXPECT_TRUE(s.view()->plainText().startsWith(s.quiet.messages.front().text + u'\n'));
    EXPECT_TRUE(s.view()->browser()->toPlainText().contains(s.quiet.messages.front().text));
    s.model.setHost(&s.window->host());
}

TEST(Postup, TheSolutionIsMadeOnlyWhileThePanelShowsAndAfterThePagePainted)
{
    Shell s;
    s.fire("test_explainClick");
    s.drawn();
    EXPECT_EQ(s.made, 0); // hidden: nothing made

    s.window->setPostupShown(true);
    EXPECT_EQ(s.made, 0);
    s.drawn();
    EXPECT_EQ(s.made, 1);
    EXPECT_EQ(s.view()->plainText(), QStringLiteral("Zkouška\nc = √(a² + b²) = √25 = 5"));
    // The radicand under the bar, without its parentheses.
    EXPECT_EQ(s.view()->browser()->toPlainText(), QStringLiteral("Zkouška\nc = √a² + b² = √25 = 5"));

    s.fire("test_explainClick");
    EXPECT_EQ(s.made, 1); // the page paints first
    s.drawn();
    EXPECT_EQ(s.made, 2);

    // Another page has no solution of its own yet; back on the page, its own is there.
    app::show_page(s.model, s.registry, QStringLiteral("kub"));
    s.drawn();
    EXPECT_FALSE(s.view()->hasPostup());
    app::show_page(s.model, s.registry, QStringLiteral("kr"));
    s.drawn();
    EXPECT_TRUE(s.view()->hasPostup());
    EXPECT_EQ(s.made, 2);
}

TEST(Postup, CopyGivesPlainAndRichText)
{
    Shell s;
    s.window->setPostupShown(true);
    s.model.setText(QStringLiteral("b1"), QStringLiteral("-2"));
    s.model.setText(QStringLiteral("a1"), QStringLiteral("1"));
    s.model.setText(QStringLiteral("c1"), QStringLiteral("-1"));
    s.fire("kvreseniClick");
    s.drawn();
    QApplication::clipboard()->clear();
    s.view()->findChild<QPushButton*>(QStringLiteral("postup_kopie"))->click();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied);
    if (!copied->hasText())
        GTEST_SKIP() << "no clipboard on this platform";
    EXPECT_EQ(copied->text(), s.model.postup().plain().join(u'\n'));
    ASSERT_TRUE(copied->hasHtml());
    const QString html = copied->html();
    EXPECT_TRUE(html.contains(QStringLiteral("<b>Kvadratická rovnice</b>")));
    EXPECT_TRUE(html.contains(QStringLiteral("√<span style=\"text-decoration: overline\">8</span> = 2√<span "
                                             "style=\"text-decoration: overline\">2</span>")));
}

bool is_pdf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.size() > 1000 && f.read(5) == "%PDF-";
}

TEST(Postup, SavedAsPdfAndPrintedToAPdfFile)
{
    Shell s;
    QTemporaryDir dir;
    s.window->setPostupShown(true);
    s.fire("kvreseniClick");
    s.drawn();
    PostupView* v = s.view();

    // "Uložit jako PDF ...": the name chosen gets its ".pdf".
    v->setFileChooser([&dir](QWidget*) { return dir.filePath(QStringLiteral("postup")); });
    v->findChild<QPushButton*>(QStringLiteral("postup_pdf"))->click();
    EXPECT_TRUE(is_pdf(dir.filePath(QStringLiteral("postup.pdf"))));

    // "Tisk ...": the printer the dialog set up, here one that prints to a file.
    const QString printed = dir.filePath(QStringLiteral("tisk.pdf"));
    int asked = 0;
    v->setPrinterSetup([&](QPrinter& printer, QWidget*) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    });
    v->findChild<QPushButton*>(QStringLiteral("postup_tisk"))->click();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(is_pdf(printed));
    // Cancelled: nothing printed.
    QFile::remove(printed);
    v->setPrinterSetup([](QPrinter&, QWidget*) { return false; });
    v->print();
    EXPECT_FALSE(QFile::exists(printed));

    // A file that cannot be written: a message, the old file stays.
    s.model.setHost(&s.quiet);
    EXPECT_FALSE(v->savePdf(dir.filePath(QStringLiteral("no/such/folder/postup.pdf"))));
    ASSERT_EQ(s.quiet.messages.size(), 1u);
    EXPECT_EQ(s.quiet.messages.front().kind, Message::Kind::Error);
    EXPECT_TRUE(s.view()->hasPostup()); // the solution stays on show
    s.model.setHost(&s.window->host());
}

TEST(Postup, TheButtonsHaveCzechAccessibleNamesAndTakeTheFocusInTurn)
{
    Shell s;
    Settings quiet = s.model.settings();
    quiet.vypis_reseni = false; // no listing window takes the focus
    s.model.setSettings(quiet);
    s.window->setPostupShown(true);
    s.fire("kvreseniClick");
    s.drawn();
    PostupView* v = s.view();
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {{"postup_kopie", "Kopírovat"}, {"postup_pdf", "Uložit jako PDF ..."}, {"postup_tisk", "Tisk ..."}};
    EXPECT_EQ(v->browser()->accessibleName(), QStringLiteral("Postup"));
    // From the page's fields Tab goes on to the solution, then to its buttons.
    s.window->findChild<QWidget*>(QStringLiteral("a1"))->setFocus();
    for (int i = 0; i < 20 && QApplication::focusWidget() != v->browser(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), v->browser());
    for (const auto& b : buttons) {
        auto* button = v->findChild<QPushButton*>(QString::fromLatin1(b.name));
        ASSERT_TRUE(button) << b.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(button->accessibleName(), QString::fromUtf8(b.caption));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), button) << b.name;
        // Every caption has its room.
        EXPECT_LE(button->sizeHint().width(), button->width()) << b.name;
    }
}

} // namespace
} // namespace qvk::shell
