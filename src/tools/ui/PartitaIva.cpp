#include "tools/ui/PartitaIva.h"

#include "base/platform/Messages.h"
#include "tools/core/FiscalCodeCheckLetter.h"
#include "tools/core/VatNumberCheck.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent)
    : CheckWindow({QStringLiteral("frmPartitaIva"), QStringLiteral(" Controllo partita IVA"),
                   QStringLiteral("panPartitaIva"), QStringLiteral("white"), QStringLiteral("file-text"),
                   QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                   QStringLiteral("shpPartitaIva"), QStringLiteral("txtPartitaIva"), QStringLiteral("Partita IVA"),
                   MaxPartitaIva, QString(12, QLatin1Char('0'))},
                  parent)
    , txtPartitaIva(codeField())
{
    connect(btnControlla, &QPushButton::clicked, this, &TfrmPartitaIva::btnControllaClick);
}

bool TfrmPartitaIva::txtPartitaIvaKeyDown(QKeyEvent* key)
{
    // Enter is taken by the window before it gets here.
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    const bool comando = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!comando && text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'))
        return false;
    return true; // letters, blanks, punctuation, Home, End: nothing
}

void TfrmPartitaIva::btnControllaClick()
{
    const QString numero = FiscalCodeCheckLetter::maiuscoleAZ(txtPartitaIva->text());
    if (numero.size() != 11) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        txtPartitaIva->setFocus();
        return;
    }
    if (!VatNumberCheck::valida(numero)) {
        Messages::warning(
            this,
            QStringLiteral(
                "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."));
        accept();
        return;
    }
    const QString codice = numero.mid(7, 3);
    const QString ufficio = VatNumberCheck::ufficio(codice);
    if (ufficio.isEmpty()) {
        // A number with the right check digit but an office code that no
        // office has: say so instead of naming no office at all.
        Messages::information(
            this,
            QStringLiteral(
                "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                "Il codice %1 dell'Ufficio IVA che lo ha rilasciato non corrisponde però a nessun ufficio conosciuto.")
                .arg(codice));
    } else {
        Messages::information(this,
                              QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                             "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
                                  ufficio + QLatin1Char('.'));
    }
    accept();
}
