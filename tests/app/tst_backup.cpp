// Backup and restore of the program folder: a round trip byte for byte, a
// damaged or foreign zip refused with nothing touched, a restore that fails
// midway leaving the old data, a backup target that cannot be written or
// that fills up.
#include "app/core/Backup.h"
#include "app/core/DataFiles.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>

#include <archive.h>
#include <archive_entry.h>

namespace {
// Every file under folder (relative path -> bytes), the safety backups aside.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = QDir(folder).relativeFilePath(path);
        if (rel.startsWith(Backup::safetyFolderName()))
            continue;
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        files.insert(rel, f.readAll());
    }
    return files;
}

void fillFolder(const TempProgramFolder& folder, char seed)
{
    folder.write(DataFiles::CandidateArchive, filled(3612 * 3, seed));
    folder.write(QStringLiteral("Colloqui 2026.vai"), filled(5865 * 2, char(seed + 1)));
    folder.write(QStringLiteral("Colloqui 2026.griglia.json"), QByteArray("{\"voci\": []}") + seed);
    folder.write(DataFiles::PasswordFile, QByteArray("ABCDEF") + seed);
    QDir(folder.path()).mkpath(DataFiles::PhotoFolder);
    QDir(folder.path()).mkpath(DataFiles::AttachmentFolder);
    // A photo does not compress: so its bytes fill the zip as they are.
    QByteArray photo(70000, Qt::Uninitialized);
    QRandomGenerator random {quint32(seed)};
    for (char& b : photo)
        b = char(random.bounded(256));
    folder.write(DataFiles::PhotoFolder + QStringLiteral("/Scheda_Candidato_2.jpg"), photo);
    folder.write(DataFiles::AttachmentFolder + QStringLiteral("/curriculum è.pdf"), filled(1000, char(seed + 3)));
    folder.write(QStringLiteral("vuoto.vai"), QByteArray());
    // Not data: left alone by backup and restore.
    folder.write(QStringLiteral("Guida.pdf"), "manuale");
}

// A zip made by hand: a manifest naming the given files (with their real
// hashes unless told otherwise), then the entries as listed.
struct ZipEntry
{
    ZipEntry(const QString& n, const QByteArray& b, int t = AE_IFREG, const QString& l = QString())
        : name(n)
        , bytes(b)
        , type(t)
        , link(l)
    {
    }
    QString name;
    QByteArray bytes;
    int type;
    QString link;
};
QString writeZip(const QString& path, const QList<ZipEntry>& entries, const QByteArray& manifest)
{
    struct archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_open_filename(a, QFile::encodeName(path).constData());
    QList<ZipEntry> all;
    if (!manifest.isNull())
        all << ZipEntry {Backup::manifestName(), manifest};
    all << entries;
    for (const ZipEntry& e : all) {
        struct archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.toUtf8().constData());
        archive_entry_set_filetype(entry, e.type);
        archive_entry_set_perm(entry, 0644);
        if (!e.link.isEmpty())
            archive_entry_set_symlink(entry, e.link.toUtf8().constData());
        archive_entry_set_size(entry, e.type == AE_IFREG ? e.bytes.size() : 0);
        archive_write_header(a, entry);
        if (e.type == AE_IFREG)
            archive_write_data(a, e.bytes.constData(), size_t(e.bytes.size()));
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    return path;
}

