// The candidate search: up to ten filters over the candidate archive, the
// sorted summary of the cards found with its find and print commands, and
// the hand-over of the card double-clicked to the window that opened the
// search ("candidati": the candidate card window; "torneo": name and fiscal
// code into the interview card).
//
// The look and the commands that the four list windows share (this search,
// the session search, the suitable list and the recontact summary) are here
// too: TListWindow is a window with a summary list, TSearchWindow adds the
// filter panel in front of it.
#pragma once

#include <QColor>
#include <QDialog>
#include <QList>

#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Report;
class TSummaryList;
class TfrmCandidati;
class TfrmTorneo;
struct TSchedaCandidato;

class TListWindow : public QDialog
{
    Q_OBJECT

public:
    ~TListWindow() override;

    // What tells the list windows apart.
    struct Aspetto
    {
        QString caption;
        QString reportName;
        QColor sfondo; // top of the background gradient
        QString rigo03; // the double-click hint under the list
        QString istruzioni; // objectName of the instruction picture
        bool ordineRicerca; // the searches' tab order rather than the lists'
    };

    // The result panel.
    QFrame* panContainer;
    QLabel* imgLogo;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    TSummaryList* lstRecords;
    QLabel* lblRigo03;
    QPushButton* btnChiudi;
    QPushButton* btnStampa;
    std::unique_ptr<Report> frxReport;

protected:
    TListWindow(QWidget* parent, const Aspetto& aspetto);

    // The instruction picture of the result panel.
    QLabel* istruzioni() const { return m_istruzioni; }
    // The row under the list, where the searches put their count.
    QWidget* rigaComandi() const { return m_rigaComandi; }

    // The title of the summary print.
    virtual QString titoloStampa() const = 0;
    // Hands the card of that line to the window below; the window is closed
    // afterwards in every case.
    virtual void consegna(int row) = 0;
    // Runs once, when the window is first shown.
    virtual void FormShow() = 0;

    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The last text searched by the find command.
    QString m_lastSearched;

private slots:
    void btnTrovaClick();
    void btnStampaClick();
    void btnChiudiClick();
    void lstRecordsDblClick(int row);

private:
    QLabel* m_istruzioni;
    QWidget* m_rigaComandi;
    bool m_shown = false;
};

class TSearchWindow : public TListWindow
{
    Q_OBJECT

public:
    // The filter panel.
    QFrame* panAvvio;
    QLabel* imgSpiega;
    QPushButton* btnAnnulla;
    QPushButton* btnCerca;
    QLabel* lblAttendere;
    // Never shown: the number of active filters of the last search, and the
    // mode word the caller writes.
    QLabel* lblConta;
    QLabel* lblMemory;
    // The count line of the result panel.
    QLabel* lblTrovate;

    // One filter field: its name, its caption, its focus rectangle.
    struct CampoFiltro
    {
        QString nome; // objectName of the field
        QString etichetta;
        QString rettangolo; // objectName of its focus rectangle
    };

    // The filter fields in tab and Enter order.
    QList<QLineEdit*> filtri() const { return m_filtri; }

protected:
    // campi in the table's order; the first `sinistra` go in the left column.
    TSearchWindow(QWidget* parent, const Aspetto& aspetto, const QList<CampoFiltro>& campi, int sinistra);

    QLineEdit* campo(int i) const { return m_filtri.at(i); }
    QFrame* rettangolo(int i) const { return m_rettangoli.at(i); }
    // The picture at the left of the fields, or above them.
    QWidget* angolo() const { return m_angolo; }
    void setAngolo(QLabel* picture);

    // The search itself: lines and their cards' positions; false when the
    // file cannot be used.
    virtual bool cerca(QStringList* righe, QList<qint64>* posizioni) = 0;
    virtual QString contaTesto(int n) const = 0;

    void FormShow() override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void btnCercaClick();
    void btnAnnullaClick();

private:
    void btnCercaMouseDown();

    QList<QLineEdit*> m_filtri;
    QList<QFrame*> m_rettangoli;
    QWidget* m_angolo;
};

class TfrmTrovaCandidati : public TSearchWindow
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
    static QString modoCandidati();
    static QString modoTorneo();

protected:
    QString titoloStampa() const override;
    void consegna(int row) override;
    bool cerca(QStringList* righe, QList<qint64>* posizioni) override;
    QString contaTesto(int n) const override;

private:
    void btnDoppioniClick();
};

// The hand-over of a candidate card, shared with the recontact summary.
namespace ConsegnaCandidato {

// The candidate card window to write into: the window that opened the
// dialog, or the program's one when the dialog has another owner.
TfrmCandidati* finestraCandidati(QWidget* owner);
TfrmTorneo* finestraTorneo(QWidget* owner);

// The card shown as a stored card: every field trimmed, "Da ricontattare"
// ticked for "Sì", cleared for "No" and left as it was for anything else,
// the attachments, the position and the photo.
void mostra(TfrmCandidati* finestra, qint64 posizione, const TSchedaCandidato& scheda);

} // namespace ConsegnaCandidato
