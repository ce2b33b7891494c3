#include "shared/ui/SaveName.h"

#include "base/core/AccessMode.h"
#include "base/core/FileNameRule.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace SaveName {

QString folder(const QString& preferred)
{
    QString out =
        AccessMode::readOnly() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : preferred;
    if (!out.endsWith(QLatin1Char('/')))
        out += QLatin1Char('/');
    return out;
}

QString ask(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
            const QString& defaultSuffix)
{
    const QString path = FileDialogs::getSaveFileName(parent, caption, proposed, filter, defaultSuffix);
    if (path.isEmpty())
        return path;
    const QString why = FileNameRule::refusal(QFileInfo(path).fileName());
    if (!why.isEmpty()) {
        Messages::warning(parent, why);
        return QString();
    }
    return path;
}

} // namespace SaveName
