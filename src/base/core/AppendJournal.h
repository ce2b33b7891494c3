// The note a long append to a record file (an import of many cards) leaves
// beside the file while it runs: the file's length before the append and the
// bytes of any partial tail the new cards are written over. The note is
// written (safely, and on disk) before the first new byte and removed after
// the last one is on disk, so a note found at start means the append was
// cut short, and tells how to put the file back as it was.
//
// The note is readable text:
//     Selvora - aggiunta di schede in corso
//     versione=1
//     file=Archivio_Candidati.pro
//     lunghezza=7300
//     coda=<the partial tail, base64>
#pragma once

#include <QByteArray>
#include <QString>

namespace AppendJournal {

// "Archivio_Candidati.pro" -> "Archivio_Candidati.pro.aggiunta", beside it.
QString pathFor(const QString& recordFile);

struct Entry
{
    qint64 length = 0; // the file's length before the append
    QByteArray tail; // its last length % record size bytes
};

// Writes the note through the safe-write helper; false with the reason.
bool begin(const QString& recordFile, const Entry& entry, QString* error);
// Removes the note; false when it is still there.
bool finish(const QString& recordFile);

enum class Found
{
    None,
    Valid,
    Unreadable, // there, but not a note this program wrote
};
Found read(const QString& recordFile, Entry* entry);

} // namespace AppendJournal
