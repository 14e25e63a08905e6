#include "shell/pages/numbers_page.h"
#include "shell/pages/angles_page.h"
#include "shell/pages/bases_page.h"
#include "shell/pages/divisors_page.h"
#include "shell/pages/fractions_page.h"
#include "shell/pages/inner_pages.h"
#include "shell/pages/primes_page.h"

namespace qvk::shell {

NumbersPage::NumbersPage(const WindowModel& model, double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("cisla"));
    fill_button_pages(this, model, "cisla1", [s](const QString& name) -> QWidget* {
        if (name == u"pc")
            return new PrimesPage(s);
        if (name == u"TabSheet1")
            return new BasesPage(s);
        if (name == u"zlm")
            return new FractionsPage(s);
        if (name == u"nsnnsd")
            return new DivisorsPage(s);
        if (name == u"uhly")
            return new AnglesPage(s);
        return nullptr;
    });
}

} // namespace qvk::shell
