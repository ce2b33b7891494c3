// The committee's scoring grid for the card shown in the interview card
// window: criteria by voting members, means and total, "Importa" into the
// score field, the set-up of criteria, members and scale, and the card's
// minutes (print, preview, PDF).
#pragma once

#include "sessions/core/GridReport.h"
#include "sessions/core/ScoringGrid.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class PictureButton;
class TfrmTorneo;

namespace Ui {
class GridWindow;
}

class GridWindow : public QDialog
{
    Q_OBJECT

public:
    explicit GridWindow(TfrmTorneo* card);
    ~GridWindow() override;

    // Reads the side file and says what is wrong with it; false when the
    // window must not open (the user kept a damaged file, or it cannot be
    // read).
    bool load();

    QTabWidget* tabPagine;
    QLabel* lblScheda;
    QTableWidget* grdPunteggi;
    QLabel* lblTotale;
    QTableWidget* grdCriteri;
    QTableWidget* grdCommissione;
    QPushButton* btnAggiungiCriterio;
    QPushButton* btnEliminaCriterio;
    QPushButton* btnAggiungiComponente;
    QPushButton* btnEliminaComponente;
    QComboBox* cboScala;
    QLineEdit* txtMassimo;
    QPushButton* btnApplica;
    QPushButton* btnImporta;
    QPushButton* btnSalva;
    QPushButton* btnStampa;
    QPushButton* btnAnteprima;
    QPushButton* btnPdf;
    QPushButton* btnChiudi;
    QLabel* lblReadOnly; // the reason, in a read-only run
    PictureButton* imgGuida;

    const ScoringGrid& grid() const { return m_grid; }
    bool isModified() const { return m_modified; }

protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void scoreEdited(int row, int column);
    void btnImportaClick();
    bool btnSalvaClick();
    void btnStampaClick();
    void btnAnteprimaClick();
    void btnPdfClick();
    void btnApplicaClick();
    void addCriterion();
    void removeCriterion();
    void addMember();
    void removeMember();
    void imgGuidaClick();

private:
    // The role box of a member's row, named for a screen reader and reached
    // from the keyboard like a cell.
    void placeRole(int row, GridMember::Role role);
    void nameRoles();
    void showSetup();
    void showScores();
    void showTotal();
    bool save();
    GridReport::Card cardInfo() const;
    bool minutesAllowed();

    std::unique_ptr<Ui::GridWindow> m_ui;
    TfrmTorneo* m_card;
    QString m_session;
    qint64 m_position = 0;
    ScoringGrid m_grid;
    bool m_modified = false;
    bool m_filling = false;
};
