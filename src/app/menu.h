#pragma once
// The main window's menu commands that run on the model (help topics, the
// desktop calculator, clearing the current page).
#include "model/model.h"
#include "model/registry.h"

namespace qvk::app {

void declare_menu(WindowModel& model);
void register_menu(Registry& registry);

// "Témata nápovědy", "Aktuální výpočet", "Kalkulačka".
void napovedaClick(WindowModel& model);
void akt_napClick(WindowModel& model);
void Kalkulakawin1Click(WindowModel& model);

// The clear handler that "Vymaž pole" runs on the page on show, or empty.
QString clear_handler_for_current_page(const WindowModel& model);

// The main window is asked to close: running long loops end at their next step.
void close_request(WindowModel& model);

} // namespace qvk::app
