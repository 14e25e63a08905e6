// What a user meets by keyboard and by eye in the window, on the offscreen
// platform: fields read from their start, focus after page changes and runs,
// Tab, Enter and Alt in fields, memos that keep the caret or show their end.
#include "app/assembly.h"
#include "app/navigation.h"
#include "shell/pages/page_classes.h"
#include "shell/thlavni.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace qvk::shell {
namespace {

struct Window {
    WindowModel model;
    Registry registry;
    std::unique_ptr<Thlavni> window;

    Window()
    {
        app::assemble(model, registry);
        window = std::make_unique<Thlavni>(model, registry);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
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
    void showPage(int top, int inner) { app::show_page(model, registry, top, inner); }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    void setPlaces(int n)
    {
        Settings s = model.settings();
        s.zaokrouhleni = n;
        model.setSettings(s);
    }
};

// Whether the whole text is in view (no part scrolled out).
bool fits(const QLineEdit* e)
{
    const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
    return e->fontMetrics().horizontalAdvance(e->text()) <= e->contentsRect().width() - 2 * frame - 4;
}

TEST(Reading, ResultsShowTheirFirstCharacterAndFit)
{
    Window w;
    w.setPlaces(12);
    w.model.setText(QStringLiteral("a1"), QStringLiteral("3"));
    w.model.setText(QStringLiteral("b1"), QStringLiteral("1"));
    w.model.setText(QStringLiteral("c1"), QStringLiteral("-9999"));
    QTest::mouseClick(w.find("kvreseni"), Qt::LeftButton);
    auto* x1 = w.find<QLineEdit>("x1res");
    ASSERT_EQ(x1->text(), QStringLiteral("-57,899047336251"));
    EXPECT_EQ(x1->cursorPosition(), 0);
    EXPECT_TRUE(fits(x1));
    EXPECT_TRUE(fits(w.find<QLineEdit>("x2res")));
    // Shown whole in a smaller font, or cut and read whole in the hint.
    auto* set = w.find<QLineEdit>("reseni");
    EXPECT_EQ(set->cursorPosition(), 0);
    EXPECT_TRUE(set->toolTip().startsWith(QStringLiteral("Řešení (ne)rovnice")));
    if (!fits(set)) {
        EXPECT_TRUE(set->toolTip().contains(set->text())) << set->toolTip().toStdString();
    }
}

TEST(Reading, StatisticsResultsFit)
{
    Window w;
    w.showPage(2, 0);
    w.model.setText(QStringLiteral("data"), QStringLiteral("-100000\n-74388,48\n"));
    QTest::mouseClick(w.find("stat_vyres"), Qt::LeftButton);
    auto* sum = w.find<QLineEdit>("stat_soucet");
    ASSERT_EQ(sum->text(), QStringLiteral("-174388,48"));
    EXPECT_EQ(sum->cursorPosition(), 0);
    EXPECT_TRUE(fits(sum));
    w.model.setText(QStringLiteral("stat_prvky"), QStringLiteral("100000"));
    EXPECT_TRUE(fits(w.find<QLineEdit>("stat_prvky")));
}

TEST(Keys, TabLeavesTheDataMemo)
{
    Window w;
    w.showPage(2, 0);
    auto* data = w.find<QPlainTextEdit>("data");
    data->setFocus();
    const QString before = data->toPlainText();
    QTest::keyClick(data, Qt::Key_Tab);
    EXPECT_NE(w.focused(), QStringLiteral("data"));
    EXPECT_EQ(data->toPlainText(), before);
    data->setFocus();
    QTest::keyClick(data, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(w.focused(), QStringLiteral("data"));
    EXPECT_EQ(data->toPlainText(), before);
}

TEST(Keys, RemovingEmptyLinesKeepsTheCaretTheViewAndUndo)
{
    Window w;
    w.showPage(2, 0);
    auto* data = w.find<QPlainTextEdit>("data");
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines.append(QString::number(i));
    w.model.setText(QStringLiteral("data"), lines.join(u'\n') + u'\n');
    data->setFocus();
    // Caret at the end of line 30, in view below the first lines.
    QTextCursor c(data->document()->findBlockByNumber(29));
    c.movePosition(QTextCursor::EndOfBlock);
    data->setTextCursor(c);
    data->ensureCursorVisible();
    const int scrolled = data->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    // Enter makes an empty line that goes on release; the caret stays by "30".
    QTest::keyClick(data, Qt::Key_Return);
    QTest::keyClicks(data, QStringLiteral("77"));
    const QStringList now = data->toPlainText().split(u'\n');
    EXPECT_EQ(now.value(0), QStringLiteral("1"));
    EXPECT_EQ(now.value(30), QStringLiteral("7731")) << data->toPlainText().toStdString();
    EXPECT_EQ(now.value(29), QStringLiteral("30"));
    EXPECT_EQ(data->verticalScrollBar()->value(), scrolled);
    EXPECT_TRUE(data->document()->isUndoAvailable());

    // Blank lines above the caret go; the caret stays in its line.
    w.model.setText(QStringLiteral("data"), QStringLiteral("1\n\n\n2\n3\n"));
    QTextCursor three(data->document()->findBlockByNumber(4));
    three.movePosition(QTextCursor::EndOfBlock);
    data->setTextCursor(three);
    QTest::keyClick(data, Qt::Key_End);
    EXPECT_EQ(data->toPlainText(), QStringLiteral("1\n2\n3\n"));
    EXPECT_EQ(data->textCursor().block().text(), QStringLiteral("3"));
    EXPECT_EQ(data->textCursor().positionInBlock(), 1);
}

TEST(Focus, StaysOnTheStartButtonAfterARun)
{
    Window w;
    for (const auto& [top, inner, button] : {std::tuple{2, 0, "stat_vyres"}, {1, 0, "rozloz"}}) {
        w.showPage(top, inner);
        QWidget* b = w.find(button);
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(w.focused(), QString::fromUtf8(button));
        EXPECT_TRUE(b->isEnabled());
    }
}

TEST(Keys, AltLetterOfADisabledButtonTypesNothing)
{
    Window w;
    w.showPage(1, 0);
    auto* e = w.find<QLineEdit>("zadani_prv");
    e->setFocus();
    e->end(false);
    const QString before = e->text();
    ASSERT_FALSE(w.find("prerus")->isEnabled());
    for (char key : {'u', 'x', 'q'})
        QTest::keyClick(e, key, Qt::AltModifier);
    EXPECT_EQ(e->text(), before);
    EXPECT_EQ(w.model.text(QStringLiteral("zadani_prv")), before);

    w.showPage(2, 0);
    auto* data = w.find<QPlainTextEdit>("data");
    data->setFocus();
    const QString lines = data->toPlainText();
    QTest::keyClick(data, 'u', Qt::AltModifier);
    EXPECT_EQ(data->toPlainText(), lines);
}

TEST(Focus, FirstInputAtStartAndAfterAPageChange)
{
    Window w;
    EXPECT_EQ(w.focused(), QStringLiteral("a1"));
    QTabBar* top = w.find<QTabWidget>("druh")->tabBar();
    QTest::mouseClick(top, Qt::LeftButton, {}, top->tabRect(2).center());
    EXPECT_EQ(w.focused(), QStringLiteral("data"));
    QTest::mouseClick(top, Qt::LeftButton, {}, top->tabRect(1).center());
    EXPECT_EQ(w.focused(), QStringLiteral("zadani_prv"));
    QTest::mouseClick(top, Qt::LeftButton, {}, top->tabRect(3).center());
    EXPECT_EQ(w.focused(), QStringLiteral("d2_vyber"));
    QTest::mouseClick(top, Qt::LeftButton, {}, top->tabRect(0).center());
    EXPECT_EQ(w.focused(), QStringLiteral("a1"));
}

TEST(Keys, EnterInAFieldRunsThePagesOnlyCalculation)
{
    Window w;
    auto* c = w.find<QLineEdit>("c1");
    c->setFocus();
    c->selectAll();
    QTest::keyClicks(c, QStringLiteral("18"));
    QTest::keyClick(c, Qt::Key_Return);
    EXPECT_EQ(w.model.text(QStringLiteral("dres")), QStringLiteral("0"));
    EXPECT_EQ(w.focused(), QStringLiteral("c1"));
    // Two calculations on the page: Enter runs the field's own.
    w.showPage(1, 0);
    auto* n = w.find<QLineEdit>("zadani_prv");
    n->setFocus();
    QTest::keyClick(n, Qt::Key_Return);
    EXPECT_EQ(w.model.lines(QStringLiteral("rozklad")).value(0), QStringLiteral("2 ^ 5"));
}

TEST(Reading, AListingShowsItsLastLine)
{
    Window w;
    w.showPage(1, 0);
    w.model.setText(QStringLiteral("xdo"), QStringLiteral("20000"));
    QTest::mouseClick(w.find("vypis"), Qt::LeftButton);
    auto* memo = w.find<QPlainTextEdit>("rozklad");
    ASSERT_TRUE(memo->toPlainText().contains(QStringLiteral("Počet : 2262")));
    QApplication::processEvents();
    QScrollBar* bar = memo->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST(Keys, TheSameRelationPickedAgainDoesNotRunTheSolver)
{
    Window w;
    auto* relation = w.find<QComboBox>("rovnice");
    emit relation->activated(1);
    const qsizetype after = w.model.listing().size();
    EXPECT_GT(after, 0);
    emit relation->activated(1);
    EXPECT_EQ(w.model.listing().size(), after);
    emit relation->activated(0);
    EXPECT_GT(w.model.listing().size(), after);
}

TEST(Reading, OnlyTheFirstRootCarriesTheRootsHint)
{
    Window w;
    EXPECT_EQ(w.find("x1res")->toolTip(), QStringLiteral("Kořeny (ne)rovnice"));
    EXPECT_TRUE(w.find("x1name")->toolTip().isEmpty());
    EXPECT_TRUE(w.find("x2res")->toolTip().isEmpty());
    EXPECT_TRUE(w.find("x2name")->toolTip().isEmpty());
}

} // namespace
} // namespace qvk::shell

namespace qvk::shell {
namespace {

// The longest texts the program writes into its labels.
const std::pair<const char*, const char*> kLongestLabelTexts[] = {
    {"stav", "Výpočet nedokončen"},
    {"cyklus", "-9223372036854775807"},
    {"Tridim", "Třídím data ... 100 %"},
};

// Every caption has room to spare, also with the desktop's font one size larger.
class Captions : public testing::TestWithParam<int> {};

TEST_P(Captions, FitWithRoom)
{
    const QFont desktop = QApplication::font();
    QFont larger = desktop;
    larger.setPointSizeF(desktop.pointSizeF() + GetParam());
    QApplication::setFont(larger);
    {
        Window w;
        for (const auto& [name, text] : kLongestLabelTexts)
            w.model.setText(QString::fromUtf8(name), QString::fromUtf8(text));
        const int room = qRound(3 * w.window->scale());
        build_all_pages(w.window.get());
        for (QWidget* widget : w.window->centralWidget()->findChildren<QWidget*>()) {
            const std::string what = widget->objectName().toStdString() + " \"" +
                                     widget->property("text").toString().toStdString() + "\"";
            if (auto* l = qobject_cast<QLabel*>(widget); l && !l->text().isEmpty()) {
                if (l->wordWrap())
                    EXPECT_LE(l->heightForWidth(l->width()) + room, l->height()) << what;
                else
                    EXPECT_LE(l->sizeHint().width() + room, l->width()) << what;
                EXPECT_LE(l->sizeHint().height(), l->height()) << what;
            } else if (auto* b = qobject_cast<QPushButton*>(widget); b && !b->text().isEmpty()) {
                // The button's own measure, without the style's minimum width.
                QString caption = b->text();
                caption.remove(u'&');
                QStyle* st = b->style();
                const int need = b->fontMetrics().horizontalAdvance(caption) +
                                 (b->icon().isNull() ? 0 : b->iconSize().width() + 4) +
                                 st->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                                 2 * st->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
                EXPECT_LE(need + room, b->width()) << what;
                EXPECT_LE(b->fontMetrics().height(), b->height()) << what;
            }
        }
    }
    QApplication::setFont(desktop);
}

INSTANTIATE_TEST_SUITE_P(Font, Captions, testing::Values(0, 1));

} // namespace
} // namespace qvk::shell
