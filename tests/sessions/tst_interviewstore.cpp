// Storing an interview card without the window: a new card after the last
// one, a card written over in place, the score as its field leaves it, and
// every store the record file refuses, which leaves the session file as it
// was. The bytes are laid out by hand, as the window tests lay them out.
#include "base/core/AccessMode.h"
#include "base/core/RecordFile.h"
#include "sessions/core/InterviewStore.h"
#include "sessions/core/SchedaColloquio.h"
#include "support/core/CoreTestMain.h"
#include "support/core/HandLaidInterviewCard.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

const QString kSessione = QStringLiteral("Colloqui 2024.vai");
const QByteArray kSi("S\xEC", 2);
constexpr int kSize = TSchedaColloquio::Size;

using Card = HandLaidInterviewCard;

Card card1()
{
    return SampleInterviewCards::first();
}
Card card2()
{
    return SampleInterviewCards::second();
}
Card card3()
{
    return SampleInterviewCards::third();
}

// The card as the window hands it over: the fields as they stand.
TSchedaColloquio fields(const QString& candidato, const QString& punteggio, const QString& note = QString(),
                        bool idoneo = false)
{
    TSchedaColloquio s;
    s.Candidato = candidato;
    s.CodiceFiscale = QStringLiteral("NREGLI90C41L219C");
    s.Provenienza = QStringLiteral("Torino");
    s.DataColloquio = QStringLiteral("05/03/2024");
    s.Dettagli = QStringLiteral("Prima riga\r\nSeconda riga");
    s.Punteggio = punteggio;
    s.Note = note;
    s.Idoneo = idoneo ? QStringLiteral("Sì") : QStringLiteral("No");
    return s;
}

Card laid(const QByteArray& candidato, const QByteArray& punteggio, const QByteArray& note, const QByteArray& idoneo)
{
    return {candidato, "NREGLI90C41L219C", "Torino", "05/03/2024", "Prima riga\r\nSeconda riga", punteggio, note,
            idoneo};
}

} // namespace

class TestInterviewStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;

    QString path() const { return m_folder->file(kSessione); }
    QByteArray onDisk() const { return m_folder->read(kSessione); }

