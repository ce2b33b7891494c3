#include "base/core/RecordFile.h"

#include "base/core/AccessMode.h"
#include "base/core/AppendJournal.h"
#include "base/core/SystemError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
RecordFile::FileFactory g_factory;
RecordFile::AppendHook g_hook;
constexpr qint64 kBlockBytes = 4 * 1024 * 1024;
qint64 g_blockBytes = kBlockBytes;
} // namespace

RecordFile::RecordFile(const QString& path, int recordSize)
    : m_path(path)
    , m_size(recordSize)
{
}

RecordFile::~RecordFile()
{
    close();
}

void RecordFile::setFileFactory(FileFactory factory)
{
    g_factory = std::move(factory);
}

void RecordFile::setAppendHook(AppendHook hook)
{
    g_hook = std::move(hook);
}

void RecordFile::setBlockBytes(qint64 bytes)
{
    g_blockBytes = bytes > 0 ? bytes : kBlockBytes;
}

QString RecordFile::accessMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

bool RecordFile::fail(const QString& what)
{
    m_error = what;
    if (m_file && !m_file->errorString().isEmpty())
        m_error += QStringLiteral(": ") + SystemError::of(*m_file);
    return false;
}

bool RecordFile::open()
{
    close();
    m_error.clear();
    if (QFileInfo(m_path).isDir()) {
        m_error = QStringLiteral("%1 is a folder").arg(m_path);
        return false;
    }
    m_file = g_factory ? g_factory(m_path) : std::make_unique<QFile>(m_path);
    // Unbuffered: a write that fails is seen at once, not at some later flush.
    // A read-only run opens for reading only, so it also works on media that
    // cannot be written.
    const QIODevice::OpenMode mode = AccessMode::readOnly() ? QIODevice::ReadOnly : QIODevice::ReadWrite;
    if (!m_file->open(mode | QIODevice::Unbuffered)) {
        fail(QStringLiteral("cannot open %1").arg(m_path));
        m_file.reset();
        return false;
    }
    return true;
}

void RecordFile::close()
{
    if (m_file) {
        m_file->close();
        m_file.reset();
    }
}

bool RecordFile::isOpen() const
{
    return m_file && m_file->isOpen();
}

qint64 RecordFile::count() const
{
    return m_file ? m_file->size() / m_size : 0;
}

bool RecordFile::read(qint64 n, QByteArray* record)
{
    if (!isOpen())
        return fail(QStringLiteral("file not open"));
    if (n < 1 || n > count())
        return fail(QStringLiteral("card %1 out of range").arg(n));
    if (!m_file->seek((n - 1) * m_size))
        return fail(QStringLiteral("seek failed"));
    QByteArray bytes = m_file->read(m_size);
    if (bytes.size() != m_size)
        return fail(QStringLiteral("short read"));
    *record = bytes;
    return true;
}

bool RecordFile::writeAt(qint64 offset, const QByteArray& bytes)
{
    if (!m_file->seek(offset))
        return false;
    const qint64 written = m_file->write(bytes);
    if (written != bytes.size())
        return false;
    if (!m_file->flush())
        return false;
    return m_file->error() == QFileDevice::NoError;
}

bool RecordFile::rewrite(qint64 n, const QByteArray& record)
{
    if (AccessMode::readOnly())
        return fail(AccessMode::reason());
    if (record.size() != m_size)
        return fail(QStringLiteral("record of %1 bytes, expected %2").arg(record.size()).arg(m_size));
    QByteArray old;
    if (!read(n, &old))
        return false;
    if (writeAt((n - 1) * m_size, record))
        return true;
    fail(QStringLiteral("cannot write card %1").arg(n));
    // Put the card back as it was; the other cards were never touched.
    m_file->unsetError();
    writeAt((n - 1) * m_size, old);
    return false;
}

qint64 RecordFile::append(const QByteArray& record)
{
    if (AccessMode::readOnly()) {
        fail(AccessMode::reason());
        return 0;
    }
    if (!isOpen()) {
        fail(QStringLiteral("file not open"));
        return 0;
    }
    if (record.size() != m_size) {
        fail(QStringLiteral("record of %1 bytes, expected %2").arg(record.size()).arg(m_size));
        return 0;
    }
    const qint64 cards = count();
    if (writeAt(cards * m_size, record))
        return cards + 1;
    fail(QStringLiteral("cannot append card %1").arg(cards + 1));
    // Back to whole cards: a torn record must never be counted as a card.
    m_file->unsetError();
    m_file->resize(cards * m_size);
    return 0;
}

