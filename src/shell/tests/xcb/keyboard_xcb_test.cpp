// What a pupil meets by keyboard and mouse on the real X11 platform: fields
// read from their start, Tab, Enter and Alt in fields, the focus after page
// changes and runs, memos that keep the caret or show their end, the window
// that stays where it was left, captions with room.
#include "app/config/ini_file.h"
#include "shell/tests/xcb/x_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace qvk::shell::xcb_test {
namespace {

using Keyboard = OnX11;

QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// Clicks a point of a widget through the X server.
void click_at(QWidget* w, QPoint local)
{
    const QPoint p = on_screen(w, local);
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                                  QString::number(p.x()), QString::number(p.y()),
                                                  QStringLiteral("click"), QStringLiteral("1")});
    settle();
}

void click_tab(Program& p, const char* set, int index)
{
    QTabBar* bar = p.find<QTabWidget>(set)->tabBar();
    click_at(bar, bar->tabRect(index).center());
}

void set_places(WindowModel& m, int n)
{
    Settings s = m.settings();
    s.zaokrouhleni = n;
    m.setSettings(s);
}

TEST_F(Keyboard, ResultsAreReadFromTheirStart)
{
    Program p;
    set_places(p.model, 12);
    p.retype("a1", QStringLiteral("3"));
    p.retype("b1", QStringLiteral("1"));
    p.retype("c1", QStringLiteral("-9999"));
    p.click(p.find("kvreseni"));
    auto* x1 = p.find<QLineEdit>("x1res");
    ASSERT_EQ(x1->text(), QStringLiteral("-57,899047336251"));
    EXPECT_EQ(x1->cursorPosition(), 0);
    EXPECT_TRUE(fits(x1));
    auto* set = p.find<QLineEdit>("reseni");
    EXPECT_EQ(set->cursorPosition(), 0);
    if (!fits(set)) {
        EXPECT_TRUE(set->toolTip().contains(set->text()));
    }

    activate(p.window.get());
    click_tab(p, "druh", 2);
    p.model.setText(QStringLiteral("data"), QStringLiteral("-100000\n-74388,48\n"));
    p.click(p.find("stat_vyres"));
    auto* sum = p.find<QLineEdit>("stat_soucet");
    ASSERT_EQ(sum->text(), QStringLiteral("-174388,48"));
    EXPECT_EQ(sum->cursorPosition(), 0);
    EXPECT_TRUE(fits(sum));
    p.model.setText(QStringLiteral("stat_prvky"), QStringLiteral("100000"));
    EXPECT_TRUE(fits(p.find<QLineEdit>("stat_prvky")));
}

TEST_F(Keyboard, TabAndShiftTabLeaveTheData)
{
    Program p;
    click_tab(p, "druh", 2);
    auto* data = p.find<QPlainTextEdit>("data");
    const QString before = data->toPlainText();
    p.click(data);
    ASSERT_EQ(focused(), QStringLiteral("data"));
    press({QStringLiteral("Tab")});
    EXPECT_NE(focused(), QStringLiteral("data"));
    press({QStringLiteral("shift+Tab")});
    ASSERT_EQ(focused(), QStringLiteral("data"));
    press({QStringLiteral("shift+Tab")});
    EXPECT_NE(focused(), QStringLiteral("data"));
    EXPECT_EQ(data->toPlainText(), before);
    EXPECT_EQ(p.model.text(QStringLiteral("stat_prvky")), QStringLiteral("12"));
}

TEST_F(Keyboard, RemovingEmptyLinesKeepsTheCaret)
{
    Program p;
    click_tab(p, "druh", 2);
    auto* data = p.find<QPlainTextEdit>("data");
    p.click(data);
    press({QStringLiteral("ctrl+Home"), QStringLiteral("End"), QStringLiteral("Return")});
    type_text(QStringLiteral("77"));
    const QStringList lines = data->toPlainText().split(u'\n');
    EXPECT_EQ(lines.value(0), QStringLiteral("12")) << data->toPlainText().toStdString();
    EXPECT_EQ(lines.value(1), QStringLiteral("779"));
    EXPECT_TRUE(data->document()->isUndoAvailable());
}

TEST_F(Keyboard, FocusIsBackOnTheStartButtonAfterARun)
{
    Program p;
    click_tab(p, "druh", 2);
    p.click(p.find("stat_vyres"));
    EXPECT_EQ(focused(), QStringLiteral("stat_vyres"));
    // Arrow keys then stay on the page.
    press({QStringLiteral("Right")});
    EXPECT_EQ(p.find<QTabWidget>("druh")->currentIndex(), 2);

    click_tab(p, "druh", 1);
    p.click(p.find("rozloz"));
    EXPECT_EQ(focused(), QStringLiteral("rozloz"));
    EXPECT_EQ(p.model.text(QStringLiteral("stav")), QStringLiteral("Výpočet dokončen"));
}

TEST_F(Keyboard, AltLetterTypesNothing)
{
    Program p;
    click_tab(p, "druh", 1);
    auto* e = p.find<QLineEdit>("zadani_prv");
    p.click(e);
    press({QStringLiteral("End"), QStringLiteral("alt+u"), QStringLiteral("alt+q")});
    EXPECT_EQ(e->text(), QStringLiteral("174636000"));
    EXPECT_EQ(p.model.text(QStringLiteral("zadani_prv")), QStringLiteral("174636000"));

    click_tab(p, "druh", 2);
    auto* data = p.find<QPlainTextEdit>("data");
    const QString before = data->toPlainText();
    p.click(data);
    press({QStringLiteral("alt+u")});
    EXPECT_EQ(data->toPlainText(), before);
}

