#include "candidates/ui/FittedPicture.h"

#include <QMouseEvent>
#include <QPainter>

FittedPicture::FittedPicture(const QString& objectName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
}

void FittedPicture::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

QRect FittedPicture::pictureRect() const
{
    if (m_picture.isNull() || width() <= 0 || height() <= 0)
        return QRect();
    const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void FittedPicture::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(pictureRect(), m_picture);
}

void FittedPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void FittedPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    // Taken here: the box under the picture must not see the same click.
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
