#include "shell/pages/quadratic_page.h"
#include "equations/quadratic.h"
#include "shell/geometry.h"
#include "shell/pages/fields.h"
#include "shell/widgets.h"

#include <QLabel>

namespace qvk::shell {

QuadraticPage::QuadraticPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    build_fields(this, m, equations::quadratic_fields(), s);
    QLabel* x2 = text_label(this, QStringLiteral("x<sup>2</sup> +"));
    x2->setTextFormat(Qt::RichText);
    place(x2, 53, 10, 30, 20, s);
    place(text_label(this, QStringLiteral("x   +")), 131, 10, 30, 20, s);
}

} // namespace qvk::shell
