#include "competition/core/CompetitionSeal.h"

#include "base/core/SafeWrite.h"
#include "base/core/WholeFile.h"
#include "competition/core/CompetitionFile.h"
#include "output/core/DocumentReport.h"
#include "report/core/Report.h"
#include "sessions/core/GridFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kFormat = QStringLiteral("selvora-concorso-sigillo");

QStringList sealedFiles(const Competition& competition)
{
    QStringList out;
    for (const CompetitionTest& t : competition.tests)
        out << t.session;
    out << QFileInfo(CompetitionFile::pathFor(QString(), competition.name)).fileName();
    return out;
}

QString column(const QString& text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

} // namespace

namespace CompetitionSeal {

QString pathFor(const QString& folder, const QString& competitionName)
{
    return QDir(folder).filePath(competitionName + QStringLiteral(".concorso.sigillo.json"));
}

bool make(const QString& folder, const Competition& competition, Seal* seal, QString* problem)
{
    *seal = Seal();
    seal->when = QDateTime::currentDateTime();
    for (const QString& name : sealedFiles(competition)) {
        const QString sha = GridFile::fileSha256(QDir(folder).filePath(name));
        if (sha.isEmpty()) {
            *problem = QStringLiteral("il file «%1» non può essere letto.").arg(name);
            *seal = Seal();
            return false;
        }
        seal->files.append({name, sha});
    }
    return true;
}

bool write(const QString& folder, const Competition& competition, const Seal& seal, QString* error)
{
    QJsonArray files;
    for (const auto& f : seal.files)
        files.append(QJsonObject {{QStringLiteral("file"), f.first}, {QStringLiteral("sha256"), f.second}});
    const QJsonObject root {{QStringLiteral("format"), kFormat},
                            {QStringLiteral("version"), Seal::Version},
                            {QStringLiteral("competition"), competition.name},
                            {QStringLiteral("when"), seal.when.toString(Qt::ISODate)},
                            {QStringLiteral("files"), files}};
    return SafeWrite::wholeFile(pathFor(folder, competition.name), QJsonDocument(root).toJson(QJsonDocument::Indented),
                                error);
}

bool read(const QString& folder, const Competition& competition, Seal* seal, QString* problem)
{
    *seal = Seal();
    QByteArray bytes;
    switch (WholeFile::read(pathFor(folder, competition.name), &bytes, problem)) {
    case WholeFile::Status::Missing:
        return true;
    case WholeFile::Status::Failed:
        return false;
    case WholeFile::Status::Read:
        break;
    }
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    if (root.value(QStringLiteral("format")).toString() != kFormat) {
        *problem = QStringLiteral("non è un file di sigillo di Selvora.");
        return false;
    }
    if (root.value(QStringLiteral("version")).toInt(0) > Seal::Version) {
        *problem = QStringLiteral("è stato scritto da una versione più recente del programma.");
        return false;
    }
    seal->when = QDateTime::fromString(root.value(QStringLiteral("when")).toString(), Qt::ISODate);
    for (const QJsonValue& v : root.value(QStringLiteral("files")).toArray()) {
        const QJsonObject o = v.toObject();
        const QString name = o.value(QStringLiteral("file")).toString();
        const QString sha = o.value(QStringLiteral("sha256")).toString();
        if (name.isEmpty() || sha.size() != 64) {
            *problem = QStringLiteral("le impronte dei file non sono valide.");
            *seal = Seal();
            return false;
        }
        seal->files.append({name, sha});
    }
    return true;
}

State check(const QString& folder, const Competition& competition, QStringList* changed)
{
    changed->clear();
    Seal seal;
    QString problem;
    if (!read(folder, competition, &seal, &problem)) {
        *changed << QFileInfo(pathFor(folder, competition.name)).fileName();
        return State::Changed;
    }
    if (!seal.isSet())
        return State::NotPublished;
    QStringList sealedNow;
    for (const auto& f : seal.files) {
        sealedNow << f.first;
        if (GridFile::fileSha256(QDir(folder).filePath(f.first)) != f.second)
            *changed << f.first;
    }
    // A test added or taken away after the publication changes it too.
    for (const QString& name : sealedFiles(competition))
        if (!sealedNow.contains(name))
            *changed << name;
    return changed->isEmpty() ? State::Intact : State::Changed;
}

QString stateText(State state, const QStringList& changed)
{
    switch (state) {
    case State::NotPublished:
        return QStringLiteral("La graduatoria del concorso non è stata pubblicata.");
    case State::Intact:
        return QStringLiteral("Graduatoria sigillata: nessun file è cambiato dopo la pubblicazione.");
    case State::Changed:
        break;
    }
    return QStringLiteral("Attenzione: dopo la pubblicazione sono cambiati questi file: %1. La copia pubblicata "
                          "non corrisponde più ai dati.")
        .arg(changed.join(QStringLiteral(", ")));
}

QStringList publicationLines(const CompetitionResult& result)
{
    QHash<QString, int> names;
    for (const CompetitionLine& l : result.ranked)
        ++names[l.name.toUpper()];
    auto line = [](const QString& pos, const QString& who, const QString& score, const QString& outcome) {
        return column(pos, 8) + column(who, 56) + QStringLiteral("  ") + score.rightJustified(10, QLatin1Char(' ')) +
            QStringLiteral("   ") + outcome;
    };
    QStringList out;
    out << line(QStringLiteral("Pos."), QStringLiteral("Cognome e nome"), QStringLiteral("Punteggio"),
                QStringLiteral("Esito"));
    out << QString(90, QLatin1Char('-'));
    for (const CompetitionLine& l : result.ranked) {
        QString who = l.name;
        // Namesakes are told apart by the birth date, and by nothing else.
        if (names.value(l.name.toUpper()) > 1)
            who += l.birthDate.isValid()
                ? QStringLiteral(" (nato/a il %1)").arg(l.birthDate.toString(QStringLiteral("dd/MM/yyyy")))
                : QString();
        out << line(QString::number(l.position) + (l.exAequo ? QStringLiteral(" ex aeq.") : QString()), who,
                    l.finalScore.text(),
                    l.outcome == CompetitionLine::Outcome::Winner ? QStringLiteral("vincitore")
                                                                  : QStringLiteral("idoneo"));
    }
    out << QString(90, QLatin1Char('-'));
    return out;
}

std::unique_ptr<Report> publicationReport(const Competition& competition, const CompetitionResult& result,
                                          const Seal& seal, const QDate& date)
{
    DocumentReport::Content c;
    c.reportName = QStringLiteral("Graduatoria di merito del concorso - pubblicazione");
    c.orientation = QPageLayout::Portrait;
    c.title = QStringLiteral("Graduatoria di merito - ") + competition.name;
    c.heading << QStringLiteral("Concorso: %1").arg(competition.name)
              << QStringLiteral("Data: %1").arg(date.toString(QStringLiteral("dd/MM/yyyy")))
              << QStringLiteral("Posti messi a concorso: %1").arg(competition.posts);
    c.body = publicationLines(result);
    c.closing << QStringLiteral("Impronte SHA-256 dei file al momento della pubblicazione:");
    for (const auto& f : seal.files)
        c.closing << QStringLiteral("%1: %2").arg(f.first, f.second);
    return DocumentReport::create(c);
}

} // namespace CompetitionSeal
