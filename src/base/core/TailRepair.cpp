#include "base/core/TailRepair.h"

#include "base/core/AppendJournal.h"
#include "base/core/SafeWrite.h"
#include "base/core/SystemError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace TailRepair {

namespace {

bool allZero(const QByteArray& bytes)
{
    for (const char c : bytes)
        if (c != 0)
            return false;
    return true;
}

// A name beside the file that is not taken yet:
// "Archivio_Candidati.pro.recuperato-20261211-053900".
QString keepName(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = QStringLiteral("%1.recuperato-%2").arg(path, stamp);
    for (int i = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++i)
        name = QStringLiteral("%1.recuperato-%2-%3").arg(path, stamp).arg(i);
    return name;
}

bool sync(QFile& file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return ::_commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0 || errno == EINVAL || errno == EROFS;
#endif
}

Result failed(const QString& why)
{
    Result r;
    r.kind = Result::Kind::Failed;
    r.error = why;
    return r;
}

// Keeps the bytes from cutFrom to the end in a file of their own, then puts
// back the file's end as end (empty, or the partial tail of before).
Result cut(QFile& file, qint64 cutFrom, const QByteArray& end, int recordSize, Result::Kind kind)
{
    const qint64 size = file.size();
    Result r;
    r.kind = kind;
    r.bytesCut = size - cutFrom;
    r.cardsCut = r.bytesCut / recordSize;
    r.partialCard = r.bytesCut % recordSize != 0;
    r.cardsKept = (cutFrom + end.size()) / recordSize;
    if (r.bytesCut > 0) {
        if (!file.seek(cutFrom))
            return failed(SystemError::of(file));
        const QByteArray bytes = file.read(r.bytesCut);
        if (bytes.size() != r.bytesCut)
            return failed(SystemError::of(file));
        r.savedTo = keepName(file.fileName());
        QString why;
        if (!SafeWrite::wholeFile(r.savedTo, bytes, &why))
            return failed(QStringLiteral("il file \"%1\", che doveva conservare la parte tolta, non può essere "
                                         "scritto (%2)")
                              .arg(QFileInfo(r.savedTo).fileName(), SystemError::italianized(why)));
    }
    if (!file.resize(cutFrom))
        return failed(SystemError::of(file));
    if (!end.isEmpty() && (!file.seek(cutFrom) || file.write(end) != end.size()))
        return failed(SystemError::of(file));
    if (!sync(file) || file.error() != QFileDevice::NoError)
        return failed(SystemError::of(file));
    return r;
}

} // namespace

