// The candidate card window: one card of the candidate archive at a time,
// browsed in file order, started new and stored. Other windows write into
// its controls (a found card, a captured photo, the attachments) and the
// print windows read them, so every control is public under its own name.
#pragma once

#include "candidates/core/SchedaCandidato.h"
#include "shared/ui/KeptWindow.h"
#include "shared/ui/ScreenWindow.h"

#include <QList>

#include <memory>

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

namespace Ui {
class TfrmCandidati;
}

class TfrmCandidati : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmCandidati(QWidget* parent = nullptr);
    ~TfrmCandidati() override;

    // The 25 text fields, in the order of the Enter chain.
    QLineEdit* txtCandidato = nullptr;
    QLineEdit* txtSesso = nullptr;
    QLineEdit* txtDataNasc = nullptr;
    QLineEdit* txtCittadinanza = nullptr;
    QLineEdit* txtLuogoNasc = nullptr;
    QLineEdit* txtIndirizzo = nullptr;
    QLineEdit* txtCitta = nullptr;
    QLineEdit* txtCap = nullptr;
    QLineEdit* txtSettore = nullptr;
    QLineEdit* txtCodFisc = nullptr;
    QLineEdit* txtPartitaIva = nullptr;
    QLineEdit* txtPatente = nullptr;
    QLineEdit* txtStudio = nullptr;
    QLineEdit* txtLingue = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtTel = nullptr;
    QLineEdit* txtCel = nullptr;
    QLineEdit* txtDocumento = nullptr;
    QLineEdit* txtEnteRil = nullptr;
    QLineEdit* txtInizioTes = nullptr;
    QLineEdit* txtFineTes = nullptr;
    QLineEdit* txtEsperienze = nullptr;
    QLineEdit* txtCompetenze = nullptr;
    QLineEdit* txtDisponibilita = nullptr;
    QLineEdit* txtNote = nullptr;

    QCheckBox* chkRicontatta = nullptr;
    QLabel* icoRicontatta = nullptr;

    // The current card's attachments (names and descriptions), invisible.
    QLabel* lblFile01 = nullptr;
    QLabel* lblFile02 = nullptr;
    QLabel* lblFile03 = nullptr;
    QLabel* lblDesc01 = nullptr;
    QLabel* lblDesc02 = nullptr;
    QLabel* lblDesc03 = nullptr;

    // The card's photo, and the invisible placeholder shown when there is
    // none (307 x 394 pixels).
    PhotoBox* imgFoto = nullptr;
    PhotoBox* imgBianco = nullptr;

    // The position of the card on screen; empty for a new card.
    QLabel* lblPosizione = nullptr;

    // Command bar.
    PictureButton* cmdNuovo = nullptr;
    PictureButton* cmdDuplica = nullptr;
    PictureButton* cmdSalva = nullptr;
    PictureButton* cmdTrova = nullptr;
    PictureButton* cmdFile = nullptr;
    PictureButton* cmdAnteprima = nullptr;
    PictureButton* cmdStampa = nullptr;
    PictureButton* cmdPrimo = nullptr;
    PictureButton* cmdIndietro = nullptr;
    PictureButton* cmdAvanti = nullptr;
    PictureButton* cmdUltimo = nullptr;
    PictureButton* cmdScadute = nullptr;
    PictureButton* cmdEsporta = nullptr;
    PictureButton* cmdImporta = nullptr; // "Importa candidati da file…"
    // Data protection: erasure of this candidate, and the retention list.
    PictureButton* cmdCancellaDati = nullptr;
    PictureButton* cmdConservazione = nullptr;
    PictureButton* cmdGuida = nullptr;
    PictureButton* cmdEsci = nullptr;

    // Photo buttons under the photo box.
    PictureButton* btnCaricaFoto = nullptr;
    PictureButton* btnWebcam = nullptr;
    PictureButton* btnSalvaFoto = nullptr;
    PictureButton* btnCancFoto = nullptr;
    PictureButton* btnZoomFoto = nullptr;

    // Small buttons beside the fields.
    PictureButton* btnCodFisc = nullptr;
    PictureButton* btnPartitaIva = nullptr;
    PictureButton* btnEmail = nullptr;
    // "Compila dal codice fiscale": sex, birth date and birthplace from the code.
    PictureButton* btnFillFromCode = nullptr;

    QPushButton* btnFocus = nullptr;
    QFrame* panCandidati = nullptr;
    QLabel* titScheda = nullptr;
    InfoBar* shpInfo = nullptr;
    QLabel* panInfo = nullptr;

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

    // The layout, drawn in TfrmCandidati.ui.
    std::unique_ptr<Ui::TfrmCandidati> m_ui;
    QList<QLineEdit*> m_fields;
    KeptWindow<TfrmDaRicontattare> m_recontactList;
};
