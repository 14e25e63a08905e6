// The page "Planimetrie" as a person meets it: the selector shows each sheet
// with its picture, Tab runs through the sheet's fields, F2 opens the
// figure's help, Ctrl+X clears, typed values are solved.
#include "app/navigation.h"
#include "shell/help_window.h"
#include "shell/tests/xcb/x_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace qvk::shell::xcb_test {
namespace {

using PlanePage = OnX11;

struct SheetCase {
    const char* sheet;
    const char* anchor;
    const char* picture;
    std::vector<const char*> fields; // in tab order
};

const std::vector<SheetCase> kSheets = {
    {"trojuhelnik_p_desk", "tp", "troj_prav", {"tp_a", "tp_b", "tp_c", "tp_vc", "tp_alfa", "tp_beta", "tp_obvod", "tp_obsah"}},
    {"trojuhelnik_desk",
     "troj", "troj_obec",
     {"troj_a", "troj_b", "troj_c", "troj_va", "troj_vb", "troj_vc", "troj_alfa", "troj_beta", "troj_gama",
      "troj_obvod", "troj_obsah"}},
    {"ctverec_desk", "ctv", "ctverec", {"ctv_a", "ctv_u", "ctv_o", "ctv_s"}},
    {"obdelnik_desk", "obd", "obdelnik", {"obd_a", "obd_b", "obd_u", "obd_o", "obd_s"}},
    {"rovnobeznik_desk",
     "rov", "rovnobeznik",
     {"rov_a", "rov_b", "rov_va", "rov_vb", "rov_alfa", "rov_beta", "rov_obvod", "rov_obsah"}},
    {"lichobeznik_desk",
     "lic", "lichobeznik",
     {"lic_a", "lic_b", "lic_c", "lic_d", "lic_alfa", "lic_beta", "lic_gama", "lic_delta", "lic_v", "lic_s",
      "lic_obvod", "lic_obsah"}},
    {"n_uhelnik_desk", "n_uhel", "n_uhel", {"uhe_n", "uhe_a", "uhe_r", "uhe_p", "uhe_o", "uhe_s", "uhe_uhel"}},
    {"kruh_desk", "kru", "kruh", {"kru_r", "kru_alfa", "kru_o", "kru_s", "kru_kru_vys"}},
};

// xdotool's synchronous move waits forever when the pointer is already
// there: start every click from the screen's corner.
void click(const Program& p, QWidget* w)
{
    QCursor::setPos(0, 0);
    settle();
    p.click(w);
}

QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

void open_plane_page(Program& p)
{
    app::show_page(p.model, p.registry, app::PagePlane, 0);
    settle();
}

TEST_F(PlanePage, TheSelectorShowsEachSheetWithItsPictureAndTabRunsThroughItsFields)
{
    Program p;
    open_plane_page(p);
    auto* selector = p.find<QComboBox>("d2_vyber");
    auto* sheets = p.find<QTabWidget>("d2_page");
    auto* icon = p.find<QLabel>("d2_ikona");
    for (std::size_t item = 0; item < kSheets.size(); ++item) {
        const SheetCase& c = kSheets[item];
        if (item > 0) {
            click(p, selector);
            press({QStringLiteral("Down"), QStringLiteral("Return")});
        }
        ASSERT_EQ(sheets->currentWidget()->objectName(), QString::fromUtf8(c.sheet));
        EXPECT_EQ(p.model.text(QStringLiteral("d2_ikona")), QString::fromUtf8(c.picture));
        EXPECT_FALSE(icon->pixmap().isNull()) << c.sheet;

        QWidget* sheet = sheets->currentWidget();
        for (QWidget* w : sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isVisibleTo(sheet)) {
                EXPECT_TRUE(sheet->rect().contains(w->geometry())) << c.sheet << " " << w->objectName().toStdString();
            }
        }

        click(p, p.find<QWidget>(c.fields.front()));
        QStringList order{focused()};
        for (std::size_t i = 1; i < c.fields.size(); ++i) {
            press({QStringLiteral("Tab")});
            order.append(focused());
        }
        QStringList expected;
        for (const char* f : c.fields)
            expected.append(QString::fromUtf8(f));
        EXPECT_EQ(order, expected) << c.sheet;
    }
}

