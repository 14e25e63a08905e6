#pragma once
// GUI tests on the real X11 platform (xcb) under a window manager: what the
// window manager is told about a window, keys typed through the X server as
// a person types them, and the message boxes that turn up.
#include "app/config/locations.h"
#include "model/model.h"
#include "model/registry.h"

#include <QApplication>
#include <QLineEdit>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// Readable texts in the test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace qvk::shell {
class Thlavni;
}

namespace qvk::shell::xcb_test {

// The window's title as the window manager reads it (_NET_WM_NAME); empty
// when the window has no native window or no such property.
// Where a point of a widget is on the screen, as the X server has it.
QPoint on_screen(const QWidget* w, QPoint local);
QString wm_name(const QWidget* window);
// The window manager lists the window among the ones it manages.
bool is_managed(const QWidget* window);
// What the window manager allows to be done with the window
// (_NET_WM_ALLOWED_ACTIONS), as atom names: "_NET_WM_ACTION_MAXIMIZE_HORZ", ...
QStringList allowed_actions(const QWidget* window);
// Top-left corner of the window manager's frame, in screen coordinates.
QPoint frame_position(const QWidget* window);
// Asks the window manager to activate the window, as a click on it would,
// and waits until the toolkit has it active.
bool activate(QWidget* window);
// Types text into the focused window through the X server (XTEST).
void type_text(const QString& text);
// Presses keys through the X server, one xdotool key name or chord each:
// "F2", "Return", "Escape", "ctrl+x", "Tab".
void press(const QStringList& keys);
// Waits until everything sent to the server has come back as events and has
// been handled.
void settle();
// A picture of the whole screen (needs imagemagick's import); for looking at.
bool screenshot(const QString& path);

// Runs `action` once, as soon as the window is visible and managed by the
// window manager, from whatever event loop is running then: for a modal
// dialog, whose exec() returns only when it is answered. Start it before the
// step that opens the dialog.
void whenShown(QWidget* window, std::function<void()> action);
// The same for a window that does not exist yet (a message box made on the
// spot): `find` is asked until it gives a window that is up.
void whenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> action);

// Notes every message box that turns up (its title as the window manager has
// it and its text) and closes it, so a test fails instead of waiting.
class BoxWatch {
public:
    struct Box {
        QString title;   // windowTitle()
        QString wmTitle; // _NET_WM_NAME
        QString text;
    };
    BoxWatch();
    const QList<Box>& seen() const { return seen_; }
    QString describe() const;
    // Leave the next boxes open (for a test that looks at one itself).
    void pause() { timer_.stop(); }
    void resume() { timer_.start(); }

private:
    QList<Box> seen_;
    QTimer timer_;
};

// A fresh program start: the QApplication, set up as the program sets it up,
// for each test, so every test meets the toolkit as a first start does.
class OnX11 : public testing::Test {
protected:
    OnX11();
    ~OnX11() override;

private:
    std::unique_ptr<QApplication> app_;
};

// The program as main() wires it: model, main window and configuration in a
// temporary program folder (user folder from the platform), shown and active.
struct Program {
    struct Options {
        bool configuration = true;
        QString programFolder; // empty: a fresh temporary folder
        std::function<void()> restart = [] {}; // what the configuration's new start does
        int displaySize = 100; // the size the window is built with (applied by the caller)
    };
    Program();
    explicit Program(const Options& options);
    ~Program();

    QTemporaryDir folder;
    config::Locations where;
    WindowModel model;
    Registry registry;
    std::unique_ptr<Thlavni> window;
    BoxWatch boxes;

    template <typename W = QWidget>
    W* find(const char* name) const;
    // Clicks the widget's centre through the X server.
    void click(QWidget* w) const;
    // Replaces the text of an edit field as a user does.
    void retype(const char* name, const QString& text) const;
};

// The text fits in the room QLineEdit leaves it, in the font it is drawn in.
bool fits(const QLineEdit* e);

} // namespace qvk::shell::xcb_test

#include "shell/pages/page_classes.h"
#include "shell/thlavni.h"

template <typename W>
W* qvk::shell::xcb_test::Program::find(const char* name) const
{
    W* w = window->findChild<W*>(QString::fromUtf8(name));
    if (!w) { // on a page not chosen yet
        build_all_pages(window.get());
        w = window->findChild<W*>(QString::fromUtf8(name));
    }
    EXPECT_NE(w, nullptr) << name;
    return w;
}
