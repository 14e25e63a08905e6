#include "shell/pages/plane_sheets.h"
#include "planimetry/plane.h"
#include "shell/geometry.h"
#include "shell/pages/fields.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>

namespace qvk::shell {

namespace {

// Captions that are not the field's own: the perimeter or arc of the circle
// has a caption field the solver changes, its angle a caption hint.
struct Caption {
    const char* field;
    const char* label; // the caption field; null: the field's caption
    const char* hint;
};
constexpr Caption kCaptions[] = {{planimetry::kCircleAngle, nullptr, "průměr"},
                                   {planimetry::kCircleArc, planimetry::kCircleArcCaption, ""}};

const Caption* caption_of(const char* field)
{
    for (const Caption& c : kCaptions)
        if (qstrcmp(c.field, field) == 0)
            return &c;
    return nullptr;
}

// Design pixels of the grid.
constexpr int kLeft = 6, kColumn = 122, kCaption = 40, kField = 66, kUnit = 12, kTop = 6, kRow = 26;

// One quantity: caption, field and the unit mark after it, at its place on
// the sheet's grid.
void add_slot(QWidget* sheet, const WindowModel& model, const declare::Entry& slot, double s)
{
    const int x = kLeft + slot.col * kColumn;
    const int y = kTop + slot.row * kRow;
    const Caption* own = caption_of(slot.name);
    QLabel* caption = own && own->label ? make<QLabel>(sheet, own->label)
                                        : text_label(sheet, model.field(QString::fromUtf8(slot.name)).caption);
    if (own && *own->hint)
        caption->setToolTip(QString::fromUtf8(own->hint));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(caption, x, y, kCaption - 4, 22, s);
    auto* edit = make<QLineEdit>(sheet, slot.name);
    caption->setBuddy(edit);
    place(edit, x + kCaption, y, kField, 22, s);
    if (*slot.unit) {
        QLabel* unit = text_label(sheet, QString::fromUtf8(slot.unit));
        unit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(unit, x + kCaption + kField + 1, y, kUnit, 22, s);
    }
}

} // namespace

FigureSheet::FigureSheet(const char* name, const WindowModel& model, double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    // The quantities in the order they are declared, which is the tab order,
    // then the sheet's other fields at their places.
    const std::span<const declare::Entry> fields = planimetry::sheet_fields(objectName());
    for (const declare::Entry& field : fields)
        if (field.col >= 0)
            add_slot(this, model, field, s);
    build_fields(this, model, fields, s);
}

} // namespace qvk::shell
