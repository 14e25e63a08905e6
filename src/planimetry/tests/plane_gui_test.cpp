// The page "Planimetrie" in the main window: each selector item shows its
// sheet and picture, the keys clear and open help, Tab runs through the
// fields, and typed values are solved.
#include "app/assembly.h"
#include "app/navigation.h"
#include "shell/help_window.h"
#include "shell/thlavni.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace qvk::shell {
namespace {

struct Shell {
    WindowModel model;
    Registry registry;
    std::unique_ptr<Thlavni> window;
    QStringList boxes; // message boxes, closed as they appeared
    QTimer watchdog;

    Shell()
    {
        app::assemble(model, registry);
        window = std::make_unique<Thlavni>(model, registry);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.append(box->windowTitle() + u'|' + box->text());
                box->accept();
            }
        });
        watchdog.start(10);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        app::show_page(model, registry, app::PagePlane, 0);
    }
    template <typename W = QWidget>
    W* find(const QString& name) const
    {
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void choose(int item)
    {
        auto* combo = find<QComboBox>(QStringLiteral("d2_vyber"));
        combo->setCurrentIndex(item);
        emit combo->activated(item);
    }
};

struct SheetCase {
    int item;
    const char* sheet;
    std::vector<const char*> tabOrder; // every field of the sheet
};

const std::vector<SheetCase> kSheets = {
    {0, "trojuhelnik_p_desk", {"tp_a", "tp_b", "tp_c", "tp_vc", "tp_alfa", "tp_beta", "tp_obvod", "tp_obsah"}},
    {1,
     "trojuhelnik_desk",
     {"troj_a", "troj_b", "troj_c", "troj_va", "troj_vb", "troj_vc", "troj_alfa", "troj_beta", "troj_gama",
      "troj_obvod", "troj_obsah"}},
    {2, "ctverec_desk", {"ctv_a", "ctv_u", "ctv_o", "ctv_s"}},
    {3, "obdelnik_desk", {"obd_a", "obd_b", "obd_u", "obd_o", "obd_s"}},
    {4, "rovnobeznik_desk", {"rov_a", "rov_b", "rov_va", "rov_vb", "rov_alfa", "rov_beta", "rov_obvod", "rov_obsah"}},
    {5,
     "lichobeznik_desk",
     {"lic_a", "lic_b", "lic_c", "lic_d", "lic_alfa", "lic_beta", "lic_gama", "lic_delta", "lic_v", "lic_s",
      "lic_obvod", "lic_obsah"}},
    {6, "n_uhelnik_desk", {"uhe_n", "uhe_a", "uhe_r", "uhe_p", "uhe_o", "uhe_s", "uhe_uhel"}},
    {7, "kruh_desk", {"kru_r", "kru_alfa", "kru_o", "kru_s", "kru_kru_vys"}},
};

const char* const kAnchors[] = {"tp", "troj", "ctv", "obd", "rov", "lic", "n_uhel", "kru"};

TEST(PlanePage, EachItemShowsItsSheetPictureAndFields)
{
    Shell s;
    auto* sheets = s.find<QTabWidget>(QStringLiteral("d2_page"));
    auto* icon = s.find<QLabel>(QStringLiteral("d2_ikona"));
    for (const SheetCase& c : kSheets) {
        s.choose(c.item);
        QWidget* sheet = sheets->currentWidget();
        ASSERT_EQ(sheet->objectName(), QString::fromUtf8(c.sheet));
        EXPECT_FALSE(icon->pixmap().isNull()) << c.sheet;
        for (const char* name : c.tabOrder) {
            QWidget* w = sheet->findChild<QWidget*>(QString::fromUtf8(name));
            ASSERT_NE(w, nullptr) << name;
            EXPECT_TRUE(w->isVisible()) << name;
            EXPECT_TRUE(sheet->rect().contains(w->geometry())) << name;
            EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
        }
        // Captions, units and radio buttons lie inside the sheet too.
        for (QWidget* w : sheet->findChildren<QWidget*>())
            if (w->isVisibleTo(sheet) && w->parentWidget() == sheet)
                EXPECT_TRUE(sheet->rect().contains(w->geometry())) << c.sheet;
    }
}

