#pragma once
// The main window: the page tree of all calculators, the menu and the
// secondary windows.
#include "equations/graph.h"
#include "model/model.h"
#include "model/registry.h"
#include "shell/binding.h"
#include "shell/desktop.h"
#include "shell/gui_host.h"
#include "shell/main_menu.h"
#include "shell/snap.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <optional>

class QTabWidget;

namespace qvk::shell {

class GraphWindow;
class HelpWindow;
class PostupView;
class SketchThumbnails;
class SketchWindow;
class TOprog;
class Tnastaveni;
class Tvypis_reseni;

class Thlavni : public QMainWindow {
    Q_OBJECT
public:
    // The window registers its own commands in `registry` and takes them out
    // again when it goes: the registry outlives the window.
    Thlavni(WindowModel& model, Registry& registry, QWidget* parent = nullptr);
    ~Thlavni() override;

    WindowModel& model() const { return model_; }
    const Registry& registry() const { return registry_; }
    Binding& binding() { return binding_; }
    GuiHost& host() { return host_; }
    double scale() const { return scale_; }
    const MainMenu& mainMenu() const { return menu_; }

    // The secondary windows, each built the first time it is asked for.
    Tvypis_reseni* listingWindow();
    Tnastaveni* settingsDialog();
    TOprog* aboutBox();
    HelpWindow* helpWindow();
    GraphWindow* graphWindow();
    QAction* graphAction() const { return graphAction_; }
    // Opens the graph of the page on show, when it has one.
    void showGraph();
    // The picture of a calculation in its own window ("Obrázek").
    SketchWindow* sketchWindow();
    QAction* sketchAction() const { return sketchAction_; }
    void showSketch();
    SketchThumbnails* thumbnails() const { return thumbnails_; }

    // The "Postup" panel beside the pages: shown, the window is wider by it;
    // hidden, the window is as it was. Built when first shown.
    static constexpr const char* kPostupItem = "zobraz_postup";
    bool postupShown() const;
    void setPostupShown(bool shown);
    PostupView* postupView();

    // The desktop work area, read when the window was created.
    EdgeRect workArea() const { return workArea_; }

    // Moves the window where the program wants it, without snapping it.
    void place(QPoint topLeft);
    // Where the window stands, or is being placed: the window manager
    // reports the program's own move only later.
    QPoint placedPosition() const { return placing_ ? *placing_ : pos(); }

    // Runs the effects the model asks for: help topics, program starts, the
    // listing. A help page that the help does not have is a programming
    // error (std::logic_error), as is an effect outside the set.
    void runEffect(const Effect& what);
    // A command of the shell's own (a dialog, the end, the configuration):
    // the handler of "<item>Click", so that its menu item reaches it as any
    // item or button reaches a calculator. An event that has a handler
    // already is a programming error (std::logic_error).
    void addCommand(const QString& item, std::function<void()> work);
    // How "Kalkulačka" finds and starts programs (replaceable for tests).
    void setProgramStarter(ProgramFinder find, ProgramStarter start);

signals:
    // Hooks of the configuration layer.
    void firstActivated();             // once, at the first activation
    void applicationMenuAboutToShow(); // before "Aplikace" opens
    void destroying();                 // when the window goes, before anything is torn down
    void settingsDialogBuilt(Tnastaveni* dialog); // once, when it is first asked for
    void postupShownChanged(bool shown);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    // A menu key that the focused field keeps (Ctrl+X on selected text, ...).
    bool leftToField(QWidget* focused, const QKeySequence& pressed) const;
    void activateFirstTime();

    WindowModel& model_;
    Registry& registry_;
    GuiHost host_;
    Binding binding_;
    double scale_ = 1.0;
    EdgeRect workArea_;
    MainMenu menu_;
    QWidget* client_ = nullptr; // the pages, and the panel beside them
    QTabWidget* druh_ = nullptr;
    Tvypis_reseni* listing_ = nullptr;
    Tnastaveni* settings_ = nullptr;
    TOprog* about_ = nullptr;
    HelpWindow* help_ = nullptr;
    GraphWindow* graph_ = nullptr;
    QAction* graphAction_ = nullptr;
    SketchWindow* sketch_ = nullptr;
    QAction* sketchAction_ = nullptr;
    SketchThumbnails* thumbnails_ = nullptr;
    QStringList commands_; // the events of addCommand
    unsigned errorsSeen_ = 0;
    // Per page with a graph (quadratic, cubic): the last good solve, kept
    // while the window is closed, and whether the solve after it failed.
    struct PageGraph {
        std::optional<equations::GraphScene> good;
        bool failed = false;
    };
    PageGraph graphs_[2];
    int graphOf_ = -1; // the page whose graph the window holds
    int graphPage() const; // index into graphs_ of the page on show, or -1
    void showGraphOf(int page);
    void followSolve(const QString& event);
    void followPage();
    // The worked solution is made and drawn only while the panel is on show,
    // after the page has painted its results.
    PostupView* postup_ = nullptr;
    QString postupPage_;            // the page whose calculation the model explains
    std::uint64_t postupDrawn_ = 0; // the explanation on show (0: none)
    bool postupPending_ = false;
    void followPostup();
    void drawPostup();
    ProgramFinder find_ = find_on_path;
    ProgramStarter start_ = start_detached;
    bool activated_ = false;
    bool snapping_ = false;
    // A move of the program's own that the window system has not reported yet.
    std::optional<QPoint> placing_;
    QElapsedTimer placingSince_;
};

} // namespace qvk::shell
