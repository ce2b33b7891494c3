// Copying files into the attachment folder and naming them safely there.
#include "candidates/core/Attachments.h"
#include "app/core/SystemError.h"

#include "app/core/ProgramFolder.h"
#include "app/core/TextRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Attachments {

QString cartella()
{
    return ProgramFolder::file(QStringLiteral("Documenti_Allegati"));
}

bool nomeSicuro(const QString& name)
{
    const QString n = TextRules::trimmed(name);
    if (n.isEmpty() || n == QLatin1String(".") || n == QLatin1String(".."))
        return false;
    if (n.contains(QLatin1Char('/')) || n.contains(QLatin1Char('\\')))
        return false;
    // A NUL would cut the name short where the system reads it.
    return !n.contains(QChar(0));
}

QString percorso(const QString& name)
{
    if (!nomeSicuro(name))
        return QString();
    return cartella() + QLatin1Char('/') + TextRules::trimmed(name);
}

QString nomeDi(const QString& sourcePath)
{
    return QFileInfo(sourcePath).fileName();
}

bool esiste(const QString& name)
{
    const QString p = percorso(name);
    return !p.isEmpty() && QFileInfo::exists(p);
}

bool stessoFile(const QString& sourcePath, const QString& name)
{
    const QString p = percorso(name);
    if (p.isEmpty() || !QFileInfo::exists(p))
        return false;
    const QString a = QFileInfo(sourcePath).canonicalFilePath();
    return !a.isEmpty() && a == QFileInfo(p).canonicalFilePath();
}

bool copia(const QString& sourcePath, QString* error)
{
    auto failed = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString target = percorso(nomeDi(sourcePath));
    if (target.isEmpty())
        return failed(QStringLiteral("unsafe file name"));
    if (!QDir().mkpath(cartella()))
        return failed(QStringLiteral("cannot create %1").arg(cartella()));

    QFile in(sourcePath);
    if (!in.open(QIODevice::ReadOnly))
        return failed(SystemError::of(in));
    // Written beside the old file and renamed over it at the end, so a copy
    // that fails half way keeps the file that other cards may name.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return failed(SystemError::of(out));
    QByteArray block;
    for (;;) {
        block = in.read(1 << 20);
        if (block.isEmpty()) {
            if (in.error() != QFileDevice::NoError || !in.atEnd()) {
                const QString why = SystemError::of(in);
                out.cancelWriting();
                return failed(why);
            }
            break;
        }
        if (out.write(block) != block.size()) {
            const QString why = SystemError::of(out);
            out.cancelWriting();
            return failed(why);
        }
    }
    if (!out.flush() || out.error() != QFileDevice::NoError) {
        const QString why = SystemError::of(out);
        out.cancelWriting();
        return failed(why);
    }
    if (!out.commit())
        return failed(SystemError::of(out));
    return true;
}

QString titolo()
{
    return QStringLiteral("Selezionare il file da allegare:");
}

QString filtro()
{
    // Every file, with or without an extension.
    return QStringLiteral("Tutti i file (*)");
}

QString domandaSovrascrivi()
{
    return QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file "
                          "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
}

QString messaggioCopia(const QString& name)
{
    return QStringLiteral("Attenzione: non è stato possibile copiare il file \"") + name +
        QStringLiteral("\" nella cartella dei documenti allegati.\r\n\r\n"
                       "Accertarsi di possedere i privilegi di scrittura nella cartella "
                       "di installazione del programma.");
}

QString messaggioNome(const QString& name)
{
    return QStringLiteral("Attenzione: il nome \"") + name +
        QStringLiteral("\" non indica un file della cartella dei documenti allegati.");
}

} // namespace Attachments
