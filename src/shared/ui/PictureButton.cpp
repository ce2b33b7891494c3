#include "shared/ui/PictureButton.h"

#include <QDir>
#include <QGuiApplication>
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
    if (it == icons->end()) {
        QIcon icon;
        const QString pattern = name + QStringLiteral("-*.png");
        const QStringList files = QDir(QStringLiteral(":/icons")).entryList({pattern}, QDir::Files);
        for (const QString& file : files) {
            bool ok = false;
            const int size = file.mid(name.size() + 1, file.size() - name.size() - 5).toInt(&ok);
            if (ok)
                icon.addFile(QStringLiteral(":/icons/") + file, QSize(size, size));
        }
        it = icons->insert(name, icon);
    }
    return it.value();
}

QPixmap selvoraPicture(const QString& name)
{
    const QString base = QStringLiteral(":/images/") + name;
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        QPixmap twice(base + QStringLiteral("@2x.png"));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2.0);
            return twice;
        }
    }
    return QPixmap(base + QStringLiteral(".png"));
}

PictureButton::PictureButton(QWidget* parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setIconSize(QSize(28, 28));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

PictureButton::PictureButton(const QString& objectName, const QString& icon, const QString& caption,
                             const QString& accessibleName, QWidget* parent)
    : PictureButton(parent)
{
    setObjectName(objectName);
    setPicture(icon);
    if (!caption.isEmpty()) {
        setText(caption);
        setToolButtonStyle(icon.isEmpty() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
    }
    setAccessibleName(accessibleName.isEmpty() ? caption : accessibleName);
}

void PictureButton::setPicture(const QString& icon)
{
    m_picture = icon;
    setIcon(icon.isEmpty() ? QIcon() : selvoraIcon(icon));
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
