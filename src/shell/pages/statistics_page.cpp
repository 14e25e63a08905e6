#include "shell/pages/statistics_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qvk::shell {

StatisticsPage::StatisticsPage(const WindowModel&, double s, QWidget* parent) : QWidget(parent)
{
    auto* data = make<QPlainTextEdit>(this, "data");
    data->setLineWrapMode(QPlainTextEdit::NoWrap);
    data->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    data->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(data, 4, 4, 52, 132, s);
    place(text_label(this, QStringLiteral("n =")), 4, 142, 20, 20, s);
    place(make<QLineEdit>(this, "stat_prvky"), 24, 140, 32, 22, s);
    // `memo_zal` is a buffer of the model only: no widget shows it.

    // Two columns of captions (wrapped to two lines where long) and results.
    struct Row {
        const char* caption;
        const char* field;
    };
    static const Row left[] = {{"Průměr", "stat_prumer"},
                               {"Součet prvků", "stat_soucet"},
                               {"Medián", "stat_median"},
                               {"Variační rozpětí", "stat_vr"},
                               {"Rozptyl", "stat_rozptyl"}};
    static const Row right[] = {{"Průměrná absolutní odchylka", "stat_prum_odchyl"},
                                {"Směrodatná odchylka", "stat_smer_odchyl"},
                                {"Variační koeficient", "stat_vari_koef"},
                                {"Koeficient špičatosti", "stat_spic"},
                                {"Koeficient šikmosti", "stat_sikm"}};
    auto column = [&](const Row (&rows)[5], int x, int labelWidth, int fieldWidth) {
        int y = 4;
        for (const Row& row : rows) {
            QLabel* caption = text_label(this, QString::fromUtf8(row.caption));
            caption->setWordWrap(true);
            place(caption, x, y, labelWidth, 26, s);
            place(make<QLineEdit>(this, row.field), x + labelWidth + 2, y + 2, fieldWidth, 22, s);
            y += 26;
        }
    };
    column(left, 60, 62, 66);
    column(right, 194, 112, 56);

    auto* progress = make<QLabel>(this, "Tridim");
    place(progress, 60, 140, 134, 24, s);

    auto button = [&](const char* name, const char* pictureName, int x, int w) {
        auto* b = make<QPushButton>(this, name);
        b->setIcon(picture(QString::fromUtf8(pictureName)));
        place(b, x, 138, w, 26, s);
        return b;
    };
    button("stat_vyres", "vypocti", 196, 60);
    button("stat_prerus", "ukoncit", 258, 68);
    button("vymaz_stat", "novy", 328, 30);
}

} // namespace qvk::shell
