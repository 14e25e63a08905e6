#include "shell/pages/cubic_page.h"
#include "equations/cubic.h"
#include "shell/geometry.h"
#include "shell/pages/fields.h"
#include "shell/widgets.h"

#include <QLabel>

namespace qvk::shell {

namespace {

QLabel* rich_label(QWidget* parent, const QString& html)
{
    QLabel* l = text_label(parent, html);
    l->setTextFormat(Qt::RichText);
    return l;
}

} // namespace

CubicPage::CubicPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    build_fields(this, m, equations::cubic_fields(), s);

    // a x^3 + b x^2 + c x + d = 0 on one line, then the button.
    place(rich_label(this, QStringLiteral("x<sup>3</sup> +")), 47, 10, 30, 20, s);
    place(rich_label(this, QStringLiteral("x<sup>2</sup> +")), 119, 10, 30, 20, s);
    place(text_label(this, QStringLiteral("x +")), 189, 10, 25, 20, s);
    place(text_label(this, QStringLiteral("= 0")), 256, 10, 24, 20, s);

    place(text_label(this, QStringLiteral("Substituce")), 6, 38, 64, 20, s);
    place(text_label(this, QStringLiteral("x = y +")), 72, 38, 46, 20, s);
    place(text_label(this, QStringLiteral("Redukovaný tvar")), 6, 62, 240, 20, s);
    place(rich_label(this, QStringLiteral("y<sup>3</sup> +")), 6, 86, 28, 20, s);
    place(text_label(this, QStringLiteral("y +")), 170, 86, 26, 20, s);
    place(text_label(this, QStringLiteral("= 0")), 332, 86, 36, 20, s);
}

} // namespace qvk::shell
