#pragma once
// The page tree of the main window: page sets, their pages and the help
// anchors of the calculators.
#include "model/model.h"
#include "model/registry.h"

#include <optional>

namespace qvk::app {

void declare_navigation(WindowModel& model);
void register_navigation(Registry& registry);

// Top pages of `druh`.
enum TopPage { PageEquations = 0, PageNumbers = 1, PageStatistics = 2, PagePlane = 3, PageSolids = 4 };

// The solid selector lists cylinder and cone the other way round than the
// page set: every conversion goes through these two (-1 outside the table).
int solid_page_for_item(int item);
int solid_item_for_page(int page);

// Picture names of the plane sheets and the solid pages by page index (empty outside).
QString plane_picture(int page);
QString solid_picture(int page);

// The help anchor of the page on show, or none for an index outside the tables.
std::optional<QString> help_anchor(const WindowModel& model);

// Shows a page as the configuration does at start: sets `druh` and the inner
// page set; for plane figures and solids sets the selector to the item that
// shows the page and runs the selector's change handler.
void show_page(WindowModel& model, const Registry& registry, int top, int inner);

// Selector changes: show the chosen sheet and its picture. The geometry pages
// extend these (they are the handlers d2_vyberChange and d3_vyberChange).
void d2_vyberChange(WindowModel& model);
void d3_vyberChange(WindowModel& model);

} // namespace qvk::app
