// The look of the four small card print and preview windows: a fixed window
// without title-bar buttons, a vertical gradient from a blue to white, a
// white panel holding a picture and a line of text, and the two buttons
// "Annulla" and the action ("Stampa" or "Mostra anteprima"), in that tab
// order. Each window builds on it and wires its own handlers.
#pragma once

#include <QColor>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class CardPrintWindow : public QDialog
{
    Q_OBJECT

public:
    struct Look
    {
        QString objectName; // the window's object name
        QString caption; // window title
        QString action; // the action button's text
        QString pictureName; // the decorative picture's object name
        QString icon; // and the icon it shows
        QString text; // the line under the picture
        int clientWidth = 362;
        int clientHeight = 287;
        QColor top; // gradient from this colour (top) to white
    };

    CardPrintWindow(const Look& look, QWidget* parent);

    QFrame* shpSfondo;
    QLabel* picture;
    QLabel* lblTesto;
    QPushButton* btnStampa;
    QPushButton* btnAnnulla;

protected:
    void showEvent(QShowEvent* event) override;
};
