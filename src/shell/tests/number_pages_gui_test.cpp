// The pages of bases, fractions and angles with their real widgets: what the
// data cases cannot see (the key filter with real typing is an xcb test).
#include "shell/pages/angles_page.h"
#include "shell/pages/bases_page.h"
#include "shell/pages/fractions_page.h"
#include "shell/tests/support/page_harness.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using qvk::shell::test_support::PageHarness;

// An inner page within the main window's client area at scale 1.
constexpr int kPageWidth = qvk::kClientWidth - 12;

TEST(BasesPage, PastedTextIsNotFiltered)
{
    PageHarness<qvk::shell::BasesPage> w;
    auto* cislo1 = w.widget<QLineEdit>("cislo1");
    cislo1->setFocus();
    cislo1->clear();
    QApplication::clipboard()->setText(QStringLiteral("a-1"));
    QTest::keyClick(cislo1, Qt::Key_V, Qt::ControlModifier);
    if (cislo1->text().isEmpty())
        GTEST_SKIP() << "no clipboard on this platform";
    EXPECT_EQ(cislo1->text(), QStringLiteral("a-1"));
    EXPECT_EQ(w.widget<QLabel>("delka1")->text(), QStringLiteral("(3)"));
}

TEST(BasesPage, TakesNoSixtyFourthDigitAndConverts)
{
    PageHarness<qvk::shell::BasesPage> w;
    auto* cislo1 = w.widget<QLineEdit>("cislo1");
    cislo1->setFocus();
    cislo1->clear();
    w.model.setValue(QStringLiteral("sous1"), 2);
    w.model.setValue(QStringLiteral("sous2"), 10);
    QTest::keyClicks(cislo1, QString(64, u'1'));
    EXPECT_EQ(cislo1->text(), QString(63, u'1'));
    EXPECT_EQ(w.widget<QLabel>("delka1")->text(), QStringLiteral("(63)"));
    QTest::mouseClick(w.widget<QPushButton>("preved_soustavy"), Qt::LeftButton);
    EXPECT_TRUE(w.boxes.isEmpty());
    EXPECT_EQ(w.widget<QLineEdit>("cislo2")->text(), QStringLiteral("9223372036854775807"));
    EXPECT_EQ(w.widget<QLabel>("delka2")->text(), QStringLiteral("(19)"));
}

