// What the card windows do with a fiscal code besides checking its letter:
// fill sex, birth date and birthplace from it, and warn on store when the
// card's data disagree with it.
#pragma once

#include "tools/core/FiscalCodeCheck.h"

class QLineEdit;
class QWidget;

namespace FiscalCodeGuard {

// The card's empty fields filled from the code; fields that hold something
// else are replaced only if the user says so. A code that cannot be decoded
// is explained and changes nothing. Any of the fields may be null.
void fill(QWidget* parent, const QString& code, QLineEdit* sex, QLineEdit* birthDate, QLineEdit* birthplace);

// True when the card may be stored: its data agree with the code, or the user
// chose "Salva comunque" in the warning that lists the differences.
bool confirmStore(QWidget* parent, const QString& code, const FiscalCodeCheck::CardData& card);

} // namespace FiscalCodeGuard
