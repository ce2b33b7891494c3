#include "shared/ui/CardPrintWindow.h"

#include "base/core/Formats.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/PictureButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPushButton>
#include <QVBoxLayout>

CardPrintWindow::CardPrintWindow(const Look& look, QWidget* parent)
    : QDialog(parent)
{
    // Print windows set the program's date and number format again.
    Formats::apply();
    setObjectName(look.objectName);
    setWindowTitle(look.caption);
    DialogFrame::titleOnly(this);
    setFixedSize(look.clientWidth, look.clientHeight);

    setAutoFillBackground(true);
    QPalette pal = palette();
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, look.top);
    gradient.setColorAt(1, Qt::white);
    pal.setBrush(QPalette::Window, gradient);
    setPalette(pal);

    shpSfondo = new QFrame(this);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setStyleSheet(
        QStringLiteral("#shpSfondo { background: white; border: 1px solid #A0B4C8; border-radius: 8px; }"));

    picture = new QLabel(shpSfondo);
    picture->setObjectName(look.pictureName);
    picture->setPixmap(selvoraIcon(look.icon).pixmap(96, 96));
    picture->setAlignment(Qt::AlignCenter);

    lblTesto = new QLabel(look.text, shpSfondo);
    lblTesto->setObjectName(QStringLiteral("lblTesto"));
    lblTesto->setFont(QFont(QStringLiteral("Verdana"), 9));
    lblTesto->setAlignment(Qt::AlignCenter);
    lblTesto->setWordWrap(true);
    lblTesto->setStyleSheet(QStringLiteral("color: #1f4e79;"));

    auto* inner = new QVBoxLayout(shpSfondo);
    inner->setContentsMargins(12, 14, 12, 12);
    inner->setSpacing(10);
    inner->addWidget(picture, 1);
    inner->addWidget(lblTesto);

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnStampa = new QPushButton(look.action, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    for (QPushButton* button : {btnAnnulla, btnStampa}) {
        button->setFont(QFont(QStringLiteral("Verdana"), 9));
        button->setMinimumSize(130, 30);
        button->setAutoDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnStampa);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(shpSfondo, 1);
    layout->addLayout(buttons);

    setTabOrder(btnAnnulla, btnStampa);
}

void CardPrintWindow::showEvent(QShowEvent* event)
{
    // Centred over the card window that owns it.
    if (QWidget* owner = parentWidget()) {
        const QRect over = owner->window()->frameGeometry();
        const QRect frame = frameGeometry();
        move(over.center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    QDialog::showEvent(event);
    btnAnnulla->setFocus(Qt::OtherFocusReason);
}
