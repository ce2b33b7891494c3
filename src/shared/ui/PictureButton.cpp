#include "shared/ui/PictureButton.h"

#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

QIcon selvoraIcon(const QString& name)
{
    // One icon per picture for the whole run: the drawing is read once and
    // each size drawn once, however many windows show it.
    // Let go with the application, while the pictures can still be freed.
    static QHash<QString, QIcon>* icons = nullptr;
    if (!icons) {
        icons = new QHash<QString, QIcon>;
        qAddPostRoutine([] {
            delete icons;
            icons = nullptr;
        });
    }
    auto it = icons->find(name);
    if (it == icons->end())
        it = icons->insert(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
    return it.value();
}

PictureButton::PictureButton(const QString& objectName, const QString& icon, const QString& caption,
                             const QString& accessibleName, QWidget* parent)
    : QToolButton(parent)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::TabFocus);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    if (!icon.isEmpty())
        setIcon(selvoraIcon(icon));
    setIconSize(QSize(28, 28));
    if (caption.isEmpty()) {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        setText(caption);
        setToolButtonStyle(icon.isEmpty() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
    }
    setAccessibleName(accessibleName.isEmpty() ? caption : accessibleName);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    // Flat pictures show no focus of their own: a frame says where Tab is.
    if (!hasFocus())
        return;
    // Dark outside, white dots inside: seen on light and on coloured faces.
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(0x1B, 0x3A, 0x57), 2));
    painter.drawRoundedRect(frame, 3, 3);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRoundedRect(frame.adjusted(2, 2, -2, -2), 2, 2);
}
