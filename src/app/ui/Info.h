// The information window: the program's logo, the folder that holds the data
// and the maker's e-mail link.
#pragma once

#include "shared/ui/LinkDialog.h"

class QLabel;

class TfrmInfo : public LinkDialog
{
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget* parent = nullptr);

    QFrame* panLogo;
    WebLink* imgEmail;
    QLabel* lblCartella;

    // Which copy this is and the folder that holds its data.
    static QString dataFolderText();

    // The e-mail link handed to the mail program, without the quotes.
    static QString mailLink();

protected:
    void showEvent(QShowEvent* event) override;
    void openLink() override;
};
