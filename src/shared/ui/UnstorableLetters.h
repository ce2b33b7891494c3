// Letters the archive cannot keep: the card files hold Windows-1252, where
// "Ł" or "ő" would be stored as "?". Before a card window stores its card it
// names such letters, field by field, and offers the nearest plain letters
// (Ł becomes L) or going back to the card.
#pragma once

#include <QList>

class QWidget;

namespace UnstorableLetters {

// The question for the fields given (line fields and plain text fields;
// others are ignored). True when the store may go on: no such letter, or
// the user chose the plain letters, now in the fields. False to go back to
// the card: the focus is then in the first field that holds such a letter.
bool confirmStore(QWidget* window, const QList<QWidget*>& fields);

} // namespace UnstorableLetters
