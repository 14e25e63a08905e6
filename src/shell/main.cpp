// QVkalkor: the desktop program.
#include "app/assembly.h"
#include "shell/application.h"
#include "shell/config_binding.h"
#include "shell/display_size.h"
#include "shell/thlavni.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    auto where = qvk::config::Locations::forProgram(qvk::config::with_separator(QCoreApplication::applicationDirPath()));
    // Before any window, which takes its size from the font. A size too large
    // for this screen starts smaller; the stored choice stays as it is.
    const int size = qvk::shell::fitting_display_size(qvk::config::stored_display_size(where));
    qvk::shell::apply_display_size(app, size);
    qvk::shell::setup_application(app);
    qvk::WindowModel model;
    qvk::Registry registry;
    qvk::app::assemble(model, registry);
    qvk::shell::Thlavni window(model, registry);
    // Owned by the window, so that it still saves while the window goes.
    new qvk::shell::ConfigBinding(window, std::move(where), {}, size);
    window.show();
    return app.exec();
}
