#include "shell/pages/primes_page.h"
#include "numbers/primes.h"
#include "shell/geometry.h"
#include "shell/pages/fields.h"
#include "shell/widgets.h"

#include <QLabel>

namespace qvk::shell {

PrimesPage::PrimesPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    place(text_label(this, QStringLiteral("Výpis")), 6, 36, 34, 20, s);
    build_fields(this, m, numbers::primes_fields(), s);
}

} // namespace qvk::shell