qint64 RecordFile::appendAll(const std::function<bool(QByteArray* record)>& next, qint64* added)
{
    *added = 0;
    if (AccessMode::readOnly()) {
        fail(AccessMode::reason());
        return 0;
    }
    if (!isOpen()) {
        fail(QStringLiteral("file not open"));
        return 0;
    }
    // The note of an earlier append cut short must be dealt with first
    // (TailRepair): writing a new one would lose how to put the file back.
    AppendJournal::Entry earlier;
    if (AppendJournal::read(m_path, &earlier) != AppendJournal::Found::None) {
        m_error = QStringLiteral("%1 is still there").arg(AppendJournal::pathFor(m_path));
        return 0;
    }
    const qint64 oldSize = m_file->size();
    const qint64 cards = count();
    const qint64 start = cards * m_size;
    // A partial tail is written over like by append(); its bytes are kept so
    // that a failure, or the repair after a crash, can put them back.
    QByteArray tail;
    if (oldSize > start) {
        if (!m_file->seek(start)) {
            fail(QStringLiteral("seek failed"));
            return 0;
        }
        tail = m_file->read(oldSize - start);
        if (tail.size() != oldSize - start) {
            fail(QStringLiteral("short read"));
            return 0;
        }
    }
    const qint64 perBlock = qMax<qint64>(1, g_blockBytes / m_size);
    QByteArray block;
    QByteArray record;
    qint64 written = 0;
    qint64 offset = start;
    bool journal = false;
    bool ok = true;
    bool more = true;
    while (ok && more) {
        block.clear();
        block.reserve(perBlock * m_size);
        qint64 inBlock = 0;
        while (inBlock < perBlock && (more = next(&record))) {
            if (record.size() != m_size) {
                ok = false;
                fail(QStringLiteral("record of %1 bytes, expected %2").arg(record.size()).arg(m_size));
                break;
            }
            block.append(record);
            ++inBlock;
        }
        if (!ok || inBlock == 0)
            break;
        // The note goes first, before the first new byte: from here on a
        // crash leaves something to repair, and the note says how.
        if (!journal) {
            QString why;
            if (!AppendJournal::begin(m_path, {oldSize, tail}, &why)) {
                ok = false;
                m_error = QStringLiteral("cannot write %1: %2").arg(AppendJournal::pathFor(m_path), why);
                return 0;
            }
            journal = true;
            if (g_hook)
                g_hook(AppendStep::JournalWritten, 0);
        }
        // In file order: the file only ever grows by the cards just written.
        if (!writeAt(offset, block)) {
            ok = false;
            fail(QStringLiteral("cannot append card %1").arg(cards + written + 1));
            break;
        }
        offset += block.size();
        written += inBlock;
        if (g_hook)
            g_hook(AppendStep::BlockWritten, written);
    }
    if (ok && journal) {
        if (!syncToDisk()) {
            ok = false;
            fail(QStringLiteral("cannot flush the new cards to the disk"));
        } else if (g_hook) {
            g_hook(AppendStep::Synced, written);
        }
    }
    if (ok) {
        if (journal && !AppendJournal::finish(m_path)) {
            // The cards are in and on the disk; a note left behind would make
            // the next start take them out again, so this is a failure too.
            ok = false;
            m_error = QStringLiteral("cannot remove %1").arg(AppendJournal::pathFor(m_path));
        } else {
            if (journal && g_hook)
                g_hook(AppendStep::Finished, written);
            *added = written;
            return written > 0 ? cards + 1 : 0;
        }
    }
    // Back to the file as it was before the first new card.
    const QString why = m_error;
    m_file->unsetError();
    bool restored = m_file->resize(oldSize);
    if (restored && !tail.isEmpty())
        restored = writeAt(start, tail);
    restored = restored && m_file->size() == oldSize && syncToDisk();
    // The note stays when the file could not be put back: the next start
    // then finishes the job.
    if (restored && journal)
        AppendJournal::finish(m_path);
    m_error = restored ? why : why + QStringLiteral("; the file could not be put back to %1 bytes").arg(oldSize);
    return 0;
}

bool RecordFile::syncToDisk()
{
    if (!m_file->flush())
        return false;
#ifdef Q_OS_WIN
    if (::_commit(m_file->handle()) != 0)
        return false;
#else
    // A device that cannot be synchronised (a pipe, /dev/full) has no cache
    // to lose.
    if (::fsync(m_file->handle()) != 0 && errno != EINVAL && errno != EROFS)
        return false;
#endif
    return true;
}

bool RecordFile::scan(const std::function<bool(qint64 n, const char* record)>& visit)
{
    if (!isOpen())
        return fail(QStringLiteral("file not open"));
    const qint64 total = count();
    if (total == 0)
        return true;
    if (!m_file->seek(0))
        return fail(QStringLiteral("seek failed"));
    const qint64 perBlock = qMax<qint64>(1, g_blockBytes / m_size);
    QByteArray block(perBlock * m_size, Qt::Uninitialized);
    qint64 n = 0;
    while (n < total) {
        const qint64 want = qMin(perBlock, total - n);
        const qint64 bytes = want * m_size;
        qint64 got = 0;
        while (got < bytes) {
            const qint64 r = m_file->read(block.data() + got, bytes - got);
            if (r <= 0)
                return fail(QStringLiteral("short read"));
            got += r;
        }
        for (qint64 i = 0; i < want; ++i) {
            if (!visit(n + i + 1, block.constData() + i * m_size))
                return true;
        }
        n += want;
    }
    return true;
}
