#include "sessions/core/SessionCatalogue.h"
#include "base/core/SystemError.h"

#include "base/core/TextRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace SessionCatalogue {

bool isRefusedKey(QChar c)
{
    static const QString refused = QStringLiteral("\"*/:<>?\\°ÇÑçñ");
    return refused.contains(c);
}

bool isAcceptableName(const QString& name)
{
    for (QChar c : name) {
        if (isRefusedKey(c) || c == QLatin1Char('|') || c.unicode() < 32 || c.unicode() == 127)
            return false;
    }
    return true;
}

QStringList list(const QString& folder)
{
    QStringList names;
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& info : entries) {
        if (info.fileName().endsWith(Extension, Qt::CaseInsensitive))
            names.append(info.fileName());
    }
    std::sort(names.begin(), names.end(), TextRules::listLess);
    return names;
}

bool exists(const QString& folder, const QString& fileName)
{
    if (QFileInfo::exists(QDir(folder).filePath(fileName)))
        return true;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int createEmpty(const QString& path)
{
    // Through Qt, so that no system header is needed here; the number of the
    // failed open() is still the one the user is shown.
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const int code = errno;
        return code ? code : EIO;
    }
    file.close();
    return file.error() == QFileDevice::NoError ? 0 : EIO;
}

QString sessionName(const QString& fileName)
{
    return fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
}

} // namespace SessionCatalogue

namespace SessionCatalogue {

bool removeSession(const QString& path, QString* error)
{
    bool ok = true;
    for (const QString& file : {path, sidePath(path, GridSuffix), sidePath(path, CalendarSuffix)}) {
        QFile f(file);
        if (f.exists() && !f.remove()) {
            ok = false;
            if (error)
                *error = SystemError::of(f);
        }
    }
    return ok;
}

QString sidePath(const QString& sessionPath, const QString& suffix)
{
    const QFileInfo info(sessionPath);
    QString base = info.fileName();
    if (base.size() > 4 && base.right(4).compare(QStringLiteral(".vai"), Qt::CaseInsensitive) == 0)
        base.chop(4);
    return info.dir().filePath(base + suffix);
}

} // namespace SessionCatalogue
