#include "competition/core/CompetitionRanking.h"

#include "base/core/NumberText.h"
#include "base/core/TextRules.h"
#include "rankings/core/OfficialRanking.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

using Role = CompetitionTest::Role;

const QString kByTitles = QStringLiteral("titoli di preferenza");
const QString kByChildren = QStringLiteral("figli a carico");
const QString kByAge = QStringLiteral("minore età");
const QString kByCommittee = QStringLiteral("ordine stabilito dalla commissione");

QString normalName(const QString& name)
{
    return TextRules::trimmed(name).simplified().toUpper();
}

// The cards of every test, one entry each, with what matching needs.
struct CardInfo
{
    int test = 0;
    TestCard card;
    QString key; // "session#card"
    QString name; // normalised
    QString code; // a valid fiscal code, upper case; empty otherwise
    QDate birth;
};

// Union-find over the cards.
struct Groups
{
    QList<int> parent;
    int find(int i)
    {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    }
    void join(int a, int b)
    {
        a = find(a);
        b = find(b);
        if (a != b)
            parent[std::max(a, b)] = std::min(a, b);
    }
};

QString pairKey(const QString& a, const QString& b)
{
    return a < b ? a + QLatin1Char('|') + b : b + QLatin1Char('|') + a;
}

// Declared titles as their places in the list, best (lowest) first.
QList<int> titleRanks(const QStringList& declared, const QStringList& list)
{
    QList<int> out;
    for (const QString& t : declared) {
        const int at = int(list.indexOf(t));
        if (at >= 0 && !out.contains(at))
            out << at;
    }
    std::sort(out.begin(), out.end());
    return out;
}

// <0 when a comes first: the highest title decides, then the next.
int compareTitles(const QList<int>& a, const QList<int>& b)
{
    for (int i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() > b.size() ? -1 : 1;
    return 0;
}

using Group = QList<CompetitionLine>;

// Splits a group of equals by a comparison (<0: a first); the pieces keep
// the group's order among lines the rule cannot tell apart.
QList<Group> split(Group group, const std::function<int(const CompetitionLine&, const CompetitionLine&)>& cmp)
{
    std::stable_sort(group.begin(), group.end(),
                     [&](const CompetitionLine& a, const CompetitionLine& b) { return cmp(a, b) < 0; });
    QList<Group> out;
    for (CompetitionLine& line : group) {
        if (out.isEmpty() || cmp(out.last().last(), line) != 0)
            out.append(Group());
        out.last().append(std::move(line));
    }
    return out;
}

struct TieBreaks
{
    const Competition& competition;
    QHash<QString, QList<int>> titles;
    QHash<QString, int> manual;
    int manualGroups = 0;

    QList<Group> refine(Group group, int stage)
    {
        if (group.size() < 2 || stage > 3)
            return {group};
        QList<Group> pieces;
        QString rule;
        if (stage == 0) {
            rule = kByTitles;
            pieces = split(group, [this](const CompetitionLine& a, const CompetitionLine& b) {
                return compareTitles(titles.value(a.person), titles.value(b.person));
            });
        } else if (stage == 1) {
            rule = kByChildren;
            pieces = split(group, [this](const CompetitionLine& a, const CompetitionLine& b) {
                const int ca = competition.facts.value(a.person).children;
                const int cb = competition.facts.value(b.person).children;
                return ca == cb ? 0 : (ca > cb ? -1 : 1);
            });
        } else if (stage == 2) {
            rule = kByAge;
            bool missing = false;
            for (CompetitionLine& line : group) {
                if (!line.birthDate.isValid()) {
                    line.flagged = true;
                    missing = true;
                }
            }
            // Without every date the age cannot decide among these lines.
            if (missing)
                return refine(std::move(group), stage + 1);
            pieces = split(group, [](const CompetitionLine& a, const CompetitionLine& b) {
                return a.birthDate == b.birthDate ? 0 : (a.birthDate > b.birthDate ? -1 : 1);
            });
        } else {
            rule = kByCommittee;
            ++manualGroups;
            for (CompetitionLine& line : group)
                line.manualGroup = manualGroups;
            pieces = split(group, [this](const CompetitionLine& a, const CompetitionLine& b) {
                const int ia = manual.value(a.person, INT_MAX);
                const int ib = manual.value(b.person, INT_MAX);
                return ia == ib ? 0 : (ia < ib ? -1 : 1);
            });
        }
        if (pieces.size() > 1) {
            for (Group& piece : pieces)
                for (CompetitionLine& line : piece)
                    if (line.placedBy.isEmpty())
                        line.placedBy = rule;
        }
        QList<Group> out;
        for (Group& piece : pieces)
            out.append(refine(std::move(piece), stage + 1));
        return out;
    }
};

QString sessionLabel(const CompetitionTest& t)
{
    return CompetitionRules::roleName(t.role).toLower() + QStringLiteral(" («") + t.session + QStringLiteral("»)");
}

} // namespace

