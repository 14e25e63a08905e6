#include "equations/system.h"

namespace qvk::equations {

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
}

void register_system(Registry&) {}

} // namespace qvk::equations
