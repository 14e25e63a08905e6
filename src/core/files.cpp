#include "core/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace qvk {

QString temp_folder()
{
    QString path = QDir::toNativeSeparators(QDir::tempPath());
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

bool folder_writable(const QString& folder)
{
    if (!QDir(folder).exists())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("qvkalkor-probe-XXXXXX.txt")));
    probe.setAutoRemove(false);
    if (!probe.open())
        return false;
    const QString name = probe.fileName();
    const bool written = probe.write("test\r\n") == 6 && probe.flush();
    probe.close();
    const bool removed = QFile::remove(name);
    return written && removed;
}

} // namespace qvk
