#include "app/menu.h"
#include "app/navigation.h"
#include "model/declare.h"

namespace qvk::app {

namespace {

void item(WindowModel& m, const char* name, const char* caption, unsigned reported = PropNone)
{
    declare::button(m, name, caption, "", true, reported);
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
    declare::check(m, "saveconf_end", "Ukládat konfiguraci při ukončení", true);
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

void napovedaClick(WindowModel& m) { m.effect(QStringLiteral("help:index")); }

void akt_napClick(WindowModel& m)
{
    if (const std::optional<QString> anchor = help_anchor(m))
        m.effect(QStringLiteral("help:vypocet.htm#") + *anchor);
}

void Kalkulakawin1Click(WindowModel& m) { m.effect(QStringLiteral("start:calc")); }

QString clear_handler_for_current_page(const WindowModel& m)
{
    switch (m.index(QStringLiteral("druh"))) {
    case PagePlane: return QStringLiteral("vymaz_2dClick");
    case PageSolids: return QStringLiteral("vymaz_3dClick");
    case PageStatistics: return QStringLiteral("vymaz_statClick");
    case PageNumbers:
        if (m.index(QStringLiteral("cisla1")) == 4)
            return QStringLiteral("uhly_vymazClick");
        return {};
    default: return {};
    }
}

void close_request(WindowModel& m)
{
    m.stop().primes = true;
    m.stop().statistics = true;
}

void register_menu(Registry& r)
{
    r.add(QStringLiteral("napovedaClick"), napovedaClick);
    r.add(QStringLiteral("akt_napClick"), akt_napClick);
    r.add(QStringLiteral("Kalkulakawin1Click"), Kalkulakawin1Click);
    // The clear handlers come with their pages; look them up when the key is pressed.
    r.add(QStringLiteral("Vymapole1Click"), [&r](WindowModel& m) {
        const QString event = clear_handler_for_current_page(m);
        if (event.isEmpty())
            return;
        if (const Handler* h = r.find(event))
            (*h)(m);
    });
}

} // namespace qvk::app
