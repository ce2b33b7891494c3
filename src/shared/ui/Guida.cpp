#include "shared/ui/Guida.h"

#include "base/core/ProgramFolder.h"
#include "base/platform/OpenURL.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WebLink.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget* parent)
    : LinkDialog(parent)
{
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    DialogFrame::fix(this, 670, 572);
    DialogFrame::gradient(this, Qt::white, QColor::fromRgba(0xFFBFD8EF));

    panLogo = makeFramedLogo(QStringLiteral("2px solid #F5DEB3"), QStringLiteral("selvora-banner"),
                             QStringLiteral("Selvora"));

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(QFont(QStringLiteral("Arial"), 16, QFont::Bold));
    QPalette tp = lblTitolo->palette();
    tp.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C)); // crimson
    lblTitolo->setPalette(tp);
    lblTitolo->setWordWrap(true);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtGuida->setAccessibleName(QStringLiteral("Testo della guida"));
    txtGuida->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    imgPDF = new WebLink(QStringLiteral("imgPDF"), QString(), this);
    imgPDF->setPixmap(selvoraPicture(QStringLiteral("pdf-document")));
    imgPDF->setAccessibleName(QStringLiteral("Visualizza guida in formato PDF"));
    imgPDF->setToolTip(QStringLiteral("Visualizza guida in formato PDF"));
    makeLink(imgPDF, QStringLiteral("Visualizza guida in formato PDF"));

    makeCloseButton(10, 32);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(panLogo);
    layout->addWidget(lblTitolo);
    layout->addWidget(txtGuida, 1);
    layout->addLayout(bottom);

    btnChiudi->setFocus();
}

QString TfrmGuida::manualPath()
{
    return ProgramFolder::manualFile();
}

void TfrmGuida::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    DialogFrame::centreOnScreen(this);
}

void TfrmGuida::openLink()
{
    // Enclosed in double quotes: one argument even with blanks in the path.
    TMisc::Open(QLatin1Char('"') + QDir::toNativeSeparators(manualPath()) + QLatin1Char('"'));
}
