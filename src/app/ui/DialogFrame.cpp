#include "app/ui/DialogFrame.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QScreen>

namespace DialogFrame {

void fix(QDialog* dialog, int width, int height)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setFixedSize(width, height);
}

void gradient(QWidget* widget, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(0, 0, 0, 1);
    g.setCoordinateMode(QGradient::ObjectMode);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setBrush(QPalette::Window, g);
    widget->setPalette(pal);
}

void solid(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

void centreOnScreen(QDialog* dialog)
{
    QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

void centreOver(QDialog* dialog, const QWidget* window)
{
    if (!window || !window->isVisible()) {
        centreOnScreen(dialog);
        return;
    }
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(window->frameGeometry().center());
    dialog->move(frame.topLeft());
}

} // namespace DialogFrame