int FinalScore::compare(const FinalScore& other) const
{
    // Both denominators are small: the cross products fit easily.
    const qint64 a = num * other.den;
    const qint64 b = other.num * den;
    return a == b ? 0 : (a < b ? -1 : 1);
}

QString FinalScore::text() const
{
    const bool exact = num % den == 0;
    if (exact)
        return CompetitionRanking::scoreText(num / den);
    // Thousandths, rounded half up.
    const qint64 thousandths = (num * 10 * 2 + den) / (2 * den);
    return QString::number(thousandths / 1000) + QLatin1Char(',') +
        QStringLiteral("%1").arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
}

namespace CompetitionRanking {

QStringList moved(const CompetitionResult& result, const QStringList& manualOrder, const QString& person, int step)
{
    int group = 0;
    for (const CompetitionLine& line : result.ranked)
        if (line.person == person)
            group = line.manualGroup;
    if (group == 0)
        return manualOrder;
    QStringList members;
    for (const CompetitionLine& line : result.ranked)
        if (line.manualGroup == group)
            members << line.person;
    const int at = int(members.indexOf(person));
    const int to = at + step;
    if (at < 0 || to < 0 || to >= members.size())
        return manualOrder;
    members.swapItemsAt(at, to);
    QStringList out;
    for (const QString& p : manualOrder)
        if (!members.contains(p))
            out << p;
    return out + members;
}

QString cardKey(const QString& session, qint64 card)
{
    return session + QLatin1Char('#') + QString::number(card);
}

qint64 hundredths(const QString& punteggio)
{
    double value = 0;
    if (!NumberText::parse(TextRules::trimmed(punteggio), &value) || value < 0)
        return -1;
    return qint64(std::llround(value * 100));
}

QString scoreText(qint64 h)
{
    return QString::number(h / 100) + QLatin1Char(',') + QStringLiteral("%1").arg(h % 100, 2, 10, QLatin1Char('0'));
}

CompetitionResult build(const Competition& competition, const QList<QList<TestCard>>& cards,
                        const ArchiveBirthDate& archive, const QDate& today)
{
    CompetitionResult result;
    const int testCount = int(competition.tests.size());

    // --- the cards --------------------------------------------------------
    QList<CardInfo> all;
    for (int t = 0; t < testCount && t < cards.size(); ++t) {
        for (const TestCard& c : cards.at(t)) {
            CardInfo info;
            info.test = t;
            info.card = c;
            info.key = cardKey(competition.tests.at(t).session, c.card);
            info.name = normalName(c.candidato);
            const QString code = FiscalCodeCheckLetter::maiuscoleAZ(TextRules::trimmed(c.codiceFiscale));
            if (FiscalCodeCheckLetter::valido(code)) {
                info.code = code;
                info.birth = OfficialRanking::birthDate(code, today);
            }
            if (!info.birth.isValid() && archive)
                info.birth = archive(c.candidato);
            all.append(info);
        }
    }
    QHash<QString, int> byKey;
    for (int i = 0; i < all.size(); ++i)
        byKey.insert(all[i].key, i);

    QSet<QString> separated;
    for (const QStringList& pair : competition.separations)
        if (pair.size() == 2)
            separated.insert(pairKey(pair[0], pair[1]));

    // --- one person per candidate ------------------------------------------
    Groups groups;
    for (int i = 0; i < all.size(); ++i)
        groups.parent.append(i);
    QHash<QString, int> firstByCode;
    QHash<QString, int> firstByNameDate;
    QHash<QString, QList<int>> byName;
    for (int i = 0; i < all.size(); ++i) {
        const CardInfo& c = all[i];
        if (!c.code.isEmpty()) {
            // The same valid fiscal code is the same person.
            const auto it = firstByCode.constFind(c.code);
            if (it == firstByCode.constEnd())
                firstByCode.insert(c.code, i);
            else if (!separated.contains(pairKey(all[*it].key, c.key)))
                groups.join(*it, i);
        }
        byName[c.name].append(i);
    }
    // Failing a code, the same name and birth date.
    for (int i = 0; i < all.size(); ++i) {
        const CardInfo& c = all[i];
        if (!c.birth.isValid() || c.name.isEmpty())
            continue;
        const QString k = c.name + QLatin1Char('|') + c.birth.toString(Qt::ISODate);
        const auto it = firstByNameDate.constFind(k);
        if (it == firstByNameDate.constEnd()) {
            firstByNameDate.insert(k, i);
            continue;
        }
        const CardInfo& other = all[*it];
        // Two valid codes that differ are two people, whatever the names.
        if (!c.code.isEmpty() && !other.code.isEmpty() && c.code != other.code)
            continue;
        if (!separated.contains(pairKey(other.key, c.key)))
            groups.join(*it, i);
    }
    // The committee's links.
    for (const QStringList& link : competition.links) {
        int first = -1;
        for (const QString& key : link) {
            const int i = byKey.value(key, -1);
            if (i < 0)
                continue;
            if (first < 0)
                first = i;
            else
                groups.join(first, i);
        }
    }

    // Doubts: the same name in two groups that nothing tells apart, and a
    // group holding two cards of one test.
    QSet<QString> reported;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        const QList<int>& same = it.value();
        if (it.key().isEmpty() || same.size() < 2)
            continue;
        for (int x = 0; x < same.size(); ++x) {
            for (int y = x + 1; y < same.size(); ++y) {
                const CardInfo& a = all[same[x]];
                const CardInfo& b = all[same[y]];
                if (a.test == b.test || groups.find(same[x]) == groups.find(same[y]))
                    continue;
                if (separated.contains(pairKey(a.key, b.key)))
                    continue;
                const bool codesDiffer = !a.code.isEmpty() && !b.code.isEmpty() && a.code != b.code;
                const bool datesDiffer = a.birth.isValid() && b.birth.isValid() && a.birth != b.birth;
                if (codesDiffer || datesDiffer)
                    continue;
                const QString pk = pairKey(a.key, b.key);
                if (reported.contains(pk))
                    continue;
                reported.insert(pk);
                result.doubtful.append({a.key, b.key,
                                        QStringLiteral("stesso nome senza codice fiscale o data di nascita "
                                                       "che confermino che è la stessa persona"),
                                        a.card, b.card});
            }
        }
    }

