#include "app/ui/Splash.h"

#include "app/core/Product.h"
#include "app/platform/OpenURL.h"
#include "app/ui/DialogFrame.h"
#include "app/ui/PictureButton.h"
#include "app/ui/WebLink.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QLatin1Char(' ') + Product::Name + QStringLiteral(" - ") + Product::Maker);
    DialogFrame::fix(this, 600, 500);
    DialogFrame::gradient(this, Qt::white, QColor::fromRgba(0xFF352525));

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/images/selvora-credits.svg")));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setAccessibleName(QStringLiteral("Riconoscimenti"));

    imgWeb = new WebLink(QStringLiteral("imgWeb"), QString(), this);
    imgWeb->setPixmap(selvoraIcon(QStringLiteral("globe")).pixmap(28, 28));
    imgWeb->setAccessibleName(QStringLiteral("Sito web di ") + Product::Maker);
    imgWeb->setToolTip(Product::WebSite);
    lnkWeb = new WebLink(QStringLiteral("lnkWeb"), Product::WebSite, this);
    // The link stands on the dark end of the background: a white plate keeps
    // its dark blue readable.
    for (QLabel* l : {static_cast<QLabel*>(imgWeb), static_cast<QLabel*>(lnkWeb)}) {
        l->setAutoFillBackground(true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, Qt::white);
        l->setPalette(pal);
    }
    imgWeb->setContentsMargins(6, 2, 2, 2);
    lnkWeb->setContentsMargins(2, 2, 8, 2);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(QFont(QStringLiteral("Verdana"), 10));
    btnChiudi->setMinimumSize(110, 32);
    btnChiudi->setDefault(true);

    auto* link = new QHBoxLayout;
    link->setSpacing(0);
    link->addStretch();
    link->addWidget(imgWeb);
    link->addWidget(lnkWeb);
    link->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnChiudi);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(imgLogo, 1);
    layout->addLayout(link);
    layout->addLayout(buttons);

    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
    for (WebLink* l : {lnkWeb, imgWeb}) {
        connect(l, &WebLink::clicked, this, &TfrmSplash::lnkWebClick);
        connect(l, &WebLink::mouseDown, this, &TfrmSplash::lnkWebMouseDown);
        connect(l, &WebLink::mouseUp, this, &TfrmSplash::lnkWebMouseUp);
    }
    btnChiudi->setFocus();
}

void TfrmSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the launcher that opened it.
    DialogFrame::centreOver(this, parentWidget() ? parentWidget()->window() : nullptr);
}

void TfrmSplash::btnChiudiClick()
{
    close();
}

void TfrmSplash::lnkWebClick()
{
    WebLink::setColour(lnkWeb, WebLink::restColour());
    TMisc::Open(Product::WebSite);
}

void TfrmSplash::lnkWebMouseDown()
{
    WebLink::setColour(lnkWeb, WebLink::pressedColour());
}

void TfrmSplash::lnkWebMouseUp()
{
    WebLink::setColour(lnkWeb, WebLink::restColour());
}
