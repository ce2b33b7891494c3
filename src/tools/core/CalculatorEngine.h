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
    double memoria = 0; // stored operand; also replaced by every function key
    double secondo = 0; // the displayed number the result key read last
    double risultato = 0; // the value of the last evaluation
    int operazione = 0; // 0 none, 1 add, 2 subtract, 3 divide, 4 multiply, 5 power
    bool nuovoNumero = false; // the next digit starts a new number

    // The one state of the program, all zero at start.
    static CalculatorState& condiviso();
};

class CalculatorEngine
{
public:
    enum class Key
    {
        Zero,
        Uno,
        Due,
        Tre,
        Quattro,
        Cinque,
        Sei,
        Sette,
        Otto,
        Nove,
        Virgola,
        BackSpace,
        C,
        Segno,
        Pi,
        Quadrato,
        Radice,
        Reciproco,
        Seno,
        Coseno,
        Tangente,
        ArcoSeno,
        ArcoCoseno,
        ArcoTangente,
        Exp,
        Ln,
        Log,
        Somma,
        Sottrazione,
        Divisione,
        Moltiplicazione,
        Potenza,
        Risultato,
    };

    explicit CalculatorEngine(CalculatorState& stato);

    // A fresh display shows "0"; the state is whatever it was.
    QString display() const { return m_display; }
    void setDisplay(const QString& text) { m_display = text; }
    CalculatorState& stato() { return m_stato; }

    // Presses a key; returns the message the key shows, or an empty text.
    QString premi(Key tasto);

    // A point typed on the keyboard: the comma key while the display has no
    // comma, otherwise refused (the display unchanged) with its message.
    QString punto();

    // The widest display "Importa" carries into the score field.
    static constexpr int MaxImporta = 12;

    static QString valoreNonValido(); // "Attenzione! Valore non valido."
    static QString valoriNonValidi(); // "Attenzione! Valori non validi."

private:
    void cifra(int d);
    QString funzione(Key tasto);
    QString operatore(int codice);
    QString risultato();
    bool leggi(double* v) const;
    void mostra(double v);

    CalculatorState& m_stato;
    QString m_display;
};

// x to the power y: an integral exponent up to 2147483647 in magnitude gives
// the exact power worked out on integers and rounded once to the nearest
// double (a negative exponent gives the reciprocal), so that a negative base
// works and every compiler gives the same digits; otherwise a zero base gives
// 0, a negative base is not valid and other bases go through logarithms.
double PotenzaCalcolatrice(double x, double y);
