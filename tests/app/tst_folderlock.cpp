// One writer per program folder: a second process sees the lock, a killed
// holder's lock is taken over, a folder that cannot hold a lock opens
// read-only, and the start-up asks the second copy what to do.
#include "app/core/AccessMode.h"
#include "app/core/FolderLock.h"
#include "app/ui/FolderAccess.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QProcess>
#include <QThread>

#include <cstring>
#include <iostream>

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

    // A folder where no lock can be made (here a folder stands where the lock
    // file goes, as on a medium that refuses new files) opens read-only.
    void folderThatCannotHoldALockOpensReadOnly()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(FolderLock::lockFileName()));
        FolderLock lock(folder.path());
        QCOMPARE(lock.acquire(), FolderLock::Result::CannotCreate);
        QVERIFY(FolderAccess::claim(nullptr));
        QVERIFY(AccessMode::readOnly());
        QCOMPARE(AccessMode::reason(), AccessMode::reasonFolderReadOnly());
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
        QVERIFY(shown[0].text.contains(QStringLiteral("è in sola lettura")));
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
