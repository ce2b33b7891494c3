// The duplicate scan of the candidate archive: three fields of each record
// folded into two keys straight from the Windows-1252 bytes in the block
// (no text conversion per card), one sort per key and a union of the cards
// that share a key. Only the cards of the groups are turned into text.
#include "candidates/core/Duplicates.h"

#include "base/core/Cp1252.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "candidates/core/SchedaCandidato.h"

#include <QDate>

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace {

using S = TSchedaCandidato;

// Windows-1252 bytes folded for comparing names: A to Z and digits as
// themselves (a to z in capitals), accented Latin letters as their base
// letter, every other byte 0 (a gap between words).
struct FoldTable
{
    unsigned char map[256] = {};
    FoldTable()
    {
        for (int c = '0'; c <= '9'; ++c)
            map[c] = static_cast<unsigned char>(c);
        for (int c = 'A'; c <= 'Z'; ++c)
            map[c] = map[c + 32] = static_cast<unsigned char>(c);
        const struct
        {
            int from, to;
            char letter;
        } accented[] = {{0xC0, 0xC5, 'A'}, {0xC7, 0xC7, 'C'}, {0xC8, 0xCB, 'E'}, {0xCC, 0xCF, 'I'},
                        {0xD1, 0xD1, 'N'}, {0xD2, 0xD6, 'O'}, {0xD8, 0xD8, 'O'}, {0xD9, 0xDC, 'U'},
                        {0xDD, 0xDD, 'Y'}, {0x8A, 0x8A, 'S'}, {0x8E, 0x8E, 'Z'}, {0x9F, 0x9F, 'Y'}};
        for (const auto& a : accented) {
            for (int c = a.from; c <= a.to; ++c) {
                map[c] = static_cast<unsigned char>(a.letter);
                if (c >= 0xC0) // the small letter is 32 further on
                    map[c + 32] = static_cast<unsigned char>(a.letter);
            }
        }
        // The small forms of the three letters outside the 0xC0 block.
        map[0x9A] = 'S';
        map[0x9E] = 'Z';
        map[0xFF] = 'Y';
        // Letters without a base letter stay letters of their own.
        for (int c : {0xC6, 0xD0, 0xDE, 0xDF, 0xE6, 0xF0, 0xFE})
            map[c] = static_cast<unsigned char>(c);
    }
};

const FoldTable& foldTable()
{
    static const FoldTable table;
    return table;
}

// The text bytes of a field of a record.
std::pair<const char*, int> field(const char* record, S::Campo c)
{
    const int width = S::maxChars(c);
    const char* at = record + S::fieldOffset(c);
    const int length = std::min(int(static_cast<unsigned char>(at[0])), width);
    return {at + 1, length};
}

// Words folded and joined by one blank.
void appendFolded(std::string& out, const char* text, int length)
{
    const unsigned char* map = foldTable().map;
    bool gap = false;
    for (int i = 0; i < length; ++i) {
        const unsigned char f = map[static_cast<unsigned char>(text[i])];
        if (!f) {
            gap = true;
            continue;
        }
        if (gap && !out.empty() && out.back() != '\t')
            out += ' ';
        out += char(f);
        gap = false;
    }
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// A date "d/m/yyyy" (separators / . -, blanks around them allowed) as
// "yyyymmdd"; false when the text is not such a whole, real date.
bool dateKey(const char* text, int length, std::string& out)
{
    int i = 0;
    int parts[3] = {0, 0, 0};
    const int maxDigits[3] = {2, 2, 4};
    const int minDigits[3] = {1, 1, 4};
    for (int p = 0; p < 3; ++p) {
        while (i < length && isBlank(text[i]))
            ++i;
        if (p > 0) {
            if (i >= length || (text[i] != '/' && text[i] != '.' && text[i] != '-'))
                return false;
            ++i;
            while (i < length && isBlank(text[i]))
                ++i;
        }
        int digits = 0;
        while (i < length && text[i] >= '0' && text[i] <= '9' && digits < maxDigits[p]) {
            parts[p] = parts[p] * 10 + (text[i] - '0');
            ++i;
            ++digits;
        }
        if (digits < minDigits[p])
            return false;
    }
    while (i < length && isBlank(text[i]))
        ++i;
    if (i != length || !QDate::isValid(parts[2], parts[1], parts[0]))
        return false;
    const int digits[8] = {parts[2] / 1000, parts[2] / 100 % 10, parts[2] / 10 % 10, parts[2] % 10,
                           parts[1] / 10,   parts[1] % 10,       parts[0] / 10,      parts[0] % 10};
    for (int digit : digits)
        out += char('0' + digit);
    return true;
}

// The fiscal code trimmed, a to z in capitals, into key (emptied first and
// reused, so that no card costs an allocation); empty when there is none.
void codeKey(const char* text, int length, std::string& key)
{
    key.clear();
    int from = 0, to = length;
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    for (int i = from; i < to; ++i)
        key += (text[i] >= 'a' && text[i] <= 'z') ? char(text[i] - 32) : text[i];
}

// Folded name, a tab, then the date (as yyyymmdd or, when it is no date,
// folded as typed), into key; empty unless both are there.
void nameDateKey(const char* name, int nameLength, const char* date, int dateLength, std::string& key)
{
    key.clear();
    appendFolded(key, name, nameLength);
    if (key.empty())
        return;
    key += '\t';
    const size_t mark = key.size();
    if (!dateKey(date, dateLength, key)) {
        key.resize(mark);
        key += '*'; // a typed text is never mistaken for a real date
        appendFolded(key, date, dateLength);
        if (key.size() == mark + 1)
            key.clear();
    }
}

// A key kept in an arena: its hash, where its bytes are, and its card.
struct Keyed
{
    quint64 hash;
    quint32 offset;
    quint32 length;
    int index;
};

quint64 fnv1a(const char* data, size_t length)
{
    quint64 h = 1469598103934665603ULL;
    for (size_t i = 0; i < length; ++i) {
        h ^= static_cast<unsigned char>(data[i]);
        h *= 1099511628211ULL;
    }
    return h;
}

int root(std::vector<int>& parent, int i)
{
    while (parent[size_t(i)] != i) {
        parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
        i = parent[size_t(i)];
    }
    return i;
}

// Sorts the keys once (by hash, then by their bytes, then by card) and joins
// the cards of every run of equal keys; marks the cards of such runs.
void joinRuns(std::vector<Keyed>& keyed, const std::string& arena, std::vector<int>& parent, std::vector<char>& marked)
{
    auto bytes = [&arena](const Keyed& k) { return std::string_view(arena.data() + k.offset, k.length); };
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        if (a.hash != b.hash)
            return a.hash < b.hash;
        const int c = bytes(a).compare(bytes(b));
        return c < 0 || (c == 0 && a.index < b.index);
    });
    for (size_t i = 1; i < keyed.size(); ++i) {
        if (keyed[i].hash == keyed[i - 1].hash && bytes(keyed[i]) == bytes(keyed[i - 1])) {
            const int a = root(parent, keyed[i - 1].index);
            const int b = root(parent, keyed[i].index);
            if (a != b)
                parent[size_t(std::max(a, b))] = std::min(a, b);
            marked[size_t(keyed[i].index)] = marked[size_t(keyed[i - 1].index)] = 1;
        }
    }
}

