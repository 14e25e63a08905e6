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
    // The edits take 19 digits; so do the lines of the memo.
    place(text_label(this, QStringLiteral("Rozklad")), 6, 8, 50, 20, s);
    place(make<QLineEdit>(this, "zadani_prv"), 58, 6, 140, 22, s);

    place(text_label(this, QStringLiteral("Výpis")), 6, 36, 34, 20, s);
    auto bound = [&](const QString& caption, int y) {
        QLabel* l = text_label(this, caption);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(l, 38, y, 16, 20, s);
    };
    bound(QStringLiteral("od"), 36);
    place(make<QLineEdit>(this, "xod"), 58, 34, 140, 22, s);
    bound(QStringLiteral("do"), 62);
    place(make<QLineEdit>(this, "xdo"), 58, 60, 140, 22, s);

    auto button = [&](const char* name, const char* pictureName, int x, int w) {
        auto* b = make<QPushButton>(this, name);
        b->setIcon(picture(QString::fromUtf8(pictureName)));
        place(b, x, 90, w, 26, s);
    };
    button("rozloz", "vypocti", 6, 62);
    button("vypis", "vypis", 70, 62);
    button("prerus", "ukoncit", 134, 64);

    place(text_label(this, QStringLiteral("Výpočet")), 6, 122, 48, 20, s);
    place(make<QLabel>(this, "cyklus"), 56, 122, 140, 20, s);
    place(text_label(this, QStringLiteral("Stav výpočtu")), 6, 144, 76, 20, s);
    place(make<QLabel>(this, "stav"), 84, 144, 116, 20, s);

    auto* rozklad = make<QPlainTextEdit>(this, "rozklad");
    rozklad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rozklad->setLineWrapMode(QPlainTextEdit::NoWrap);
    place(rozklad, 202, 6, 156, 160, s);
}

} // namespace qvk::shell
