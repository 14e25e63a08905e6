#include "shell/application.h"
#include "model/model.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

namespace qvk::shell {

void setup_application(QApplication& app)
{
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationDisplayName(kAppTitle);
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(255, 255, 0));
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);
    // Read-only result fields are drawn in the system's tooltip colour.
    QPalette p = app.palette();
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, Qt::black);
    app.setPalette(p);
}

} // namespace qvk::shell
