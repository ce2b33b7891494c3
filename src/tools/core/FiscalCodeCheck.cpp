// Comparison of a card with its fiscal code, and the texts that say so.
#include "tools/core/FiscalCodeCheck.h"

#include "base/core/TextRules.h"
#include "tools/core/Birthplaces.h"
#include "tools/core/FiscalCode.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QRegularExpression>

namespace {

const QString kVowels = QStringLiteral("AEIOU");

// Letters A to Z of a text, accents dropped; everything else left out.
QString lettersOnly(const QString& text)
{
    QString out;
    const QString decomposed = text.normalized(QString::NormalizationForm_D).toUpper();
    for (QChar c : decomposed) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            out += c;
    }
    return out;
}

void split(const QString& letters, QString* consonants, QString* vowels)
{
    for (QChar c : letters)
        (kVowels.contains(c) ? vowels : consonants)->append(c);
}

QString threeOf(const QString& text)
{
    // Short names are padded with X, as the code itself does.
    return text.leftJustified(3, QLatin1Char('X'), true);
}

QString dateText(const QDate& d)
{
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

bool isTemporary(const QString& code)
{
    return code.size() == 11 && TextRules::soloCifre(code);
}

// The card's birthplace matches the place: the name folded, without a
// trailing "(PR)" or "(EE)", equal to the name or to one half of a
// two-language name such as "Bolzano/Bozen".
bool samePlace(const QString& typed, const Birthplaces::Place& place)
{
    static const QRegularExpression bracket(QStringLiteral("\\s*\\([^)]*\\)\\s*$"));
    QString t = typed;
    t.remove(bracket);
    const QString f = FiscalCodeCheck::fold(t);
    if (f.isEmpty())
        return true;
    if (f == FiscalCodeCheck::fold(place.name))
        return true;
    for (const QString& part : place.name.split(QRegularExpression(QStringLiteral("\\s*/\\s*"))))
        if (f == FiscalCodeCheck::fold(part))
            return true;
    return false;
}

} // namespace

