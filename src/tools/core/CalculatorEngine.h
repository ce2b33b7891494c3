// The calculator: one stored operand and a single pending operation, worked
// on a display text written in the program's number format. An operator key
// stores the displayed number and its operation; the result key applies the
// operation to the stored number and the displayed one. Operations are never
// chained.
#pragma once

#include <QString>

// The calculator's memory. It lives for the whole run and is shared by every
// opening of the calculator window.
struct CalculatorState
{
    double stored = 0; // stored operand; also replaced by every function key
    double second = 0; // the displayed number the result key read last
    double result = 0; // the value of the last evaluation
    int operation = 0; // 0 none, 1 add, 2 subtract, 3 divide, 4 multiply, 5 power
    bool newNumber = false; // the next digit starts a new number

    // The one state of the program, all zero at start.
    static CalculatorState& shared();
};

class CalculatorEngine
{
public:
    enum class Key
    {
        Zero,
        One,
        Two,
        Three,
        Four,
        Five,
        Six,
        Seven,
        Eight,
        Nine,
        Comma,
        BackSpace,
        C,
        Sign,
        Pi,
        Square,
        SquareRoot,
        Reciprocal,
        Sine,
        Cosine,
        Tangent,
        ArcSine,
        ArcCosine,
        ArcTangent,
        Exp,
        Ln,
        Log,
        Add,
        Subtract,
        Divide,
        Multiply,
        Power,
        Result,
    };

    explicit CalculatorEngine(CalculatorState& state);

    // A fresh display shows "0"; the state is whatever it was.
    QString display() const { return m_display; }
    void setDisplay(const QString& text) { m_display = text; }
    CalculatorState& state() { return m_state; }

    // Presses a key; returns the message the key shows, or an empty text.
    QString press(Key key);

    // A point typed on the keyboard: the comma key while the display has no
    // comma, otherwise refused (the display unchanged) with its message.
    QString decimalPoint();

    // The widest display "Importa" carries into the score field.
    static constexpr int MaxImporta = 12;

    static QString invalidValueText(); // "Attenzione! Valore non valido."
    static QString invalidValuesText(); // "Attenzione! Valori non validi."

private:
    void digit(int d);
    QString keyFunction(Key key);
    QString applyOperator(int code);
    QString evaluate();
    bool readDisplay(double* v) const;
    void display(double v);

    CalculatorState& m_state;
    QString m_display;
};

// x to the power y: an integral exponent up to 2147483647 in magnitude gives
// the exact power worked out on integers and rounded once to the nearest
// double (a negative exponent gives the reciprocal), so that a negative base
// works and every compiler gives the same digits; otherwise a zero base gives
// 0, a negative base is not valid and other bases go through logarithms.
double calculatorPower(double x, double y);
