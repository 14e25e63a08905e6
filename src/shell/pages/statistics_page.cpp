#include "shell/pages/statistics_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

namespace qvk::shell {

StatisticsPage::StatisticsPage(double, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stat"));
}

} // namespace qvk::shell
