#include "shell/pages/bases_page.h"
#include "numbers/bases.h"
#include "shell/geometry.h"
#include "shell/pages/fields.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QSpinBox>

namespace qvk::shell {

BasesPage::BasesPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    build_fields(this, m, numbers::bases_fields(), s);
    // A base typed out of range is brought into it when the field is left.
    for (auto* spin : findChildren<QSpinBox*>())
        spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);

    // The words around each base's spin box.
    auto around = [&](const QString& before, int x) {
        QLabel* caption = text_label(this, before);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(caption, x, 55, 18, 20, s);
        place(text_label(this, QStringLiteral("-kové soustavy")), x + 68, 55, 92, 20, s);
    };
    around(QStringLiteral("z"), 8);
    around(QStringLiteral("do"), 184);
}

} // namespace qvk::shell
