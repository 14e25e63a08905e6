#include "app/config/locations.h"

#include <QDir>
#include <QStandardPaths>

namespace qvk::config {

namespace {
const QString kFolder = QStringLiteral("QVkalkor");
const QString kFile = QStringLiteral("qvkalkor.ini");
} // namespace

QString with_separator(const QString& folder)
{
    QString f = QDir::toNativeSeparators(folder);
    if (!f.isEmpty() && !f.endsWith(QDir::separator()))
        f += QDir::separator();
    return f;
}

QString platform_user_folder()
{
    return with_separator(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

Locations Locations::forProgram(const QString& programFolder)
{
    return Locations{with_separator(programFolder), platform_user_folder()};
}

QString Locations::normalFile() const { return programFolder + kFile; }

QString Locations::markerFile() const { return programFolder + QStringLiteral("users.qvp"); }

QString Locations::userConfigFolder() const { return userFolder.isEmpty() ? QString() : userFolder + kFolder; }

QString Locations::multiUserFile() const
{
    return userFolder.isEmpty() ? QString() : userConfigFolder() + QDir::separator() + kFile;
}

} // namespace qvk::config
