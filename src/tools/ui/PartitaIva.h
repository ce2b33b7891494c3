// The VAT number check: tells whether an eleven-digit number has the right
// check digit and, when it has, which VAT office issued it.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmPartitaIva : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);

    static constexpr int MaxPartitaIva = 11;

    QLabel* imgLogo;
    QLabel* lblTitolo;
    QLineEdit* txtPartitaIva;
    QPushButton* btnControlla;
    QPushButton* btnChiudi;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void btnControllaClick();
    void btnChiudiClick();

private:
    bool txtPartitaIvaKeyDown(QKeyEvent* key);
};
