// Erasure of one candidate's personal data, and the report of it.
#include "candidates/core/Erasure.h"

#include "app/core/ProgramFolder.h"
#include "app/core/RecordFile.h"
#include "candidates/core/Attachments.h"
#include "candidates/core/CardDates.h"
#include "output/core/DocumentReport.h"
#include "report/core/Report.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/core/SessionCatalogue.h"

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

void deleteFile(const QString& path, const QString& shown, Result* r)
{
    if (!QFileInfo::exists(path))
        return;
    if (QFile::remove(path) && !QFileInfo::exists(path))
        r->filesDeleted << shown;
    else
        r->failures << QStringLiteral("Non è stato possibile eliminare il file %1.").arg(shown);
}
} // namespace

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
            r.failures << QStringLiteral("Non è stato possibile scrivere la scheda n. %1 dell'archivio candidati; "
                                         "nulla è stato cancellato.")
                              .arg(position);
            return r;
        }
        r.cardBlanked = true;
    }
    QString ignored;
    CardDates::stored(position, day, &ignored);

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
            r.failures << QStringLiteral("Non è stato possibile anonimizzare la scheda n. %1 della sessione %2.")
                              .arg(it.card)
                              .arg(SessionCatalogue::sessionName(it.sessionFile));
    }
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
    lines << QStringLiteral("Scheda n. %1 dell'archivio candidati").arg(position) << QString();
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
