#include "app/core/Backup.h"

#include "app/core/DataFiles.h"
#include "app/core/Product.h"

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

#include <archive.h>
#include <archive_entry.h>

#include <memory>

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

bool parseManifest(const QByteArray& bytes, Manifest* m)
{
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("programma")).toString() != Product::Name)
        return false;
    m->program = Product::Name;
    m->version = root.value(QStringLiteral("versione")).toString();
    m->created = QDateTime::fromString(root.value(QStringLiteral("creato")).toString(), Qt::ISODate);
    const QJsonValue files = root.value(QStringLiteral("file"));
    if (!files.isArray())
        return false;
    QSet<QString> seen;
    for (const QJsonValue& v : files.toArray()) {
        const QJsonObject o = v.toObject();
        Entry e;
        e.path = o.value(QStringLiteral("percorso")).toString();
        bool ok = false;
        e.size = o.value(QStringLiteral("dimensione")).toString().toLongLong(&ok);
        e.sha256 = o.value(QStringLiteral("sha256")).toString().toLatin1();
        if (!ok || e.size < 0 || e.sha256.size() != 64 || !DataFiles::isData(e.path) || seen.contains(e.path))
            return false;
        seen.insert(e.path);
        m->files.append(e);
    }
    return true;
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
            if (n < 0 || !parseManifest(bytes, &m)) {
                failed(error, QStringLiteral("%1: l'elenco dei file è illeggibile.").arg(damaged()));
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
QString staged(const QString& path)
{
    return path + QStringLiteral(".selvora-nuovo");
}
QString kept(const QString& path)
{
    return path + QStringLiteral(".selvora-vecchio");
}
} // namespace

bool restore(const QString& folder, const QString& zipPath, const QString& safetyZip, const Progress& progress,
             QString* error)
{
    Plan p;
    if (!plan(folder, zipPath, &p, error))
        return false;
    const QDir dir(folder);
    const QString untouched = QStringLiteral("\n\nI dati attuali non sono stati modificati.");

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
    }

    // 2. Every file of the backup written beside its target.
    QStringList stagedFiles;
    auto dropStaged = [&] {
        for (const QString& rel : stagedFiles)
            QFile::remove(staged(dir.filePath(rel)));
    };
    std::unique_ptr<QFile> current;
    QString currentPath;
    QString sinkError;
    const auto sink = [&](const Entry& e, const QByteArray& block, bool last) {
        if (currentPath != e.path) {
            currentPath = e.path;
            const QString target = dir.filePath(e.path);
            QDir().mkpath(QFileInfo(target).absolutePath());
            current = std::make_unique<QFile>(staged(target));
            if (QFileInfo::exists(staged(target)) && !QFile::remove(staged(target))) {
                sinkError = e.path;
                return false;
            }
            if (!current->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                sinkError = e.path;
                return false;
            }
            stagedFiles << e.path;
        }
        if (current->write(block) != block.size()) {
            sinkError = e.path;
            return false;
        }
        if (last) {
            const bool ok = current->flush() && current->error() == QFileDevice::NoError;
            current->close();
            if (!ok || current->error() != QFileDevice::NoError) {
                sinkError = e.path;
                return false;
            }
        }
        return true;
    };
    QString why;
    const bool read = readZip(zipPath, nullptr, &why, progress, sink);
    if (current)
        current->close();
    // Empty files get no data block with bytes, but the sink still sees
    // their closing call; files the zip did not reach are caught here.
    if (!read || stagedFiles.size() != p.manifest.files.size()) {
        dropStaged();
        if (!sinkError.isEmpty())
            why = QStringLiteral("non è stato possibile scrivere \"%1\" nella cartella del programma (il disco "
                                 "potrebbe essere pieno o protetto da scrittura)")
                      .arg(sinkError);
        failed(error, QStringLiteral("Il ripristino non è riuscito: %1%2").arg(why, untouched));
        return false;
    }

    // 3. The swap: each current file is set aside, the new one takes its
    // name. Anything going wrong puts the set-aside files back.
    QStringList setAside; // current files renamed to kept()
    QStringList putInPlace; // staged files renamed to their targets
    auto rollBack = [&] {
        for (const QString& rel : putInPlace)
            QFile::remove(dir.filePath(rel));
        for (const QString& rel : setAside)
            QFile::rename(kept(dir.filePath(rel)), dir.filePath(rel));
        dropStaged();
    };
    int replaced = 0;
    for (const QString& rel : p.removed) {
        const QString target = dir.filePath(rel);
        QFile::remove(kept(target));
        if (!QFile::rename(target, kept(target))) {
            rollBack();
            failed(error,
                   QStringLiteral("Il ripristino non è riuscito: non è stato possibile spostare \"%1\".%2")
                       .arg(rel, untouched));
            return false;
        }
        setAside << rel;
    }
    for (const Entry& e : p.manifest.files) {
        const QString target = dir.filePath(e.path);
        bool ok = g_replaceFailure < 0 || replaced < g_replaceFailure;
        if (ok && QFileInfo::exists(target)) {
            QFile::remove(kept(target));
            ok = QFile::rename(target, kept(target));
            if (ok)
                setAside << e.path;
        }
        if (ok) {
            ok = QFile::rename(staged(target), target);
            if (ok)
                putInPlace << e.path;
        }
        if (!ok) {
            rollBack();
            failed(error,
                   QStringLiteral("Il ripristino non è riuscito: non è stato possibile sostituire \"%1\". "
                                  "Tutti i file precedenti sono stati rimessi al loro posto.%2")
                       .arg(e.path, untouched));
            return false;
        }
        ++replaced;
    }
    for (const QString& rel : setAside)
        QFile::remove(kept(dir.filePath(rel)));
    return true;
}

} // namespace Backup
