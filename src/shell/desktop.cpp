#include "shell/desktop.h"

#include <QProcess>
#include <QStandardPaths>

namespace qvk::shell {

QStringList desktop_calculators()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
}

QString find_on_path(const QString& name) { return QStandardPaths::findExecutable(name); }

bool start_detached(const QString& path) { return QProcess::startDetached(path, {}); }

QString start_desktop_calculator(const ProgramFinder& find, const ProgramStarter& start)
{
    for (const QString& name : desktop_calculators()) {
        const QString path = find(name);
        if (path.isEmpty())
            continue;
        // A failed start is not reported.
        start(path);
        return path;
    }
    return {};
}

} // namespace qvk::shell
