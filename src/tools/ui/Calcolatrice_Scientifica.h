// The calculator the interview card opens to work out a total score; its
// result is announced to the window that opened it by "Importa". Its memory (stored
// operand, pending operation) lasts for the whole run, across openings.
#pragma once

#include "tools/core/CalculatorEngine.h"

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;
class QToolButton;

class TfrmCalcolatrice_Scientifica : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCalcolatrice_Scientifica(QWidget* parent = nullptr);

    // The display.
    QLabel* Edit1;

    QToolButton* ButtonExp;
    QToolButton* ButtonLn;
    QToolButton* ButtonStep;
    QToolButton* ButtonLog;
    QToolButton* ButtonSqr;
    QToolButton* Button1DivX;
    QToolButton* ButtonSqrt;
    QToolButton* ButtonPi;
    QToolButton* ButtonCos;
    QToolButton* ButtonSin;
    QToolButton* ButtonArcCos;
    QToolButton* ButtonArcSin;
    QToolButton* ButtonTan;
    QToolButton* ButtonArcTan;
    QToolButton* ButtonBackSpace;
    QToolButton* ButtonC;
    QToolButton* ButtonSign;
    QToolButton* ButtonDiv;
    QToolButton* ButtonMul;
    QToolButton* Button7;
    QToolButton* Button8;
    QToolButton* Button9;
    QToolButton* ButtonSub;
    QToolButton* Button4;
    QToolButton* Button5;
    QToolButton* Button6;
    QToolButton* ButtonAdd;
    QToolButton* Button1;
    QToolButton* Button2;
    QToolButton* Button3;
    QToolButton* ButtonResult;
    QToolButton* Button0;
    QToolButton* ButtonPoint;

    QPushButton* btnChiudi;
    QPushButton* btnImporta;

signals:
    // The display's number, trimmed, when "Importa" is pressed.
    void valueImported(const QString& text);

private slots:
    void btnChiudiClick();
    void btnImportaClick();

protected:
    // The digits, the comma and the point typed on the keyboard work as the
    // keys of the keypad (a point as the comma, refused on a second one).
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* tasto(const QString& name, const QString& face, CalculatorEngine::Key t, const QString& spoken,
                       const QString& kind);
    void premi(CalculatorEngine::Key t);
    void mostra(const QString& messaggio);

    CalculatorEngine m_motore;
};
