// Writing a candidate's photo, or a still from the webcam, to a file the user
// chose: the copy kept on disk for retouching, apart from the card's own
// photo file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace ChosenPhotoFile {

// The open dialog's title and filters, for a photo in JPEG or bitmap format.
QString loadTitle();
QString loadFilter();

// The picture in the file, whatever its extension says; a null picture when
// the file is missing or is no picture (a damaged JPEG, for one).
QImage load(const QString& fileName);

// The save dialog's title, proposed name and filter.
QString titolo();
QString suggestedName(); // "Foto.jpg"
QString filtro();

// A name typed without an extension gets ".jpg".
QString conEstensione(const QString& fileName);

// The picture encoded in the format its file name's extension names (JPEG
// for ".jpg" and ".jpeg", and for an extension no picture format has).
// Empty when it cannot be encoded, a null picture included.
QByteArray codifica(const QImage& picture, const QString& fileName);

// Writes the picture to the file in one step: a failure leaves an earlier
// file of that name as it was. False, with *error set, on any failure.
bool writePicture(const QString& fileName, const QImage& picture, QString* error = nullptr);

// The report of a picture that could not be written to fileName.
QString messaggioErrore(const QString& fileName);

// The JPEG quality of the copies.
constexpr int Qualita = 90;

} // namespace ChosenPhotoFile
