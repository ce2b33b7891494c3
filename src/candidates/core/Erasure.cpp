// Erasure of one candidate's personal data, and the report of it.
#include "candidates/core/Erasure.h"

#include "base/core/Cp1252.h"
#include "base/core/DataFiles.h"
#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "base/core/SystemError.h"
#include "candidates/core/Attachments.h"
#include "candidates/core/CardDates.h"
#include "output/core/DocumentReport.h"
#include "report/core/Report.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/core/SessionCatalogue.h"
#include "sheets/core/XlsxReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// A report line cut at spaces into lines of at most columns characters; a
// word longer than a line (a long file name) is cut where the line ends.
// Continuation lines are indented under the text of a "- " item.
QStringList wrapped(const QString& line, int columns)
{
    if (line.size() <= columns)
        return {line};
    const QString indent = line.startsWith(QLatin1String("- ")) ? QStringLiteral("  ") : QString();
    QStringList out;
    QString rest = line;
    QString lead;
    while (lead.size() + rest.size() > columns) {
        const int room = int(columns - lead.size());
        int cut = int(rest.lastIndexOf(QLatin1Char(' '), room));
        if (cut <= 0)
            cut = room;
        out << lead + rest.left(cut);
        rest = rest.mid(cut);
        while (rest.startsWith(QLatin1Char(' ')))
            rest.remove(0, 1);
        lead = indent;
    }
    if (!rest.isEmpty())
        out << lead + rest;
    return out;
}

} // namespace

