#include "safety/core/Backup.h"

#include "base/core/AccessMode.h"
#include "base/core/DataFiles.h"
#include "base/core/LinkGuard.h"
#include "base/core/Product.h"
#include "base/core/ProgramFolder.h"
#include "base/core/SafeWrite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <QUrl>
#include <QVersionNumber>

#include <archive.h>
#include <archive_entry.h>

#include <cstdlib>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace Backup {

namespace {

constexpr qint64 kBlock = 1024 * 1024;
int g_replaceFailure = -1;

QString failed(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return why;
}

struct ArchiveWriter
{
    static la_ssize_t write(struct archive*, void* client, const void* buffer, size_t length)
    {
        auto* out = static_cast<QSaveFile*>(client);
        const qint64 n = out->write(static_cast<const char*>(buffer), qint64(length));
        if (n != qint64(length))
            return -1;
        return la_ssize_t(n);
    }
};

struct ReadDeleter
{
    void operator()(struct archive* a) const { archive_read_free(a); }
};
struct WriteDeleter
{
    void operator()(struct archive* a) const { archive_write_free(a); }
};
using ReadArchive = std::unique_ptr<struct archive, ReadDeleter>;
using WriteArchive = std::unique_ptr<struct archive, WriteDeleter>;

QByteArray manifestJson(const Manifest& m)
{
    QJsonArray files;
    for (const Entry& e : m.files) {
        files.append(QJsonObject {{QStringLiteral("percorso"), e.path},
                                  {QStringLiteral("dimensione"), QString::number(e.size)},
                                  {QStringLiteral("sha256"), QString::fromLatin1(e.sha256)}});
    }
    const QJsonObject root {{QStringLiteral("programma"), m.program},
                            {QStringLiteral("versione"), m.version},
                            {QStringLiteral("creato"), m.created.toString(Qt::ISODate)},
                            {QStringLiteral("file"), files}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// A name inside the zip that stays inside its root: relative, no "." or ".."
// part, no backslash (read as a separator by other systems), no drive letter.
bool safeName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')))
        return false;
    for (const QString& part : name.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

enum class ManifestFault
{
    None,
    Unreadable,
    BadName
};

ManifestFault parseManifest(const QByteArray& bytes, Manifest* m, QString* badName)
{
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        return ManifestFault::Unreadable;
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("programma")).toString() != Product::Name)
        return ManifestFault::Unreadable;
    m->program = Product::Name;
    m->version = root.value(QStringLiteral("versione")).toString();
    m->created = QDateTime::fromString(root.value(QStringLiteral("creato")).toString(), Qt::ISODate);
    const QJsonValue files = root.value(QStringLiteral("file"));
    if (!files.isArray())
        return ManifestFault::Unreadable;
    QSet<QString> seen;
    for (const QJsonValue& v : files.toArray()) {
        const QJsonObject o = v.toObject();
        Entry e;
        e.path = o.value(QStringLiteral("percorso")).toString();
        // A name that would leave the folder (or be read so by another
        // system) is refused here, whatever the entries of the zip are.
        if (!safeName(e.path)) {
            *badName = e.path;
            return ManifestFault::BadName;
        }
        bool ok = false;
        e.size = o.value(QStringLiteral("dimensione")).toString().toLongLong(&ok);
        e.sha256 = o.value(QStringLiteral("sha256")).toString().toLatin1();
        if (!ok || e.size < 0 || e.sha256.size() != 64 || !DataFiles::isData(e.path) || seen.contains(e.path))
            return ManifestFault::Unreadable;
        seen.insert(e.path);
        m->files.append(e);
    }
    return ManifestFault::None;
}

// The versions whose backups this program reads: its own and older ones.
bool knownVersion(const QString& version)
{
    qsizetype end = 0;
    const QVersionNumber v = QVersionNumber::fromString(version, &end);
    if (v.isNull() || end != version.size())
        return false;
    return v <= QVersionNumber::fromString(Product::Version);
}

// Whether path is (or would be made) inside the program folder, by its name
// or through a link.
bool insideProgramFolder(const QString& path)
{
    const QString folder = ProgramFolder::path();
    if (folder.isEmpty())
        return false;
    const QString root = QDir::cleanPath(QDir(folder).absolutePath());
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (absolute.startsWith(root + QLatin1Char('/')))
        return true;
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString canonicalDir = QFileInfo(QFileInfo(absolute).absolutePath()).canonicalFilePath();
    return !canonicalRoot.isEmpty() &&
        (canonicalDir == canonicalRoot || canonicalDir.startsWith(canonicalRoot + QLatin1Char('/')));
}

QString damaged()
{
    return QStringLiteral("Il file scelto non è un backup di Selvora integro");
}

// Reads every entry of the zip, handing each plain file's bytes to sink (when
// given) as they come. Checks names, kinds, sizes and hashes against the
// manifest, which must be the first entry.
bool readZip(const QString& zipPath, Manifest* manifest, QString* error, const Progress& progress,
             const std::function<bool(const Entry& e, const QByteArray& block, bool last)>& sink)
{
    ReadArchive a(archive_read_new());
    archive_read_support_format_zip(a.get());
    if (archive_read_open_filename(a.get(), QFile::encodeName(zipPath).constData(), 64 * 1024) != ARCHIVE_OK) {
        failed(error, QStringLiteral("%1: non è un file zip leggibile.").arg(damaged()));
        return false;
    }
    Manifest m;
    QHash<QString, int> index;
    QSet<QString> found;
    qint64 total = 0;
    qint64 done = 0;
    bool first = true;
    QByteArray block;
    for (;;) {
        struct archive_entry* entry = nullptr;
        const int r = archive_read_next_header(a.get(), &entry);
        if (r == ARCHIVE_EOF)
            break;
        if (r != ARCHIVE_OK) {
            failed(error, QStringLiteral("%1: il file zip è danneggiato.").arg(damaged()));
            return false;
        }
        const char* raw = archive_entry_pathname_utf8(entry);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        if (!safeName(name)) {
            failed(error,
                   QStringLiteral("%1: contiene un file con un percorso non ammesso (\"%2\").\n\n"
                                  "Per sicurezza non viene usato.")
                       .arg(damaged(), name));
            return false;
        }
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) ||
            archive_entry_symlink(entry)) {
            failed(error,
                   QStringLiteral("%1: contiene un collegamento o un elemento che non è un file (\"%2\").\n\n"
                                  "Per sicurezza non viene usato.")
                       .arg(damaged(), name));
            return false;
        }
        if (first) {
            first = false;
            QByteArray bytes;
            if (name != manifestName()) {
                failed(error, QStringLiteral("%1: manca l'elenco dei file (%2).").arg(damaged(), manifestName()));
                return false;
            }
            char buf[64 * 1024];
            la_ssize_t n;
            while ((n = archive_read_data(a.get(), buf, sizeof buf)) > 0 && bytes.size() < 64 * 1024 * 1024)
                bytes.append(buf, int(n));
            QString badName;
            const ManifestFault fault = n < 0 ? ManifestFault::Unreadable : parseManifest(bytes, &m, &badName);
            if (fault == ManifestFault::BadName) {
                failed(error,
                       QStringLiteral("%1: l'elenco dei file nomina un percorso non ammesso (\"%2\").\n\n"
                                      "Per sicurezza non viene usato.")
                           .arg(damaged(), badName));
                return false;
            }
            if (fault != ManifestFault::None) {
                failed(error, QStringLiteral("%1: l'elenco dei file è illeggibile.").arg(damaged()));
                return false;
            }
            if (!knownVersion(m.version)) {
                failed(error,
                       QStringLiteral("Il backup è stato fatto con Selvora %1, una versione che questo programma "
                                      "(Selvora %2) non conosce: non può essere ripristinato qui.\n\n"
                                      "Per ripristinarlo usare Selvora %1 o una versione più recente.")
                           .arg(m.version.isEmpty() ? QStringLiteral("(versione non indicata)") : m.version,
                                Product::Version));
                return false;
            }
            for (int i = 0; i < m.files.size(); ++i) {
                index.insert(m.files[i].path, i);
                total += m.files[i].size;
            }
            continue;
        }
        if (!index.contains(name) || found.contains(name)) {
            failed(error,
                   QStringLiteral("%1: contiene un file che il suo elenco non nomina (\"%2\").").arg(damaged(), name));
            return false;
        }
        found.insert(name);
        const Entry& e = m.files[index.value(name)];
        QCryptographicHash hash(QCryptographicHash::Sha256);
        qint64 size = 0;
        block.resize(kBlock);
        for (;;) {
            const la_ssize_t n = archive_read_data(a.get(), block.data(), size_t(block.size()));
            if (n < 0) {
                failed(error, QStringLiteral("%1: il file \"%2\" è danneggiato.").arg(damaged(), name));
                return false;
            }
            const QByteArray chunk = QByteArray::fromRawData(block.constData(), int(n));
            size += n;
            done += n;
            if (size > e.size) {
                failed(error, QStringLiteral("%1: il file \"%2\" non corrisponde all'elenco.").arg(damaged(), name));
                return false;
            }
            hash.addData(chunk);
            if (sink && !sink(e, chunk, n == 0)) {
                failed(error, QString());
                return false;
            }
            if (progress && !progress(done, total)) {
                failed(error, QStringLiteral("Operazione annullata."));
                return false;
            }
            if (n == 0)
                break;
        }
        if (size != e.size || hash.result().toHex() != e.sha256) {
            failed(error,
                   QStringLiteral("%1: il file \"%2\" non corrisponde all'elenco (dimensione o impronta "
                                  "SHA-256 diverse).")
                       .arg(damaged(), name));
            return false;
        }
    }
    if (first) {
        failed(error, QStringLiteral("%1: manca l'elenco dei file (%2).").arg(damaged(), manifestName()));
        return false;
    }
    if (found.size() != m.files.size()) {
        for (const Entry& e : m.files) {
            if (!found.contains(e.path)) {
                failed(error, QStringLiteral("%1: manca il file \"%2\".").arg(damaged(), e.path));
                return false;
            }
        }
    }
    if (manifest)
        *manifest = m;
    return true;
}

