#pragma once
// The configuration of the main window: loading it at the first activation,
// saving and deleting it, save at exit, multi-user mode and the items of the
// "Aplikace" menu that manage it. Works on the window model; what only the
// window can do comes through WindowPlatform.
#include "app/config/locations.h"
#include "model/model.h"
#include "model/registry.h"

#include <QDateTime>
#include <QPoint>
#include <QSize>

#include <functional>

namespace qvk::config {

class WindowPlatform {
public:
    virtual ~WindowPlatform() = default;
    virtual QSize screenSize() const = 0; // the whole screen, not the work area
    virtual QSize windowSize() const = 0;
    virtual QPoint windowPosition() const = 0;
    virtual void moveWindow(QPoint topLeft) = 0;
    // Starts the program once more, without waiting for it.
    virtual void restartProgram() = 0;
    // Closes the main window; its destruction saves at exit as usual.
    virtual void endInstance() = 0;
};

class Configuration {
public:
    using Clock = std::function<QDateTime()>;

    // Sets the multi-user flag from the marker file beside the program.
    Configuration(WindowModel& model, const Registry& registry, WindowPlatform& platform, Locations locations,
                  Clock clock = &QDateTime::currentDateTime);

    bool multiUser() const { return multiUser_; }
    bool activated() const { return activated_; }
    const Locations& locations() const { return locations_; }
    QString configuration_path() const;

    // First activation of the main window; later calls do nothing.
    void load_configuration();
    // Menu "Uložit konfiguraci"; silent, also when it fails.
    void save_configuration();
    // Menu "Odstranit konfiguraci ...".
    void delete_configuration();
    // Menu "Ukládat konfiguraci při ukončení".
    void toggle_save_at_exit();
    // Menu "Zapnout / Vypnout víceuživatelský režim ...".
    void multi_user_on();
    void multi_user_off();
    // Each time the "Aplikace" menu opens.
    void prepare_menu();
    // When the main window is destroyed.
    void save_at_exit();

private:
    WindowModel& model_;
    const Registry& registry_;
    WindowPlatform& platform_;
    Locations locations_;
    Clock clock_;
    bool multiUser_ = false;
    bool activated_ = false;
};

// At window creation: an old installation's files beside the program are
// migrated ("kalkor.ini" renamed) or removed; every failure is ignored.
void legacy_cleanup(const QString& programFolder);

// Starts this program's file once more, without waiting (for a platform's
// restartProgram).
bool start_program_again();

} // namespace qvk::config
