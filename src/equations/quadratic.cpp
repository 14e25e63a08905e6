#include "equations/quadratic.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "model/declare.h"

#include <cmath>

namespace qvk::equations {

void declare_quadratic(WindowModel& m)
{
    using namespace declare;
    edit(m, "a1", "Člen a", "Zadejte člen \"a\"", "2", 5);
    edit(m, "b1", "Člen b", "Zadejte člen \"b\"", "12", 5);
    edit(m, "c1", "Člen c", "Zadejte člen \"c\"", "16", 5);
    list(m, "rovnice", "Relace", "Určete jakou chcete řešit (ne)rovnici", {"= 0", "<= 0", "< 0", "> 0", ">= 0"});
    label(m, "x1name", "x1 =");
    label(m, "x2name", "x2 =");
    label(m, "reseni_nadpis", "Řešení", "Řešení (ne)rovnice");
    result(m, "x1res", "x1 =", "Kořeny (ne)rovnice");
    result(m, "x2res", "x2 =");
    result(m, "dres", "Diskriminant");
    result(m, "reseni", "Řešení", "Řešení (ne)rovnice");
    result(m, "vres", "Vrchol paraboly", "Vrchol paraboly kvadratické funkce");
    result(m, "ctvres", "Doplnění na čtverec");
    button(m, "kvreseni", "&Vyřeš", "Vyřeší zadanou kvadratickou rovnici");
}

void register_quadratic(Registry& r)
{
    r.add(QStringLiteral("kvreseniClick"), kvreseniClick);
    r.add(QStringLiteral("rovniceChange"), kvreseniClick);
}

namespace {

QString fmt(long double v) { return format_number(v); }

// The leading factor of a term: nothing for 1, "-" for -1.
QString factor(double a)
{
    if (a == 1)
        return {};
    if (a == -1)
        return QStringLiteral("-");
    return fmt(a);
}

QString two_roots_set(int relation, bool positive, const QString& L, const QString& U)
{
    const QString closed = u'<' + L + QStringLiteral("; ") + U + u'>';
    const QString open = u'(' + L + QStringLiteral("; ") + U + u')';
    const QString outsideClosed = QStringLiteral("(-nekon.; ") + L + QStringLiteral("> U <") + U + QStringLiteral("; +nekon.)");
    const QString outsideOpen = QStringLiteral("(-nekon.; ") + L + QStringLiteral(") U (") + U + QStringLiteral("; +nekon.)");
    switch (relation) {
    case 0: return u'{' + L + QStringLiteral("; ") + U + u'}';
    case 1: return positive ? closed : outsideClosed;
    case 2: return positive ? open : outsideOpen;
    case 3: return positive ? outsideOpen : open;
    case 4: return positive ? outsideClosed : closed;
    default: return {};
    }
}

QString double_root_set(int relation, bool positive, const QString& L)
{
    const QString single = u'{' + L + u'}';
    const QString allBut = QStringLiteral("R - {") + L + u'}';
    switch (relation) {
    case 0: return single;
    case 1: return positive ? single : QStringLiteral("R");
    case 2: return positive ? QStringLiteral("prázdná množina ") : allBut;
    case 3: return positive ? allBut : QStringLiteral("prázdná množina");
    case 4: return positive ? QStringLiteral("R") : single;
    default: return {};
    }
}

QString no_root_set(int relation, double a, double c)
{
    switch (relation) {
    case 0: return QStringLiteral("prazdná množina");
    case 1:
    case 2: return (a >= 0 || c > 0) ? QStringLiteral("prázdná množina") : QStringLiteral("R");
    case 3:
    case 4: return (a > 0 && c >= 0) ? QStringLiteral("R") : QStringLiteral("prázdná množina");
    default: return {};
    }
}

QString parenthesised_if_negative(double v) { return v < 0 ? u'(' + fmt(v) + u')' : fmt(v); }

} // namespace

std::array<double, 3> quadratic_terms(const WindowModel& m)
{
    return {store_double(parse_decimal(m.text(QStringLiteral("a1")))),
            store_double(parse_decimal(m.text(QStringLiteral("b1")))),
            store_double(parse_decimal(m.text(QStringLiteral("c1"))))};
}

void kvreseniClick(WindowModel& m)
{
    double a = 0, b = 0, c = 0;
    guarded_read(QStringLiteral("Nejsou zadany číselné hodnoty"), [&] {
        const std::array<double, 3> k = quadratic_terms(m);
        a = k[0];
        b = k[1];
        c = k[2];
    });
    if (a > 99999 || b > 99999 || c > 99999)
        report_error(QStringLiteral("Maximální hodnota zadání je 99999"));
    if (a < -9999 || b < -9999 || c < -9999)
        report_error(QStringLiteral("Minimální hodnota zadání je -9999"));
    if (a == 0)
        report_error(QStringLiteral("Konstanta A nemůže být rovna nule !"));

    const int relation = m.index(QStringLiteral("rovnice"));
    const int places = m.settings().zaokrouhleni;
    auto rnd = [&](double v) { return store_double(round_places(v, places)); };
    const long double A = a, B = b, C = c;

    const double D = store_double(B * B - 4 * A * C);
    m.setText(QStringLiteral("dres"), fmt(D));

    double xv = store_double(-(B / (2 * A)));
    double yv = store_double(-(B * B - 4 * A * C) / (4 * A));
    xv = rnd(xv);
    yv = rnd(yv);
    m.setText(QStringLiteral("vres"), u'[' + fmt(xv) + QStringLiteral(", ") + fmt(yv) + u']');

    QString square;
    if (b == 0) {
        square = QStringLiteral("Nelze doplnit !!!");
    } else {
        square = factor(a) + QStringLiteral("(x");
        if (xv < 0)
            square += QStringLiteral(" + ");
        square += fmt(-static_cast<long double>(xv)) + QStringLiteral(")^2");
        square += (yv >= 0 ? QStringLiteral(" + ") : QStringLiteral(" - ")) + fmt(std::fabs(yv));
        square += QStringLiteral(" = 0");
    }
    m.setText(QStringLiteral("ctvres"), square);

    double x1 = 0, x2 = 0;
    bool doubleRoot = false;
    QString solution;
    if (D < 0) {
        m.setText(QStringLiteral("x1res"), QString());
        m.setText(QStringLiteral("x2res"), QString());
        solution = no_root_set(relation, a, c);
    } else {
        // s stays extended: only D and the roots are stored.
        const long double s = std::sqrt(static_cast<long double>(D));
        x1 = store_double(-(s + B) / (2 * A));
        x2 = store_double(-(B - s) / (2 * A));
        if (x1 > x2)
            std::swap(x1, x2);
        x1 = rnd(x1);
        x2 = rnd(x2);
        m.setText(QStringLiteral("x1res"), fmt(x1));
        m.setText(QStringLiteral("x2res"), fmt(x2));
        solution = two_roots_set(relation, a > 0, fmt(x1), fmt(x2));
        if (x1 == x2) {
            doubleRoot = true;
            m.setText(QStringLiteral("x2res"), QString());
            solution = double_root_set(relation, a > 0, fmt(x1));
        }
    }
    m.setText(QStringLiteral("reseni"), solution);

    if (!m.settings().vypis_reseni)
        return;
    const QStringList& relations = m.field(QStringLiteral("rovnice")).items;
    m.listing_add(relation == 0 ? QStringLiteral("Kvadratická rovnice") : QStringLiteral("Kvadratická nerovnice"));
    m.listing_add(QStringLiteral(" "));

    QString problem = factor(a) + QStringLiteral("x^2 ");
    if (b < 0)
        problem += QStringLiteral("- ");
    else if (b > 0)
        problem += QStringLiteral("+ ");
    if (b != 0)
        problem += std::fabs(b) != 1 ? fmt(std::fabs(b)) + QStringLiteral("x ") : QStringLiteral("x ");
    if (c < 0)
        problem += QStringLiteral("- ") + fmt(std::fabs(c));
    else if (c > 0)
        problem += QStringLiteral("+ ") + fmt(c);
    problem += u' ' + relations.value(relation);
    m.listing_add(problem);

    QString disc = QStringLiteral("D = ");
    disc += b >= 0 ? fmt(b) + QStringLiteral("^2") : u'(' + fmt(b) + QStringLiteral(")^2");
    disc += QStringLiteral(" - 4 * ");
    disc += a >= 0 ? fmt(a) + QStringLiteral(" * ") : u'(' + fmt(a) + QStringLiteral(") * ");
    disc += parenthesised_if_negative(c);
    disc += QStringLiteral(" = ") + fmt(D);
    m.listing_add(disc);

    if (!m.text(QStringLiteral("x1res")).isEmpty()) {
        QString roots = doubleRoot ? QStringLiteral("x1 = (") : QStringLiteral("x1,x2 = (");
        roots += fmt(-static_cast<long double>(b)) + QStringLiteral(" +- sqrt(") + fmt(D) + QStringLiteral(")") +
                 QStringLiteral(")") + QStringLiteral(" / 2 * ");
        roots += a >= 0 ? fmt(a) : QStringLiteral("(-") + fmt(std::fabs(a)) + u')';
        roots += QStringLiteral(" = ") + fmt(x1) + QStringLiteral("; ") + fmt(doubleRoot ? x1 : x2);
        m.listing_add(roots);
    }
    m.listing_add(QStringLiteral("Řešení: ") + m.text(QStringLiteral("reseni")));
    m.listing_add(QStringLiteral("Vrchol paraboly: ") + m.text(QStringLiteral("vres")));
    m.listing_add(QStringLiteral("Čtverec : ") + m.text(QStringLiteral("ctvres")));
    m.listing_add(QString(36, u'-'));
    m.listing_show();
}

} // namespace qvk::equations
