#include "app/ui/Password.h"

#include "app/ui/Avvio.h"
#include "app/ui/CambiaPassword.h"
#include "app/ui/Windows.h"
#include "base/core/PasswordFile.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/FieldHighlight.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WriteGuard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace PasswordLook {

void frame(QWidget* window, const QSize& size)
{
    DialogFrame::titleOnly(window, Qt::Window);
    window->setFixedSize(size);
    window->setAutoFillBackground(true);
    QPalette pal = window->palette();
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(0x46, 0x82, 0xB4)); // steel blue
    gradient.setColorAt(1, Qt::white);
    pal.setBrush(QPalette::Window, gradient);
    window->setPalette(pal);
}

QLineEdit* field(QWidget* parent, const QString& objectName, const QString& accessibleName)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setEchoMode(QLineEdit::Password);
    edit->setFont(QFont(QStringLiteral("Verdana"), 14, QFont::Bold));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QLabel* logo(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("imgLogo"));
    label->setPixmap(selvoraIcon(QStringLiteral("key-round")).pixmap(56, 56));
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(QStringLiteral("Selvora"));
    return label;
}

} // namespace PasswordLook

TfrmPassword::TfrmPassword(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Selvora - Accesso"));
    setWindowIcon(selvoraIcon(QStringLiteral("key-round")));
    PasswordLook::frame(this, QSize(420, 300));

    imgLogo = PasswordLook::logo(this);
    lblIstruzioni = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setFont(QFont(QStringLiteral("Verdana"), 10));
    lblIstruzioni->setAlignment(Qt::AlignCenter);

    effPassword = FieldHighlight::make(this, QStringLiteral("effPassword"));
    txtPassword = PasswordLook::field(this, QStringLiteral("txtPassword"), QStringLiteral("Password"));
    lblIstruzioni->setBuddy(txtPassword);
    QWidget* fieldStack = FieldHighlight::stack(this, effPassword, txtPassword);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    for (QPushButton* b : {cmdOK, cmdEsci, btnCambiaPassword})
        b->setAutoDefault(false);
    WriteGuard::mark(btnCambiaPassword);
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->setVisible(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(imgLogo);
    layout->addWidget(lblIstruzioni);
    layout->addWidget(fieldStack);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdEsci);
    setTabOrder(cmdEsci, btnCambiaPassword);

    txtPassword->installEventFilter(this);
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    DialogFrame::centreWindow(this);
}

void TfrmPassword::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TfrmPassword::FormShow()
{
    activateWindow();
    txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* event)
{
    // Closing the login window ends the program.
    event->accept();
    QApplication::quit();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword) {
        switch (event->type()) {
        case QEvent::KeyPress:
            txtPasswordKeyDown(static_cast<QKeyEvent*>(event)->key());
            break;
        case QEvent::KeyRelease:
            txtPasswordKeyUp();
            break;
        case QEvent::FocusIn:
            txtPasswordEnter();
            break;
        case QEvent::FocusOut:
            txtPasswordExit();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmPassword::enableOK()
{
    cmdOK->setEnabled(!TextRules::trimmed(txtPassword->text()).isEmpty());
}

void TfrmPassword::txtPasswordChange()
{
    enableOK();
}

void TfrmPassword::txtPasswordKeyUp()
{
    enableOK();
}

void TfrmPassword::txtPasswordKeyDown(int key)
{
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !TextRules::trimmed(txtPassword->text()).isEmpty())
        cmdOKClick();
}

void TfrmPassword::txtPasswordEnter()
{
    effPassword->setVisible(true);
}

void TfrmPassword::txtPasswordExit()
{
    effPassword->setVisible(false);
}

void TfrmPassword::cmdOKClick()
{
    const PasswordFile::Stored stored = PasswordFile::read();
    // A file that is there but cannot be read is not an empty password.
    if (stored.status == PasswordFile::Stored::Unreadable) {
        Messages::plain(this, RecordFile::accessMessage());
        return;
    }
    if (stored.status == PasswordFile::Stored::Damaged) {
        lblMemory->setText(stored.value);
        Messages::plain(this,
                        QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                                       "della password. Si consiglia di reinstallare il software."));
        return;
    }
    lblMemory->setText(stored.clear);
    if (stored.matches(txtPassword->text())) {
        Windows::avvio()->show();
        hide();
        return;
    }
    Messages::plain(this, QStringLiteral("Attenzione: password errata."));
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    Windows::cambiaPassword()->show();
    hide();
}
