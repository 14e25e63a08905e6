#pragma once
// A page emptied by its clear button or by "Vymaž pole" (Ctrl+X) comes back
// whole with "Obnov pole" (Ctrl+Z), until something is typed or computed.
#include "model/model.h"
#include "model/registry.h"

namespace qvk::app {

// The menu item that restores the page; enabled while the page on show can be restored.
inline constexpr char kRestoreItem[] = "Obnovpole1";

// Makes every clear handler in `registry` keep what it empties, and adds
// "Obnovpole1Click". Call once the pages have registered their handlers.
void keep_cleared_pages(WindowModel& model, Registry& registry);

} // namespace qvk::app
