// The page "Prvočísla" with the desktop's event pump: a long factorization
// stays responsive and its Stop button ends it.
#include "shell/pages/primes_page.h"
#include "shell/tests/support/page_harness.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Window = qvk::shell::test_support::PageHarness<qvk::shell::PrimesPage>;

TEST(PrimesPage, StopEndsALongFactorization)
{
    Window w;
    w.model.setText(QStringLiteral("zadani_prv"), QStringLiteral("9223372036854775783"));
    auto* rozloz = w.widget<QPushButton>("rozloz");
    auto* prerus = w.widget<QPushButton>("prerus");
    ASSERT_TRUE(rozloz && prerus);
    EXPECT_EQ(prerus->text(), QStringLiteral("&Ukončit"));
    EXPECT_FALSE(prerus->isEnabled());

    bool lockedWhileRunning = false;
    QTimer::singleShot(50, prerus, [&] {
        lockedWhileRunning = prerus->isEnabled() && !rozloz->isEnabled();
        QTest::mouseClick(prerus, Qt::LeftButton);
    });
    // Runs the whole factorization inside the click; only the pump lets the timer in.
    QTest::mouseClick(rozloz, Qt::LeftButton);

    EXPECT_TRUE(w.boxes.isEmpty()) << w.boxes.join(u'|').toStdString();
    EXPECT_TRUE(lockedWhileRunning);
    EXPECT_EQ(w.widget<QLabel>("stav")->text(), QStringLiteral("Výpočet nedokončen"));
    EXPECT_EQ(w.model.text(QStringLiteral("rozklad")), QString());
    EXPECT_FALSE(prerus->isEnabled());
    EXPECT_TRUE(rozloz->isEnabled());
    EXPECT_TRUE(w.widget<QPushButton>("vypis")->isEnabled());
}

TEST(PrimesPage, StopDuringAListingRewritesTheEnd)
{
    Window w;
    w.model.setText(QStringLiteral("xod"), QStringLiteral("9223372036854775780"));
    w.model.setText(QStringLiteral("xdo"), QStringLiteral("9223372036854775807"));
    auto* prerus = w.widget<QPushButton>("prerus");
    QTimer::singleShot(50, prerus, [&] { QTest::mouseClick(prerus, Qt::LeftButton); });
    QTest::mouseClick(w.widget<QPushButton>("vypis"), Qt::LeftButton);

    EXPECT_TRUE(w.boxes.isEmpty()) << w.boxes.join(u'|').toStdString();
    // 9223372036854775783 is prime: its test is the one the stop breaks off.
    EXPECT_EQ(w.model.text(QStringLiteral("xdo")), QStringLiteral("9223372036854775782"));
    EXPECT_EQ(w.model.text(QStringLiteral("rozklad")), QStringLiteral("--------------------\nPočet : 0\n"));
    EXPECT_FALSE(prerus->isEnabled());
}

} // namespace
