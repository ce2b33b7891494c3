// Taking the candidate's photo with the computer's camera: live image, still,
// a copy on disk and the import of the still into the candidate card.
#pragma once

#include <QDialog>
#include <QImage>

class Camera;
class PhotoBox;
class QFrame;
class QLabel;
class QPushButton;

class TfrmWebCam : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmWebCam(QWidget* parent = nullptr);
    ~TfrmWebCam() override;

    Camera* camCamera;
    QFrame* panCamera;
    PhotoBox* imgCamera;
    QFrame* panTarget;
    PhotoBox* imgTarget;
    PhotoBox* imgBianco;
    QLabel* lblMemory;
    // Says that there is no camera, or why it could not be switched on.
    QLabel* lblStato;
    QPushButton* btnAccendi;
    QPushButton* btnSpegni;
    QPushButton* btnCattura;
    QPushButton* btnSalvaFotogramma;
    QPushButton* btnImportaFoto;
    QPushButton* btnClose;

    // The tag of the candidate card: with it, the import hands the still over.
    static QString cardTag() { return QStringLiteral("euro_01"); }
    static QString noCameraText();
    static QString errorText(const QString& reason);
    static QString noPictureText();

signals:
    // The still, for the candidate card's photo box.
    void stillTaken(const QImage& still);

public slots:
    // Every way out of the window switches the camera off first.
    void done(int result) override;

private slots:
    void btnAccendiClick();
    void btnSpegniClick();
    void camCameraSampleBufferReady(const QImage& frame);
    void camCameraFailed(const QString& reason);
    void btnCatturaClick();
    void btnSalvaFotogrammaClick();
    void btnImportaFotoClick();
    void btnCloseClick();

private:
    void showStatus(const QString& text);
};
