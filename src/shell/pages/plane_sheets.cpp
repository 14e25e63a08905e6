#include "shell/pages/plane_sheets.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <vector>

namespace qvk::shell {

namespace {

// One quantity on a sheet: caption, field and the unit mark after it, on a
// grid of three columns. The items are listed in tab order.
struct Slot {
    const char* field;
    int col;
    int row;
    const char* unit = "";      // "°" or "²"
    const char* label = nullptr; // a caption that is a field of its own
    const char* label_hint = "";
};

struct SheetDef {
    const char* name;
    std::vector<Slot> items;
};

constexpr const char* kDeg = "°";
constexpr const char* kSq = "²";

const std::vector<SheetDef>& sheets()
{
    static const std::vector<SheetDef> defs = {
        {"trojuhelnik_p_desk",
         {{"tp_a", 0, 0}, {"tp_b", 0, 1}, {"tp_c", 0, 2}, {"tp_vc", 1, 0}, {"tp_alfa", 1, 1, kDeg},
          {"tp_beta", 1, 2, kDeg}, {"tp_obvod", 2, 0}, {"tp_obsah", 2, 1, kSq}}},
        {"trojuhelnik_desk",
         {{"troj_a", 0, 0}, {"troj_b", 0, 1}, {"troj_c", 0, 2}, {"troj_va", 1, 0}, {"troj_vb", 1, 1},
          {"troj_vc", 1, 2}, {"troj_alfa", 2, 0, kDeg}, {"troj_beta", 2, 1, kDeg}, {"troj_gama", 2, 2, kDeg},
          {"troj_obvod", 0, 3}, {"troj_obsah", 1, 3, kSq}}},
        {"ctverec_desk", {{"ctv_a", 0, 0}, {"ctv_u", 0, 1}, {"ctv_o", 1, 0}, {"ctv_s", 1, 1, kSq}}},
        {"obdelnik_desk",
         {{"obd_a", 0, 0}, {"obd_b", 0, 1}, {"obd_u", 0, 2}, {"obd_o", 1, 0}, {"obd_s", 1, 1, kSq}}},
        {"rovnobeznik_desk",
         {{"rov_a", 0, 0}, {"rov_b", 0, 1}, {"rov_va", 1, 0}, {"rov_vb", 1, 1}, {"rov_alfa", 2, 0, kDeg},
          {"rov_beta", 2, 1, kDeg}, {"rov_obvod", 0, 2}, {"rov_obsah", 1, 2, kSq}}},
        {"lichobeznik_desk",
         {{"lic_a", 0, 0}, {"lic_b", 0, 1}, {"lic_c", 0, 2}, {"lic_d", 0, 3}, {"lic_alfa", 1, 0, kDeg},
          {"lic_beta", 1, 1, kDeg}, {"lic_gama", 1, 2, kDeg}, {"lic_delta", 1, 3, kDeg}, {"lic_v", 2, 0},
          {"lic_s", 2, 1}, {"lic_obvod", 2, 2}, {"lic_obsah", 2, 3, kSq}}},
        {"n_uhelnik_desk",
         {{"uhe_n", 0, 0}, {"uhe_a", 0, 1}, {"uhe_r", 0, 2}, {"uhe_p", 1, 0}, {"uhe_o", 1, 1},
          {"uhe_s", 1, 2, kSq}, {"uhe_uhel", 2, 0, kDeg}}},
        {"kruh_desk",
         {{"kru_r", 0, 0}, {"kru_alfa", 0, 1, kDeg, nullptr, "průměr"}, {"kru_o", 0, 2, "", "kru_oa"},
          {"kru_s", 0, 3, kSq}}},
    };
    return defs;
}

// Design pixels of the grid.
constexpr int kLeft = 6, kColumn = 122, kCaption = 40, kField = 66, kUnit = 12, kTop = 6, kRow = 26;

void add_slot(QWidget* sheet, const WindowModel& model, const Slot& slot, double s)
{
    const int x = kLeft + slot.col * kColumn;
    const int y = kTop + slot.row * kRow;
    QLabel* caption = slot.label ? make<QLabel>(sheet, slot.label)
                                 : text_label(sheet, model.field(QString::fromUtf8(slot.field)).caption);
    if (*slot.label_hint)
        caption->setToolTip(QString::fromUtf8(slot.label_hint));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(caption, x, y, kCaption - 4, 22, s);
    auto* edit = make<QLineEdit>(sheet, slot.field);
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
    for (const SheetDef& def : sheets()) {
        if (objectName() != QLatin1String(def.name))
            continue;
        for (const Slot& slot : def.items)
            add_slot(this, model, slot, s);
    }
    if (objectName() == u"trojuhelnik_desk") {
        // Never shown; the solver always takes the acute solution.
        place(make<QCheckBox>(this, "troj_tup"), kLeft + 2 * kColumn, kTop + 3 * kRow, kColumn - 6, 22, s);
    } else if (objectName() == u"kruh_desk") {
        place(make<QRadioButton>(this, "kru_kru_vys"), kLeft + kColumn + 16, kTop, 140, 22, s);
        place(make<QRadioButton>(this, "kru_usec"), kLeft + kColumn + 16, kTop + kRow, 140, 22, s);
    }
}

} // namespace qvk::shell
