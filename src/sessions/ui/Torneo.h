// The interview card window of an open session: one card at a time, browsed
// in file order, started anew, and stored by appending it or by writing over
// the card shown. The score rules live here.
#pragma once

#include "shared/ui/KeptWindow.h"
#include "shared/ui/ScreenWindow.h"

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class InfoBar;
class PictureButton;
class TfrmSegnalati;
struct TSchedaColloquio;

namespace Ui {
class TfrmTorneo;
}

class TfrmTorneo : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmTorneo(QWidget* parent = nullptr);
    ~TfrmTorneo() override;

    // Hidden: the full path of the session file, set by the session list.
    QLabel* lblFile = nullptr;
    // The session name in the title strip.
    QLabel* lblNome = nullptr;
    // The 1-based position of the card shown; empty for a new card.
    QLabel* lblPosizione = nullptr;

    // Fields, named as the record they fill (the names come from an older
    // use of the window: competitor, person in charge, telephone, e-mail,
    // matches).
    QLineEdit* txtConcorrente = nullptr; // Candidato
    QLineEdit* txtResponsabile = nullptr; // CodiceFiscale
    QLineEdit* txtTelefono = nullptr; // Provenienza
    QLineEdit* txtEmail = nullptr; // DataColloquio, typed or filled by the date picker
    QPlainTextEdit* txtGare = nullptr; // Dettagli
    QLineEdit* txtPunteggio = nullptr; // Punteggio
    QLineEdit* txtNote = nullptr; // Note
    QCheckBox* chkCompletato = nullptr; // Idoneo

    // Captions.
    QLabel* infConcorrente = nullptr;
    QLabel* infResponsabile = nullptr;
    QLabel* infTelefono = nullptr;
    QLabel* infEmail = nullptr;
    QLabel* infGare = nullptr;
    QLabel* infPunteggio = nullptr;
    QLabel* infNote = nullptr;

    // Command bar.
    PictureButton* cmdNuovo = nullptr;
    PictureButton* cmdSalva = nullptr;
    PictureButton* cmdTrova = nullptr;
    PictureButton* cmdAnteprima = nullptr;
    PictureButton* cmdStampa = nullptr;
    PictureButton* cmdPrimo = nullptr;
    PictureButton* cmdIndietro = nullptr;
    PictureButton* cmdAvanti = nullptr;
    PictureButton* cmdUltimo = nullptr;
    PictureButton* cmdExcel = nullptr;
    PictureButton* cmdNonPagati = nullptr;
    PictureButton* cmdGriglia = nullptr; // the committee's scoring grid
    PictureButton* cmdCalendario = nullptr; // the calendar of the interviews
    PictureButton* cmdGuida = nullptr;
    PictureButton* cmdEsci = nullptr;
    // Small pictures beside the fields.
    PictureButton* btnCandidato = nullptr;
    PictureButton* btnEmail = nullptr;
    PictureButton* btnCalcolatrice = nullptr;
    PictureButton* btnData = nullptr; // the date picker, beside the interview date
    PictureButton* btnGriglia = nullptr; // the scoring grid, beside the calculator

    InfoBar* shpInfo = nullptr;
    QLabel* panInfo = nullptr;
    // Shown while the session's published ranking no longer matches it.
    QLabel* lblSigillo = nullptr;

    // The new-card routine: empty fields, today's date, score "0,00", no
    // position, the focus in the candidate field.
    void NuovaScheda();

    // Shows a card read from the session file as card n (n from 1): its
    // fields, its flag ("Sì" ticks the box, "No" clears it, anything else
    // leaves it) and its position. The search windows load cards this way.
    void MostraScheda(const TSchedaColloquio& scheda, qint64 n);

    // How much the user may type in each field (the record holds as much or more).
    static constexpr int MaxConcorrente = 120;
    static constexpr int MaxResponsabile = 16;
    static constexpr int MaxTelefono = 50;
    static constexpr int MaxEmail = 10;
    static constexpr int MaxGare = 5000;
    static constexpr int MaxPunteggio = 15;
    static constexpr int MaxNote = 500;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdExcelClick();
    void cmdNonPagatiClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCandidatoClick();
    void btnEmailClick();
    void btnCalcolatriceClick();
    void cmdGrigliaClick();
    void cmdCalendarioClick();
    void txtResponsabileTyping(const QString& text);

private:
    void navigate(int command);
    TSchedaColloquio cardFromFields() const;
    bool txtPunteggioKeyDown(QKeyEvent* key);
    bool txtEmailKeyDown(QKeyEvent* key);
    void txtPunteggioExit();
    void openDatePicker();

    std::unique_ptr<Ui::TfrmTorneo> m_ui;
    KeptWindow<TfrmSegnalati> m_suitableList;
};
