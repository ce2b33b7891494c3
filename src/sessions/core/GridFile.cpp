// The side file "Nome.griglia.json": the grid's content in JSON, its
// reading with every hand edit judged, its fingerprint, and its writing in
// one safe step.
#include "sessions/core/GridFile.h"

#include "base/core/JsonSideFile.h"
#include "base/core/NumberText.h"
#include "base/core/SafeWrite.h"
#include "base/core/WholeFile.h"
#include "sessions/core/GridMath.h"
#include "sessions/core/SessionCatalogue.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace {

const QString kFormat = QString::fromLatin1(ScoringGrid::Format);

QString tieBreakKey(ScoringGrid::TieBreak t)
{
    return t == ScoringGrid::TieBreak::YoungerFirst ? QStringLiteral("eta") : QStringLiteral("manuale");
}

QString number(double v)
{
    return NumberText::general(v);
}

QJsonObject contentObject(const ScoringGrid& g)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), kFormat);
    root.insert(QStringLiteral("version"), ScoringGrid::Version);
    root.insert(QStringLiteral("session"), g.sessionFile);

    QJsonArray criteria;
    for (const GridCriterion& c : g.criteria)
        criteria.append(QJsonObject {{QStringLiteral("name"), c.name},
                                     {QStringLiteral("max"), c.maxPoints},
                                     {QStringLiteral("weight"), c.weight}});
    root.insert(QStringLiteral("criteria"), criteria);

    QJsonArray members;
    for (const GridMember& m : g.members)
        members.append(
            QJsonObject {{QStringLiteral("name"), m.name}, {QStringLiteral("role"), GridMath::roleText(m.role)}});
    root.insert(QStringLiteral("members"), members);

    root.insert(
        QStringLiteral("scale"),
        QJsonObject {{QStringLiteral("kind"), g.scale.scaled ? QStringLiteral("scala") : QStringLiteral("somma")},
                     {QStringLiteral("max"), g.scale.scaled ? g.scale.maximum : 0.0}});

    QJsonObject cards;
    for (auto card = g.cards.cbegin(); card != g.cards.cend(); ++card) {
        QJsonObject byMember;
        for (auto m = card->cbegin(); m != card->cend(); ++m) {
            // A member's scores are a list in the order of the criteria
            // (null where none was given): short to store and quick to read.
            // Scores for a criterion the list does not hold (a hand edit)
            // keep their names, so nothing is dropped.
            bool byName = false;
            for (auto c = m->cbegin(); c != m->cend(); ++c)
                byName = byName || g.criterionIndex(c.key()) < 0;
            if (m->isEmpty())
                continue;
            if (byName) {
                QJsonObject byCriterion;
                for (auto c = m->cbegin(); c != m->cend(); ++c)
                    byCriterion.insert(c.key(), c.value());
                byMember.insert(m.key(), byCriterion);
            } else {
                QJsonArray list;
                for (const GridCriterion& c : g.criteria)
                    list.append(m->contains(c.name) ? QJsonValue(m->value(c.name)) : QJsonValue());
                byMember.insert(m.key(), list);
            }
        }
        if (!byMember.isEmpty())
            cards.insert(QString::number(card.key()), byMember);
    }
    root.insert(QStringLiteral("cards"), cards);

    QJsonArray ties;
    for (ScoringGrid::TieBreak t : g.tieBreaks)
        ties.append(tieBreakKey(t));
    root.insert(QStringLiteral("tieBreaks"), ties);
    QJsonArray manual;
    for (qint64 card : g.manualOrder)
        manual.append(double(card));
    root.insert(QStringLiteral("manualOrder"), manual);
    root.insert(QStringLiteral("nonSuitable"),
                g.nonSuitable == ScoringGrid::NonSuitable::SeparateBlock ? QStringLiteral("blocco")
                                                                         : QStringLiteral("esclusi"));
    root.insert(QStringLiteral("publishedName"),
                g.publishedName == ScoringGrid::PublishedName::FullName ? QStringLiteral("nome")
                                                                        : QStringLiteral("identificativo"));
    return root;
}

