// Reading a whole small file (a side file, a settings file) with the three
// outcomes its readers tell apart: not there, read, or there and unreadable
// (a folder in its place, no permission, a failing device).
#pragma once

#include <QByteArray>
#include <QString>

namespace WholeFile {

enum class Status
{
    Missing,
    Read,
    Failed
};

// On Failed, problem says why in Italian.
Status read(const QString& path, QByteArray* bytes, QString* problem);

} // namespace WholeFile
