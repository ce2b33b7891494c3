// The help window: one topic's title and text, with the link to the manual.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class WebLink;

class TfrmGuida : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmGuida(QWidget* parent = nullptr);

    QFrame* panLogo;
    QLabel* imgLogo;
    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    WebLink* imgPDF;
    WebLink* lnkWeb;
    QPushButton* btnChiudi;

    // "Guida.pdf" in the program folder.
    static QString manualPath();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnChiudiClick();
    void lnkWebClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
};
