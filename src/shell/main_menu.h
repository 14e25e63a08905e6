#pragma once
// The main window's menu: items named after their model fields.
#include <QKeySequence>
#include <QList>

class QAction;
class QMainWindow;
class QMenu;

namespace qvk::shell {

struct MainMenu {
    QMenu* application = nullptr; // "Aplikace"
    QMenu* more = nullptr;        // "Další nastavení"
    QMenu* help = nullptr;        // "Nápověda"
    QMenu* secret = nullptr;      // "007", never shown
    QList<QAction*> actions;      // every item and submenu, named
    QList<QKeySequence> shortcuts;
};

// Builds the menu bar of `window`. Items with a shortcut are also added to
// the window itself, so their keys work while their menu is hidden.
MainMenu build_main_menu(QMainWindow* window);

} // namespace qvk::shell
