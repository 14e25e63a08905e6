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

// The display sizes offered, in per cent; the first is the plain size.
inline constexpr int kDisplaySizes[] = {100, 125, 150, 200};
// `percent` when it is offered, otherwise the plain size.
int valid_display_size(int percent);
// The display size kept in the configuration file of the mode the marker
// file selects; read before the windows are built.
int stored_display_size(const Locations& locations);

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
    // The display size, in per cent, the window was built with.
    virtual int displaySizeShown() const { return kDisplaySizes[0]; }
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

    // The display size chosen, in per cent; kept in the file.
    int displaySize() const { return displaySize_; }
    // The settings dialog's choice: a size other than the one on show needs
    // a new start, offered at once, with the configuration saved first.
    void choose_display_size(int percent);

    // Whether the "Postup" panel is on show; kept in the file, hidden when
    // the file does not say.
    bool postupShown() const { return postupShown_; }
    void setPostupShown(bool shown) { postupShown_ = shown; }

private:
    WindowModel& model_;
    const Registry& registry_;
    WindowPlatform& platform_;
    Locations locations_;
    Clock clock_;
    bool multiUser_ = false;
    bool activated_ = false;
    int displaySize_ = kDisplaySizes[0];
    bool postupShown_ = false;
};

// At window creation: an old installation's files beside the program are
// migrated ("kalkor.ini" renamed) or removed; every failure is ignored.
void legacy_cleanup(const QString& programFolder);

// Starts this program's file once more, without waiting (for a platform's
// restartProgram).
bool start_program_again();

} // namespace qvk::config
