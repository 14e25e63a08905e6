#include "shell/display_size.h"
#include "app/config/configuration.h"
#include "model/model.h"
#include "shell/geometry.h"

#include <QApplication>
#include <QFontMetrics>
#include <QProxyStyle>
#include <QScreen>

#include <cmath>

namespace qvk::shell {

namespace {

// The style's own sizes that do not follow the font.
class SizedStyle : public QProxyStyle {
public:
    explicit SizedStyle(double factor) : factor_(factor) {}
    double factor() const { return factor_; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int v = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ButtonIconSize:
        case PM_SmallIconSize:
        case PM_LargeIconSize:
        case PM_ToolBarIconSize:
        case PM_TabBarIconSize:
        case PM_ListViewIconSize:
        case PM_IconViewIconSize:
        case PM_MessageBoxIconSize:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_MenuButtonIndicator:
            return static_cast<int>(std::lround(v * factor_));
        default:
            return v;
        }
    }

private:
    double factor_;
};

} // namespace

QFont font_at(const QFont& font, int percent)
{
    QFont f = font;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * percent / 100.0);
    else if (f.pixelSize() > 0)
        f.setPixelSize(static_cast<int>(std::lround(f.pixelSize() * percent / 100.0)));
    return f;
}

int fitting_display_size(int percent, const QFont& font, QSize available)
{
    int best = config::kDisplaySizes[0];
    for (const int size : config::kDisplaySizes) {
        if (size > percent)
            break;
        const QFont f = font_at(font, size);
        const double s = ui_scale(f);
        const int line = QFontMetrics(f).height();
        // Menu bar and frame; the title bar is the window manager's, in its own font.
        const QSize window(scaled(kClientWidth, s) + 16, scaled(kClientHeight, s) + 2 * line + 40);
        if (window.width() <= available.width() && window.height() <= available.height())
            best = size;
    }
    return best;
}

int fitting_display_size(int percent)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return config::kDisplaySizes[0];
    return fitting_display_size(config::valid_display_size(percent), QApplication::font(),
                                screen->availableGeometry().size());
}

void apply_display_size(QApplication& app, int percent)
{
    if (config::valid_display_size(percent) == config::kDisplaySizes[0])
        return;
    QApplication::setFont(font_at(QApplication::font(), percent));
    app.setStyle(new SizedStyle(percent / 100.0));
}

} // namespace qvk::shell

namespace qvk::shell {

double display_factor()
{
    const auto* sized = dynamic_cast<const SizedStyle*>(QApplication::style());
    return sized ? sized->factor() : 1.0;
}

} // namespace qvk::shell
