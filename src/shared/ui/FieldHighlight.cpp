// The yellow rectangle behind a field with the focus.
#include "shared/ui/FieldHighlight.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>

namespace FieldHighlight {

QFrame* make(QWidget* parent, const QString& objectName)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(objectName);
    frame->setStyleSheet(QStringLiteral(
        "QFrame { background: #FFFF00; border-radius: 4px;"
        " border: 3px solid qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFF00, stop:1 #FFFFFF); }"));
    frame->setVisible(false);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

QWidget* stack(QWidget* parent, QFrame* highlight, QLineEdit* field)
{
    auto* holder = new QWidget(parent);
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    highlight->setParent(holder);
    field->setParent(holder);
    grid->addWidget(highlight, 0, 0);
    auto* inner = new QHBoxLayout;
    inner->setContentsMargins(6, 6, 6, 6);
    inner->addWidget(field);
    grid->addLayout(inner, 0, 0);
    highlight->lower();
    // The rectangle keeps its room when hidden, so nothing moves.
    QSizePolicy sp = highlight->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    highlight->setSizePolicy(sp);
    return holder;
}

} // namespace FieldHighlight
