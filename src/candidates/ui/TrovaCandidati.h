// The candidate search: up to ten filters over the candidate archive, the
// sorted summary of the cards found with its find and print commands, and
// the hand-over of the card double-clicked to the window that opened the
// search ("candidati": the candidate card window; "torneo": name and fiscal
// code into the interview card).
#pragma once

#include "shared/ui/SearchWindow.h"

class TfrmCandidati;
struct TSchedaCandidato;

class TfrmTrovaCandidati : public SearchWindow
{
    Q_OBJECT

public:
    explicit TfrmTrovaCandidati(QWidget* parent = nullptr);

    QLineEdit* txtCandidato;
    QLineEdit* txtDataNasc;
    QLineEdit* txtCittadinanza;
    QLineEdit* txtLuogoNasc;
    QLineEdit* txtCodFisc;
    QLineEdit* txtSettore;
    QLineEdit* txtLingue;
    QLineEdit* txtCompetenze;
    QLineEdit* txtDisponibilita;
    QLineEdit* txtNote;

    QFrame* effCampo01;
    QFrame* effCampo02;
    QFrame* effCampo03;
    QFrame* effCampo04;
    QFrame* effCampo05;
    QFrame* effCampo06;
    QFrame* effCampo07;
    QFrame* effCampo08;
    QFrame* effCampo09;
    QFrame* effCampo10;

    QLabel* imgTrova01;
    QLabel* icoIstruzioni01;
    // "Doppioni": groups of cards that look like the same person.
    QPushButton* btnDoppioni;

    // The two mode words.
    static QString candidatesMode();
    static QString modoTorneo();

protected:
    QString printTitle() const override;
    void handOver(int row) override;
    bool search(QStringList* lines, QList<qint64>* positions) override;
    QString countText(int n) const override;

private:
    void btnDoppioniClick();
};

// The hand-over of a candidate card, shared with the recontact summary.
namespace CandidateHandOver {

// The candidate card window to write into: the window that opened the
// dialog, or the program's one when the dialog has another owner.
TfrmCandidati* cardWindow(QWidget* owner);

// The card shown as a stored card: every field trimmed, "Da ricontattare"
// ticked for "Sì", cleared for "No" and left as it was for anything else,
// the attachments, the position and the photo.
void show(TfrmCandidati* window, qint64 position, const TSchedaCandidato& card);

} // namespace CandidateHandOver
