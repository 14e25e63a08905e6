#include "shell/pages/solid_sheets.h"
#include "app/calculators.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>

namespace qvk::shell {

SolidSheet::SolidSheet(const stereometry::Solid& solid, const WindowModel& model, double s, QWidget* parent)
    : QWidget(parent)
{
    const QString page = QString::fromUtf8(solid.page);

    // The rows start below the heading where the sheet has one; so does the picture.
    int top = 10, pictureTop = 4, pictureSize = 120;
    if (page == u"jehlan_desk") {
        place(text_label(this, QStringLiteral("Jehlan s podstavou pravidelného n-úhelníku")), 8, 4, 356, 18, s);
        top = 28;
        pictureTop = 24;
        pictureSize = 104;
    }

    // The given quantities on the left, the derived ones on the right; the
    // power of a unit is raised in a smaller font.
    constexpr int kColumn = 118, kPitch = 28;
    for (const declare::Entry& field : solid.fields) {
        const int x = 8 + field.col * kColumn;
        const int y = top + field.row * kPitch;
        QLabel* label = text_label(this, model.field(QString::fromUtf8(field.name)).caption);
        place(label, x, y + 2, 28, 20, s);
        auto* edit = make<QLineEdit>(this, field.name);
        label->setBuddy(edit);
        place(edit, x + 28, y, 76, 22, s);
        if (*field.unit) {
            const int power = QString::fromUtf8(field.unit).at(0).digitValue();
            place(text_label(this, QStringLiteral("<sup>%1</sup>").arg(power)), x + 106, y, 10, 14, s);
        }
    }

    // The picture of the selector, large enough to read its marks.
    auto* figure = new QLabel(this);
    figure->setObjectName(page + QStringLiteral("_obrazek"));
    place(figure, 244 + (120 - pictureSize) / 2, pictureTop, pictureSize, pictureSize, s);
    if (const app::Page* entry = app::find_page(page); entry && entry->picture)
        figure->setPixmap(picture(QString::fromUtf8(entry->picture)).pixmap(figure->size()));
    figure->setAlignment(Qt::AlignCenter);
}

} // namespace qvk::shell
