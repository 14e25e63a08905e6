#include "shell/pages/cubic_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qvk::shell {

namespace {

QLabel* rich_label(QWidget* parent, const QString& html)
{
    QLabel* l = text_label(parent, html);
    l->setTextFormat(Qt::RichText);
    return l;
}

} // namespace

CubicPage::CubicPage(const WindowModel&, double s, QWidget* parent) : QWidget(parent)
{
    // a x^3 + b x^2 + c x + d = 0 on one line, then the button.
    constexpr int E = 38;
    place(make<QLineEdit>(this, "kub_a"), 6, 8, E, 22, s);
    place(rich_label(this, QStringLiteral("x<sup>3</sup> +")), 47, 10, 30, 20, s);
    place(make<QLineEdit>(this, "kub_b"), 78, 8, E, 22, s);
    place(rich_label(this, QStringLiteral("x<sup>2</sup> +")), 119, 10, 30, 20, s);
    place(make<QLineEdit>(this, "kub_c"), 150, 8, E, 22, s);
    place(text_label(this, QStringLiteral("x +")), 189, 10, 25, 20, s);
    place(make<QLineEdit>(this, "kub_d"), 214, 8, E, 22, s);
    place(text_label(this, QStringLiteral("= 0")), 256, 10, 24, 20, s);
    auto* solve = make<QPushButton>(this, "kub_vyres");
    solve->setIcon(picture(QStringLiteral("vypocti")));
    place(solve, 284, 6, 76, 26, s);

    // Results wide enough for 15 significant digits with sign and comma.
    constexpr int L = 6;
    place(text_label(this, QStringLiteral("Substituce")), L, 38, 64, 20, s);
    place(text_label(this, QStringLiteral("x = y +")), 72, 38, 46, 20, s);
    place(make<QLineEdit>(this, "kub_subs"), 120, 36, 126, 22, s);
    place(text_label(this, QStringLiteral("Diskriminant")), 252, 38, 116, 20, s);
    place(make<QLineEdit>(this, "kub_disk"), 252, 60, 116, 22, s);

    place(text_label(this, QStringLiteral("Redukovaný tvar")), L, 62, 240, 20, s);
    place(rich_label(this, QStringLiteral("y<sup>3</sup> +")), L, 86, 28, 20, s);
    place(make<QLineEdit>(this, "kub_p"), 36, 84, 132, 22, s);
    place(text_label(this, QStringLiteral("y +")), 170, 86, 26, 20, s);
    place(make<QLineEdit>(this, "kub_q"), 196, 84, 132, 22, s);
    place(text_label(this, QStringLiteral("= 0")), 332, 86, 36, 20, s);

    const char* const roots[] = {"kub_x1", "kub_x2", "kub_x3"};
    const char* const names[] = {"x1 =", "x2 =", "x3 ="};
    for (int i = 0; i < 3; ++i) {
        place(text_label(this, QString::fromLatin1(names[i])), L, 112 + 24 * i, 34, 20, s);
        place(make<QLineEdit>(this, roots[i]), 42, 110 + 24 * i, 326, 22, s);
    }
}

} // namespace qvk::shell
