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

#include <QMainWindow>

class QTabWidget;

namespace qvk::shell {

class GraphWindow;
class HelpWindow;
class TOprog;
class Tnastaveni;
class Tvypis_reseni;

class Thlavni : public QMainWindow {
    Q_OBJECT
public:
    Thlavni(WindowModel& model, const Registry& registry, QWidget* parent = nullptr);
    ~Thlavni() override;

    WindowModel& model() const { return model_; }
    const Registry& registry() const { return registry_; }
    Binding& binding() { return binding_; }
    GuiHost& host() { return host_; }
    double scale() const { return scale_; }
    const MainMenu& mainMenu() const { return menu_; }

    Tvypis_reseni* listingWindow() const { return listing_; }
    Tnastaveni* settingsDialog() const { return settings_; }
    TOprog* aboutBox() const { return about_; }
    HelpWindow* helpWindow() const { return help_; }
    GraphWindow* graphWindow() const { return graph_; }
    QAction* graphAction() const { return graphAction_; }
    // Opens the graph of the page on show, when it has one.
    void showGraph();

    // The desktop work area, read when the window was created.
    EdgeRect workArea() const { return workArea_; }

    // Runs the effects the model asks for: help topics, program starts, the listing.
    void runEffect(const QString& what);
    // How "Kalkulačka" finds and starts programs (replaceable for tests).
    void setProgramStarter(ProgramFinder find, ProgramStarter start);

signals:
    // Hooks of the configuration layer.
    void firstActivated();             // once, at the first activation
    void applicationMenuAboutToShow(); // before "Aplikace" opens
    // uloz_konf, delete_konf, moreuser_on, moreuser_off (the binding also fires "<item>Click")
    void configurationCommand(const QString& item);
    void destroying();                 // when the window goes, before anything is torn down

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void activateFirstTime();

    WindowModel& model_;
    const Registry& registry_;
    GuiHost host_;
    Binding binding_;
    double scale_ = 1.0;
    EdgeRect workArea_;
    MainMenu menu_;
    QTabWidget* druh_ = nullptr;
    Tvypis_reseni* listing_ = nullptr;
    Tnastaveni* settings_ = nullptr;
    TOprog* about_ = nullptr;
    HelpWindow* help_ = nullptr;
    GraphWindow* graph_ = nullptr;
    QAction* graphAction_ = nullptr;
    unsigned errorsSeen_ = 0;
    // The graph of the last good solve, kept while the window is closed.
    std::optional<equations::GraphScene> lastGood_;
    bool lastFailed_ = false;
    bool graphShown_ = false;
    bool graphPage() const;
    void followSolve(const QString& event);
    ProgramFinder find_ = find_on_path;
    ProgramStarter start_ = start_detached;
    bool activated_ = false;
    bool snapping_ = false;
};

} // namespace qvk::shell
