// Keys typed through the X server reach the fields and the calculation, as
// they do when a person types them.
#include "shell/tests/xcb/x_window.h"

#include <QLineEdit>

namespace qvk::shell::xcb_test {
namespace {

using Typing = OnX11;

TEST_F(Typing, KeysTypedIntoTheCoefficientsAreSolved)
{
    Program p;
    for (const auto& [name, text] : {std::pair{"a1", "1"}, {"b1", "-3"}, {"c1", "2"}}) {
        QLineEdit* e = p.find<QLineEdit>(name);
        p.click(e);
        ASSERT_TRUE(e->hasFocus()) << name;
        press({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
        type_text(QString::fromUtf8(text));
        EXPECT_EQ(e->text(), QString::fromUtf8(text)) << name;
        EXPECT_EQ(p.model.text(QString::fromUtf8(name)), QString::fromUtf8(text)) << name;
    }
    p.click(p.find<QWidget>("kvreseni"));
    EXPECT_EQ(p.find<QLineEdit>("x1res")->text(), QStringLiteral("1"));
    EXPECT_EQ(p.find<QLineEdit>("x2res")->text(), QStringLiteral("2"));
}

} // namespace
} // namespace qvk::shell::xcb_test
