// The yellow rectangle behind a field that shows where the typing goes: shown
// while the field has the focus, keeping its room when hidden.
#pragma once

class QFrame;
class QLineEdit;
class QString;
class QWidget;

namespace FieldHighlight {

// The rectangle, hidden until the field gets the focus.
QFrame* make(QWidget* parent, const QString& objectName);

// The field and its rectangle stacked, the rectangle a little larger.
QWidget* stack(QWidget* parent, QFrame* highlight, QLineEdit* field);

} // namespace FieldHighlight
