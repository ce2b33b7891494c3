// Every message box of the program goes through here. Warnings, errors and
// information carry OK and Cancel and their answer is ignored; confirmations
// carry Yes and No and only No cancels; the plain box has OK alone.
//
// In test mode no box is shown: each one is recorded (kind and exact text)
// and answered from a queue of scripted answers.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QMessageBox;
class QWidget;

namespace Messages {

enum class Kind
{
    Warning,
    Error,
    Information,
    Confirmation,
    Plain
};
enum class Answer
{
    Ok,
    Cancel,
    Yes,
    No
};

Answer show(QWidget* parent, Kind kind, const QString& text);

inline void warning(QWidget* parent, const QString& text)
{
    show(parent, Kind::Warning, text);
}
inline void error(QWidget* parent, const QString& text)
{
    show(parent, Kind::Error, text);
}
inline void information(QWidget* parent, const QString& text)
{
    show(parent, Kind::Information, text);
}
inline void plain(QWidget* parent, const QString& text)
{
    show(parent, Kind::Plain, text);
}
// True unless the answer is No: closing the box any other way is consent.
inline bool confirm(QWidget* parent, const QString& text)
{
    return show(parent, Kind::Confirmation, text) != Answer::No;
}

// A box of that kind with buttons of its own, left to right; returns the
// index of the button chosen. Closing the box (Escape) chooses the last one,
// so the last button must be the one that changes nothing. A box with one
// button ("OK") only tells: tests need not script it.
int choose(QWidget* parent, Kind kind, const QString& text, const QStringList& buttons);

// The box that show() (no buttons given) or choose() puts up, not yet shown:
// its icon and title follow the kind either way.
std::unique_ptr<QMessageBox> makeBox(QWidget* parent, Kind kind, const QString& text, const QStringList& buttons = {});

// The text as a box shows it: the stored "\n\r" and "\r\n" pairs become one
// line break each.
QString displayText(const QString& text);

// --- test mode -------------------------------------------------------------
struct Shown
{
    Kind kind;
    QString text;
    QStringList buttons; // those of a box with buttons of its own
};

void setTestMode(bool on);
bool testMode();
// The answer for the next box; boxes without a scripted answer get OK (or No
// for a confirmation) and are counted as unscripted confirmations.
void queueAnswer(Answer answer);
// The button index for the next box with buttons of its own; without one the
// last button is chosen and counted as an unscripted confirmation.
void queueChoice(int index);
QList<Shown> shown();
QList<Shown> takeShown();
int pendingAnswers();
int unscriptedConfirmations();
void resetTestState();

} // namespace Messages
