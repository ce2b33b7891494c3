// The search within the open session: up to six filters over the interview
// cards of the session file, the sorted summary of the cards found with its
// find and print commands, and on a double click the chosen card loaded into
// the interview card window as its current card.
#pragma once

#include "candidates/ui/TrovaCandidati.h"

class TfrmTrovaPagina : public TSearchWindow
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
    QString titoloStampa() const override;
    void consegna(int row) override;
    bool cerca(QStringList* righe, QList<qint64>* posizioni) override;
    QString contaTesto(int n) const override;
};

// The hand-over of an interview card, shared with the suitable list.
namespace ConsegnaPagina {

// The session file of the interview card window, trimmed.
QString fileSessione(TfrmTorneo* torneo);

// Loads the card of that line of the list into the interview card window as
// its current card; nothing when the card no longer gives that line.
void consegna(TfrmTorneo* torneo, const QString& riga, qint64 posizione);

} // namespace ConsegnaPagina
