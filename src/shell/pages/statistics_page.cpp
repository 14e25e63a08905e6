#include "shell/pages/statistics_page.h"
#include "shell/pages/fields.h"
#include "statistics/statistics.h"

#include <QPlainTextEdit>

namespace qvk::shell {

StatisticsPage::StatisticsPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    build_fields(this, m, statistics::statistics_fields(), s);
    // Long numbers scroll sideways too.
    findChild<QPlainTextEdit*>()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

} // namespace qvk::shell