    // --- people -----------------------------------------------------------
    QHash<int, QList<int>> members;
    QList<int> roots;
    for (int i = 0; i < all.size(); ++i) {
        const int r = groups.find(i);
        if (!members.contains(r))
            roots.append(r);
        members[r].append(i);
    }

    TieBreaks tie {competition, {}, {}};
    for (int i = 0; i < competition.manualOrder.size(); ++i)
        tie.manual.insert(competition.manualOrder.at(i), i);

    QList<CompetitionLine> admitted;
    for (int r : roots) {
        const QList<int>& cardsOf = members.value(r);
        CompetitionLine line;
        line.scores = QList<qint64>(testCount, -1);
        QHash<int, int> perTest;
        for (int i : cardsOf) {
            const CardInfo& c = all[i];
            if (line.codiceFiscale.isEmpty())
                line.codiceFiscale = c.code;
            if (line.name.isEmpty())
                line.name = TextRules::trimmed(c.card.candidato);
            if (!line.birthDate.isValid())
                line.birthDate = c.birth;
            if (perTest.contains(c.test)) {
                const CardInfo& first = all[perTest.value(c.test)];
                const QString pk = pairKey(first.key, c.key);
                if (!reported.contains(pk)) {
                    reported.insert(pk);
                    result.doubtful.append({first.key, c.key,
                                            QStringLiteral("la stessa persona ha due schede nella stessa prova"),
                                            first.card, c.card});
                }
                continue;
            }
            perTest.insert(c.test, i);
            line.scores[c.test] = hundredths(c.card.punteggio);
        }
        // The person key: the fiscal code, else the name and birth date,
        // else the first card.
        if (!line.codiceFiscale.isEmpty())
            line.person = line.codiceFiscale;
        else if (line.birthDate.isValid())
            line.person = normalName(line.name) + QLatin1Char('|') + line.birthDate.toString(Qt::ISODate);
        else
            line.person = all[cardsOf.first()].key;
        tie.titles.insert(line.person,
                          titleRanks(competition.facts.value(line.person).titles, competition.preferenceTitles));

        // Admission, test by test in the order of the competition: written
        // and practical tests first, then the oral test, then the titles.
        QList<int> order;
        for (Role role : {Role::Written, Role::Practical, Role::Oral, Role::Titles})
            for (int t = 0; t < testCount; ++t)
                if (competition.tests.at(t).role == role)
                    order << t;
        line.admitted = true;
        for (int t : order) {
            const CompetitionTest& test = competition.tests.at(t);
            const qint64 s = line.scores.at(t);
            if (test.role == Role::Titles && test.passMark <= 0)
                continue; // qualifications without a minimum exclude nobody
            if (s < 0) {
                line.admitted = false;
                line.notAdmittedReason = QStringLiteral("assente alla ") + sessionLabel(test);
                break;
            }
            if (s < test.passMark) {
                line.admitted = false;
                line.notAdmittedReason = QStringLiteral("%1 punti su %2 richiesti nella %3")
                                             .arg(scoreText(s), scoreText(test.passMark), sessionLabel(test));
                break;
            }
        }

        // The final score by the call's rule.
        if (competition.rule == Competition::Rule::Weighted) {
            qint64 sum = 0;
            for (int t = 0; t < testCount; ++t)
                sum += std::max<qint64>(line.scores.at(t), 0) * competition.tests.at(t).weight;
            line.finalScore = {sum, 100};
        } else {
            qint64 firstStage = 0;
            qint64 n = 0;
            qint64 rest = 0;
            for (int t = 0; t < testCount; ++t) {
                const qint64 s = std::max<qint64>(line.scores.at(t), 0);
                const Role role = competition.tests.at(t).role;
                if (role == Role::Written || role == Role::Practical) {
                    firstStage += s;
                    ++n;
                } else {
                    rest += s;
                }
            }
            n = std::max<qint64>(n, 1);
            line.finalScore = {firstStage + n * rest, n};
        }

        const auto ov = competition.overrides.constFind(line.person);
        if (line.admitted && ov != competition.overrides.constEnd() &&
            ov->outcome == OutcomeOverride::Outcome::Excluded) {
            line.admitted = false;
            line.notAdmittedReason = QStringLiteral("esclusione decisa dalla commissione: ") + ov->reason;
            line.overrideReason = ov->reason;
        }
        (line.admitted ? admitted : result.notAdmitted).append(line);
    }

