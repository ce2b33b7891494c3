#include "tools/core/CalculatorEngine.h"

#include "base/core/NumberText.h"
#include "base/core/TextRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {
const double kPi = 3.14159265358979323846;
} // namespace

CalculatorState& CalculatorState::condiviso()
{
    static CalculatorState stato;
    return stato;
}

namespace {

// A positive number m x 2^exponent whose m keeps its most significant bits
// only: at most Limbs x 32 of them; lost is set when nonzero bits were dropped.
struct WideNumber
{
    static constexpr std::size_t Limbs = 8;
    std::vector<std::uint32_t> m; // least significant limb first
    std::int64_t exponent = 0;
    bool lost = false;
};

WideNumber multiplied(const WideNumber& a, const WideNumber& b)
{
    std::vector<std::uint32_t> out(a.m.size() + b.m.size(), 0);
    for (std::size_t i = 0; i < a.m.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.m.size(); ++j) {
            const std::uint64_t t = std::uint64_t(a.m[i]) * b.m[j] + out[i + j] + carry;
            out[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        std::size_t k = i + b.m.size();
        while (carry != 0) {
            const std::uint64_t t = std::uint64_t(out[k]) + carry;
            out[k] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
            ++k;
        }
    }
    while (out.size() > 1 && out.back() == 0)
        out.pop_back();
    WideNumber r;
    r.exponent = a.exponent + b.exponent;
    r.lost = a.lost || b.lost;
    if (out.size() > WideNumber::Limbs) {
        const std::size_t drop = out.size() - WideNumber::Limbs;
        for (std::size_t i = 0; i < drop; ++i)
            r.lost = r.lost || out[i] != 0;
        out.erase(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(drop));
        r.exponent += std::int64_t(32) * static_cast<std::int64_t>(drop);
    }
    r.m = std::move(out);
    return r;
}

int bitLength(const WideNumber& w)
{
    int bits = static_cast<int>(w.m.size() - 1) * 32;
    for (std::uint32_t top = w.m.back(); top != 0; top >>= 1)
        ++bits;
    return bits;
}

bool bitAt(const WideNumber& w, int i)
{
    return (w.m[static_cast<std::size_t>(i / 32)] >> (i % 32)) & 1u;
}

bool anyBitBelow(const WideNumber& w, int i)
{
    for (int k = 0; k < i / 32; ++k)
        if (w.m[static_cast<std::size_t>(k)] != 0)
            return true;
    return i % 32 != 0 && (w.m[static_cast<std::size_t>(i / 32)] & ((1u << (i % 32)) - 1)) != 0;
}

// The double nearest to w (halves to even), subnormals and overflow included.
double nearestDouble(const WideNumber& w)
{
    const int length = bitLength(w);
    if (length == 0)
        return 0;
    const std::int64_t top = length - 1 + w.exponent; // w lies in [2^top, 2^(top+1))
    if (top > 1023)
        return HUGE_VAL;
    const std::int64_t precision = top >= -1022 ? 53 : 53 - (-1022 - top);
    if (precision < 0)
        return 0;
    const int drop = length - static_cast<int>(precision);
    std::uint64_t q = 0;
    if (drop <= 0) {
        for (int i = length - 1; i >= 0; --i)
            q = (q << 1) | (bitAt(w, i) ? 1u : 0u);
        return std::ldexp(static_cast<double>(q), static_cast<int>(w.exponent));
    }
    for (int i = length - 1; i >= drop; --i)
        q = (q << 1) | (bitAt(w, i) ? 1u : 0u);
    const bool half = bitAt(w, drop - 1);
    const bool rest = anyBitBelow(w, drop - 1) || w.lost;
    if (half && (rest || (q & 1u)))
        ++q;
    return std::ldexp(static_cast<double>(q), static_cast<int>(drop + w.exponent));
}

// 1 / w to more than 120 significant bits, by long division.
WideNumber reciprocal(const WideNumber& w)
{
    const int length = bitLength(w);
    const int steps = length + 120;
    std::vector<std::uint32_t> rest(w.m.size() + 1, 0);
    rest[0] = 1;
    std::vector<std::uint32_t> q((static_cast<std::size_t>(steps) + 31) / 32 + 1, 0);
    auto notBelow = [&w](const std::vector<std::uint32_t>& a) {
        for (std::size_t i = a.size(); i-- > 0;) {
            const std::uint32_t b = i < w.m.size() ? w.m[i] : 0;
            if (a[i] != b)
                return a[i] > b;
        }
        return true;
    };
    for (int step = 0; step < steps; ++step) {
        std::uint32_t carry = 0;
        for (auto& limb : rest) {
            const std::uint32_t next = limb >> 31;
            limb = (limb << 1) | carry;
            carry = next;
        }
        carry = 0;
        for (auto& limb : q) {
            const std::uint32_t next = limb >> 31;
            limb = (limb << 1) | carry;
            carry = next;
        }
        if (notBelow(rest)) {
            std::int64_t borrow = 0;
            for (std::size_t i = 0; i < rest.size(); ++i) {
                const std::int64_t t = std::int64_t(rest[i]) - (i < w.m.size() ? w.m[i] : 0) - borrow;
                rest[i] = static_cast<std::uint32_t>(t);
                borrow = t < 0 ? 1 : 0;
            }
            q[0] |= 1u;
        }
    }
    while (q.size() > 1 && q.back() == 0)
        q.pop_back();
    WideNumber r;
    r.m = std::move(q);
    r.exponent = -w.exponent - steps;
    r.lost = w.lost;
    for (const auto limb : rest)
        r.lost = r.lost || limb != 0;
    return r;
}

// |x|^n for a finite x other than 0 and n >= 0, worked out on integers.
WideNumber wholePower(double x, long long n)
{
    int e = 0;
    const double fraction = std::frexp(std::fabs(x), &e);
    std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    std::int64_t exponent = e - 53;
    while ((m & 1u) == 0) {
        m >>= 1;
        ++exponent;
    }
    WideNumber base;
    base.m = {static_cast<std::uint32_t>(m), static_cast<std::uint32_t>(m >> 32)};
    if (base.m.back() == 0)
        base.m.pop_back();
    base.exponent = exponent;
    WideNumber r;
    r.m = {1};
    while (n > 0) {
        if (n & 1)
            r = multiplied(r, base);
        n >>= 1;
        if (n > 0)
            base = multiplied(base, base);
        // Far outside the range of a double: stop before the exponent grows
        // without bound.
        if (r.exponent > 4000 || r.exponent < -4000 - 32 * std::int64_t(WideNumber::Limbs))
            break;
    }
    return r;
}

} // namespace

double PotenzaCalcolatrice(double x, double y)
{
    if (y == std::trunc(y) && std::fabs(y) <= 2147483647.0) {
        // An integral exponent: the exact power on integers, rounded once
        // to the nearest double, so it is the same on every compiler.
        const long long n = static_cast<long long>(std::fabs(y));
        if (n == 0 || std::isnan(x))
            return n == 0 ? 1.0 : x;
        if (x == 0 || std::isinf(x)) {
            const double r = y < 0 ? (x == 0 ? HUGE_VAL : 0.0) : (x == 0 ? 0.0 : HUGE_VAL);
            return (x < 0 && (n & 1)) ? -r : r;
        }
        const WideNumber p = wholePower(x, n);
        double r = 0;
        if (y > 0) {
            r = nearestDouble(p);
        } else {
            r = nearestDouble(reciprocal(p));
        }
        return (x < 0 && (n & 1)) ? -r : r;
    }
    if (x == 0)
        return 0;
    // Through logarithms: a negative base has none.
    if (x < 0)
        return std::nan("");
    return std::pow(x, y);
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
