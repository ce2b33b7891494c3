// The first checks every JSON side file of the program makes when it is
// read: readable JSON text holding one object, the program's format name for
// that kind of file, and a version this program knows.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace JsonSideFile {

// kind names the file in the message, e.g. "di concorso" in "non è un file
// di concorso di Selvora."; false with the reason in Italian.
bool open(const QByteArray& bytes, const QString& format, int version, const QString& kind, QJsonObject* root,
          QString* problem);

} // namespace JsonSideFile