// The three fields of a card kept as bytes in an arena until the card turns
// out to be in a group.
struct Raw
{
    qint64 position;
    quint32 offset;
    quint8 nameLength, dateLength, codeLength;
    Duplicates::Card card(const std::string& arena) const
    {
        const char* at = arena.data() + offset;
        return {position, Cp1252::decode(at, nameLength), Cp1252::decode(at + nameLength, dateLength),
                Cp1252::decode(at + nameLength + dateLength, codeLength)};
    }
};

void addKey(std::vector<Keyed>& keyed, std::string& arena, const std::string& key, int index)
{
    if (key.empty())
        return;
    keyed.push_back({fnv1a(key.data(), key.size()), quint32(arena.size()), quint32(key.size()), index});
    arena += key;
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

bool scan(const QString& path, QList<Group>* groups)
{
    groups->clear();
    RecordFile file(path, S::Size);
    if (!file.open())
        return false;
    // Everything per card goes into a few large vectors and two arenas: no
    // allocation per card.
    std::vector<Raw> raws;
    std::vector<Keyed> byCodeKeys, byNameKeys;
    std::string fields, keys, scratch;
    const size_t expected = size_t(std::max<qint64>(0, file.count()));
    raws.reserve(expected);
    byCodeKeys.reserve(expected);
    byNameKeys.reserve(expected);
    fields.reserve(expected * 48);
    keys.reserve(expected * 48);
    const bool ok = file.scan([&](qint64 n, const char* r) {
        const auto name = field(r, S::fCandidato);
        const auto date = field(r, S::fDataNasc);
        const auto code = field(r, S::fCodFisc);
        const int index = int(raws.size());
        raws.push_back({n, quint32(fields.size()), quint8(name.second), quint8(date.second), quint8(code.second)});
        fields.append(name.first, size_t(name.second));
        fields.append(date.first, size_t(date.second));
        fields.append(code.first, size_t(code.second));
        codeKey(code.first, code.second, scratch);
        addKey(byCodeKeys, keys, scratch, index);
        nameDateKey(name.first, name.second, date.first, date.second, scratch);
        addKey(byNameKeys, keys, scratch, index);
        return true;
    });
    file.close();
    if (!ok)
        return false;

    const int n = int(raws.size());
    std::vector<int> parent(static_cast<size_t>(n));
    std::iota(parent.begin(), parent.end(), 0);
    std::vector<char> byCode(static_cast<size_t>(n), 0), byName(static_cast<size_t>(n), 0);
    joinRuns(byCodeKeys, keys, parent, byCode);
    joinRuns(byNameKeys, keys, parent, byName);

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
        g.cards.append(raws[size_t(i)].card(fields));
        g.sameCode = g.sameCode || byCode[size_t(i)];
        g.sameNameAndDate = g.sameNameAndDate || byName[size_t(i)];
    }
    return true;
}

