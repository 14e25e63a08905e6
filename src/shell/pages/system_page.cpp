#include "shell/pages/system_page.h"
#include "equations/system.h"
#include "shell/geometry.h"
#include "shell/grid_view.h"
#include "shell/pages/fields.h"
#include "shell/widgets.h"

#include <QLineEdit>
#include <QSpinBox>

namespace qvk::shell {

SystemPage::SystemPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    build_fields(this, m, equations::system_fields(), s);
    // The number of equations is changed with the arrows only.
    if (auto* text = findChild<QSpinBox*>()->findChild<QLineEdit*>())
        text->setReadOnly(true);

    auto* input = new PubStrGridView(s, this);
    input->setObjectName(QString::fromLatin1(equations::kSystemInput));
    set_accessible(input, QStringLiteral("Soustava rovnic"), QStringLiteral("Zadejte soustavu rovnic"));
    input->setRowMoving(true);
    place(input, 6, 34, 242, 134, s);

    auto* results = new PubStrGridView(s, this);
    results->setObjectName(QString::fromLatin1(equations::kSystemResults));
    set_accessible(results, QStringLiteral("Řešení soustavy rovnic"), QStringLiteral("Řešení soustavy rovnic"));
    results->setInfoColours();
    results->setRangeSelection(true);
    place(results, 252, 34, 116, 134, s);
}

} // namespace qvk::shell
