// The number-base page and the fractions page, fed anything: the base
// reader, its key filter and the fraction inputs never crash, and a value
// read in a base, written in it again, reads back the same.
#include "model/model.h"
#include "model/registry.h"
#include "numbers/bases.h"
#include "numbers/fractions.h"

#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace qvk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return -1;
    const int base = 2 + data[0] % 35;
    const int operation = data[1] % 4;
    const bool mixed = data[2] & 1;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));

    const numbers::BaseReading r = numbers::read_in_base(text, base);
    if (r.status == numbers::BaseReading::Ok && r.value >= 0) {
        const QString written = numbers::write_in_base(r.value, base);
        const numbers::BaseReading again = numbers::read_in_base(written, base);
        if (again.status != numbers::BaseReading::Ok || again.value != r.value) {
            std::fprintf(stderr, "%s in base %d does not read back\n", qPrintable(written), base);
            std::abort();
        }
    }
    QString typed;
    for (QChar c : text)
        if (const std::optional<QChar> kept = numbers::cislo1KeyPress(c))
            typed += *kept;
    (void)numbers::read_in_base(typed, base);

    // The fraction fields, one per line of the input.
    WindowModel m;
    RecordingHost host;
    m.setHost(&host);
    numbers::declare_fractions(m);
    const QStringList parts = text.split(u'\n');
    const char* fields[] = {"z1", "z2", "z3", "z4", "zadani_c"};
    for (int i = 0; i < 5 && i < parts.size(); ++i)
        m.setText(QString::fromLatin1(fields[i]), parts[i]);
    m.setIndex(QStringLiteral("operace"), operation);
    m.setChecked(QStringLiteral("cele"), mixed);
    // As the window runs them: a refused input is shown, not thrown out.
    run_guarded(m, [&] { numbers::fraction_compute(m); });
    run_guarded(m, [&] { numbers::prevedClick(m); });
    return 0;
}