bool matches(const QString& path, const QString& name, const QString& birthDate, const QString& code,
             QList<Card>* found)
{
    found->clear();
    const QByteArray n = Cp1252::encode(name);
    const QByteArray d = Cp1252::encode(birthDate);
    const QByteArray c = Cp1252::encode(code);
    std::string ck, nk, scratch;
    codeKey(c.constData(), int(c.size()), ck);
    nameDateKey(n.constData(), int(n.size()), d.constData(), int(d.size()), nk);
    if (ck.empty() && nk.empty())
        return true;
    RecordFile file(path, S::Size);
    if (!file.open())
        return false;
    const bool ok = file.scan([&](qint64 position, const char* r) {
        const auto rc = field(r, S::fCodFisc);
        bool same = false;
        if (!ck.empty()) {
            codeKey(rc.first, rc.second, scratch);
            same = scratch == ck;
        }
        if (!same && !nk.empty()) {
            const auto rn = field(r, S::fCandidato);
            const auto rd = field(r, S::fDataNasc);
            nameDateKey(rn.first, rn.second, rd.first, rd.second, scratch);
            same = scratch == nk;
        }
        if (same)
            found->append({position, S::candidato(r), S::dataNasc(r), S::codFisc(r)});
        return true;
    });
    file.close();
    return ok;
}

Keys keysOf(const char* record)
{
    std::string key;
    Keys keys;
    const auto code = field(record, S::fCodFisc);
    codeKey(code.first, code.second, key);
    keys.code = QByteArray(key.data(), qsizetype(key.size()));
    const auto name = field(record, S::fCandidato);
    const auto date = field(record, S::fDataNasc);
    nameDateKey(name.first, name.second, date.first, date.second, key);
    keys.nameAndDate = QByteArray(key.data(), qsizetype(key.size()));
    return keys;
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
