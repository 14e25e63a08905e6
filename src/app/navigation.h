#pragma once
// The page tree of the main window, built from the calculator table: page
// sets, selectors, help anchors and showing a page.
#include "model/model.h"
#include "model/registry.h"

#include <optional>

namespace qvk::app {

void declare_navigation(WindowModel& model);
void register_navigation(Registry& registry);

// Top pages of `druh`.
enum TopPage { PageEquations = 0, PageNumbers = 1, PageStatistics = 2, PagePlane = 3, PageSolids = 4 };

// The help anchor of the page on show, or none for an index outside the tables.
std::optional<QString> help_anchor(const WindowModel& model);

// Shows a page as the configuration does at start: sets `druh` and the inner
// page set; for a selector frame `inner` is the sheet's page index: the
// selector is set to the item that shows it and its change handler runs.
void show_page(WindowModel& model, const Registry& registry, int top, int inner);
// Shows the page of that widget name, wherever it sits.
void show_page(WindowModel& model, const Registry& registry, const QString& page);

} // namespace qvk::app
