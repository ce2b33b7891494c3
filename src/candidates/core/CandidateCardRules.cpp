// Browsing and typing rules of the candidate card window.
#include "candidates/core/CandidateCardRules.h"

#include "base/core/TextRules.h"

#include <QtCore/qnamespace.h>

namespace CardNavigation {

QString emptyMessage()
{
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}

qint64 positionOf(const QString& position)
{
    bool ok = false;
    const qint64 n = TextRules::trimmed(position).toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

Step first(qint64 count)
{
    return count <= 0 ? Step::empty() : Step::show(1);
}

Step last(qint64 count)
{
    return count <= 0 ? Step::empty() : Step::show(count);
}

Step back(const QString& position, qint64 count)
{
    const QString p = TextRules::trimmed(position);
    if (p == QLatin1String("1"))
        return Step::nothing();
    if (count <= 0)
        return Step::empty();
    if (p.isEmpty())
        return Step::show(1);
    const qint64 n = positionOf(p);
    if (n < 1)
        return Step::nothing();
    // A card beyond the end (the label was written by another window before
    // the file shrank) leads back to the last card that exists.
    return Step::show(qMin(n - 1, count));
}

Step forward(const QString& position, qint64 count)
{
    if (count <= 0)
        return {Step::EmptyAndClear, 0};
    const qint64 p = positionOf(position);
    if (p < count)
        return Step::show(p + 1);
    return Step::nothing();
}

} // namespace CardNavigation

namespace CardTyping {

QString capitals(const QString& text)
{
    return TextRules::trimmed(text).toUpper();
}

QString email(const QString& text)
{
    return TextRules::trimmed(text);
}

bool vatKeyAllowed(int key, const QString& text)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        break;
    }
    return text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
}

} // namespace CardTyping
