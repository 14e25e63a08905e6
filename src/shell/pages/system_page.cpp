#include "shell/pages/system_page.h"
#include "shell/geometry.h"
#include "shell/grid_view.h"
#include "shell/widgets.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace qvk::shell {

SystemPage::SystemPage(const WindowModel&, double s, QWidget* parent) : QWidget(parent)
{
    place(text_label(this, QStringLiteral("Počet rovnic :")), 6, 8, 84, 20, s);
    auto* count = make<QSpinBox>(this, "pocet_rovnic");
    // Changed with the arrows only.
    if (auto* text = count->findChild<QLineEdit*>())
        text->setReadOnly(true);
    place(count, 92, 6, 48, 22, s);
    auto* solve = make<QPushButton>(this, "sous_rov_vyres");
    solve->setIcon(picture(QStringLiteral("vypocti")));
    place(solve, 284, 4, 76, 26, s);

    auto* input = new PubStrGridView(s, this);
    input->setObjectName(QStringLiteral("soustavarov"));
    set_accessible(input, QStringLiteral("Soustava rovnic"), QStringLiteral("Zadejte soustavu rovnic"));
    input->setRowMoving(true);
    place(input, 6, 34, 242, 134, s);

    auto* results = new PubStrGridView(s, this);
    results->setObjectName(QStringLiteral("reseni_rovnic"));
    set_accessible(results, QStringLiteral("Řešení soustavy rovnic"), QStringLiteral("Řešení soustavy rovnic"));
    results->setInfoColours();
    results->setRangeSelection(true);
    place(results, 252, 34, 116, 134, s);
}

} // namespace qvk::shell
