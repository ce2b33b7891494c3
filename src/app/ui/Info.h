// The information window: the program's logo and the maker's e-mail link.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class WebLink;

class TfrmInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget* parent = nullptr);

    QFrame* panLogo;
    QLabel* imgLogo;
    WebLink* imgEmail;
    WebLink* lnkWeb;
    QPushButton* btnChiudi;

    // The e-mail link handed to the mail program, without the quotes.
    static QString mailLink();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnChiudiClick();
    void lnkWebClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
};
