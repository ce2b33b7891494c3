// Whole-file writes that never leave a torn file: the bytes go to a temporary
// file beside the target, which replaces it only when every step succeeded.
#pragma once

#include <QByteArray>
#include <QString>

namespace SafeWrite {

// Writes bytes as the whole new content of path. On failure the old file (if
// any) is left as it was and error says why.
bool wholeFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace SafeWrite
