#include "base/core/WholeFile.h"

#include "base/core/SystemError.h"

#include <QFile>
#include <QFileInfo>

namespace WholeFile {

Status read(const QString& path, QByteArray* bytes, QString* problem)
{
    bytes->clear();
    const QFileInfo info(path);
    if (!info.exists())
        return Status::Missing;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = info.isDir() ? QStringLiteral("al suo posto c'è una cartella.") : SystemError::of(file);
        return Status::Failed;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes->clear();
        if (problem)
            *problem = SystemError::of(file);
        return Status::Failed;
    }
    return Status::Read;
}

} // namespace WholeFile
