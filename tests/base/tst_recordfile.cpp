// The record-file layer under both archives: offsets, counts with a partial
// tail, creation of a missing file, and failed writes that must leave every
// other card exactly as it was.
#include "base/core/RecordFile.h"
#include "base/core/TailRepair.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>

#include <memory>

namespace {
constexpr int kSize = 100;

QByteArray card(char c)
{
    return filled(kSize, c);
}
} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void missingFileIsCreatedEmpty()
    {
        TempProgramFolder folder;
        RecordFile file(folder.file("nuovo.vai"), kSize);
        QVERIFY(file.open());
        QCOMPARE(file.count(), 0);
        file.close();
        QVERIFY(QFileInfo::exists(folder.file("nuovo.vai")));
        QCOMPARE(QFileInfo(folder.file("nuovo.vai")).size(), 0);
    }

    void countIgnoresPartialTail_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("cards");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("partial only") << kSize - 1 << 0;
        QTest::newRow("one") << kSize << 1;
        QTest::newRow("three and a tail") << 3 * kSize + 37 << 3;
    }
    void countIgnoresPartialTail()
    {
        QFETCH(int, bytes);
        QFETCH(int, cards);
        TempProgramFolder folder;
        folder.write("a.vai", QByteArray(bytes, 'x'));
        RecordFile file(folder.file("a.vai"), kSize);
        QVERIFY(file.open());
        QCOMPARE(file.count(), qint64(cards));
    }

    void readsCardAtItsOffset()
    {
        TempProgramFolder folder;
        folder.write("a.vai", card('A') + card('B') + card('C') + "tail");
        RecordFile file(folder.file("a.vai"), kSize);
        QVERIFY(file.open());
        QByteArray got;
        QVERIFY(file.read(2, &got));
        QCOMPARE(got, card('B'));
        QVERIFY(file.read(3, &got));
        QCOMPARE(got, card('C'));
        QVERIFY(!file.read(4, &got)); // the tail is never a card
        QVERIFY(!file.read(0, &got));
    }

    void appendLandsAfterLastWholeCard()
    {
        // 3612-byte cards: a 7300-byte file holds two, and the next card lands
        // at byte 7224 over the 76 bytes of the torn tail.
        TempProgramFolder folder;
        folder.write("Archivio_Candidati.pro", QByteArray(3612, 'a') + QByteArray(3612, 'b') + QByteArray(76, 'z'));
        RecordFile file(folder.file("Archivio_Candidati.pro"), 3612);
        QVERIFY(file.open());
        QCOMPARE(file.append(QByteArray(3612, 'c')), qint64(3));
        file.close();
        const QByteArray bytes = folder.read("Archivio_Candidati.pro");
        QCOMPARE(bytes.size(), 3 * 3612);
        QCOMPARE(bytes.mid(7224), QByteArray(3612, 'c'));
        QCOMPARE(bytes.left(7224), QByteArray(3612, 'a') + QByteArray(3612, 'b'));
    }

    void rewriteTouchesOnlyItsCard()
    {
        TempProgramFolder folder;
        folder.write("a.vai", card('A') + card('B') + card('C'));
        RecordFile file(folder.file("a.vai"), kSize);
        QVERIFY(file.open());
        QVERIFY(file.rewrite(2, card('X')));
        QVERIFY(!file.rewrite(4, card('Y'))); // beyond the end: no hole, no card
        QVERIFY(!file.rewrite(1, QByteArray(kSize - 1, 'Y'))); // wrong size
        file.close();
        QCOMPARE(folder.read("a.vai"), card('A') + card('X') + card('C'));
    }

    void failedAppendShrinksBackToWholeCards_data()
    {
        QTest::addColumn<qint64>("budget");
        QTest::newRow("nothing written") << qint64(0);
        QTest::newRow("half a card written") << qint64(kSize / 2);
    }
    void failedAppendShrinksBackToWholeCards()
    {
        QFETCH(qint64, budget);
        TempProgramFolder folder;
        const QByteArray before = card('A') + card('B');
        folder.write("a.vai", before + "torn");
        {
            FailingWrites failing(budget);
            RecordFile file(folder.file("a.vai"), kSize);
            QVERIFY(file.open());
            QCOMPARE(file.append(card('C')), qint64(0));
            QVERIFY(!file.errorString().isEmpty());
        }
        QCOMPARE(folder.read("a.vai"), before);
    }

    void failedRewriteRestoresTheCard()
    {
        TempProgramFolder folder;
        const QByteArray before = card('A') + card('B') + card('C');
        folder.write("a.vai", before);
        {
            // The first half of the new card gets written, then that write
            // fails; room comes back at once, so the old card must come back
            // whole.
            FailingWrites failing(kSize / 2, FailingFile::Failure::Once);
            RecordFile file(folder.file("a.vai"), kSize);
            QVERIFY(file.open());
            QVERIFY(!file.rewrite(2, card('X')));
            QVERIFY(!file.errorString().isEmpty());
        }
        QCOMPARE(folder.read("a.vai"), before);
    }

    void failedRewriteOnFullDiskLeavesNeighbours()
    {
        TempProgramFolder folder;
        const QByteArray before = card('A') + card('B') + card('C');
        folder.write("a.vai", before);
        {
            // The disk stays full: the restore fails too, but whatever happened
            // to card 2, its neighbours are untouched.
            FailingWrites failing(kSize / 2);
            RecordFile file(folder.file("a.vai"), kSize);
            QVERIFY(file.open());
            QVERIFY(!file.rewrite(2, card('X')));
        }
        const QByteArray after = folder.read("a.vai");
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.left(kSize), card('A'));
        QCOMPARE(after.mid(2 * kSize), card('C'));
    }

    void failedRewriteOnRealDeviceLeavesNeighbours()
    {
        // A write budget larger than one card: the new card goes down, but
        // nothing else moves.
        TempProgramFolder folder;
        folder.write("a.vai", card('A') + card('B') + card('C'));
        {
            FailingWrites failing(kSize);
            RecordFile file(folder.file("a.vai"), kSize);
            QVERIFY(file.open());
            QVERIFY(file.rewrite(3, card('Z')));
            QVERIFY(!file.rewrite(1, card('Y'))); // budget used up
        }
        QCOMPARE(folder.read("a.vai"), card('A') + card('B') + card('Z'));
    }

    void openFailures()
    {
        TempProgramFolder folder;
        QDir(folder.path()).mkdir("cartella.vai");
        RecordFile onFolder(folder.file("cartella.vai"), kSize);
        QVERIFY(!onFolder.open());
        RecordFile inMissingFolder(folder.file("manca/a.vai"), kSize);
        QVERIFY(!inMissingFolder.open());
        QVERIFY(!QFileInfo::exists(folder.file("manca")));
    }

    void fullDiskAppendFails()
    {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full here");
        RecordFile file("/dev/full", kSize);
        QVERIFY(file.open());
        QCOMPARE(file.append(card('A')), qint64(0));
    }

    void scanVisitsEveryCardInOrderAcrossBlocks()
    {
        // More than one 4 MB block of 5865-byte cards.
        TempProgramFolder folder;
        const int cards = 1500;
        QByteArray bytes;
        bytes.reserve(cards * 5865 + 10);
        for (int i = 0; i < cards; ++i) {
            QByteArray rec(5865, char('a' + i % 26));
            rec.replace(0, 4, QByteArray::number(i).rightJustified(4, '0'));
            bytes += rec;
        }
        bytes += "tail";
        folder.write("big.vai", bytes);
        RecordFile file(folder.file("big.vai"), 5865);
        QVERIFY(file.open());
        int seen = 0;
        bool ordered = true;
        QVERIFY(file.scan([&](qint64 n, const char* rec) {
            ordered =
                ordered && n == seen + 1 && QByteArray(rec, 4).toInt() == seen && rec[5864] == char('a' + seen % 26);
            ++seen;
            return true;
        }));
        QCOMPARE(seen, cards);
        QVERIFY(ordered);

        int stoppedAt = 0;
        QVERIFY(file.scan([&](qint64 n, const char*) {
            stoppedAt = int(n);
            return n < 10;
        }));
        QCOMPARE(stoppedAt, 10);
    }

    // The repair at start of an end left damaged by a crash: what is cut is
    // kept byte for byte beside the file, and whole cards are never touched.
    void tailRepair_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("note"); // the append note beside the file, if any
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QByteArray>("kept");
        using K = TailRepair::Result::Kind;
        const QByteArray cards = card('A') + card('B');
        const QByteArray zeros(kSize, '\0');
        auto note = [](qint64 length, const QByteArray& tail) {
            return "Selvora - aggiunta di schede in corso\nversione=1\nfile=a.vai\nlunghezza=" +
                QByteArray::number(length) + "\ncoda=" + tail.toBase64() + "\n";
        };
        QTest::newRow("whole cards") << cards << QByteArray() << int(K::Nothing) << cards << QByteArray();
        QTest::newRow("empty") << QByteArray() << QByteArray() << int(K::Nothing) << QByteArray() << QByteArray();
        QTest::newRow("piece of a card") << cards + "pezzo" << QByteArray() << int(K::DamagedTail) << cards
                                         << QByteArray("pezzo");
        QTest::newRow("zero cards and a zero piece")
            << cards + zeros + zeros + QByteArray(9, '\0') << QByteArray() << int(K::DamagedTail) << cards
            << zeros + zeros + QByteArray(9, '\0');
        QTest::newRow("a zero card before a real one is a card")
            << card('A') + zeros + card('B') << QByteArray() << int(K::Nothing) << card('A') + zeros + card('B')
            << QByteArray();
        QTest::newRow("only zero cards") << zeros + zeros << QByteArray() << int(K::DamagedTail) << QByteArray()
                                         << zeros + zeros;
        QTest::newRow("append stopped before writing")
            << cards + "coda" << note(2 * kSize + 4, "coda") << int(K::Nothing) << cards + "coda" << QByteArray();
        QTest::newRow("append stopped inside a card") << cards + card('C') + "CCC" << note(2 * kSize, QByteArray())
                                                      << int(K::InterruptedAppend) << cards << card('C') + "CCC";
        QTest::newRow("append over a partial tail stopped")
            << cards + card('C') + card('D') << note(2 * kSize + 4, "coda") << int(K::InterruptedAppend)
            << cards + "coda" << card('C') + card('D');
        QTest::newRow("append that had ended")
            << cards + card('C') << note(2 * kSize, QByteArray()) << int(K::InterruptedAppend) << cards << card('C');
        QTest::newRow("a note that is not one")
            << cards + "pezzo" << QByteArray("spazzatura") << int(K::DamagedTail) << cards << QByteArray("pezzo");
    }
    void tailRepair()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, note);
        QFETCH(int, kind);
        QFETCH(QByteArray, after);
        QFETCH(QByteArray, kept);
        TempProgramFolder folder;
        folder.write("a.vai", before);
        if (!note.isEmpty())
            folder.write("a.vai.aggiunta", note);
        const TailRepair::Result r = TailRepair::run(folder.file("a.vai"), kSize);
        QCOMPARE(int(r.kind), kind);
        QCOMPARE(folder.read("a.vai"), after);
        QVERIFY(!QFileInfo::exists(folder.file("a.vai.aggiunta")));
        const QStringList keptFiles = QDir(folder.path()).entryList({"a.vai.recuperato-*"}, QDir::Files);
        QCOMPARE(keptFiles.size(), kept.isEmpty() ? 0 : 1);
        if (!kept.isEmpty()) {
            QCOMPARE(folder.read(keptFiles.first()), kept);
            QCOMPARE(r.savedTo, folder.file(keptFiles.first()));
            const QString text = TailRepair::message(r, QStringLiteral("l'archivio dei candidati"));
            QVERIFY2(text.contains(keptFiles.first()), qPrintable(text));
        } else {
            QVERIFY(TailRepair::message(r, QStringLiteral("l'archivio dei candidati")).isEmpty());
        }
        // An unreadable note is put aside, never deleted.
        if (note == "spazzatura")
            QCOMPARE(QDir(folder.path()).entryList({"a.vai.aggiunta.recuperato-*"}, QDir::Files).size(), 1);
    }

    void repairMessages()
    {
        TailRepair::Result r;
        r.kind = TailRepair::Result::Kind::InterruptedAppend;
        r.cardsKept = 3;
        r.cardsCut = 40;
        r.partialCard = true;
        r.bytesCut = 40 * 3612 + 100;
        r.savedTo = QStringLiteral("/dati/Archivio_Candidati.pro.recuperato-20261211-053900");
        QCOMPARE(TailRepair::message(r, QStringLiteral("l'archivio dei candidati")),
                 QStringLiteral("Attenzione: l'ultima importazione di candidati non è terminata (il programma è stato "
                                "chiuso o è mancata la corrente mentre scriveva l'archivio dei candidati).\n\n"
                                "L'archivio dei candidati è stato riportato com'era prima dell'importazione (3 "
                                "schede). Ciò che era già stato scritto (40 schede e una scheda scritta solo in "
                                "parte) è stato tolto e conservato nel file:\n"
                                "/dati/Archivio_Candidati.pro.recuperato-20261211-053900\n\n"
                                "Per aggiungere quelle schede ripetere l'importazione."));
        r.kind = TailRepair::Result::Kind::DamagedTail;
        r.cardsCut = 2;
        r.bytesCut = 2 * 3612 + 9;
        QCOMPARE(TailRepair::message(r, QStringLiteral("l'archivio dei candidati")),
                 QStringLiteral("Attenzione: la fine dell'archivio dei candidati era danneggiata da una chiusura "
                                "imprevista del programma o da una mancanza di corrente (2 schede vuote e una scheda "
                                "scritta solo in parte).\n\nSono stati tolti 7233 byte dopo l'ultima scheda intera "
                                "(la scheda n. 3) e conservati nel file:\n"
                                "/dati/Archivio_Candidati.pro.recuperato-20261211-053900\n\n"
                                "Le schede precedenti non sono state toccate."));
    }

    // The note of an append lives only while the append runs.
    void appendAllLeavesNoNote_data()
    {
        QTest::addColumn<qint64>("budget");
        QTest::newRow("succeeds") << qint64(-1);
        QTest::newRow("fails midway") << qint64(kSize * 3 + 10);
    }
    void appendAllLeavesNoNote()
    {
        QFETCH(qint64, budget);
        TempProgramFolder folder;
        const QByteArray before = card('A') + "tail";
        folder.write("a.vai", before);
        bool noteWhileWriting = false;
        RecordFile::setAppendHook([&](RecordFile::AppendStep step, qint64) {
            if (step == RecordFile::AppendStep::BlockWritten)
                noteWhileWriting = QFileInfo::exists(folder.file("a.vai.aggiunta"));
        });
        RecordFile::setBlockBytes(2 * kSize);
        qint64 first = 0;
        qint64 added = 0;
        {
            std::unique_ptr<FailingWrites> failing;
            if (budget >= 0)
                failing = std::make_unique<FailingWrites>(budget, FailingFile::Failure::Once);
            RecordFile file(folder.file("a.vai"), kSize);
            QVERIFY(file.open());
            int n = 0;
            first = file.appendAll(
                [&n](QByteArray* r) {
                    if (n == 6)
                        return false;
                    *r = card(char('B' + n++));
                    return true;
                },
                &added);
        }
        RecordFile::setAppendHook(nullptr);
        RecordFile::setBlockBytes(0);
        QVERIFY(noteWhileWriting);
        QVERIFY(!QFileInfo::exists(folder.file("a.vai.aggiunta")));
        if (budget < 0) {
            QCOMPARE(first, qint64(2));
            QCOMPARE(added, qint64(6));
            QCOMPARE(folder.read("a.vai"),
                     card('A') + card('B') + card('C') + card('D') + card('E') + card('F') + card('G'));
        } else {
            QCOMPARE(first, qint64(0));
            QCOMPARE(folder.read("a.vai"), before);
        }
    }

    void accessMessageAsStored()
    {
        QCOMPARE(
            RecordFile::accessMessage(),
            QString::fromUtf8(
                "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
    }
};

SELVORA_CORE_TEST_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
