// Putting a text into a one-line field without losing any of it: a field's
// limit is for typing, so a longer text that comes from a file or from
// another window raises the limit rather than being cut. The field shows the
// text from its first character, as a text longer than the field is read.
#pragma once

#include <QLineEdit>

namespace FieldText {

inline void set(QLineEdit* field, const QString& text, int typingLimit)
{
    field->setMaxLength(qMax(typingLimit, int(text.size())));
    field->setText(text);
    field->setCursorPosition(0);
}

} // namespace FieldText
