#include "base/core/LinkGuard.h"

#include <QDir>
#include <QFileInfo>

namespace LinkGuard {

namespace {
bool inside(const QString& path, const QString& root)
{
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

// Where path really is: the canonical form of the nearest part of it that
// exists, with the missing rest added back. Links that go round in a circle
// resolve to nothing, which is never inside the folder.
QString resolved(const QString& absolute, int depth = 0)
{
    if (depth > 40)
        return QString();
    QString existing = absolute;
    QString rest;
    for (;;) {
        const QFileInfo fi(existing);
        if (fi.isSymLink() && !fi.exists()) {
            // A link to nothing: the file would be made where it points.
            const QString target = fi.symLinkTarget();
            const QString real = target.isEmpty() ? QString() : resolved(target, depth + 1);
            return real.isEmpty() ? QString() : real + rest;
        }
        if (fi.exists())
            return fi.canonicalFilePath() + rest;
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return absolute;
        rest.prepend(existing.mid(slash));
        existing.truncate(slash);
    }
}
} // namespace

bool leadsOut(const QString& path, const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QString base = QDir::cleanPath(QDir(folder).absolutePath());
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!inside(absolute, base))
        return false;
    const QString root = QFileInfo(base).canonicalFilePath();
    if (root.isEmpty())
        return false;
    const QString real = resolved(absolute);
    return real.isEmpty() || !inside(real, root);
}

QString message(const QString& shownName)
{
    return QStringLiteral("Il file \"%1\" si trova dietro un collegamento simbolico che porta fuori dalla cartella "
                          "del programma: per sicurezza Selvora non vi scrive.")
        .arg(shownName);
}

} // namespace LinkGuard
