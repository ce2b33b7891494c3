#include "shared/ui/FieldColour.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace FieldColour {

void install(QWidget* field, const QColor& rest)
{
    // The style sheet decides the fill from the field's focus at every paint,
    // so the colour can never lag behind the focus (a window hidden and shown
    // again, a focus change while the window is inactive).
    const QString cls = QString::fromLatin1(field->metaObject()->className());
    field->setStyleSheet(
        QStringLiteral("%1 { background-color: %2; border: 1px solid %4; }"
                       "%1:focus { background-color: %3; }")
            .arg(cls, rest.name(QColor::HexRgb), Focus.name(QColor::HexRgb), Border.name(QColor::HexRgb)));
}

QColor current(const QWidget* field)
{
    // What the user sees: a pixel just inside the right border, away from the
    // text cursor.
    const QImage image = const_cast<QWidget*>(field)->grab().toImage();
    if (image.isNull())
        return QColor();
    const qreal dpr = image.devicePixelRatio();
    return image.pixelColor(image.width() - int(3 * dpr), int(3 * dpr));
}

} // namespace FieldColour
