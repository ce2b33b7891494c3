// An import killed at any moment (kill -9, as a crash or a power cut would
// stop it) leaves the archive as it was or with whole new cards after it,
// never blank or torn cards in the middle; and the repair at the next start
// puts the archive back as it was before the import, keeping every byte it
// cuts in a file of its own.
//
// The import runs in a child process (this same program, told so by the
// environment) which is killed at every step of the append, after a chosen
// number of bytes (inside a card), and at random moments.
#include "base/core/AppendJournal.h"
#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "base/core/TailRepair.h"
#include "candidates/core/CandidateImport.h"
#include "sheets/core/CsvReader.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

using C = TSchedaCandidato;

namespace {

constexpr int kRows = 120;
// Small blocks: many steps to stop at.
constexpr qint64 kBlockBytes = 5 * C::Size;
const char* kChildVariable = "SELVORA_IMPORT_CRASH_CHILD";

QByteArray csvBytes()
{
    QByteArray bytes = "Cognome e nome;Sesso;Note\r\n";
    for (int i = 1; i <= kRows; ++i)
        bytes += "Candidato " + QByteArray::number(i) + ";M;nota della riga " + QByteArray::number(i) + "\r\n";
    return bytes;
}

// The bytes the import appends when it finishes.
QByteArray newCards()
{
    SheetTable table;
    QString error;
    CsvReader::parse(csvBytes(), &table, &error);
    CandidateImport::Options options;
    options.fromCsv = true;
    const QVector<int> mapping = CandidateImport::mapHeadings(table.row(0));
    QByteArray out;
    for (int r = 1; r <= kRows; ++r) {
        CandidateImport::RowNotes notes;
        out += CandidateImport::cardOf(table, mapping, r, options, &notes).encode();
    }
    return out;
}

C oldCard(int i)
{
    C c;
    c.Candidato = QStringLiteral("Scheda vecchia %1").arg(i);
    c.Ricontatta = C::si();
    return c;
}

// Three old cards and, when asked, a partial tail the import writes over.
QByteArray oldArchive(bool partialTail)
{
    QByteArray bytes = oldCard(1).encode() + oldCard(2).encode() + oldCard(3).encode();
    if (partialTail)
        bytes += QByteArray("resto di una scheda");
    return bytes;
}

// A file that kills its process once budget bytes are written: the last
// write stops inside a card.
class KillingFile : public QFile
{
public:
    KillingFile(const QString& path, qint64 budget)
        : QFile(path)
        , m_budget(budget)
    {
    }

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        if (len >= m_budget) {
            if (m_budget > 0)
                QFile::writeData(data, m_budget);
            ::kill(::getpid(), SIGKILL);
        }
        m_budget -= len;
        return QFile::writeData(data, len);
    }

private:
    qint64 m_budget;
};

// The child: "folder|how|n", how being "step" (killed at the n-th step of the
// append), "bytes" (killed after n bytes) or "free" (runs to the end unless
// the parent kills it).
[[noreturn]] void runChild(const QString& request)
{
    const QStringList parts = request.split(QLatin1Char('|'));
    ProgramFolder::setOverride(parts.value(0));
    const QString how = parts.value(1);
    const qint64 n = parts.value(2).toLongLong();
    RecordFile::setBlockBytes(kBlockBytes);
    if (how == QLatin1String("step")) {
        auto steps = std::make_shared<qint64>(0);
        RecordFile::setAppendHook([steps, n](RecordFile::AppendStep, qint64) {
            if (++*steps == n)
                ::kill(::getpid(), SIGKILL);
        });
    } else if (how == QLatin1String("bytes")) {
        const QString archive = CandidateArchive::path();
        RecordFile::setFileFactory([n, archive](const QString& path) -> std::unique_ptr<QFile> {
            if (path == archive)
                return std::make_unique<KillingFile>(path, n);
            return std::make_unique<QFile>(path);
        });
    }
    SheetTable table;
    QString error;
    CsvReader::parse(csvBytes(), &table, &error);
    CandidateImport::Options options;
    options.fromCsv = true;
    const QVector<int> mapping = CandidateImport::mapHeadings(table.row(0));
    CandidateImport::ArchiveKeys keys;
    CandidateImport::readArchiveKeys(CandidateArchive::path(), &keys, &error);
    const CandidateImport::Preview preview = CandidateImport::preview(table, mapping, options, keys);
    std::fputs("pronto\n", stdout);
    std::fflush(stdout);
    const CandidateImport::Outcome outcome =
        CandidateImport::store(CandidateArchive::path(), table, mapping, options, preview, true);
    std::_Exit(outcome.ok && outcome.added == kRows ? 0 : 3);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList keptFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("Archivio_Candidati.pro.recuperato-*")}, QDir::Files);
}

} // namespace

