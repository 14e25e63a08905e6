#include "shell/pages/divisors_page.h"
#include "numbers/divisors.h"
#include "shell/pages/fields.h"

namespace qvk::shell {

DivisorsPage::DivisorsPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    build_fields(this, m, numbers::divisors_fields(), s);
}

} // namespace qvk::shell
