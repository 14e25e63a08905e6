#include "shell/pages/bases_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace qvk::shell {

BasesPage::BasesPage(const WindowModel&, double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));

    place(text_label(this, QStringLiteral("Číslo")), 8, 4, 60, 18, s);
    // Up to 63 digits: the edits scroll, the counts beside them tell the length.
    auto number = [&](const char* name, const char* count, int y) {
        auto* e = make<QLineEdit>(this, name);
        e->setAlignment(Qt::AlignRight);
        place(e, 8, y, 310, 22, s);
        place(make<QLabel>(this, count), 322, y + 1, 44, 20, s);
    };
    number("cislo1", "delka1", 22);

    auto base = [&](const QString& before, const char* name, int x) {
        QLabel* caption = text_label(this, before);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(caption, x, 55, 18, 20, s);
        auto* spin = make<QSpinBox>(this, name);
        // A base typed out of range is brought into it when the field is left.
        spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        place(spin, x + 20, 54, 46, 22, s);
        place(text_label(this, QStringLiteral("-kové soustavy")), x + 68, 55, 92, 20, s);
    };
    base(QStringLiteral("z"), "sous1", 8);
    base(QStringLiteral("do"), "sous2", 184);

    number("cislo2", "delka2", 86);
    auto* preved = make<QPushButton>(this, "preved_soustavy");
    preved->setIcon(picture(QStringLiteral("preved")));
    place(preved, 8, 118, 70, 26, s);
}

} // namespace qvk::shell
