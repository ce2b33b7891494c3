// The VAT number check: tells whether an eleven-digit number has the right
// check digit and, when it has, which VAT office issued it.
#pragma once

#include "tools/ui/CheckWindow.h"

class TfrmPartitaIva : public CheckWindow
{
    Q_OBJECT

public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);

    static constexpr int MaxPartitaIva = 11;

    QLineEdit* txtPartitaIva;

protected:
    bool codeFieldKeyDown(QKeyEvent* key) override { return txtPartitaIvaKeyDown(key); }

private slots:
    void btnControllaClick();

private:
    bool txtPartitaIvaKeyDown(QKeyEvent* key);
};
