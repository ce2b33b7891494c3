#include "base/core/SafeWrite.h"
#include "base/core/SystemError.h"

#include "base/core/AccessMode.h"
#include "base/core/LinkGuard.h"
#include "base/core/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace SafeWrite {

bool wholeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    auto failed = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    // A read-only run never writes into the program folder, whatever asks.
    if (AccessMode::readOnly() &&
        QFileInfo(path).absoluteFilePath().startsWith(QDir(ProgramFolder::path()).absolutePath() + QLatin1Char('/')))
        return failed(AccessMode::reason());
    // A link planted in the folder must not make a side file replace a file
    // elsewhere on the computer.
    const QString folder = ProgramFolder::path();
    if (LinkGuard::leadsOut(path, folder))
        return failed(LinkGuard::message(QDir(folder).relativeFilePath(QFileInfo(path).absoluteFilePath())));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return failed(SystemError::of(out));
    // Every step is checked: a full disk can let commit() report success
    // after a short write, so a write that fell short is cancelled here.
    if (out.write(bytes) != bytes.size() || !out.flush() || out.error() != QFileDevice::NoError) {
        const QString why = SystemError::of(out);
        out.cancelWriting();
        return failed(why);
    }
    if (!out.commit())
        return failed(SystemError::of(out));
    return true;
}

} // namespace SafeWrite