private slots:
    void init() { m_folder.reset(new TempProgramFolder); }
    void cleanup()
    {
        AccessMode::setWritable();
        RecordFile::setFileFactory(nullptr);
        m_folder.reset();
    }

    // A new card goes in as card 1; stored again from its position it is
    // written over, and the file still holds one card.
    void appendsThenRewrites()
    {
        m_folder->write(kSessione, QByteArray());
        InterviewStore::Outcome out =
            InterviewStore::store(fields(QString::fromUtf8("Giulia Neri è"), QStringLiteral("12,5"),
                                         QStringLiteral("Disponibile subito"), true),
                                  path(), QString());
        QVERIFY(out.ok);
        QVERIFY(out.error.isEmpty());
        QVERIFY(out.appended);
        QCOMPARE(out.position, qint64(1));
        QCOMPARE(out.score, QStringLiteral("12,50"));
        Card expected = laid("Giulia Neri \xE8", "12,50", "Disponibile subito", kSi);
        QCOMPARE(onDisk(), expected.bytes());

        out = InterviewStore::store(
            fields(QString::fromUtf8("Giulia Neri è"), QStringLiteral("12,50"), QStringLiteral("Richiamato"), false),
            path(), QStringLiteral("1"));
        QVERIFY(out.ok);
        QVERIFY(!out.appended);
        QCOMPARE(out.position, qint64(1));
        expected.note = "Richiamato";
        expected.idoneo = "No";
        QCOMPARE(onDisk(), expected.bytes());
    }

    // A missing session file is made for the first card.
    void firstCardMakesTheFile()
    {
        QVERIFY(!QFileInfo::exists(path()));
        const InterviewStore::Outcome out = InterviewStore::store(fields("Nuovo", "3"), path(), QString());
        QVERIFY(out.ok);
        QCOMPARE(out.position, qint64(1));
        QCOMPARE(onDisk(), laid("Nuovo", "3,00", "", "No").bytes());
    }

    // A partial tail is no card: the new card is written over it.
    void appendsAfterTheLastCard()
    {
        const QByteArray before = card1().bytes() + card2().bytes();
        m_folder->write(kSessione, before + QByteArray(100, 'x'));
        const InterviewStore::Outcome out = InterviewStore::store(fields("Nuovo", ""), path(), QString());
        QVERIFY(out.ok);
        QVERIFY(out.appended);
        QCOMPARE(out.position, qint64(3));
        QCOMPARE(out.score, QStringLiteral("0,00"));
        QCOMPARE(onDisk(), before + laid("Nuovo", "0,00", "", "No").bytes());
    }

    // Card 2 read and stored again: not a byte of the file changes, odd line
    // breaks, a non-breaking space and an unknown flag included.
    void readAndStoredIsByteForByte()
    {
        Card odd = card2();
        odd.dettagli = "Riga uno\r\nRiga due\r\n\r\nRiga quattro \xA0 fine";
        const QByteArray file = card1().bytes() + odd.bytes() + card3().bytes();
        m_folder->write(kSessione, file);
        const TSchedaColloquio shown = TSchedaColloquio::decode(file.mid(kSize, kSize));
        const InterviewStore::Outcome out = InterviewStore::store(shown, path(), QStringLiteral("2"));
        QVERIFY(out.ok);
        QVERIFY(!out.appended);
        QCOMPARE(out.position, qint64(2));
        QCOMPARE(onDisk(), file);
    }

    // Writing over card 2 touches no byte of cards 1 and 3; the position is
    // read as the label holds it, blanks around it, and so is the file's path.
    void rewritesOnlyItsCard()
    {
        const QByteArray file = card1().bytes() + card2().bytes() + card3().bytes();
        m_folder->write(kSessione, file);
        TSchedaColloquio changed = TSchedaColloquio::decode(file.mid(kSize, kSize));
        changed.Provenienza = QStringLiteral("Bergamo");
        changed.Idoneo = QStringLiteral("Sì");
        const InterviewStore::Outcome out =
            InterviewStore::store(changed, QStringLiteral(" ") + path() + QStringLiteral(" "), QStringLiteral(" 2 "));
        QVERIFY(out.ok);
        QCOMPARE(out.position, qint64(2));
        Card expected = card2();
        expected.provenienza = "Bergamo";
        expected.idoneo = kSi;
        QCOMPARE(onDisk(), card1().bytes() + expected.bytes() + card3().bytes());
    }

    // The score is stored as leaving its field leaves it.
    void scoreAsItsFieldLeavesIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("whole") << "7"
                               << "7,00";
        QTest::newRow("one decimal") << "12,5"
                                     << "12,50";
        QTest::newRow("leading zeros") << "0012,3"
                                       << "12,30";
        QTest::newRow("rounded") << "27,456"
                                 << "27,46";
        QTest::newRow("not a number") << "1,2,3"
                                      << "0,00";
        QTest::newRow("already stored") << "18,00"
                                        << "18,00";
    }
    void scoreAsItsFieldLeavesIt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const InterviewStore::Outcome out = InterviewStore::store(fields("Rossi", typed), path(), QString());
        QVERIFY(out.ok);
        QCOMPARE(out.score, stored);
        QCOMPARE(TSchedaColloquio::decode(onDisk()).Punteggio, stored);
    }

    // Every refused store says the access message and leaves the session
    // file exactly as it was.
    void refused_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("position");
        QTest::newRow("read-only run, new card") << "read-only"
                                                 << "";
        QTest::newRow("read-only run, card 2") << "read-only"
                                               << "2";
        QTest::newRow("folder in place of the file") << "folder"
                                                     << "";
        QTest::newRow("position beyond the end") << ""
                                                 << "7";
        QTest::newRow("position not a number") << ""
                                               << "abc";
        QTest::newRow("position zero") << ""
                                       << "0";
        QTest::newRow("disk full on append") << "full"
                                             << "";
        QTest::newRow("disk full on rewrite") << "full once"
                                              << "2";
    }
    void refused()
    {
        QFETCH(QString, how);
        QFETCH(QString, position);
        const QByteArray file = card1().bytes() + card2().bytes() + card3().bytes();
        m_folder->write(kSessione, file);
        std::unique_ptr<FailingWrites> failing;
        if (how == QLatin1String("read-only"))
            AccessMode::setReadOnly(AccessMode::reasonInUse());
        else if (how == QLatin1String("folder"))
            QVERIFY(QFile::remove(path()) && QDir(m_folder->path()).mkdir(kSessione));
        else if (how == QLatin1String("full"))
            failing.reset(new FailingWrites(3000));
        else if (how == QLatin1String("full once"))
            failing.reset(new FailingWrites(100, FailingFile::Failure::Once));

        // A change in the first bytes of the card, so that a part written
        // before a failure would show.
        const InterviewStore::Outcome out =
            InterviewStore::store(fields("Zeta Zorro", "30", "non salvata"), path(), position);
        failing.reset();
        QVERIFY(!out.ok);
        QCOMPARE(out.error, RecordFile::accessMessage());
        QCOMPARE(out.position, qint64(0));
        if (how == QLatin1String("folder"))
            QVERIFY(QFileInfo(path()).isDir());
        else
            QCOMPARE(onDisk(), file);
    }

    // A position that is no card number is refused before the file is
    // opened: a missing session file is not made for it.
    void unusablePositionMakesNoFile()
    {
        const InterviewStore::Outcome out = InterviewStore::store(fields("Rossi", "1"), path(), QStringLiteral("x1"));
        QVERIFY(!out.ok);
        QVERIFY(!QFileInfo::exists(path()));
    }
};

SELVORA_CORE_TEST_MAIN(TestInterviewStore)
#include "tst_interviewstore.moc"
