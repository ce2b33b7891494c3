#include "competition/core/CompetitionFile.h"

#include "base/core/JsonSideFile.h"
#include "base/core/SafeWrite.h"
#include "base/core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

const QString kSuffix = QStringLiteral(".concorso.json");

struct RoleName
{
    CompetitionTest::Role role;
    const char* key;
};
const RoleName kRoles[] = {{CompetitionTest::Role::Written, "scritta"},
                           {CompetitionTest::Role::Practical, "pratica"},
                           {CompetitionTest::Role::Oral, "orale"},
                           {CompetitionTest::Role::Titles, "titoli"}};

struct OutcomeName
{
    OutcomeOverride::Outcome outcome;
    const char* key;
};
const OutcomeName kOutcomes[] = {{OutcomeOverride::Outcome::Winner, "vincitore"},
                                 {OutcomeOverride::Outcome::Eligible, "idoneo"},
                                 {OutcomeOverride::Outcome::Excluded, "escluso"}};

double points(qint64 hundredths)
{
    return double(hundredths) / 100.0;
}

QJsonArray strings(const QStringList& list)
{
    QJsonArray out;
    for (const QString& s : list)
        out.append(s);
    return out;
}

// A list of strings, or why not.
bool readStrings(const QJsonValue& value, QStringList* out)
{
    out->clear();
    if (value.isUndefined())
        return true;
    if (!value.isArray())
        return false;
    for (const QJsonValue& v : value.toArray()) {
        if (!v.isString())
            return false;
        out->append(v.toString());
    }
    return true;
}

// Points with at most two decimals, not negative, in hundredths; -1 when it
// is not such a number.
qint64 readPoints(const QJsonValue& value)
{
    if (!value.isDouble())
        return -1;
    const double v = value.toDouble();
    if (!std::isfinite(v) || v < 0 || v > 1e9)
        return -1;
    const double h = std::round(v * 100);
    if (std::fabs(h - v * 100) > 1e-6)
        return -1;
    return qint64(h);
}

} // namespace

namespace CompetitionFile {

QString pathFor(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name + kSuffix);
}

QStringList list(const QString& folder)
{
    QStringList out;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
    for (const QString& f : files)
        out << f.left(f.size() - kSuffix.size());
    return out;
}

