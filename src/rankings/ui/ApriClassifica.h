// The ranking chooser: lists the sessions and opens the alphabetical or the
// merit ranking of the selected one, as dialogs above it.
#pragma once

#include "shared/ui/KeptWindow.h"
#include "shared/ui/ScreenWindow.h"

class QLabel;
class QListWidget;
class PictureButton;
class TfrmClassifica;
class TfrmExpClassifica;

class TfrmApriClassifica : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmApriClassifica(QWidget* parent = nullptr);

    QListWidget* lstFiles;
    QLabel* lblCreati;
    QLabel* lblIstruzioni;
    PictureButton* btnApri;
    PictureButton* btnExcel;
    PictureButton* btnFinal; // the official ranking
    PictureButton* btnConcorso; // the competitions made of several sessions
    PictureButton* btnAnnulla;
    PictureButton* imgGuida;
    QLabel* lblFile;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnApriClick();
    void btnExcelClick();
    void btnFinalClick();
    void btnConcorsoClick();
    void btnAnnullaClick();
    void imgGuidaClick();

private:
    void listSessions();
    // The selected session's file name, after the two checks; empty when a
    // warning was shown.
    QString chosenSession();

    KeptWindow<TfrmClassifica> m_alphaRanking;
    KeptWindow<TfrmExpClassifica> m_meritRanking;
};
