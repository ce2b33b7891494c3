#include "shared/ui/FiscalCodeField.h"

#include "tools/core/FiscalCodeCheckLetter.h"

#include <QLineEdit>

namespace FiscalCodeField {

void typed(QLineEdit* field, const QString& text)
{
    const QString tidy = FiscalCodeCheckLetter::digitato(text);
    if (tidy == text)
        return;
    // Keep the cursor where the user was typing: the blanks cut from the
    // front move it back by as many places.
    int leading = 0;
    while (leading < text.size() && text.at(leading).unicode() <= 32)
        ++leading;
    const int cursor = qBound(0, field->cursorPosition() - leading, int(tidy.size()));
    field->setText(tidy);
    field->setCursorPosition(cursor);
}

} // namespace FiscalCodeField
