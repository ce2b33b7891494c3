#include "base/core/JsonSideFile.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace JsonSideFile {

bool open(const QByteArray& bytes, const QString& format, int version, const QString& kind, QJsonObject* root,
          QString* problem)
{
    *root = QJsonObject();
    auto fail = [&](const QString& why) {
        if (problem)
            *problem = why;
        return false;
    };
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return fail(QStringLiteral("il testo non è leggibile (errore al carattere %1).").arg(error.offset));
    const QJsonObject object = doc.object();
    if (object.value(QStringLiteral("format")).toString() != format)
        return fail(QStringLiteral("non è un file %1 di Selvora.").arg(kind));
    const int found = object.value(QStringLiteral("version")).toInt(0);
    if (found < 1)
        return fail(QStringLiteral("manca il numero di versione."));
    if (found > version)
        return fail(QStringLiteral("è stato scritto da una versione più recente del programma."));
    *root = object;
    return true;
}

} // namespace JsonSideFile
