// The fiscal code check: tells whether a code of sixteen characters ends with
// the check letter of its first fifteen. It changes nothing in the caller.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmCodFisc : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);

    static constexpr int MaxCodFisc = 16;

    QLabel* imgLogo;
    QLabel* lblTitolo;
    QLineEdit* txtCodFisc;
    QPushButton* btnControlla;
    QPushButton* btnChiudi;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void txtCodFiscTyping(const QString& text);
    void btnControllaClick();
    void btnChiudiClick();
};