namespace FiscalCodeCheck {

QString surnameLetters(const QString& surname)
{
    QString consonants, vowels;
    split(lettersOnly(surname), &consonants, &vowels);
    return threeOf(consonants + vowels);
}

QString nameLetters(const QString& name)
{
    QString consonants, vowels;
    split(lettersOnly(name), &consonants, &vowels);
    if (consonants.size() >= 4)
        return QString(consonants.at(0)) + consonants.at(2) + consonants.at(3);
    return threeOf(consonants + vowels);
}

QString fold(const QString& text)
{
    QString out;
    const QString decomposed = text.normalized(QString::NormalizationForm_D).toUpper();
    bool gap = false;
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isLetterOrNumber()) {
            if (gap && !out.isEmpty())
                out += QLatin1Char(' ');
            out += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return out;
}

QDate parseDate(const QString& text)
{
    static const QRegularExpression re(
        QStringLiteral("^\\s*(\\d{1,2})\\s*[/.\\-]\\s*(\\d{1,2})\\s*[/.\\-]\\s*(\\d{4})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return QDate();
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

QStringList mismatches(const QString& typedCode, const CardData& card, const QDate& today)
{
    QStringList out;
    const QString code = TextRules::trimmed(typedCode).toUpper();
    if (code.isEmpty() || isTemporary(code))
        return out;
    const FiscalCode::Decoded d = FiscalCode::decode(code, today);
    if (!d.ok)
        return out;

    // Which words are the surname is not recorded: any split of the name
    // field into surname and name, in either order, that gives the code's
    // letters will do.
    const QStringList words = TextRules::trimmed(card.fullName).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!words.isEmpty()) {
        int surnameOnly = -1, nameOnly = -1;
        bool both = false;
        for (int k = 1; k <= words.size() && !both; ++k) {
            const QString s = words.mid(0, k).join(QLatin1Char(' '));
            const QString n = words.mid(k).join(QLatin1Char(' '));
            const bool sOk = surnameLetters(s) == d.surnameLetters;
            const bool nOk = !n.isEmpty() && nameLetters(n) == d.nameLetters;
            // Name first, then surname, as some offices type it.
            const QString n2 = words.mid(0, k).join(QLatin1Char(' '));
            const QString s2 = words.mid(k).join(QLatin1Char(' '));
            const bool reversed =
                !s2.isEmpty() && surnameLetters(s2) == d.surnameLetters && nameLetters(n2) == d.nameLetters;
            both = (sOk && nOk) || reversed;
            if (sOk && surnameOnly < 0)
                surnameOnly = k;
            if (nOk && nameOnly < 0)
                nameOnly = k;
        }
        if (!both) {
            if (surnameOnly > 0 && surnameOnly < words.size()) {
                out << QStringLiteral("Il nome della scheda (%1) non corrisponde al codice fiscale (%2).")
                           .arg(words.mid(surnameOnly).join(QLatin1Char(' ')), d.nameLetters);
            } else if (nameOnly > 0) {
                out << QStringLiteral("Il cognome della scheda (%1) non corrisponde al codice fiscale (%2).")
                           .arg(words.mid(0, nameOnly).join(QLatin1Char(' ')), d.surnameLetters);
            } else {
                out << QStringLiteral("Il cognome e nome della scheda (%1) non corrispondono al codice fiscale "
                                      "(%2 %3).")
                           .arg(words.join(QLatin1Char(' ')), d.surnameLetters, d.nameLetters);
            }
        }
    }

    const QString sex = TextRules::trimmed(card.sex).toUpper();
    if (!sex.isEmpty() && sex != QString(d.sex))
        out << QStringLiteral("Il sesso della scheda (%1) non corrisponde al codice fiscale (%2).").arg(sex, d.sex);

    const QString date = TextRules::trimmed(card.birthDate);
    if (!date.isEmpty() && parseDate(date) != d.birthDate)
        out << QStringLiteral("La data di nascita della scheda (%1) non corrisponde al codice fiscale (%2).")
                   .arg(date, dateText(d.birthDate));

    const QString place = TextRules::trimmed(card.birthplace);
    if (!place.isEmpty()) {
        const Birthplaces::Place p = Birthplaces::find(d.placeCode, d.birthDate);
        if (p.found && !samePlace(place, p))
            out << QStringLiteral("Il luogo di nascita della scheda (%1) non corrisponde al codice fiscale (%2).")
                       .arg(place, Birthplaces::label(p));
    }
    return out;
}

QString warningText(const QStringList& mismatches)
{
    return QStringLiteral("Attenzione: i dati della scheda non corrispondono al codice fiscale.\n\r\n\r") +
        mismatches.join(QStringLiteral("\n\r")) +
        QStringLiteral("\n\r\n\rSalvare comunque la scheda o correggere i dati?");
}

Values values(const QString& typedCode, const QDate& today)
{
    Values v;
    const FiscalCode::Decoded d = FiscalCode::decode(typedCode, today);
    if (!d.ok) {
        v.problem = d.problem;
        return v;
    }
    v.ok = true;
    v.sex = QString(d.sex);
    v.birthDate = dateText(d.birthDate);
    const Birthplaces::Place p = Birthplaces::find(d.placeCode, d.birthDate);
    if (p.found)
        v.birthplace = Birthplaces::label(p);
    else
        v.placeProblem = QStringLiteral("Il codice del luogo di nascita (%1) non è nella tabella dei comuni e degli "
                                        "stati esteri.")
                             .arg(d.placeCode);
    return v;
}

QString describe(const QString& code, const QDate& today)
{
    const FiscalCode::Decoded d = FiscalCode::decode(code, today);
    if (!d.ok)
        return d.problem;
    QStringList lines;
    lines << QStringLiteral("Sesso: %1")
                 .arg(d.sex == QLatin1Char('F') ? QStringLiteral("femminile") : QStringLiteral("maschile"));
    lines << QStringLiteral("Data di nascita: %1").arg(dateText(d.birthDate));
    const Birthplaces::Place p = Birthplaces::find(d.placeCode, d.birthDate);
    if (!p.found)
        lines << QStringLiteral("Luogo di nascita: codice %1, non presente nella tabella dei comuni e degli stati "
                                "esteri")
                     .arg(d.placeCode);
    else if (p.foreign)
        lines << QStringLiteral("Luogo di nascita: %1 (stato estero, codice %2)").arg(p.name, p.code);
    else if (p.validUntil.isValid())
        lines << QStringLiteral("Luogo di nascita: %1 (codice %2, comune soppresso il %3)")
                     .arg(Birthplaces::label(p), p.code, dateText(p.validUntil));
    else
        lines << QStringLiteral("Luogo di nascita: %1 (codice %2)").arg(Birthplaces::label(p), p.code);
    lines << QStringLiteral("Lettere del cognome: %1; lettere del nome: %2").arg(d.surnameLetters, d.nameLetters);
    return lines.join(QLatin1Char('\n'));
}

Verdict verdict(const QString& code, const QDate& today)
{
    Verdict v;
    // Under the verdict, what the code says about its holder or why it
    // cannot be anybody's.
    const QString decoded = QStringLiteral("\n\r\n\r") + describe(code, today);
    if (!FiscalCodeCheckLetter::valido(code)) {
        v.text = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.") + decoded;
        return v;
    }
    if (!FiscalCode::decode(code, today).ok) {
        v.text = QStringLiteral("Attenzione: il codice fiscale digitato NON È VALIDO: il carattere di controllo "
                                "corrisponde, ma il codice non può appartenere a nessuno.") +
            decoded;
        return v;
    }
    v.valid = true;
    v.text = QStringLiteral("Il codice fiscale digitato è VALIDO.") + decoded;
    return v;
}

} // namespace FiscalCodeCheck
