// The help window: one topic's title and text, with the link to the manual.
#pragma once

#include "shared/ui/LinkDialog.h"

class QPlainTextEdit;

class TfrmGuida : public LinkDialog
{
    Q_OBJECT

public:
    explicit TfrmGuida(QWidget* parent = nullptr);

    QFrame* panLogo;
    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    WebLink* imgPDF;

    // "Guida.pdf" beside the executable or where the package puts it.
    static QString manualPath();

protected:
    void showEvent(QShowEvent* event) override;
    void openLink() override;
};
