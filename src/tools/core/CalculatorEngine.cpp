#include "tools/core/CalculatorEngine.h"

#include "app/core/NumberText.h"
#include "app/core/TextRules.h"

#include <cmath>

namespace {
const double kPi = 3.14159265358979323846;
} // namespace

CalculatorState& CalculatorState::condiviso()
{
    static CalculatorState stato;
    return stato;
}

double PotenzaCalcolatrice(double x, double y)
{
    if (y == std::trunc(y) && std::fabs(y) <= 2147483647.0) {
        long long n = static_cast<long long>(std::fabs(y));
        long double base = x;
        long double r = 1.0L;
        while (n > 0) {
            if (n & 1)
                r *= base;
            base *= base;
            n >>= 1;
        }
        if (y < 0)
            r = 1.0L / r;
        return static_cast<double>(r);
    }
    if (x == 0)
        return 0;
    return static_cast<double>(std::exp(static_cast<long double>(y) * std::log(static_cast<long double>(x))));
}

CalculatorEngine::CalculatorEngine(CalculatorState& stato)
    : m_stato(stato)
    , m_display(QStringLiteral("0"))
{
}

QString CalculatorEngine::valoreNonValido()
{
    return QStringLiteral("Attenzione! Valore non valido.");
}

QString CalculatorEngine::valoriNonValidi()
{
    return QStringLiteral("Attenzione! Valori non validi.");
}

bool CalculatorEngine::leggi(double* v) const
{
    return NumberText::parse(m_display, v);
}

void CalculatorEngine::mostra(double v)
{
    m_display = NumberText::general(v == 0 ? 0.0 : v);
}

void CalculatorEngine::cifra(int d)
{
    if (m_stato.nuovoNumero)
        m_display.clear();
    if (d == 0) {
        // No run of leading zeros can be typed.
        if (m_display != QLatin1String("0") && !m_display.isEmpty())
            m_display += QLatin1Char('0');
        else
            m_display = QStringLiteral("0");
    } else {
        if (m_display == QLatin1String("0"))
            m_display.clear();
        m_display += QChar(u'0' + d);
    }
    m_stato.nuovoNumero = false;
}

QString CalculatorEngine::punto()
{
    if (!NumberText::pointIsComma(m_display))
        return NumberText::pointRefusedMessage();
    return premi(Key::Virgola);
}

QString CalculatorEngine::premi(Key tasto)
{
    switch (tasto) {
    case Key::Zero:
    case Key::Uno:
    case Key::Due:
    case Key::Tre:
    case Key::Quattro:
    case Key::Cinque:
    case Key::Sei:
    case Key::Sette:
    case Key::Otto:
    case Key::Nove:
        cifra(static_cast<int>(tasto) - static_cast<int>(Key::Zero));
        return QString();
    case Key::Virgola:
        // Appended as it is: after an operator key the comma goes on the old
        // number and the next digit starts a new one.
        m_display += QLatin1Char(',');
        return QString();
    case Key::BackSpace: {
        m_display.chop(1);
        const QString t = TextRules::trimmed(m_display);
        if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String(","))
            m_display = QStringLiteral("0");
        return QString();
    }
    case Key::C:
        m_display = QStringLiteral("0");
        return QString();
    case Key::Segno: {
        double v = 0;
        if (!leggi(&v))
            return valoreNonValido();
        m_stato.memoria = 0 - v;
        mostra(m_stato.memoria);
        return QString();
    }
    case Key::Pi:
        mostra(kPi);
        return QString();
    case Key::Quadrato:
    case Key::Radice:
    case Key::Reciproco:
    case Key::Seno:
    case Key::Coseno:
    case Key::Tangente:
    case Key::ArcoSeno:
    case Key::ArcoCoseno:
    case Key::ArcoTangente:
    case Key::Exp:
    case Key::Ln:
    case Key::Log:
        return funzione(tasto);
    case Key::Somma:
        return operatore(1);
    case Key::Sottrazione:
        return operatore(2);
    case Key::Divisione:
        return operatore(3);
    case Key::Moltiplicazione:
        return operatore(4);
    case Key::Potenza:
        return operatore(5);
    case Key::Risultato:
        return risultato();
    }
    return QString();
}

QString CalculatorEngine::funzione(Key tasto)
{
    double v = 0;
    if (!leggi(&v))
        return valoreNonValido();
    double r = v;
    switch (tasto) {
    case Key::Quadrato:
        r = v * v;
        break;
    case Key::Radice:
        r = std::sqrt(v);
        break;
    case Key::Reciproco:
        if (v == 0) {
            m_stato.memoria = 0;
            mostra(0);
            return valoreNonValido();
        }
        r = 1 / v;
        break;
    case Key::Seno:
        r = std::sin(v * kPi / 180);
        break;
    case Key::Coseno:
        r = std::cos(v * kPi / 180);
        break;
    case Key::Tangente:
        r = std::tan(v * kPi / 180);
        break;
    case Key::ArcoSeno:
    case Key::ArcoCoseno:
    case Key::ArcoTangente:
        if (v < -1 || v > 1) {
            // The input stays, as the stored operand and on the display.
            m_stato.memoria = v;
            mostra(v);
            return tasto == Key::ArcoCoseno ? QStringLiteral("Attenzione! Valori non validi") : valoriNonValidi();
        }
        r = tasto == Key::ArcoSeno ? std::asin(v) : tasto == Key::ArcoCoseno ? std::acos(v) : std::atan(v);
        break;
    case Key::Exp:
        r = std::exp(v);
        break;
    case Key::Ln:
        r = std::log(v);
        break;
    case Key::Log:
        r = std::log10(v);
        break;
    default:
        break;
    }
    // Outside a function's domain (square root or logarithm of a negative
    // number, logarithm of zero, overflow) there is no number to show: the
    // calculator says so and stays as it was.
    if (!std::isfinite(r))
        return valoreNonValido();
    m_stato.memoria = r;
    mostra(r);
    return QString();
}

QString CalculatorEngine::operatore(int codice)
{
    double v = 0;
    if (!leggi(&v))
        return valoreNonValido();
    // A pending operation is replaced, never evaluated.
    m_stato.memoria = v;
    m_stato.operazione = codice;
    m_stato.nuovoNumero = true;
    return QString();
}

QString CalculatorEngine::risultato()
{
    m_stato.nuovoNumero = true;
    if (m_stato.operazione < 1 || m_stato.operazione > 5)
        return QString();
    double v = 0;
    if (!leggi(&v))
        return valoreNonValido();
    m_stato.secondo = v;
    double r = 0;
    switch (m_stato.operazione) {
    case 1:
        r = m_stato.memoria + v;
        break;
    case 2:
        r = m_stato.memoria - v;
        break;
    case 3:
        // Division by zero: the message, and the display stays as it was.
        if (v == 0)
            return valoriNonValidi();
        r = m_stato.memoria / v;
        break;
    case 4:
        r = m_stato.memoria * v;
        break;
    case 5:
        r = PotenzaCalcolatrice(m_stato.memoria, v);
        break;
    }
    if (!std::isfinite(r))
        return valoreNonValido();
    m_stato.risultato = r;
    mostra(r);
    return QString();
}
