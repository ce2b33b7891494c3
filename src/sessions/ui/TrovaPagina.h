// The search within the open session: up to six filters over the interview
// cards of the session file, the sorted summary of the cards found with its
// find and print commands, and on a double click the chosen card loaded into
// the interview card window as its current card.
#pragma once

#include "shared/ui/SearchWindow.h"

class TfrmTorneo;

class TfrmTrovaPagina : public SearchWindow
{
    Q_OBJECT

public:
    explicit TfrmTrovaPagina(QWidget* parent = nullptr);

    QLineEdit* txtConcorrente;
    QLineEdit* txtResponsabile;
    QLineEdit* txtTelefono;
    QLineEdit* txtEmail;
    QLineEdit* txtGare;
    QLineEdit* txtNote;

    QFrame* effConcorrente;
    QFrame* effResponsabile;
    QFrame* effTelefono;
    QFrame* effEmail;
    QFrame* effGare;
    QFrame* effNote;

    QLabel* icoTrova02;
    QLabel* icoIstruzioni01;

    // The mode word of the interview card window.
    static QString modoTorneo();

protected:
    QString printTitle() const override;
    void handOver(int row) override;
    bool search(QStringList* lines, QList<qint64>* positions) override;
    QString countText(int n) const override;
};

// The hand-over of an interview card, shared with the suitable list.
namespace InterviewHandOver {

// The interview card window to write into: the window that opened the
// list, or the program's one when the list has another owner.
TfrmTorneo* cardWindow(QWidget* owner);

// The session file of the interview card window, trimmed.
QString sessionFile(TfrmTorneo* window);

// Loads the card of that line of the list into the interview card window as
// its current card; nothing when the card no longer gives that line.
void show(TfrmTorneo* window, const QString& line, qint64 position);

} // namespace InterviewHandOver
