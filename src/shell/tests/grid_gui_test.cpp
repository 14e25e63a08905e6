// The grid keys on the page "Soustava rovnic" (offscreen).
#include "shell/grid_view.h"
#include "shell/pages/system_page.h"
#include "support/page_harness.h"

#include <QTest>

#include <gtest/gtest.h>

namespace qvk::shell {
namespace {

using Harness = test_support::PageHarness<SystemPage>;

PubStrGridView* view(Harness& h, const char* name)
{
    h.page.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&h.page));
    return h.widget<PubStrGridView>(name);
}

TEST(GridKeys, CommaBecomesPointAndResultsTakeNoTyping)
{
    Harness h;
    PubStrGridView* input = view(h, "soustavarov");
    ASSERT_NE(input, nullptr);
    input->setFocus();
    input->setCurrentIndex(input->model()->index(0, 0));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1,5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(h.model.grid(QStringLiteral("soustavarov")).cell(1, 1).contains(QStringLiteral("1.5")));

    PubStrGridView* results = view(h, "reseni_rovnic");
    results->setFocus();
    results->setCurrentIndex(results->model()->index(0, 0));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12a"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(h.model.grid(QStringLiteral("reseni_rovnic")).cell(1, 1), QStringLiteral("???"));
}

TEST(GridKeys, DownOnTheLastRowAppendsAndInsertInserts)
{
    Harness h;
    PubStrGridView* input = view(h, "soustavarov");
    input->setFocus();
    input->setCurrentIndex(input->model()->index(1, 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(h.model.grid(QStringLiteral("soustavarov")).RowCount(), 4);
    EXPECT_EQ(input->currentRow(), 3);
    input->setCurrentIndex(input->model()->index(0, 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert);
    const auto& g = h.model.grid(QStringLiteral("soustavarov"));
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.cell(1, 1), QString());
    EXPECT_EQ(g.cell(1, 2), QStringLiteral("2"));
    // Ctrl+Delete asks; the harness answers Cancel, so nothing is deleted.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(h.boxes, QStringList{PubStrGridView::kDeleteQuestion});
    EXPECT_EQ(g.RowCount(), 5);
}

} // namespace
} // namespace qvk::shell
