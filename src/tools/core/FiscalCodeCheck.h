// A card's data against its fiscal code: the letters of surname and name,
// sex, birth date and birthplace compared, the mismatches as sentences, the
// values a card can take from the code, and the decoded data as text.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace FiscalCodeCheck {

// The three letters a fiscal code takes from a surname (consonants, then
// vowels, then X) or from a name (with four or more consonants the 1st, 3rd
// and 4th). Accents are dropped, other marks and blanks ignored.
QString surnameLetters(const QString& surname);
QString nameLetters(const QString& name);

// A text folded for comparing people and places: accents dropped, letters in
// capitals, runs of anything but letters and digits as one blank.
QString fold(const QString& text);

// A card's birth date as typed ("12/03/1985", "12-3-1985", "12.03.1985");
// invalid when it is not a whole date with a four-digit year.
QDate parseDate(const QString& text);

// The card's data to compare; empty fields are not compared.
struct CardData
{
    QString fullName; // "surname name", as in one field
    QString sex;
    QString birthDate;
    QString birthplace;
};

// One sentence per mismatch between the card and its code, e.g. "La data di
// nascita della scheda (12/03/1985) non corrisponde al codice fiscale
// (12/03/1958)."; none when the code is empty, is a temporary 11-digit code,
// or cannot be decoded (its own check says why).
QStringList mismatches(const QString& code, const CardData& card, const QDate& today);

// The warning that lists them.
QString warningText(const QStringList& mismatches);

// What the code gives for a card: sex, birth date as dd/mm/yyyy, birthplace
// as "Name (PR)" (empty when its code is not in the table); problem says what
// could not be decoded.
struct Values
{
    bool ok = false;
    QString problem;
    QString sex;
    QString birthDate;
    QString birthplace;
    QString placeProblem; // why the birthplace is empty
};
Values values(const QString& code, const QDate& today);

// The decoded data in lines for the check window; a problem sentence when the
// code cannot be decoded.
QString describe(const QString& code, const QDate& today);

// The check window's verdict on a code of sixteen characters: valid only when
// its check letter is right and its date and sex can be decoded (a right
// check letter on 31 February or on an unknown month letter is not enough).
// The text is the verdict, then what the code says or why it cannot exist.
struct Verdict
{
    bool valid = false;
    QString text;
};
Verdict verdict(const QString& code, const QDate& today);

} // namespace FiscalCodeCheck
