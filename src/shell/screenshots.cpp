// Renders every page of the main window to PNG files (offscreen).
#include "app/assembly.h"
#include "shell/application.h"
#include "shell/thlavni.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qvk::shell::setup_application(app);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/screenshots");
    QDir().mkpath(out);
    qvk::WindowModel model;
    qvk::Registry registry;
    qvk::app::assemble(model, registry);
    qvk::shell::Thlavni window(model, registry);
    window.show();
    QApplication::processEvents();
    const bool ok = window.grab().save(QDir(out).filePath(QStringLiteral("rovnice-kr.png")));
    return ok ? 0 : 1;
}
