#include "shared/ui/LinkDialog.h"

#include "shared/ui/PictureButton.h"
#include "shared/ui/WebLink.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

LinkDialog::LinkDialog(QWidget* parent)
    : QDialog(parent)
{
}

void LinkDialog::makeLogo(QWidget* parent, const QString& picture, const QString& accessibleName)
{
    imgLogo = new QLabel(parent);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(selvoraPicture(picture));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setAccessibleName(accessibleName);
}

QFrame* LinkDialog::makeFramedLogo(const QString& border, const QString& picture, const QString& accessibleName)
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panLogo"));
    panel->setStyleSheet(QStringLiteral("#panLogo { background: white; border: %1; }").arg(border));
    makeLogo(panel, picture, accessibleName);
    auto* logoLayout = new QHBoxLayout(panel);
    logoLayout->setContentsMargins(4, 4, 4, 4);
    logoLayout->addWidget(imgLogo);
    return panel;
}

void LinkDialog::makeLink(WebLink* picture, const QString& text)
{
    lnkWeb = new WebLink(QStringLiteral("lnkWeb"), text, this);
    for (WebLink* link : {lnkWeb, picture}) {
        connect(link, &WebLink::clicked, this, &LinkDialog::lnkWebClick);
        connect(link, &WebLink::mouseDown, this, &LinkDialog::lnkWebMouseDown);
        connect(link, &WebLink::mouseUp, this, &LinkDialog::lnkWebMouseUp);
    }
}

void LinkDialog::makeCloseButton(int pointSize, int minimumHeight)
{
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(QFont(QStringLiteral("Verdana"), pointSize));
    btnChiudi->setMinimumSize(110, minimumHeight);
    btnChiudi->setDefault(true);
    connect(btnChiudi, &QPushButton::clicked, this, &LinkDialog::btnChiudiClick);
}

QHBoxLayout* LinkDialog::centredRow(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* w : widgets)
        row->addWidget(w);
    row->addStretch();
    return row;
}

void LinkDialog::btnChiudiClick()
{
    close();
}

void LinkDialog::lnkWebClick()
{
    WebLink::setColour(lnkWeb, WebLink::restColour());
    openLink();
}

void LinkDialog::lnkWebMouseDown()
{
    WebLink::setColour(lnkWeb, WebLink::pressedColour());
}

void LinkDialog::lnkWebMouseUp()
{
    WebLink::setColour(lnkWeb, WebLink::restColour());
}
