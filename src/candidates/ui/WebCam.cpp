#include "candidates/ui/WebCam.h"

#include "base/core/TextRules.h"
#include "base/platform/Camera.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "candidates/core/ChosenPhotoFile.h"
#include "candidates/ui/PhotoBox.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/ScreenWindow.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, const QRect& where)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setGeometry(where);
    return b;
}

QFrame* makePanel(QWidget* parent, const QString& name, const QRect& where)
{
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setFrameShape(QFrame::StyledPanel);
    p->setStyleSheet(QStringLiteral("QFrame#%1 { background: #20252b; border: 1px solid #7a8a99; }").arg(name));
    p->setGeometry(where);
    return p;
}

} // namespace

QString TfrmWebCam::noCameraText()
{
    return QStringLiteral("Nessuna webcam collegata al computer.\n\n"
                          "Collegare una webcam e riaprire questa finestra, oppure premere Annulla.");
}

QString TfrmWebCam::errorText(const QString& reason)
{
    QString text = QStringLiteral("Impossibile accendere la webcam.");
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    return text;
}

QString TfrmWebCam::noPictureText()
{
    return QStringLiteral("Attenzione: non è stata ancora catturata nessuna foto.");
}

TfrmWebCam::TfrmWebCam(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWebCam"));
    setWindowTitle(QStringLiteral(" Cattura foto con webcam"));
    // No buttons in the title bar: the window is left through its own
    // buttons, which switch the camera off.
    DialogFrame::titleOnly(this);
    setFixedSize(807, 405);

    camCamera = Camera::create(this);
    camCamera->setObjectName(QStringLiteral("camCamera"));

    panCamera = makePanel(this, QStringLiteral("panCamera"), QRect(10, 10, 390, 293));
    imgCamera = new PhotoBox(QStringLiteral("imgCamera"), panCamera);
    imgCamera->setAccessibleName(QStringLiteral("Immagine della webcam"));
    panTarget = makePanel(this, QStringLiteral("panTarget"), QRect(407, 10, 390, 293));
    imgTarget = new PhotoBox(QStringLiteral("imgTarget"), panTarget);
    imgTarget->setAccessibleName(QStringLiteral("Foto catturata"));
    for (QFrame* panel : {panCamera, panTarget}) {
        auto* box = new QVBoxLayout(panel);
        box->setContentsMargins(1, 1, 1, 1);
        box->addWidget(panel == panCamera ? imgCamera : imgTarget);
    }
    imgBianco = new PhotoBox(QStringLiteral("imgBianco"), this);
    imgBianco->setVisible(false);
    lblMemory = makeHiddenLabel(this, QStringLiteral("lblMemory"));

    lblStato = new QLabel(panCamera);
    lblStato->setObjectName(QStringLiteral("lblStato"));
    lblStato->setAlignment(Qt::AlignCenter);
    lblStato->setWordWrap(true);
    lblStato->setStyleSheet(QStringLiteral("color: white; font: bold 11pt \"Tahoma\"; padding: 12px;"));
    lblStato->setGeometry(0, 0, 390, 293);
    lblStato->setVisible(false);

    // Camera commands under the live image, still commands under the still.
    btnAccendi =
        makeButton(this, QStringLiteral("btnAccendi"), QStringLiteral("Accendi webcam"), QRect(10, 315, 126, 32));
    btnSpegni =
        makeButton(this, QStringLiteral("btnSpegni"), QStringLiteral("Spegni webcam"), QRect(142, 315, 126, 32));
    btnCattura =
        makeButton(this, QStringLiteral("btnCattura"), QStringLiteral("Cattura foto"), QRect(274, 315, 126, 32));
    btnSalvaFotogramma = makeButton(this, QStringLiteral("btnSalvaFotogramma"), QStringLiteral("Salva foto su disco"),
                                    QRect(407, 315, 192, 32));
    btnImportaFoto = makeButton(this, QStringLiteral("btnImportaFoto"), QStringLiteral("Importa foto in scheda"),
                                QRect(605, 315, 192, 32));
    btnClose = makeButton(this, QStringLiteral("btnClose"), QStringLiteral("Annulla"), QRect(677, 361, 120, 32));

    setTabOrder(btnAccendi, btnCattura);
    setTabOrder(btnCattura, btnSalvaFotogramma);
    setTabOrder(btnSalvaFotogramma, btnSpegni);
    setTabOrder(btnSpegni, btnImportaFoto);
    setTabOrder(btnImportaFoto, btnClose);

    connect(btnAccendi, &QPushButton::clicked, this, &TfrmWebCam::btnAccendiClick);
    connect(btnSpegni, &QPushButton::clicked, this, &TfrmWebCam::btnSpegniClick);
    connect(btnCattura, &QPushButton::clicked, this, &TfrmWebCam::btnCatturaClick);
    connect(btnSalvaFotogramma, &QPushButton::clicked, this, &TfrmWebCam::btnSalvaFotogrammaClick);
    connect(btnImportaFoto, &QPushButton::clicked, this, &TfrmWebCam::btnImportaFotoClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmWebCam::btnCloseClick);
    connect(camCamera, &Camera::frameReady, this, &TfrmWebCam::camCameraSampleBufferReady);
    connect(camCamera, &Camera::failed, this, &TfrmWebCam::camCameraFailed);

    // Without a camera the window says so at once; it can still be closed.
    if (!camCamera->available()) {
        btnAccendi->setEnabled(false);
        btnSpegni->setEnabled(false);
        const QString reason = camCamera->unavailableReason();
        showStatus(reason.isEmpty() ? noCameraText() : reason);
    }
}

