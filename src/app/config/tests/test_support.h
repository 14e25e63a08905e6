#pragma once
// Temporary folders and file helpers shared by the configuration tests.
#include <QByteArray>
#include <QString>

namespace qvk::config::testing {

QByteArray read_bytes(const QString& path);
void write_bytes(const QString& path, const QByteArray& bytes);

// True when folder permissions are not enforced for this process (root).
bool permissions_ignored();

// Runs `work` while no file may grow beyond `limit` bytes, as on a full disk.
void with_file_size_limit(long limit, void (*work)(void*), void* context);

template <typename F>
void while_disk_full(long limit, F&& f)
{
    with_file_size_limit(limit, [](void* c) { (*static_cast<F*>(c))(); }, &f);
}

} // namespace qvk::config::testing
