#include "candidates/ui/PhotoBox.h"

#include <QMouseEvent>
#include <QPainter>

PhotoBox::PhotoBox(const QString& objectName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PhotoBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

QRect PhotoBox::pictureRect() const
{
    if (m_picture.isNull())
        return QRect();
    const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

QSize PhotoBox::sizeHint() const
{
    return QSize(231, 296);
}

void PhotoBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(pictureRect(), m_picture);
}

void PhotoBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
