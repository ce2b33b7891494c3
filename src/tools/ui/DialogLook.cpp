#include "tools/ui/DialogLook.h"

#include <QDialog>
#include <QLinearGradient>

namespace DialogLook {

void apply(QDialog* dialog, const QColor& top, const QColor& bottom)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setAutoFillBackground(true);
    QPalette pal = dialog->palette();
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    pal.setBrush(QPalette::Window, gradient);
    dialog->setPalette(pal);
}

void stripGradient(QWidget* strip)
{
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    QLinearGradient gradient(0, 0, 1, 0);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, SteelBlue);
    gradient.setColorAt(1, QColor(0xB0, 0xC4, 0xDE));
    pal.setBrush(QPalette::Window, gradient);
    strip->setPalette(pal);
}

} // namespace DialogLook