Result run(const QString& path, int recordSize)
{
    const QFileInfo info(path);
    AppendJournal::Entry entry;
    const AppendJournal::Found note = AppendJournal::read(path, &entry);
    if (!info.exists() || !info.isFile()) {
        // Nothing to put back: an archive that is not there was never
        // appended to.
        if (note != AppendJournal::Found::None && !info.exists())
            AppendJournal::finish(path);
        return Result();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return note == AppendJournal::Found::None ? Result() : failed(SystemError::of(file));
    const qint64 size = file.size();

    if (note == AppendJournal::Found::Valid) {
        const qint64 start = entry.length - entry.tail.size();
        if (size < start)
            return failed(QStringLiteral("il file è più corto di prima dell'importazione (%1 byte invece di almeno "
                                         "%2)")
                              .arg(size)
                              .arg(start));
        Result r;
        // Stopped before the first new byte: the file is as it was.
        bool unchanged = size == entry.length;
        if (unchanged && !entry.tail.isEmpty()) {
            file.seek(start);
            unchanged = file.read(entry.tail.size()) == entry.tail;
        }
        if (!unchanged)
            r = cut(file, start, entry.tail, recordSize, Result::Kind::InterruptedAppend);
        else
            r.cardsKept = size / recordSize;
        if (r.kind == Result::Kind::Failed)
            return r;
        file.close();
        if (!AppendJournal::finish(path))
            return failed(QStringLiteral("la nota \"%1\" non può essere tolta")
                              .arg(QFileInfo(AppendJournal::pathFor(path)).fileName()));
        return r;
    }
    if (note == AppendJournal::Found::Unreadable) {
        // Not a note this program wrote: set aside, so the next import can
        // write its own, and the end of the file is looked at as below.
        const QString note = AppendJournal::pathFor(path);
        if (!QFile::rename(note, keepName(note)))
            return failed(QStringLiteral("la nota \"%1\" non è leggibile e non può essere messa da parte")
                              .arg(QFileInfo(note).fileName()));
    }

    // The end of the file: a piece shorter than a card, and before it every
    // card made only of zero bytes.
    qint64 cutFrom = size - size % recordSize;
    while (cutFrom >= recordSize) {
        if (!file.seek(cutFrom - recordSize))
            return failed(SystemError::of(file));
        if (!allZero(file.read(recordSize)))
            break;
        cutFrom -= recordSize;
    }
    if (cutFrom == size)
        return Result();
    return cut(file, cutFrom, QByteArray(), recordSize, Result::Kind::DamagedTail);
}

QString message(const Result& r, const QString& what)
{
    const QString kept = r.savedTo.isEmpty() ? QString() : QDir::toNativeSeparators(r.savedTo);
    switch (r.kind) {
    case Result::Kind::Nothing:
        return QString();
    case Result::Kind::InterruptedAppend: {
        QString written;
        if (r.cardsCut == 1)
            written = QStringLiteral("1 scheda");
        else
            written = QStringLiteral("%1 schede").arg(r.cardsCut);
        if (r.partialCard)
            written += QStringLiteral(" e una scheda scritta solo in parte");
        return QStringLiteral("Attenzione: l'ultima importazione di candidati non è terminata (il programma è stato "
                              "chiuso o è mancata la corrente mentre scriveva %1).\n\n"
                              "%2 è stato riportato com'era prima dell'importazione (%3). Ciò che era già "
                              "stato scritto (%4) è stato tolto e conservato nel file:\n%5\n\n"
                              "Per aggiungere quelle schede ripetere l'importazione.")
            .arg(what, what.left(1).toUpper() + what.mid(1))
            .arg(r.cardsKept == 1 ? QStringLiteral("1 scheda") : QStringLiteral("%1 schede").arg(r.cardsKept))
            .arg(written, kept);
    }
    case Result::Kind::DamagedTail: {
        QString found;
        if (r.cardsCut > 0)
            found =
                r.cardsCut == 1 ? QStringLiteral("1 scheda vuota") : QStringLiteral("%1 schede vuote").arg(r.cardsCut);
        if (r.partialCard)
            found += (found.isEmpty() ? QString() : QStringLiteral(" e ")) +
                QStringLiteral("una scheda scritta solo in parte");
        return QStringLiteral("Attenzione: la fine del%1 era danneggiata da una chiusura imprevista del programma o "
                              "da una mancanza di corrente (%2).\n\n"
                              "Sono stati tolti %3 byte dopo %4 e conservati nel file:\n%5\n\n"
                              "Le schede precedenti non sono state toccate.")
            .arg(what.startsWith(QLatin1String("l'")) ? QStringLiteral("l'") + what.mid(2) : QLatin1Char(' ') + what,
                 found)
            .arg(r.bytesCut)
            .arg(r.cardsKept > 0 ? QStringLiteral("l'ultima scheda intera (la scheda n. %1)").arg(r.cardsKept)
                                 : QStringLiteral("l'inizio del file, che resta vuoto"),
                 kept);
    }
    case Result::Kind::Failed:
        return QStringLiteral(
                   "Attenzione: %1 ha bisogno di una riparazione dopo una chiusura imprevista del programma, "
                   "ma non è stato possibile farla: %2.\n\n%3 non è stato modificato.")
            .arg(what, r.error, what.left(1).toUpper() + what.mid(1));
    }
    return QString();
}

} // namespace TailRepair
