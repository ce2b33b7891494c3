#include "app/ui/CambiaPassword.h"

#include "app/ui/Password.h"
#include "app/ui/Windows.h"
#include "base/core/Crypt.h"
#include "base/core/PasswordFile.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/FieldHighlight.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WriteGuard.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    setWindowIcon(selvoraIcon(QStringLiteral("key-round")));
    PasswordLook::frame(this, QSize(420, 430));

    imgLogo = PasswordLook::logo(this);
    effPasswordOld = FieldHighlight::make(this, QStringLiteral("effPasswordOld"));
    effPasswordNew = FieldHighlight::make(this, QStringLiteral("effPasswordNew"));
    effConferma = FieldHighlight::make(this, QStringLiteral("effConferma"));
    txtPasswordOld = PasswordLook::field(this, QStringLiteral("txtPasswordOld"), QStringLiteral("Vecchia password"));
    txtPasswordNew = PasswordLook::field(this, QStringLiteral("txtPasswordNew"), QStringLiteral("Nuova password"));
    txtConferma = PasswordLook::field(this, QStringLiteral("txtConferma"), QStringLiteral("Conferma nuova password"));

    cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    for (QPushButton* b : {cmdOK, cmdEsci})
        b->setAutoDefault(false);
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 12, 24, 16);
    layout->setSpacing(2);
    layout->addWidget(imgLogo);
    const struct
    {
        const char* caption;
        const char* name;
        QFrame* eff;
        QLineEdit* field;
    } rows[] = {
        {"Vecchia password:", "infPasswordOld", effPasswordOld, txtPasswordOld},
        {"Nuova password:", "infPasswordNew", effPasswordNew, txtPasswordNew},
        {"Conferma nuova password:", "infConferma", effConferma, txtConferma},
    };
    for (const auto& row : rows) {
        auto* caption = new QLabel(QString::fromUtf8(row.caption), this);
        caption->setObjectName(QString::fromLatin1(row.name));
        caption->setFont(QFont(QStringLiteral("Verdana"), 10));
        caption->setBuddy(row.field);
        layout->addSpacing(6);
        layout->addWidget(caption);
        layout->addWidget(FieldHighlight::stack(this, row.eff, row.field));
        row.field->installEventFilter(this);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdEsci);
    buttons->addWidget(cmdOK);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(txtPasswordOld, txtPasswordNew);
    setTabOrder(txtPasswordNew, txtConferma);
    setTabOrder(txtConferma, cmdEsci);
    setTabOrder(cmdEsci, cmdOK);

    connect(txtPasswordOld, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtPasswordOldChange);
    connect(txtPasswordNew, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtPasswordNewChange);
    connect(txtConferma, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtConfermaChange);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    WriteGuard::mark(cmdOK);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
    DialogFrame::centreWindow(this);
}

void TfrmCambiaPassword::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TfrmCambiaPassword::FormShow()
{
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    activateWindow();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event)
{
    event->accept();
    FormClose();
}

