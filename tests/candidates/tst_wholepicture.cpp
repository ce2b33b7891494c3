// The check that a JPEG or bitmap file holds its whole picture, on files
// written by Qt and then cut, and the photo loading that relies on it.
#include "candidates/core/ChosenPhotoFile.h"
#include "candidates/core/WholePicture.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QBuffer>
#include <QImageWriter>

namespace {

// A picture with detail, so that its JPEG has a long compressed scan.
QImage photo()
{
    QImage img(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 5) % 256, (x ^ y) % 256));
    return img;
}

QByteArray encoded(const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(photo());
    return bytes;
}

} // namespace

class TestWholePicture : public QObject
{
    Q_OBJECT

private slots:
    void whole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("whole");
        const QByteArray jpeg = encoded("jpeg");
        const QByteArray progressive = encoded("jpeg", true);
        const QByteArray bmp = encoded("bmp");
        QTest::newRow("JPEG") << jpeg << true;
        QTest::newRow("JPEG with bytes after its end") << jpeg + QByteArray("trailer") << true;
        QTest::newRow("JPEG without its last two bytes") << jpeg.chopped(2) << false;
        QTest::newRow("JPEG cut in its scan") << jpeg.left(jpeg.size() / 2) << false;
        QTest::newRow("JPEG cut in its header") << jpeg.left(40) << false;
        QTest::newRow("progressive JPEG") << progressive << true;
        QTest::newRow("progressive JPEG cut") << progressive.left(progressive.size() * 2 / 3) << false;
        QTest::newRow("bitmap") << bmp << true;
        QTest::newRow("bitmap short of one byte") << bmp.chopped(1) << false;
        QTest::newRow("bitmap cut in half") << bmp.left(bmp.size() / 2) << false;
        QTest::newRow("PNG, left to its decoder") << encoded("png") << true;
        QTest::newRow("text") << QByteArray("not a picture") << true;
    }
    void whole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, whole);
        QCOMPARE(WholePicture::isWhole(bytes), whole);
    }

    // The decoder alone takes a cut JPEG for a picture: loading refuses it.
    void cutPhotosAreNotLoaded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = encoded("jpeg");
        const QByteArray bmp = encoded("bmp");
        QTest::newRow("JPEG cut in its scan") << jpeg.left(jpeg.size() * 2 / 3);
        QTest::newRow("bitmap cut in half") << bmp.left(bmp.size() / 2);
    }
    void cutPhotosAreNotLoaded()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!QImage::fromData(bytes).isNull()); // what the decoder alone does
        TempProgramFolder folder;
        folder.write(QStringLiteral("rotta.jpg"), bytes);
        QVERIFY(ChosenPhotoFile::load(folder.file(QStringLiteral("rotta.jpg"))).isNull());
    }

    void wholePhotosAreLoaded()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("foto.jpg"), encoded("jpeg"));
        folder.write(QStringLiteral("foto.bmp"), encoded("bmp"));
        QCOMPARE(ChosenPhotoFile::load(folder.file(QStringLiteral("foto.jpg"))).size(), QSize(320, 240));
        QCOMPARE(ChosenPhotoFile::load(folder.file(QStringLiteral("foto.bmp"))).size(), QSize(320, 240));
        QVERIFY(ChosenPhotoFile::load(folder.file(QStringLiteral("manca.jpg"))).isNull());
    }
};

SELVORA_CORE_TEST_MAIN(TestWholePicture)
#include "tst_wholepicture.moc"
