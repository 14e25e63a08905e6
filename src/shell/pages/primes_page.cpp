#include "shell/pages/primes_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qvk::shell {

PrimesPage::PrimesPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    // The edits take 19 digits; so do the lines of the memo.
    place(caption_label(this, m, "zadani_prv"), 6, 8, 50, 20, s);
    place(make<QLineEdit>(this, "zadani_prv"), 58, 6, 140, 22, s);

    place(text_label(this, QStringLiteral("Výpis")), 6, 36, 34, 20, s);
    auto bound = [&](const char* field, int y) {
        QLabel* l = caption_label(this, m, field);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(l, 38, y, 16, 20, s);
    };
    bound("xod", 36);
    place(make<QLineEdit>(this, "xod"), 58, 34, 140, 22, s);
    bound("xdo", 62);
    place(make<QLineEdit>(this, "xdo"), 58, 60, 140, 22, s);

    auto button = [&](const char* name, const char* pictureName, int x, int w) {
        auto* b = make<QPushButton>(this, name);
        b->setIcon(picture(QString::fromUtf8(pictureName)));
        place(b, x, 90, w, 26, s);
    };
    button("rozloz", "vypocti", 6, 62);
    button("vypis", "vypis", 70, 62);
    button("prerus", "ukoncit", 134, 64);

    place(caption_label(this, m, "cyklus"), 6, 122, 48, 20, s);
    place(make<QLabel>(this, "cyklus"), 56, 122, 140, 20, s);
    place(caption_label(this, m, "stav"), 6, 144, 76, 20, s);
    place(make<QLabel>(this, "stav"), 84, 144, 116, 20, s);

    auto* rozklad = make<QPlainTextEdit>(this, "rozklad");
    rozklad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rozklad->setLineWrapMode(QPlainTextEdit::NoWrap);
    place(rozklad, 202, 6, 156, 160, s);
}

} // namespace qvk::shell
