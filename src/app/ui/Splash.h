// The credits window: the credits picture and the maker's web address.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class WebLink;

class TfrmSplash : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    QLabel* imgLogo;
    WebLink* imgWeb;
    WebLink* lnkWeb;
    QPushButton* btnChiudi;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnChiudiClick();
    void lnkWebClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
};
