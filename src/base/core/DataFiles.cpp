#include "base/core/DataFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace DataFiles {

namespace {
bool inFolder(const QString& path, const QString& folder)
{
    return path.startsWith(folder + QLatin1Char('/'), Qt::CaseInsensitive) && path.size() > folder.size() + 1;
}

bool rootData(const QString& name)
{
    if (name.contains(QLatin1Char('/')) || name.compare(BackupSettingsFile, Qt::CaseInsensitive) == 0)
        return false;
    if (name.compare(CandidateArchive, Qt::CaseInsensitive) == 0 ||
        name.compare(PasswordFile, Qt::CaseInsensitive) == 0)
        return true;
    for (const char* ext : {".vai", ".json", ".ini"}) {
        if (name.endsWith(QLatin1String(ext), Qt::CaseInsensitive) && name.size() > int(qstrlen(ext)))
            return true;
    }
    return false;
}
} // namespace

bool isData(const QString& relativePath)
{
    if (relativePath.isEmpty() || relativePath.startsWith(QLatin1Char('/')))
        return false;
    const QStringList parts = relativePath.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return rootData(relativePath) || inFolder(relativePath, PhotoFolder) || inFolder(relativePath, AttachmentFolder);
}

QStringList list(const QString& folder)
{
    QStringList out;
    const QDir dir(folder);
    for (const QFileInfo& fi : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!fi.isSymLink() && rootData(fi.fileName()))
            out << fi.fileName();
    }
    for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (sub.compare(PhotoFolder, Qt::CaseInsensitive) != 0 &&
            sub.compare(AttachmentFolder, Qt::CaseInsensitive) != 0)
            continue;
        if (QFileInfo(dir.filePath(sub)).isSymLink())
            continue;
        QDirIterator it(dir.filePath(sub), QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            out << dir.relativeFilePath(path);
        }
    }
    out.sort();
    return out;
}

} // namespace DataFiles
