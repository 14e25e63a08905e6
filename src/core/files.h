#pragma once
#include <QString>

namespace qvk {

// The user's temporary folder, with its trailing separator.
QString temp_folder();

// Whether a file can be created, written and deleted in `folder` (which ends
// with a separator). Probes with a uniquely named file, so no file of the
// user's is ever touched; leaves nothing behind.
bool folder_writable(const QString& folder);

} // namespace qvk
