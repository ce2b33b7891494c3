// The launcher: the four entries of the program (candidate archive, new
// session, existing sessions, rankings) and the small pictures around them.
// Closing it ends the program.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class PictureButton;

class TfrmAvvio : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmAvvio(QWidget* parent = nullptr);

    QLabel* imgApp01;
    QLabel* imgApp02;
    QLabel* imgApp03;
    QLabel* imgApp04;
    PictureButton* btnApp01;
    PictureButton* btnApp02;
    PictureButton* btnApp03;
    PictureButton* btnApp04;
    PictureButton* imgInfo;
    PictureButton* imgGuida;
    PictureButton* imgCopyright;
    PictureButton* icoSito;
    PictureButton* imgEsci;
    // The data commands: backup, restore and the backup reminder.
    QPushButton* btnBackup;
    QPushButton* btnRipristina;
    QPushButton* btnPromemoria;

    // The entries, as a click on the picture or its caption runs them.
    void openEntry(int entry);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void imgInfoClick();
    void imgGuidaClick();
    void imgCopyrightClick();
    void icoSitoClick();
    void imgEsciClick();
};
