#include "shell/pages/divisors_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qvk::shell {

DivisorsPage::DivisorsPage(const WindowModel&, double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("nsnnsd"));

    place(text_label(this, QStringLiteral("Čísla")), 6, 8, 160, 20, s);
    place(make<QLineEdit>(this, "zadani_a"), 168, 6, 194, 22, s);
    // The multiple has up to 19 digits.
    place(text_label(this, QStringLiteral("Největší společný dělitel ")), 6, 36, 160, 20, s);
    place(make<QLineEdit>(this, "nsd"), 168, 34, 194, 22, s);
    place(text_label(this, QStringLiteral("Nejmenší společný násobek")), 6, 62, 160, 20, s);
    place(make<QLineEdit>(this, "nsn"), 168, 60, 194, 22, s);

    auto* dvecisla = make<QPushButton>(this, "dvecisla");
    dvecisla->setIcon(picture(QStringLiteral("vypocti")));
    place(dvecisla, 168, 90, 76, 26, s);
}

} // namespace qvk::shell
