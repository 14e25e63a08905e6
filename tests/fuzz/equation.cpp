// Any text pasted into a coefficient field: the equation reader never
// crashes, takes only what it reads exactly, and an equation it took, written
// out again from its coefficients, reads back the same. The fields it fills
// hold numbers the page reads.
#include "core/errors.h"
#include "core/numeric.h"
#include "equations/cubic.h"
#include "equations/equation_text.h"
#include "equations/quadratic.h"

#include <QStringList>

#include <cfenv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace qvk;

namespace {

[[noreturn]] void fail(const char* what, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(text));
    std::abort();
}

QString written(const equations::EquationText& e)
{
    static const char* const kRelations[] = {" = 0", " <= 0", " < 0", " > 0", " >= 0"};
    QString t;
    for (int i = 0; i <= e.degree; ++i) {
        const int power = e.degree - i;
        QString c = e.coefficients[i];
        const bool negative = c.startsWith(u'-');
        if (negative)
            c.remove(0, 1);
        t += negative ? QStringLiteral(" - ") : QStringLiteral(" + ");
        t += c;
        if (power > 0)
            t += QStringLiteral("x^") + QString::number(power);
    }
    if (e.relation >= 0)
        t += QLatin1String(kRelations[e.relation]);
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto e = equations::read_equation_text(text);
    if (e) {
        if (e->degree < 1 || e->degree > 3 || e->coefficients.size() != e->degree + 1 || e->relation < -1 ||
            e->relation > 4)
            fail("bad shape", text);
        for (const QString& c : e->coefficients) {
            try {
                (void)parse_decimal(c);
            } catch (const Exception&) {
                fail("coefficient not a number", text);
            }
        }
        const auto again = equations::read_equation_text(written(*e));
        if (!again || again->coefficients != e->coefficients || again->relation != e->relation)
            fail("not read back", text);
    }

    // The same text pasted into each page: taken exactly when it is an
    // equation of the page that fits its fields, and then written as read.
    static WindowModel* m = [] {
        auto* model = new WindowModel;
        equations::declare_quadratic(*model);
        equations::declare_cubic(*model);
        return model;
    }();
    const QStringList pages[] = {{"a1", "b1", "c1"}, {"kub_a", "kub_b", "kub_c", "kub_d"}};
    for (int degree = 2; degree <= 3; ++degree) {
        const QStringList& fields = pages[degree - 2];
        bool fits = e && e->degree == degree && (degree == 2 || e->relation <= 0);
        for (int i = 0; fits && i < fields.size(); ++i)
            fits = e->coefficients[i].size() <= m->field(fields[i]).maxLength;
        if (equations::paste_equation(*m, fields[0], text) != fits)
            fail("taken or left against the reading", text);
        for (int i = 0; fits && i < fields.size(); ++i)
            if (m->text(fields[i]) != e->coefficients[i])
                fail("field not written as read", text);
    }
    return 0;
}
