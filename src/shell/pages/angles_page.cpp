#include "shell/pages/angles_page.h"
#include "shell/binding.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

AnglesPage::AnglesPage(const WindowModel&, double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("uhly"));

    auto field = [&](const char* name, const QString& unit, int x, int y, int w) {
        auto* e = make<QLineEdit>(this, name);
        e->setAlignment(Qt::AlignRight);
        place(e, x, y, w, 22, s);
        QLabel* mark = text_label(this, unit);
        mark->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(mark, x + w + 2, y - 2, 34, 20, s);
    };
    const QString degree = QStringLiteral("o");
    field("uhly_stupne", degree, 8, 6, 96);
    field("uhly_st", degree, 8, 32, 50);
    field("uhly_min", QStringLiteral("´"), 70, 32, 50);
    field("uhly_vt", QStringLiteral("´´"), 132, 32, 50);
    field("uhly_rad", QStringLiteral("rad"), 8, 58, 96);
    field("uhly_grad", QStringLiteral("grad"), 8, 84, 96);

    auto* vypocet = make<QPushButton>(this, "uhly_vypocet");
    vypocet->setIcon(picture(QStringLiteral("preved")));
    place(vypocet, 8, 112, 70, 26, s);
    auto* vymaz = make<QPushButton>(this, "uhly_vymaz");
    vymaz->setIcon(picture(QStringLiteral("novy")));
    place(vymaz, 82, 112, 30, 26, s);

    // The calculator places the label by 6 design pixels per character.
    auto* typed = new EdgeLabel(this, scaled(kClientWidth - 12, s));
    typed->setObjectName(QStringLiteral("uhly_puv"));
    typed->setProperty(Binding::kDesignScaleProperty, s);
    place(typed, 0, 144, kClientWidth - 12, 36, s);
}

} // namespace qvk::shell
