#include "shared/ui/WebLink.h"

#include <QMouseEvent>

WebLink::WebLink(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    if (!text.isEmpty()) {
        setText(text);
        QFont f(QStringLiteral("Tahoma"), 14);
        f.setUnderline(true);
        setFont(f);
        setColour(this, restColour());
        setAccessibleName(text);
    }
}

QColor WebLink::restColour()
{
    return QColor::fromRgba(0xFF00008B);
}

QColor WebLink::pressedColour()
{
    return QColor::fromRgba(0xFFFFA500);
}

void WebLink::setColour(QLabel* link, const QColor& colour)
{
    QPalette pal = link->palette();
    pal.setColor(QPalette::WindowText, colour);
    link->setPalette(pal);
}

QColor WebLink::colour(const QLabel* link)
{
    return link->palette().color(QPalette::WindowText);
}

void WebLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    emit mouseDown();
    event->accept();
}

void WebLink::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    emit mouseUp();
    if (click)
        emit clicked();
    event->accept();
}
