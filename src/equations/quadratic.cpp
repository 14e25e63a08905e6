#include "equations/quadratic.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"
#include "model/declare.h"

#include <cmath>
#include <limits>

namespace qvk::equations {

namespace {

const char* const kRelations[] = {"= 0", "<= 0", "< 0", "> 0", ">= 0"};

using declare::Entry;
// In tab order. The captions are wide enough for the longest, "Doplnění na
// čtverec"; each root has room for 15 digits with sign and comma.
constexpr Entry kPage[] = {
    {.role = Entry::Input, .name = "a1", .caption = "Člen a", .hint = "Zadejte člen \"a\"", .text = "2", .maxLength = 5,
     .at = {6, 8, 44, 22}},
    {.role = Entry::Input, .name = "b1", .caption = "Člen b", .hint = "Zadejte člen \"b\"", .text = "12", .maxLength = 5,
     .at = {84, 8, 44, 22}},
    {.role = Entry::Input, .name = "c1", .caption = "Člen c", .hint = "Zadejte člen \"c\"", .text = "16", .maxLength = 5,
     .at = {160, 8, 44, 22}},
    {.role = Entry::Choice, .name = "rovnice", .caption = "Relace", .hint = "Určete jakou chcete řešit (ne)rovnici",
     .items = kRelations, .at = {208, 8, 58, 22}},
    {.role = Entry::Press, .name = "kvreseni", .caption = "&Vyřeš", .hint = "Vyřeší zadanou kvadratickou rovnici",
     .calculates = true, .at = {272, 6, 84, 26}, .icon = "vypocti"},
    {.role = Entry::Output, .name = "dres", .caption = "Diskriminant", .at = {134, 40, 226, 22},
     .captionAt = {6, 42, 124, 20}},
    {.role = Entry::Text, .name = "x1name", .text = "x1 =", .at = {6, 68, 32, 20}},
    {.role = Entry::Output, .name = "x1res", .caption = "x1 =", .hint = "Kořeny (ne)rovnice", .at = {40, 66, 140, 22}},
    {.role = Entry::Text, .name = "x2name", .text = "x2 =", .at = {186, 68, 32, 20}},
    {.role = Entry::Output, .name = "x2res", .caption = "x2 =", .at = {220, 66, 140, 22}},
    {.role = Entry::Text, .name = "reseni_nadpis", .hint = "Řešení (ne)rovnice", .text = "Řešení", .at = {6, 94, 124, 20}},
    {.role = Entry::Output, .name = "reseni", .caption = "Řešení", .hint = "Řešení (ne)rovnice", .at = {134, 92, 226, 22}},
    {.role = Entry::Output, .name = "vres", .caption = "Vrchol paraboly", .hint = "Vrchol paraboly kvadratické funkce",
     .at = {134, 118, 226, 22}, .captionAt = {6, 120, 124, 20}},
    {.role = Entry::Output, .name = "ctvres", .caption = "Doplnění na čtverec", .at = {134, 144, 226, 22},
     .captionAt = {6, 146, 124, 20}},
};

} // namespace

std::span<const declare::Entry> quadratic_fields() { return kPage; }

void declare_quadratic(WindowModel& m) { declare::declare_all(m, kPage); }

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

QString parenthesised_if_negative(double v) { return v < 0 ? u'(' + fmt(v) + u')' : fmt(v); }

constexpr double kInf = std::numeric_limits<double>::infinity();

SolutionSet two_roots_set(int relation, bool positive, double L, double U)
{
    using Shape = SolutionSet::Shape;
    const SolutionSet closed{Shape::Between, true, {{L, U, true, true}}};
    const SolutionSet open{Shape::Between, false, {{L, U, false, false}}};
    const SolutionSet outsideClosed{Shape::Outside, true, {{-kInf, L, false, true}, {U, kInf, true, false}}};
    const SolutionSet outsideOpen{Shape::Outside, false, {{-kInf, L, false, false}, {U, kInf, false, false}}};
    switch (relation) {
    case 0: return {Shape::Points, false, {{L, L, true, true}, {U, U, true, true}}};
    case 1: return positive ? closed : outsideClosed;
    case 2: return positive ? open : outsideOpen;
    case 3: return positive ? outsideOpen : open;
    case 4: return positive ? outsideClosed : closed;
    default: return {};
    }
}

SolutionSet double_root_set(int relation, bool positive, double L)
{
    using Shape = SolutionSet::Shape;
    const SolutionSet single{Shape::Points, false, {{L, L, true, true}}};
    const SolutionSet all{Shape::All, false, {{}}};
    const SolutionSet allBut{Shape::AllBut, false, {{-kInf, L, false, false}, {L, kInf, false, false}}};
    const SolutionSet empty{Shape::Empty, false, {}};
    switch (relation) {
    case 0: return single;
    case 1: return positive ? single : all;
    case 2: return positive ? empty : allBut;
    case 3: return positive ? allBut : empty;
    case 4: return positive ? all : single;
    default: return {};
    }
}

SolutionSet no_root_set(int relation, double a, double c)
{
    using Shape = SolutionSet::Shape;
    const SolutionSet all{Shape::All, false, {{}}};
    const SolutionSet empty{Shape::Empty, false, {}};
    switch (relation) {
    case 0: return empty;
    case 1:
    case 2: return (a >= 0 || c > 0) ? empty : all;
    case 3:
    case 4: return (a > 0 && c >= 0) ? all : empty;
    default: return {};
    }
}

} // namespace

