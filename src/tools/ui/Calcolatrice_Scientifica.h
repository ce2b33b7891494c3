// The calculator the interview card opens to work out a total score; its
// result is announced to the window that opened it by "Importa". Its memory (stored
// operand, pending operation) lasts for the whole run, across openings.
#pragma once

#include "tools/core/CalculatorEngine.h"

#include <QDialog>

#include <memory>

class QKeyEvent;
class QLabel;
class QPushButton;
class QToolButton;

namespace Ui {
class TfrmCalcolatrice_Scientifica;
}

class TfrmCalcolatrice_Scientifica : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCalcolatrice_Scientifica(QWidget* parent = nullptr);
    ~TfrmCalcolatrice_Scientifica() override;

    // The display.
    QLabel* Edit1 = nullptr;

    QToolButton* ButtonExp = nullptr;
    QToolButton* ButtonLn = nullptr;
    QToolButton* ButtonStep = nullptr;
    QToolButton* ButtonLog = nullptr;
    QToolButton* ButtonSqr = nullptr;
    QToolButton* Button1DivX = nullptr;
    QToolButton* ButtonSqrt = nullptr;
    QToolButton* ButtonPi = nullptr;
    QToolButton* ButtonCos = nullptr;
    QToolButton* ButtonSin = nullptr;
    QToolButton* ButtonArcCos = nullptr;
    QToolButton* ButtonArcSin = nullptr;
    QToolButton* ButtonTan = nullptr;
    QToolButton* ButtonArcTan = nullptr;
    QToolButton* ButtonBackSpace = nullptr;
    QToolButton* ButtonC = nullptr;
    QToolButton* ButtonSign = nullptr;
    QToolButton* ButtonDiv = nullptr;
    QToolButton* ButtonMul = nullptr;
    QToolButton* Button7 = nullptr;
    QToolButton* Button8 = nullptr;
    QToolButton* Button9 = nullptr;
    QToolButton* ButtonSub = nullptr;
    QToolButton* Button4 = nullptr;
    QToolButton* Button5 = nullptr;
    QToolButton* Button6 = nullptr;
    QToolButton* ButtonAdd = nullptr;
    QToolButton* Button1 = nullptr;
    QToolButton* Button2 = nullptr;
    QToolButton* Button3 = nullptr;
    QToolButton* ButtonResult = nullptr;
    QToolButton* Button0 = nullptr;
    QToolButton* ButtonPoint = nullptr;

    QPushButton* btnChiudi = nullptr;
    QPushButton* btnImporta = nullptr;

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
    void press(CalculatorEngine::Key t);
    void showMessage(const QString& messaggio);

    // The layout, drawn in Calcolatrice_Scientifica.ui.
    const std::unique_ptr<Ui::TfrmCalcolatrice_Scientifica> m_ui;
    CalculatorEngine m_engine;
};
