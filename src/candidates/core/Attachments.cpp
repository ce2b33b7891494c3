// Copying files into the attachment folder and naming them safely there.
#include "candidates/core/Attachments.h"
#include "base/core/SystemError.h"

#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "candidates/core/SchedaCandidato.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Attachments {

QString cartella()
{
    return ProgramFolder::file(QStringLiteral("Documenti_Allegati"));
}

bool isSafeName(const QString& name)
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
    if (!isSafeName(name))
        return QString();
    return cartella() + QLatin1Char('/') + TextRules::trimmed(name);
}

QString nameOf(const QString& sourcePath)
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
    return copiaCome(sourcePath, nameOf(sourcePath), error);
}

bool copiaCome(const QString& sourcePath, const QString& name, QString* error)
{
    auto failed = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString target = percorso(name);
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

bool owners(const QString& archivePath, const QString& name, qint64 except, QList<Owner>* found)
{
    found->clear();
    const QString wanted = TextRules::trimmed(name);
    // No archive yet: no card names the file (and none is created here).
    if (wanted.isEmpty() || !QFileInfo::exists(archivePath))
        return true;
    RecordFile file(archivePath, TSchedaCandidato::Size);
    if (!file.open())
        return false;
    using C = TSchedaCandidato;
    const bool ok = file.scan([&](qint64 n, const char* record) {
        if (n == except)
            return true;
        for (const C::Campo slot : {C::fFile01, C::fFile02, C::fFile03}) {
            if (TextRules::trimmed(C::read(record, slot)) == wanted) {
                found->append({n, TextRules::trimmed(C::candidato(record))});
                break;
            }
        }
        return true;
    });
    file.close();
    return ok;
}

QString freeName(const QString& name)
{
    if (!esiste(name))
        return name;
    const QFileInfo info(name);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? name : name.left(name.size() - suffix.size() - 1);
    for (int n = 2;; ++n) {
        QString candidate = QStringLiteral("%1 (%2)").arg(base).arg(n);
        if (!suffix.isEmpty())
            candidate += QLatin1Char('.') + suffix;
        if (!esiste(candidate))
            return candidate;
    }
}

QString otherCardQuestion(const QString& name, const QList<Owner>& others, const QString& newName)
{
    QStringList cards;
    for (const Owner& o : others)
        cards << QStringLiteral("n. %1 - %2").arg(o.position).arg(o.candidato);
    const QString whose = others.size() == 1 ? QStringLiteral("alla scheda ") + cards.first()
                                             : QStringLiteral("alle schede ") + cards.join(QStringLiteral(", "));
    return QStringLiteral("Attenzione: nella cartella dei documenti allegati il file \"%1\" è già allegato %2.\r\n\r\n"
                          "Sostituirlo cambierebbe il documento anche per %3.\r\n\r\n"
                          "Si consiglia di conservare entrambi i file: quello scelto sarà allegato con il nome "
                          "\"%4\".")
        .arg(name, whose, others.size() == 1 ? QStringLiteral("quella scheda") : QStringLiteral("quelle schede"),
             newName);
}

QStringList otherCardButtons()
{
    return {QStringLiteral("Conserva entrambi"), QStringLiteral("Sostituisci"), QStringLiteral("Annulla")};
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

QString overwriteQuestion()
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

QString nameMessage(const QString& name)
{
    return QStringLiteral("Attenzione: il nome \"") + name +
        QStringLiteral("\" non indica un file della cartella dei documenti allegati.");
}

} // namespace Attachments
