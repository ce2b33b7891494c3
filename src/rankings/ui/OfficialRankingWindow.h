// The official ranking of a session ("Graduatoria finale"): its table with
// positions, ex aequo and tie-break notes, the session's ranking choices, the
// manual order of tied candidates, the print, the publication copy in PDF
// and the check of the publication's seal.
#pragma once

#include "rankings/core/OfficialRanking.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class PictureButton;

namespace Ui {
class OfficialRankingWindow;
}

class OfficialRankingWindow : public QDialog
{
    Q_OBJECT

public:
    OfficialRankingWindow(const QString& sessionPath, const QString& sessionName, QWidget* parent = nullptr);
    ~OfficialRankingWindow() override;

    QLabel* titClassifica = nullptr;
    QCheckBox* chkPiuGiovane = nullptr;
    QCheckBox* chkOrdineManuale = nullptr;
    QComboBox* cboNonIdonei = nullptr;
    QComboBox* cboPubblicata = nullptr;
    QTableWidget* grdGraduatoria = nullptr;
    QPushButton* btnSu = nullptr;
    QPushButton* btnGiu = nullptr;
    QLabel* lblTotConcorrenti = nullptr;
    QLabel* lblSigillo = nullptr;
    QPushButton* btnVerificaSigillo = nullptr;
    QPushButton* btnStampa = nullptr;
    QPushButton* btnAnteprima = nullptr;
    QPushButton* btnPubblica = nullptr;
    QPushButton* btnEsci = nullptr;
    QLabel* lblReadOnly = nullptr; // the reason, in a read-only run
    PictureButton* imgGuida = nullptr;

    const OfficialResult& result() const { return m_result; }
    const ScoringGrid& choices() const { return m_grid; }

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void choicesChanged();
    void moveUp();
    void moveDown();
    void btnVerificaSigilloClick();
    void btnStampaClick();
    void btnAnteprimaClick();
    void btnPubblicaClick();
    void imgGuidaClick();

private:
    void readFiles();
    void rebuild();
    void showSeal();
    void move(int step);
    bool saveChoices();
    qint64 selectedCard() const;
    OfficialRanking::Heading heading() const;

    // The layout, drawn in OfficialRankingWindow.ui.
    const std::unique_ptr<Ui::OfficialRankingWindow> m_ui;
    QString m_session;
    QString m_name;
    ScoringGrid m_grid;
    bool m_gridUsable = true; // false for a damaged side file: never written
    QList<OfficialCandidate> m_cards;
    OfficialResult m_result;
    bool m_shown = false;
    bool m_filling = false;
};
