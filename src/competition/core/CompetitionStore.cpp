#include "competition/core/CompetitionStore.h"

#include "base/core/FileNameRule.h"
#include "candidates/core/SchedaCandidato.h"
#include "competition/core/CompetitionFile.h"
#include "rankings/core/OfficialRanking.h"
#include "sessions/core/SessionCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace CompetitionStore {

bool readTests(const QString& folder, const Competition& competition, QList<QList<TestCard>>* cards,
               QStringList* problems)
{
    cards->clear();
    bool ok = true;
    for (const CompetitionTest& t : competition.tests) {
        QList<TestCard> list;
        const QString path = QDir(folder).filePath(t.session);
        if (!QFileInfo(path).isFile()) {
            problems->append(
                QStringLiteral("La sessione «%1» non si trova più nella cartella del programma.").arg(t.session));
            ok = false;
        } else {
            QList<OfficialCandidate> read;
            if (!OfficialRanking::readSession(path, &read)) {
                problems->append(QStringLiteral("La sessione «%1» non può essere letta.").arg(t.session));
                ok = false;
            }
            for (const OfficialCandidate& c : read)
                list.append({c.card, c.candidato, c.codiceFiscale, c.punteggio});
        }
        cards->append(list);
    }
    return ok;
}

QStringList scoreProblems(const Competition& competition, const QList<QList<TestCard>>& cards)
{
    QStringList out;
    for (int t = 0; t < competition.tests.size() && t < cards.size(); ++t) {
        const CompetitionTest& test = competition.tests.at(t);
        for (const TestCard& c : cards.at(t)) {
            const qint64 h = CompetitionRanking::hundredths(c.punteggio);
            if (h > test.maximum)
                out << QStringLiteral("Nella sessione «%1» la scheda n. %2 (%3) ha %4 punti, più del massimo della "
                                      "prova (%5).")
                           .arg(test.session)
                           .arg(c.card)
                           .arg(c.candidato.trimmed(), CompetitionRanking::scoreText(h),
                                CompetitionRanking::scoreText(test.maximum));
        }
    }
    return out;
}

QHash<QString, QDate> archiveBirthDates(const QString& archivePath)
{
    QHash<QString, QDate> out;
    QSet<QString> twice;
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    const int size = TSchedaCandidato::Size;
    for (;;) {
        const QByteArray block = file.read(qint64(size) * 256);
        for (int at = 0; at + size <= block.size(); at += size) {
            const char* record = block.constData() + at;
            const QString name = TSchedaCandidato::candidato(record).trimmed().simplified().toUpper();
            const QDate date =
                QDate::fromString(TSchedaCandidato::dataNasc(record).trimmed(), QStringLiteral("dd/MM/yyyy"));
            if (name.isEmpty() || !date.isValid() || twice.contains(name))
                continue;
            const auto it = out.constFind(name);
            if (it != out.constEnd() && *it != date) {
                // Two people of one name: the archive cannot tell which.
                out.remove(name);
                twice.insert(name);
            } else {
                out.insert(name, date);
            }
        }
        if (block.size() < qint64(size) * 256)
            break;
    }
    return out;
}

QList<GridMember> committee(const QString& folder, const Competition& competition)
{
    QList<GridMember> out;
    QSet<QString> seen;
    for (const CompetitionTest& t : competition.tests) {
        ScoringGrid grid;
        if (GridFile::read(QDir(folder).filePath(t.session), &grid, nullptr, false) != GridFile::Status::Read)
            continue;
        for (const GridMember& m : grid.members) {
            if (seen.contains(m.name.trimmed().toUpper()))
                continue;
            seen.insert(m.name.trimmed().toUpper());
            out.append(m);
        }
    }
    return out;
}

Outcome rank(const QString& folder, const QString& archivePath, const Competition& competition, const QDate& today)
{
    Outcome outcome;
    outcome.problems = competition.problems();
    if (!outcome.problems.isEmpty())
        return outcome;
    QList<QList<TestCard>> cards;
    if (!readTests(folder, competition, &cards, &outcome.problems))
        return outcome;
    outcome.problems = scoreProblems(competition, cards);
    if (!outcome.problems.isEmpty())
        return outcome;
    outcome.committee = committee(folder, competition);
    const QHash<QString, QDate> dates = archiveBirthDates(archivePath);
    outcome.result = CompetitionRanking::build(
        competition, cards,
        [&dates](const QString& name) { return dates.value(name.trimmed().simplified().toUpper()); }, today);
    return outcome;
}

QStringList competitionsUsing(const QString& folder, const QString& sessionFile)
{
    QStringList out;
    for (const QString& name : CompetitionFile::list(folder)) {
        Competition c;
        if (CompetitionFile::read(CompetitionFile::pathFor(folder, name), &c, nullptr) != CompetitionFile::Status::Read)
            continue;
        for (const CompetitionTest& t : c.tests) {
            if (t.session.compare(sessionFile, Qt::CaseInsensitive) == 0) {
                out << name;
                break;
            }
        }
    }
    return out;
}

bool store(const QString& folder, const Competition& competition, const QString& storedAs, QString* message)
{
    const QString refusal = FileNameRule::refusal(competition.name.trimmed());
    if (competition.name.trimmed().isEmpty() || !refusal.isEmpty()) {
        *message = competition.name.trimmed().isEmpty() ? QStringLiteral("Indicare il nome del concorso.") : refusal;
        return false;
    }
    const QStringList problems = competition.problems();
    if (!problems.isEmpty()) {
        *message = QStringLiteral("Il concorso non è stato salvato:\r\n") + problems.join(QStringLiteral("\r\n"));
        return false;
    }
    const QString path = CompetitionFile::pathFor(folder, competition.name.trimmed());
    if (competition.name.trimmed().compare(storedAs, Qt::CaseInsensitive) != 0 && QFileInfo::exists(path)) {
        *message = QStringLiteral("Esiste già un concorso chiamato «%1»: per modificarlo lo si sceglie dall'elenco, "
                                  "altrimenti si usa un altro nome.")
                       .arg(competition.name.trimmed());
        return false;
    }
    QString error;
    if (!CompetitionFile::write(path, competition, &error)) {
        *message = CompetitionFile::writeFailedMessage(error);
        return false;
    }
    return true;
}

} // namespace CompetitionStore
