#include "tools/ui/PartitaIva.h"

#include "app/core/Formats.h"
#include "app/platform/Messages.h"
#include "app/ui/PictureButton.h"
#include "tools/core/ControlloCodiceFiscale.h"
#include "tools/core/ControlloPartitaIva.h"
#include "tools/ui/DialogLook.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent)
    : QDialog(parent)
{
    Formats::apply();
    setObjectName(QStringLiteral("frmPartitaIva"));
    setWindowTitle(QStringLiteral(" Controllo partita IVA"));
    DialogLook::apply(this, DialogLook::SteelBlue, Qt::white);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panPartitaIva"));
    panel->setStyleSheet(QStringLiteral("#panPartitaIva { background: white; border: 1px solid #A0A0A0; border-radius: 6px; }"));

    imgLogo = new QLabel(panel);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(selvoraIcon(QStringLiteral("file-text")).pixmap(56, 56));

    lblTitolo = new QLabel(QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."), panel);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(QFont(QStringLiteral("Arial"), 12));
    lblTitolo->setWordWrap(true);

    auto* strip = new QFrame(panel);
    strip->setObjectName(QStringLiteral("shpPartitaIva"));
    DialogLook::stripGradient(strip);

    txtPartitaIva = new QLineEdit(strip);
    txtPartitaIva->setObjectName(QStringLiteral("txtPartitaIva"));
    txtPartitaIva->setMaxLength(MaxPartitaIva);
    QFont mono(QStringLiteral("Courier New"), 20, QFont::Bold);
    mono.setStyleHint(QFont::Monospace);
    txtPartitaIva->setFont(mono);
    txtPartitaIva->setAccessibleName(QStringLiteral("Partita IVA"));
    txtPartitaIva->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QString(12, QLatin1Char('0'))));
    lblTitolo->setBuddy(txtPartitaIva);

    btnControlla = new QPushButton(QStringLiteral("Controlla"), strip);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnControlla->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    btnControlla->setMinimumHeight(36);
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(QFont(QStringLiteral("Verdana"), 10));
    btnChiudi->setMinimumSize(110, 32);

    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(12, 10, 12, 10);
    stripLayout->addWidget(txtPartitaIva, 1);
    stripLayout->addWidget(btnControlla);

    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo, 0, Qt::AlignTop);
    top->addWidget(lblTitolo, 1);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(16, 16, 16, 16);
    inner->setSpacing(12);
    inner->addLayout(top);
    inner->addWidget(strip);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(panel);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtPartitaIva, btnControlla);
    setTabOrder(btnControlla, btnChiudi);
    txtPartitaIva->installEventFilter(this);
    connect(btnControlla, &QPushButton::clicked, this, &TfrmPartitaIva::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmPartitaIva::btnChiudiClick);
}

void TfrmPartitaIva::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    txtPartitaIva->setFocus();
}

bool TfrmPartitaIva::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPartitaIva && event->type() == QEvent::KeyPress)
        return txtPartitaIvaKeyDown(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

bool TfrmPartitaIva::txtPartitaIvaKeyDown(QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        btnControlla->setFocus(Qt::TabFocusReason);
        return true;
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
    const QString numero = CodiceFiscale::maiuscoleAZ(txtPartitaIva->text());
    if (numero.size() != 11) {
        Messages::warning(this, QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        txtPartitaIva->setFocus();
        return;
    }
    if (!PartitaIva::valida(numero)) {
        Messages::warning(this, QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                               "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."));
        accept();
        return;
    }
    const QString codice = numero.mid(7, 3);
    const QString ufficio = PartitaIva::ufficio(codice);
    if (ufficio.isEmpty()) {
        // A number with the right check digit but an office code that no
        // office has: say so instead of naming no office at all.
        Messages::information(this, QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                                   "Il codice %1 dell'Ufficio IVA che lo ha rilasciato non corrisponde però a nessun ufficio conosciuto.")
                                        .arg(codice));
    } else {
        Messages::information(this, QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                                   "E' stato rilasciato dall'Ufficio IVA del Comune di ")
                                        + ufficio + QLatin1Char('.'));
    }
    accept();
}

void TfrmPartitaIva::btnChiudiClick()
{
    reject();
}