// The bar is at least as wide as both texts, and they stand centred on it.
void expect_fraction_drawn(const PageHarness<qvk::shell::FractionsPage>& w, const char* n, const char* bar,
                           const char* d)
{
    auto* top = w.widget<QLabel>(n);
    auto* bottom = w.widget<QLabel>(d);
    auto* line = w.page.findChild<QWidget*>(QString::fromUtf8(bar));
    ASSERT_TRUE(top && bottom && line);
    for (QLabel* label : {top, bottom}) {
        SCOPED_TRACE(label->objectName().toStdString() + " " + label->text().toStdString());
        EXPECT_GE(line->width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_EQ(label->geometry().center().x(), line->geometry().center().x());
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    }
    EXPECT_LE(top->geometry().bottom(), line->geometry().top());
    EXPECT_GE(bottom->geometry().top(), line->geometry().bottom());
}

TEST(FractionsPage, BarsFollowTheLongerText)
{
    PageHarness<qvk::shell::FractionsPage> w;
    expect_fraction_drawn(w, "z5", "cara1", "z6");
    expect_fraction_drawn(w, "citatel", "cara2", "jmenovatel");
    const int narrow = w.page.findChild<QWidget*>(QStringLiteral("cara1"))->width();

    w.model.setChecked(QStringLiteral("cele"), false);
    const auto set = [&](const char* z1, const char* z2, const char* z3, const char* z4) {
        w.model.setText(QStringLiteral("z1"), QString::fromUtf8(z1));
        w.model.setText(QStringLiteral("z2"), QString::fromUtf8(z2));
        w.model.setText(QStringLiteral("z3"), QString::fromUtf8(z3));
        w.model.setText(QStringLiteral("z4"), QString::fromUtf8(z4));
    };
    set("-999", "9998", "-998", "9999");
    QTest::mouseClick(w.widget<QPushButton>("zlomek"), Qt::LeftButton);
    EXPECT_TRUE(w.boxes.isEmpty()) << w.boxes.join(u'|').toStdString();
    EXPECT_EQ(w.widget<QLabel>("z5")->text(), QStringLiteral("-19967005"));
    EXPECT_EQ(w.widget<QLabel>("z6")->text(), QStringLiteral("99970002"));
    expect_fraction_drawn(w, "z5", "cara1", "z6");
    EXPECT_GT(w.page.findChild<QWidget*>(QStringLiteral("cara1"))->width(), narrow);

    w.model.setText(QStringLiteral("zadani_c"), QStringLiteral("123456789012"));
    QTest::mouseClick(w.widget<QPushButton>("preved"), Qt::LeftButton);
    EXPECT_EQ(w.widget<QLabel>("jmenovatel")->text(), QStringLiteral("250000000000"));
    expect_fraction_drawn(w, "citatel", "cara2", "jmenovatel");

    // The fraction stays inside the page.
    for (const char* name : {"z5", "z6", "cara1", "citatel", "jmenovatel", "cara2"}) {
        auto* widget = w.page.findChild<QWidget*>(QString::fromUtf8(name));
        EXPECT_LE(widget->geometry().right(), kPageWidth) << name;
    }
}

TEST(FractionsPage, WholeNumberHidesTheFraction)
{
    PageHarness<qvk::shell::FractionsPage> w;
    w.model.setText(QStringLiteral("z1"), QStringLiteral("6"));
    w.model.setText(QStringLiteral("z2"), QStringLiteral("4"));
    w.model.setText(QStringLiteral("z3"), QStringLiteral("2"));
    w.model.setText(QStringLiteral("z4"), QStringLiteral("3"));
    w.model.setIndex(QStringLiteral("operace"), 2);
    QTest::mouseClick(w.widget<QPushButton>("zlomek"), Qt::LeftButton);
    EXPECT_EQ(w.widget<QLabel>("zlomek_cely1")->text(), QStringLiteral("1"));
    EXPECT_TRUE(w.widget<QLabel>("zlomek_cely1")->isVisible());
    EXPECT_FALSE(w.widget<QLabel>("z5")->isVisible());
    EXPECT_FALSE(w.widget<QLabel>("z6")->isVisible());
    EXPECT_FALSE(w.page.findChild<QWidget*>(QStringLiteral("cara1"))->isVisible());

    // Unchecking the box shows the fraction at once.
    QTest::mouseClick(w.widget<QWidget>("cele"), Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_FALSE(w.model.checked(QStringLiteral("cele")));
    EXPECT_TRUE(w.widget<QLabel>("z5")->isVisible());
    EXPECT_EQ(w.widget<QLabel>("z5")->text(), QStringLiteral("1"));
    EXPECT_EQ(w.widget<QLabel>("z6")->text(), QStringLiteral("1"));
}

TEST(AnglesPage, TypedInputIsShownWhole)
{
    PageHarness<qvk::shell::AnglesPage> w;
    for (const char* name : {"uhly_stupne", "uhly_rad", "uhly_grad"})
        w.model.setText(QString::fromUtf8(name), QString());
    // The longest input the fields take.
    w.model.setText(QStringLiteral("uhly_st"), QStringLiteral("-99999"));
    w.model.setText(QStringLiteral("uhly_min"), QStringLiteral("-99999"));
    w.model.setText(QStringLiteral("uhly_vt"), QStringLiteral("-99999"));
    QTest::mouseClick(w.widget<QPushButton>("uhly_vypocet"), Qt::LeftButton);
    EXPECT_TRUE(w.boxes.isEmpty()) << w.boxes.join(u'|').toStdString();
    auto* typed = w.widget<QLabel>("uhly_puv");
    EXPECT_EQ(typed->text(), QStringLiteral("Původní zadání: -99999 st. -99999 min. -99999 vt."));
    EXPECT_EQ(typed->x(), w.model.field(QStringLiteral("uhly_puv")).left);
    EXPECT_LE(typed->geometry().right(), kPageWidth);
    EXPECT_LE(typed->heightForWidth(typed->width()), typed->height());
}

} // namespace
