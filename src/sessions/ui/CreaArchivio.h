// New session: the user names it and an empty session file is created in the
// program folder.
#pragma once

#include "shared/ui/ScreenWindow.h"

class QLabel;
class QLineEdit;
class PictureButton;

class TfrmCreaArchivio : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmCreaArchivio(QWidget* parent = nullptr);

    QLineEdit* txtFile;
    PictureButton* btnApplica;
    PictureButton* btnAnnulla;
    PictureButton* imgGuida;
    QLabel* lblFile;
    // Where the new session file goes: the folder that really holds the data.
    QLabel* lblHint;

    static QString hintText();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void btnApplicaClick();
    void btnAnnullaClick();
    void imgGuidaClick();
};
