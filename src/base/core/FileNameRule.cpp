#include "base/core/FileNameRule.h"

#include <QStringList>

namespace FileNameRule {

namespace {

bool isDeviceName(const QString& name)
{
    // Windows ignores what follows the first dot, and blanks before it.
    QString base = name.left(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    base = base.toUpper();
    static const QStringList plain = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                      QStringLiteral("NUL")};
    if (plain.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))) &&
        base.at(3) >= QLatin1Char('1') && base.at(3) <= QLatin1Char('9');
}

} // namespace

QString refusal(const QString& name)
{
    static const QString refused = QStringLiteral("\"*/:<>?\\|");
    for (QChar c : name) {
        if (refused.contains(c) || c.unicode() < 32)
            return QStringLiteral("Attenzione: il nome \"%1\" contiene caratteri non ammessi.\r\n\r\n"
                                  "Non si possono usare i caratteri \" * / : < > ? \\ |.")
                .arg(name);
    }
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QStringLiteral("Attenzione: il nome \"%1\" termina con un punto o con uno spazio, "
                              "che Windows non ammette alla fine del nome di un file.\r\n\r\n"
                              "Inserire un nome diverso.")
            .arg(name);
    if (isDeviceName(name))
        return QStringLiteral("Attenzione: \"%1\" è un nome riservato da Windows (CON, PRN, AUX, NUL, COM1-COM9, "
                              "LPT1-LPT9) e non si può usare come nome di file, nemmeno con un'estensione.\r\n\r\n"
                              "Inserire un nome diverso.")
            .arg(name);
    return QString();
}

} // namespace FileNameRule
