#include "equations/system.h"
#include "model/declare.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"

#include <algorithm>
#include <utility>
#include <vector>

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
    r.add(QStringLiteral("sous_rov_vyresClick"), sous_rov_vyresClick);
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

namespace {

using Row = std::vector<long double>;

struct Matrix {
    int n = 0;
    std::vector<Row> a; // 1-based, a[i][j]
    Row b;

    void round(int places)
    {
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j)
                a[i][j] = round_places(a[i][j], places);
            b[i] = round_places(b[i], places);
        }
    }
};

// The listing's text of each row, kept with the values it was written from:
// a step changes one row, so the other rows' texts are written again as they
// were.
class ListedRows {
public:
    explicit ListedRows(int n) : values_(n + 1), texts_(n + 1) {}

    const QString& text(const Matrix& x, int i, int d)
    {
        Row& seen = values_[i];
        const bool same = !seen.empty() && std::equal(x.a[i].begin() + 1, x.a[i].end(), seen.begin()) &&
                          x.b[i] == seen.back();
        if (!same) {
            QString line;
            for (int j = 1; j <= x.n; ++j)
                line += format_number(round_places(x.a[i][j], d)) + u' ';
            line += QStringLiteral("| ") + format_number(round_places(x.b[i], d));
            texts_[i] = line;
            seen.assign(x.a[i].begin() + 1, x.a[i].end());
            seen.push_back(x.b[i]);
        }
        return texts_[i];
    }

private:
    std::vector<Row> values_; // a[i][1..n], then b[i]
    std::vector<QString> texts_;
};

void listing_matrix(WindowModel& m, const Matrix& x, int d, ListedRows& rows)
{
    if (!m.settings().vypis_rovnic)
        return;
    // The flags of the step's arithmetic are looked at here even when no
    // number has to be written anew.
    fpu_check();
    for (int i = 1; i <= x.n; ++i)
        m.listing_add(rows.text(x, i, d));
    m.listing_add(QStringLiteral("-"));
}

// What each variable is, read from the reduced row echelon form of the
// final matrix (row exchanges allowed here, entries rounded as the solver does).
QStringList classify(Matrix x, int d)
{
    const int n = x.n;
    std::vector<int> pivotOfCol(n + 1, -1);
    int r = 1;
    for (int j = 1; j <= n && r <= n; ++j) {
        int p = r;
        while (p <= n && x.a[p][j] == 0)
            ++p;
        if (p > n)
            continue;
        std::swap(x.a[p], x.a[r]);
        std::swap(x.b[p], x.b[r]);
        const long double pivot = x.a[r][j];
        for (int k = 1; k <= n; ++k)
            x.a[r][k] /= pivot;
        x.b[r] /= pivot;
        x.a[r][j] = 1;
        x.round(10);
        for (int i = 1; i <= n; ++i) {
            if (i == r || x.a[i][j] == 0)
                continue;
            const long double f = x.a[i][j];
            for (int k = 1; k <= n; ++k)
                x.a[i][k] -= f * x.a[r][k];
            x.b[i] -= f * x.b[r];
            x.a[i][j] = 0;
            x.round(10);
        }
        pivotOfCol[j] = r++;
    }
    QStringList out;
    for (int i = 1; i <= n; ++i) {
        bool zeros = true;
        for (int j = 1; j <= n; ++j)
            zeros = zeros && x.a[i][j] == 0;
        if (zeros && x.b[i] != 0) {
            for (int k = 1; k <= n; ++k)
                out << QStringLiteral("Bez řešení");
            return out;
        }
    }
    for (int j = 1; j <= n; ++j) {
        const int row = pivotOfCol[j];
        if (row < 0) {
            out << QStringLiteral("R");
            continue;
        }
        bool dependent = false;
        for (int k = 1; k <= n; ++k)
            dependent = dependent || (pivotOfCol[k] < 0 && x.a[row][k] != 0);
        out << (dependent ? QStringLiteral("dle xx") : format_number(round_places(x.b[row], d)));
    }
    return out;
}

} // namespace

void sous_rov_vyresClick(WindowModel& m)
{
    const bool listing = m.settings().vypis_rovnic;
    const int d = m.settings().zaokrouhleni;
    if (listing) {
        m.listing_add(QStringLiteral("Soustava rovnic"));
        m.listing_add(QStringLiteral(" "));
        m.listing_show();
    }
    const int n = m.value(QStringLiteral("pocet_rovnic"));
    const Grid& input = m.grid(kInput);
    Matrix x;
    x.n = n;
    x.a.assign(n + 1, Row(n + 1, 0));
    x.b.assign(n + 1, 0);
    ListedRows listed(n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n + 1; ++c) {
            if (input.cell(c, r).isEmpty())
                report_error(QStringLiteral("Nejsou zadány číselné hodnoty"));
            const double v = input.CellAsFloat(c, r);
            if (v > 99999)
                report_error(QStringLiteral("Maximální hodnota je 99999"));
            if (v < -9999)
                report_error(QStringLiteral("Minimální hodnota je -9999"));
            (c <= n ? x.a[r][c] : x.b[r]) = v;
        }
    }
    listing_matrix(m, x, d, listed);

    for (int k = 1; k <= n; ++k) {
        int p = k;
        while (p <= n && x.a[p][k] == 0)
            ++p;
        if (p != k) {
            long double f = 0;
            if (p <= n && round_places(x.a[p][k], 14) != 0)
                f = 1 / round_places(x.a[p][k], 14);
            if (p <= n) {
                for (int j = 1; j <= n; ++j)
                    x.a[k][j] = x.a[k][j] + f * x.a[p][j];
                x.b[k] = x.b[k] + f * x.b[p];
            }
            x.round(14);
        }
        x.round(10);
        for (int i = 1; i <= n; ++i) {
            if (i == k || x.a[i][k] == 0 || x.a[k][k] == 0)
                continue;
            const long double f = -x.a[i][k] / x.a[k][k];
            for (int j = 1; j <= n; ++j)
                x.a[i][j] = x.a[i][j] + f * x.a[k][j];
            x.b[i] = x.b[i] + f * x.b[k];
            x.round(10);
            listing_matrix(m, x, d, listed);
        }
    }
    for (int k = 1; k <= n; ++k) {
        const long double pivot = x.a[k][k];
        if (pivot == 1 || pivot == 0)
            continue;
        for (int j = 1; j <= n; ++j)
            if (j != k)
                x.a[k][j] = x.a[k][j] / pivot;
        x.b[k] = x.b[k] / pivot;
        x.a[k][k] = 1;
        x.round(14);
        x.round(10);
        listing_matrix(m, x, d, listed);
    }
    x.round(d);
    if (listing && !m.listing().isEmpty())
        m.listing_set_last(m.listing().last() + QString(26, u'-'));

    const QStringList results = classify(x, d);
    Grid& out = m.gridForWrite(kResults);
    for (int i = 1; i <= n && i < out.RowCount(); ++i)
        out.SetCellIfChanged(1, i, results[i - 1]);
}

} // namespace qvk::equations
