// Backup and restore of the program folder: a round trip byte for byte, a
// damaged or foreign zip refused with nothing touched, a restore that fails
// midway leaving the old data, a backup target that cannot be written or
// that fills up.
#include "base/core/AccessMode.h"
#include "base/core/DataFiles.h"
#include "base/core/ProgramFolder.h"
#include "base/core/SafeWrite.h"
#include "candidates/core/CardDates.h"
#include "safety/core/Backup.h"
#include "safety/ui/FolderAccess.h"
#include "sessions/core/ScoringGrid.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/SmallDisk.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <archive.h>
#include <archive_entry.h>

#include <cstring>
#include <iostream>

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

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
}

// The folder made to hold exactly files (the safety backups aside).
void setFolder(const QString& folder, const QMap<QString, QByteArray>& files)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (name == Backup::safetyFolderName())
            continue;
        const QFileInfo fi(dir.filePath(name));
        if (fi.isDir() && !fi.isSymLink())
            QDir(fi.filePath()).removeRecursively();
        else
            QFile::remove(fi.filePath());
    }
    for (auto it = files.begin(); it != files.end(); ++it)
        writeFile(dir.filePath(it.key()), it.value());
}

void fillFolder(const QString& root, char seed)
{
    const QDir dir(root);
    writeFile(dir.filePath(DataFiles::CandidateArchive), filled(3612 * 3, seed));
    writeFile(dir.filePath(QStringLiteral("Colloqui 2026.vai")), filled(5865 * 2, char(seed + 1)));
    writeFile(dir.filePath(QStringLiteral("Colloqui 2026.griglia.json")), QByteArray("{\"voci\": []}") + seed);
    writeFile(dir.filePath(DataFiles::PasswordFile), QByteArray("ABCDEF") + seed);
    dir.mkpath(DataFiles::PhotoFolder);
    dir.mkpath(DataFiles::AttachmentFolder);
    // A photo does not compress: so its bytes fill the zip as they are.
    QByteArray photo(70000, Qt::Uninitialized);
    QRandomGenerator random {quint32(seed)};
    for (char& b : photo)
        b = char(random.bounded(256));
    writeFile(dir.filePath(DataFiles::PhotoFolder + QStringLiteral("/Scheda_Candidato_2.jpg")), photo);
    writeFile(dir.filePath(DataFiles::AttachmentFolder + QStringLiteral("/curriculum è.pdf")),
              filled(1000, char(seed + 3)));
    writeFile(dir.filePath(QStringLiteral("vuoto.vai")), QByteArray());
    // Not data: left alone by backup and restore.
    writeFile(dir.filePath(QStringLiteral("Guida.pdf")), "manuale");
}
void fillFolder(const TempProgramFolder& folder, char seed)
{
    fillFolder(folder.path(), seed);
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

QByteArray manifestFor(const QList<ZipEntry>& entries, const QByteArray& version = "1.0")
{
    QByteArray files;
    for (const ZipEntry& e : entries) {
        if (!files.isEmpty())
            files += ',';
        files += "{\"percorso\":\"" + e.name.toUtf8().replace("\\", "\\\\") + "\",\"dimensione\":\"" +
            QByteArray::number(e.bytes.size()) + "\",\"sha256\":\"" +
            QCryptographicHash::hash(e.bytes, QCryptographicHash::Sha256).toHex() + "\"}";
    }
    return "{\"programma\":\"Selvora\",\"versione\":\"" + version + "\",\"creato\":\"2026-12-10T15:30:00\",\"file\":[" +
        files + "]}";
}
} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSeams();
        AccessMode::setWritable();
        Backup::setReplaceFailureForTest(-1);
    }
    void cleanup()
    {
        Backup::setReplaceFailureForTest(-1);
        AccessMode::setWritable();
        FolderAccess::release();
    }

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
        // While writing, the program folder is a small disk that fills up as
        // the backup's files are written into it.
        SmallDisk disk(160);
        TempProgramFolder temp;
        if (!duringSwap) {
            if (!disk.mounted())
                QSKIP("a small file system cannot be mounted here");
            ProgramFolder::setOverride(disk.path());
        }
        const QString root = duringSwap ? temp.path() : disk.path() + QLatin1Char('/');
        fillFolder(root, 'a');
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("b.zip"));
        QString why;
        QVERIFY(Backup::create(root, zip, {}, nullptr, &why));
        fillFolder(root, 'k');
        writeFile(root + QStringLiteral("Nuova.vai"), filled(5865, 'z'));
        const QMap<QString, QByteArray> before = snapshot(root);
        if (duringSwap)
            Backup::setReplaceFailureForTest(4);
        QVERIFY(!Backup::restore(root, zip, out.filePath(QStringLiteral("s.zip")), {}, &why));
        QVERIFY2(why.startsWith(QStringLiteral("Il ripristino non è riuscito")), qPrintable(why));
        QVERIFY2(why.endsWith(QStringLiteral("I dati attuali non sono stati modificati.")), qPrintable(why));
        if (!duringSwap)
            QVERIFY2(why.contains(QStringLiteral("pieno")), qPrintable(why));
        // Nothing left behind either, the hidden work folder included.
        QCOMPARE(snapshot(root), before);
        QVERIFY(!QFileInfo::exists(root + Backup::workFolderName()));
        ProgramFolder::clearOverride();
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
        const QMap<QString, QByteArray> onDisk = snapshot(disk.path());
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        QString why;
        QVERIFY(!Backup::create(folder.path(), path, {}, nullptr, &why));
        QVERIFY2(why.startsWith(QStringLiteral("Non è possibile scrivere il file di backup")), qPrintable(why));
        QVERIFY2(why.contains(QStringLiteral("pieno")), qPrintable(why));
        QCOMPARE(snapshot(disk.path()), onDisk);
        if (older)
            QVERIFY(Backup::verify(path, nullptr, nullptr));
        QCOMPARE(snapshot(folder.path()), before);
    }

    // The manifest itself refuses a name that would leave the folder (or be
    // read so on another system), before any entry of the zip is looked at:
    // here the zip does not even hold such an entry.
    void manifestNamingAPathOutsideIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("backslashes up") << "..\\..\\fuori.vai";
        QTest::newRow("drive letter") << "C:\\fuori.vai";
        QTest::newRow("network share") << "\\\\server\\share\\x.vai";
        QTest::newRow("absolute") << "/abs.vai";
        QTest::newRow("parent folder") << "../x.vai";
    }
    void manifestNamingAPathOutsideIsRefused()
    {
        QFETCH(QString, name);
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("b.zip"));
        const ZipEntry good {QStringLiteral("Archivio_Candidati.pro"), filled(3612, 'q')};
        const ZipEntry evil {name, "x"};
        writeZip(zip, {good}, manifestFor({good, evil}));
        QString why;
        QVERIFY(!Backup::verify(zip, nullptr, &why));
        QVERIFY2(why.contains(QStringLiteral("l'elenco dei file nomina un percorso non ammesso (\"%1\")").arg(name)),
                 qPrintable(why));
    }

    void backupOfAnUnknownVersionIsRefused_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("named");
        QTest::newRow("newer") << QByteArray("9.0") << "Selvora 9.0";
        QTest::newRow("next minor") << QByteArray("1.1") << "Selvora 1.1";
        QTest::newRow("not a version") << QByteArray("domani") << "Selvora domani";
        QTest::newRow("none") << QByteArray("") << "Selvora (versione non indicata)";
        QTest::newRow("this one") << QByteArray("1.0") << QString();
        QTest::newRow("older") << QByteArray("0.9") << QString();
    }
    void backupOfAnUnknownVersionIsRefused()
    {
        QFETCH(QByteArray, version);
        QFETCH(QString, named);
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("b.zip"));
        const ZipEntry good {QStringLiteral("Archivio_Candidati.pro"), filled(3612, 'q')};
        writeZip(zip, {good}, manifestFor({good}, version));
        QString why;
        if (named.isEmpty()) {
            QVERIFY2(Backup::verify(zip, nullptr, &why), qPrintable(why));
            return;
        }
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        QVERIFY(!Backup::verify(zip, nullptr, &why));
        QVERIFY2(why.startsWith(QStringLiteral("Il backup è stato fatto con %1, una versione che questo "
                                               "programma (Selvora 1.0) non conosce")
                                    .arg(named)),
                 qPrintable(why));
        QVERIFY(!Backup::restore(folder.path(), zip, out.filePath(QStringLiteral("s.zip")), {}, &why));
        QVERIFY(why.contains(named));
        QCOMPARE(snapshot(folder.path()), before);
    }

    // Names of 250 and 255 bytes: a backup of them restores, because the
    // restore's own names never grow from the data file's name.
    void longDataFileNamesBackUpAndRestore()
    {
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        const QString longRoot = QString(246, QLatin1Char('R')) + QStringLiteral(".vai");
        const QString longAttachment =
            DataFiles::AttachmentFolder + QLatin1Char('/') + QString(251, QLatin1Char('L')) + QStringLiteral(".pdf");
        QCOMPARE(longRoot.toUtf8().size(), 250);
        QCOMPARE(QFileInfo(longAttachment).fileName().toUtf8().size(), 255);
        writeFile(folder.file(longRoot), "uno");
        writeFile(folder.file(longAttachment), "due");
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("b.zip"));
        QString why;
        QVERIFY2(Backup::create(folder.path(), zip, {}, nullptr, &why), qPrintable(why));
        fillFolder(folder, 'k');
        writeFile(folder.file(longRoot), "cambiato");
        writeFile(folder.file(longAttachment), "cambiato anche questo");
        QVERIFY2(
            Backup::restore(folder.path(), zip, folder.file(QStringLiteral("Backup_di_sicurezza/s.zip")), {}, &why),
            qPrintable(why));
        QCOMPARE(snapshot(folder.path()), before);
    }

    // A photo folder that is a link to a folder elsewhere: the restore would
    // put the photos there, so it refuses before touching anything.
    void restoreIntoAPhotoFolderLeadingOutsideIsRefused()
    {
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("b.zip"));
        QString why;
        QVERIFY(Backup::create(folder.path(), zip, {}, nullptr, &why));
        QTemporaryDir outside;
        QVERIFY(QDir(folder.file(DataFiles::PhotoFolder)).removeRecursively());
        QVERIFY(QFile::link(outside.path(), folder.file(DataFiles::PhotoFolder)));
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        QVERIFY(!Backup::restore(folder.path(), zip, out.filePath(QStringLiteral("s.zip")), {}, &why));
        QVERIFY2(why.contains(QStringLiteral("collegamento simbolico che porta fuori dalla cartella del programma")),
                 qPrintable(why));
        QVERIFY(why.contains(QStringLiteral("Anagrafica/Scheda_Candidato_2.jpg")));
        QVERIFY(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
        QCOMPARE(snapshot(folder.path()), before);
        QVERIFY(QFileInfo(folder.file(DataFiles::PhotoFolder)).isSymLink());
    }

    // The grid's side file and the card dates (that the retention reads) as
    // links to a file outside: refused, the file outside untouched.
    void sideFileLinkedOutsideIsNotWrittenThrough_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("scoring grid") << "grid";
        QTest::newRow("card dates") << "dates";
    }
    void sideFileLinkedOutsideIsNotWrittenThrough()
    {
        QFETCH(QString, which);
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        QTemporaryDir outside;
        const QString victim = outside.filePath(QStringLiteral("importante.txt"));
        writeFile(victim, "da non toccare");
        const QString session = folder.file(QStringLiteral("Colloqui 2026.vai"));
        const QString side = which == QLatin1String("grid") ? GridFile::pathFor(session) : CardDates::path();
        QFile::remove(side);
        QVERIFY(QFile::link(victim, side));
        QString why;
        if (which == QLatin1String("grid"))
            QVERIFY(!GridFile::write(session, ScoringGrid(), &why));
        else
            QVERIFY(!CardDates::stored(0, QDate(2026, 12, 10), &why));
        QVERIFY2(why.contains(QStringLiteral("collegamento simbolico che porta fuori dalla cartella del programma")),
                 qPrintable(why));
        QFile f(victim);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("da non toccare"));
        QVERIFY(QFileInfo(side).isSymLink());
        // A link that stays inside the folder is written as before.
        QFile::remove(side);
        QVERIFY(QFile::link(folder.file(QStringLiteral("altro.json")), side));
        QVERIFY2(which == QLatin1String("grid") ? GridFile::write(session, ScoringGrid(), &why)
                                                : CardDates::stored(0, QDate(2026, 12, 10), &why),
                 qPrintable(why));
    }

    // In a read-only run the core itself refuses to write into the program
    // folder, whatever window asks: no backup there (another folder stays
    // allowed), no restore.
    void readOnlyRunNeverWritesIntoTheProgramFolder()
    {
        TempProgramFolder folder;
        fillFolder(folder, 'a');
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("b.zip"));
        QString why;
        QVERIFY(Backup::create(folder.path(), zip, {}, nullptr, &why));
        fillFolder(folder, 'k');
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        AccessMode::setReadOnly(AccessMode::reasonInUse());
        QVERIFY(!Backup::create(folder.path(), folder.file(QStringLiteral("b.zip")), {}, nullptr, &why));
        QVERIFY2(why.startsWith(AccessMode::reasonInUse()), qPrintable(why));
        QVERIFY(why.contains(QStringLiteral("non può essere salvato nella cartella del programma")));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("b.zip"))));
        QVERIFY2(Backup::create(folder.path(), out.filePath(QStringLiteral("altrove.zip")), {}, nullptr, &why),
                 qPrintable(why));
        QVERIFY(
            !Backup::restore(folder.path(), zip, folder.file(QStringLiteral("Backup_di_sicurezza/s.zip")), {}, &why));
        QVERIFY2(why.startsWith(AccessMode::reasonInUse()), qPrintable(why));
        QCOMPARE(snapshot(folder.path()), before);
        QVERIFY(!QFileInfo::exists(folder.file(Backup::safetyFolderName())));
        QVERIFY(!QFileInfo::exists(folder.file(Backup::workFolderName())));
    }

    // The restore, run by another process, stopped at each of its steps in
    // turn (the process ends there as if the power went), then the next
    // start: every file is all old or all new, never a mix, the start-up
    // says which, and no restore name is ever taken for data.
    void restoreStoppedAtEveryStepIsAllOldOrAllNew()
    {
        TempProgramFolder folder;
        KillSetUp k;
        prepareKill(folder, &k, 0);
        int finished = 0;
        int undone = 0;
        bool completed = false;
        for (int step = 1; step < 400 && !completed; ++step) {
            setFolder(folder.path(), k.oldData);
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("SELVORA_RESTORE_STOP_AT_STEP"), QString::number(step));
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--restore"), folder.path(), k.zip, k.safety});
            QVERIFY(child.waitForFinished(30000));
            const int code = child.exitCode();
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && (code == 0 || code == 86),
                     qPrintable(QString::fromLocal8Bit(child.readAllStandardError())));
            completed = code == 0;
            // The start-up after the crash.
            checkNames(folder.path(), k);
            QVERIFY(FolderAccess::claim(nullptr));
            const QList<Messages::Shown> shown = Messages::takeShown();
            FolderAccess::release();
            const QMap<QString, QByteArray> now = snapshot(folder.path());
            if (now == k.newData) {
                if (!completed) {
                    QCOMPARE(shown.size(), 1);
                    QCOMPARE(shown[0].kind, Messages::Kind::Information);
                    QVERIFY2(shown[0].text.contains(QStringLiteral("è stato completato ora")),
                             qPrintable(shown[0].text));
                    QVERIFY(shown[0].text.contains(QStringLiteral("I dati sono tutti quelli del backup.")));
                    ++finished;
                } else {
                    QCOMPARE(shown.size(), 0);
                }
            } else {
                QVERIFY2(!completed, "the restore said it was done");
                QCOMPARE(now, k.oldData);
                QVERIFY(shown.size() <= 1);
                if (shown.size() == 1) {
                    QCOMPARE(shown[0].kind, Messages::Kind::Information);
                    QVERIFY2(shown[0].text.contains(QStringLiteral("è stato annullato")), qPrintable(shown[0].text));
                    QVERIFY(
                        shown[0].text.contains(QStringLiteral("I dati sono tutti quelli di prima del ripristino.")));
                    ++undone;
                }
            }
        }
        QVERIFY(completed);
        QVERIFY(finished > 5);
        QVERIFY(undone > 5);
    }

    // And killed outright (kill -9) at random moments while it runs.
    void restoreKilledAtRandomMomentsIsAllOldOrAllNew()
    {
        TempProgramFolder folder;
        KillSetUp k;
        prepareKill(folder, &k, 6);
        // How long a whole restore takes here.
        setFolder(folder.path(), k.oldData);
        QElapsedTimer timer;
        timer.start();
        QProcess whole;
        whole.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--restore"), folder.path(), k.zip, k.safety});
        QVERIFY(whole.waitForFinished(30000));
        QCOMPARE(whole.exitCode(), 0);
        const qint64 span = timer.elapsed() + 20;
        QCOMPARE(snapshot(folder.path()), k.newData);
        QRandomGenerator random(2312);
        for (int round = 0; round < 16; ++round) {
            setFolder(folder.path(), k.oldData);
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--restore"), folder.path(), k.zip, k.safety});
            QVERIFY(child.waitForStarted(10000));
            QThread::usleep(random.bounded(quint32(span * 1000)));
            child.kill();
            QVERIFY(child.waitForFinished(30000));
            checkNames(folder.path(), k);
            QString told;
            const Backup::Recovery r = Backup::finishInterrupted(folder.path(), &told);
            QVERIFY2(r != Backup::Recovery::Failed, qPrintable(told));
            const QMap<QString, QByteArray> now = snapshot(folder.path());
            if (now != k.newData)
                QCOMPARE(now, k.oldData);
        }
    }

