// One writer per program folder: a second process sees the lock, a killed
// holder's lock is taken over, a folder that cannot hold a lock opens
// read-only, and the start-up asks the second copy what to do.
#include "base/core/AccessMode.h"
#include "base/core/ProgramFolder.h"
#include "safety/core/FolderLock.h"
#include "safety/ui/FolderAccess.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/SmallDisk.h"

#include <QDir>
#include <QProcess>
#include <QThread>

#include <cstring>
#include <iostream>

#include <sys/file.h>

class TestFolderLock : public QObject
{
    Q_OBJECT

    // This very test program, started again as the other copy: it takes the
    // folder's lock, says so and waits to be killed.
    bool startHolder(QProcess* p, const QString& folder)
    {
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock"), folder});
        if (!p->waitForStarted(10000) || !p->waitForReadyRead(10000))
            return false;
        return p->readAllStandardOutput().startsWith("locked");
    }

private slots:
    void init()
    {
        resetSeams();
        AccessMode::setWritable();
    }
    void cleanup()
    {
        FolderAccess::release();
        AccessMode::setWritable();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void secondProcessSeesTheLock()
    {
        TempProgramFolder folder;
        QProcess holder;
        QVERIFY(startHolder(&holder, folder.path()));
        FolderLock lock(folder.path());
        QCOMPARE(lock.acquire(), FolderLock::Result::InUse);
        QCOMPARE(lock.holder().computer, FolderLock::computerName());
        QCOMPARE(lock.holder().user, FolderLock::userName());
        QVERIFY(lock.holder().since.isValid());
        QVERIFY(FolderLock::inUseMessage(lock.holder())
                    .startsWith(QStringLiteral("Selvora è già in uso su %1 da ").arg(FolderLock::computerName())));
        holder.kill();
        holder.waitForFinished();
    }

    void killedHolderLeavesAStaleLockThatIsTakenOver()
    {
        TempProgramFolder folder;
        QProcess holder;
        QVERIFY(startHolder(&holder, folder.path()));
        holder.kill();
        QVERIFY(holder.waitForFinished());
        QVERIFY(QFileInfo::exists(folder.file(FolderLock::lockFileName())));
        FolderLock lock(folder.path());
        QCOMPARE(lock.acquire(), FolderLock::Result::Acquired);
        QVERIFY(lock.held());
        lock.release();
        QVERIFY(!QFileInfo::exists(folder.file(FolderLock::lockFileName())));
    }

    void secondCopyAtStartChoosesReadOnlyOrQuit_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only") << true;
        QTest::newRow("quit") << false;
    }
    void secondCopyAtStartChoosesReadOnlyOrQuit()
    {
        QFETCH(bool, readOnly);
        TempProgramFolder folder;
        QProcess holder;
        QVERIFY(startHolder(&holder, folder.path()));
        Messages::queueAnswer(readOnly ? Messages::Answer::Yes : Messages::Answer::No);
        QCOMPARE(FolderAccess::claim(nullptr), readOnly);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Confirmation);
        QVERIFY(shown[0].text.startsWith(QStringLiteral("Selvora è già in uso su ")));
        QVERIFY(shown[0].text.contains(QStringLiteral("sola lettura")));
        if (readOnly) {
            QVERIFY(AccessMode::readOnly());
            QCOMPARE(AccessMode::reason(), AccessMode::reasonInUse());
        }
        holder.kill();
        holder.waitForFinished();
    }

    // A folder where no lock can be made opens read-only, and the reason is
    // told as it is: a folder standing where the lock file goes, a full
    // disk, a medium protected from writing.
    void folderThatCannotHoldALockOpensReadOnly_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("problem");
        QTest::newRow("folder in place of the lock")
            << "folder"
            << "al posto del file selvora.lck c'è una cartella o un elemento che non può essere tolto";
        QTest::newRow("full disk") << "full"
                                   << "il disco è pieno";
        QTest::newRow("protected medium") << "readonly"
                                          << "il disco o la chiavetta su cui si trova è protetto da scrittura";
    }
    void folderThatCannotHoldALockOpensReadOnly()
    {
        QFETCH(QString, cause);
        QFETCH(QString, problem);
        TempProgramFolder temp;
        SmallDisk disk(64, cause == QLatin1String("readonly"));
        QString folder = temp.path();
        if (cause == QLatin1String("folder")) {
            QVERIFY(QDir(folder).mkdir(FolderLock::lockFileName()));
        } else {
            if (!disk.mounted())
                QSKIP("a small file system cannot be mounted here");
            folder = disk.path() + QLatin1Char('/');
            ProgramFolder::setOverride(folder);
            if (cause == QLatin1String("full"))
                QVERIFY(disk.fill(QStringLiteral("riempitivo.bin")));
        }
        FolderLock lock(folder);
        QCOMPARE(lock.acquire(), FolderLock::Result::CannotCreate);
        QCOMPARE(lock.problem(), problem);
        QVERIFY(FolderAccess::claim(nullptr));
        QVERIFY(AccessMode::readOnly());
        QCOMPARE(AccessMode::reason(), AccessMode::reasonCannotWrite(problem));
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
        QVERIFY2(shown[0].text.startsWith(QStringLiteral("Selvora non può scrivere nella cartella del programma (%1): "
                                                         "%2.")
                                              .arg(QDir::toNativeSeparators(folder), problem)),
                 qPrintable(shown[0].text));
        FolderAccess::release();
        ProgramFolder::setOverride(temp.path());
    }

    // A lock file that does not say who holds it (empty, garbage, cut short)
    // is taken over once no process of this machine holds it; held, it is in
    // use by someone of this computer.
    void unreadableLockIsTakenOverUnlessHeld_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("held");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray("\x00\xff\xfe garbage \x01") << false;
        QTest::newRow("cut short") << QByteArray("senza numero\nselvora\n") << false;
        QTest::newRow("empty, held here") << QByteArray() << true;
    }
    void unreadableLockIsTakenOverUnlessHeld()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, held);
        TempProgramFolder folder;
        folder.write(FolderLock::lockFileName(), content);
        QFile holder(folder.file(FolderLock::lockFileName()));
        if (held) {
            QVERIFY(holder.open(QIODevice::ReadOnly));
            QCOMPARE(::flock(holder.handle(), LOCK_EX | LOCK_NB), 0);
        }
        FolderLock lock(folder.path());
        if (held) {
            QCOMPARE(lock.acquire(), FolderLock::Result::InUse);
            QCOMPARE(lock.holder().computer, FolderLock::computerName());
            QCOMPARE(folder.read(FolderLock::lockFileName()), content);
            return;
        }
        QCOMPARE(lock.acquire(), FolderLock::Result::Acquired);
        QVERIFY(lock.held());
        // And the start-up takes the folder without a word.
        lock.release();
        folder.write(FolderLock::lockFileName(), content);
        QVERIFY(FolderAccess::claim(nullptr));
        QVERIFY(!AccessMode::readOnly());
        QVERIFY(Messages::takeShown().isEmpty());
    }

    // A lock left by a copy on ANOTHER computer, an hour old: that copy may
    // still be running, so the lock is never taken over here.
    void lockOfAnotherComputerIsNeverTakenOver()
    {
        TempProgramFolder folder;
        const QByteArray content = "4242\nselvora\naltro-computer\n";
        folder.write(FolderLock::lockFileName(), content);
        const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
        folder.write(
            FolderLock::noteFileName(),
            QStringLiteral("computer=ALTRO-PC\nutente=mario\ndal=%1\n").arg(hourAgo.toString(Qt::ISODate)).toUtf8());
        {
            QFile f(folder.file(FolderLock::lockFileName()));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(hourAgo, QFileDevice::FileModificationTime));
        }
        FolderLock lock(folder.path());
        QCOMPARE(lock.acquire(), FolderLock::Result::InUse);
        QCOMPARE(lock.holder().computer, QStringLiteral("ALTRO-PC"));
        QCOMPARE(lock.holder().user, QStringLiteral("mario"));
        QCOMPARE(folder.read(FolderLock::lockFileName()), content);
        Messages::queueAnswer(Messages::Answer::Yes);
        QVERIFY(FolderAccess::claim(nullptr));
        QVERIFY(AccessMode::readOnly());
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].text.startsWith(QStringLiteral("Selvora è già in uso su ALTRO-PC da mario (dalle ")));
        QCOMPARE(folder.read(FolderLock::lockFileName()), content);
    }

    void firstCopyTakesTheFolder()
    {
        TempProgramFolder folder;
        QVERIFY(FolderAccess::claim(nullptr));
        QVERIFY(!AccessMode::readOnly());
        QVERIFY(Messages::takeShown().isEmpty());
        QVERIFY(QFileInfo::exists(folder.file(FolderLock::lockFileName())));
        FolderLock other(folder.path());
        // The same process holding it counts as in use too.
        QCOMPARE(other.acquire(), FolderLock::Result::InUse);
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        FolderLock lock(QString::fromLocal8Bit(argv[2]));
        if (lock.acquire() != FolderLock::Result::Acquired)
            return 1;
        std::cout << "locked" << std::endl;
        QThread::sleep(120);
        return 0;
    }
    SelvoraApplication app(argc, argv);
    selvoraTestSetup(app);
    TestFolderLock tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_folderlock.moc"