TEST_F(Keyboard, FocusOnThePagesFirstFieldAndEnterRunsIt)
{
    Program p;
    EXPECT_EQ(focused(), QStringLiteral("a1"));
    click_tab(p, "druh", 2);
    EXPECT_EQ(focused(), QStringLiteral("data"));
    click_tab(p, "druh", 1);
    EXPECT_EQ(focused(), QStringLiteral("zadani_prv"));
    click_tab(p, "druh", 0);
    EXPECT_EQ(focused(), QStringLiteral("a1"));

    p.retype("c1", QStringLiteral("18"));
    press({QStringLiteral("Return")});
    EXPECT_EQ(p.model.text(QStringLiteral("dres")), QStringLiteral("0"));
}

TEST_F(Keyboard, AListingShowsItsLastLine)
{
    Program p;
    click_tab(p, "druh", 1);
    p.retype("xdo", QStringLiteral("20000"));
    p.click(p.find("vypis"));
    auto* memo = p.find<QPlainTextEdit>("rozklad");
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.model.text(QStringLiteral("rozklad")).contains(u"Počet"); }, 20000));
    settle();
    QScrollBar* bar = memo->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(Keyboard, TheWindowStartsWhereItWasLeft)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("qvkalkor.ini"));
    QPoint shown;
    auto stored = [&] {
        const config::IniFile f = config::IniFile::load(ini);
        return QPoint(f.readInteger(QStringLiteral("poloha"), QStringLiteral("left"), -1),
                      f.readInteger(QStringLiteral("poloha"), QStringLiteral("top"), -1));
    };
    {
        Program p({true, dir.path()});
        // Under load the frame comes a moment after the window is managed:
        // the place is read once it has stopped moving.
        QPoint last = frame_position(p.window.get());
        for (int still = 0, tries = 0; still < 5 && tries < 60; ++tries) {
            QTest::qWait(60);
            const QPoint now = frame_position(p.window.get());
            still = now == last ? still + 1 : 0;
            last = now;
        }
        shown = last;
    }
    const QPoint first = stored();
    EXPECT_EQ(first, shown);
    for (int start = 0; start < 2; ++start) {
        {
            Program p({true, dir.path()});
            // The window manager may apply the program's move a moment later.
            (void)QTest::qWaitFor([&] { return frame_position(p.window.get()) == first; }, 3000);
            EXPECT_EQ(frame_position(p.window.get()), first) << "start " << start;
        }
        EXPECT_EQ(stored(), first) << "start " << start;
    }
}

// Every caption has room, also with the desktop's font one size larger.
void captions_fit(Program& p)
{
    p.model.setText(QStringLiteral("stav"), QStringLiteral("Výpočet nedokončen"));
    p.model.setText(QStringLiteral("Tridim"), QStringLiteral("Třídím data ... 100 %"));
    const int room = 3;
    build_all_pages(p.window.get());
    for (QWidget* w : p.window->centralWidget()->findChildren<QWidget*>()) {
        const std::string what = w->objectName().toStdString() + " " + w->property("text").toString().toStdString();
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            if (l->wordWrap())
                EXPECT_LE(l->heightForWidth(l->width()) + room, l->height()) << what;
            else
                EXPECT_LE(l->sizeHint().width() + room, l->width()) << what;
        } else if (auto* b = qobject_cast<QPushButton*>(w); b && !b->text().isEmpty()) {
            QString caption = b->text();
            caption.remove(u'&');
            const int need = b->fontMetrics().horizontalAdvance(caption) +
                             (b->icon().isNull() ? 0 : b->iconSize().width() + 4) +
                             b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                             2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
            EXPECT_LE(need + room, b->width()) << what;
        }
    }
}

TEST_F(Keyboard, CaptionsFitWithRoom)
{
    Program p;
    captions_fit(p);
}

TEST_F(Keyboard, CaptionsFitWithALargerFont)
{
    QFont f = QApplication::font();
    f.setPointSizeF(f.pointSizeF() + 1);
    QApplication::setFont(f);
    Program p;
    captions_fit(p);
}

TEST_F(Keyboard, TheSameRelationPickedAgainRunsNothing)
{
    Program p;
    p.click(p.find("kvreseni"));
    activate(p.window.get());
    const qsizetype once = p.model.listing().size();
    ASSERT_GT(once, 0);
    auto* relation = p.find<QComboBox>("rovnice");
    p.click(relation);
    press({QStringLiteral("Return")});
    EXPECT_EQ(p.model.listing().size(), once);
    activate(p.window.get());
    // Elsewhere on the list: a pointer that does not move never reports.
    click_at(relation, QPoint(6, relation->height() / 2));
    press({QStringLiteral("Down"), QStringLiteral("Return")});
    EXPECT_EQ(relation->currentIndex(), 1);
    EXPECT_GT(p.model.listing().size(), once);

    EXPECT_EQ(p.find("x1res")->toolTip(), QStringLiteral("Kořeny (ne)rovnice"));
    EXPECT_TRUE(p.find("x1name")->toolTip().isEmpty());
    EXPECT_TRUE(p.find("x2res")->toolTip().isEmpty());
}

} // namespace
} // namespace qvk::shell::xcb_test
