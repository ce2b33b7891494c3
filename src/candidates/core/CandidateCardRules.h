// The rules of the candidate card window that need no window: which card the
// browsing commands show, and the typing rules of the sex, fiscal code,
// e-mail and VAT number fields.
#pragma once

#include <QString>

namespace CardNavigation {

// What a browsing command does, given the position label and the card count.
struct Step
{
    enum Kind
    {
        Nothing, // the screen stays, no message
        Show, // show card `card`
        EmptyArchive, // "L'archivio non contiene nessuna scheda."
        EmptyAndClear, // the same message, after emptying the position label
    };
    Kind kind = Nothing;
    qint64 card = 0;

    static Step nothing() { return {}; }
    static Step show(qint64 n) { return {Show, n}; }
    static Step empty() { return {EmptyArchive, 0}; }
};

inline bool operator==(const CardNavigation::Step& a, const CardNavigation::Step& b)
{
    return a.kind == b.kind && a.card == b.card;
}

// "L'archivio non contiene nessuna scheda."
QString emptyMessage();

Step first(qint64 count);
Step last(qint64 count);
// position is the text of the position label.
Step back(const QString& position, qint64 count);
Step forward(const QString& position, qint64 count);

// The position label as a card number: 0 when empty or not a number.
qint64 positionOf(const QString& position);

} // namespace CardNavigation

namespace CardTyping {

// Sex and fiscal code: trimmed and in capitals.
QString capitals(const QString& text);
// E-mail: trimmed.
QString email(const QString& text);
// VAT number: whether a key press gets through. Enter, Tab, Backspace,
// Delete and the left and right arrows act as usual; otherwise only the
// digits 0 to 9.
bool vatKeyAllowed(int key, const QString& text);

} // namespace CardTyping