bool hashFile(const QString& path, Entry* e, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        failed(error, QStringLiteral("Non è possibile leggere il file \"%1\": %2").arg(e->path, f.errorString()));
        return false;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 size = 0;
    while (!f.atEnd()) {
        const QByteArray chunk = f.read(kBlock);
        if (chunk.isEmpty() && f.error() != QFileDevice::NoError) {
            failed(error, QStringLiteral("Non è possibile leggere il file \"%1\": %2").arg(e->path, f.errorString()));
            return false;
        }
        size += chunk.size();
        hash.addData(chunk);
    }
    e->size = size;
    e->sha256 = hash.result().toHex();
    return true;
}

bool writeEntry(struct archive* a, const QString& name, qint64 size, const QDateTime& mtime)
{
    struct archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname_utf8(entry, name.toUtf8().constData());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, size);
    archive_entry_set_mtime(entry, mtime.toSecsSinceEpoch(), 0);
    const int r = archive_write_header(a, entry);
    archive_entry_free(entry);
    return r == ARCHIVE_OK;
}

} // namespace

QString manifestName()
{
    return QStringLiteral("selvora-manifest.json");
}

QString defaultFileName(const QDateTime& when)
{
    return QStringLiteral("Selvora-backup-%1.zip").arg(when.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
}

QString safetyFolderName()
{
    return QStringLiteral("Backup_di_sicurezza");
}

QString safetyFileName(const QDateTime& when)
{
    return QStringLiteral("Selvora-prima-del-ripristino-%1.zip")
        .arg(when.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

void setReplaceFailureForTest(int afterFiles)
{
    g_replaceFailure = afterFiles;
}

bool create(const QString& folder, const QString& zipPath, const Progress& progress, Manifest* written, QString* error)
{
    // A read-only run stores nothing in the program folder, whichever window
    // asks; another folder stays allowed.
    if (AccessMode::readOnly() && insideProgramFolder(zipPath)) {
        failed(error,
               QStringLiteral("%1\n\nIl backup non può essere salvato nella cartella del programma: "
                              "sceglierne un'altra, per esempio una chiavetta USB o i Documenti.")
                   .arg(AccessMode::reason()));
        return false;
    }
    const QDir dir(folder);
    Manifest m;
    m.program = Product::Name;
    m.version = Product::Version;
    m.created = QDateTime::currentDateTime();
    // The manifest comes first in the zip, so a restore knows what to expect
    // before it reads a byte of data: every file is hashed first.
    qint64 total = 0;
    for (const QString& rel : DataFiles::list(folder)) {
        Entry e;
        e.path = rel;
        if (!hashFile(dir.filePath(rel), &e, error))
            return false;
        total += e.size;
        m.files.append(e);
    }

    QSaveFile out(zipPath);
    if (!out.open(QIODevice::WriteOnly)) {
        failed(error,
               QStringLiteral("Non è possibile creare il file di backup \"%1\": %2")
                   .arg(QDir::toNativeSeparators(zipPath), out.errorString()));
        return false;
    }
    auto abandon = [&](const QString& why) {
        out.cancelWriting();
        failed(error, why);
        return false;
    };
    const QString writeFailure = QStringLiteral("Non è possibile scrivere il file di backup \"%1\" (il disco "
                                                "potrebbe essere pieno o protetto da scrittura).")
                                     .arg(QDir::toNativeSeparators(zipPath));
    {
        WriteArchive a(archive_write_new());
        archive_write_set_format_zip(a.get());
        archive_write_zip_set_compression_deflate(a.get());
        archive_write_set_bytes_in_last_block(a.get(), 1);
        if (archive_write_open(a.get(), &out, nullptr, &ArchiveWriter::write, nullptr) != ARCHIVE_OK)
            return abandon(writeFailure);
        const QByteArray manifest = manifestJson(m);
        if (!writeEntry(a.get(), manifestName(), manifest.size(), m.created) ||
            archive_write_data(a.get(), manifest.constData(), size_t(manifest.size())) != manifest.size())
            return abandon(writeFailure);
        qint64 done = 0;
        for (const Entry& e : m.files) {
            QFile f(dir.filePath(e.path));
            if (!f.open(QIODevice::ReadOnly))
                return abandon(
                    QStringLiteral("Non è possibile leggere il file \"%1\": %2").arg(e.path, f.errorString()));
            if (!writeEntry(a.get(), e.path, e.size, QFileInfo(f).lastModified()))
                return abandon(writeFailure);
            QCryptographicHash hash(QCryptographicHash::Sha256);
            qint64 size = 0;
            while (size < e.size) {
                const QByteArray chunk = f.read(qMin(kBlock, e.size - size));
                if (chunk.isEmpty())
                    break;
                hash.addData(chunk);
                if (archive_write_data(a.get(), chunk.constData(), size_t(chunk.size())) != chunk.size())
                    return abandon(writeFailure);
                size += chunk.size();
                done += chunk.size();
                if (progress && !progress(done, total * 2))
                    return abandon(QStringLiteral("Backup annullato: nessun file è stato scritto."));
            }
            // A file that changed while it was being read would not match
            // its manifest line: better to say so than keep a wrong backup.
            if (size != e.size || !f.atEnd() || hash.result().toHex() != e.sha256)
                return abandon(
                    QStringLiteral("Il file \"%1\" è cambiato durante il backup: ripetere il backup.").arg(e.path));
        }
        if (archive_write_close(a.get()) != ARCHIVE_OK)
            return abandon(writeFailure);
    }
    if (!out.flush() || out.error() != QFileDevice::NoError)
        return abandon(writeFailure);
    if (!out.commit()) {
        failed(error, writeFailure);
        return false;
    }
    // Read back before it counts as done.
    Manifest check;
    QString why;
    const qint64 base = total;
    const Progress second = [&](qint64 done, qint64) { return !progress || progress(base + done, total * 2); };
    if (!verify(zipPath, &check, &why, second) || check.files.size() != m.files.size()) {
        QFile::remove(zipPath);
        failed(error,
               QStringLiteral("Il backup scritto in \"%1\" non si rilegge correttamente ed è stato "
                              "eliminato: %2")
                   .arg(QDir::toNativeSeparators(zipPath), why));
        return false;
    }
    if (written)
        *written = m;
    return true;
}

bool verify(const QString& zipPath, Manifest* manifest, QString* error, const Progress& progress)
{
    return readZip(zipPath, manifest, error, progress, {});
}

bool plan(const QString& folder, const QString& zipPath, Plan* out, QString* error)
{
    Plan p;
    if (!verify(zipPath, &p.manifest, error))
        return false;
    const QDir dir(folder);
    QSet<QString> inBackup;
    for (const Entry& e : p.manifest.files) {
        inBackup.insert(e.path);
        (QFileInfo::exists(dir.filePath(e.path)) ? p.replaced : p.added) << e.path;
    }
    for (const QString& rel : DataFiles::list(folder)) {
        if (!inBackup.contains(rel))
            p.removed << rel;
    }
    *out = p;
    return true;
}

namespace {

// A restore works in a hidden folder of its own inside the program folder:
// the new files wait there under numbers ("nuovi/0", "nuovi/1", ...), the
// files they replace are set aside there ("vecchi/0", ...), and a journal
// says which number goes where. No name there depends on the length of a
// data file's name, and nothing there is ever taken for data.
QString workFolder(const QString& folder)
{
    return QDir(folder).filePath(workFolderName());
}
QString newCopy(const QString& work, int i)
{
    return work + QStringLiteral("/nuovi/") + QString::number(i);
}
QString oldCopy(const QString& work, int i)
{
    return work + QStringLiteral("/vecchi/") + QString::number(i);
}
QString journalFile(const QString& work)
{
    return work + QStringLiteral("/giornale.txt");
}

bool exists(const QString& path)
{
    const QFileInfo fi(path);
    return fi.exists() || fi.isSymLink();
}

enum class Kind
{
    Replaced,
    Added,
    Removed
};
struct Step
{
    Kind kind = Kind::Added;
    QString path;
};
// What the swap does, written (safely) before it starts. "avanti": the
// swap is under way and is finished at the next start; "indietro": it
// failed and every previous file goes back.
struct Journal
{
    bool forward = true;
    QString safetyZip;
    QList<Step> steps;
};

const QByteArray kJournalHeader = "Selvora giornale del ripristino 1";

QByteArray journalText(const Journal& j)
{
    QByteArray out = kJournalHeader + '\n';
    out += j.forward ? "verso=avanti\n" : "verso=indietro\n";
    out += "sicurezza=" + QUrl::toPercentEncoding(j.safetyZip) + '\n';
    for (const Step& st : j.steps) {
        out += st.kind == Kind::Replaced ? 'S' : st.kind == Kind::Added ? 'A' : 'T';
        out += ' ' + QUrl::toPercentEncoding(st.path) + '\n';
    }
    return out + "fine\n";
}

bool readJournal(const QString& path, Journal* j)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = f.readAll().split('\n');
    if (f.error() != QFileDevice::NoError || lines.size() < 4 || lines[0] != kJournalHeader)
        return false;
    if (lines[1] == "verso=avanti")
        j->forward = true;
    else if (lines[1] == "verso=indietro")
        j->forward = false;
    else
        return false;
    if (!lines[2].startsWith("sicurezza="))
        return false;
    j->safetyZip = QUrl::fromPercentEncoding(lines[2].mid(10));
    for (int i = 3; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line == "fine")
            return true;
        if (line.size() < 3 || line[1] != ' ')
            return false;
        Step st;
        if (line[0] == 'S')
            st.kind = Kind::Replaced;
        else if (line[0] == 'A')
            st.kind = Kind::Added;
        else if (line[0] == 'T')
            st.kind = Kind::Removed;
        else
            return false;
        st.path = QUrl::fromPercentEncoding(line.mid(2));
        // Only data files are ever moved, whatever the journal says.
        if (!safeName(st.path) || !DataFiles::isData(st.path))
            return false;
        j->steps << st;
    }
    return false; // torn: no closing line
}

// Tests stop a restore at a given step (the process ends there as if
// killed) to check that the next start finishes or undoes it.
int g_stopAt = 0;
int g_steps = 0;
void reached()
{
    if (g_stopAt > 0 && ++g_steps >= g_stopAt)
        std::_Exit(86);
}

bool syncFile(QFile& f)
{
#ifdef Q_OS_UNIX
    return ::fsync(f.handle()) == 0;
#elif defined(Q_OS_WIN)
    return ::_commit(f.handle()) == 0;
#else
    Q_UNUSED(f);
    return true;
#endif
}

// Makes the renames inside a folder durable.
void syncFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

void syncFolders(const QDir& dir, const QString& work, const Journal& j)
{
    QSet<QString> folders {work + QStringLiteral("/nuovi"), work + QStringLiteral("/vecchi"), work};
    for (const Step& st : j.steps)
        folders.insert(QFileInfo(dir.filePath(st.path)).absolutePath());
    for (const QString& f : folders)
        syncFolder(f);
}

// Each new file takes its place, the file it replaces set aside first. Run
// again after a crash it goes on from where it stopped.
bool goForward(const QDir& dir, const QString& work, const Journal& j, QString* stuck)
{
    int placed = 0;
    for (int i = 0; i < j.steps.size(); ++i) {
        const Step& st = j.steps[i];
        const QString target = dir.filePath(st.path);
        const QString fresh = newCopy(work, i);
        const QString old = oldCopy(work, i);
        *stuck = st.path;
        if (st.kind == Kind::Removed) {
            if (exists(target) && !exists(old)) {
                if (!QFile::rename(target, old))
                    return false;
                reached();
            }
            continue;
        }
        if (!exists(fresh))
            continue; // already in place
        if (g_replaceFailure >= 0 && placed >= g_replaceFailure)
            return false;
        if (exists(target)) {
            if (exists(old) || !QFile::rename(target, old))
                return false;
            reached();
        }
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::rename(fresh, target))
            return false;
        reached();
        ++placed;
    }
    stuck->clear();
    return true;
}

// Every file set aside goes back to its place, the new one back where it
// waited. Run again after a crash it goes on from where it stopped.
bool goBack(const QDir& dir, const QString& work, const Journal& j, QString* stuck)
{
    bool whole = true;
    for (int i = int(j.steps.size()) - 1; i >= 0; --i) {
        const Step& st = j.steps[i];
        const QString target = dir.filePath(st.path);
        const QString fresh = newCopy(work, i);
        const QString old = oldCopy(work, i);
        const bool newInPlace =
            st.kind != Kind::Removed && !exists(fresh) && exists(target) && (st.kind == Kind::Added || exists(old));
        if (newInPlace) {
            if (!QFile::rename(target, fresh)) {
                whole = false;
                *stuck = st.path;
                continue;
            }
            reached();
        }
        if (exists(old)) {
            if (exists(target) || !QFile::rename(old, target)) {
                whole = false;
                *stuck = st.path;
                continue;
            }
            reached();
        }
    }
    return whole;
}

// How a restore ended, once every file is where it belongs.
enum class Outcome
{
    Untouched, // stopped before the swap: no data file was touched
    Finished,
    RolledBack
};

// The work folder, renamed at the end of a swap so that its name alone
// tells how the restore ended while its content is being removed.
QString settledFolder(const QString& work, Outcome outcome)
{
    return work + (outcome == Outcome::Finished ? QStringLiteral("-completato") : QStringLiteral("-annullato"));
}

void removeFolder(const QString& path)
{
    for (const QString& sub : {QStringLiteral("/nuovi"), QStringLiteral("/vecchi"), QString()}) {
        const QDir d(path + sub);
        if (!d.exists())
            continue;
        for (const QString& name : d.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            QFile::remove(d.filePath(name));
            reached();
        }
    }
    QDir(path).removeRecursively();
}

// Removes the work folder. After a swap it first takes the name that says
// how it ended (one atomic step), so that a crash while it is emptied is
// never read as a restore that had not started.
void clearWork(const QString& work, Outcome outcome)
{
    if (outcome != Outcome::Untouched) {
        const QString settled = settledFolder(work, outcome);
        if (exists(settled))
            QDir(settled).removeRecursively();
        if (QDir().rename(work, settled)) {
            syncFolder(QFileInfo(work).absolutePath());
            reached();
            removeFolder(settled);
            return;
        }
    }
    removeFolder(work);
}

QString interrupted()
{
    return QStringLiteral("Un ripristino dei dati era stato interrotto (il programma si è chiuso o il computer "
                          "si è spento mentre era in corso)");
}

QString stuckText(const QString& work, const Journal& j, const QString& stuck)
{
    QString text = QStringLiteral("non è stato possibile né completarlo né annullarlo (file \"%1\"). "
                                  "I file in sospeso sono nella cartella nascosta \"%2\": non cancellarla; "
                                  "Selvora riproverà alla prossima apertura.")
                       .arg(stuck, QDir::toNativeSeparators(work));
    if (!j.safetyZip.isEmpty())
        text += QStringLiteral("\n\nI dati di prima del ripristino sono anche nel backup di sicurezza:\n%1")
                    .arg(QDir::toNativeSeparators(j.safetyZip));
    return text;
}

} // namespace

