#include "shell/pages/figure_pages.h"
#include "shell/binding.h"
#include "shell/geometry.h"
#include "shell/pages/inner_pages.h"
#include "shell/pages/solid_sheets.h"
#include "shell/widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace qvk::shell {

namespace {

struct FrameNames {
    const char* selector;
    const char* icon;
    const char* clear;
    const char* compute;
    const char* sheets;
};

QTabWidget* build_frame(QWidget* page, const WindowModel& model, double s, const FrameNames& n,
                        const std::function<QWidget*(const QString&)>& sheet = nullptr)
{
    place(make<QComboBox>(page, n.selector), 6, 8, 168, 22, s);
    auto* icon = make<QLabel>(page, n.icon);
    icon->setProperty(Binding::kPictureProperty, true);
    icon->setAlignment(Qt::AlignCenter);
    place(icon, 182, 3, 33, 33, s);

    // Their fields come with the figure solvers; until then they only carry
    // their look.
    auto* clear = make<QPushButton>(page, n.clear);
    clear->setIcon(picture(QStringLiteral("novy")));
    set_accessible(clear, QStringLiteral("Vymazat"), QStringLiteral("Vymaže všechna vstupní pole"));
    place(clear, 228, 6, 30, 26, s);
    clear->setIconSize(clear->size() * 2 / 3);
    auto* compute = make<QPushButton>(page, n.compute);
    compute->setText(QStringLiteral("&Vypočti"));
    compute->setIcon(picture(QStringLiteral("vypocti")));
    set_accessible(compute, compute->text(), QStringLiteral("Provede zadaný výpočet"));
    place(compute, 264, 6, 96, 26, s);

    auto* sheets = hidden_pages(page, n.sheets);
    add_pages(sheets, model, sheet);
    place(sheets, 0, 38, kClientWidth - 6, kClientHeight - 38 - 48, s);
    return sheets;
}

} // namespace

PlanePage::PlanePage(const WindowModel& model, double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("d2"));
    sheets_ = build_frame(this, model, s, {"d2_vyber", "d2_ikona", "vymaz_2d", "vyres_d2", "d2_page"});
}

SolidPage::SolidPage(const WindowModel& model, double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("d3"));
    sheets_ = build_frame(this, model, s, {"d3_vyber", "d3_ikona", "vymaz_3d", "vyres_d3", "d3_page"},
                          [&model, s](const QString& page) { return make_solid_sheet(model, page, s); });
}

} // namespace qvk::shell
