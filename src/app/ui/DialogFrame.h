// The frame of the program's small fixed dialogs: a fixed client size, a
// title bar without buttons, a vertical gradient background, and placing on
// the screen.
#pragma once

#include <QColor>

class QDialog;
class QWidget;

namespace DialogFrame {

// Fixed client size and a title bar with no buttons: the dialog closes only
// through its own commands.
void fix(QDialog* dialog, int width, int height);

// A vertical gradient from top to bottom over the whole client area.
void gradient(QWidget* widget, const QColor& top, const QColor& bottom);

// A solid background colour.
void solid(QWidget* widget, const QColor& colour);

// Centres the dialog on the screen it is shown on.
void centreOnScreen(QDialog* dialog);

// Centres the dialog over another window.
void centreOver(QDialog* dialog, const QWidget* window);

} // namespace DialogFrame