QString workFolderName()
{
    return QStringLiteral(".selvora-ripristino");
}

Recovery finishInterrupted(const QString& folder, QString* message)
{
    const QDir dir(folder);
    const QString work = workFolder(folder);
    auto told = [message](Recovery r, const QString& text) {
        if (message)
            *message = text;
        return r;
    };
    const QString finishedText =
        QStringLiteral("%1: è stato completato ora.\n\nI dati sono tutti quelli del backup.").arg(interrupted());
    const QString undoneText =
        QStringLiteral(": è stato annullato.\n\nI dati sono tutti quelli di prima del ripristino.");
    if (!exists(work)) {
        // Stopped while its work folder was being removed: every file was
        // already in its place, and the folder's name says which.
        if (exists(settledFolder(work, Outcome::Finished))) {
            removeFolder(settledFolder(work, Outcome::Finished));
            return told(Recovery::Finished, finishedText);
        }
        if (exists(settledFolder(work, Outcome::RolledBack))) {
            removeFolder(settledFolder(work, Outcome::RolledBack));
            return told(Recovery::RolledBack, interrupted() + undoneText);
        }
        return Recovery::Nothing;
    }
    if (!exists(journalFile(work))) {
        // Stopped before the swap: not one data file was touched.
        clearWork(work, Outcome::Untouched);
        return told(Recovery::RolledBack,
                    QStringLiteral("%1 prima di modificare qualsiasi file: è stato annullato.\n\n"
                                   "I dati sono tutti quelli di prima del ripristino.")
                        .arg(interrupted()));
    }
    Journal j;
    if (!readJournal(journalFile(work), &j))
        return told(Recovery::Failed,
                    QStringLiteral("Attenzione: %1, ma il suo giornale è illeggibile: %2")
                        .arg(interrupted(), stuckText(work, j, journalFile(work))));
    QString stuck;
    if (j.forward) {
        if (goForward(dir, work, j, &stuck)) {
            syncFolders(dir, work, j);
            clearWork(work, Outcome::Finished);
            return told(Recovery::Finished, finishedText);
        }
        j.forward = false;
        QString ignored;
        SafeWrite::wholeFile(journalFile(work), journalText(j), &ignored);
    }
    const QString forwardStuck = stuck;
    if (goBack(dir, work, j, &stuck)) {
        syncFolders(dir, work, j);
        clearWork(work, Outcome::RolledBack);
        QString text = interrupted();
        if (!forwardStuck.isEmpty())
            text += QStringLiteral(" e non è stato possibile completarlo (file \"%1\")").arg(forwardStuck);
        return told(Recovery::RolledBack, text + undoneText);
    }
    return told(Recovery::Failed, QStringLiteral("Attenzione: %1 e %2").arg(interrupted(), stuckText(work, j, stuck)));
}

