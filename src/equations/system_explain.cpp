// The worked solution of a linear system: exact elimination in fractions to
// the reduced row echelon form, then the solution, the general solution with
// its free variables, or the equation that contradicts.
#include "equations/system.h"
#include "exact/worked.h"

#include <vector>

namespace qvk::equations {

namespace {

using Row = std::vector<Exact>;

constexpr long kMaxBits = 600;

QString var(int j) { return u'x' + QString::number(j); }

// "2x1 − x2 + 1/2x3 = 5" from a row: n coefficients and the right side.
QString equation(const Row& row, int n)
{
    QString t;
    for (int j = 0; j < n; ++j)
        t += signed_term(row[j], var(j + 1), t.isEmpty());
    return (t.isEmpty() ? QStringLiteral("0") : t) + QStringLiteral(" = ") + row[n].written();
}

// Gauss–Jordan over exact fractions; false when a number grows past what a
// result could be written in (the bound keeps any 26 equations quick).
bool reduce(std::vector<Row>& m, int n, std::vector<int>& pivotOf)
{
    const int rows = static_cast<int>(m.size());
    int r = 0;
    pivotOf.assign(n, -1);
    for (int c = 0; c < n && r < rows; ++c) {
        int p = r;
        while (p < rows && m[p][c] == Exact(0))
            ++p;
        if (p == rows)
            continue;
        std::swap(m[p], m[r]);
        const Exact pivot = m[r][c];
        for (Exact& x : m[r])
            if (!(x = x / pivot).known())
                return false;
        for (int i = 0; i < rows; ++i) {
            if (i == r || m[i][c] == Exact(0))
                continue;
            const Exact f = m[i][c];
            for (int j = c; j <= n; ++j) {
                m[i][j] = m[i][j] - f * m[r][j];
                if (!m[i][j].known() || m[i][j].bits() > kMaxBits)
                    return false;
            }
        }
        pivotOf[c] = r++;
    }
    return true;
}

} // namespace

Postup explain_system(const SystemResult& res)
{
    const SystemMatrix& g = res.in.given;
    const int n = g.n;
    Explainer e(QStringLiteral("Soustava lineárních rovnic"));
    std::vector<Row> m(n, Row(n + 1));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            m[i][j] = Exact::decimal(static_cast<double>(g.a[i + 1][j + 1]));
        m[i][n] = Exact::decimal(static_cast<double>(g.b[i + 1]));
    }
    // Long systems are not written out: a pupil reads a handful of equations.
    const bool written = n <= 6;
    if (written) {
        e.section(QStringLiteral("Soustava:"));
        for (const Row& row : m)
            e.line(equation(row, n));
    } else {
        e.note(QString::number(n) + QStringLiteral(" rovnic o ") + QString::number(n) + QStringLiteral(" neznámých"));
    }
    std::vector<int> pivotOf;
    if (!reduce(m, n, pivotOf)) {
        e.note(QStringLiteral("Přesné zlomky by byly příliš dlouhé; výsledky jsou zaokrouhlené."));
        const QStringList texts = unknown_texts(res);
        for (int j = 0; j < n; ++j)
            e.result(var(j + 1) + QStringLiteral(" = ") + texts.value(j));
        return e.take();
    }
    e.section(QStringLiteral("Gaussova–Jordanova eliminace v přesných zlomcích:"));
    if (written)
        for (const Row& row : m)
            e.line(equation(row, n));

    for (const Row& row : m) {
        bool zeroLeft = true;
        for (int j = 0; j < n && zeroLeft; ++j)
            zeroLeft = row[j] == Exact(0);
        if (zeroLeft && !(row[n] == Exact(0))) {
            e.note(QStringLiteral("Rovnice 0 = ") + row[n].written() + QStringLiteral(" nemá řešení."));
            e.result(QStringLiteral("Bez řešení"));
            return e.take();
        }
    }
    QStringList free;
    for (int j = 0; j < n; ++j)
        if (pivotOf[j] < 0)
            free << var(j + 1);
    for (int j = 0; j < n; ++j) {
        if (pivotOf[j] < 0)
            continue;
        const Row& row = m[pivotOf[j]];
        QString t = row[n] == Exact(0) && !free.isEmpty() ? QString() : row[n].written();
        // xj = b - the free ones
        for (int k = 0; k < n; ++k)
            if (pivotOf[k] < 0)
                t += signed_term(-row[k], var(k + 1), t.isEmpty());
        e.result(var(j + 1) + QStringLiteral(" = ") + t);
    }
    for (const QString& f : free)
        e.result(f + QStringLiteral(" ∈ R"));
    // The page's numbers where it shows one value per variable.
    if (free.isEmpty())
        for (int j = 0; j < n && j < static_cast<int>(res.unknowns.size()); ++j)
            if (res.unknowns[j].kind == Unknown::Kind::Value)
                e.exact(QStringLiteral("reseni_rovnic[1,%1]").arg(j + 1), m[pivotOf[j]][n]);
    return e.take();
}

} // namespace qvk::equations
