#include "app/menu.h"
#include "app/calculators.h"
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
    // The window's own panel: a button field, so the batch answers list no value for it.
    item(m, "zobraz_postup", "Postup");
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
    item(m, "Obnovpole1", "Obnov pole");
}

void napovedaClick(WindowModel& m) { m.effect(Effect::help(QStringLiteral("index"))); }

void akt_napClick(WindowModel& m)
{
    if (const std::optional<QString> anchor = help_anchor(m))
        m.effect(Effect::help(QStringLiteral("vypocet.htm#") + *anchor));
}

void Kalkulakawin1Click(WindowModel& m) { m.effect(Effect::startCalculator()); }

QString clear_handler_for_current_page(const WindowModel& m)
{
    const Page* page = page_on_show(m);
    if (!page)
        return {};
    // On a sheet of a selector frame the frame's clear button serves.
    const Page* holder = holder_of(*page);
    const char* button = holder && holder->frame ? holder->frame->clear : page->clear;
    return button ? QString::fromLatin1(button) + QStringLiteral("Click") : QString();
}

void close_request(WindowModel& m)
{
    for (const Page& p : page_table())
        if (p.stop)
            m.stop(QString::fromLatin1(p.stop)) = true;
}

void register_menu(Registry& r)
{
    r.add(QStringLiteral("napovedaClick"), napovedaClick);
    r.add(QStringLiteral("akt_napClick"), akt_napClick);
    r.add(QStringLiteral("Kalkulakawin1Click"), Kalkulakawin1Click);
    // The clear handlers come with their pages; look them up when the key is
    // pressed. A page without a clear button has nothing to clear.
    r.add(QStringLiteral("Vymapole1Click"), [&r](WindowModel& m) {
        if (const QString clear = clear_handler_for_current_page(m); !clear.isEmpty())
            run_required(m, r, clear);
    });
}

} // namespace qvk::app