TfrmWebCam::~TfrmWebCam()
{
    camCamera->stop();
}

void TfrmWebCam::showStatus(const QString& text)
{
    lblStato->setText(text);
    lblStato->setVisible(!text.isEmpty());
    lblStato->raise();
}

void TfrmWebCam::done(int result)
{
    camCamera->stop();
    QDialog::done(result);
}

void TfrmWebCam::btnAccendiClick()
{
    if (!camCamera->available()) {
        showStatus(noCameraText());
        return;
    }
    showStatus(QString());
    camCamera->start();
}

void TfrmWebCam::btnSpegniClick()
{
    // The last frame stays on screen.
    camCamera->stop();
}

void TfrmWebCam::camCameraSampleBufferReady(const QImage& frame)
{
    // Frames reach this window on the user-interface thread (the camera sees
    // to that), so the picture needs no lock. One still in flight after the
    // camera was switched off is dropped.
    if (!camCamera->isActive())
        return;
    imgCamera->setPicture(frame);
}

void TfrmWebCam::camCameraFailed(const QString& reason)
{
    camCamera->stop();
    showStatus(errorText(reason));
}

void TfrmWebCam::btnCatturaClick()
{
    imgTarget->setPicture(imgCamera->picture());
}

void TfrmWebCam::btnSalvaFotogrammaClick()
{
    const QImage still = imgTarget->picture();
    if (still.isNull()) {
        Messages::warning(this, noPictureText());
        return;
    }
    const QString chosen =
        FileDialogs::getSaveFileName(this, ChosenPhotoFile::titolo(), ChosenPhotoFile::suggestedName(),
                                     ChosenPhotoFile::filtro(), QStringLiteral("jpg"));
    if (chosen.isEmpty())
        return;
    const QString fileName = ChosenPhotoFile::conEstensione(chosen);
    // A still that cannot be written is reported and stays on screen, ready
    // for another try elsewhere.
    if (!ChosenPhotoFile::writePicture(fileName, still))
        Messages::error(this, ChosenPhotoFile::messaggioErrore(fileName));
}

void TfrmWebCam::btnImportaFotoClick()
{
    camCamera->stop();
    if (TextRules::trimmed(lblMemory->text()) != cardTag())
        return;
    // Before any capture there is nothing to import: the card keeps the
    // photo it has rather than losing it to an empty picture.
    const QImage still = imgTarget->picture();
    if (!still.isNull())
        emit stillTaken(still);
    accept();
}

void TfrmWebCam::btnCloseClick()
{
    reject();
}
