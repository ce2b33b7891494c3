#include "shared/ui/FocusStyle.h"

#include <QPainter>
#include <QPen>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

void drawMark(QPainter* painter, QRect area)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(FocusStyle::markColour());
    pen.setWidth(2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    // A two-pixel pen is centred on the path: keep it inside the area.
    painter->drawRect(area.adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace

FocusStyle::FocusStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QColor FocusStyle::markColour()
{
    return QColor(0x1F, 0x4E, 0x79);
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    const bool focused = option->state & State_HasFocus;
    switch (element) {
    case PE_FrameFocusRect:
        // Check boxes and radio buttons ask for it around their text.
        drawMark(painter, option->rect);
        return;
    case PE_PanelButtonCommand:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (focused)
            drawMark(painter, option->rect);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void FocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                    const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    // A closed choice box that has the focus; an editable one shows its cursor.
    if (control == CC_ComboBox && (option->state & State_HasFocus)) {
        const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (box && !box->editable)
            drawMark(painter, option->rect);
    }
}