namespace Erasure {

QString erasedName(const QDate& day)
{
    return QStringLiteral("Candidato cancellato il %1").arg(day.toString(QStringLiteral("dd/MM/yyyy")));
}

bool isErased(const QString& name)
{
    return name.trimmed().startsWith(QStringLiteral("Candidato cancellato"), Qt::CaseInsensitive);
}

QString matchKey(const QString& codFisc, const QString& name)
{
    const QString code = codFisc.simplified().toUpper();
    if (!code.isEmpty())
        return QStringLiteral("cf:") + code;
    const QString plain = name.simplified().toUpper();
    return plain.isEmpty() ? QString() : QStringLiteral("nome:") + plain;
}

QList<Interview> interviewsOf(const QString& folder, const TSchedaCandidato& card)
{
    QList<Interview> out;
    const QString code = card.CodFisc.simplified().toUpper();
    const QString name = card.Candidato.simplified().toUpper();
    if (code.isEmpty() && name.isEmpty())
        return out;
    for (const QString& file : SessionCatalogue::list(folder)) {
        RecordFile session(QDir(folder).filePath(file), TSchedaColloquio::Size);
        if (!session.open())
            continue;
        session.scan([&](qint64 n, const char* record) {
            const bool same = code.isEmpty() ? TSchedaColloquio::candidato(record).simplified().toUpper() == name
                                             : TSchedaColloquio::codiceFiscale(record).simplified().toUpper() == code;
            if (same)
                out.append({file, n, TSchedaColloquio::candidato(record).trimmed(),
                            TSchedaColloquio::dataColloquio(record).trimmed()});
            return true;
        });
    }
    return out;
}

namespace {
// Attachment names that cards other than `position` still name.
QSet<QString> namesOfOtherCards(qint64 position)
{
    QSet<QString> names;
    RecordFile archive(CandidateArchive::path(), TSchedaCandidato::Size);
    if (!archive.open())
        return names;
    archive.scan([&](qint64 n, const char* record) {
        if (n != position) {
            for (auto c : {TSchedaCandidato::fFile01, TSchedaCandidato::fFile02, TSchedaCandidato::fFile03}) {
                const QString name = TSchedaCandidato::read(record, c).trimmed();
                if (!name.isEmpty())
                    names.insert(name.toLower());
            }
        }
        return true;
    });
    return names;
}

// Removes a file; false with the system's reason, in Italian.
bool removeFile(const QString& path, QString* why)
{
    QFile f(path);
    if (f.remove() && !QFileInfo::exists(path))
        return true;
    *why = SystemError::of(f);
    return false;
}

void deleteFile(const QString& path, const QString& shown, Result* r)
{
    if (!QFileInfo::exists(path))
        return;
    QString why;
    if (removeFile(path, &why))
        r->filesDeleted << shown;
    else
        r->failures << QStringLiteral("Non è stato possibile eliminare il file %1 (%2).").arg(shown, why);
}

// Whether a file of the folder may hold copies of card data: exports,
// reports and the pieces a repair keeps; never the data itself.
bool mayNamePeople(const QString& fileName)
{
    if (DataFiles::isData(fileName))
        return false;
    const QString lower = fileName.toLower();
    for (const char* ext : {".xls", ".xlsx", ".csv", ".txt"})
        if (lower.endsWith(QLatin1String(ext)))
            return true;
    return lower.contains(QLatin1String(".recuperato-"));
}

// Text as compared: upper case, runs of blanks as one.
QString folded(const QString& text)
{
    return text.toUpper().simplified();
}

// The text of a file as a reader would see it: the cells of a workbook, else
// the bytes as UTF-8 and as Windows-1252, with the HTML escapes of the .xls
// export undone.
QString textOf(const QString& path)
{
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        SheetTable table;
        QString ignored;
        QStringList cells;
        if (XlsxReader::read(path, &table, &ignored)) {
            for (int r = 0; r < table.rowCount(); ++r)
                cells << table.row(r).join(QLatin1Char('\n'));
            return cells.join(QLatin1Char('\n'));
        }
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    // Records of a repaired archive carry their text between length bytes
    // and padding: both read as blanks.
    QByteArray bytes = f.read(256LL * 1024 * 1024);
    for (char& c : bytes)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    QString text = QString::fromUtf8(bytes) + QLatin1Char('\n') + Cp1252::decode(bytes);
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}
} // namespace

QStringList filesNaming(const QString& folder, const QString& name, const QString& codFisc)
{
    const QString who = folded(name);
    const QString code = folded(codFisc);
    QStringList out;
    if (who.size() < 3 && code.isEmpty())
        return out;
    const QDir dir(folder);
    for (const QFileInfo& fi : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (fi.isSymLink() || !mayNamePeople(fi.fileName()))
            continue;
        const QString text = folded(textOf(fi.absoluteFilePath()));
        if ((who.size() >= 3 && text.contains(who)) || (!code.isEmpty() && text.contains(code)))
            out << fi.fileName();
    }
    return out;
}

void settleLeftovers(Result* r, bool remove)
{
    for (const QString& name : std::as_const(r->leftovers)) {
        if (!remove) {
            r->leftoversKept << name;
            continue;
        }
        QString why;
        if (removeFile(ProgramFolder::file(name), &why))
            r->leftoversDeleted << name;
        else
            r->failures << QStringLiteral("Non è stato possibile eliminare il file %1, che contiene ancora i dati del "
                                          "candidato (%2).")
                               .arg(name, why);
    }
    r->leftovers.clear();
}

Result erase(qint64 position, const QList<Interview>& interviews, const QDate& day)
{
    Result r;
    r.position = position;
    r.day = day;
    TSchedaCandidato card;
    {
        RecordFile archive(CandidateArchive::path(), TSchedaCandidato::Size);
        QByteArray record;
        if (!archive.open() || !archive.read(position, &record)) {
            r.failures << QStringLiteral("Non è stato possibile leggere la scheda n. %1 dell'archivio candidati; "
                                         "nulla è stato cancellato.")
                              .arg(position);
            return r;
        }
        card = TSchedaCandidato::decode(record);
        r.candidato = card.Candidato.trimmed();
        r.codFisc = card.CodFisc.trimmed();
        // Every field blank, the name replaced by the erasure note so the card
        // is recognised; the record keeps its place and size.
        TSchedaCandidato blank;
        blank.Candidato = erasedName(day);
        blank.Ricontatta = TSchedaCandidato::no();
        if (!archive.rewrite(position, blank.encode())) {
            r.failures << QStringLiteral("Non è stato possibile scrivere la scheda n. %1 dell'archivio candidati "
                                         "(%2); nulla è stato cancellato.")
                              .arg(position)
                              .arg(SystemError::italianized(archive.errorString()));
            return r;
        }
        r.cardBlanked = true;
    }
    // The date of the erasure keeps the card off the retention list; a
    // failure here is told like any other step.
    QString why;
    if (!CardDates::stored(position, day, &why))
        r.failures << QStringLiteral("La data della cancellazione non è stata registrata nel file %1 (%2): "
                                     "l'elenco di conservazione potrà proporre di nuovo questa scheda.")
                          .arg(CardDates::fileName(), SystemError::italianized(why));

    deleteFile(CandidateArchive::photoPath(position),
               QStringLiteral("%1/%2").arg(CandidateArchive::photoFolder().section(QLatin1Char('/'), -1),
                                           CandidateArchive::photoFileName(position)),
               &r);
    const QSet<QString> shared = namesOfOtherCards(position);
    for (const QString& raw : {card.File01, card.File02, card.File03}) {
        const QString name = raw.trimmed();
        if (name.isEmpty())
            continue;
        const QString shown = QStringLiteral("Documenti_Allegati/") + name;
        if (shared.contains(name.toLower())) {
            r.filesKept << shown;
            continue;
        }
        const QString path = Attachments::percorso(name);
        if (path.isEmpty()) {
            r.failures
                << QStringLiteral("Il nome dell'allegato \"%1\" non è valido: il file non è stato cercato.").arg(name);
            continue;
        }
        deleteFile(path, shown, &r);
    }

    for (const Interview& it : interviews) {
        RecordFile session(ProgramFolder::file(it.sessionFile), TSchedaColloquio::Size);
        QByteArray record;
        bool ok = session.open() && session.read(it.card, &record);
        QString reason;
        if (ok) {
            TSchedaColloquio c = TSchedaColloquio::decode(record);
            // Date, score and outcome stay: the rankings keep their rows.
            c.Candidato = erasedName(day);
            c.CodiceFiscale.clear();
            c.Provenienza.clear();
            c.Dettagli.clear();
            c.Note.clear();
            ok = session.rewrite(it.card, c.encode());
        }
        if (ok)
            r.anonymised << it;
        else
            r.failures << QStringLiteral("Non è stato possibile anonimizzare la scheda n. %1 della sessione %2 (%3).")
                              .arg(it.card)
                              .arg(SessionCatalogue::sessionName(it.sessionFile),
                                   SystemError::italianized(session.errorString()));
    }
    r.leftovers = filesNaming(ProgramFolder::path(), r.candidato, r.codFisc);
    return r;
}

QString Result::report() const
{
    QStringList lines;
    lines << QStringLiteral("RAPPORTO DI CANCELLAZIONE DEI DATI PERSONALI") << QString();
    lines << QStringLiteral("Data: %1").arg(day.toString(QStringLiteral("dd/MM/yyyy")));
    lines << QStringLiteral("Candidato: %1").arg(candidato.isEmpty() ? QStringLiteral("(senza nome)") : candidato);
    if (!codFisc.isEmpty())
        lines << QStringLiteral("Codice fiscale: %1").arg(codFisc);
    lines << QStringLiteral("Scheda n. %1 dell'archivio candidati").arg(position);
    lines << (complete() ? QStringLiteral("Esito: cancellazione completata.")
                         : QStringLiteral("Esito: cancellazione NON completata: alcune operazioni non sono riuscite "
                                          "(vedere \"NON ESEGUITO\")."))
          << QString();
    lines << (cardBlanked ? QStringLiteral("- Tutti i dati della scheda sono stati cancellati; la scheda resta "
                                           "in archivio con la dicitura \"%1\".")
                                .arg(erasedName(day))
                          : QStringLiteral("- La scheda NON è stata cancellata."));
    if (filesDeleted.isEmpty())
        lines << QStringLiteral("- Nessuna foto o file allegato da eliminare.");
    for (const QString& f : filesDeleted)
        lines << QStringLiteral("- File eliminato: %1").arg(f);
    for (const QString& f : filesKept)
        lines << QStringLiteral("- File NON eliminato perché allegato anche a un'altra scheda: %1").arg(f);
    if (anonymised.isEmpty())
        lines << QStringLiteral("- Nessuna scheda colloquio anonimizzata.");
    for (const Interview& it : anonymised)
        lines << QStringLiteral("- Scheda colloquio anonimizzata: sessione %1, scheda n. %2, colloquio del %3")
                     .arg(SessionCatalogue::sessionName(it.sessionFile))
                     .arg(it.card)
                     .arg(it.data.isEmpty() ? QStringLiteral("(senza data)") : it.data);
    for (const QString& f : leftoversDeleted)
        lines
            << QStringLiteral("- File della cartella del programma che conteneva ancora i dati, eliminato: %1").arg(f);
    for (const QString& f : leftoversKept)
        lines << QStringLiteral("- File della cartella del programma che contiene ancora i dati, CONSERVATO su "
                                "richiesta: %1")
                     .arg(f);
    for (const QString& f : leftovers)
        lines << QStringLiteral("- File della cartella del programma che contiene ancora i dati: %1").arg(f);
    if (leftoversDeleted.isEmpty() && leftoversKept.isEmpty() && leftovers.isEmpty())
        lines << QStringLiteral("- Nessun altro file della cartella del programma (esportazioni, resoconti) "
                                "contiene i dati del candidato.");
    if (!failures.isEmpty()) {
        lines << QString() << QStringLiteral("NON ESEGUITO:");
        for (const QString& f : failures)
            lines << QStringLiteral("- ") + f;
    }
    lines << QString()
          << QStringLiteral("Attenzione: i backup fatti prima di questa data contengono ancora i dati cancellati.");
    return lines.join(QLatin1Char('\n'));
}

std::unique_ptr<Report> printout(const QString& report)
{
    QStringList lines = report.split(QLatin1Char('\n'));
    DocumentReport::Content c;
    c.reportName = QStringLiteral("Rapporto di cancellazione");
    c.orientation = QPageLayout::Portrait;
    c.title = lines.isEmpty() ? QString() : lines.takeFirst();
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    const int columns = DocumentReport::bodyColumns(c.orientation);
    for (const QString& line : lines)
        c.body << wrapped(line, columns);
    std::unique_ptr<Report> out = DocumentReport::create(c);
    out->prepare();
    return out;
}

} // namespace Erasure
