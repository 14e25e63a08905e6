#include "shell/main_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace qvk::shell {

namespace {

QMenu* submenu(QWidget* parent, MainMenu& m, const char* name, const char* title)
{
    auto* menu = new QMenu(QString::fromUtf8(title), parent);
    menu->setObjectName(QString::fromUtf8(name) + QStringLiteral("_menu"));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    m.actions.append(menu->menuAction());
    return menu;
}

QAction* item(QMainWindow* window, QMenu* menu, MainMenu& m, const char* name, const char* text,
              const QKeySequence& key = {})
{
    auto* a = new QAction(QString::fromUtf8(text), window);
    a->setObjectName(QString::fromUtf8(name));
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a);
        m.shortcuts.append(key);
    }
    menu->addAction(a);
    m.actions.append(a);
    return a;
}

void separator(QMenu* menu, MainMenu& m, const char* name)
{
    QAction* a = menu->addSeparator();
    a->setObjectName(QString::fromUtf8(name));
    m.actions.append(a);
}

} // namespace

MainMenu build_main_menu(QMainWindow* window)
{
    MainMenu m;
    QMenuBar* bar = window->menuBar();
    bar->setNativeMenuBar(false);

    m.application = submenu(window, m, "Aplikace1", "Aplikace");
    item(window, m.application, m, "Kalkulakawin1", "Kalkulačka", QKeySequence(Qt::CTRL | Qt::Key_K));
    item(window, m.application, m, "zobraz_postup", "Postup", QKeySequence(Qt::CTRL | Qt::Key_P))->setCheckable(true);
    separator(m.application, m, "N2");
    item(window, m.application, m, "nastav", "Nastavení ...", QKeySequence(Qt::CTRL | Qt::Key_N));
    m.more = submenu(window, m, "Dal1", "Další nastavení");
    m.application->addMenu(m.more);
    item(window, m.more, m, "delete_konf", "Odstranit konfiguraci ...");
    QAction* save = item(window, m.more, m, "saveconf_end", "Ukládat konfiguraci při ukončení");
    save->setCheckable(true);
    save->setChecked(true);
    separator(m.more, m, "N3");
    item(window, m.more, m, "moreuser_on", "Zapnout víceuživatelský režim ...");
    item(window, m.more, m, "moreuser_off", "Vypnout víceuživatelský režim ...");
    item(window, m.application, m, "uloz_konf", "Uložit konfiguraci");
    separator(m.application, m, "N1");
    item(window, m.application, m, "Konec1", "Konec");
    bar->addMenu(m.application);

    m.help = submenu(window, m, "Npovda1", "Nápověda");
    item(window, m.help, m, "napoveda", "Témata nápovědy", QKeySequence(Qt::Key_F1));
    item(window, m.help, m, "akt_nap", "Aktuální výpočet", QKeySequence(Qt::Key_F2));
    item(window, m.help, m, "oprog_button", "O programu QVkalkor");
    bar->addMenu(m.help);

    m.secret = submenu(window, m, "Secret", "007");
    item(window, m.secret, m, "Vymapole1", "Vymaž pole", QKeySequence(Qt::CTRL | Qt::Key_X));
    item(window, m.secret, m, "Obnovpole1", "Obnov pole", QKeySequence(Qt::CTRL | Qt::Key_Z));
    bar->addMenu(m.secret);
    m.secret->menuAction()->setVisible(false);
    return m;
}

} // namespace qvk::shell
