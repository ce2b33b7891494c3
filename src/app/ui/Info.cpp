#include "app/ui/Info.h"

#include "app/core/Product.h"
#include "app/platform/OpenURL.h"
#include "app/ui/DialogFrame.h"
#include "app/ui/PictureButton.h"
#include "app/ui/WebLink.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmInfo::TfrmInfo(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Selvora"));
    DialogFrame::fix(this, 520, 400);
    DialogFrame::gradient(this, QColor(0x46, 0x82, 0xB4), Qt::white); // steel blue

    panLogo = new QFrame(this);
    panLogo->setObjectName(QStringLiteral("panLogo"));
    panLogo->setStyleSheet(QStringLiteral("#panLogo { background: white; border: 1px solid #4682B4; }"));
    imgLogo = new QLabel(panLogo);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/images/selvora-info.svg")));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setAccessibleName(QStringLiteral("Selvora, versione e autore"));
    auto* logoLayout = new QHBoxLayout(panLogo);
    logoLayout->setContentsMargins(4, 4, 4, 4);
    logoLayout->addWidget(imgLogo);

    imgEmail = new WebLink(QStringLiteral("imgEmail"), QString(), this);
    imgEmail->setPixmap(selvoraIcon(QStringLiteral("mail")).pixmap(28, 28));
    imgEmail->setAccessibleName(QStringLiteral("Scrivi a ") + Product::ContactEmail);
    imgEmail->setToolTip(QStringLiteral("Scrivi a ") + Product::ContactEmail);
    lnkWeb = new WebLink(QStringLiteral("lnkWeb"), Product::ContactEmail, this);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(QFont(QStringLiteral("Verdana"), 12));
    btnChiudi->setMinimumSize(110, 34);
    btnChiudi->setDefault(true);

    auto* link = new QHBoxLayout;
    link->addStretch();
    link->addWidget(imgEmail);
    link->addWidget(lnkWeb);
    link->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnChiudi);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(panLogo, 1);
    layout->addLayout(link);
    layout->addLayout(buttons);

    connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
    for (WebLink* l : {lnkWeb, imgEmail}) {
        connect(l, &WebLink::clicked, this, &TfrmInfo::lnkWebClick);
        connect(l, &WebLink::mouseDown, this, &TfrmInfo::lnkWebMouseDown);
        connect(l, &WebLink::mouseUp, this, &TfrmInfo::lnkWebMouseUp);
    }
    btnChiudi->setFocus();
}

QString TfrmInfo::mailLink()
{
    // Subject and body go as they are, blanks and punctuation included: the
    // mail program reads them without percent-encoding.
    return QStringLiteral("mailto:") + Product::ContactEmail
        + QStringLiteral("?subject=") + QStringLiteral("Software Selvora")
        + QStringLiteral("&body=")
        + QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
}

void TfrmInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    DialogFrame::centreOnScreen(this);
}

void TfrmInfo::btnChiudiClick()
{
    close();
}

void TfrmInfo::lnkWebClick()
{
    WebLink::setColour(lnkWeb, WebLink::restColour());
    TMisc::Open(QLatin1Char('"') + mailLink() + QLatin1Char('"'));
}

void TfrmInfo::lnkWebMouseDown()
{
    WebLink::setColour(lnkWeb, WebLink::pressedColour());
}

void TfrmInfo::lnkWebMouseUp()
{
    WebLink::setColour(lnkWeb, WebLink::restColour());
}
