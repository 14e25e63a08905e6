#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <stdexcept>
#include <sys/resource.h>

namespace qvk::config::testing {

QByteArray read_bytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void write_bytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

bool permissions_ignored()
{
    QTemporaryDir dir;
    const QString ro = dir.filePath(QStringLiteral("ro"));
    QDir().mkdir(ro);
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(ro + QStringLiteral("/probe"));
    const bool ignored = probe.open(QIODevice::WriteOnly);
    probe.close();
    QFile::remove(probe.fileName());
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return ignored;
}

void with_file_size_limit(long limit, void (*work)(void*), void* context)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(limit);
    // Beyond the limit a write fails with EFBIG instead of ending the process.
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    work(context);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
}

} // namespace qvk::config::testing
