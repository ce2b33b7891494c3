// The Italian VAT number: eleven digits whose last is a Luhn check digit over
// the first ten, with the issuing VAT office in digits 8 to 10.
#pragma once

#include <QString>

namespace VatNumberCheck {

// The check digit of ten digits (0 to 9), or -1 when they are not ten digits.
int cifraDiControllo(const QString& primeDieci);

// Exactly eleven digits 0 to 9 with the right check digit.
bool valida(const QString& numero);

// The office of a three-digit code ("058" gives "Roma 1"); empty when the
// code is not in the table.
QString ufficio(const QString& codice);

} // namespace VatNumberCheck