QuadraticResult solve_quadratic(const QuadraticInput& in)
{
    QuadraticResult r;
    r.in = in;
    const long double A = in.a, B = in.b, C = in.c;
    try {
        r.D = static_cast<double>(discriminant(A, B, C));
        r.reached = QuadraticResult::Stage::Discriminant;

        const long double xv = vertex_x(A, B), yv = vertex_y(A, B, C);
        r.xv = static_cast<double>(rounded(xv, in.places));
        r.yv = static_cast<double>(rounded(yv, in.places));
        r.reached = QuadraticResult::Stage::Vertex;

        if (r.D < 0) {
            r.solution = no_root_set(in.relation, in.a, in.c);
        } else {
            r.realRoots = true;
            const long double d = r.D;
            double x1 = static_cast<double>(root_minus(A, B, d));
            double x2 = static_cast<double>(root_plus(A, B, d));
            if (x1 > x2)
                std::swap(x1, x2);
            r.x1 = static_cast<double>(rounded(x1, in.places));
            r.x2 = static_cast<double>(rounded(x2, in.places));
            r.doubleRoot = r.x1 == r.x2;
            r.solution = r.doubleRoot ? double_root_set(in.relation, in.a > 0, r.x1)
                                      : two_roots_set(in.relation, in.a > 0, r.x1, r.x2);
        }
        r.reached = QuadraticResult::Stage::Roots;
    } catch (...) {
        r.failure = std::current_exception();
    }
    return r;
}

QString vertex_text(const QuadraticResult& r) { return u'[' + fmt(r.xv) + QStringLiteral(", ") + fmt(r.yv) + u']'; }

QString square_text(const QuadraticResult& r)
{
    if (r.in.b == 0)
        return QStringLiteral("Nelze doplnit !!!");
    QString square = factor(r.in.a) + QStringLiteral("(x");
    if (r.xv < 0)
        square += QStringLiteral(" + ");
    square += fmt(-static_cast<long double>(r.xv)) + QStringLiteral(")^2");
    square += (r.yv >= 0 ? QStringLiteral(" + ") : QStringLiteral(" - ")) + fmt(std::fabs(r.yv));
    return square + QStringLiteral(" = 0");
}

QString solution_text(const QuadraticResult& r) { return solution_text(r, fmt(r.x1), fmt(r.x2)); }

QString solution_text(const QuadraticResult& r, const QString& L, const QString& U)
{
    using Shape = SolutionSet::Shape;
    const SolutionSet& set = r.solution;
    switch (set.shape) {
    case Shape::None: return {};
    case Shape::Empty:
        // The page has always written the empty set three ways.
        if (r.in.relation == 0)
            return QStringLiteral("prazdná množina");
        if (r.doubleRoot && r.in.relation == 2)
            return QStringLiteral("prázdná množina ");
        return QStringLiteral("prázdná množina");
    case Shape::All: return QStringLiteral("R");
    case Shape::AllBut: return QStringLiteral("R - {") + L + u'}';
    case Shape::Points: return r.doubleRoot ? u'{' + L + u'}' : u'{' + L + QStringLiteral("; ") + U + u'}';
    case Shape::Between:
        return set.closed ? u'<' + L + QStringLiteral("; ") + U + u'>' : u'(' + L + QStringLiteral("; ") + U + u')';
    case Shape::Outside:
        return set.closed ? QStringLiteral("(-nekon.; ") + L + QStringLiteral("> U <") + U + QStringLiteral("; +nekon.)")
                          : QStringLiteral("(-nekon.; ") + L + QStringLiteral(") U (") + U + QStringLiteral("; +nekon.)");
    }
    return {};
}

