// The photo file of a candidate card: "Anagrafica/Scheda_Candidato_<n>.jpg"
// in the program folder, a JPEG tied to the card by its position alone.
#pragma once

#include <QImage>
#include <QString>

namespace CardPhoto {

// The picture of card n; a null image when the file is missing or cannot
// be read as a picture.
QImage load(qint64 position);

// Writes the picture as the JPEG of card n at its own pixel size, creating
// the photo folder when missing and replacing any earlier file in one step.
// False (with *error set) when the folder or the file cannot be written; an
// earlier photo file then stays as it was.
bool save(qint64 position, const QImage& picture, QString* error = nullptr);

// A picture as JPEG bytes of the program's quality.
QByteArray jpegBytes(const QImage& picture);

// The JPEG quality of photo files.
constexpr int Quality = 90;

} // namespace CardPhoto
