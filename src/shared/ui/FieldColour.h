// Text fields show their state by their background: light blue at rest (or a
// window's own resting colour), yellow while they have the focus, always
// inside a sky-blue border.
#pragma once

#include <QColor>

class QWidget;

namespace FieldColour {

inline const QColor Rest = QColor::fromRgba(0xFFF0F8FF); // very light blue
inline const QColor Focus = QColor::fromRgba(0xFFFFFF00); // yellow
inline const QColor Border = QColor::fromRgba(0xFF87CEEB); // sky blue
inline const QColor Beige = QColor::fromRgba(0xFFF5F5DC);

// Starts colouring the field; rest is its colour without the focus.
void install(QWidget* field, const QColor& rest = Rest);

// The fill the field shows now.
QColor current(const QWidget* field);

} // namespace FieldColour
