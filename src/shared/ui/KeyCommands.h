// The keyboard of the program's windows in one place: command keys bound to
// the command pictures and buttons they press (and named in their tooltips),
// Escape for the window's leaving command, Enter to open the chosen line of a
// list, and Enter on a focused button pressing it in every window.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QAbstractButton;
class QApplication;
class QWidget;

namespace KeyCommands {

// The keys of the card windows, as an Italian office program has them.
inline const QKeySequence Store = QKeySequence(Qt::CTRL | Qt::Key_S);
inline const QKeySequence NewCard = QKeySequence(Qt::CTRL | Qt::Key_N);
inline const QKeySequence Find = QKeySequence(Qt::CTRL | Qt::Key_F);
inline const QKeySequence Print = QKeySequence(Qt::CTRL | Qt::Key_P);
// The interview card's scoring grid ("Griglia").
inline const QKeySequence Grid = QKeySequence(Qt::CTRL | Qt::Key_G);
inline const QKeySequence HelpKey = QKeySequence(Qt::Key_F1);
inline const QKeySequence Leave = QKeySequence(Qt::Key_Escape);
inline const QKeySequence NextCard = QKeySequence(Qt::Key_PageDown);
inline const QKeySequence NextCardAnywhere = QKeySequence(Qt::CTRL | Qt::Key_PageDown);
inline const QKeySequence PreviousCard = QKeySequence(Qt::Key_PageUp);
inline const QKeySequence PreviousCardAnywhere = QKeySequence(Qt::CTRL | Qt::Key_PageUp);

// Pressing any of the keys anywhere in window presses the button, as a
// click would (a disabled button stays unpressed); the keys never reach the
// field that has the focus. The button's tooltip names the first key.
void bind(QWidget* window, QAbstractButton* button, const QList<QKeySequence>& keys);

// Escape leaves the window through its own leaving command, with the same
// questions the command asks.
void leaveOnEscape(QWidget* window, QAbstractButton* leave);

// The commands both card windows have, and the keys they share.
struct CardCommands
{
    QAbstractButton* store;
    QAbstractButton* newCard;
    QAbstractButton* find;
    QAbstractButton* print;
    QAbstractButton* next;
    QAbstractButton* previous;
    QAbstractButton* help;
    QAbstractButton* leave;
};
void bindCard(QWidget* window, const CardCommands& commands);

// Enter (either key) on the widget runs command: a list opens its chosen
// line, a search form searches. The key goes no further (no default button
// is pressed, the focus does not move).
void onEnter(QWidget* widget, std::function<void()> command);

// The key as the tooltips and the help write it: "Ctrl+S", "PagGiù", "F1".
QString keyText(const QKeySequence& key);

// Enter (either key) on a focused command button or picture presses it, in
// every window of the application; Space already does.
void pressFocusedButtons(QApplication& app);

// Tab on the last cell of any table, and Shift+Tab on its first, goes on to
// the window's next (previous) control instead of wrapping round the table;
// a cell being typed into keeps its text.
void leaveTablesAtTheirEnds(QApplication& app);

} // namespace KeyCommands
