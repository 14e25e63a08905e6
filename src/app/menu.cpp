#include "app/menu.h"

namespace qvk::app {

namespace {

void item(WindowModel& m, const char* name, const char* caption, unsigned reported = PropNone)
{
    Field f;
    f.name = QString::fromUtf8(name);
    f.kind = Kind::Button;
    f.caption = QString::fromUtf8(caption);
    f.reported = reported;
    m.add(f);
}

} // namespace

void declare_menu(WindowModel& m)
{
    item(m, "Aplikace1", "Aplikace");
    item(m, "Kalkulakawin1", "Kalkulačka");
    item(m, "N2", "-");
    item(m, "nastav", "Nastavení ...");
    item(m, "Dal1", "Další nastavení");
    item(m, "delete_konf", "Odstranit konfiguraci ...", PropVisible);
    Field save;
    save.name = QStringLiteral("saveconf_end");
    save.kind = Kind::Check;
    save.caption = QStringLiteral("Ukládat konfiguraci při ukončení");
    save.value = 1;
    m.add(save);
    item(m, "N3", "-", PropVisible);
    item(m, "moreuser_on", "Zapnout víceuživatelský režim ...", PropVisible);
    item(m, "moreuser_off", "Vypnout víceuživatelský režim ...", PropVisible);
    item(m, "uloz_konf", "Uložit konfiguraci", PropVisible);
    item(m, "N1", "-");
    item(m, "Konec1", "Konec");
    item(m, "Npovda1", "Nápověda");
    item(m, "napoveda", "Témata nápovědy");
    item(m, "akt_nap", "Aktuální výpočet");
    item(m, "oprog_button", "O programu QVkalkor");
    item(m, "Secret", "007");
    m.setVisible(QStringLiteral("Secret"), false);
    item(m, "Vymapole1", "Vymaž pole");
}

void register_menu(Registry&) {}

} // namespace qvk::app
