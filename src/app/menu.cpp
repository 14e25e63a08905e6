#include "app/menu.h"

namespace qvk::app {

void declare_menu(WindowModel&) {}
void register_menu(Registry&) {}

} // namespace qvk::app
