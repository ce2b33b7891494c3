// Photo copies written to disk and the zoom window; the card window's photo
// commands are driven in tst_cardcommands.
#include "candidates/core/ChosenPhotoFile.h"
#include "candidates/ui/PhotoBox.h"
#include "candidates/ui/Zoom.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QFrame>
#include <QScreen>

namespace {
QImage picture(int w, int h, QColor c = QColor(30, 90, 160))
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}
} // namespace

class TestPhoto : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void jpgAddedToANameWithoutExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "/tmp/x/Foto"
                                      << "/tmp/x/Foto.jpg";
        QTest::newRow("jpg") << "/tmp/x/Foto.jpg"
                             << "/tmp/x/Foto.jpg";
        QTest::newRow("other extension kept") << "/tmp/x/Foto.bmp"
                                              << "/tmp/x/Foto.bmp";
        QTest::newRow("dot in the folder only") << "/tmp/a.b/Foto"
                                                << "/tmp/a.b/Foto.jpg";
        QTest::newRow("cancelled") << ""
                                   << "";
    }
    void jpgAddedToANameWithoutExtension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QCOMPARE(ChosenPhotoFile::conEstensione(typed), written);
    }

    // The format is the one the extension names; JPEG for one that names no
    // picture format.
    void formatFollowsTheExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("jpg") << "a.jpg" << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("JPEG upper case") << "a.JPEG" << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("bmp") << "a.bmp" << QByteArray("BM");
        QTest::newRow("png") << "a.png" << QByteArray("\x89PNG");
        QTest::newRow("unknown") << "a.xyz" << QByteArray("\xFF\xD8\xFF");
    }
    void formatFollowsTheExtension()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        TempProgramFolder folder;
        const QString path = folder.file(name);
        QVERIFY(ChosenPhotoFile::writePicture(path, picture(40, 30)));
        const QByteArray bytes = folder.read(name);
        QCOMPARE(bytes.left(magic.size()), magic);
        QImage back;
        QVERIFY(back.loadFromData(bytes));
        QCOMPARE(back.size(), QSize(40, 30));
    }

    // JPEG has no transparency: see-through parts become white, not black.
    void transparentPictureOnWhite()
    {
        TempProgramFolder folder;
        QImage clear(20, 20, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QVERIFY(ChosenPhotoFile::writePicture(folder.file("t.jpg"), clear));
        QImage back(folder.file("t.jpg"));
        QVERIFY(qRed(back.pixel(10, 10)) > 240 && qBlue(back.pixel(10, 10)) > 240);
    }

    void writeFailures_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("folder missing") << 0;
        QTest::newRow("a folder in the way") << 1;
        QTest::newRow("no picture") << 2;
    }
    void writeFailures()
    {
        QFETCH(int, how);
        TempProgramFolder folder;
        QString path = folder.file("Foto.jpg");
        QImage img = picture(8, 8);
        if (how == 0)
            path = folder.file("manca/Foto.jpg");
        else if (how == 1)
            QVERIFY(QDir().mkpath(path));
        else
            img = QImage();
        QString why;
        QVERIFY(!ChosenPhotoFile::writePicture(path, img, &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(!QFileInfo(path).isFile());
    }

    // A failed write leaves an earlier file of that name whole.
    void failedWriteKeepsTheOlderFile()
    {
        TempProgramFolder folder;
        folder.write("Foto.jpg", "older");
        QVERIFY(!ChosenPhotoFile::writePicture(folder.file("Foto.jpg"), QImage()));
        QCOMPARE(folder.read("Foto.jpg"), QByteArray("older"));
    }

    void zoomInitialState()
    {
        TfrmZoom z;
        QCOMPARE(z.windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        QVERIFY(z.windowState() & Qt::WindowMaximized);
        QCOMPARE(z.imgFoto->parentWidget(), static_cast<QWidget*>(z.panContainer));
        QCOMPARE(z.panContainer->objectName(), QStringLiteral("panContainer"));
        QCOMPARE(z.imgFoto->objectName(), QStringLiteral("imgFoto"));
    }

    void zoomAreaIsTheScreenLess60By90_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("area");
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1860, 990);
        QTest::newRow("1366x768") << QSize(1366, 768) << QSize(1306, 678);
    }
    void zoomAreaIsTheScreenLess60By90()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, area);
        QCOMPARE(TfrmZoom::areaFor(screen), area);
    }

    void zoomShowsThePictureFittedOnThisScreen()
    {
        TfrmZoom z;
        z.imgFoto->setPicture(picture(1600, 1200));
        z.show();
        QVERIFY(QTest::qWaitForWindowExposed(&z));
        const QSize screen = z.screen()->geometry().size();
        const QSize area(screen.width() - 60, screen.height() - 90);
        QCOMPARE(z.panContainer->size(), area);
        QCOMPARE(z.imgFoto->size(), area);
        // Proportions kept, as large as the area allows, centred.
        const QRect shown = z.imgFoto->pictureRect();
        const QSize expected = QSize(1600, 1200).scaled(area, Qt::KeepAspectRatio);
        QCOMPARE(shown.size(), expected);
        QCOMPARE(shown.center(), QRect(QPoint(0, 0), area).center());
        QCOMPARE(z.imgFoto->picture().size(), QSize(1600, 1200));
    }

    void zoomClosedByAClick_data()
    {
        QTest::addColumn<bool>("onPicture");
        QTest::newRow("on the picture") << true;
        QTest::newRow("on the panel") << false;
    }
    void zoomClosedByAClick()
    {
        QFETCH(bool, onPicture);
        TfrmZoom z;
        z.imgFoto->setPicture(picture(30, 40));
        z.show();
        QVERIFY(QTest::qWaitForWindowExposed(&z));
        if (onPicture)
            QTest::mouseClick(z.imgFoto, Qt::LeftButton, {}, z.imgFoto->rect().center());
        else
            QTest::mouseClick(z.panContainer, Qt::LeftButton, {}, QPoint(1, 1));
        QVERIFY(!z.isVisible());
    }

    void zoomIgnoresTheRightButton()
    {
        TfrmZoom z;
        z.show();
        QTest::mouseClick(z.imgFoto, Qt::RightButton);
        QVERIFY(z.isVisible());
        z.hide();
    }
};

SELVORA_TEST_MAIN(TestPhoto)
#include "tst_photo.moc"
