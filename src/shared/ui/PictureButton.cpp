#include "shared/ui/PictureButton.h"

#include <QIcon>

QIcon selvoraIcon(const QString& name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

PictureButton::PictureButton(const QString& objectName, const QString& icon, const QString& caption,
                             const QString& accessibleName, QWidget* parent)
    : QToolButton(parent)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::NoFocus);
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
