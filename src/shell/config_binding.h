#pragma once
// Connects the configuration store to the main window: the start-up clean-up,
// the first activation, the "Aplikace" menu and the save at exit.
#include "app/config/configuration.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace qvk::shell {

class Thlavni;
class Tnastaveni;

class ConfigBinding : public QObject, public config::WindowPlatform {
    Q_OBJECT
public:
    using Restart = std::function<void()>;

    // Runs the legacy clean-up in the program folder and reads the mode from
    // the marker file. `restart` starts the program again (replaceable for
    // tests); `displaySize` is the size, in per cent, the window was built with.
    ConfigBinding(Thlavni& window, config::Locations locations, Restart restart = {}, int displaySize = 100);

    config::Configuration& configuration() { return *configuration_; }

    QSize screenSize() const override;
    QSize windowSize() const override;
    QPoint windowPosition() const override;
    void moveWindow(QPoint topLeft) override;
    void restartProgram() override;
    void endInstance() override;
    int displaySizeShown() const override { return displaySize_; }

private:
    Thlavni& window_;
    Restart restart_;
    int displaySize_;
    QPointer<Tnastaveni> settings_; // once built
    std::unique_ptr<config::Configuration> configuration_;
};

} // namespace qvk::shell
