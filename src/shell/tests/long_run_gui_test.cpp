// Long runs inside the real window (offscreen): Stop ends a factorization
// or a statistics sort, and closing the window during a run ends the run and
// the program.
#include "app/assembly.h"
#include "app/navigation.h"
#include "shell/application.h"
#include "shell/thlavni.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace qvk::shell {
namespace {

int argc_ = 1;
char name_[] = "long_run_gui_test";
char* argv_[] = {name_, nullptr};

struct LongRun : testing::Test {
    std::unique_ptr<QApplication> app;
    WindowModel model;
    Registry registry;
    std::unique_ptr<Thlavni> window;

    void SetUp() override
    {
        app = std::make_unique<QApplication>(argc_, argv_);
        setup_application(*app);
        app::assemble(model, registry);
        window = std::make_unique<Thlavni>(model, registry);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        app::show_page(model, registry, 1, 0); // "Čísla" / "Prvočísla"
        // The largest prime below 2^63 takes seconds: only a stop ends it early.
        model.setText(QStringLiteral("zadani_prv"), QStringLiteral("9223372036854775783"));
    }
    void TearDown() override
    {
        window.reset();
        app.reset();
    }

    QPushButton* button(const char* name) const
    {
        return window->findChild<QPushButton*>(QString::fromUtf8(name));
    }
    QString stav() const { return model.text(QStringLiteral("stav")); }
};

TEST_F(LongRun, StopButtonEndsTheFactorization)
{
    ASSERT_NE(button("rozloz"), nullptr);
    ASSERT_NE(button("prerus"), nullptr);
    bool stopWasEnabled = false;
    QTimer::singleShot(0, button("rozloz"), &QPushButton::click);
    QTimer::singleShot(300, [this, &stopWasEnabled] {
        stopWasEnabled = button("prerus")->isEnabled() && !button("rozloz")->isEnabled();
        QTest::mouseClick(button("prerus"), Qt::LeftButton);
    });
    EXPECT_TRUE(QTest::qWaitFor([this] { return stav() == QStringLiteral("Výpočet nedokončen"); }, 20000));
    EXPECT_TRUE(stopWasEnabled);
    EXPECT_TRUE(button("rozloz")->isEnabled());
    EXPECT_FALSE(button("prerus")->isEnabled());
}

TEST_F(LongRun, ClosingTheWindowDuringARunEndsTheProgram)
{
    QTimer::singleShot(0, button("rozloz"), &QPushButton::click);
    QTimer::singleShot(300, window.get(), &QWidget::close);
    // Only as a guard against a hang: a run that ignored the close would be ended here.
    QTimer::singleShot(30000, [] { QCoreApplication::exit(2); });
    const int rc = QApplication::exec();
    EXPECT_EQ(rc, 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stav(), QStringLiteral("Výpočet nedokončen"));
    EXPECT_TRUE(model.stop(QStringLiteral("primes")));
    EXPECT_TRUE(model.stop(QStringLiteral("statistics")));
}

// 60000 values take the sort seconds: only a stop ends it early.
QStringList many_values()
{
    QStringList values;
    for (int i = 0; i < 60000; ++i)
        values.append(QString::number((i * 7919) % 60013 - 30000));
    return values;
}

TEST_F(LongRun, StopButtonEndsTheStatistics)
{
    app::show_page(model, registry, QStringLiteral("stat"));
    const QStringList values = many_values();
    model.setLines(QStringLiteral("data"), values);
    ASSERT_NE(button("stat_vyres"), nullptr);
    bool stopWasEnabled = false;
    bool stopped = false;
    QTimer::singleShot(0, button("stat_vyres"), &QPushButton::click);
    // Stop as soon as the run lets the events in.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (stopped || !button("stat_prerus")->isEnabled())
            return;
        stopWasEnabled = !button("stat_vyres")->isEnabled();
        QTest::mouseClick(button("stat_prerus"), Qt::LeftButton);
        stopped = true;
    });
    poll.start(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return stopped && button("stat_vyres")->isEnabled(); }, 20000));
    EXPECT_TRUE(stopWasEnabled);
    EXPECT_FALSE(button("stat_prerus")->isEnabled());
    // Stopped: the data as typed, no results.
    EXPECT_EQ(model.lines(QStringLiteral("data")), values);
    EXPECT_TRUE(model.text(QStringLiteral("stat_prumer")).isEmpty());
}

TEST_F(LongRun, ClosingTheWindowDuringTheStatisticsEndsTheProgram)
{
    app::show_page(model, registry, QStringLiteral("stat"));
    model.setLines(QStringLiteral("data"), many_values());
    QTimer::singleShot(0, button("stat_vyres"), &QPushButton::click);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (button("stat_prerus")->isEnabled())
            window->close();
    });
    poll.start(1);
    QTimer::singleShot(30000, [] { QCoreApplication::exit(2); });
    const int rc = QApplication::exec();
    EXPECT_EQ(rc, 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(model.text(QStringLiteral("stat_prumer")).isEmpty());
    EXPECT_TRUE(model.stop(QStringLiteral("statistics")));
}

} // namespace
} // namespace qvk::shell
