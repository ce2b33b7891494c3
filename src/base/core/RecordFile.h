// A headerless file of fixed-size records: the candidate archive and every
// session file. Card n (from 1) is the record at byte (n - 1) x size; the card
// count is the file size divided by the size, rounded down, so a partial tail
// is never read. Each command opens the file, works in whole records and
// closes it again; nothing is cached between commands.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QFile;

class RecordFile
{
public:
    RecordFile(const QString& path, int recordSize);
    ~RecordFile();

    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens for reading and writing; a missing file is created empty. A path
    // that is a folder, or a file that cannot be opened for writing, fails.
    bool open();
    void close();
    bool isOpen() const;

    int recordSize() const { return m_size; }
    qint64 count() const;

    // Card n, 1 <= n <= count().
    bool read(qint64 n, QByteArray* record);

    // Overwrites card n in place (1 <= n <= count()). If the write fails the
    // old bytes are put back, so no other card is ever touched.
    bool rewrite(qint64 n, const QByteArray& record);

    // Writes a new card after the last whole card (over any partial tail) and
    // returns its number; 0 on failure, after shrinking the file back to its
    // whole cards.
    qint64 append(const QByteArray& record);

    // Writes many new cards in one pass after the last whole card: next()
    // fills *record with recordSize() bytes and returns false when there are
    // no more. Returns the number of the first card written and sets *added.
    // On any failure returns 0 after putting the file back exactly as it was
    // (its old length and the bytes of any partial tail), and says in
    // errorString() whether even that failed.
    //
    // A crash or a power cut midway must not leave blank or torn cards: the
    // old length goes first into a note beside the file (AppendJournal), the
    // cards are written in file order, the file is flushed to the disk and
    // only then the note is removed. A note found later means the append was
    // cut short; TailRepair puts the file back from it.
    qint64 appendAll(const std::function<bool(QByteArray* record)>& next, qint64* added);

    // The steps of appendAll(), for the tests that stop the program at each.
    enum class AppendStep
    {
        JournalWritten,
        BlockWritten, // cards: how many are written so far
        Synced,
        Finished, // the note is gone
    };
    using AppendHook = std::function<void(AppendStep step, qint64 cards)>;
    static void setAppendHook(AppendHook hook);
    // Cards per block of appendAll() and scan(); tests make it small.
    static void setBlockBytes(qint64 bytes);

    // Reads every card from the first to the last in large sequential blocks.
    // The callback gets the card number and a pointer to recordSize() bytes,
    // and returns false to stop early.
    bool scan(const std::function<bool(qint64 n, const char* record)>& visit);

    QString errorString() const { return m_error; }

    // "Attenzione: il sistema non permette di accedere all'archivio..." as the
    // program shows it whenever a record file cannot be used.
    static QString accessMessage();

    // Tests give the layer files that fail on purpose.
    using FileFactory = std::function<std::unique_ptr<QFile>(const QString& path)>;
    static void setFileFactory(FileFactory factory);

private:
    bool fail(const QString& what);
    bool writeAt(qint64 offset, const QByteArray& bytes);
    bool syncToDisk();

    QString m_path;
    int m_size;
    std::unique_ptr<QFile> m_file;
    QString m_error;
};
