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
    // The edits and `cyklus` take 19 digits; so do the lines of the memo.
    place(caption_label(this, m, "zadani_prv"), 6, 8, 50, 20, s);
    place(make<QLineEdit>(this, "zadani_prv"), 58, 6, 150, 22, s);

    place(text_label(this, QStringLiteral("Výpis")), 6, 36, 34, 20, s);
    auto bound = [&](const char* field, int y) {
        QLabel* l = caption_label(this, m, field);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(l, 34, y, 22, 20, s);
    };
    bound("xod", 36);
    place(make<QLineEdit>(this, "xod"), 58, 34, 150, 22, s);
    bound("xdo", 62);
    place(make<QLineEdit>(this, "xdo"), 58, 60, 150, 22, s);

    auto button = [&](const char* name, const char* pictureName, int x, int w) {
        auto* b = make<QPushButton>(this, name);
        b->setIcon(picture(QString::fromUtf8(pictureName)));
        place(b, x, 90, w, 26, s);
    };
    button("rozloz", "vypocti", 4, 66);
    button("vypis", "vypis", 72, 62);
    button("prerus", "ukoncit", 136, 74);

    place(caption_label(this, m, "cyklus"), 6, 122, 52, 20, s);
    place(make<QLabel>(this, "cyklus"), 58, 122, 150, 20, s);
    place(caption_label(this, m, "stav"), 6, 144, 80, 20, s);
    place(make<QLabel>(this, "stav"), 86, 144, 124, 20, s);

    auto* rozklad = make<QPlainTextEdit>(this, "rozklad");
    rozklad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rozklad->setLineWrapMode(QPlainTextEdit::NoWrap);
    place(rozklad, 212, 6, 158, 160, s);
}

} // namespace qvk::shell
