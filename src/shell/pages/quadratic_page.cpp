#include "shell/pages/quadratic_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qvk::shell {

QuadraticPage::QuadraticPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
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

    // Labels wide enough for the longest, "Doplnění na čtverec"; each root
    // has room for 15 digits with sign and comma.
    constexpr int L = 6, LW = 124, F = 134, FW = 226;
    place(caption_label(this, m, "dres"), L, 42, LW, 20, s);
    place(make<QLineEdit>(this, "dres"), F, 40, FW, 22, s);
    place(make<QLabel>(this, "x1name"), L, 68, 32, 20, s);
    place(make<QLineEdit>(this, "x1res"), 40, 66, 140, 22, s);
    place(make<QLabel>(this, "x2name"), 186, 68, 32, 20, s);
    place(make<QLineEdit>(this, "x2res"), 220, 66, F + FW - 220, 22, s);
    place(make<QLabel>(this, "reseni_nadpis"), L, 94, LW, 20, s);
    place(make<QLineEdit>(this, "reseni"), F, 92, FW, 22, s);
    place(caption_label(this, m, "vres"), L, 120, LW, 20, s);
    place(make<QLineEdit>(this, "vres"), F, 118, FW, 22, s);
    place(caption_label(this, m, "ctvres"), L, 146, LW, 20, s);
    place(make<QLineEdit>(this, "ctvres"), F, 144, FW, 22, s);
}

} // namespace qvk::shell
