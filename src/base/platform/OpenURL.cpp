#include "base/platform/OpenURL.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
bool g_test = false;
QStringList g_opened;
} // namespace

bool TMisc::Open(const QString& target)
{
    if (g_test) {
        g_opened.append(target);
        return true;
    }
    QString t = target.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
        t = t.mid(1, t.size() - 2);
    QUrl url;
    if (t.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive)) {
        // The address goes as typed: no percent-encoding of its characters.
        url = QUrl(t, QUrl::TolerantMode);
    } else if (t.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
               t.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive)) {
        url = QUrl(t, QUrl::TolerantMode);
    } else {
        url = QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath());
    }
    return QDesktopServices::openUrl(url);
}

void TMisc::setTestMode(bool on)
{
    g_test = on;
}
QStringList TMisc::opened()
{
    return g_opened;
}
void TMisc::resetTestState()
{
    g_opened.clear();
}
