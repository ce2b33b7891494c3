// The look shared by the small tool windows: fixed size, no title-bar
// buttons, a vertical gradient behind everything.
#pragma once

#include <QColor>

class QDialog;
class QWidget;

namespace DialogLook {

inline const QColor SteelBlue = QColor(0x46, 0x82, 0xB4);

// Title bar without buttons and the window's background gradient.
void apply(QDialog* dialog, const QColor& top, const QColor& bottom);
// A strip with a horizontal steel-blue gradient, as behind an input.
void stripGradient(QWidget* strip);

} // namespace DialogLook