class TestImportCrash : public QObject
{
    Q_OBJECT

public:
    TestImportCrash()
    {
        if (qEnvironmentVariableIsSet(kChildVariable))
            runChild(qEnvironmentVariable(kChildVariable));
    }

private:
    double m_lastImportMs = 0;

    // Runs the child on a folder holding before; with killAfterMs >= 0 the
    // parent kills it that long after it is ready. Returns whether it was
    // killed.
    bool runImport(const QString& folder, const QString& how, qint64 n, double killAfterMs = -1)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("%1|%2|%3").arg(folder, how).arg(n));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(QCoreApplication::applicationFilePath(), {});
        if (!child.waitForStarted(10000))
            qFatal("the child did not start");
        while (!child.canReadLine() && child.state() == QProcess::Running)
            child.waitForReadyRead(10000);
        QElapsedTimer clock;
        clock.start();
        if (killAfterMs >= 0) {
            QThread::usleep(qint64(killAfterMs * 1000));
            ::kill(pid_t(child.processId()), SIGKILL);
        }
        child.waitForFinished(30000);
        m_lastImportMs = double(clock.nsecsElapsed()) / 1e6;
        return child.exitStatus() == QProcess::CrashExit;
    }

    // What every kill must leave, before and after the repair at the next
    // start.
    void checkAfterKill(const QString& folder, const QByteArray& before, bool killed)
    {
        const QString archive = QDir(folder).filePath(QStringLiteral("Archivio_Candidati.pro"));
        const QByteArray all = newCards();
        const qint64 start = before.size() - before.size() % C::Size;
        const QByteArray left = readFile(archive);
        const bool note = QFileInfo::exists(AppendJournal::pathFor(archive));
        if (!killed)
            QVERIFY(!note);

        // Straight after the kill: the old whole cards, then only bytes of the
        // new cards in their order (perhaps stopping inside one), or the old
        // file untouched; never a gap of zero bytes.
        QCOMPARE(left.left(start), before.left(start));
        const QByteArray after = left.mid(start);
        qsizetype same = 0;
        while (same < after.size() && same < all.size() && after.at(same) == all.at(same))
            ++same;
        // The new bytes, then what is left of the old partial tail they were
        // being written over.
        QVERIFY2(after.mid(same) == before.mid(start + same),
                 "the archive holds bytes that are neither the new cards in order nor the old tail");
        const bool untouched = left == before;
        if (!note)
            QVERIFY(untouched || left == before.left(start) + all); // not begun, or finished

        // The next start.
        ProgramFolder::setOverride(folder);
        const TailRepair::Result r = TailRepair::run(archive, C::Size);
        QVERIFY(!QFileInfo::exists(AppendJournal::pathFor(archive)));
        const QStringList kept = keptFiles(folder);
        if (!note && untouched && before.size() > start) {
            // Not begun: only the old partial tail, which the repair at
            // start cuts and keeps as it would without any import.
            QCOMPARE(int(r.kind), int(TailRepair::Result::Kind::DamagedTail));
            QCOMPARE(readFile(archive), before.left(start));
            QCOMPARE(kept.size(), 1);
            QCOMPARE(readFile(QDir(folder).filePath(kept.first())), before.mid(start));
            return;
        }
        if (!note) {
            QCOMPARE(int(r.kind), int(TailRepair::Result::Kind::Nothing));
            QCOMPARE(readFile(archive), untouched ? before : before.left(start) + all);
            QVERIFY(kept.isEmpty());
            return;
        }
        // An import cut short is taken out whole: the archive is as before,
        // partial tail included, and what was written is kept aside.
        QCOMPARE(readFile(archive), before);
        if (after == before.mid(start)) {
            QCOMPARE(int(r.kind), int(TailRepair::Result::Kind::Nothing));
            QVERIFY(kept.isEmpty());
            return;
        }
        QCOMPARE(int(r.kind), int(TailRepair::Result::Kind::InterruptedAppend));
        QCOMPARE(kept.size(), 1);
        QCOMPARE(readFile(QDir(folder).filePath(kept.first())), after);
        QCOMPARE(r.cardsCut, qint64(after.size() / C::Size));
        QCOMPARE(r.cardsKept, qint64(3));
        QVERIFY(TailRepair::message(r, QStringLiteral("l'archivio dei candidati")).contains(kept.first()));

        // And the import can be done again, whole.
        QVERIFY(!runImport(folder, QStringLiteral("free"), 0));
        QCOMPARE(readFile(archive), before.left(start) + all);
    }