QByteArray manifestFor(const QList<ZipEntry>& entries)
{
    QByteArray files;
    for (const ZipEntry& e : entries) {
        if (!files.isEmpty())
            files += ',';
        files += "{\"percorso\":\"" + e.name.toUtf8() + "\",\"dimensione\":\"" + QByteArray::number(e.bytes.size()) +
            "\",\"sha256\":\"" + QCryptographicHash::hash(e.bytes, QCryptographicHash::Sha256).toHex() + "\"}";
    }
    return "{\"programma\":\"Selvora\",\"versione\":\"1.0\",\"creato\":\"2026-12-10T15:30:00\",\"file\":[" + files +
        "]}";
}
// A small file system of its own (tmpfs) mounted on a temporary folder for as
// long as it lives, to fill up as a full USB stick would.
class SmallDisk
{
public:
    explicit SmallDisk(int kilobytes)
    {
        m_mounted =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=%1k").arg(kilobytes), QStringLiteral("tmpfs"), m_dir.path()}) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir.path()});
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return m_mounted; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QMap<QString, QByteArray> files() const { return snapshot(m_dir.path()); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSeams();
        Backup::setReplaceFailureForTest(-1);
    }
    void cleanup() { Backup::setReplaceFailureForTest(-1); }

    void defaultNameCarriesDateAndTime()
    {
        QCOMPARE(Backup::defaultFileName(QDateTime(QDate(2026, 12, 10), QTime(15, 30))),
                 QStringLiteral("Selvora-backup-2026-12-10-1530.zip"));
    }

    void dataFilesAreTheArchiveSessionsSideFilesPhotosAttachmentsAndPassword()
    {
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        folder.write(DataFiles::BackupSettingsFile, "promemoria_giorni=7\n");
        QDir(folder.path()).mkpath(QStringLiteral("altro"));
        folder.write(QStringLiteral("altro/x.vai"), "no");
        QCOMPARE(
            DataFiles::list(folder.path()),
            QStringList({QStringLiteral("Anagrafica/Scheda_Candidato_2.jpg"), QStringLiteral("Archivio_Candidati.pro"),
                         QStringLiteral("Colloqui 2026.griglia.json"), QStringLiteral("Colloqui 2026.vai"),
                         QStringLiteral("Documenti_Allegati/curriculum è.pdf"), QStringLiteral("unins000.dll"),
                         QStringLiteral("vuoto.vai")}));
    }

    void backupThenRestoreGivesBackEveryByte()
    {
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("b.zip"));
        QString why;
        Backup::Manifest m;
        qint64 lastDone = -1;
        QVERIFY2(Backup::create(
                     folder.path(), zip,
                     [&](qint64 d, qint64) {
                         lastDone = d;
                         return true;
                     },
                     &m, &why),
                 qPrintable(why));
        QCOMPARE(m.files.size(), 7);
        QCOMPARE(m.version, QStringLiteral("1.0"));
        QVERIFY(lastDone > 0);

        // The data changes: files edited, one added, one removed.
        fillFolder(folder, 'k');
        folder.write(QStringLiteral("Nuova.vai"), filled(5865, 'z'));
        QFile::remove(folder.file(DataFiles::AttachmentFolder + QStringLiteral("/curriculum è.pdf")));
        const QMap<QString, QByteArray> changed = snapshot(folder.path());

        Backup::Plan plan;
        QVERIFY(Backup::plan(folder.path(), zip, &plan, &why));
        QCOMPARE(plan.removed, QStringList {QStringLiteral("Nuova.vai")});
        QCOMPARE(plan.added, QStringList {QStringLiteral("Documenti_Allegati/curriculum è.pdf")});
        QCOMPARE(plan.replaced.size(), 6);

        const QString safety = folder.file(Backup::safetyFolderName() + QStringLiteral("/s.zip"));
        QVERIFY2(Backup::restore(folder.path(), zip, safety, {}, &why), qPrintable(why));
        QCOMPARE(snapshot(folder.path()), before);

        // The safety backup holds the data as it was just before.
        QVERIFY2(Backup::restore(folder.path(), safety, QString(), {}, &why), qPrintable(why));
        QCOMPARE(snapshot(folder.path()), changed);
    }

