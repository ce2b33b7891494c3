// Change of the access password: the old password must be typed correctly
// and the new one twice alike; it is then stored scrambled in the password
// file.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmCambiaPassword : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);

    QLabel* imgLogo;
    QFrame* effPasswordOld;
    QFrame* effPasswordNew;
    QFrame* effConferma;
    QLineEdit* txtPasswordOld;
    QLineEdit* txtPasswordNew;
    QLineEdit* txtConferma;
    QPushButton* cmdEsci;
    QPushButton* cmdOK;
    QLabel* lblMemory;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void FormShow();
    void FormClose();
    void cmdOKClick();
    void cmdEsciClick();

    void txtPasswordOldChange();
    void txtPasswordOldKeyUp();
    void txtPasswordOldKeyDown(int key);
    void txtPasswordOldEnter();
    void txtPasswordOldExit();
    void txtPasswordNewChange();
    void txtPasswordNewKeyUp();
    void txtPasswordNewKeyDown(int key);
    void txtPasswordNewEnter();
    void txtPasswordNewExit();
    void txtConfermaChange();
    void txtConfermaKeyUp();
    void txtConfermaKeyDown(int key);
    void txtConfermaEnter();
    void txtConfermaExit();

private:
    void enableOK();
    void changeFailed();
};
