#include "shared/ui/ScreenWindow.h"

#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"

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
    if (auto* launcher = Windows::avvio())
        launcher->show();
}

QLabel* makeHiddenLabel(QWidget* parent, const QString& objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setVisible(false);
    return label;
}
