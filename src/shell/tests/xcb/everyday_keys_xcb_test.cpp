// The keys a pupil uses on every page, typed through the X server: Tab from
// a figure's or solid's selector through its sheet, Enter in every field,
// Ctrl+X that cuts selected text or clears the page, Ctrl+Z that brings a
// cleared page back, and the keypad's point that types the decimal comma.
#include "shell/tests/xcb/x_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

namespace qvk::shell::xcb_test {
namespace {

using EverydayKeys = OnX11;

QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// xdotool's synchronous move waits forever when the pointer is already
// there: start every click from the screen's corner.
void click(const Program& p, QWidget* w)
{
    QCursor::setPos(0, 0);
    settle();
    p.click(w);
}

void click_tab(Program& p, const char* set, int index)
{
    QTabBar* bar = p.find<QTabWidget>(set)->tabBar();
    const QPoint at = on_screen(bar, bar->tabRect(index).center());
    QCursor::setPos(0, 0);
    settle();
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                                  QString::number(at.x()), QString::number(at.y()),
                                                  QStringLiteral("click"), QStringLiteral("1")});
    settle();
}

void retype(Program& p, const char* name, const QString& text)
{
    click(p, p.find(name));
    press({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    type_text(text);
}

QString text(Program& p, const char* name) { return p.model.text(QString::fromUtf8(name)); }

QStringList lines(Program& p, const char* name)
{
    QStringList l = p.model.lines(QString::fromUtf8(name));
    while (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

QStringList tabs_from_focus(int count)
{
    QStringList order{focused()};
    for (int i = 0; i < count; ++i) {
        press({QStringLiteral("Tab")});
        order.append(focused());
    }
    return order;
}

struct FrameCase {
    int top;
    const char* selector;
    const char* compute;
    const char* clear;
    QStringList fields; // of the first sheet, in tab order
    const char* nextFirst; // the first field of the next sheet
};

TEST_F(EverydayKeys, TabRunsFromTheSelectorThroughTheSheetAndAChoiceGoesIntoIt)
{
    const FrameCase cases[] = {
        {3, "d2_vyber", "vyres_d2", "vymaz_2d",
         {"tp_a", "tp_b", "tp_c", "tp_vc", "tp_alfa", "tp_beta", "tp_obvod", "tp_obsah"}, "troj_a"},
        {4, "d3_vyber", "vyres_d3", "vymaz_3d", {"kry_a", "kry_u", "kry_s", "kry_v"}, "kva_a"},
    };
    for (const FrameCase& c : cases) {
        Program p;
        click_tab(p, "druh", c.top);
        ASSERT_EQ(focused(), QString::fromUtf8(c.selector));
        QStringList expected{QString::fromUtf8(c.selector)};
        expected << c.fields << QString::fromUtf8(c.compute) << QString::fromUtf8(c.clear);
        EXPECT_EQ(tabs_from_focus(int(expected.size()) - 1), expected);
        // And back again.
        press({QStringLiteral("shift+Tab")});
        EXPECT_EQ(focused(), QString::fromUtf8(c.compute));

        // Leafing with the arrow keys stays on the selector; Enter goes into the sheet.
        click(p, p.find(c.selector));
        press({QStringLiteral("Escape")});
        ASSERT_EQ(focused(), QString::fromUtf8(c.selector));
        press({QStringLiteral("Down")});
        EXPECT_EQ(focused(), QString::fromUtf8(c.selector));
        EXPECT_EQ(p.model.index(QString::fromUtf8(c.selector)), 1);
        press({QStringLiteral("Return")});
        EXPECT_EQ(focused(), QString::fromUtf8(c.nextFirst));
        // Tab order follows the sheet on show.
        press({QStringLiteral("shift+Tab")});
        EXPECT_EQ(focused(), QString::fromUtf8(c.selector));

        // Chosen in the opened list, by mouse or keyboard: into the sheet at once.
        click(p, p.find(c.selector));
        press({QStringLiteral("Up"), QStringLiteral("Return")});
        EXPECT_EQ(p.model.index(QString::fromUtf8(c.selector)), 0);
        EXPECT_EQ(focused(), c.fields.first());
        EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
    }
}

TEST_F(EverydayKeys, EnterRunsTheCalculationOfTheFieldsOwnGroup)
{
    Program p;
    click_tab(p, "druh", 1);
    retype(p, "zadani_prv", QStringLiteral("98"));
    press({QStringLiteral("Return")});
    EXPECT_EQ(lines(p, "rozklad"), (QStringList{"2", "7 ^ 2"}));
    retype(p, "xod", QStringLiteral("10"));
    press({QStringLiteral("Return")});
    EXPECT_EQ(lines(p, "rozklad").value(3), QStringLiteral("19"));
    EXPECT_EQ(lines(p, "rozklad").value(5), QStringLiteral("Počet : 4"));
    retype(p, "xdo", QStringLiteral("12"));
    press({QStringLiteral("KP_Enter")});
    EXPECT_EQ(lines(p, "rozklad").value(2), QStringLiteral("Počet : 1"));

    p.find<QTabWidget>("cisla1")->setCurrentIndex(2);
    settle();
    retype(p, "z1", QStringLiteral("1"));
    retype(p, "z2", QStringLiteral("3"));
    retype(p, "z3", QStringLiteral("1"));
    retype(p, "z4", QStringLiteral("6"));
    press({QStringLiteral("Return")});
    EXPECT_EQ(text(p, "z5"), QStringLiteral("1"));
    EXPECT_EQ(text(p, "z6"), QStringLiteral("2"));
    retype(p, "zadani_c", QStringLiteral("25"));
    press({QStringLiteral("Return")});
    EXPECT_EQ(text(p, "citatel"), QStringLiteral("1"));
    EXPECT_EQ(text(p, "jmenovatel"), QStringLiteral("4"));

    p.find<QTabWidget>("cisla1")->setCurrentIndex(1);
    settle();
    retype(p, "sous2", QStringLiteral("16"));
    press({QStringLiteral("Return")});
    EXPECT_EQ(text(p, "cislo2"), QStringLiteral("63"));
    retype(p, "sous1", QStringLiteral("16"));
    press({QStringLiteral("Return")});
    EXPECT_EQ(text(p, "cislo2"), QStringLiteral("99"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(EverydayKeys, CtrlXCutsSelectedTextAndOtherwiseClearsThePageWhichCtrlZBringsBack)
{
    Program p;
    click_tab(p, "druh", 2);
    auto* data = p.find<QPlainTextEdit>("data");
    const QString all = data->toPlainText();
    // Selected text is cut, as everywhere on the desktop.
    click(p, data);
    press({QStringLiteral("ctrl+Home"), QStringLiteral("shift+Right"), QStringLiteral("ctrl+x")});
    EXPECT_EQ(data->toPlainText(), all.mid(1));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1"));
    press({QStringLiteral("ctrl+z")});
    EXPECT_EQ(data->toPlainText(), all);

    // Nothing selected: the page is cleared, and comes back whole.
    press({QStringLiteral("ctrl+End"), QStringLiteral("ctrl+x")});
    EXPECT_EQ(data->toPlainText(), QString());
    EXPECT_EQ(text(p, "data"), QString());
    press({QStringLiteral("ctrl+z")});
    EXPECT_EQ(data->toPlainText(), all);
    EXPECT_EQ(text(p, "data"), all);

    // Once typed into, Ctrl+Z is the field's own undo.
    press({QStringLiteral("ctrl+x")});
    type_text(QStringLiteral("5"));
    press({QStringLiteral("ctrl+z")});
    EXPECT_NE(text(p, "data"), all);
    EXPECT_FALSE(p.window->binding().action(QStringLiteral("Obnovpole1"))->isEnabled());

    // The clear button too; the sheet comes back with its angle and caption.
    click_tab(p, "druh", 3);
    p.model.setIndex(QStringLiteral("d2_vyber"), 7);
    p.window->binding().fire(QStringLiteral("d2_vyberChange"));
    settle();
    retype(p, "kru_r", QStringLiteral("2"));
    retype(p, "kru_alfa", QStringLiteral("90"));
    click(p, p.find("kru_usec"));
    click(p, p.find("vyres_d2"));
    ASSERT_EQ(text(p, "kru_s"), QStringLiteral("1,14"));
    click(p, p.find("vymaz_2d"));
    EXPECT_EQ(text(p, "kru_r"), QString());
    EXPECT_EQ(text(p, "kru_alfa"), QStringLiteral("360"));
    press({QStringLiteral("ctrl+z")});
    EXPECT_EQ(p.find<QLineEdit>("kru_r")->text(), QStringLiteral("2"));
    EXPECT_EQ(p.find<QLineEdit>("kru_alfa")->text(), QStringLiteral("90"));
    EXPECT_EQ(p.find<QLineEdit>("kru_s")->text(), QStringLiteral("1,14"));
    EXPECT_EQ(p.find<QLabel>("kru_oa")->text(), QStringLiteral("a ="));

    // A selected value of a field is cut, the other fields stay.
    click(p, p.find("kru_r"));
    press({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+x")});
    EXPECT_EQ(text(p, "kru_r"), QString());
    EXPECT_EQ(text(p, "kru_s"), QStringLiteral("1,14"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("2"));
    press({QStringLiteral("ctrl+z")});
    EXPECT_EQ(text(p, "kru_r"), QStringLiteral("2"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(EverydayKeys, APointTypesTheDecimalComma)
{
    Program p;
    retype(p, "a1", QStringLiteral("1.5"));
    EXPECT_EQ(p.find<QLineEdit>("a1")->text(), QStringLiteral("1,5"));
    EXPECT_EQ(text(p, "a1"), QStringLiteral("1,5"));

    click_tab(p, "druh", 2);
    auto* data = p.find<QPlainTextEdit>("data");
    click(p, data);
    press({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    type_text(QStringLiteral("2.5"));
    press({QStringLiteral("Return")});
    type_text(QStringLiteral("0.25"));
    EXPECT_EQ(data->toPlainText(), QStringLiteral("2,5\n0,25"));
    click(p, p.find("stat_vyres"));
    EXPECT_EQ(text(p, "stat_soucet"), QStringLiteral("2,75"));

    click_tab(p, "druh", 3);
    retype(p, "tp_a", QStringLiteral("3.2"));
    EXPECT_EQ(text(p, "tp_a"), QStringLiteral("3,2"));

    // Whole numbers and the number base keep their own keys.
    click_tab(p, "druh", 1);
    retype(p, "zadani_prv", QStringLiteral("9.7"));
    EXPECT_EQ(text(p, "zadani_prv"), QStringLiteral("9.7"));
    p.find<QTabWidget>("cisla1")->setCurrentIndex(1);
    settle();
    retype(p, "cislo1", QStringLiteral("1.2"));
    EXPECT_EQ(text(p, "cislo1"), QStringLiteral("12"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

} // namespace
} // namespace qvk::shell::xcb_test
