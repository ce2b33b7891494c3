#include "tools/ui/DialogLook.h"

#include <QDialog>
#include <QLinearGradient>

namespace DialogLook {

void apply(QDialog* dialog, const QColor& top, const QColor& bottom)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // A style sheet on the window's own name, so that the gradient spans the
    // whole window and nothing inside inherits it.
    dialog->setStyleSheet(
        dialog->styleSheet() +
        QStringLiteral("#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 %3); }")
            .arg(dialog->objectName(), top.name(), bottom.name()));
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
