#include "shell/pages/statistics_page.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qvk::shell {

StatisticsPage::StatisticsPage(const WindowModel& m, double s, QWidget* parent) : QWidget(parent)
{
    auto* data = make<QPlainTextEdit>(this, "data");
    data->setLineWrapMode(QPlainTextEdit::NoWrap);
    data->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    data->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(data, 4, 4, 76, 136, s);
    place(caption_label(this, m, "stat_prvky"), 4, 146, 24, 20, s);
    place(make<QLineEdit>(this, "stat_prvky"), 28, 144, 52, 22, s);
    // `memo_zal` is a buffer of the model only: no widget shows it.

    // Two columns of captions (wrapped where long) and results; the longest
    // caption takes three lines at the foot of its column.
    struct Row {
        const char* field;
        int lines;
    };
    static const Row left[] = {
        {"stat_prumer", 1}, {"stat_soucet", 2}, {"stat_median", 1}, {"stat_vr", 2}, {"stat_rozptyl", 1}};
    static const Row right[] = {{"stat_smer_odchyl", 2},
                                {"stat_vari_koef", 2},
                                {"stat_spic", 2},
                                {"stat_sikm", 2},
                                {"stat_prum_odchyl", 3}};
    auto column = [&](const Row (&rows)[5], int x, int labelWidth, int fieldWidth) {
        int y = 4;
        for (const Row& row : rows) {
            const int height = row.lines < 3 ? 30 : 46;
            QLabel* caption = caption_label(this, m, row.field);
            caption->setWordWrap(true);
            place(caption, x, y, labelWidth, height, s);
            place(make<QLineEdit>(this, row.field), x + labelWidth + 2, y + (height - 22) / 2, fieldWidth, 22, s);
            y += height;
        }
    };
    column(left, 86, 50, 82);
    column(right, 224, 70, 76);

    auto* progress = make<QLabel>(this, "Tridim");
    place(progress, 86, 156, 134, 20, s);

    auto button = [&](const char* name, const char* pictureName, int x, int w) {
        auto* b = make<QPushButton>(this, name);
        b->setIcon(picture(QString::fromUtf8(pictureName)));
        place(b, x, 176, w, 26, s);
        return b;
    };
    button("stat_vyres", "vypocti", 190, 64);
    button("stat_prerus", "ukoncit", 256, 76);
    button("vymaz_stat", "novy", 334, 34);
}

} // namespace qvk::shell
