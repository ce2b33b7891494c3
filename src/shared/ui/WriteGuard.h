// The commands that write into the program folder. Each window marks its
// writing commands here; in a read-only run they are disabled, stay disabled
// whatever the window does with them, and give the reason in the window's
// information bar (when it has one), their tooltip and their accessible
// description.
#pragma once

#include <QList>

class InfoBar;
class QLabel;
class QWidget;

namespace WriteGuard {

// Marks a writing command, and disables it at once when the run is read-only.
void mark(QWidget* command, InfoBar* bar = nullptr);
void mark(const QList<QWidget*>& commands, InfoBar* bar = nullptr);

// Marks the fields of a card window. In a read-only run their text can
// still be read, selected and copied (a long text scrolled) but not changed:
// text fields become read-only and take no key that would edit them or open
// a picker over them; other fields (check boxes) are disabled. They give the
// reason as the commands do.
void markFields(const QList<QWidget*>& fields, InfoBar* bar = nullptr);

// Whether the widget was marked as a writing command.
bool isMarked(const QWidget* command);
// Whether the widget was marked as a field.
bool isMarkedField(const QWidget* field);

// Applies the run's mode to every marked command of every window: after the
// start-up has decided it.
void applyAll();

// For commands reachable other ways (a click on a picture, a key): true when
// the command may run; otherwise the reason is shown in a box on parent.
bool allowed(QWidget* parent);

// For windows without an information bar: a line "lblReadOnly" saying why
// nothing can be stored, shown only in a read-only run.
QLabel* reasonLine(QWidget* parent);

} // namespace WriteGuard
