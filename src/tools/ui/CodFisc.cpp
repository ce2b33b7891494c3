#include "tools/ui/CodFisc.h"

#include "base/core/Clock.h"
#include "base/platform/Messages.h"
#include "shared/ui/FiscalCodeField.h"
#include "tools/core/FiscalCodeCheck.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QLineEdit>
#include <QPushButton>

TfrmCodFisc::TfrmCodFisc(QWidget* parent)
    : CheckWindow({QStringLiteral("frmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
                   QStringLiteral("panCodFisc"), QStringLiteral("#E6E6E6"), QStringLiteral("user"),
                   QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                   QStringLiteral("shpCodFisc"), QStringLiteral("txtCodFisc"), QStringLiteral("Codice fiscale"),
                   MaxCodFisc, QString(17, QLatin1Char('W'))},
                  parent)
    , txtCodFisc(codeField())
{
    connect(txtCodFisc, &QLineEdit::textEdited, this, &TfrmCodFisc::txtCodFiscTyping);
    connect(btnControlla, &QPushButton::clicked, this, &TfrmCodFisc::btnControllaClick);
}

void TfrmCodFisc::txtCodFiscTyping(const QString& text)
{
    FiscalCodeField::typed(txtCodFisc, text);
}

void TfrmCodFisc::btnControllaClick()
{
    const QString codice = FiscalCodeCheckLetter::maiuscoleAZ(txtCodFisc->text());
    if (codice.size() != 16) {
        Messages::warning(
            this, QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        txtCodFisc->setFocus();
        return;
    }
    const FiscalCodeCheck::Verdict verdict = FiscalCodeCheck::verdict(codice, Clock::today());
    if (verdict.valid)
        Messages::information(this, verdict.text);
    else
        Messages::warning(this, verdict.text);
    accept();
}
