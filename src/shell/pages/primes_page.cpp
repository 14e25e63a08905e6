#include "shell/pages/primes_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qvk::shell {

PrimesPage::PrimesPage(const WindowModel&, double s, QWidget* parent) : QWidget(parent)
{
    // The edits and `cyklus` take 19 digits; so do the lines of the memo.
    place(text_label(this, QStringLiteral("Rozklad")), 6, 8, 50, 20, s);
    place(make<QLineEdit>(this, "zadani_prv"), 58, 6, 150, 22, s);

    place(text_label(this, QStringLiteral("Výpis")), 6, 36, 34, 20, s);
    auto bound = [&](const QString& caption, int y) {
        QLabel* l = text_label(this, caption);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(l, 34, y, 22, 20, s);
    };
    bound(QStringLiteral("od"), 36);
    place(make<QLineEdit>(this, "xod"), 58, 34, 150, 22, s);
    bound(QStringLiteral("do"), 62);
    place(make<QLineEdit>(this, "xdo"), 58, 60, 150, 22, s);

    auto button = [&](const char* name, const char* pictureName, int x, int w) {
        auto* b = make<QPushButton>(this, name);
        b->setIcon(picture(QString::fromUtf8(pictureName)));
        place(b, x, 90, w, 26, s);
    };
    button("rozloz", "vypocti", 4, 66);
    button("vypis", "vypis", 72, 62);
    button("prerus", "ukoncit", 136, 74);

    place(text_label(this, QStringLiteral("Výpočet")), 6, 122, 52, 20, s);
    place(make<QLabel>(this, "cyklus"), 58, 122, 150, 20, s);
    place(text_label(this, QStringLiteral("Stav výpočtu")), 6, 144, 80, 20, s);
    place(make<QLabel>(this, "stav"), 86, 144, 124, 20, s);

    auto* rozklad = make<QPlainTextEdit>(this, "rozklad");
    rozklad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rozklad->setLineWrapMode(QPlainTextEdit::NoWrap);
    place(rozklad, 212, 6, 158, 160, s);
}

} // namespace qvk::shell