bool positiveCard(const QString& key, qint64* card)
{
    bool ok = false;
    const qint64 n = key.toLongLong(&ok);
    if (!ok || n < 1 || QString::number(n) != key)
        return false;
    *card = n;
    return true;
}

bool wholePositive(const QJsonValue& v, qint64* card)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!(d >= 1.0) || d > 9.0e15 || std::floor(d) != d)
        return false;
    *card = qint64(d);
    return true;
}

// Reads the JSON into grid; an empty result means it is sound.
QString parse(const QJsonObject& root, ScoringGrid* g, bool withScores)
{
    auto textOf = [](const QJsonObject& o, const char* key, QString* out) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isString())
            return false;
        *out = v.toString();
        return true;
    };

    const QJsonValue criteria = root.value(QStringLiteral("criteria"));
    if (!criteria.isArray())
        return QStringLiteral("manca l'elenco dei criteri di valutazione.");
    for (const QJsonValue& v : criteria.toArray()) {
        const QJsonObject o = v.toObject();
        GridCriterion c;
        if (!v.isObject() || !textOf(o, "name", &c.name) || !o.value(QStringLiteral("max")).isDouble() ||
            !o.value(QStringLiteral("weight")).isDouble())
            return QStringLiteral("un criterio di valutazione è scritto in modo non riconoscibile.");
        c.maxPoints = o.value(QStringLiteral("max")).toDouble();
        c.weight = o.value(QStringLiteral("weight")).toDouble();
        g->criteria.append(c);
    }

    const QJsonValue members = root.value(QStringLiteral("members"));
    if (!members.isArray())
        return QStringLiteral("manca l'elenco dei componenti della commissione.");
    for (const QJsonValue& v : members.toArray()) {
        const QJsonObject o = v.toObject();
        GridMember m;
        QString role;
        if (!v.isObject() || !textOf(o, "name", &m.name) || !textOf(o, "role", &role) ||
            !GridMath::roleFromText(role, &m.role))
            return QStringLiteral("un componente della commissione è scritto in modo non riconoscibile.");
        g->members.append(m);
    }

    // Hand edits the committee could not have made through the window.
    QSet<QString> names;
    for (const GridCriterion& c : g->criteria) {
        if (c.name.trimmed().isEmpty() || names.contains(c.name))
            return QStringLiteral("un criterio di valutazione non ha un nome o è ripetuto.");
        names.insert(c.name);
        if (!(c.maxPoints > 0.0) || !(c.weight > 0.0))
            return QStringLiteral("il criterio \"%1\" ha un punteggio massimo o un peso non maggiore di zero.")
                .arg(c.name);
    }
    names.clear();
    for (const GridMember& m : g->members) {
        if (m.name.trimmed().isEmpty() || names.contains(m.name))
            return QStringLiteral("un componente della commissione non ha un nome o è ripetuto.");
        names.insert(m.name);
    }

    const QJsonObject scale = root.value(QStringLiteral("scale")).toObject();
    const QString kind = scale.value(QStringLiteral("kind")).toString();
    if (kind == QLatin1String("scala")) {
        g->scale.scaled = true;
        g->scale.maximum = scale.value(QStringLiteral("max")).toDouble();
        if (!(g->scale.maximum > 0.0))
            return QStringLiteral("il punteggio massimo della scala non è maggiore di zero.");
    } else if (kind != QLatin1String("somma")) {
        return QStringLiteral("la scala dei punteggi non è riconoscibile.");
    }

    const QJsonValue cards = root.value(QStringLiteral("cards"));
    if (!cards.isObject())
        return QStringLiteral("mancano i punteggi delle schede.");
    const QJsonObject cardsObject = cards.toObject();
    if (!withScores) {
        for (const QString& key : cardsObject.keys()) {
            qint64 position = 0;
            if (!positiveCard(key, &position))
                return QStringLiteral("i punteggi della scheda \"%1\" non sono riconoscibili.").arg(key);
            g->skippedHighestCard = qMax(g->skippedHighestCard, position);
        }
    }
    for (auto card = cardsObject.begin(); withScores && card != cardsObject.end(); ++card) {
        qint64 position = 0;
        if (!positiveCard(card.key(), &position) || !card.value().isObject())
            return QStringLiteral("i punteggi della scheda \"%1\" non sono riconoscibili.").arg(card.key());
        CardScores scores;
        const QJsonObject byMember = card.value().toObject();
        for (auto m = byMember.begin(); m != byMember.end(); ++m) {
            QList<QPair<QString, QJsonValue>> given;
            if (m.value().isArray()) {
                const QJsonArray list = m.value().toArray();
                if (list.size() != g->criteria.size())
                    return QStringLiteral("i punteggi della scheda %1 non corrispondono ai criteri.").arg(position);
                for (int i = 0; i < list.size(); ++i) {
                    if (!list.at(i).isNull())
                        given.append({g->criteria.at(i).name, list.at(i)});
                }
            } else if (m.value().isObject()) {
                const QJsonObject byCriterion = m.value().toObject();
                for (auto c = byCriterion.begin(); c != byCriterion.end(); ++c)
                    given.append({c.key(), c.value()});
            } else {
                return QStringLiteral("i punteggi della scheda %1 non sono riconoscibili.").arg(position);
            }
            for (const auto& [criterion, v] : given) {
                if (!v.isDouble())
                    return QStringLiteral("un punteggio della scheda %1 non è un numero.").arg(position);
                const double points = v.toDouble();
                const int index = g->criterionIndex(criterion);
                const double top = index >= 0 ? g->criteria.at(index).maxPoints : points;
                if (!(points >= 0.0) || points > top)
                    return QStringLiteral("il punteggio %1 dato da %2 alla scheda %3 per il criterio \"%4\" è "
                                          "fuori dall'intervallo da 0 a %5.")
                        .arg(number(points), m.key())
                        .arg(position)
                        .arg(criterion, number(top));
                scores[m.key()].insert(criterion, points);
            }
        }
        g->cards.insert(position, scores);
    }

    for (const QJsonValue& v : root.value(QStringLiteral("tieBreaks")).toArray()) {
        if (v.toString() == QLatin1String("eta"))
            g->tieBreaks.append(ScoringGrid::TieBreak::YoungerFirst);
        else if (v.toString() == QLatin1String("manuale"))
            g->tieBreaks.append(ScoringGrid::TieBreak::ManualOrder);
        else
            return QStringLiteral("un criterio di spareggio non è riconoscibile.");
    }
    QSet<qint64> seen;
    for (const QJsonValue& v : root.value(QStringLiteral("manualOrder")).toArray()) {
        qint64 card = 0;
        if (!wholePositive(v, &card) || seen.contains(card))
            return QStringLiteral("l'ordine manuale degli ex aequo non è riconoscibile.");
        seen.insert(card);
        g->manualOrder.append(card);
    }
    const QString nonSuitable = root.value(QStringLiteral("nonSuitable")).toString(QStringLiteral("blocco"));
    if (nonSuitable == QLatin1String("esclusi"))
        g->nonSuitable = ScoringGrid::NonSuitable::LeftOut;
    else if (nonSuitable != QLatin1String("blocco"))
        return QStringLiteral("la scelta sui candidati non idonei non è riconoscibile.");
    const QString published = root.value(QStringLiteral("publishedName")).toString(QStringLiteral("nome"));
    if (published == QLatin1String("identificativo"))
        g->publishedName = ScoringGrid::PublishedName::Identifier;
    else if (published != QLatin1String("nome"))
        return QStringLiteral("la scelta dei dati da pubblicare non è riconoscibile.");

    const QJsonObject seal = root.value(QStringLiteral("publication")).toObject();
    g->seal.sessionSha256 = seal.value(QStringLiteral("sessionSha256")).toString();
    g->seal.gridSha256 = seal.value(QStringLiteral("gridSha256")).toString();
    g->seal.when = QDateTime::fromString(seal.value(QStringLiteral("when")).toString(), Qt::ISODate);
    return QString();
}

} // namespace

