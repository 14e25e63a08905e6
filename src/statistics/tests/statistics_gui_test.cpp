// The page "Statistika" with the desktop's event pump: a long sort can be
// stopped, and the data then stays as typed.
#include "app/assembly.h"
#include "shell/binding.h"
#include "shell/gui_host.h"
#include "shell/pages/statistics_page.h"

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

struct Window {
    qvk::WindowModel model;
    qvk::Registry registry;
    qvk::shell::GuiHost host;
    qvk::shell::StatisticsPage page{1.0};
    qvk::shell::Binding binding{model, registry};

    QStringList boxes; // texts of message boxes, closed as they appear
    QTimer watchdog;

    Window()
    {
        // A box would wait for a user forever: note it and close it instead.
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.append(box->text());
                box->reject();
            }
        });
        watchdog.start(20);
        qvk::app::assemble(model, registry);
        host.setOwner(&page);
        model.setHost(&host);
        binding.bindTree(&page);
        page.show();
    }
    ~Window() { model.setHost(nullptr); }

    template <typename W>
    W* widget(const char* name) const
    {
        return page.findChild<W*>(QString::fromUtf8(name));
    }
};

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

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
