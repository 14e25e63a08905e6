#include "shell/pages/fractions_page.h"
#include "shell/binding.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
FractionBar* stacked(QWidget* page, const char* numerator, const char* bar, const char* denominator, int x, int y,
                     double s)
{
    auto* n = make<QLabel>(page, numerator);
    auto* d = make<QLabel>(page, denominator);
    place(n, x, y - 20, 8, 20, s);
    place(d, x, y + 4, 8, 20, s);
    auto* b = new FractionBar(page, bar, n, d);
    place(b, x, y, 8, 4, s);
    b->fit();
    return b;
}

} // namespace

FractionsPage::FractionsPage(const WindowModel&, double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("zlm"));

    // Two fractions typed as numerator over denominator.
    auto input = [&](const char* numerator, const char* denominator, int x) {
        place(make<QLineEdit>(this, numerator), x, 8, 44, 22, s);
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        place(line, x, 31, 44, 4, s);
        place(make<QLineEdit>(this, denominator), x, 36, 44, 22, s);
    };
    input("z1", "z2", 8);
    place(make<QComboBox>(this, "operace"), 58, 21, 44, 22, s);
    input("z3", "z4", 110);
    place(text_label(this, QStringLiteral("=")), 159, 23, 16, 20, s);

    auto* whole = make<QLabel>(this, "zlomek_cely1");
    whole->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The whole part has up to 9 digits and a sign.
    place(whole, 176, 23, 76, 20, s);
    stacked(this, "z5", "cara1", "z6", 256, 31, s);

    place(make<QCheckBox>(this, "cele"), 8, 66, 140, 22, s);
    auto* zlomek = make<QPushButton>(this, "zlomek");
    zlomek->setIcon(picture(QStringLiteral("vypocti")));
    place(zlomek, 176, 64, 76, 26, s);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    place(separator, 8, 98, 354, 4, s);

    place(text_label(this, QStringLiteral("Desetinné číslo ")), 8, 123, 96, 20, s);
    QLabel* prefix = text_label(this, QStringLiteral("0,"));
    prefix->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(prefix, 104, 123, 14, 20, s);
    place(make<QLineEdit>(this, "zadani_c"), 120, 122, 92, 22, s);
    // Thirteen digits of a denominator fit beside the edit.
    stacked(this, "citatel", "cara2", "jmenovatel", 218, 131, s);
    auto* preved = make<QPushButton>(this, "preved");
    preved->setIcon(picture(QStringLiteral("preved")));
    place(preved, 112, 150, 76, 26, s);
}

} // namespace qvk::shell