void TfrmCambiaPassword::FormClose()
{
    // Back to an empty login field, whichever way this window closed.
    TfrmPassword* login = Windows::password();
    if (!login)
        return;
    login->txtPassword->clear();
    login->lblMemory->clear();
    login->show();
    login->activateWindow();
    login->txtPassword->setFocus();
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const int key = (type == QEvent::KeyPress) ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (watched == txtPasswordOld) {
        if (type == QEvent::KeyPress)
            txtPasswordOldKeyDown(key);
        else if (type == QEvent::KeyRelease)
            txtPasswordOldKeyUp();
        else if (type == QEvent::FocusIn)
            txtPasswordOldEnter();
        else if (type == QEvent::FocusOut)
            txtPasswordOldExit();
    } else if (watched == txtPasswordNew) {
        if (type == QEvent::KeyPress)
            txtPasswordNewKeyDown(key);
        else if (type == QEvent::KeyRelease)
            txtPasswordNewKeyUp();
        else if (type == QEvent::FocusIn)
            txtPasswordNewEnter();
        else if (type == QEvent::FocusOut)
            txtPasswordNewExit();
    } else if (watched == txtConferma) {
        if (type == QEvent::KeyPress)
            txtConfermaKeyDown(key);
        else if (type == QEvent::KeyRelease)
            txtConfermaKeyUp();
        else if (type == QEvent::FocusIn)
            txtConfermaEnter();
        else if (type == QEvent::FocusOut)
            txtConfermaExit();
    }
    // Enter only moves the focus round the three fields; it never stores.
    if (type == QEvent::KeyPress && isEnter(key) &&
        (watched == txtPasswordOld || watched == txtPasswordNew || watched == txtConferma))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TfrmCambiaPassword::enableOK()
{
    cmdOK->setEnabled(!TextRules::trimmed(txtPasswordOld->text()).isEmpty() &&
                      !TextRules::trimmed(txtPasswordNew->text()).isEmpty() &&
                      !TextRules::trimmed(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::txtPasswordOldChange()
{
    enableOK();
}
void TfrmCambiaPassword::txtPasswordOldKeyUp()
{
    enableOK();
}
void TfrmCambiaPassword::txtPasswordOldKeyDown(int key)
{
    if (isEnter(key))
        txtPasswordNew->setFocus();
}
void TfrmCambiaPassword::txtPasswordOldEnter()
{
    effPasswordOld->setVisible(true);
}
void TfrmCambiaPassword::txtPasswordOldExit()
{
    effPasswordOld->setVisible(false);
}

void TfrmCambiaPassword::txtPasswordNewChange()
{
    enableOK();
}
void TfrmCambiaPassword::txtPasswordNewKeyUp()
{
    enableOK();
}
void TfrmCambiaPassword::txtPasswordNewKeyDown(int key)
{
    if (isEnter(key))
        txtConferma->setFocus();
}
void TfrmCambiaPassword::txtPasswordNewEnter()
{
    effPasswordNew->setVisible(true);
}
void TfrmCambiaPassword::txtPasswordNewExit()
{
    effPasswordNew->setVisible(false);
}

void TfrmCambiaPassword::txtConfermaChange()
{
    enableOK();
}
void TfrmCambiaPassword::txtConfermaKeyUp()
{
    enableOK();
}
void TfrmCambiaPassword::txtConfermaKeyDown(int key)
{
    if (isEnter(key))
        txtPasswordOld->setFocus();
}
void TfrmCambiaPassword::txtConfermaEnter()
{
    effConferma->setVisible(true);
}
void TfrmCambiaPassword::txtConfermaExit()
{
    effConferma->setVisible(false);
}

void TfrmCambiaPassword::changeFailed()
{
    Messages::plain(this,
                    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                   "della password. Si consiglia di reinstallare il software."));
}

void TfrmCambiaPassword::cmdOKClick()
{
    const PasswordFile::Stored stored = PasswordFile::read();
    // A file that is there but cannot be read is not an empty password.
    if (stored.status == PasswordFile::Stored::Unreadable) {
        Messages::plain(this, RecordFile::accessMessage());
        return;
    }
    if (stored.status == PasswordFile::Stored::Damaged) {
        lblMemory->setText(stored.value);
        changeFailed();
        return;
    }
    lblMemory->setText(stored.clear);
    if (!stored.matches(txtPasswordOld->text())) {
        Messages::plain(this, QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    // The confirmation is compared as typed, letter case included.
    if (TextRules::trimmed(txtPasswordNew->text()) != TextRules::trimmed(txtConferma->text())) {
        Messages::plain(this,
                        QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                       "E' necessario reinserire entrambi i valori."));
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    const QString clear = PasswordFile::normalised(txtPasswordNew->text());
    // The stored form keeps one byte per character: a character beyond code
    // 255 would be stored cut, and that password could never log in again.
    if (!Crypt::canKeep(clear)) {
        Messages::plain(this,
                        QStringLiteral("Attenzione: la nuova password contiene caratteri che non possono essere "
                                       "memorizzati. Usare soltanto lettere, cifre e segni di punteggiatura "
                                       "comuni, poi reinserire entrambi i valori."));
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    QString error;
    if (!PasswordFile::writeValue(EncryptToHex(clear), &error)) {
        changeFailed();
        return;
    }
    Messages::plain(this, QStringLiteral("Modifica della password completata con successo."));
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}
