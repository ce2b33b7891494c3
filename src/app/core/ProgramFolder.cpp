#include "app/core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString g_override;

QString withSlash(QString folder)
{
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

namespace ProgramFolder {

QString path()
{
    if (!g_override.isEmpty())
        return g_override;
    return withSlash(QCoreApplication::applicationDirPath());
}

QString file(const QString& name)
{
    return path() + name;
}

void setOverride(const QString& folder)
{
    g_override = withSlash(folder);
}

void clearOverride()
{
    g_override.clear();
}

} // namespace ProgramFolder
