// A public competition ("Concorso"): its tests chosen among the sessions with
// their maximums, pass marks and weights, the rule of the final score, the
// posts and reserves, the preference titles; its merit ranking with the
// winners and the candidates not admitted; the cards to be checked.
#pragma once

#include "competition/core/CompetitionRanking.h"
#include "sessions/core/ScoringGrid.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace Ui {
class CompetitionWindow;
}

class CompetitionWindow : public QDialog
{
    Q_OBJECT

public:
    // The sessions and the competitions are in folder; the candidate archive
    // gives birth dates to candidates without a fiscal code.
    CompetitionWindow(const QString& folder, const QString& archivePath, QWidget* parent = nullptr);
    ~CompetitionWindow() override;

    QComboBox* cboConcorso = nullptr;
    QLineEdit* txtNome = nullptr;
    QTabWidget* tabPagine = nullptr;
    QTableWidget* grdProve = nullptr;
    QPushButton* btnAggiungiProva = nullptr;
    QPushButton* btnEliminaProva = nullptr;
    QComboBox* cboRegola = nullptr;
    QLineEdit* txtPosti = nullptr;
    QTableWidget* grdRiserve = nullptr;
    QPushButton* btnAggiungiRiserva = nullptr;
    QPushButton* btnEliminaRiserva = nullptr;
    QPlainTextEdit* txtTitoli = nullptr;
    QPushButton* btnRipristinaTitoli = nullptr;
    QLabel* lblFonte = nullptr;
    QTableWidget* grdGraduatoria = nullptr;
    QLabel* lblVincitori = nullptr;
    QTableWidget* grdNonAmmessi = nullptr;
    QPushButton* btnTitoli = nullptr;
    QPushButton* btnSu = nullptr;
    QPushButton* btnGiu = nullptr;
    QPushButton* btnEsito = nullptr;
    QPushButton* btnAnteprima = nullptr;
    QPushButton* btnStampa = nullptr;
    QPushButton* btnPdf = nullptr;
    QPushButton* btnEsporta = nullptr;
    QPushButton* btnPubblica = nullptr;
    QPushButton* btnVerificaSigillo = nullptr;
    QLabel* lblSigillo = nullptr;
    QTableWidget* grdVerifica = nullptr;
    QPushButton* btnCollega = nullptr;
    QPushButton* btnSepara = nullptr;
    QPushButton* btnSalva = nullptr;
    QPushButton* btnChiudi = nullptr;

    const Competition& competition() const { return m_competition; }
    const CompetitionResult& result() const { return m_result; }

public slots:
    bool btnSalvaClick();

protected:
    // A set-up typed and not stored is not lost without a question.
    void reject() override;

private slots:
    void cboConcorsoChanged(int index);
    void addTest();
    void removeTest();
    void addReserve();
    void removeReserve();
    void restoreTitles();
    void btnTitoliClick();
    void btnAnteprimaClick();
    void btnEsitoClick();
    void move(int step);
    void btnStampaClick();
    void btnPdfClick();
    void btnEsportaClick();
    void btnPubblicaClick();
    void btnVerificaSigilloClick();
    void btnCollegaClick();
    void btnSeparaClick();

private:
    void listCompetitions(const QString& select);
    void showCompetition(const Competition& competition);
    void placeTestRow(int row, const CompetitionTest& test);
    // The set-up typed in the window over what the file keeps of the
    // candidates; false with the message when a number cannot be read.
    bool fromControls(Competition* competition, QString* message) const;
    // Writes the competition as it is now, then ranks it again.
    bool storeAndRank(const Competition& competition);
    void rank();
    void showRanking();
    void showSeal();
    // False, having said why, when there is nothing to print.
    bool printable();
    // The selected line of the ranking; -1, having said so, when none is.
    int selectedLine();
    // Puts the selection back on the person after the ranking changed.
    void selectPerson(const QString& person);

    std::unique_ptr<Ui::CompetitionWindow> m_ui;
    QString m_folder;
    QString m_archive;
    QStringList m_sessions;
    Competition m_competition;
    QString m_storedAs; // the name its file was read or written under
    CompetitionResult m_result;
    QList<GridMember> m_committee;
    QStringList m_problems;
};
