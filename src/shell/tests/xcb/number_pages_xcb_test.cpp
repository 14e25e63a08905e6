// The number pages in the real window with keys typed through the X server:
// the key filter of the number to convert and the fraction bars.
#include "app/navigation.h"
#include "shell/tests/xcb/x_window.h"

#include <QLabel>
#include <QLineEdit>

namespace qvk::shell::xcb_test {
namespace {

using NumberPages = OnX11;

QLineEdit* typed_into(Program& p, const char* name, const QString& text)
{
    QLineEdit* e = p.find<QLineEdit>(name);
    p.click(e);
    EXPECT_TRUE(e->hasFocus()) << name;
    press({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    type_text(text);
    settle();
    return e;
}

TEST_F(NumberPages, BaseFieldTakesDigitsAndUpperCaseLettersOnly)
{
    Program p;
    app::show_page(p.model, p.registry, QStringLiteral("TabSheet1"));
    settle();
    QLineEdit* cislo1 = typed_into(p, "cislo1", QStringLiteral("ff -,.z9"));
    EXPECT_EQ(cislo1->text(), QStringLiteral("FFZ9"));
    EXPECT_EQ(p.model.text(QStringLiteral("cislo1")), QStringLiteral("FFZ9"));
    EXPECT_EQ(p.find<QLabel>("delka1")->text(), QStringLiteral("(4)"));
    press({QStringLiteral("BackSpace")});
    settle();
    EXPECT_EQ(cislo1->text(), QStringLiteral("FFZ"));
    EXPECT_EQ(p.find<QLabel>("delka1")->text(), QStringLiteral("(3)"));

    // Still in the field (a second click on the same spot would wait for a
    // pointer move that never comes).
    press({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    type_text(QStringLiteral("ff"));
    settle();
    p.model.setValue(QStringLiteral("sous1"), 16);
    p.model.setValue(QStringLiteral("sous2"), 10);
    p.click(p.find<QWidget>("preved_soustavy"));
    settle();
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
    EXPECT_EQ(p.find<QLineEdit>("cislo2")->text(), QStringLiteral("255"));
    EXPECT_EQ(p.find<QLabel>("delka2")->text(), QStringLiteral("(3)"));
}

TEST_F(NumberPages, FractionBarIsAsWideAsTheLongerText)
{
    Program p;
    app::show_page(p.model, p.registry, QStringLiteral("zlm"));
    settle();
    p.click(p.find<QWidget>("cele")); // a fraction, not a mixed number
    settle();
    typed_into(p, "z1", QStringLiteral("-999"));
    typed_into(p, "z2", QStringLiteral("9998"));
    typed_into(p, "z3", QStringLiteral("-998"));
    typed_into(p, "z4", QStringLiteral("9999"));
    p.click(p.find<QWidget>("zlomek"));
    settle();
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
    auto* top = p.find<QLabel>("z5");
    auto* bottom = p.find<QLabel>("z6");
    QWidget* bar = p.find<QWidget>("cara1");
    EXPECT_EQ(top->text(), QStringLiteral("-19967005"));
    EXPECT_EQ(bottom->text(), QStringLiteral("99970002"));
    ASSERT_TRUE(bar->isVisible());
    for (QLabel* label : {top, bottom}) {
        EXPECT_GE(bar->width(), label->fontMetrics().horizontalAdvance(label->text())) << label->text().toStdString();
        EXPECT_EQ(label->geometry().center().x(), bar->geometry().center().x());
    }
    EXPECT_LE(bar->geometry().right(), bar->parentWidget()->width());
}

} // namespace
} // namespace qvk::shell::xcb_test
