// The three attached files of a candidate card: each copied into the shared
// attachment folder, opened from there, described; applied to the card
// window's hidden attachment labels on "Applica e chiudi".
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT

public:
    // parent is the card window whose labels lblFile01..03 and lblDesc01..03
    // the window reads at opening and writes on apply.
    explicit TfrmAllegaCartella(QWidget* parent = nullptr);

    QLineEdit* txtFile01;
    QLineEdit* txtFile02;
    QLineEdit* txtFile03;
    QToolButton* imgCancella01;
    QToolButton* imgCancella02;
    QToolButton* imgCancella03;
    QPushButton* btnSfoglia01;
    QPushButton* btnSfoglia02;
    QPushButton* btnSfoglia03;
    QPushButton* btnApri01;
    QPushButton* btnApri02;
    QPushButton* btnApri03;
    QLineEdit* txtDesc01;
    QLineEdit* txtDesc02;
    QLineEdit* txtDesc03;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;
    QLabel* lblMemory;

    // The tag the candidate card window gives.
    static QString cardTag() { return QStringLiteral("candidati"); }

    // What the card window does before showing the window: its tag, and the
    // trimmed texts of its six attachment labels in the six fields.
    void readCard();

private slots:
    void btnSfoglia01Click();
    void btnSfoglia02Click();
    void btnSfoglia03Click();
    void btnApri01Click();
    void btnApri02Click();
    void btnApri03Click();
    void imgCancella01Click();
    void imgCancella02Click();
    void imgCancella03Click();
    void txtFile01Change();
    void txtFile02Change();
    void txtFile03Change();
    void btnApplicaClick();
    void btnAnnullaClick();

private:
    void sfoglia(int slot);
    void apri(int slot);
    void cancella(int slot);
    void fileChange(int slot);
    QLabel* labelNamed(const QString& name) const;
    qint64 cardPosition() const;

    QLineEdit* m_file[3];
    QLineEdit* m_desc[3];
    QPushButton* m_apri[3];
};
