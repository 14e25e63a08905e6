#include "shell/desktop.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace qvk::shell {

QStringList desktop_calculators()
{
    // Not "calc": on Debian that name is a terminal program, which started
    // without a terminal shows nothing at all.
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),       QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("speedcrunch"), QStringLiteral("xcalc")};
}

QString find_on_path(const QString& name) { return QStandardPaths::findExecutable(name); }

ProgramFinder finder_on(const QString& path)
{
    const QStringList folders = path.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    return [folders](const QString& name) {
        return folders.isEmpty() ? QString() : QStandardPaths::findExecutable(name, folders);
    };
}

QString no_calculator_text()
{
    return QStringLiteral("Kalkulačku nelze spustit, v systému není žádná nainstalována (") +
           desktop_calculators().join(QStringLiteral(", ")) + QStringLiteral(")");
}

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
