// The publication copy of a competition's ranking and its seal: the copy
// holds only position, name (with the birth date only where two candidates
// share a name), final score and "vincitore"/"idoneo" - never fiscal codes,
// titles or reserves, which can tell of health or family - and its footer
// carries the SHA-256 of every session and of the competition's side file.
// The seal is kept in "Nome.concorso.sigillo.json" so that "Verifica
// sigillo" can say later whether any of those files changed.
#pragma once

#include "competition/core/CompetitionRanking.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

class Report;

namespace CompetitionSeal {

struct Seal
{
    static constexpr int Version = 1;
    QDateTime when;
    QList<QPair<QString, QString>> files; // file name in the folder, SHA-256
    bool isSet() const { return !files.isEmpty(); }
};

QString pathFor(const QString& folder, const QString& competitionName);

// The fingerprints of the competition's files as they are now; false with
// the name of a file that cannot be read.
bool make(const QString& folder, const Competition& competition, Seal* seal, QString* problem);
bool write(const QString& folder, const Competition& competition, const Seal& seal, QString* error);
// A missing seal file reads as no seal; false for a damaged one.
bool read(const QString& folder, const Competition& competition, Seal* seal, QString* problem);

enum class State
{
    NotPublished,
    Intact,
    Changed
};
// changed lists the files whose fingerprint differs (or that are gone).
State check(const QString& folder, const Competition& competition, QStringList* changed);
QString stateText(State state, const QStringList& changed);

QStringList publicationLines(const CompetitionResult& result);
std::unique_ptr<Report> publicationReport(const Competition& competition, const CompetitionResult& result,
                                          const Seal& seal, const QDate& date);

} // namespace CompetitionSeal
