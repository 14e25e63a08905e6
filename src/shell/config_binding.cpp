#include "shell/config_binding.h"
#include "shell/settings_dialog.h"
#include "shell/thlavni.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>


namespace qvk::shell {

namespace {

struct Command {
    const char* item;
    void (config::Configuration::*run)();
};
constexpr Command kCommands[] = {
    {"uloz_konf", &config::Configuration::save_configuration},
    {"delete_konf", &config::Configuration::delete_configuration},
    {"moreuser_on", &config::Configuration::multi_user_on},
    {"moreuser_off", &config::Configuration::multi_user_off},
};

} // namespace

ConfigBinding::ConfigBinding(Thlavni& window, config::Locations locations, Restart restart, int displaySize)
    : QObject(&window), window_(window), restart_(std::move(restart)), displaySize_(displaySize)
{
    if (!restart_)
        restart_ = [] { config::start_program_again(); };
    config::legacy_cleanup(locations.programFolder);
    configuration_ = std::make_unique<config::Configuration>(window.model(), window.registry(), *this,
                                                             std::move(locations));
    config::Configuration& c = *configuration_;
    // The settings dialog is built when first opened: it shows the size kept then.
    connect(&window, &Thlavni::settingsDialogBuilt, this, [this, &c](Tnastaveni* settings) {
        settings_ = settings;
        settings->setDisplaySize(c.displaySize());
        connect(settings, &Tnastaveni::displaySizeChosen, this, [&c](int size) { c.choose_display_size(size); });
    });
    connect(&window, &Thlavni::firstActivated, this, [this, &c] {
        c.load_configuration();
        if (settings_)
            settings_->setDisplaySize(c.displaySize());
        if (c.postupShown())
            window_.setPostupShown(true);
    });
    connect(&window, &Thlavni::postupShownChanged, this, [&c](bool shown) { c.setPostupShown(shown); });
    connect(&window, &Thlavni::applicationMenuAboutToShow, this, [&c] { c.prepare_menu(); });
    for (const Command& command : kCommands)
        window.addCommand(QString::fromLatin1(command.item), [&c, run = command.run] { (c.*run)(); });
    connect(&window, &Thlavni::destroying, this, [&c] { c.save_at_exit(); });
    // The check item "saveconf_end" needs nothing here: the binding already
    // turns its check mark over in the model.
}

QSize ConfigBinding::screenSize() const
{
    const QScreen* s = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize();
}

QSize ConfigBinding::windowSize() const { return window_.frameGeometry().size(); }

QPoint ConfigBinding::windowPosition() const { return window_.placedPosition(); }

void ConfigBinding::moveWindow(QPoint topLeft) { window_.place(topLeft); }

void ConfigBinding::restartProgram() { restart_(); }

void ConfigBinding::endInstance() { window_.close(); }

} // namespace qvk::shell