TEST(PlanePage, TabRunsThroughTheFieldsOfTheSheet)
{
    Shell s;
    for (const SheetCase& c : kSheets) {
        s.choose(c.item);
        auto* first = s.find(QString::fromUtf8(c.tabOrder.front()));
        first->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QStringList order{QApplication::focusWidget()->objectName()};
        for (std::size_t i = 1; i < c.tabOrder.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QStringList expected;
        for (const char* name : c.tabOrder)
            expected.append(QString::fromUtf8(name));
        EXPECT_EQ(order, expected) << c.sheet;
    }
}

TEST(PlanePage, F2OpensTheHelpSectionOfTheSheet)
{
    Shell s;
    for (const SheetCase& c : kSheets) {
        s.choose(c.item);
        QTest::keyClick(s.window.get(), Qt::Key_F2);
        ASSERT_TRUE(s.window->helpWindow()->isVisible());
        EXPECT_EQ(s.window->helpWindow()->source().fragment(), QString::fromUtf8(kAnchors[c.item]));
        s.window->activateWindow();
        QTest::qWaitForWindowActive(s.window.get());
    }
}

TEST(PlanePage, CtrlXClearsTheSheetOnShow)
{
    Shell s;
    s.choose(7);
    auto* r = s.find<QLineEdit>(QStringLiteral("kru_r"));
    auto* alfa = s.find<QLineEdit>(QStringLiteral("kru_alfa"));
    r->setFocus();
    QTest::keyClicks(r, QStringLiteral("2"));
    alfa->selectAll();
    QTest::keyClicks(alfa, QStringLiteral("90"));
    QTest::mouseClick(s.find<QPushButton>(QStringLiteral("vyres_d2")), Qt::LeftButton);
    EXPECT_EQ(s.find<QLineEdit>(QStringLiteral("kru_s"))->text(), QStringLiteral("3,14"));
    EXPECT_EQ(s.find<QLabel>(QStringLiteral("kru_oa"))->text(), QStringLiteral("a ="));
    EXPECT_EQ(s.find<QLineEdit>(QStringLiteral("kru_o"))->toolTip(), QStringLiteral("oblouk"));

    QTest::keyClick(r, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(r->text(), QString());
    EXPECT_EQ(alfa->text(), QStringLiteral("360"));
    EXPECT_EQ(s.find<QLabel>(QStringLiteral("kru_oa"))->text(), QStringLiteral("O/a ="));
    EXPECT_TRUE(s.boxes.isEmpty()) << s.boxes.join(u'\n').toStdString();
}

TEST(PlanePage, TypedLegsAreSolvedAndASecondPressIsRefused)
{
    Shell s;
    auto* a = s.find<QLineEdit>(QStringLiteral("tp_a"));
    auto* b = s.find<QLineEdit>(QStringLiteral("tp_b"));
    QTest::keyClicks(a, QStringLiteral("3"));
    QTest::keyClicks(b, QStringLiteral("4"));
    auto* compute = s.find<QPushButton>(QStringLiteral("vyres_d2"));
    QTest::mouseClick(compute, Qt::LeftButton);
    EXPECT_EQ(s.find<QLineEdit>(QStringLiteral("tp_c"))->text(), QStringLiteral("5"));
    EXPECT_EQ(s.find<QLineEdit>(QStringLiteral("tp_alfa"))->text(), QStringLiteral("36,87"));
    EXPECT_TRUE(s.boxes.isEmpty());
    QTest::mouseClick(compute, Qt::LeftButton);
    EXPECT_EQ(s.boxes, QStringList{QStringLiteral("QVkalkor|Nepřípustná kombinace zadání.")});
}

TEST(PlanePage, TrapezoidAnswersWithItsBoxAndTheRadioButtonsAreOneGroup)
{
    Shell s;
    s.choose(5);
    QTest::mouseClick(s.find<QPushButton>(QStringLiteral("vyres_d2")), Qt::LeftButton);
    EXPECT_EQ(s.boxes, QStringList{QStringLiteral("QVkalkor|Výpočet lichoběžníku zatím nefunkční :-(")});

    s.choose(7);
    auto* segment = s.find<QRadioButton>(QStringLiteral("kru_usec"));
    QTest::mouseClick(segment, Qt::LeftButton, {}, QPoint(8, segment->height() / 2));
    EXPECT_TRUE(s.model.checked(QStringLiteral("kru_usec")));
    EXPECT_FALSE(s.model.checked(QStringLiteral("kru_kru_vys")));
    EXPECT_FALSE(s.find<QRadioButton>(QStringLiteral("kru_kru_vys"))->isChecked());
}

} // namespace
} // namespace qvk::shell