    // --- merit order and shared positions -----------------------------------
    std::stable_sort(admitted.begin(), admitted.end(), [](const CompetitionLine& a, const CompetitionLine& b) {
        const int c = a.finalScore.compare(b.finalScore);
        if (c != 0)
            return c > 0;
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    QList<Group> scoreGroups;
    for (CompetitionLine& line : admitted) {
        if (scoreGroups.isEmpty() || scoreGroups.last().last().finalScore.compare(line.finalScore) != 0)
            scoreGroups.append(Group());
        scoreGroups.last().append(std::move(line));
    }
    int before = 0;
    for (Group& g : scoreGroups) {
        for (Group& piece : tie.refine(std::move(g), 0)) {
            for (CompetitionLine& line : piece) {
                line.position = before + 1;
                line.exAequo = piece.size() > 1;
                result.ranked.append(std::move(line));
            }
            before += int(piece.size());
        }
    }
    std::stable_sort(result.notAdmitted.begin(), result.notAdmitted.end(),
                     [](const CompetitionLine& a, const CompetitionLine& b) {
                         return QString::localeAwareCompare(a.name, b.name) < 0;
                     });

    // --- winners --------------------------------------------------------------
    const int posts = competition.posts;
    QStringList rule;
    rule << QStringLiteral("Posti messi a concorso: %1.").arg(posts);
    auto overrideOf = [&](const CompetitionLine& line) -> const OutcomeOverride* {
        const auto it = competition.overrides.constFind(line.person);
        return it == competition.overrides.constEnd() ? nullptr : &*it;
    };
    int winners = 0;
    for (CompetitionLine& line : result.ranked) {
        const OutcomeOverride* o = overrideOf(line);
        if (o && o->outcome == OutcomeOverride::Outcome::Winner) {
            line.outcome = CompetitionLine::Outcome::Winner;
            line.overrideReason = o->reason;
            ++winners;
        }
    }
    if (winners > 0)
        rule << QStringLiteral("Vincitori indicati dalla commissione, con la motivazione stampata: %1.").arg(winners);
    auto available = [&](const CompetitionLine& line) {
        const OutcomeOverride* o = overrideOf(line);
        return line.outcome == CompetitionLine::Outcome::None &&
            !(o && o->outcome == OutcomeOverride::Outcome::Eligible);
    };
    for (const CompetitionReserve& reserve : competition.reserves) {
        const int quota = CompetitionRules::reservedPosts(reserve, posts);
        int taken = 0;
        for (CompetitionLine& line : result.ranked) {
            if (taken >= quota || winners >= posts)
                break;
            if (!available(line) || !competition.facts.value(line.person).reserves.contains(reserve.name))
                continue;
            line.outcome = CompetitionLine::Outcome::Winner;
            line.reserveUsed = reserve.name;
            ++taken;
            ++winners;
        }
        QString text = QStringLiteral("Riserva «%1»: %2 %3")
                           .arg(reserve.name)
                           .arg(quota)
                           .arg(quota == 1 ? QStringLiteral("posto") : QStringLiteral("posti"));
        if (reserve.percent > 0)
            text += QStringLiteral(" (%1% di %2, la frazione di posto va al merito)").arg(reserve.percent).arg(posts);
        text += QStringLiteral(", %1 assegnati ai riservatari meglio collocati").arg(taken);
        if (taken < quota)
            text += QStringLiteral("; i %1 non coperti vanno al merito").arg(quota - taken);
        rule << text + QLatin1Char('.');
    }
    int lastPosition = 0;
    for (CompetitionLine& line : result.ranked) {
        if (winners >= posts)
            break;
        if (!available(line))
            continue;
        line.outcome = CompetitionLine::Outcome::Winner;
        lastPosition = line.position;
        ++winners;
    }
    rule << (competition.reserves.isEmpty() && rule.size() == 1
                 ? QStringLiteral("I posti sono assegnati nell'ordine della graduatoria di merito.")
                 : QStringLiteral("I restanti posti sono assegnati nell'ordine della graduatoria di merito."));
    for (CompetitionLine& line : result.ranked) {
        if (line.outcome == CompetitionLine::Outcome::None) {
            line.outcome = CompetitionLine::Outcome::Eligible;
            const OutcomeOverride* o = overrideOf(line);
            if (o && o->outcome == OutcomeOverride::Outcome::Eligible)
                line.overrideReason = o->reason;
            // A tie for the last post that no rule broke is the committee's
            // to settle.
            if (lastPosition > 0 && line.position == lastPosition)
                line.tiedForLastPost = true;
        }
    }
    result.winnerRule = rule.join(QLatin1Char(' '));
    return result;
}

} // namespace CompetitionRanking
