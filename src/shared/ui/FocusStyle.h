// The program's widget style: Fusion, with a focus mark that can be seen
// from across the desk. Fusion marks a focused button with a faint outline
// of the highlight colour, which a keyboard user loses on the light window
// backgrounds; here buttons, check boxes, radio buttons and choice boxes
// that have the keyboard focus get a solid two-pixel frame instead.
#pragma once

#include <QColor>
#include <QProxyStyle>

class FocusStyle : public QProxyStyle
{
    Q_OBJECT

public:
    FocusStyle();

    // The colour of the mark, dark enough on every background of the program.
    static QColor markColour();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};
