#include "shell/pages/angles_page.h"
#include "numbers/angles.h"
#include "shell/binding.h"
#include "shell/geometry.h"
#include "shell/pages/fields.h"
#include "shell/widgets.h"

#include <QLabel>

namespace qvk::shell {

namespace {

// A label that reaches from where it is placed to `right` (the page's edge)
// and wraps there, so that a long text is never cut.
class EdgeLabel : public QLabel {
public:
    EdgeLabel(QWidget* parent, int right) : QLabel(parent), right_(right)
    {
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

protected:
    void moveEvent(QMoveEvent* event) override
    {
        QLabel::moveEvent(event);
        reach_edge();
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        reach_edge();
    }

private:
    void reach_edge()
    {
        const int w = right_ - x();
        if (w > 0 && w != width())
            resize(w, height());
    }
    int right_;
};

} // namespace

AnglesPage::AnglesPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    build_fields(this, m, numbers::angles_fields(), s);

    // The calculator places the label by 6 design pixels per character.
    auto* typed = new EdgeLabel(this, scaled(kClientWidth - 12, s));
    typed->setObjectName(QString::fromLatin1(numbers::kAnglesTyped));
    typed->setProperty(Binding::kDesignScaleProperty, s);
    place(typed, 0, 144, kClientWidth - 12, 36, s);
}

} // namespace qvk::shell
