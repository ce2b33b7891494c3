// The interview card window of an open session: one card at a time, browsed
// in file order, started anew, and stored by appending it or by writing over
// the card shown. The score rules live here.
#pragma once

#include "shared/ui/KeptWindow.h"
#include "shared/ui/ScreenWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class InfoBar;
class PictureButton;
class TfrmSegnalati;
struct TSchedaColloquio;

class TfrmTorneo : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmTorneo(QWidget* parent = nullptr);

    // Hidden: the full path of the session file, set by the session list.
    QLabel* lblFile;
    // The session name in the title strip.
    QLabel* lblNome;
    // The 1-based position of the card shown; empty for a new card.
    QLabel* lblPosizione;

    // Fields, named as the record they fill (the names come from an older
    // use of the window: competitor, person in charge, telephone, e-mail,
    // matches).
    QLineEdit* txtConcorrente; // Candidato
    QLineEdit* txtResponsabile; // CodiceFiscale
    QLineEdit* txtTelefono; // Provenienza
    QLineEdit* txtEmail; // DataColloquio, typed or filled by the date picker
    QPlainTextEdit* txtGare; // Dettagli
    QLineEdit* txtPunteggio; // Punteggio
    QLineEdit* txtNote; // Note
    QCheckBox* chkCompletato; // Idoneo

    // Captions.
    QLabel* infConcorrente;
    QLabel* infResponsabile;
    QLabel* infTelefono;
    QLabel* infEmail;
    QLabel* infGare;
    QLabel* infPunteggio;
    QLabel* infNote;

    // Command bar.
    PictureButton* cmdNuovo;
    PictureButton* cmdSalva;
    PictureButton* cmdTrova;
    PictureButton* cmdAnteprima;
    PictureButton* cmdStampa;
    PictureButton* cmdPrimo;
    PictureButton* cmdIndietro;
    PictureButton* cmdAvanti;
    PictureButton* cmdUltimo;
    PictureButton* cmdExcel;
    PictureButton* cmdNonPagati;
    PictureButton* cmdGriglia; // the committee's scoring grid
    PictureButton* cmdGuida;
    PictureButton* cmdEsci;
    // Small pictures beside the fields.
    PictureButton* btnCandidato;
    PictureButton* btnEmail;
    PictureButton* btnCalcolatrice;
    PictureButton* btnData; // the date picker, beside the interview date
    PictureButton* btnGriglia; // the scoring grid, beside the calculator

    InfoBar* shpInfo;
    QLabel* panInfo;
    // Shown while the session's published ranking no longer matches it.
    QLabel* lblSigillo;

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
    void txtResponsabileTyping(const QString& text);

private:
    void navigate(int command);
    TSchedaColloquio cardFromFields() const;
    bool txtPunteggioKeyDown(QKeyEvent* key);
    bool txtEmailKeyDown(QKeyEvent* key);
    void txtPunteggioExit();
    void openDatePicker();

    KeptWindow<TfrmSegnalati> m_suitableList;
};
