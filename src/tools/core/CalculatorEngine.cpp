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

CalculatorState& CalculatorState::shared()
{
    static CalculatorState state;
    return state;
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

double calculatorPower(double x, double y)
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

CalculatorEngine::CalculatorEngine(CalculatorState& state)
    : m_state(state)
    , m_display(QStringLiteral("0"))
{
}

QString CalculatorEngine::invalidValueText()
{
    return QStringLiteral("Attenzione! Valore non valido.");
}

QString CalculatorEngine::invalidValuesText()
{
    return QStringLiteral("Attenzione! Valori non validi.");
}

bool CalculatorEngine::readDisplay(double* v) const
{
    return NumberText::parse(m_display, v);
}

void CalculatorEngine::display(double v)
{
    m_display = NumberText::general(v == 0 ? 0.0 : v);
}

void CalculatorEngine::digit(int d)
{
    if (m_state.newNumber)
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
    m_state.newNumber = false;
}

QString CalculatorEngine::decimalPoint()
{
    if (!NumberText::pointIsComma(m_display))
        return NumberText::pointRefusedMessage();
    return press(Key::Comma);
}

QString CalculatorEngine::press(Key key)
{
    switch (key) {
    case Key::Zero:
    case Key::One:
    case Key::Two:
    case Key::Three:
    case Key::Four:
    case Key::Five:
    case Key::Six:
    case Key::Seven:
    case Key::Eight:
    case Key::Nine:
        digit(static_cast<int>(key) - static_cast<int>(Key::Zero));
        return QString();
    case Key::Comma:
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
    case Key::Sign: {
        double v = 0;
        if (!readDisplay(&v))
            return invalidValueText();
        m_state.stored = 0 - v;
        display(m_state.stored);
        return QString();
    }
    case Key::Pi:
        display(kPi);
        return QString();
    case Key::Square:
    case Key::SquareRoot:
    case Key::Reciprocal:
    case Key::Sine:
    case Key::Cosine:
    case Key::Tangent:
    case Key::ArcSine:
    case Key::ArcCosine:
    case Key::ArcTangent:
    case Key::Exp:
    case Key::Ln:
    case Key::Log:
        return keyFunction(key);
    case Key::Add:
        return applyOperator(1);
    case Key::Subtract:
        return applyOperator(2);
    case Key::Divide:
        return applyOperator(3);
    case Key::Multiply:
        return applyOperator(4);
    case Key::Power:
        return applyOperator(5);
    case Key::Result:
        return evaluate();
    }
    return QString();
}

QString CalculatorEngine::keyFunction(Key key)
{
    double v = 0;
    if (!readDisplay(&v))
        return invalidValueText();
    double r = v;
    switch (key) {
    case Key::Square:
        r = v * v;
        break;
    case Key::SquareRoot:
        r = std::sqrt(v);
        break;
    case Key::Reciprocal:
        if (v == 0) {
            m_state.stored = 0;
            display(0);
            return invalidValueText();
        }
        r = 1 / v;
        break;
    case Key::Sine:
        r = std::sin(v * kPi / 180);
        break;
    case Key::Cosine:
        r = std::cos(v * kPi / 180);
        break;
    case Key::Tangent:
        r = std::tan(v * kPi / 180);
        break;
    case Key::ArcSine:
    case Key::ArcCosine:
    case Key::ArcTangent:
        if (v < -1 || v > 1) {
            // The input stays, as the stored operand and on the display.
            m_state.stored = v;
            display(v);
            return key == Key::ArcCosine ? QStringLiteral("Attenzione! Valori non validi") : invalidValuesText();
        }
        r = key == Key::ArcSine ? std::asin(v) : key == Key::ArcCosine ? std::acos(v) : std::atan(v);
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
        return invalidValueText();
    m_state.stored = r;
    display(r);
    return QString();
}

QString CalculatorEngine::applyOperator(int code)
{
    double v = 0;
    if (!readDisplay(&v))
        return invalidValueText();
    // A pending operation is replaced, never evaluated.
    m_state.stored = v;
    m_state.operation = code;
    m_state.newNumber = true;
    return QString();
}

QString CalculatorEngine::evaluate()
{
    m_state.newNumber = true;
    if (m_state.operation < 1 || m_state.operation > 5)
        return QString();
    double v = 0;
    if (!readDisplay(&v))
        return invalidValueText();
    m_state.second = v;
    double r = 0;
    switch (m_state.operation) {
    case 1:
        r = m_state.stored + v;
        break;
    case 2:
        r = m_state.stored - v;
        break;
    case 3:
        // Division by zero: the message, and the display stays as it was.
        if (v == 0)
            return invalidValuesText();
        r = m_state.stored / v;
        break;
    case 4:
        r = m_state.stored * v;
        break;
    case 5:
        r = calculatorPower(m_state.stored, v);
        break;
    }
    if (!std::isfinite(r))
        return invalidValueText();
    m_state.result = r;
    display(r);
    return QString();
}