private:
    struct KillSetUp
    {
        QTemporaryDir out;
        QString zip;
        QString safety;
        QMap<QString, QByteArray> oldData;
        QMap<QString, QByteArray> newData;
    };
    // A backup of one state of the folder, and the folder then changed
    // (files changed, one added, one gone); large adds big photos.
    void prepareKill(const TempProgramFolder& folder, KillSetUp* k, int large)
    {
        fillFolder(folder, 'a');
        writeFile(folder.file(QString(246, QLatin1Char('R')) + QStringLiteral(".vai")), "lungo");
        // Present in both: so the start-up does not add it.
        writeFile(CardDates::path(), "{}");
        QRandomGenerator random(7);
        for (int i = 0; i < large; ++i) {
            QByteArray photo(1500 * 1024, Qt::Uninitialized);
            for (char& b : photo)
                b = char(random.bounded(256));
            writeFile(folder.file(DataFiles::PhotoFolder + QStringLiteral("/Grande_%1.jpg").arg(i)), photo);
        }
        k->zip = k->out.filePath(QStringLiteral("b.zip"));
        k->safety = k->out.filePath(QStringLiteral("s.zip"));
        QString why;
        QVERIFY2(Backup::create(folder.path(), k->zip, {}, nullptr, &why), qPrintable(why));
        k->newData = snapshot(folder.path());
        fillFolder(folder, 'k');
        for (int i = 0; i < large; ++i)
            writeFile(folder.file(DataFiles::PhotoFolder + QStringLiteral("/Grande_%1.jpg").arg(i)), filled(1000, 'v'));
        writeFile(folder.file(QStringLiteral("Nuova.vai")), filled(5865, 'z'));
        QVERIFY(QFile::remove(folder.file(DataFiles::AttachmentFolder + QStringLiteral("/curriculum è.pdf"))));
        k->oldData = snapshot(folder.path());
    }
    // What a backup made now would take: data names only, never a name of
    // the restore's own.
    void checkNames(const QString& folder, const KillSetUp& k)
    {
        for (const QString& rel : DataFiles::list(folder))
            QVERIFY2(k.oldData.contains(rel) || k.newData.contains(rel), qPrintable(rel));
    }
};

// Run as "--restore <folder> <zip> <safety zip>", this program is the other
// process whose restore the kill tests stop.
int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--restore") == 0) {
        QCoreApplication app(argc, argv);
        const QString folder = QString::fromLocal8Bit(argv[2]);
        ProgramFolder::setOverride(folder);
        QString why;
        const bool ok =
            Backup::restore(folder, QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]), {}, &why);
        if (!ok)
            std::cerr << why.toStdString() << std::endl;
        return ok ? 0 : 1;
    }
    SelvoraApplication app(argc, argv);
    selvoraTestSetup(app);
    TestBackup tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_backup.moc"
