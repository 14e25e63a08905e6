#include "shell/pages/fractions_page.h"
#include "numbers/fractions.h"
#include "shell/binding.h"
#include "shell/geometry.h"
#include "shell/pages/fields.h"
#include "shell/widgets.h"

#include <QLabel>

namespace qvk::shell {

FractionBar::FractionBar(QWidget* parent, const char* name, QLabel* numerator, QLabel* denominator)
    : QFrame(parent), numerator_(numerator), denominator_(denominator)
{
    setObjectName(QString::fromUtf8(name));
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Plain);
    // The calculator counts 6 pixels per character: one digit of this font.
    setProperty(Binding::kDesignScaleProperty, fontMetrics().horizontalAdvance(u'0') / 6.0);
    numerator_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    denominator_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void FractionBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fit();
}

void FractionBar::moveEvent(QMoveEvent* event)
{
    QFrame::moveEvent(event);
    fit();
}

void FractionBar::fit()
{
    // The digits get room on both sides of the bar and stay centred on it.
    const int pad = fontMetrics().horizontalAdvance(u'0') / 2 + 2;
    const int h = numerator_->height();
    numerator_->setGeometry(x() - pad, y() - h, width() + 2 * pad, h);
    denominator_->setGeometry(x() - pad, y() + height(), width() + 2 * pad, denominator_->height());
}

namespace {

// A stacked fraction: numerator, bar and denominator, the bar at (x, y).
FractionBar* stacked(QWidget* page, const numbers::Stacked& f, int x, int y, double s)
{
    auto* n = make<QLabel>(page, f.numerator);
    auto* d = make<QLabel>(page, f.denominator);
    place(n, x, y - 20, 8, 20, s);
    place(d, x, y + 4, 8, 20, s);
    auto* b = new FractionBar(page, f.bar, n, d);
    place(b, x, y, 8, 4, s);
    b->fit();
    return b;
}

// The bar between a fraction's two edits.
void input_bar(QWidget* page, int x, double s)
{
    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    place(line, x, 31, 44, 4, s);
}

} // namespace

FractionsPage::FractionsPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    build_fields(this, m, numbers::fractions_fields(), s);

    // Two fractions typed as numerator over denominator.
    input_bar(this, 8, s);
    input_bar(this, 110, s);
    place(text_label(this, QStringLiteral("=")), 159, 23, 16, 20, s);
    stacked(this, numbers::kFractionResult, 256, 31, s);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    place(separator, 8, 98, 354, 4, s);

    // The decimal digits after a fixed "0,"; thirteen digits of a
    // denominator fit beside the edit.
    QLabel* prefix = text_label(this, QStringLiteral("0,"));
    prefix->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(prefix, 104, 123, 14, 20, s);
    stacked(this, numbers::kFractionConverted, 218, 131, s);
}

} // namespace qvk::shell