QByteArray toJson(const Competition& c)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), QString::fromLatin1(Format));
    root.insert(QStringLiteral("version"), Competition::Version);
    root.insert(QStringLiteral("name"), c.name);
    root.insert(QStringLiteral("rule"),
                c.rule == Competition::Rule::Weighted ? QStringLiteral("ponderata") : QStringLiteral("usuale"));
    root.insert(QStringLiteral("posts"), c.posts);

    QJsonArray tests;
    for (const CompetitionTest& t : c.tests) {
        QJsonObject o {{QStringLiteral("session"), t.session}, {QStringLiteral("max"), points(t.maximum)}};
        for (const RoleName& r : kRoles)
            if (r.role == t.role)
                o.insert(QStringLiteral("role"), QString::fromLatin1(r.key));
        if (t.passMark >= 0)
            o.insert(QStringLiteral("passMark"), points(t.passMark));
        if (c.rule == Competition::Rule::Weighted)
            o.insert(QStringLiteral("weight"), points(t.weight));
        tests.append(o);
    }
    root.insert(QStringLiteral("tests"), tests);

    QJsonArray reserves;
    for (const CompetitionReserve& r : c.reserves) {
        QJsonObject o {{QStringLiteral("name"), r.name}};
        if (r.percent > 0)
            o.insert(QStringLiteral("percent"), r.percent);
        else
            o.insert(QStringLiteral("posts"), r.posts);
        reserves.append(o);
    }
    root.insert(QStringLiteral("reserves"), reserves);
    root.insert(QStringLiteral("preferenceTitles"), strings(c.preferenceTitles));
    root.insert(QStringLiteral("titlesSource"), c.titlesSource);

    // Candidates in a fixed order, so that an unchanged competition is
    // written with the same bytes.
    QJsonObject candidates;
    QStringList people = c.facts.keys();
    people.sort();
    for (const QString& p : people) {
        const CandidateFacts& f = c.facts.value(p);
        if (f.titles.isEmpty() && f.children == 0 && f.reserves.isEmpty())
            continue;
        candidates.insert(p,
                          QJsonObject {{QStringLiteral("titles"), strings(f.titles)},
                                       {QStringLiteral("children"), f.children},
                                       {QStringLiteral("reserves"), strings(f.reserves)}});
    }
    root.insert(QStringLiteral("candidates"), candidates);

    QJsonArray links;
    for (const QStringList& l : c.links)
        links.append(strings(l));
    root.insert(QStringLiteral("links"), links);
    QJsonArray separations;
    for (const QStringList& s : c.separations)
        separations.append(strings(s));
    root.insert(QStringLiteral("separations"), separations);
    root.insert(QStringLiteral("manualOrder"), strings(c.manualOrder));

    QJsonObject overrides;
    for (auto it = c.overrides.cbegin(); it != c.overrides.cend(); ++it) {
        QJsonObject o {{QStringLiteral("reason"), it->reason}};
        for (const OutcomeName& n : kOutcomes)
            if (n.outcome == it->outcome)
                o.insert(QStringLiteral("outcome"), QString::fromLatin1(n.key));
        overrides.insert(it.key(), o);
    }
    root.insert(QStringLiteral("overrides"), overrides);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool fromJson(const QByteArray& bytes, Competition* competition, QString* problem)
{
    *competition = Competition();
    auto fail = [&](const QString& why) {
        *competition = Competition();
        if (problem)
            *problem = why;
        return false;
    };
    QJsonObject root;
    QString why;
    if (!JsonSideFile::open(bytes, QString::fromLatin1(Format), Competition::Version, QStringLiteral("di concorso"),
                            &root, &why))
        return fail(why);

    Competition c;
    c.name = root.value(QStringLiteral("name")).toString();
    const QString rule = root.value(QStringLiteral("rule")).toString();
    if (rule == QStringLiteral("ponderata"))
        c.rule = Competition::Rule::Weighted;
    else if (rule != QStringLiteral("usuale"))
        return fail(QStringLiteral("la regola del punteggio finale \"%1\" non è conosciuta.").arg(rule));
    const QJsonValue posts = root.value(QStringLiteral("posts"));
    if (!posts.isDouble() || posts.toDouble() < 0 || posts.toDouble() != std::floor(posts.toDouble()))
        return fail(QStringLiteral("il numero dei posti non è valido."));
    c.posts = posts.toInt();

    for (const QJsonValue& v : root.value(QStringLiteral("tests")).toArray()) {
        const QJsonObject o = v.toObject();
        CompetitionTest t;
        t.session = o.value(QStringLiteral("session")).toString();
        if (t.session.isEmpty())
            return fail(QStringLiteral("una prova non indica la sua sessione."));
        const QString role = o.value(QStringLiteral("role")).toString();
        bool known = false;
        for (const RoleName& r : kRoles) {
            if (role == QLatin1String(r.key)) {
                t.role = r.role;
                known = true;
            }
        }
        if (!known)
            return fail(QStringLiteral("il tipo della prova «%1» non è conosciuto.").arg(t.session));
        t.maximum = readPoints(o.value(QStringLiteral("max")));
        if (t.maximum <= 0)
            return fail(QStringLiteral("il punteggio massimo della prova «%1» non è valido.").arg(t.session));
        if (o.contains(QStringLiteral("passMark"))) {
            t.passMark = readPoints(o.value(QStringLiteral("passMark")));
            if (t.passMark < 0)
                return fail(QStringLiteral("il punteggio minimo della prova «%1» non è valido.").arg(t.session));
        }
        if (o.contains(QStringLiteral("weight"))) {
            t.weight = readPoints(o.value(QStringLiteral("weight")));
            if (t.weight < 0)
                return fail(QStringLiteral("il peso della prova «%1» non è valido.").arg(t.session));
        }
        c.tests.append(t);
    }
    for (const QJsonValue& v : root.value(QStringLiteral("reserves")).toArray()) {
        const QJsonObject o = v.toObject();
        CompetitionReserve r;
        r.name = o.value(QStringLiteral("name")).toString();
        r.posts = o.value(QStringLiteral("posts")).toInt(0);
        r.percent = o.value(QStringLiteral("percent")).toInt(0);
        if (r.name.isEmpty() || r.posts < 0 || r.percent < 0 || r.percent > 100)
            return fail(QStringLiteral("una riserva non è valida."));
        c.reserves.append(r);
    }
    if (!readStrings(root.value(QStringLiteral("preferenceTitles")), &c.preferenceTitles))
        return fail(QStringLiteral("l'elenco dei titoli di preferenza non è valido."));
    c.titlesSource = root.value(QStringLiteral("titlesSource")).toString();

    const QJsonObject candidates = root.value(QStringLiteral("candidates")).toObject();
    for (auto it = candidates.begin(); it != candidates.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        CandidateFacts f;
        const QJsonValue children = o.value(QStringLiteral("children"));
        if (!children.isUndefined() &&
            (!children.isDouble() || children.toDouble() < 0 || children.toDouble() > 99 ||
             children.toDouble() != std::floor(children.toDouble())))
            return fail(QStringLiteral("il numero dei figli a carico di un candidato non è valido."));
        f.children = children.toInt(0);
        if (!readStrings(o.value(QStringLiteral("titles")), &f.titles) ||
            !readStrings(o.value(QStringLiteral("reserves")), &f.reserves))
            return fail(QStringLiteral("i titoli o le riserve di un candidato non sono validi."));
        c.facts.insert(it.key(), f);
    }
    for (const QString& key : {QStringLiteral("links"), QStringLiteral("separations")}) {
        for (const QJsonValue& v : root.value(key).toArray()) {
            QStringList cards;
            if (!readStrings(v, &cards) || (key == QStringLiteral("separations") && cards.size() != 2))
                return fail(QStringLiteral("i collegamenti tra le schede non sono validi."));
            (key == QStringLiteral("links") ? c.links : c.separations).append(cards);
        }
    }
    if (!readStrings(root.value(QStringLiteral("manualOrder")), &c.manualOrder))
        return fail(QStringLiteral("l'ordine stabilito dalla commissione non è valido."));
    const QJsonObject overrides = root.value(QStringLiteral("overrides")).toObject();
    for (auto it = overrides.begin(); it != overrides.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        OutcomeOverride ov;
        bool known = false;
        for (const OutcomeName& n : kOutcomes) {
            if (o.value(QStringLiteral("outcome")).toString() == QLatin1String(n.key)) {
                ov.outcome = n.outcome;
                known = true;
            }
        }
        ov.reason = o.value(QStringLiteral("reason")).toString();
        if (!known || ov.reason.trimmed().isEmpty())
            return fail(QStringLiteral("una decisione della commissione non ha esito o motivazione."));
        c.overrides.insert(it.key(), ov);
    }
    *competition = c;
    return true;
}

Status read(const QString& path, Competition* competition, QString* problem)
{
    *competition = Competition();
    QByteArray bytes;
    switch (WholeFile::read(path, &bytes, problem)) {
    case WholeFile::Status::Missing:
        return Status::Missing;
    case WholeFile::Status::Failed:
        return Status::Failed;
    case WholeFile::Status::Read:
        break;
    }
    return fromJson(bytes, competition, problem) ? Status::Read : Status::Damaged;
}

bool write(const QString& path, const Competition& competition, QString* error)
{
    return SafeWrite::wholeFile(path, toJson(competition), error);
}

QString damagedMessage(const QString& path, const QString& problem)
{
    return QStringLiteral("Attenzione: il file del concorso \"%1\" non può essere usato: %2")
        .arg(QDir::toNativeSeparators(path), problem);
}

QString writeFailedMessage(const QString& error)
{
    return QStringLiteral("Attenzione: il concorso non è stato salvato (%1). Il file salvato prima è rimasto com'era.")
        .arg(error);
}

} // namespace CompetitionFile