QByteArray ScoringGrid::toJson() const
{
    QJsonObject root = contentObject(*this);
    if (seal.isSet())
        root.insert(QStringLiteral("publication"),
                    QJsonObject {{QStringLiteral("sessionSha256"), seal.sessionSha256},
                                 {QStringLiteral("gridSha256"), seal.gridSha256},
                                 {QStringLiteral("when"), seal.when.toString(Qt::ISODate)}});
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString ScoringGrid::contentSha256() const
{
    const QByteArray compact = QJsonDocument(contentObject(*this)).toJson(QJsonDocument::Compact);
    return QString::fromLatin1(QCryptographicHash::hash(compact, QCryptographicHash::Sha256).toHex());
}

bool ScoringGrid::fromJson(const QByteArray& bytes, const QString& expectedSession, ScoringGrid* grid, QString* problem,
                           bool withScores)
{
    *grid = ScoringGrid();
    auto fail = [&](const QString& why) {
        *grid = ScoringGrid();
        if (problem)
            *problem = why;
        return false;
    };
    QJsonObject root;
    QString why;
    if (!JsonSideFile::open(bytes, kFormat, Version, QStringLiteral("di griglia di valutazione"), &root, &why))
        return fail(why);
    const QString session = root.value(QStringLiteral("session")).toString();
    if (session.compare(expectedSession, Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("appartiene alla sessione \"%1\", non a \"%2\".").arg(session, expectedSession));
    grid->sessionFile = session;
    const QString wrong = parse(root, grid, withScores);
    if (!wrong.isEmpty())
        return fail(wrong);
    if (grid->seal.isSet()) {
        QJsonObject content = root;
        content.remove(QStringLiteral("publication"));
        grid->storedContentSha256 = QString::fromLatin1(
            QCryptographicHash::hash(QJsonDocument(content).toJson(QJsonDocument::Compact), QCryptographicHash::Sha256)
                .toHex());
    }
    return true;
}
namespace GridFile {

QString pathFor(const QString& sessionPath)
{
    return SessionCatalogue::sidePath(sessionPath, SessionCatalogue::GridSuffix);
}

Status read(const QString& sessionPath, ScoringGrid* grid, QString* problem, bool withScores)
{
    *grid = ScoringGrid();
    grid->sessionFile = QFileInfo(sessionPath).fileName();
    QByteArray bytes;
    switch (WholeFile::read(pathFor(sessionPath), &bytes, problem)) {
    case WholeFile::Status::Missing:
        return Status::Missing;
    case WholeFile::Status::Failed:
        return Status::Failed;
    case WholeFile::Status::Read:
        break;
    }
    if (!ScoringGrid::fromJson(bytes, QFileInfo(sessionPath).fileName(), grid, problem, withScores)) {
        grid->sessionFile = QFileInfo(sessionPath).fileName();
        return Status::Damaged;
    }
    return Status::Read;
}

bool write(const QString& sessionPath, const ScoringGrid& grid, QString* error)
{
    return SafeWrite::wholeFile(pathFor(sessionPath), grid.toJson(), error);
}

QString setAside(const QString& sessionPath)
{
    const QString path = pathFor(sessionPath);
    QString target = path + QStringLiteral(".danneggiato");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".danneggiato%1").arg(n);
    return QFile::rename(path, target) ? target : QString();
}

QString fileSha256(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError)
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

QString damagedMessage(const QString& sidePath, const QString& problem)
{
    return QStringLiteral("Attenzione: il file della griglia di valutazione \"%1\" non può essere usato: %2\r\n\r\n"
                          "Il file non è stato modificato.")
        .arg(QFileInfo(sidePath).fileName(), problem);
}

QString writeFailedMessage(const QString& error)
{
    return QStringLiteral("Attenzione: non è stato possibile salvare la griglia di valutazione (%1).\r\n\r\n"
                          "Il file della griglia è rimasto com'era; la scheda della sessione non è stata modificata.")
        .arg(error);
}

QString staleCardsMessage(qint64 highestCard, qint64 cardCount)
{
    return QStringLiteral(
               "Attenzione: la griglia di valutazione contiene punteggi fino alla scheda n. %1, ma la sessione "
               "ha ora %2 schede: il file della sessione è stato cambiato dopo la compilazione della "
               "griglia.\r\n\r\nI punteggi delle schede mancanti sono conservati nel file della griglia e "
               "non vengono usati.")
        .arg(highestCard)
        .arg(cardCount);
}

} // namespace GridFile
