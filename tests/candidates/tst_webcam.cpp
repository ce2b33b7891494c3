// The webcam window driven with a scripted camera: switching on and off, live
// frames, the still, its copy on disk, the import into the card and every
// way out switching the camera off; and the window on a computer without a
// camera.
#include "base/platform/Camera.h"
#include "candidates/ui/PhotoBox.h"
#include "candidates/ui/WebCam.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QCameraDevice>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <QVideoSink>

#include <thread>

namespace {

// What the scripted camera went through, kept past its window's life.
struct CameraLog
{
    int starts = 0;
    int stops = 0;
    bool active = false;
};
CameraLog g_log;
bool g_hasDevice = true;

class ScriptedCamera final : public Camera
{
public:
    explicit ScriptedCamera(QObject* parent)
        : Camera(parent)
    {
    }
    bool available() const override { return g_hasDevice; }
    void start() override
    {
        ++g_log.starts;
        g_log.active = true;
    }
    void stop() override
    {
        ++g_log.stops;
        g_log.active = false;
    }
    bool isActive() const override { return g_log.active; }
    // As the device does while switched on.
    void deliver(const QImage& frame) { emit frameReady(frame); }
    void breakDown(const QString& why) { emit failed(why); }
};

// A small frame whose every pixel is known.
QImage frame(QRgb corner, int w = 4, int h = 3)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(10, 20, 30));
    img.setPixel(0, 0, corner);
    return img;
}

ScriptedCamera* cameraOf(TfrmWebCam& w)
{
    return static_cast<ScriptedCamera*>(w.camCamera);
}

