// QVkalkor: the desktop program.
#include "app/assembly.h"
#include "shell/application.h"
#include "shell/config_binding.h"
#include "shell/thlavni.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qvk::shell::setup_application(app);
    qvk::WindowModel model;
    qvk::Registry registry;
    qvk::app::assemble(model, registry);
    qvk::shell::Thlavni window(model, registry);
    // Owned by the window, so that it still saves while the window goes.
    new qvk::shell::ConfigBinding(
        window, qvk::config::Locations::forProgram(qvk::config::with_separator(QCoreApplication::applicationDirPath())));
    window.show();
    return app.exec();
}
