// The candidate card window: one card of the candidate archive at a time,
// browsed in file order, started new and stored. Other windows write into
// its controls (a found card, a captured photo, the attachments) and the
// print windows read them, so every control is public under its own name.
#pragma once

#include "candidates/core/SchedaCandidato.h"
#include "shared/ui/KeptWindow.h"
#include "shared/ui/ScreenWindow.h"

#include <QList>

class InfoBar;
class PhotoBox;
class PictureButton;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TfrmDaRicontattare;

namespace CardNavigation {
struct Step;
}

class TfrmCandidati : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmCandidati(QWidget* parent = nullptr);

    // The 25 text fields, in the order of the Enter chain.
    QLineEdit* txtCandidato;
    QLineEdit* txtSesso;
    QLineEdit* txtDataNasc;
    QLineEdit* txtCittadinanza;
    QLineEdit* txtLuogoNasc;
    QLineEdit* txtIndirizzo;
    QLineEdit* txtCitta;
    QLineEdit* txtCap;
    QLineEdit* txtSettore;
    QLineEdit* txtCodFisc;
    QLineEdit* txtPartitaIva;
    QLineEdit* txtPatente;
    QLineEdit* txtStudio;
    QLineEdit* txtLingue;
    QLineEdit* txtEmail;
    QLineEdit* txtTel;
    QLineEdit* txtCel;
    QLineEdit* txtDocumento;
    QLineEdit* txtEnteRil;
    QLineEdit* txtInizioTes;
    QLineEdit* txtFineTes;
    QLineEdit* txtEsperienze;
    QLineEdit* txtCompetenze;
    QLineEdit* txtDisponibilita;
    QLineEdit* txtNote;

    QCheckBox* chkRicontatta;
    QLabel* icoRicontatta;

    // The current card's attachments (names and descriptions), invisible.
    QLabel* lblFile01;
    QLabel* lblFile02;
    QLabel* lblFile03;
    QLabel* lblDesc01;
    QLabel* lblDesc02;
    QLabel* lblDesc03;

    // The card's photo, and the invisible placeholder shown when there is
    // none (307 x 394 pixels).
    PhotoBox* imgFoto;
    PhotoBox* imgBianco;

    // The position of the card on screen; empty for a new card.
    QLabel* lblPosizione;

    // Command bar.
    PictureButton* cmdNuovo;
    PictureButton* cmdDuplica;
    PictureButton* cmdSalva;
    PictureButton* cmdTrova;
    PictureButton* cmdFile;
    PictureButton* cmdAnteprima;
    PictureButton* cmdStampa;
    PictureButton* cmdPrimo;
    PictureButton* cmdIndietro;
    PictureButton* cmdAvanti;
    PictureButton* cmdUltimo;
    PictureButton* cmdScadute;
    PictureButton* cmdEsporta;
    PictureButton* cmdImporta; // "Importa candidati da file…"
    // Data protection: erasure of this candidate, and the retention list.
    PictureButton* cmdCancellaDati;
    PictureButton* cmdConservazione;
    PictureButton* cmdGuida;
    PictureButton* cmdEsci;

    // Photo buttons under the photo box.
    PictureButton* btnCaricaFoto;
    PictureButton* btnWebcam;
    PictureButton* btnSalvaFoto;
    PictureButton* btnCancFoto;
    PictureButton* btnZoomFoto;

    // Small buttons beside the fields.
    PictureButton* btnCodFisc;
    PictureButton* btnPartitaIva;
    PictureButton* btnEmail;
    // "Compila dal codice fiscale": sex, birth date and birthplace from the code.
    PictureButton* btnFillFromCode;

    QPushButton* btnFocus;
    QFrame* panCandidati;
    QLabel* titScheda;
    InfoBar* shpInfo;
    QLabel* panInfo;

    // The fields in Enter-chain order, and the record field each one holds.
    QList<QLineEdit*> fields() const { return m_fields; }
    static TSchedaCandidato::Campo fieldOf(int index) { return TSchedaCandidato::Campo(index); }

    // A new empty card: fields, attachments and check box cleared, the blank
    // photo, no position, the focus in the name field.
    void PulisciScheda();
    // The photo file of the card in the position label into the photo box;
    // the blank photo when it is missing or unreadable.
    void CaricaFotoScheda();
    // Card n on screen: its fields, check box and attachments, its position
    // and its photo.
    void MostraScheda(qint64 position, const TSchedaCandidato& card);
    // The card as the controls hold it (the record the store command writes).
    TSchedaCandidato currentCard() const;
    // The placeholder into the photo box.
    void showBlankPhoto();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void FormShow();
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdFileClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdScaduteClick();
    void cmdEsportaClick();
    void cmdImportaClick();
    void cmdCancellaDatiClick();
    void cmdConservazioneClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCaricaFotoClick();
    void btnWebcamClick();
    void btnSalvaFotoClick();
    void btnCancFotoClick();
    void btnZoomFotoClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnEmailClick();
    void btnFillFromCodeClick();
    void txtSessoTyping();
    void txtCodFiscTyping();
    void txtEmailTyping();

private:
    void build();
    bool txtPartitaIvaKeyDown(int key, const QString& text);
    // Runs a browsing rule on the archive: opens it, asks the rule what to
    // do with its card count, shows the card or the message.
    template <typename Rule>
    void browse(Rule rule);
    void accessError();

    QList<QLineEdit*> m_fields;
    KeptWindow<TfrmDaRicontattare> m_recontactList;
};