TEST_F(PlanePage, F2OpensTheHelpSectionOfTheSheetOnShow)
{
    Program p;
    open_plane_page(p);
    for (std::size_t item = 0; item < kSheets.size(); ++item) {
        p.model.setIndex(QStringLiteral("d2_vyber"), int(item));
        p.window->binding().fire(QStringLiteral("d2_vyberChange"));
        ASSERT_TRUE(activate(p.window.get()));
        click(p, p.find<QWidget>(kSheets[item].fields.front()));
        press({QStringLiteral("F2")});
        ASSERT_TRUE(p.window->helpWindow()->isVisible());
        EXPECT_EQ(p.window->helpWindow()->source().fragment(), QString::fromUtf8(kSheets[item].anchor));
        // Closed as a pupil closes it, so that it holds neither the keyboard
        // nor the place of the next sheet's field.
        HelpWindow* help = p.window->helpWindow();
        (void)QTest::qWaitFor([help] { return help->isActiveWindow(); }, 3000);
        press({QStringLiteral("Escape")});
        ASSERT_TRUE(QTest::qWaitFor([help] { return !help->isVisible(); }, 3000));
    }
}

TEST_F(PlanePage, CtrlXClearsTheCircleAndPutsItsAngleBack)
{
    Program p;
    open_plane_page(p);
    p.model.setIndex(QStringLiteral("d2_vyber"), 7);
    p.window->binding().fire(QStringLiteral("d2_vyberChange"));
    settle();
    auto* r = p.find<QLineEdit>("kru_r");
    click(p, r);
    type_text(QStringLiteral("2"));
    click(p, p.find<QLineEdit>("kru_alfa"));
    press({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    type_text(QStringLiteral("90"));
    click(p, p.find<QRadioButton>("kru_usec"));
    EXPECT_FALSE(p.model.checked(QStringLiteral("kru_kru_vys")));
    click(p, p.find<QPushButton>("vyres_d2"));
    EXPECT_EQ(p.find<QLineEdit>("kru_s")->text(), QStringLiteral("1,14"));
    EXPECT_EQ(p.find<QLabel>("kru_oa")->text(), QStringLiteral("a ="));
    EXPECT_EQ(p.find<QLineEdit>("kru_o")->toolTip(), QStringLiteral("oblouk"));

    click(p, r);
    press({QStringLiteral("ctrl+x")});
    EXPECT_EQ(r->text(), QString());
    EXPECT_EQ(p.find<QLineEdit>("kru_s")->text(), QString());
    EXPECT_EQ(p.find<QLineEdit>("kru_alfa")->text(), QStringLiteral("360"));
    EXPECT_EQ(p.find<QLabel>("kru_oa")->text(), QStringLiteral("O/a ="));
    EXPECT_TRUE(p.find<QRadioButton>("kru_usec")->isChecked());
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(PlanePage, TypedLegsAreSolvedAndASecondPressIsRefused)
{
    Program p;
    open_plane_page(p);
    click(p, p.find<QLineEdit>("tp_a"));
    type_text(QStringLiteral("3"));
    press({QStringLiteral("Tab")});
    type_text(QStringLiteral("4"));
    auto* compute = p.find<QPushButton>("vyres_d2");
    click(p, compute);
    EXPECT_EQ(p.find<QLineEdit>("tp_c")->text(), QStringLiteral("5"));
    EXPECT_EQ(p.find<QLineEdit>("tp_alfa")->text(), QStringLiteral("36,87"));
    EXPECT_EQ(p.find<QLineEdit>("tp_vc")->text(), QStringLiteral("2,4"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();

    click(p, compute);
    ASSERT_TRUE(QTest::qWaitFor([&p] { return !p.boxes.seen().isEmpty(); }, 3000));
    EXPECT_EQ(p.boxes.seen()[0].wmTitle, QStringLiteral("QVkalkor"));
    EXPECT_EQ(p.boxes.seen()[0].text, QStringLiteral("Nepřípustná kombinace zadání."));
}

TEST_F(PlanePage, TypedSidesOfAGeneralTriangleAreSolved)
{
    Program p;
    open_plane_page(p);
    p.model.setIndex(QStringLiteral("d2_vyber"), 1);
    p.window->binding().fire(QStringLiteral("d2_vyberChange"));
    settle();
    click(p, p.find<QLineEdit>("troj_a"));
    type_text(QStringLiteral("3"));
    press({QStringLiteral("Tab")});
    type_text(QStringLiteral("4"));
    press({QStringLiteral("Tab")});
    type_text(QStringLiteral("5"));
    auto* compute = p.find<QPushButton>("vyres_d2");
    click(p, compute);
    EXPECT_EQ(p.find<QLineEdit>("troj_gama")->text(), QStringLiteral("90"));
    EXPECT_EQ(p.find<QLineEdit>("troj_alfa")->text(), QStringLiteral("36,87"));
    EXPECT_EQ(p.find<QLineEdit>("troj_vc")->text(), QStringLiteral("2,4"));
    EXPECT_EQ(p.find<QLineEdit>("troj_obsah")->text(), QStringLiteral("6"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();

    click(p, compute);
    ASSERT_TRUE(QTest::qWaitFor([&p] { return !p.boxes.seen().isEmpty(); }, 3000));
    EXPECT_EQ(p.boxes.seen()[0].text, QStringLiteral("Nepřípustné zadání."));
}

// Two sides and an angle opposite the shorter one fit two triangles: the
// check box shows up, and a click on it swaps the obtuse one in.
TEST_F(PlanePage, TheSecondTriangleIsOneClickAway)
{
    Program p;
    open_plane_page(p);
    p.model.setIndex(QStringLiteral("d2_vyber"), 1);
    p.window->binding().fire(QStringLiteral("d2_vyberChange"));
    settle();
    auto* second = p.find<QCheckBox>("troj_tup");
    EXPECT_FALSE(second->isVisible());
    click(p, p.find<QLineEdit>("troj_a"));
    type_text(QStringLiteral("10"));
    press({QStringLiteral("Tab")});
    type_text(QStringLiteral("7"));
    click(p, p.find<QLineEdit>("troj_beta"));
    type_text(QStringLiteral("30"));
    press({QStringLiteral("Return")});
    ASSERT_TRUE(QTest::qWaitFor([second] { return second->isVisible(); }, 3000));
    EXPECT_FALSE(second->isChecked());
    EXPECT_EQ(second->text(), QStringLiteral("Tupoúhlý trojúhelník"));
    // Its caption whole, inside the sheet.
    EXPECT_GE(second->width(), second->sizeHint().width());
    EXPECT_TRUE(second->parentWidget()->rect().contains(second->geometry()));
    EXPECT_EQ(p.find<QLineEdit>("troj_alfa")->text(), QStringLiteral("45,58"));
    EXPECT_EQ(p.find<QLineEdit>("troj_gama")->text(), QStringLiteral("104,42"));
    EXPECT_EQ(p.find<QLineEdit>("troj_c")->text(), QStringLiteral("13,56"));

    click(p, second);
    ASSERT_TRUE(QTest::qWaitFor([&p] { return p.find<QLineEdit>("troj_c")->text() == u"3,76"; }, 3000));
    EXPECT_TRUE(second->isChecked());
    EXPECT_EQ(p.find<QLineEdit>("troj_alfa")->text(), QStringLiteral("134,42"));
    EXPECT_EQ(p.find<QLineEdit>("troj_gama")->text(), QStringLiteral("15,58"));
    EXPECT_EQ(p.find<QLineEdit>("troj_beta")->text(), QStringLiteral("30"));

    click(p, second);
    ASSERT_TRUE(QTest::qWaitFor([&p] { return p.find<QLineEdit>("troj_c")->text() == u"13,56"; }, 3000));
    EXPECT_EQ(p.find<QLineEdit>("troj_alfa")->text(), QStringLiteral("45,58"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();

    click(p, p.find<QLineEdit>("troj_a"));
    press({QStringLiteral("ctrl+x")});
    EXPECT_EQ(p.find<QLineEdit>("troj_a")->text(), QString());
    EXPECT_FALSE(second->isVisible());
}

// The four sides typed into the trapezoid give the rest; a second press
// finds every field filled and is refused in a box.
TEST_F(PlanePage, TypedSidesOfATrapezoidAreSolvedAndASecondPressIsRefused)
{
    Program p;
    open_plane_page(p);
    p.model.setIndex(QStringLiteral("d2_vyber"), 5);
    p.window->binding().fire(QStringLiteral("d2_vyberChange"));
    settle();
    click(p, p.find<QLineEdit>("lic_a"));
    for (const char* side : {"7", "4", "4", "5"}) {
        type_text(QString::fromLatin1(side));
        press({QStringLiteral("Tab")});
    }
    auto* compute = p.find<QPushButton>("vyres_d2");
    click(p, compute);
    EXPECT_EQ(p.find<QLineEdit>("lic_alfa")->text(), QStringLiteral("53,13"));
    EXPECT_EQ(p.find<QLineEdit>("lic_beta")->text(), QStringLiteral("90"));
    EXPECT_EQ(p.find<QLineEdit>("lic_delta")->text(), QStringLiteral("126,87"));
    EXPECT_EQ(p.find<QLineEdit>("lic_v")->text(), QStringLiteral("4"));
    EXPECT_EQ(p.find<QLineEdit>("lic_s")->text(), QStringLiteral("5,5"));
    EXPECT_EQ(p.find<QLineEdit>("lic_obsah")->text(), QStringLiteral("22"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();

    click(p, compute);
    ASSERT_TRUE(QTest::qWaitFor([&p] { return !p.boxes.seen().isEmpty(); }, 3000));
    EXPECT_EQ(p.boxes.seen()[0].wmTitle, QStringLiteral("QVkalkor"));
    EXPECT_EQ(p.boxes.seen()[0].text, QStringLiteral("Nepřípustná kombinace zadání."));
    EXPECT_EQ(p.find<QLineEdit>("lic_obsah")->text(), QStringLiteral("22"));
}

// A trapezoid that cannot exist (a = c) is refused in a box, nothing written.
TEST_F(PlanePage, AnImpossibleTrapezoidIsRefused)
{
    Program p;
    open_plane_page(p);
    p.model.setIndex(QStringLiteral("d2_vyber"), 5);
    p.window->binding().fire(QStringLiteral("d2_vyberChange"));
    settle();
    click(p, p.find<QLineEdit>("lic_a"));
    for (const char* side : {"5", "3", "5", "3"}) {
        type_text(QString::fromLatin1(side));
        press({QStringLiteral("Tab")});
    }
    click(p, p.find<QPushButton>("vyres_d2"));
    ASSERT_TRUE(QTest::qWaitFor([&p] { return !p.boxes.seen().isEmpty(); }, 3000));
    EXPECT_EQ(p.boxes.seen()[0].wmTitle, QStringLiteral("QVkalkor"));
    EXPECT_EQ(p.boxes.seen()[0].text, QStringLiteral("Nepřípustné zadání."));
    EXPECT_EQ(p.find<QLineEdit>("lic_alfa")->text(), QString());
    EXPECT_EQ(p.find<QLineEdit>("lic_a")->text(), QStringLiteral("5"));
}

} // namespace
} // namespace qvk::shell::xcb_test
