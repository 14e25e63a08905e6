#include "shell/pages/quadratic_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qvk::shell {

QuadraticPage::QuadraticPage(double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("kr"));

    place(make<QLineEdit>(this, "a1"), 6, 8, 44, 22, s);
    QLabel* x2 = text_label(this, QStringLiteral("x<sup>2</sup> +"));
    x2->setTextFormat(Qt::RichText);
    place(x2, 53, 10, 30, 20, s);
    place(make<QLineEdit>(this, "b1"), 84, 8, 44, 22, s);
    place(text_label(this, QStringLiteral("x   +")), 131, 10, 30, 20, s);
    place(make<QLineEdit>(this, "c1"), 160, 8, 44, 22, s);
    place(make<QComboBox>(this, "rovnice"), 208, 8, 58, 22, s);
    auto* solve = make<QPushButton>(this, "kvreseni");
    solve->setIcon(picture(QStringLiteral("vypocti")));
    place(solve, 272, 6, 84, 26, s);

    place(text_label(this, QStringLiteral("Diskriminant")), 6, 42, 96, 20, s);
    place(make<QLineEdit>(this, "dres"), 104, 40, 90, 22, s);
    place(make<QLabel>(this, "x1name"), 6, 68, 40, 20, s);
    place(make<QLineEdit>(this, "x1res"), 104, 66, 90, 22, s);
    place(make<QLabel>(this, "x2name"), 204, 68, 40, 20, s);
    place(make<QLineEdit>(this, "x2res"), 246, 66, 110, 22, s);
    place(make<QLabel>(this, "reseni_nadpis"), 6, 94, 96, 20, s);
    place(make<QLineEdit>(this, "reseni"), 104, 92, 252, 22, s);
    place(text_label(this, QStringLiteral("Vrchol paraboly")), 6, 120, 96, 20, s);
    place(make<QLineEdit>(this, "vres"), 104, 118, 252, 22, s);
    place(text_label(this, QStringLiteral("Doplnění na čtverec")), 6, 146, 96, 20, s);
    place(make<QLineEdit>(this, "ctvres"), 104, 144, 252, 22, s);
}

} // namespace qvk::shell
