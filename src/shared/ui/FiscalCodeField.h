// The typing rule of the fields that take a fiscal code: blanks typed at
// either end go at once and letters turn to capitals, with the cursor left
// where the user was typing.
#pragma once

#include <QString>

class QLineEdit;

namespace FiscalCodeField {

// Tidies the field after an edit by the user; text is the field's text as
// the edit left it.
void typed(QLineEdit* field, const QString& text);

} // namespace FiscalCodeField
