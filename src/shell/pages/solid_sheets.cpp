#include "shell/pages/solid_sheets.h"
#include "app/calculators.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>

namespace qvk::shell {

namespace {

// Square and cubic units beside the surface and the volume.
QString unit_power(const QString& caption)
{
    if (caption.startsWith(u'S'))
        return QStringLiteral("2");
    if (caption.startsWith(u'V'))
        return QStringLiteral("3");
    return {};
}

} // namespace

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

    // The given quantities on the left, the derived ones on the right.
    const int count = static_cast<int>(solid.fields.size());
    const int rows = (count + 1) / 2;
    constexpr int kColumn = 118, kPitch = 28;
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(solid.fields[static_cast<std::size_t>(i)].name);
        const QString caption = model.field(name).caption;
        const int x = 8 + (i / rows) * kColumn;
        const int y = top + (i % rows) * kPitch;
        QLabel* label = text_label(this, caption);
        place(label, x, y + 2, 28, 20, s);
        auto* edit = make<QLineEdit>(this, name.toUtf8().constData());
        label->setBuddy(edit);
        place(edit, x + 28, y, 76, 22, s);
        const QString power = unit_power(caption);
        if (!power.isEmpty())
            place(text_label(this, QStringLiteral("<sup>%1</sup>").arg(power)), x + 106, y, 10, 14, s);
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
