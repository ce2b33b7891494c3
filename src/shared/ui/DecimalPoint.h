// The point typed in a one-line number field (score field, grid cells): the
// decimal comma when the field has none yet, otherwise refused with a
// message, never dropped in silence.
#pragma once

class QAbstractItemView;
class QEvent;
class QLineEdit;

namespace DecimalPoint {

// Handles a key press in field: true when it was a point, which is then
// typed as a comma or refused with a message; false for any other key.
bool keyPressed(QLineEdit* field, QEvent* event);

// Applies keyPressed() to every key press of field from now on (the editors
// a table creates for its cells).
void watch(QLineEdit* field);

// The same for the cells of a table: every line editor it opens is watched.
void watchCells(QAbstractItemView* view);

} // namespace DecimalPoint
