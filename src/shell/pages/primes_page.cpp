#include "shell/pages/primes_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qvk::shell {

PrimesPage::PrimesPage(double s, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pc"));

    // The edits take 19 digits; so do the lines of the memo.
    place(text_label(this, QStringLiteral("Rozklad")), 6, 8, 46, 20, s);
    place(make<QLineEdit>(this, "zadani_prv"), 50, 6, 146, 22, s);

    place(text_label(this, QStringLiteral("Výpis")), 6, 36, 30, 20, s);
    place(text_label(this, QStringLiteral("od")), 36, 36, 14, 20, s);
    place(make<QLineEdit>(this, "xod"), 50, 34, 146, 22, s);
    place(text_label(this, QStringLiteral("do")), 36, 62, 14, 20, s);
    place(make<QLineEdit>(this, "xdo"), 50, 60, 146, 22, s);

    auto button = [&](const char* name, const char* pictureName, int x, int w) {
        auto* b = make<QPushButton>(this, name);
        b->setIcon(picture(QString::fromUtf8(pictureName)));
        place(b, x, 90, w, 26, s);
    };
    button("rozloz", "vypocti", 6, 60);
    button("vypis", "vypis", 68, 60);
    button("prerus", "ukoncit", 130, 66);

    place(text_label(this, QStringLiteral("Výpočet")), 6, 122, 48, 20, s);
    place(make<QLabel>(this, "cyklus"), 56, 122, 140, 20, s);
    place(text_label(this, QStringLiteral("Stav výpočtu")), 6, 144, 76, 20, s);
    place(make<QLabel>(this, "stav"), 82, 144, 118, 20, s);

    auto* rozklad = make<QPlainTextEdit>(this, "rozklad");
    rozklad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rozklad->setLineWrapMode(QPlainTextEdit::NoWrap);
    place(rozklad, 200, 6, 158, 160, s);
}

} // namespace qvk::shell