bool restore(const QString& folder, const QString& zipPath, const QString& safetyZip, const Progress& progress,
             QString* error)
{
    g_stopAt = qEnvironmentVariableIntValue("SELVORA_RESTORE_STOP_AT_STEP");
    g_steps = 0;
    const QString untouched = QStringLiteral("\n\nI dati attuali non sono stati modificati.");
    if (AccessMode::readOnly()) {
        failed(error,
               QStringLiteral("%1\n\nIl ripristino non è possibile in sola lettura.%2")
                   .arg(AccessMode::reason(), untouched));
        return false;
    }
    const QDir dir(folder);
    const QString work = workFolder(folder);
    if (LinkGuard::leadsOut(work + QStringLiteral("/giornale.txt"), folder)) {
        failed(
            error,
            QStringLiteral("Il ripristino non è possibile: %1%2").arg(LinkGuard::message(workFolderName()), untouched));
        return false;
    }
    // What an earlier restore left when it was stopped is settled first.
    {
        QString told;
        if (finishInterrupted(folder, &told) == Recovery::Failed) {
            failed(error, QStringLiteral("Il ripristino non è possibile.\n\n%1").arg(told));
            return false;
        }
    }
    Plan p;
    if (!plan(folder, zipPath, &p, error))
        return false;
    for (const Entry& e : p.manifest.files) {
        if (LinkGuard::leadsOut(dir.filePath(e.path), folder)) {
            failed(error,
                   QStringLiteral("Il ripristino non è possibile: %1%2").arg(LinkGuard::message(e.path), untouched));
            return false;
        }
    }

    // 1. A safety copy of what is there now.
    if (!safetyZip.isEmpty()) {
        QDir().mkpath(QFileInfo(safetyZip).absolutePath());
        QString why;
        if (!create(folder, safetyZip, Progress(), nullptr, &why)) {
            failed(error,
                   QStringLiteral("Non è stato possibile fare il backup di sicurezza dei dati attuali: %1%2")
                       .arg(why, untouched));
            return false;
        }
        reached();
    }

    // 2. Every file of the backup written into the work folder.
    Journal j;
    j.safetyZip = safetyZip;
    QHash<QString, int> number;
    for (const Entry& e : p.manifest.files) {
        number.insert(e.path, int(j.steps.size()));
        j.steps << Step {exists(dir.filePath(e.path)) ? Kind::Replaced : Kind::Added, e.path};
    }
    for (const QString& rel : p.removed)
        j.steps << Step {Kind::Removed, rel};

    const QString writeFailure = QStringLiteral("non è stato possibile scrivere \"%1\" nella cartella del programma "
                                                "(il disco potrebbe essere pieno o protetto da scrittura)");
    if (!QDir().mkpath(work + QStringLiteral("/nuovi")) || !QDir().mkpath(work + QStringLiteral("/vecchi"))) {
        clearWork(work, Outcome::Untouched);
        failed(error,
               QStringLiteral("Il ripristino non è riuscito: %1%2").arg(writeFailure.arg(workFolderName()), untouched));
        return false;
    }
    int staged = 0;
    std::unique_ptr<QFile> current;
    QString currentPath;
    QString sinkError;
    const auto sink = [&](const Entry& e, const QByteArray& block, bool last) {
        if (currentPath != e.path) {
            currentPath = e.path;
            current = std::make_unique<QFile>(newCopy(work, number.value(e.path)));
            if (!current->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                sinkError = e.path;
                return false;
            }
        }
        if (current->write(block) != block.size()) {
            sinkError = e.path;
            return false;
        }
        if (last) {
            const bool ok = current->flush() && syncFile(*current) && current->error() == QFileDevice::NoError;
            current->close();
            if (!ok || current->error() != QFileDevice::NoError) {
                sinkError = e.path;
                return false;
            }
            ++staged;
            reached();
        }
        return true;
    };
    QString why;
    const bool read = readZip(zipPath, nullptr, &why, progress, sink);
    if (current)
        current->close();
    // Empty files get no data block with bytes, but the sink still sees
    // their closing call; files the zip did not reach are caught here.
    if (!read || staged != p.manifest.files.size()) {
        clearWork(work, Outcome::Untouched);
        if (!sinkError.isEmpty())
            why = writeFailure.arg(sinkError);
        failed(error, QStringLiteral("Il ripristino non è riuscito: %1%2").arg(why, untouched));
        return false;
    }

    // 3. The journal: from here on the restore is finished at the next
    // start if it is stopped.
    if (!SafeWrite::wholeFile(journalFile(work), journalText(j), &why)) {
        clearWork(work, Outcome::Untouched);
        failed(error,
               QStringLiteral("Il ripristino non è riuscito: %1 (%2)%3")
                   .arg(writeFailure.arg(workFolderName()), why, untouched));
        return false;
    }
    syncFolder(work);
    reached();

    // 4. The swap. Anything going wrong puts every previous file back.
    QString stuck;
    if (!goForward(dir, work, j, &stuck)) {
        const QString failedFile = stuck;
        j.forward = false;
        QString ignored;
        SafeWrite::wholeFile(journalFile(work), journalText(j), &ignored);
        reached();
        if (goBack(dir, work, j, &stuck)) {
            syncFolders(dir, work, j);
            clearWork(work, Outcome::RolledBack);
            failed(error,
                   QStringLiteral("Il ripristino non è riuscito: non è stato possibile sostituire \"%1\". "
                                  "Tutti i file precedenti sono stati rimessi al loro posto.%2")
                       .arg(failedFile, untouched));
            return false;
        }
        failed(error, QStringLiteral("Il ripristino non è riuscito e %1").arg(stuckText(work, j, stuck)));
        return false;
    }
    syncFolders(dir, work, j);
    clearWork(work, Outcome::Finished);
    return true;
}

} // namespace Backup
