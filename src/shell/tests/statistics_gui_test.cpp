// The page "Statistika" with the desktop's event pump: a long sort can be
// stopped, and the data then stays as typed.
#include "shell/pages/statistics_page.h"
#include "shell/tests/support/page_harness.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Window = qvk::shell::test_support::PageHarness<qvk::shell::StatisticsPage>;

TEST(StatisticsPage, StopDuringTheSortKeepsTheData)
{
    Window w;
    QStringList lines;
    for (int i = 20000; i > 0; --i)
        lines.append(QString::number(i));
    w.model.setLines(QStringLiteral("data"), lines);
    const QString typed = w.widget<QPlainTextEdit>("data")->toPlainText();
    auto* stop = w.widget<QPushButton>("stat_prerus");
    QString shownWhileRunning;
    QTimer::singleShot(50, stop, [&] {
        shownWhileRunning = w.widget<QLabel>("Tridim")->text();
        QTest::mouseClick(stop, Qt::LeftButton);
    });
    QTest::mouseClick(w.widget<QPushButton>("stat_vyres"), Qt::LeftButton);

    EXPECT_TRUE(w.boxes.isEmpty()) << w.boxes.join(u'|').toStdString();
    EXPECT_TRUE(shownWhileRunning.startsWith(QStringLiteral("Třídím data ...")));
    EXPECT_EQ(w.widget<QPlainTextEdit>("data")->toPlainText(), typed);
    EXPECT_EQ(w.widget<QLabel>("Tridim")->text(), QString());
    EXPECT_EQ(w.model.text(QStringLiteral("stat_prumer")), QString());
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_TRUE(w.widget<QPushButton>("stat_vyres")->isEnabled());
    EXPECT_TRUE(w.widget<QPushButton>("vymaz_stat")->isEnabled());
}

TEST(StatisticsPage, TypingCountsAndClearFocusesTheData)
{
    Window w;
    auto* data = w.widget<QPlainTextEdit>("data");
    data->setFocus();
    data->moveCursor(QTextCursor::End);
    QTest::keyClicks(data, QStringLiteral("7"));
    EXPECT_EQ(w.model.text(QStringLiteral("stat_prvky")), QStringLiteral("13"));
    QTest::keyClick(data, Qt::Key_Return);
    QTest::keyClick(data, Qt::Key_Return);
    // The key release removed the empty line between; the final break stays.
    EXPECT_EQ(w.model.lines(QStringLiteral("data")).size(), 13);

    auto* clear = w.widget<QPushButton>("vymaz_stat");
    clear->setFocus();
    ASSERT_EQ(w.page.focusWidget(), clear);
    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_EQ(data->toPlainText(), QString());
    EXPECT_EQ(w.widget<QLineEdit>("stat_prvky")->text(), QStringLiteral("0"));
    EXPECT_EQ(w.page.focusWidget(), data);
}

} // namespace
