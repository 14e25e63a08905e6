#pragma once
// The display size: the whole program enlarged for a projector or for pupils
// who see poorly. It enlarges the application font, so that every window laid
// out by ui_scale() grows with it, and the style's icons and indicators; the
// pictures are drawn from their SVG at the size they get.
#include <QSize>

class QApplication;
class QFont;

namespace qvk::shell {

// `font` enlarged to `percent`.
QFont font_at(const QFont& font, int percent);

// The largest offered size up to `percent` at which the main window, with its
// menu and frame, fits `available` (the plain size when none does).
int fitting_display_size(int percent, const QFont& font, QSize available);
// The same for the primary screen's work area and the application font.
int fitting_display_size(int percent);

// Call once before any window is built.
void apply_display_size(QApplication& app, int percent);
// The display size applied, as a factor (1 for the plain size): for what is
// measured in pixels of its own rather than by the font.
double display_factor();

} // namespace qvk::shell
