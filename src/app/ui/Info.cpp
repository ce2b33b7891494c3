#include "app/ui/Info.h"

#include "base/core/Product.h"
#include "base/core/ProgramFolder.h"
#include "base/platform/OpenURL.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WebLink.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmInfo::TfrmInfo(QWidget* parent)
    : LinkDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Selvora"));
    DialogFrame::fix(this, 520, 460);
    DialogFrame::gradient(this, QColor(0x46, 0x82, 0xB4), Qt::white); // steel blue

    panLogo = makeFramedLogo(QStringLiteral("1px solid #4682B4"), QStringLiteral("selvora-info"),
                             QStringLiteral("Selvora, versione e autore"));

    imgEmail = new WebLink(QStringLiteral("imgEmail"), QString(), this);
    imgEmail->setPixmap(selvoraIcon(QStringLiteral("mail")).pixmap(28, 28));
    imgEmail->setAccessibleName(QStringLiteral("Scrivi a ") + Product::ContactEmail);
    imgEmail->setToolTip(QStringLiteral("Scrivi a ") + Product::ContactEmail);
    makeLink(imgEmail, Product::ContactEmail);

    lblCartella = new QLabel(dataFolderText(), this);
    lblCartella->setObjectName(QStringLiteral("lblCartella"));
    lblCartella->setFont(QFont(QStringLiteral("Tahoma"), 10));
    lblCartella->setAlignment(Qt::AlignCenter);
    lblCartella->setWordWrap(true);
    lblCartella->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblCartella->setAccessibleName(lblCartella->text());

    makeCloseButton(12, 34);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(panLogo, 1);
    layout->addLayout(centredRow({imgEmail, lnkWeb}));
    layout->addWidget(lblCartella);
    layout->addLayout(centredRow({btnChiudi}));

    btnChiudi->setFocus();
}

QString TfrmInfo::dataFolderText()
{
    const QString folder = QDir::toNativeSeparators(ProgramFolder::path());
    QString text = ProgramFolder::mode() == ProgramFolder::Mode::Installed
        ? QStringLiteral("Copia installata: i dati sono nella cartella dell'utente\n%1").arg(folder)
        : QStringLiteral("Copia portatile: i dati sono nella cartella del programma\n%1").arg(folder);
    if (!ProgramFolder::isWritable())
        text += QStringLiteral("\n(in sola lettura)");
    return text;
}

QString TfrmInfo::mailLink()
{
    // Subject and body go as they are, blanks and punctuation included: the
    // mail program reads them without percent-encoding.
    return QStringLiteral("mailto:") + Product::ContactEmail + QStringLiteral("?subject=") +
        QStringLiteral("Software Selvora") + QStringLiteral("&body=") +
        QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
}

void TfrmInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    DialogFrame::centreOnScreen(this);
}

void TfrmInfo::openLink()
{
    TMisc::Open(QLatin1Char('"') + mailLink() + QLatin1Char('"'));
}
