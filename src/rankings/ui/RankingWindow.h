// What the two ranking windows share: the title, the summary list with its
// count, the find command, the print with its warning, confirmation and two
// closing lines, and the help hook. Each ranking fills the list its own way.
#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class PictureButton;
class Report;
class SummaryList;

class RankingWindow : public QDialog
{
    Q_OBJECT

public:
    ~RankingWindow() override;

    QLabel* titClassifica;
    SummaryList* lstRecords;
    QLabel* infIntervallo;
    QLabel* lblTotConcorrenti;
    QLabel* lblTrova;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    PictureButton* imgGuida;
    std::unique_ptr<Report> frxReport;

protected:
    RankingWindow(QWidget* parent, const QString& caption, const QString& reportName, bool sorted);

    // Builds the list when the window is first shown.
    virtual void FormShow() = 0;
    // The last text searched by this window's find command.
    virtual QString* lastSearched() = 0;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void btnTrovaClick();
    void btnStampaClick();
    void btnEsciClick();
    void imgGuidaClick();

private:
    bool m_shown = false;
};