void click(QWidget* root, const char* name)
{
    auto* b = root->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(b, name);
    QVERIFY2(b->isEnabled(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class TestWebCam : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSeams();
        g_log = CameraLog();
        g_hasDevice = true;
        Camera::setFactory([](QObject* parent) { return new ScriptedCamera(parent); });
    }
    void cleanup()
    {
        Camera::setFactory(nullptr);
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        QVERIFY(!g_log.active);
    }

    void initialState()
    {
        TfrmWebCam w;
        QCOMPARE(w.windowTitle(), QStringLiteral(" Cattura foto con webcam"));
        QCOMPARE(w.size(), QSize(807, 405));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(w.camCamera->objectName(), QStringLiteral("camCamera"));
        QCOMPARE(g_log.starts, 0);
        QVERIFY(w.imgCamera->picture().isNull());
        QVERIFY(w.imgTarget->picture().isNull());
        QVERIFY(!w.imgBianco->isVisibleTo(&w));
        QVERIFY(!w.lblMemory->isVisibleTo(&w));
        QVERIFY(!w.lblStato->isVisibleTo(&w));
        const QList<QPair<QPushButton*, QString>> texts = {
            {w.btnAccendi, QStringLiteral("Accendi webcam")},
            {w.btnSpegni, QStringLiteral("Spegni webcam")},
            {w.btnCattura, QStringLiteral("Cattura foto")},
            {w.btnSalvaFotogramma, QStringLiteral("Salva foto su disco")},
            {w.btnImportaFoto, QStringLiteral("Importa foto in scheda")},
            {w.btnClose, QStringLiteral("Annulla")},
        };
        for (const auto& [button, text] : texts) {
            QCOMPARE(button->text(), text);
            QVERIFY(button->isEnabled());
        }
        QVERIFY(w.imgCamera->parentWidget() == w.panCamera);
        QVERIFY(w.imgTarget->parentWidget() == w.panTarget);
    }

    void tabOrder()
    {
        TfrmWebCam w;
        QList<QWidget*> chain;
        QWidget* at = w.btnAccendi;
        for (int i = 0; i < 6; ++i) {
            chain << at;
            at = at->nextInFocusChain();
            while (at->focusPolicy() == Qt::NoFocus || !qobject_cast<QPushButton*>(at))
                at = at->nextInFocusChain();
        }
        const QList<QWidget*> expected = {w.btnAccendi, w.btnCattura,     w.btnSalvaFotogramma,
                                          w.btnSpegni,  w.btnImportaFoto, w.btnClose};
        QCOMPARE(chain, expected);
    }

    void framesReplaceTheLiveImageAtTheirOwnSize()
    {
        TfrmWebCam w;
        w.show();
        click(&w, "btnAccendi");
        QCOMPARE(g_log.starts, 1);
        QVERIFY(g_log.active);
        const QImage first = frame(qRgb(255, 0, 0));
        cameraOf(w)->deliver(first);
        QCOMPARE(w.imgCamera->picture(), first);
        const QImage second = frame(qRgb(0, 255, 0), 6, 5);
        cameraOf(w)->deliver(second);
        QCOMPARE(w.imgCamera->picture(), second);
        QCOMPARE(w.imgCamera->picture().size(), QSize(6, 5));
        click(&w, "btnClose");
    }

    void switchingOffKeepsTheLastFrame()
    {
        TfrmWebCam w;
        w.show();
        click(&w, "btnAccendi");
        const QImage last = frame(qRgb(1, 2, 3));
        cameraOf(w)->deliver(last);
        click(&w, "btnSpegni");
        QVERIFY(!g_log.active);
        QCOMPARE(w.imgCamera->picture(), last);
        // A frame that was on its way when the camera went off is dropped.
        cameraOf(w)->deliver(frame(qRgb(9, 9, 9)));
        QCOMPARE(w.imgCamera->picture(), last);
        QVERIFY(w.isVisible());
        click(&w, "btnClose");
    }

    void captureTakesTheCurrentPictureCameraOnOrOff()
    {
        TfrmWebCam w;
        w.show();
        // Before any frame the still is the empty picture.
        click(&w, "btnCattura");
        QVERIFY(w.imgTarget->picture().isNull());
        click(&w, "btnAccendi");
        const QImage live = frame(qRgb(200, 100, 50));
        cameraOf(w)->deliver(live);
        click(&w, "btnCattura");
        QCOMPARE(w.imgTarget->picture(), live);
        cameraOf(w)->deliver(frame(qRgb(0, 0, 255)));
        QCOMPARE(w.imgTarget->picture(), live); // the still does not follow the camera
        click(&w, "btnSpegni");
        click(&w, "btnCattura");
        QCOMPARE(w.imgTarget->picture(), frame(qRgb(0, 0, 255)));
        click(&w, "btnClose");
    }

    void importHandsTheStillToTheCardAndCloses()
    {
        TfrmWebCam w;
        w.lblMemory->setText(QStringLiteral("  euro_01 "));
        QSignalSpy imported(&w, &TfrmWebCam::stillTaken);
        w.show();
        click(&w, "btnAccendi");
        const QImage still = frame(qRgb(7, 7, 7));
        cameraOf(w)->deliver(still);
        click(&w, "btnCattura");
        click(&w, "btnImportaFoto");
        QVERIFY(!g_log.active);
        QCOMPARE(imported.count(), 1);
        QCOMPARE(imported.at(0).at(0).value<QImage>(), still);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }

    void importWithAnotherTagOnlySwitchesOff()
    {
        TfrmWebCam w;
        w.lblMemory->setText(QStringLiteral("torneo"));
        QSignalSpy imported(&w, &TfrmWebCam::stillTaken);
        w.show();
        click(&w, "btnAccendi");
        cameraOf(w)->deliver(frame(qRgb(7, 7, 7)));
        click(&w, "btnCattura");
        click(&w, "btnImportaFoto");
        QVERIFY(!g_log.active);
        QCOMPARE(imported.count(), 0);
        QVERIFY(w.isVisible());
        click(&w, "btnClose");
    }

    // Importing before any capture would put an empty picture in the card
    // and, once stored, lose the photo it had: the card keeps its photo.
    void importBeforeCaptureKeepsTheCardsPhoto()
    {
        TfrmWebCam w;
        w.lblMemory->setText(QStringLiteral("euro_01"));
        QSignalSpy imported(&w, &TfrmWebCam::stillTaken);
        w.show();
        click(&w, "btnAccendi");
        click(&w, "btnImportaFoto");
        QCOMPARE(imported.count(), 0);
        QVERIFY(!g_log.active);
        QVERIFY(!w.isVisible());
    }

    // "Annulla", Escape and a close request from the window manager all
    // switch the camera off, and none hands anything to the card.
    void everyWayOutSwitchesTheCameraOff_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Annulla") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close request") << 2;
        QTest::newRow("window destroyed") << 3;
    }
    void everyWayOutSwitchesTheCameraOff()
    {
        QFETCH(int, way);
        auto* w = new TfrmWebCam;
        w->lblMemory->setText(QStringLiteral("euro_01"));
        QSignalSpy imported(w, &TfrmWebCam::stillTaken);
        w->show();
        QVERIFY(activate(w));
        click(w, "btnAccendi");
        cameraOf(*w)->deliver(frame(qRgb(5, 5, 5)));
        click(w, "btnCattura");
        QVERIFY(g_log.active);
        switch (way) {
        case 0:
            click(w, "btnClose");
            break;
        case 1:
            QTest::keyClick(w, Qt::Key_Escape);
            break;
        case 2:
            w->close();
            break;
        case 3:
            break;
        }
        if (way != 3) {
            QVERIFY(!w->isVisible());
            QCOMPARE(w->result(), int(QDialog::Rejected));
        }
        const bool offBeforeDestruction = !g_log.active;
        delete w;
        QVERIFY(way == 3 || offBeforeDestruction);
        QVERIFY(!g_log.active);
        QCOMPARE(imported.count(), 0);
    }

    void stillSavedAsJpegNamedByTheUser()
    {
        TempProgramFolder folder;
        TfrmWebCam w;
        w.show();
        click(&w, "btnAccendi");
        cameraOf(w)->deliver(frame(qRgb(255, 255, 255), 64, 48));
        click(&w, "btnCattura");
        // Typed without an extension: ".jpg" is added.
        FileDialogs::queueFileName(folder.file(QStringLiteral("ritratto")));
        click(&w, "btnSalvaFotogramma");
        const QList<FileDialogs::Asked> asked = FileDialogs::asked();
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked[0].save);
        QCOMPARE(asked[0].caption, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QCOMPARE(asked[0].dir, QStringLiteral("Foto.jpg"));
        QCOMPARE(asked[0].filter, QStringLiteral("File Jpeg (*.jpg)"));
        const QByteArray bytes = folder.read(QStringLiteral("ritratto.jpg"));
        QCOMPARE(bytes.left(3), QByteArray("\xFF\xD8\xFF"));
        QImage back;
        QVERIFY(back.loadFromData(bytes));
        QCOMPARE(back.size(), QSize(64, 48));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("ritratto"))));
        QVERIFY(Messages::shown().isEmpty());

        // Cancelled: nothing written.
        FileDialogs::queueFileName(QString());
        click(&w, "btnSalvaFotogramma");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {"ritratto.jpg"});
        click(&w, "btnClose");
    }

    // A still that cannot be written is reported and stays on screen.
    void stillThatCannotBeWrittenIsReportedAndKept()
    {
        TempProgramFolder folder;
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Foto.jpg"))));
        TfrmWebCam w;
        w.show();
        click(&w, "btnAccendi");
        const QImage still = frame(qRgb(40, 50, 60));
        cameraOf(w)->deliver(still);
        click(&w, "btnCattura");
        const QString target = folder.file(QStringLiteral("Foto.jpg")); // a folder
        FileDialogs::queueFileName(target);
        click(&w, "btnSalvaFotogramma");
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Error);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file\r\n") + target +
                     QStringLiteral("\r\n\r\nAccertarsi di possedere i privilegi di scrittura "
                                    "nella cartella scelta."));
        QCOMPARE(w.imgTarget->picture(), still);
        QVERIFY(QFileInfo(target).isDir());
        click(&w, "btnClose");
    }

    void savingBeforeAnyCaptureSaysThereIsNoPhoto()
    {
        TfrmWebCam w;
        w.show();
        click(&w, "btnSalvaFotogramma");
        QVERIFY(FileDialogs::asked().isEmpty());
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
        QCOMPARE(shown[0].text, QStringLiteral("Attenzione: non è stata ancora catturata nessuna foto."));
        click(&w, "btnClose");
    }

    void withoutACameraTheWindowSaysSoAndCloses()
    {
        g_hasDevice = false;
        TfrmWebCam w;
        w.lblMemory->setText(QStringLiteral("euro_01"));
        QSignalSpy imported(&w, &TfrmWebCam::stillTaken);
        w.show();
        QVERIFY(w.lblStato->isVisible());
        QCOMPARE(w.lblStato->text(), TfrmWebCam::noCameraText());
        QVERIFY(w.lblStato->text().startsWith(QStringLiteral("Nessuna webcam collegata")));
        QVERIFY(!w.btnAccendi->isEnabled());
        QVERIFY(!w.btnSpegni->isEnabled());
        QCOMPARE(g_log.starts, 0);
        click(&w, "btnCattura");
        QVERIFY(w.imgTarget->picture().isNull());
        click(&w, "btnClose");
        QVERIFY(!w.isVisible());
        QCOMPARE(imported.count(), 0);
        QCOMPARE(g_log.starts, 0);
    }

    void aCameraThatFailsIsReportedInTheWindow()
    {
        TfrmWebCam w;
        w.show();
        click(&w, "btnAccendi");
        cameraOf(w)->breakDown(QStringLiteral("device busy"));
        QVERIFY(!g_log.active);
        QVERIFY(w.lblStato->isVisible());
        QCOMPARE(w.lblStato->text(), QStringLiteral("Impossibile accendere la webcam.\n\ndevice busy"));
        // Switching on again clears the report.
        click(&w, "btnAccendi");
        QVERIFY(!w.lblStato->isVisible());
        click(&w, "btnClose");
    }

    // The real device, from the camera module built beside the executable:
    // test machines have no camera, and the window must say so rather than
    // hang or fail.
    void realCameraWithoutDevice()
    {
        Camera::setFactory(nullptr);
        Camera::setModuleFolders({QStringLiteral(SELVORA_PROGRAM_DIR)});
        if (!QMediaDevices::videoInputs().isEmpty())
            QSKIP("this computer has a camera");
        TfrmWebCam w;
        w.show();
        QVERIFY(w.lblStato->isVisible());
        QCOMPARE(w.lblStato->text(), TfrmWebCam::noCameraText());
        QVERIFY(!w.btnAccendi->isEnabled());
        QVERIFY(!w.camCamera->isActive());
        click(&w, "btnClose");
        QVERIFY(!w.isVisible());
    }

    // A program folder without the camera module (or with one that does not
    // load): no camera, and the window says which file is missing instead of
    // claiming the computer has no webcam; switching on reports the same.
    void cameraModuleMissing_data()
    {
        QTest::addColumn<QByteArray>("moduleBytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a library") << QByteArray("not a shared object");
    }
    void cameraModuleMissing()
    {
        QFETCH(QByteArray, moduleBytes);
        QTemporaryDir folder;
        if (!moduleBytes.isEmpty()) {
            QFile module(folder.filePath(QStringLiteral("libselvora_camera.so")));
            QVERIFY(module.open(QIODevice::WriteOnly));
            module.write(moduleBytes);
        }
        Camera::setFactory(nullptr);
        Camera::setModuleFolders({folder.path()});
        {
            TfrmWebCam w;
            w.show();
            QVERIFY(w.lblStato->isVisible());
            QVERIFY(w.lblStato->text().startsWith(QStringLiteral("La webcam non si può usare: il modulo "
                                                                 "libselvora_camera.so")));
            QVERIFY(!w.btnAccendi->isEnabled());
            QSignalSpy failures(w.camCamera, &Camera::failed);
            w.camCamera->start();
            QCOMPARE(failures.count(), 1);
            QVERIFY(!w.camCamera->isActive());
            click(&w, "btnClose");
        }
        // Pointed back at the real module, the camera loads again.
        Camera::setModuleFolders({QStringLiteral(SELVORA_PROGRAM_DIR)});
        QObject owner;
        QVERIFY(Camera::create(&owner)->unavailableReason().isEmpty());
        Camera::setModuleFolders({});
    }

    // Frames reach the real camera's sink on the media backend's thread; one
    // arriving while the camera is off is dropped on the user-interface
    // thread and never handed to the window.
    void realCameraDropsFramesWhileOff()
    {
        Camera::setFactory(nullptr);
        Camera::setModuleFolders({QStringLiteral(SELVORA_PROGRAM_DIR)});
        QObject owner;
        Camera* camera = Camera::create(&owner);
        auto* sink = camera->findChild<QVideoSink*>();
        QVERIFY(sink);
        QSignalSpy frames(camera, &Camera::frameReady);
        QVideoFrame frame(QVideoFrameFormat(QSize(4, 4), QVideoFrameFormat::Format_BGRA8888));
        std::thread backend([&] {
            for (int i = 0; i < 20; ++i)
                sink->setVideoFrame(frame);
        });
        backend.join();
        QTest::qWait(50);
        QCOMPARE(frames.count(), 0);
        QVERIFY(!camera->isActive());
        delete camera;
        QVERIFY(!owner.findChild<QVideoSink*>());
    }
};

SELVORA_TEST_MAIN(TestWebCam)
#include "tst_webcam.moc"
