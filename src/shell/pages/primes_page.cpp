#include "shell/pages/primes_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

namespace qvk::shell {

PrimesPage::PrimesPage(double, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pc"));
}

} // namespace qvk::shell