private slots:
    void killedAtEveryStep_data()
    {
        QTest::addColumn<bool>("partialTail");
        QTest::addColumn<int>("step");
        // The note, every block of five cards, the flush to the disk, the
        // removal of the note.
        const int steps = 1 + (kRows + 4) / 5 + 2;
        for (const bool tail : {false, true})
            for (int s = 1; s <= steps; ++s)
                QTest::addRow("%s, step %d", tail ? "partial tail" : "whole cards", s) << tail << s;
    }
    void killedAtEveryStep()
    {
        QFETCH(bool, partialTail);
        QFETCH(int, step);
        const int steps = 1 + (kRows + 4) / 5 + 2;
        QTemporaryDir dir;
        const QByteArray before = oldArchive(partialTail);
        QFile f(QDir(dir.path()).filePath(QStringLiteral("Archivio_Candidati.pro")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size());
        f.close();
        const bool killed = runImport(dir.path(), QStringLiteral("step"), step);
        QVERIFY(killed);
        // Killed at the last step (the note removed) the import is complete.
        QCOMPARE(QFileInfo::exists(AppendJournal::pathFor(f.fileName())), step < steps);
        checkAfterKill(dir.path(), before, killed);
    }

    void killedInsideACard_data()
    {
        QTest::addColumn<bool>("partialTail");
        QTest::addColumn<qint64>("bytes");
        const qint64 total = qint64(kRows) * C::Size;
        for (const bool tail : {false, true}) {
            for (const qint64 b : {qint64(0), qint64(1), qint64(C::Size / 2), qint64(C::Size), qint64(C::Size + 7),
                                   kBlockBytes - 1, kBlockBytes + C::Size * 2 + 100, total / 2 + 33, total - 1})
                QTest::addRow("%s, %lld bytes", tail ? "partial tail" : "whole cards", b) << tail << b;
        }
    }
    void killedInsideACard()
    {
        QFETCH(bool, partialTail);
        QFETCH(qint64, bytes);
        QTemporaryDir dir;
        const QByteArray before = oldArchive(partialTail);
        QFile f(QDir(dir.path()).filePath(QStringLiteral("Archivio_Candidati.pro")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size());
        f.close();
        QVERIFY(runImport(dir.path(), QStringLiteral("bytes"), bytes));
        checkAfterKill(dir.path(), before, true);
    }

    // kill -9 from outside at random moments of the import.
    void killedAtRandomMoments()
    {
        QTemporaryDir timing;
        QFile t(QDir(timing.path()).filePath(QStringLiteral("Archivio_Candidati.pro")));
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.close();
        QVERIFY(!runImport(timing.path(), QStringLiteral("free"), 0, -1));
        // From "ready" to the end of a whole import: the moments tried.
        const double span = qMax(1.0, m_lastImportMs);
        QRandomGenerator random(20261211);
        int midway = 0;
        for (int i = 0; i < 16; ++i) {
            QTemporaryDir dir;
            const QByteArray before = oldArchive(i % 2 == 1);
            QFile f(QDir(dir.path()).filePath(QStringLiteral("Archivio_Candidati.pro")));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size());
            f.close();
            const bool killed = runImport(dir.path(), QStringLiteral("free"), 0, random.bounded(span));
            const QString archive = QDir(dir.path()).filePath(QStringLiteral("Archivio_Candidati.pro"));
            if (QFileInfo::exists(AppendJournal::pathFor(archive)))
                ++midway;
            checkAfterKill(dir.path(), before, killed);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("%d of 16 kills landed inside the append (import of %.1f ms)", midway, span);
    }
};

SELVORA_CORE_TEST_MAIN(TestImportCrash)
#include "tst_importcrash.moc"