    void damagedOrForeignZipIsRefusedAndNothingTouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("byte changed in a file") << "flipped";
        QTest::newRow("not a zip") << "text";
        QTest::newRow("no manifest") << "nomanifest";
        QTest::newRow("parent folder") << "dotdot";
        QTest::newRow("absolute path") << "absolute";
        QTest::newRow("symbolic link") << "symlink";
        QTest::newRow("file not in the manifest") << "extra";
        QTest::newRow("file of the manifest missing") << "missing";
        QTest::newRow("not a data file") << "notdata";
    }
    void damagedOrForeignZipIsRefusedAndNothingTouched()
    {
        QFETCH(QString, kind);
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("b.zip"));
        QString why;
        const ZipEntry good {QStringLiteral("Archivio_Candidati.pro"), filled(3612, 'q')};
        if (kind == QLatin1String("truncated") || kind == QLatin1String("flipped")) {
            TempProgramFolder other;
            fillFolder(other, 'x');
            QVERIFY(Backup::create(other.path(), zip, {}, nullptr, &why));
            QFile f(zip);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QByteArray bytes = f.readAll();
            if (kind == QLatin1String("truncated")) {
                bytes.truncate(bytes.size() / 2);
            } else {
                // One byte in the middle of the photo's data.
                const int at = bytes.indexOf("Scheda_Candidato_2.jpg") + 20000;
                bytes[at] = char(bytes[at] ^ 0x55);
            }
            f.resize(0);
            f.write(bytes);
            f.close();
        } else if (kind == QLatin1String("text")) {
            QFile f(zip);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("questo non è un backup");
        } else if (kind == QLatin1String("nomanifest")) {
            writeZip(zip, {good}, QByteArray());
        } else if (kind == QLatin1String("dotdot")) {
            const ZipEntry evil {QStringLiteral("../fuori.vai"), "x"};
            writeZip(zip, {evil}, manifestFor({good}));
        } else if (kind == QLatin1String("absolute")) {
            const ZipEntry evil {QStringLiteral("/tmp/fuori.vai"), "x"};
            writeZip(zip, {good, evil}, manifestFor({good}));
        } else if (kind == QLatin1String("symlink")) {
            const ZipEntry link {QStringLiteral("unins000.dll"), QByteArray(), AE_IFLNK, QStringLiteral("/etc/passwd")};
            writeZip(zip, {good, link}, manifestFor({good}));
        } else if (kind == QLatin1String("extra")) {
            const ZipEntry extra {QStringLiteral("altro.vai"), "x"};
            writeZip(zip, {good, extra}, manifestFor({good}));
        } else if (kind == QLatin1String("missing")) {
            const ZipEntry other {QStringLiteral("altro.vai"), "x"};
            writeZip(zip, {good}, manifestFor({good, other}));
        } else if (kind == QLatin1String("notdata")) {
            const ZipEntry program {QStringLiteral("selvora"), "#!/bin/sh"};
            writeZip(zip, {program}, manifestFor({program}));
        }
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        QVERIFY(!Backup::verify(zip, nullptr, &why));
        QVERIFY(why.startsWith(QStringLiteral("Il file scelto non è un backup di Selvora integro")));
        QVERIFY(
            !Backup::restore(folder.path(), zip, folder.file(QStringLiteral("Backup_di_sicurezza/s.zip")), {}, &why));
        QCOMPARE(snapshot(folder.path()), before);
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("Backup_di_sicurezza"))));
        QVERIFY(!QFileInfo::exists(out.filePath(QStringLiteral("fuori.vai"))));
    }

    // A write that fails while the files are being written beside their
    // targets (a folder stands where one goes), and a failure while they are
    // being swapped in: every previous file is back, nothing extra is left.
    void restoreFailingMidwayLeavesTheOldData_data()
    {
        QTest::addColumn<bool>("duringSwap");
        QTest::newRow("while writing") << false;
        QTest::newRow("while swapping") << true;
    }
    void restoreFailingMidwayLeavesTheOldData()
    {
        QFETCH(bool, duringSwap);
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("b.zip"));
        QString why;
        QVERIFY(Backup::create(folder.path(), zip, {}, nullptr, &why));
        fillFolder(folder, 'k');
        folder.write(QStringLiteral("Nuova.vai"), filled(5865, 'z'));
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        if (duringSwap)
            Backup::setReplaceFailureForTest(4);
        else
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("unins000.dll.selvora-nuovo")));
        QVERIFY(
            !Backup::restore(folder.path(), zip, folder.file(QStringLiteral("Backup_di_sicurezza/s.zip")), {}, &why));
        QVERIFY(why.startsWith(QStringLiteral("Il ripristino non è riuscito")));
        QVERIFY(why.endsWith(QStringLiteral("I dati attuali non sono stati modificati.")));
        if (!duringSwap)
            QDir(folder.file(QStringLiteral("unins000.dll.selvora-nuovo"))).removeRecursively();
        QCOMPARE(snapshot(folder.path()), before);
    }

    void backupTargetThatCannotBeWrittenLeavesNoFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder in the way") << "folder";
        QTest::newRow("missing folder") << "missing";
    }
    void backupTargetThatCannotBeWrittenLeavesNoFile()
    {
        QFETCH(QString, target);
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        QTemporaryDir out;
        QString path = target;
        if (target == QLatin1String("folder")) {
            path = out.filePath(QStringLiteral("b.zip"));
            QDir().mkpath(path);
        } else if (target == QLatin1String("missing")) {
            path = out.filePath(QStringLiteral("manca/b.zip"));
        }
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        QString why;
        QVERIFY(!Backup::create(folder.path(), path, {}, nullptr, &why));
        QVERIFY2(why.startsWith(QStringLiteral("Non è possibile")), qPrintable(why));
        QCOMPARE(snapshot(folder.path()), before);
        if (target == QLatin1String("folder"))
            QVERIFY(QFileInfo(path).isDir());
    }
    // The destination fills up before the backup is whole: the failure is
    // told in Italian, no partial zip (nor temporary file) is left, an older
    // backup of the same name stays as it was, the data are not touched.
    void backupToADiskThatFillsUp_data()
    {
        QTest::addColumn<int>("kilobytes");
        QTest::addColumn<int>("filler");
        QTest::addColumn<bool>("older");
        QTest::newRow("full from the start") << 64 << 64 * 1024 - 4096 << false;
        QTest::newRow("fills midway") << 48 << 0 << false;
        // The zip is about 70.5 KB: its last few blocks no longer fit.
        QTest::newRow("fills near the end") << 68 << 0 << false;
        QTest::newRow("over an older backup") << 72 << 0 << true;
    }
    void backupToADiskThatFillsUp()
    {
        QFETCH(int, kilobytes);
        QFETCH(int, filler);
        QFETCH(bool, older);
        SmallDisk disk(kilobytes);
        if (!disk.mounted())
            QSKIP("a small file system cannot be mounted here");
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        const QString path = disk.filePath(QStringLiteral("Selvora-backup.zip"));
        if (filler > 0) {
            QFile f(disk.filePath(QStringLiteral("altro.bin")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(filled(filler, 'f')), qint64(filler));
        }
        if (older) {
            // A backup of less data, made on this disk before.
            TempProgramFolder small;
            small.write(DataFiles::CandidateArchive, filled(3612, 'o'));
            QString why;
            QVERIFY2(Backup::create(small.path(), path, {}, nullptr, &why), qPrintable(why));
        }
        const QMap<QString, QByteArray> onDisk = disk.files();
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        QString why;
        QVERIFY(!Backup::create(folder.path(), path, {}, nullptr, &why));
        QVERIFY2(why.startsWith(QStringLiteral("Non è possibile scrivere il file di backup")), qPrintable(why));
        QVERIFY2(why.contains(QStringLiteral("pieno")), qPrintable(why));
        QCOMPARE(disk.files(), onDisk);
        if (older)
            QVERIFY(Backup::verify(path, nullptr, nullptr));
        QCOMPARE(snapshot(folder.path()), before);
    }
};

SELVORA_TEST_MAIN(TestBackup)
#include "tst_backup.moc"
