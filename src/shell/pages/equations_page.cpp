#include "shell/pages/equations_page.h"
#include "shell/pages/cubic_page.h"
#include "shell/pages/inner_pages.h"
#include "shell/pages/quadratic_page.h"
#include "shell/pages/system_page.h"

namespace qvk::shell {

EquationsPage::EquationsPage(const WindowModel& model, double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("rov"));
    fill_button_pages(this, model, "rov1", [s](const QString& name) -> QWidget* {
        if (name == u"kr")
            return new QuadraticPage(s);
        if (name == u"kub")
            return new CubicPage(s);
        if (name == u"sr")
            return new SystemPage(s);
        return nullptr;
    });
}

} // namespace qvk::shell
