// Pieces the list windows and their filter panel build alike: the client
// size, the colours of their texts, their command buttons and coloured labels.
#pragma once

#include "shared/ui/PictureButton.h"

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QSize>

namespace ListWindowParts {

constexpr QSize ClientSize(862, 560);
inline const QColor Crimson(0xDC, 0x14, 0x3C);
inline const QColor DarkCyan(0x00, 0x8B, 0x8B);

inline QPushButton* commandButton(QWidget* parent, const char* name, const char* icon, const QString& caption,
                                  const QString& tip)
{
    auto* b = new QPushButton(selvoraIcon(QString::fromLatin1(icon)), caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    b->setMinimumSize(120, 34);
    b->setIconSize(QSize(18, 18));
    b->setToolTip(tip);
    // Enter in a field moves along the fields; it never presses a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

inline QLabel* colouredLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour, int size,
                             bool bold)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(QFont(QStringLiteral("Verdana"), size, bold ? QFont::Bold : QFont::Normal));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}

} // namespace ListWindowParts
