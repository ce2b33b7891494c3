// The session list: opens a session in the interview card window or deletes
// it.
#pragma once

#include "shared/ui/ScreenWindow.h"

class QLabel;
class QListWidget;
class PictureButton;

class TfrmApriArchivio : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmApriArchivio(QWidget* parent = nullptr);

    QListWidget* lstFiles;
    QLabel* lblCreati;
    PictureButton* btnApri;
    PictureButton* btnElimina;
    PictureButton* btnConcorso; // the competitions made of several sessions
    PictureButton* btnAnnulla;
    PictureButton* imgGuida;
    QLabel* lblMemory;
    QLabel* lblFile;

protected:
    void showEvent(QShowEvent* event) override;
    void afterClose() override;

private slots:
    void btnApriClick();
    void btnEliminaClick();
    void btnConcorsoClick();
    void btnAnnullaClick();
    void imgGuidaClick();

private:
    void listSessions();
};
