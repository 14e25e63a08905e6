#pragma once
// Pages are laid out in design pixels of a 13-pixel UI font and scaled by
// the real font's line height, so that every page fits with any default font.
#include "model/model.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace qvk::shell {

inline double ui_scale(const QFont& font = QFont())
{
    const double s = QFontMetrics(font).height() / 13.0;
    return s < 1.0 ? 1.0 : s;
}

inline int scaled(int v, double s) { return static_cast<int>(std::lround(v * s)); }

// Places a widget at design coordinates.
inline void place(QWidget* w, int x, int y, int width, int height, double s)
{
    w->setGeometry(scaled(x, s), scaled(y, s), scaled(width, s), scaled(height, s));
}

// The first size of a resizable window, kept within the screen's work area
// with room for the window manager's frame: at a large display size the
// design size may be larger than the screen.
inline QSize within_screen(QSize size, const QWidget* w)
{
    const QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? size.boundedTo(screen->availableGeometry().size() - QSize(16, 48)) : size;
}

// The client area of the main window in design pixels: qvk::kClientWidth and
// qvk::kClientHeight of the model.

} // namespace qvk::shell
