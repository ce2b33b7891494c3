#include "shared/ui/DialogFrame.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QScreen>

namespace DialogFrame {

void titleOnly(QWidget* window, Qt::WindowType kind)
{
    window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void resizable(QWidget* window)
{
    window->setWindowFlags(window->windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
}

void fix(QDialog* dialog, int width, int height)
{
    titleOnly(dialog);
    dialog->setFixedSize(width, height);
}

void windowGradient(QWidget* window, const QColor& top, const QColor& bottom)
{
    window->setStyleSheet(
        window->styleSheet() +
        QStringLiteral("#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 %3); }")
            .arg(window->objectName(), top.name(), bottom.name()));
}

void stripGradient(QWidget* strip)
{
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    QLinearGradient g(0, 0, 1, 0);
    g.setCoordinateMode(QGradient::ObjectMode);
    g.setColorAt(0, SteelBlue);
    g.setColorAt(1, QColor(0xB0, 0xC4, 0xDE));
    pal.setBrush(QPalette::Window, g);
    strip->setPalette(pal);
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

void centreWindow(QWidget* window)
{
    if (QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
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
