// What an Italian fiscal code says about its holder: surname and name
// letters, sex, birth date and the cadastral code of the birthplace.
#pragma once

#include <QDate>
#include <QString>

namespace FiscalCode {

struct Decoded
{
    bool ok = false; // sex and birth date decoded
    QString problem; // Italian sentence: what could not be decoded
    QChar sex; // 'M' or 'F'
    QDate birthDate;
    QString placeCode; // letter and three digits, letters in place of digits undone
    QString surnameLetters;
    QString nameLetters;
};

// Decodes a code as typed (blanks around it ignored, a to z read as capitals).
// The two-digit year takes the century that makes the holder between 0 and
// 100 years old on today. The check letter is not judged here.
Decoded decode(const QString& code, const QDate& today);

// The digit a character stands for in the positions that hold digits: "0" to
// "9" themselves, or the letters L M N P Q R S T U V that replace them when two
// people would otherwise share a code; -1 for anything else.
int digitValue(QChar c);

// The month of a month letter (A B C D E H L M P R S T), 0 for any other.
int monthOfLetter(QChar c);

} // namespace FiscalCode
