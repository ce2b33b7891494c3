// Every message box of the program, and its scripted stand-in for tests.
#include "base/platform/Messages.h"

#include "base/core/SystemError.h"

#include <QMessageBox>
#include <QPushButton>
#include <QQueue>

#include <memory>

namespace {
bool g_test = false;
QQueue<Messages::Answer> g_answers;
QList<Messages::Shown> g_shown;
QQueue<int> g_choices;
int g_unscripted = 0;
// Which of the caller's buttons a button of the box is.
const char* kChoice = "selvoraChoice";
} // namespace

namespace Messages {

std::unique_ptr<QMessageBox> makeBox(QWidget* parent, Kind kind, const QString& text, const QStringList& buttons)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setText(displayText(text));
    // One look per kind, whichever buttons the box carries.
    switch (kind) {
    case Kind::Warning:
        box->setIcon(QMessageBox::Warning);
        box->setWindowTitle(QStringLiteral("Attenzione"));
        break;
    case Kind::Error:
        box->setIcon(QMessageBox::Critical);
        box->setWindowTitle(QStringLiteral("Errore"));
        break;
    case Kind::Information:
        box->setIcon(QMessageBox::Information);
        box->setWindowTitle(QStringLiteral("Informazione"));
        break;
    case Kind::Confirmation:
        box->setIcon(QMessageBox::Question);
        box->setWindowTitle(QStringLiteral("Conferma"));
        break;
    case Kind::Plain:
        box->setIcon(QMessageBox::NoIcon);
        box->setWindowTitle(QStringLiteral("Selvora"));
        break;
    }
    if (!buttons.isEmpty()) {
        QPushButton* button = nullptr;
        for (int i = 0; i < buttons.size(); ++i) {
            button = box->addButton(buttons.at(i), QMessageBox::ActionRole);
            button->setProperty(kChoice, i);
        }
        box->setDefaultButton(button);
        box->setEscapeButton(button);
        return box;
    }
    switch (kind) {
    case Kind::Warning:
    case Kind::Error:
    case Kind::Information:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Kind::Confirmation:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        break;
    case Kind::Plain:
        box->setStandardButtons(QMessageBox::Ok);
        break;
    }
    return box;
}

QString displayText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

Answer show(QWidget* parent, Kind kind, const QString& message)
{
    // The system's words inside a message are given in Italian, whoever
    // wrote the message.
    const QString text = SystemError::italianized(message);
    if (g_test) {
        g_shown.append({kind, text, {}});
        if (!g_answers.isEmpty())
            return g_answers.dequeue();
        if (kind == Kind::Confirmation) {
            ++g_unscripted;
            return Answer::No;
        }
        return Answer::Ok;
    }

    std::unique_ptr<QMessageBox> box = makeBox(parent, kind, text);
    const int r = box->exec();
    switch (r) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

int choose(QWidget* parent, Kind kind, const QString& message, const QStringList& buttons)
{
    const QString text = SystemError::italianized(message);
    if (buttons.isEmpty())
        return -1;
    const int last = int(buttons.size()) - 1;
    if (g_test) {
        g_shown.append({kind, text, buttons});
        // A box with one button asks nothing.
        if (last == 0)
            return 0;
        if (!g_choices.isEmpty())
            return qBound(0, g_choices.dequeue(), last);
        ++g_unscripted;
        return last;
    }
    std::unique_ptr<QMessageBox> box = makeBox(parent, kind, text, buttons);
    box->exec();
    const QAbstractButton* clicked = box->clickedButton();
    return clicked ? qBound(0, clicked->property(kChoice).toInt(), last) : last;
}

void setTestMode(bool on)
{
    g_test = on;
}
bool testMode()
{
    return g_test;
}
void queueAnswer(Answer answer)
{
    g_answers.enqueue(answer);
}
void queueChoice(int index)
{
    g_choices.enqueue(index);
}
QList<Shown> shown()
{
    return g_shown;
}
QList<Shown> takeShown()
{
    QList<Shown> s = g_shown;
    g_shown.clear();
    return s;
}
int pendingAnswers()
{
    return int(g_answers.size() + g_choices.size());
}
int unscriptedConfirmations()
{
    return g_unscripted;
}
void resetTestState()
{
    g_answers.clear();
    g_choices.clear();
    g_shown.clear();
    g_unscripted = 0;
}

} // namespace Messages
