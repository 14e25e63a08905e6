#include "app/config/locations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

QString ensured_user_folder(const QString& folder)
{
    if (!folder.isEmpty() && !QFileInfo(folder).isDir() && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return with_separator(folder);
}

QString platform_user_folder()
{
    return ensured_user_folder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
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
