#include "shared/ui/ScreenWindow.h"

#include <QCloseEvent>
#include <QLabel>

ScreenWindow::ScreenWindow(QWidget* parent)
    : QWidget(parent)
{
    // Working screen windows open maximised, whoever shows them.
    setWindowState(Qt::WindowMaximized);
}

void ScreenWindow::closeEvent(QCloseEvent* event)
{
    // Show the next window before hiding this one, so there is never a moment
    // with no window on screen.
    afterClose();
    event->accept();
}

void ScreenWindow::afterClose()
{
    emit closed();
}

QLabel* makeHiddenLabel(QWidget* parent, const QString& objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setVisible(false);
    return label;
}
