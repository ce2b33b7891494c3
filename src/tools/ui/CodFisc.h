// The fiscal code check: tells whether a code of sixteen characters ends with
// the check letter of its first fifteen. It changes nothing in the caller.
#pragma once

#include "tools/ui/CheckWindow.h"

class TfrmCodFisc : public CheckWindow
{
    Q_OBJECT

public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);

    static constexpr int MaxCodFisc = 16;

    QLineEdit* txtCodFisc;

private slots:
    void txtCodFiscTyping(const QString& text);
    void btnControllaClick();
};
