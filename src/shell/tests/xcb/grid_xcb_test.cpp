// The grids of the page "Soustava rovnic" on the real X11 platform: keys and
// drags as a person makes them, the confirmation box as the window manager
// has it, and the listing of a solve as it is shown.
#include "app/navigation.h"
#include "shell/grid_view.h"
#include "shell/listing_window.h"
#include "shell/tests/xcb/x_window.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace qvk::shell::xcb_test {
namespace {

using Grids = OnX11;

const QString kInput = QStringLiteral("soustavarov");
const QString kResults = QStringLiteral("reseni_rovnic");

void mouse(const QStringList& args)
{
    QProcess::execute(QStringLiteral("xdotool"), args);
    settle();
}

void move_to(QPoint global)
{
    mouse({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
}

// The page as a person opens it, the window active.
PubStrGridView* open_page(Program& p, const QString& grid = kInput)
{
    app::show_page(p.model, p.registry, QStringLiteral("sr"));
    settle();
    EXPECT_TRUE(activate(p.window.get()));
    return p.find<PubStrGridView>(grid.toUtf8().constData());
}

// Clicks the cell (col, row) of the grid, headers counted.
void click_cell(PubStrGridView* view, int col, int row)
{
    const QRect cell = view->visualRect(view->model()->index(row - 1, col - 1));
    ASSERT_TRUE(view->viewport()->rect().contains(cell.center())) << col << "," << row;
    move_to(on_screen(view->viewport(), cell.center()));
    mouse({QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_EQ(view->currentRow(), row);
    ASSERT_EQ(view->currentCol(), col);
}

QStringList row_texts(const grid::TPubStrGrid& g, int row)
{
    QStringList out;
    for (int c = 0; c < g.ColCount(); ++c)
        out << g.cell(c, row);
    return out;
}

QMessageBox* modal_box() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

TEST_F(Grids, ACommaTypedInACellIsAPoint)
{
    Program p;
    PubStrGridView* input = open_page(p);
    click_cell(input, 2, 1);
    press({QStringLiteral("ctrl+a")});
    type_text(QStringLiteral("1,5"));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("1.5"));
    press({QStringLiteral("Tab")});
    EXPECT_EQ(p.model.grid(kInput).cell(2, 1), QStringLiteral("1.5"));
    EXPECT_EQ(input->currentCol(), 3);
    // The point is what the solver reads.
    p.click(p.find("sous_rov_vyres"));
    EXPECT_EQ(p.boxes.describe(), QString());
    EXPECT_EQ(p.model.grid(kResults).cell(1, 1), QStringLiteral("2,43"));
}

TEST_F(Grids, DownOnTheLastRowAppendsAnEmptyRowAndGoesThere)
{
    Program p;
    PubStrGridView* input = open_page(p);
    const grid::TPubStrGrid& g = p.model.grid(kInput);
    click_cell(input, 1, 1);
    press({QStringLiteral("Down")});
    EXPECT_EQ(g.RowCount(), 3) << "not the last row";
    EXPECT_EQ(input->currentRow(), 2);
    press({QStringLiteral("Down")});
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(input->currentRow(), 3);
    EXPECT_EQ(input->currentCol(), 1);
    EXPECT_EQ(row_texts(g, 3), (QStringList{"", "", "", ""}));
    EXPECT_EQ(input->model()->rowCount(), 3);
    // Typed into there as into any row.
    type_text(QStringLiteral("7"));
    press({QStringLiteral("Tab")});
    EXPECT_EQ(g.cell(1, 3), QStringLiteral("7"));
}

TEST_F(Grids, InsertPutsAnEmptyRowAtTheCurrentOne)
{
    Program p;
    PubStrGridView* input = open_page(p);
    const grid::TPubStrGrid& g = p.model.grid(kInput);
    click_cell(input, 2, 1);
    press({QStringLiteral("Insert")});
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(row_texts(g, 1), (QStringList{"", "", "", ""}));
    EXPECT_EQ(row_texts(g, 2), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(row_texts(g, 3), (QStringList{"2", "3", "4", "5"}));
    // The headers shown move with their rows.
    EXPECT_EQ(input->model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("1"));
    EXPECT_EQ(input->currentRow(), 1);
    EXPECT_EQ(input->currentCol(), 2);
    type_text(QStringLiteral("9"));
    press({QStringLiteral("Tab")});
    EXPECT_EQ(g.cell(2, 1), QStringLiteral("9"));
}

TEST_F(Grids, CtrlDeleteAsksAndCancelKeepsTheRow)
{
    Program p;
    PubStrGridView* input = open_page(p);
    const grid::TPubStrGrid& g = p.model.grid(kInput);
    click_cell(input, 1, 1);
    p.boxes.pause();
    QString title, text;
    whenShown(modal_box, [&](QWidget* w) {
        auto* box = static_cast<QMessageBox*>(w);
        title = wm_name(box);
        text = box->text();
        EXPECT_TRUE(activate(box));
        press({QStringLiteral("Escape")});
    });
    press({QStringLiteral("ctrl+Delete")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty() && !modal_box(); }, 5000));
    EXPECT_EQ(title, QStringLiteral("QVkalkor"));
    EXPECT_EQ(text, QStringLiteral("Jste si jist vymazaním tohoto řádku ?"));
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(row_texts(g, 1), (QStringList{"1", "2", "3", "4"}));
}

TEST_F(Grids, CtrlDeleteWithOkDeletesTheRowUntilOneIsLeft)
{
    Program p;
    PubStrGridView* input = open_page(p);
    const grid::TPubStrGrid& g = p.model.grid(kInput);
    click_cell(input, 3, 1);
    p.boxes.pause();
    bool asked = false;
    whenShown(modal_box, [&](QWidget* w) {
        asked = true;
        EXPECT_TRUE(activate(w));
        press({QStringLiteral("Return")});
    });
    press({QStringLiteral("ctrl+Delete")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked && !modal_box(); }, 5000));
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(row_texts(g, 1), (QStringList{"2", "3", "4", "5"}));
    EXPECT_EQ(input->model()->rowCount(), 1);
    EXPECT_EQ(input->currentRow(), 1);

    // With one row left it does not ask and deletes nothing.
    activate(p.window.get());
    click_cell(input, 1, 1);
    p.boxes.resume();
    press({QStringLiteral("ctrl+Delete")});
    QTest::qWait(200);
    EXPECT_EQ(p.boxes.describe(), QString());
    EXPECT_EQ(g.RowCount(), 2);
}

TEST_F(Grids, TypingIntoTheResultsChangesNothing)
{
    Program p;
    PubStrGridView* results = open_page(p, kResults);
    click_cell(results, 1, 1);
    type_text(QStringLiteral("12a,"));
    press({QStringLiteral("BackSpace"), QStringLiteral("Delete"), QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        EXPECT_EQ(editor->text(), QStringLiteral("???"));
    }
    press({QStringLiteral("Tab")});
    EXPECT_EQ(p.model.grid(kResults).cell(1, 1), QStringLiteral("???"));
    EXPECT_EQ(p.model.grid(kResults).cell(1, 2), QStringLiteral("???"));
}

TEST_F(Grids, ARowDraggedByItsHeaderMovesWithIt)
{
    Program p;
    PubStrGridView* input = open_page(p);
    const grid::TPubStrGrid& g = p.model.grid(kInput);
    QHeaderView* left = input->verticalHeader();
    const int x = left->width() / 2;
    const auto at = [&](int section, int offset) {
        return on_screen(left->viewport(), QPoint(x, left->sectionViewportPosition(section) + offset));
    };
    const int h = left->sectionSize(0);
    move_to(at(0, h / 2));
    mouse({QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int dy = 2; dy <= h; dy += 2)
        move_to(at(0, h / 2 + dy));
    move_to(at(1, h - 3));
    mouse({QStringLiteral("mouseup"), QStringLiteral("1")});
    EXPECT_EQ(row_texts(g, 1), (QStringList{"2", "3", "4", "5"}));
    EXPECT_EQ(row_texts(g, 2), (QStringList{"1", "2", "3", "4"}));
    // Shown in grid order, the headers with their rows.
    EXPECT_EQ(left->visualIndex(0), 0);
    EXPECT_EQ(input->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_EQ(input->model()->index(0, 0).data().toString(), QStringLiteral("3"));

    // The result grid's rows stay where they are.
    PubStrGridView* results = p.find<PubStrGridView>("reseni_rovnic");
    EXPECT_FALSE(results->verticalHeader()->sectionsMovable());
}

// Pages down by clicks into the scroll bar's groove, below its handle.
void page_down(QScrollBar* bar, int clicks)
{
    const QPoint groove = on_screen(bar, QPoint(bar->width() / 2, bar->height() - bar->width() - 3));
    move_to(groove);
    for (int i = 0; i < clicks && bar->value() < bar->maximum(); ++i)
        mouse({QStringLiteral("click"), QStringLiteral("1")});
}

TEST_F(Grids, TwentySixEquationsAreReachedByMouseInBothGrids)
{
    Program p;
    PubStrGridView* input = open_page(p);
    PubStrGridView* results = p.find<PubStrGridView>("reseni_rovnic");
    const QString shots = qEnvironmentVariable("QVK_XCB_SCREENSHOTS"); // to look at
    if (!shots.isEmpty())
        screenshot(shots + QStringLiteral("/rov-sr-2-xcb.png"));
    auto* count = p.find<QWidget>("pocet_rovnic");
    p.click(count);
    for (int i = 0; i < 24; ++i)
        press({QStringLiteral("Up")});
    ASSERT_EQ(p.model.value(QStringLiteral("pocet_rovnic")), 26);
    ASSERT_EQ(p.model.grid(kInput).ColCount(), 28);
    settle();
    if (!shots.isEmpty())
        screenshot(shots + QStringLiteral("/rov-sr-26-xcb.png"));

    for (PubStrGridView* view : {input, results}) {
        const std::string name = view->objectName().toStdString();
        // On the page, whole.
        EXPECT_TRUE(view->parentWidget()->rect().contains(view->geometry())) << name;
        QScrollBar* down = view->verticalScrollBar();
        ASSERT_TRUE(down->isVisible()) << name;
        EXPECT_TRUE(view->rect().contains(QRect(down->mapTo(view, QPoint(0, 0)), down->size()))) << name;
        page_down(down, 12);
        EXPECT_EQ(down->value(), down->maximum()) << name;
        const QRect last = view->visualRect(view->model()->index(25, 0));
        EXPECT_TRUE(view->viewport()->rect().contains(last)) << name;
    }
    EXPECT_EQ(results->model()->headerData(25, Qt::Vertical).toString(), QStringLiteral("x26   "));
    // The input grid's columns too, up to b.
    QScrollBar* across = input->horizontalScrollBar();
    ASSERT_TRUE(across->isVisible());
    const QPoint right = on_screen(across, QPoint(across->width() - across->height() - 3, across->height() / 2));
    move_to(right);
    for (int i = 0; i < 12 && across->value() < across->maximum(); ++i)
        mouse({QStringLiteral("click"), QStringLiteral("1")});
    EXPECT_EQ(across->value(), across->maximum());
    EXPECT_TRUE(input->viewport()->rect().contains(input->visualRect(input->model()->index(25, 26))));
    EXPECT_EQ(input->model()->index(25, 26).data().toString(), QStringLiteral("53"));
    if (!shots.isEmpty())
        screenshot(shots + QStringLiteral("/rov-sr-26-end-xcb.png"));
}

TEST_F(Grids, TheListingOfTwoEquationsAsItIsShown)
{
    Program p;
    open_page(p);
    p.click(p.find("sous_rov_vyres"));
    Tvypis_reseni* listing = p.window->listingWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listing->isVisible() && is_managed(listing); }, 3000));
    EXPECT_EQ(wm_name(listing), QStringLiteral("Výpis řešení"));
    settle();
    QPlainTextEdit* text = listing->findChild<QPlainTextEdit*>(QStringLiteral("reseni"));
    ASSERT_NE(text, nullptr);
    const QStringList expected{"Soustava rovnic", " ", "2 3 | 4", "3 4 | 5", "-", "2 3 | 4", "0 -0,5 | -1", "-",
                               "2 0 | -2", "0 -0,5 | -1", "-", "1 0 | -1", "0 -0,5 | -1", "-", "1 0 | -1",
                               "0 1 | 2", QString(27, u'-')};
    EXPECT_EQ(text->toPlainText().split(u'\n'), expected);
    EXPECT_EQ(text->document()->blockCount(), expected.size()) << "one line each, none wrapped";
    // The end of the solve in view, from the left edge.
    EXPECT_EQ(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
    EXPECT_EQ(text->horizontalScrollBar()->value(), 0);
    const QTextBlock last = text->document()->lastBlock();
    EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect(QTextCursor(last)).center()));
    EXPECT_EQ(p.model.grid(kResults).cell(1, 1), QStringLiteral("-1"));
    EXPECT_EQ(p.model.grid(kResults).cell(1, 2), QStringLiteral("2"));

    // A second solve comes under the first.
    activate(p.window.get());
    p.click(p.find("sous_rov_vyres"));
    settle();
    EXPECT_EQ(text->toPlainText().split(u'\n'), expected + expected);
    EXPECT_EQ(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
}

} // namespace
} // namespace qvk::shell::xcb_test
