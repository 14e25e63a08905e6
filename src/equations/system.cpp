#include "equations/system.h"
#include "model/declare.h"

namespace qvk::equations {

namespace {

const QString kInput = QStringLiteral("soustavarov");
const QString kResults = QStringLiteral("reseni_rovnic");

} // namespace

void declare_system(WindowModel& m)
{
    Field count;
    count.name = QStringLiteral("pocet_rovnic");
    count.kind = Kind::Spin;
    count.caption = QStringLiteral("Počet rovnic :");
    count.hint = QStringLiteral("Určete počet rovnic v soustavě rovnic");
    count.minimum = 2;
    count.maximum = 26;
    count.value = 2;
    count.maxLength = 2;
    m.add(count);
    declare::button(m, "sous_rov_vyres", "&Vyřeš", "Vyřeší zadanou soustavu rovnic");

    // The grids as the window describes them, then the main window's
    // narrow header column.
    Grid& input = m.addGrid(kInput);
    input.resize(4, 3);
    input.setDefaultColWidth(45);
    input.setDefaultRowHeight(21);
    input.AutoSave = false;
    input.Loaded();
    input.setColWidth(0, 20);

    Grid& results = m.addGrid(kResults);
    results.resize(2, 3);
    results.setDefaultColWidth(30);
    results.setDefaultRowHeight(21);
    results.setColWidth(1, 62);
    results.AutoSave = false;
    results.setHCol({QString(), QStringLiteral("Řešení")});
    results.Loaded();
    results.setColWidth(0, 20);
}

void register_system(Registry& r)
{
    r.add(QStringLiteral("pocet_rovnicChange"), pocet_rovnicChange);
    // The grid reads numbers with a point; a typed comma becomes one.
    r.addKeyFilter(kInput, [](WindowModel&, QChar c) -> std::optional<QChar> { return c == u',' ? QChar(u'.') : c; });
    r.addKeyFilter(kResults, [](WindowModel&, QChar) -> std::optional<QChar> { return std::nullopt; });
    r.addInitializer(pocet_rovnicChange);
}

void pocet_rovnicChange(WindowModel& m)
{
    const int n = m.value(QStringLiteral("pocet_rovnic"));
    Grid& input = m.gridForWrite(kInput);
    input.resize(n + 2, n + 1);
    for (int i = 1; i <= n; ++i)
        input.SetCellIfChanged(i, 0, u'a' + QString::number(i));
    for (int i = 1; i <= n; ++i)
        input.SetCellIfChanged(0, i, QString::number(i));
    input.SetCellIfChanged(n + 1, 0, QStringLiteral("b"));
    for (int c = 1; c <= n + 1; ++c)
        for (int r = 1; r <= n; ++r)
            input.SetCellIfChanged(c, r, QString::number(c + r));

    Grid& results = m.gridForWrite(kResults);
    results.setRowCount(n + 1);
    for (int i = 1; i <= n; ++i)
        results.SetCellIfChanged(0, i, u'x' + QString::number(i) + QStringLiteral("   "));
    for (int c = 1; c <= n + 1; ++c)
        input.setColWidth(c, 35);
    for (int i = 1; i <= n; ++i)
        results.SetCellIfChanged(1, i, QStringLiteral("???"));
    results.setColWidth(0, 24);
}

} // namespace qvk::equations
