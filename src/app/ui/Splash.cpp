#include "app/ui/Splash.h"

#include "base/core/Product.h"
#include "base/platform/OpenURL.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WebLink.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget* parent)
    : LinkDialog(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QLatin1Char(' ') + Product::Name + QStringLiteral(" - ") + Product::Maker);
    DialogFrame::fix(this, 600, 500);
    DialogFrame::gradient(this, Qt::white, QColor::fromRgba(0xFF352525));

    makeLogo(this, QStringLiteral("selvora-credits"), QStringLiteral("Riconoscimenti"));

    imgWeb = new WebLink(QStringLiteral("imgWeb"), QString(), this);
    imgWeb->setPixmap(selvoraIcon(QStringLiteral("globe")).pixmap(28, 28));
    imgWeb->setAccessibleName(QStringLiteral("Sito web di ") + Product::Maker);
    imgWeb->setToolTip(Product::WebSite);
    makeLink(imgWeb, Product::WebSite);
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

    makeCloseButton(10, 32);

    QHBoxLayout* link = centredRow({imgWeb, lnkWeb});
    link->setSpacing(0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(imgLogo, 1);
    layout->addLayout(link);
    layout->addLayout(centredRow({btnChiudi}));

    btnChiudi->setFocus();
}

void TfrmSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the launcher that opened it.
    DialogFrame::centreOver(this, parentWidget() ? parentWidget()->window() : nullptr);
}

void TfrmSplash::openLink()
{
    TMisc::Open(Product::WebSite);
}
