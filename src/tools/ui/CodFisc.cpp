#include "tools/ui/CodFisc.h"

#include "app/core/Formats.h"
#include "app/platform/Messages.h"
#include "app/ui/PictureButton.h"
#include "tools/core/ControlloCodiceFiscale.h"
#include "tools/ui/DialogLook.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCodFisc::TfrmCodFisc(QWidget* parent)
    : QDialog(parent)
{
    Formats::apply();
    setObjectName(QStringLiteral("frmCodFisc"));
    setWindowTitle(QStringLiteral(" Controllo codice fiscale"));
    DialogLook::apply(this, DialogLook::SteelBlue, Qt::white);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panCodFisc"));
    panel->setStyleSheet(QStringLiteral("#panCodFisc { background: #E6E6E6; border: 1px solid #A0A0A0; border-radius: 6px; }"));

    imgLogo = new QLabel(panel);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(selvoraIcon(QStringLiteral("user")).pixmap(56, 56));

    lblTitolo = new QLabel(QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."), panel);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(QFont(QStringLiteral("Arial"), 12));
    lblTitolo->setWordWrap(true);

    auto* strip = new QFrame(panel);
    strip->setObjectName(QStringLiteral("shpCodFisc"));
    DialogLook::stripGradient(strip);

    txtCodFisc = new QLineEdit(strip);
    txtCodFisc->setObjectName(QStringLiteral("txtCodFisc"));
    txtCodFisc->setMaxLength(MaxCodFisc);
    QFont mono(QStringLiteral("Courier New"), 20, QFont::Bold);
    mono.setStyleHint(QFont::Monospace);
    txtCodFisc->setFont(mono);
    txtCodFisc->setAccessibleName(QStringLiteral("Codice fiscale"));
    txtCodFisc->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QString(17, QLatin1Char('W'))));
    lblTitolo->setBuddy(txtCodFisc);

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
    stripLayout->addWidget(txtCodFisc, 1);
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

    setTabOrder(txtCodFisc, btnControlla);
    setTabOrder(btnControlla, btnChiudi);
    txtCodFisc->installEventFilter(this);
    connect(txtCodFisc, &QLineEdit::textEdited, this, &TfrmCodFisc::txtCodFiscTyping);
    connect(btnControlla, &QPushButton::clicked, this, &TfrmCodFisc::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmCodFisc::btnChiudiClick);
}

void TfrmCodFisc::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    txtCodFisc->setFocus();
}

bool TfrmCodFisc::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtCodFisc && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter moves on to the check button; it does not check by itself.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnControlla->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmCodFisc::txtCodFiscTyping(const QString& text)
{
    const QString tidy = CodiceFiscale::digitato(text);
    if (tidy == text)
        return;
    int leading = 0;
    while (leading < text.size() && text.at(leading).unicode() <= 32)
        ++leading;
    const int cursor = qBound(0, txtCodFisc->cursorPosition() - leading, int(tidy.size()));
    txtCodFisc->setText(tidy);
    txtCodFisc->setCursorPosition(cursor);
}

void TfrmCodFisc::btnControllaClick()
{
    const QString codice = CodiceFiscale::maiuscoleAZ(txtCodFisc->text());
    if (codice.size() != 16) {
        Messages::warning(this, QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        txtCodFisc->setFocus();
        return;
    }
    if (CodiceFiscale::valido(codice))
        Messages::information(this, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        Messages::warning(this, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    accept();
}

void TfrmCodFisc::btnChiudiClick()
{
    reject();
}