static std::array<double, 3> quadratic_terms(const WindowModel& m)
{
    return {store_double(parse_decimal(m.text(QStringLiteral("a1")))),
            store_double(parse_decimal(m.text(QStringLiteral("b1")))),
            store_double(parse_decimal(m.text(QStringLiteral("c1"))))};
}

namespace {

void write_listing(WindowModel& m, const QuadraticResult& r)
{
    const double a = r.in.a, b = r.in.b, c = r.in.c;
    const int relation = r.in.relation;
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
    disc += QStringLiteral(" = ") + fmt(r.D);
    m.listing_add(disc);

    if (r.realRoots) {
        QString roots = r.doubleRoot ? QStringLiteral("x1 = (") : QStringLiteral("x1,x2 = (");
        roots += fmt(-static_cast<long double>(b)) + QStringLiteral(" +- sqrt(") + fmt(r.D) + QStringLiteral(")") +
                 QStringLiteral(")") + QStringLiteral(" / 2 * ");
        roots += a >= 0 ? fmt(a) : QStringLiteral("(-") + fmt(std::fabs(a)) + u')';
        roots += QStringLiteral(" = ") + fmt(r.x1) + QStringLiteral("; ") + fmt(r.doubleRoot ? r.x1 : r.x2);
        m.listing_add(roots);
    }
    m.listing_add(QStringLiteral("Řešení: ") + solution_text(r));
    m.listing_add(QStringLiteral("Vrchol paraboly: ") + vertex_text(r));
    m.listing_add(QStringLiteral("Čtverec : ") + square_text(r));
    m.listing_add(QString(36, u'-'));
    m.listing_show();
}

} // namespace

void kvreseniClick(WindowModel& m)
{
    QuadraticInput in;
    guarded_read(QStringLiteral("Nejsou zadany číselné hodnoty"), [&] {
        const std::array<double, 3> k = quadratic_terms(m);
        in.a = k[0];
        in.b = k[1];
        in.c = k[2];
    });
    if (in.a > 99999 || in.b > 99999 || in.c > 99999)
        report_error(QStringLiteral("Maximální hodnota zadání je 99999"));
    if (in.a < -9999 || in.b < -9999 || in.c < -9999)
        report_error(QStringLiteral("Minimální hodnota zadání je -9999"));
    if (in.a == 0)
        report_error(QStringLiteral("Konstanta A nemůže být rovna nule !"));
    in.relation = m.index(QStringLiteral("rovnice"));
    in.places = m.settings().zaokrouhleni;

    const QuadraticResult r = solve_quadratic(in);

    // What the solve reached is shown even when it stopped on a fault.
    using Stage = QuadraticResult::Stage;
    if (r.reached >= Stage::Discriminant)
        m.setText(QStringLiteral("dres"), fmt(r.D));
    if (r.reached >= Stage::Vertex) {
        m.setText(QStringLiteral("vres"), vertex_text(r));
        m.setText(QStringLiteral("ctvres"), square_text(r));
    }
    if (r.reached >= Stage::Roots) {
        m.setText(QStringLiteral("x1res"), r.realRoots ? fmt(r.x1) : QString());
        m.setText(QStringLiteral("x2res"), r.realRoots && !r.doubleRoot ? fmt(r.x2) : QString());
        m.setText(QStringLiteral("reseni"), solution_text(r));
    }
    if (r.failure)
        std::rethrow_exception(r.failure);
    m.publish(QLatin1String(kQuadraticPage), r);
    m.explain([r] { return explain_quadratic(r); });

    if (m.settings().vypis_reseni)
        write_listing(m, r);
}

} // namespace qvk::equations
