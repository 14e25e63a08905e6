#include "shell/application.h"
#include "model/model.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QIcon>
#include <QPalette>
#include <QToolTip>
#include <QTranslator>

namespace qvk::shell {

void setup_application(QApplication& app)
{
    // No display name besides: on X11 the toolkit appends one to every window
    // title ("QVkalkor - v2.4.1 — QVkalkor").
    QApplication::setApplicationName(kAppTitle);
    // Lets the desktop match the window with its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(QVK_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/mainicon.svg")));
    // The toolkit's own dialogs (save dialog, overwrite question) in Czech.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
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
