// Loading and storing the photo files of candidate cards.
#include "candidates/core/CardPhoto.h"

#include "base/core/SafeWrite.h"

#include "candidates/core/SchedaCandidato.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QPainter>

namespace CardPhoto {

QImage load(qint64 position)
{
    if (position < 1)
        return QImage();
    QImageReader reader(CandidateArchive::photoPath(position));
    // The name says JPEG, but a picture of another kind put there by hand
    // still shows.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    return reader.read();
}

QByteArray jpegBytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // JPEG has no transparency: whatever is see-through is put on white.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, picture);
    }
    if (!flat.save(&buffer, "JPG", Quality))
        return QByteArray();
    return bytes;
}

bool save(qint64 position, const QImage& picture, QString* error)
{
    auto failed = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (position < 1)
        return failed(QStringLiteral("no card position"));
    if (picture.isNull())
        return failed(QStringLiteral("no picture"));
    const QString folder = CandidateArchive::photoFolder();
    if (!QDir().mkpath(folder))
        return failed(QStringLiteral("cannot create %1").arg(folder));
    const QByteArray bytes = jpegBytes(picture);
    if (bytes.isEmpty())
        return failed(QStringLiteral("cannot encode the picture"));
    QString why;
    if (!SafeWrite::wholeFile(CandidateArchive::photoPath(position), bytes, &why))
        return failed(why);
    return true;
}

} // namespace CardPhoto
