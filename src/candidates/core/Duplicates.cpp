// The duplicate scan of the candidate archive: three fields of each record
// read straight from the block in memory, two keys per card, one sort per key
// and a union of the cards that share a key.
#include "candidates/core/Duplicates.h"

#include "app/core/RecordFile.h"
#include "app/core/TextRules.h"
#include "candidates/core/SchedaCandidato.h"
#include "tools/core/FiscalCodeCheck.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

struct Keyed
{
    QString key;
    int index;
};

int root(std::vector<int>& parent, int i)
{
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

// Sorts the keys once and joins the cards of every run of equal keys; marks
// the cards that took part in such a run.
void joinRuns(std::vector<Keyed>& keyed, std::vector<int>& parent, std::vector<char>& marked)
{
    std::sort(keyed.begin(), keyed.end(),
              [](const Keyed& a, const Keyed& b) { return a.key < b.key || (a.key == b.key && a.index < b.index); });
    for (size_t i = 1; i < keyed.size(); ++i) {
        if (keyed[i].key == keyed[i - 1].key) {
            const int a = root(parent, keyed[i - 1].index);
            const int b = root(parent, keyed[i].index);
            if (a != b)
                parent[std::max(a, b)] = std::min(a, b);
            marked[keyed[i].index] = marked[keyed[i - 1].index] = 1;
        }
    }
}

bool readCards(const QString& path, std::vector<Duplicates::Card>* cards)
{
    RecordFile file(path, TSchedaCandidato::Size);
    if (!file.open())
        return false;
    cards->reserve(size_t(file.count()));
    const bool ok = file.scan([cards](qint64 n, const char* r) {
        cards->push_back(
            {n, TSchedaCandidato::candidato(r), TSchedaCandidato::dataNasc(r), TSchedaCandidato::codFisc(r)});
        return true;
    });
    file.close();
    return ok;
}

} // namespace

namespace Duplicates {

QString Group::reason() const
{
    if (sameCode && sameNameAndDate)
        return QStringLiteral("Stesso codice fiscale; stesso nome e data di nascita");
    if (sameCode)
        return QStringLiteral("Stesso codice fiscale");
    return QStringLiteral("Stesso nome e data di nascita");
}

QString codeKey(const QString& code)
{
    return TextRules::trimmed(code).toUpper();
}

QString nameDateKey(const QString& name, const QString& birthDate)
{
    const QString n = FiscalCodeCheck::fold(name);
    const QString typed = TextRules::trimmed(birthDate);
    if (n.isEmpty() || typed.isEmpty())
        return QString();
    // A date that reads as one compares as the date ("1/3/1985" is
    // "01/03/1985"); anything else as typed.
    const QDate d = FiscalCodeCheck::parseDate(typed);
    return n + QLatin1Char('\t') + (d.isValid() ? d.toString(Qt::ISODate) : FiscalCodeCheck::fold(typed));
}

bool scan(const QString& path, QList<Group>* groups)
{
    groups->clear();
    std::vector<Card> cards;
    if (!readCards(path, &cards))
        return false;
    const int n = int(cards.size());
    std::vector<int> parent(static_cast<size_t>(n));
    std::iota(parent.begin(), parent.end(), 0);
    std::vector<char> byCode(static_cast<size_t>(n), 0), byName(static_cast<size_t>(n), 0);
    {
        std::vector<Keyed> keyed;
        keyed.reserve(size_t(n));
        for (int i = 0; i < n; ++i) {
            QString k = codeKey(cards[size_t(i)].code);
            if (!k.isEmpty())
                keyed.push_back({std::move(k), i});
        }
        joinRuns(keyed, parent, byCode);
    }
    {
        std::vector<Keyed> keyed;
        keyed.reserve(size_t(n));
        for (int i = 0; i < n; ++i) {
            QString k = nameDateKey(cards[size_t(i)].name, cards[size_t(i)].birthDate);
            if (!k.isEmpty())
                keyed.push_back({std::move(k), i});
        }
        joinRuns(keyed, parent, byName);
    }
    // Groups in the order of their first card: the root is the smallest index.
    std::vector<int> groupOf(static_cast<size_t>(n), -1);
    for (int i = 0; i < n; ++i) {
        if (!byCode[size_t(i)] && !byName[size_t(i)])
            continue;
        const int r = root(parent, i);
        if (groupOf[size_t(r)] < 0) {
            groupOf[size_t(r)] = int(groups->size());
            groups->append(Group());
        }
        Group& g = (*groups)[groupOf[size_t(r)]];
        g.cards.append(cards[size_t(i)]);
        g.sameCode = g.sameCode || byCode[size_t(i)];
        g.sameNameAndDate = g.sameNameAndDate || byName[size_t(i)];
    }
    return true;
}

bool matches(const QString& path, const QString& name, const QString& birthDate, const QString& code,
             QList<Card>* found)
{
    found->clear();
    const QString ck = codeKey(code);
    const QString nk = nameDateKey(name, birthDate);
    if (ck.isEmpty() && nk.isEmpty())
        return true;
    const QString nkDate = nk.mid(nk.indexOf(QLatin1Char('\t')) + 1);
    RecordFile file(path, TSchedaCandidato::Size);
    if (!file.open())
        return false;
    const bool ok = file.scan([&](qint64 n, const char* r) {
        const QString c = TSchedaCandidato::codFisc(r);
        bool same = !ck.isEmpty() && codeKey(c) == ck;
        if (!same && !nk.isEmpty()) {
            // The cheap test first: the date, then the folded name.
            const QString d = TSchedaCandidato::dataNasc(r);
            same = nameDateKey(QStringLiteral("x"), d).mid(2) == nkDate &&
                nameDateKey(TSchedaCandidato::candidato(r), d) == nk;
        }
        if (same)
            found->append({n, TSchedaCandidato::candidato(r), TSchedaCandidato::dataNasc(r), c});
        return true;
    });
    file.close();
    return ok;
}

QString describe(const Card& card)
{
    QString text = QStringLiteral("n. %1 - %2").arg(card.position).arg(TextRules::trimmed(card.name));
    if (!TextRules::trimmed(card.birthDate).isEmpty())
        text += QStringLiteral(", nato/a il %1").arg(TextRules::trimmed(card.birthDate));
    if (!TextRules::trimmed(card.code).isEmpty())
        text += QStringLiteral(", codice fiscale %1").arg(TextRules::trimmed(card.code));
    return text;
}

} // namespace Duplicates
