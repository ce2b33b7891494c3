#include "base/core/AppendJournal.h"

#include "base/core/SafeWrite.h"

#include <QFile>
#include <QFileInfo>

namespace AppendJournal {

namespace {
const QByteArray kTitle = QByteArrayLiteral("Selvora - aggiunta di schede in corso");
constexpr int kVersion = 1;
// A note is a few lines; anything much larger is not one.
constexpr qint64 kMaxNoteBytes = 64 * 1024;
} // namespace

QString pathFor(const QString& recordFile)
{
    return recordFile + QStringLiteral(".aggiunta");
}

bool begin(const QString& recordFile, const Entry& entry, QString* error)
{
    QByteArray text = kTitle + '\n';
    text += "versione=" + QByteArray::number(kVersion) + '\n';
    text += "file=" + QFileInfo(recordFile).fileName().toUtf8() + '\n';
    text += "lunghezza=" + QByteArray::number(entry.length) + '\n';
    text += "coda=" + entry.tail.toBase64() + '\n';
    return SafeWrite::wholeFile(pathFor(recordFile), text, error);
}

bool finish(const QString& recordFile)
{
    const QString note = pathFor(recordFile);
    QFile::remove(note);
    return !QFileInfo::exists(note);
}

Found read(const QString& recordFile, Entry* entry)
{
    const QString note = pathFor(recordFile);
    const QFileInfo info(note);
    if (!info.exists() && !info.isSymLink())
        return Found::None;
    QFile f(note);
    if (!info.isFile() || info.size() > kMaxNoteBytes || !f.open(QIODevice::ReadOnly))
        return Found::Unreadable;
    const QList<QByteArray> lines = f.readAll().split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kTitle)
        return Found::Unreadable;
    bool haveVersion = false;
    bool haveLength = false;
    bool haveTail = false;
    Entry e;
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        const int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.left(eq);
        const QByteArray value = line.mid(eq + 1);
        bool ok = false;
        if (key == "versione") {
            // A later version may add keys; the ones read here keep their sense.
            haveVersion = value.toInt(&ok) >= 1 && ok;
        } else if (key == "lunghezza") {
            e.length = value.toLongLong(&ok);
            haveLength = ok && e.length >= 0;
        } else if (key == "coda") {
            const auto decoded = QByteArray::fromBase64Encoding(value, QByteArray::AbortOnBase64DecodingErrors);
            haveTail = bool(decoded);
            e.tail = decoded.decoded;
        }
    }
    if (!haveVersion || !haveLength || !haveTail || e.tail.size() > e.length)
        return Found::Unreadable;
    *entry = e;
    return Found::Valid;
}

} // namespace AppendJournal
