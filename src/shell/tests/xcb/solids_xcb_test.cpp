// The solid pages as a person meets them: the selector chosen with the mouse
// shows the solid's sheet and picture, Ctrl+X empties the sheet, F2 opens
// the solid's help section, and values typed in are computed.
#include "app/navigation.h"
#include "shell/help_window.h"
#include "shell/tests/xcb/x_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace qvk::shell::xcb_test {
namespace {

void click_at(const QPoint& global)
{
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
                       QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1")});
    settle();
}

void show_solids(Program& p)
{
    QTabBar* tabs = p.find<QTabWidget>("druh")->tabBar();
    click_at(on_screen(tabs, tabs->tabRect(app::PageSolids).center()));
    ASSERT_EQ(p.find<QTabWidget>("druh")->currentIndex(), app::PageSolids);
}

// Opens the selector with a click and clicks the item in its list.
void choose(Program& p, int item)
{
    auto* combo = p.find<QComboBox>("d3_vyber");
    p.click(combo);
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->isVisible(); }, 3000));
    const QRect r = view->visualRect(combo->model()->index(item, 0));
    click_at(on_screen(view->viewport(), r.center()));
    ASSERT_TRUE(QTest::qWaitFor([view] { return !view->isVisible(); }, 3000));
}

struct SolidCase {
    int item;
    const char* caption;
    const char* page;
    const char* picture;
    const char* anchor;
    std::vector<const char*> fields;
};

const SolidCase kSolids[] = {
    {0, "Krychle", "krychle_desk", "krychle", "kry", {"kry_a", "kry_u", "kry_s", "kry_v"}},
    {1, "Kvádr", "kvadr_desk", "kvadr", "kva", {"kva_a", "kva_b", "kva_c", "kva_u", "kva_s", "kva_v"}},
    {2, "Jehlan", "jehlan_desk", "jehlan", "jeh", {"jeh_n", "jeh_a", "jeh_v", "jeh_sp", "jeh_s", "jeh_vv"}},
    {3, "Koule", "koule_desk", "koule", "kou", {"kou_r", "kou_d", "kou_s", "kou_v"}},
    {4, "Rotační válec", "valec_desk", "valec", "val", {"val_r", "val_v", "val_s", "val_vv"}},
    {5, "Rotační kužel", "kuzel_desk", "kuzel", "kuz", {"kuz_r", "kuz_v", "kuz_s", "kuz_ss", "kuz_vv"}},
};

class Solids : public OnX11, public testing::WithParamInterface<SolidCase> {};

TEST_P(Solids, ChosenSheetShowsPictureClearsWithCtrlXAndOpensItsHelp)
{
    const SolidCase& c = GetParam();
    Program p;
    show_solids(p);
    choose(p, c.item);

    auto* sheets = p.find<QTabWidget>("d3_page");
    EXPECT_EQ(p.find<QComboBox>("d3_vyber")->currentText(), QString::fromUtf8(c.caption));
    ASSERT_TRUE(sheets->currentWidget());
    EXPECT_EQ(sheets->currentWidget()->objectName(), QString::fromUtf8(c.page));
    EXPECT_EQ(p.model.text(QStringLiteral("d3_ikona")), QString::fromUtf8(c.picture));
    auto* icon = p.find<QLabel>("d3_ikona");
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_TRUE(icon->isVisible());
    auto* figure = sheets->currentWidget()->findChild<QLabel*>(QString::fromUtf8(c.page) + QStringLiteral("_obrazek"));
    ASSERT_TRUE(figure);
    EXPECT_TRUE(figure->isVisible());
    EXPECT_FALSE(figure->pixmap().isNull());

    // Nothing on the sheet is clipped: every widget lies inside it and every
    // caption has the room its text needs.
    QWidget* sheet = sheets->currentWidget();
    for (QWidget* w : sheet->findChildren<QWidget*>()) {
        EXPECT_TRUE(sheet->rect().contains(w->geometry())) << w->objectName().toStdString();
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            EXPECT_LE(l->sizeHint().width(), l->width()) << l->text().toStdString();
            EXPECT_LE(l->sizeHint().height(), l->height()) << l->text().toStdString();
        }
    }

    // Every field of the sheet takes typed text; Ctrl+X empties them all,
    // with the focus in one of them, and leaves the other solids alone.
    const QString other = c.item == 0 ? QStringLiteral("kva_a") : QStringLiteral("kry_a");
    p.model.setText(other, QStringLiteral("7"));
    for (const char* name : c.fields) {
        auto* e = p.find<QLineEdit>(name);
        ASSERT_TRUE(e->isVisible()) << name;
        p.click(e);
        ASSERT_TRUE(e->hasFocus()) << name;
        type_text(QStringLiteral("12"));
        EXPECT_EQ(p.model.text(QString::fromUtf8(name)), QStringLiteral("12")) << name;
    }
    press({QStringLiteral("ctrl+x")});
    for (const char* name : c.fields) {
        EXPECT_EQ(p.find<QLineEdit>(name)->text(), QString()) << name;
        EXPECT_EQ(p.model.text(QString::fromUtf8(name)), QString()) << name;
    }
    EXPECT_EQ(p.model.text(other), QStringLiteral("7"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();

    press({QStringLiteral("F2")});
    HelpWindow* help = p.window->helpWindow();
    ASSERT_TRUE(QTest::qWaitFor([help] { return help->isVisible(); }, 3000));
    EXPECT_EQ(help->source().fragment(), QString::fromUtf8(c.anchor));
}

INSTANTIATE_TEST_SUITE_P(EverySolid, Solids, testing::ValuesIn(kSolids),
                         [](const testing::TestParamInfo<SolidCase>& info) {
                             return std::string(info.param.picture);
                         });

using SolidRun = OnX11;

TEST_F(SolidRun, TypedValuesAreComputedAndASecondPressIsRefused)
{
    Program p;
    show_solids(p);
    choose(p, 5);
    for (const auto& [name, text] : {std::pair{"kuz_r", "3"}, {"kuz_v", "4"}}) {
        p.click(p.find<QLineEdit>(name));
        type_text(QString::fromUtf8(text));
    }
    p.click(p.find<QWidget>("vyres_d3"));
    EXPECT_EQ(p.find<QLineEdit>("kuz_s")->text(), QStringLiteral("5"));
    EXPECT_EQ(p.find<QLineEdit>("kuz_ss")->text(), QStringLiteral("75,4"));
    EXPECT_EQ(p.find<QLineEdit>("kuz_vv")->text(), QStringLiteral("37,7"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();

    // The pointer moves away first: a synced move to where it already is never ends.
    p.click(p.find<QWidget>("kuz_r"));
    p.click(p.find<QWidget>("vyres_d3"));
    ASSERT_TRUE(QTest::qWaitFor([&p] { return !p.boxes.seen().isEmpty(); }, 3000));
    EXPECT_EQ(p.boxes.seen().front().title, QStringLiteral("QVkalkor"));
    EXPECT_EQ(p.boxes.seen().front().text, QStringLiteral("Nepřípustné zadání."));
    EXPECT_EQ(p.find<QLineEdit>("kuz_ss")->text(), QStringLiteral("75,4"));

    // The clear button empties the sheet for the next solid.
    p.click(p.find<QWidget>("vymaz_3d"));
    EXPECT_EQ(p.find<QLineEdit>("kuz_r")->text(), QString());
    EXPECT_EQ(p.find<QLineEdit>("kuz_vv")->text(), QString());
}

} // namespace
} // namespace qvk::shell::xcb_test
