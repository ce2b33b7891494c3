// The frame of the program's dialogs and small windows, in one place: a title
// bar without buttons, a fixed client size, the gradient backgrounds, and
// placing on the screen.
#pragma once

#include <QColor>

class QDialog;
class QWidget;

namespace DialogFrame {

inline const QColor SteelBlue = QColor(0x46, 0x82, 0xB4);

// A title bar with no buttons: the window closes only through its own
// commands. kind is Qt::Dialog, or Qt::Window for a top-level window.
void titleOnly(QWidget* window, Qt::WindowType kind = Qt::Dialog);

// Adds the maximise and minimise buttons, for the windows that show long
// lists or pages.
void resizable(QWidget* window);

// Fixed client size and a title bar with no buttons: the dialog closes only
// through its own commands.
void fix(QDialog* dialog, int width, int height);

// A vertical gradient from top to bottom over the whole client area.
void gradient(QWidget* widget, const QColor& top, const QColor& bottom);

// A vertical gradient behind the whole window set by a style sheet on the
// window's own name, so that no control inside inherits it.
void windowGradient(QWidget* window, const QColor& top, const QColor& bottom);

// A strip with a horizontal steel-blue gradient, as behind an input.
void stripGradient(QWidget* strip);

// A solid background colour.
void solid(QWidget* widget, const QColor& colour);

// Centres a window by its client size on the screen it is shown on.
void centreWindow(QWidget* window);

// Centres the dialog on the screen it is shown on.
void centreOnScreen(QDialog* dialog);

// Centres the dialog over another window.
void centreOver(QDialog* dialog, const QWidget* window);

} // namespace DialogFrame
