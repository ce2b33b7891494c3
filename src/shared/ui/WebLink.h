// The text links of the information, credits and help windows, and the
// small pictures in front of them that act as the same link: dark blue at
// rest, orange while a mouse button is held down on them.
#pragma once

#include <QColor>
#include <QLabel>

class WebLink : public QLabel
{
    Q_OBJECT

public:
    // A text link (Tahoma 14 underlined) when text is given, else a picture.
    WebLink(const QString& objectName, const QString& text, QWidget* parent);

    static QColor restColour(); // dark blue, ARGB FF00008B
    static QColor pressedColour(); // orange, ARGB FFFFA500

    // The colour of a link's text.
    static void setColour(QLabel* link, const QColor& colour);
    static QColor colour(const QLabel* link);

signals:
    void mouseDown();
    void mouseUp();
    // A press and a release of the left button on the link.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
