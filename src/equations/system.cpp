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

const QString kInput = QString::fromLatin1(kSystemInput);
const QString kResults = QString::fromLatin1(kSystemResults);

using declare::Entry;
constexpr Entry kPage[] = {
    {.role = Entry::Spin, .name = "pocet_rovnic", .caption = "Počet rovnic :",
     .hint = "Určete počet rovnic v soustavě rovnic", .maxLength = 2, .selected = 2, .minimum = 2, .maximum = 26,
     .at = {92, 6, 48, 22}, .captionAt = {6, 8, 84, 20}},
    {.role = Entry::Press, .name = "sous_rov_vyres", .caption = "&Vyřeš", .hint = "Vyřeší zadanou soustavu rovnic",
     .calculates = true, .at = {284, 4, 76, 26}, .icon = "vypocti"},
};

} // namespace

std::span<const declare::Entry> system_fields() { return kPage; }

void declare_system(WindowModel& m)
{
    declare::declare_all(m, kPage);

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

void round_matrix(SystemMatrix& x, int places)
{
    for (int i = 1; i <= x.n; ++i) {
        for (int j = 1; j <= x.n; ++j)
            x.a[i][j] = round_places(x.a[i][j], places);
        x.b[i] = round_places(x.b[i], places);
    }
}

// What each variable is, read from the reduced row echelon form of the
// final matrix (row exchanges allowed here, entries rounded as the solver does).
std::vector<Unknown> classify(SystemMatrix x, int d)
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
        round_matrix(x, 10);
        for (int i = 1; i <= n; ++i) {
            if (i == r || x.a[i][j] == 0)
                continue;
            const long double f = x.a[i][j];
            for (int k = 1; k <= n; ++k)
                x.a[i][k] -= f * x.a[r][k];
            x.b[i] -= f * x.b[r];
            x.a[i][j] = 0;
            round_matrix(x, 10);
        }
        pivotOfCol[j] = r++;
    }
    for (int i = 1; i <= n; ++i) {
        bool zeros = true;
        for (int j = 1; j <= n; ++j)
            zeros = zeros && x.a[i][j] == 0;
        if (zeros && x.b[i] != 0)
            return std::vector<Unknown>(static_cast<size_t>(n), {Unknown::Kind::NoSolution});
    }
    std::vector<Unknown> out;
    for (int j = 1; j <= n; ++j) {
        const int row = pivotOfCol[j];
        if (row < 0) {
            out.push_back({Unknown::Kind::Free});
            continue;
        }
        bool dependent = false;
        for (int k = 1; k <= n; ++k)
            dependent = dependent || (pivotOfCol[k] < 0 && x.a[row][k] != 0);
        out.push_back(dependent ? Unknown{Unknown::Kind::Dependent}
                                : Unknown{Unknown::Kind::Value, round_places(x.b[row], d)});
    }
    return out;
}

} // namespace

SystemResult solve_system(const SystemInput& in)
{
    SystemResult r;
    r.in = in;
    SystemMatrix x = in.given;
    const int n = x.n;
    // A listed step looks at the flags of its arithmetic first, even when no
    // number has to be written anew. Unlisted, no step is kept: 26 equations
    // make some 700 of them.
    auto step = [&] {
        if (!in.listed)
            return;
        fpu_check();
        r.steps.push_back(x);
    };
    try {
        step();
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
                round_matrix(x, 14);
            }
            round_matrix(x, 10);
            for (int i = 1; i <= n; ++i) {
                if (i == k || x.a[i][k] == 0 || x.a[k][k] == 0)
                    continue;
                const long double f = -x.a[i][k] / x.a[k][k];
                for (int j = 1; j <= n; ++j)
                    x.a[i][j] = x.a[i][j] + f * x.a[k][j];
                x.b[i] = x.b[i] + f * x.b[k];
                round_matrix(x, 10);
                step();
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
            round_matrix(x, 14);
            round_matrix(x, 10);
            step();
        }
        round_matrix(x, in.places);
        r.reached = SystemResult::Stage::Eliminated;
        r.unknowns = classify(x, in.places);
        r.reached = SystemResult::Stage::Classified;
    } catch (...) {
        r.failure = std::current_exception();
    }
    return r;
}

namespace {

// The listing's text of each row, kept with the values it was written from:
// a step changes one row, so the other rows' texts are written again as they
// were.
class ListedRows {
public:
    explicit ListedRows(int n) : values_(n + 1), texts_(n + 1) {}

    const QString& text(const SystemMatrix& x, int i, int d)
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

} // namespace

QStringList system_listing_head() { return {QStringLiteral("Soustava rovnic"), QStringLiteral(" ")}; }

QStringList system_listing(const SystemResult& r)
{
    QStringList out;
    const int n = r.in.given.n, d = r.in.places;
    ListedRows rows(n);
    for (const SystemMatrix& x : r.steps) {
        for (int i = 1; i <= n; ++i)
            out << rows.text(x, i, d);
        out << QStringLiteral("-");
    }
    // The final rounding is not listed.
    if (r.reached >= SystemResult::Stage::Eliminated && !out.isEmpty())
        out.last() += QString(26, u'-');
    return out;
}

QStringList unknown_texts(const SystemResult& r)
{
    QStringList out;
    for (const Unknown& u : r.unknowns) {
        switch (u.kind) {
        case Unknown::Kind::Value: out << format_number(u.value); break;
        case Unknown::Kind::Free: out << QStringLiteral("R"); break;
        case Unknown::Kind::Dependent: out << QStringLiteral("dle xx"); break;
        case Unknown::Kind::NoSolution: out << QStringLiteral("Bez řešení"); break;
        }
    }
    return out;
}

void sous_rov_vyresClick(WindowModel& m)
{
    SystemInput in;
    in.listed = m.settings().vypis_rovnic;
    in.places = m.settings().zaokrouhleni;
    if (in.listed) {
        for (const QString& line : system_listing_head())
            m.listing_add(line);
        m.listing_show();
    }
    const int n = m.value(QStringLiteral("pocet_rovnic"));
    const Grid& input = m.grid(kInput);
    SystemMatrix& x = in.given;
    x.n = n;
    x.a.assign(n + 1, Row(n + 1, 0));
    x.b.assign(n + 1, 0);
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

    SystemResult r = solve_system(in);

    // The steps reached are listed even when the solve stopped on a fault.
    if (in.listed)
        for (const QString& line : system_listing(r))
            m.listing_add(line);
    if (r.failure)
        std::rethrow_exception(r.failure);

    const QStringList texts = unknown_texts(r);
    Grid& out = m.gridForWrite(kResults);
    for (int i = 1; i <= n && i < out.RowCount(); ++i)
        out.SetCellIfChanged(1, i, texts[i - 1]);
    m.explain([r] { return explain_system(r); });
    m.publish(QLatin1String(kSystemPage), std::move(r));
}

} // namespace qvk::equations
