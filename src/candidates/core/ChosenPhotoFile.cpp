// Photo copies written to a file of the user's choice.
#include "candidates/core/ChosenPhotoFile.h"

#include "base/core/SafeWrite.h"
#include "candidates/core/WholePicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace ChosenPhotoFile {

QString loadTitle()
{
    return QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
}

QString loadFilter()
{
    return QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");
}

QImage load(const QString& fileName)
{
    // Read once; a file cut short is no picture, although the decoder would
    // fill in the missing part and give one.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || !WholePicture::isWhole(bytes))
        return QImage();
    file.close();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // A camera's JPEG may say it is to be turned: it is shown upright.
    reader.setAutoTransform(true);
    return reader.read();
}

QString titolo()
{
    return QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
}

QString suggestedName()
{
    return QStringLiteral("Foto.jpg");
}

QString filtro()
{
    return QStringLiteral("File Jpeg (*.jpg)");
}

QString conEstensione(const QString& fileName)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + QStringLiteral(".jpg");
}

QByteArray codifica(const QImage& picture, const QString& fileName)
{
    if (picture.isNull())
        return QByteArray();
    QByteArray format = QFileInfo(fileName).suffix().toLower().toLatin1();
    if (format == "jpeg" || !QImageWriter::supportedImageFormats().contains(format))
        format = "jpg";

    QImage image = picture;
    if (format == "jpg" && image.hasAlphaChannel()) {
        // JPEG keeps no transparency: what is see-through goes on white.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, image);
        p.end();
        image = flat;
    }

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpg")
        writer.setQuality(Qualita);
    if (!writer.write(image))
        return QByteArray();
    return bytes;
}

bool writePicture(const QString& fileName, const QImage& picture, QString* error)
{
    auto failed = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (picture.isNull())
        return failed(QStringLiteral("no picture"));
    const QByteArray bytes = codifica(picture, fileName);
    if (bytes.isEmpty())
        return failed(QStringLiteral("the picture cannot be encoded"));

    // Through a temporary file renamed over the old one, checking every
    // step: a full disk must not leave a truncated picture behind, nor be
    // taken for success.
    QString why;
    if (!SafeWrite::wholeFile(fileName, bytes, &why))
        return failed(why);
    return true;
}

QString messaggioErrore(const QString& fileName)
{
    return QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file\r\n") +
        QDir::toNativeSeparators(fileName) +
        QStringLiteral("\r\n\r\nAccertarsi di possedere i privilegi di scrittura nella cartella scelta.");
}

} // namespace ChosenPhotoFile
