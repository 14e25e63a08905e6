// An equation copied from elsewhere and pasted into a coefficient field, with
// the keys a person uses (Ctrl+V, Shift+Insert, the context menu's Paste),
// through the desktop's clipboard.
#include "app/navigation.h"
#include "shell/tests/xcb/x_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace qvk::shell::xcb_test {
namespace {

using EquationPaste = OnX11;

QStringList texts(Program& p, const QStringList& names)
{
    QStringList t;
    for (const QString& n : names)
        t.append(p.window->findChild<QLineEdit*>(n)->text());
    return t;
}

void copy(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    settle();
}

TEST_F(EquationPaste, CtrlVInAQuadraticFieldFillsThePageAndTheRelation)
{
    Program p;
    copy(QStringLiteral("x^2-5x+6 >= 0"));
    p.click(p.find<QLineEdit>("b1"));
    press({QStringLiteral("ctrl+v")});
    settle();
    EXPECT_EQ(texts(p, {"a1", "b1", "c1"}), (QStringList{"1", "-5", "6"}));
    EXPECT_EQ(p.find<QComboBox>("rovnice")->currentIndex(), 4);
    EXPECT_EQ(p.model.index(QStringLiteral("rovnice")), 4);
    // Filled, not solved: ready for "Vyřeš".
    EXPECT_EQ(p.find<QLineEdit>("reseni")->text(), QString());
    p.click(p.find<QWidget>("kvreseni"));
    settle();
    EXPECT_EQ(p.find<QLineEdit>("reseni")->text(), QStringLiteral("(-nekon.; 2> U <3; +nekon.)"));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(EquationPaste, ShiftInsertInACubicFieldFillsThePage)
{
    Program p;
    app::show_page(p.model, p.registry, QStringLiteral("kub"));
    settle();
    copy(QStringLiteral("x^3 - 7x + 6 = 0"));
    p.click(p.find<QLineEdit>("kub_d"));
    press({QStringLiteral("shift+Insert")});
    settle();
    EXPECT_EQ(texts(p, {"kub_a", "kub_b", "kub_c", "kub_d"}), (QStringList{"1", "0", "-7", "6"}));
    p.click(p.find<QWidget>("kub_vyres"));
    settle();
    EXPECT_EQ(texts(p, {"kub_x1", "kub_x2", "kub_x3"}), (QStringList{"2", "-3", "1"}));
    EXPECT_TRUE(p.boxes.seen().isEmpty()) << p.boxes.describe().toStdString();
}

TEST_F(EquationPaste, TheContextMenusPasteFillsThePage)
{
    Program p;
    copy(QStringLiteral("2x² + 12,5x - 16"));
    QLineEdit* c1 = p.find<QLineEdit>("c1");
    p.click(c1);
    press({QStringLiteral("Menu")});
    QMenu* menu = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }, 3000));
    QAction* paste = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QLineEdit::tr("&Paste")))
            paste = a;
    ASSERT_NE(paste, nullptr);
    ASSERT_TRUE(paste->isEnabled());
    menu->setActiveAction(paste);
    press({QStringLiteral("Return")});
    settle();
    EXPECT_EQ(texts(p, {"a1", "b1", "c1"}), (QStringList{"2", "12,5", "-16"}));
    EXPECT_EQ(p.model.text(QStringLiteral("b1")), QStringLiteral("12,5"));
}

TEST_F(EquationPaste, OtherTextIsPastedAsUsual)
{
    Program p;
    const QStringList before = texts(p, {"a1", "b1", "c1"});
    copy(QStringLiteral("-7"));
    p.click(p.find<QLineEdit>("c1"));
    press({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+v")});
    settle();
    EXPECT_EQ(texts(p, {"a1", "b1", "c1"}), (QStringList{before[0], before[1], "-7"}));
    EXPECT_EQ(p.model.text(QStringLiteral("c1")), QStringLiteral("-7"));

    // A cubic equation is not the quadratic page's: pasted as text, cut to the field.
    copy(QStringLiteral("x^3 - 1"));
    press({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+v")});
    settle();
    EXPECT_EQ(texts(p, {"a1", "b1", "c1"}), (QStringList{before[0], before[1], "x^3 -"}));
}

} // namespace
} // namespace qvk::shell::xcb_test
