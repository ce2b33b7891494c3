// Storing a candidate card without the window: a new card after the last
// one, a card written over in place, the day it was stored and its photo;
// every store the archive refuses leaves the archive, the photos and the
// dates file as they were; a photo or a dates file that cannot be written
// does not undo the stored card.
#include "base/core/AccessMode.h"
#include "base/core/RecordFile.h"
#include "candidates/core/CandidateCardStore.h"
#include "candidates/core/CardDates.h"
#include "candidates/core/SchedaCandidato.h"
#include "support/core/CoreTestMain.h"
#include "support/core/SampleCandidateCard.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

using S = TSchedaCandidato;

namespace {

const QString kArchive = QStringLiteral("Archivio_Candidati.pro");
const QDate kToday(2026, 12, 11);

S candidate(const QString& name, const QString& sex = QStringLiteral("M"))
{
    S s;
    s.Candidato = name;
    s.Sesso = sex;
    s.Ricontatta = S::flag(false);
    return s;
}

// An archive of n cards named "Candidato 1" ... "Candidato n".
QByteArray archive(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += candidate(QStringLiteral("Candidato %1").arg(i)).encode();
    return bytes;
}

QImage solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QString photoName(qint64 n)
{
    return QStringLiteral("Anagrafica/Scheda_Candidato_%1.jpg").arg(n);
}

} // namespace

class TestCandidateCardStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;

    QByteArray onDisk() const { return m_folder->read(kArchive); }
    QImage photo(qint64 n) const { return QImage(m_folder->file(photoName(n))); }

private slots:
    void init() { m_folder.reset(new TempProgramFolder); }
    void cleanup()
    {
        AccessMode::setWritable();
        RecordFile::setFileFactory(nullptr);
        m_folder.reset();
    }

    // A new card in an archive of 7 becomes card 8, with its photo and its
    // day; the bytes are the ones the card window has always written.
    void appendsACard()
    {
        m_folder->write(kArchive, archive(7));
        S card = candidate(QStringLiteral("  Bianchi Anna "), QStringLiteral("F"));
        card.Citta = QStringLiteral("Forlì");
        card.Note = QStringLiteral("n");
        card.Ricontatta = S::flag(true);
        card.File02 = QStringLiteral("permesso.pdf");
        card.Desc02 = QString(300, QLatin1Char('d'));
        const CandidateCardStore::Outcome out =
            CandidateCardStore::store(card, solid(160, 120, Qt::blue), QString(), kToday);
        QVERIFY(out.ok);
        QVERIFY(out.error.isEmpty());
        QVERIFY(out.appended);
        QCOMPARE(out.position, qint64(8));
        QVERIFY(out.photoStored);

        const QByteArray now = onDisk();
        QCOMPARE(now.size(), 8 * 3612);
        QCOMPARE(now.left(7 * 3612), archive(7));
        const QByteArray r = now.mid(7 * 3612);
        QCOMPARE(r, card.encode());
        checkSampleRecord(r);
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(photo(8).size(), QSize(160, 120));
        QVERIFY(qBlue(photo(8).pixel(80, 60)) > 200);
        QVERIFY(!QFileInfo::exists(m_folder->file(photoName(7))));
        const CardDates dates = CardDates::load();
        QVERIFY(dates.hasOwnDate(8));
        QCOMPARE(dates.changed(8), kToday);
        QVERIFY(!dates.hasOwnDate(7));
    }

    // The first card of a new archive makes the archive, card 1, photo 1.
    void firstCardOfANewArchive()
    {
        const CandidateCardStore::Outcome out = CandidateCardStore::store(
            candidate(QString(50, QLatin1Char('N'))), solid(307, 394, Qt::white), QString(), kToday);
        QVERIFY(out.ok);
        QCOMPARE(out.position, qint64(1));
        const QByteArray now = onDisk();
        QCOMPARE(now.size(), 3612);
        QCOMPARE(now.left(51), QByteArray(1, char(50)) + QByteArray(50, 'N'));
        QCOMPARE(now.mid(2103, 3), QByteArray("\x02\x4E\x6F"));
        QCOMPARE(photo(1).size(), QSize(307, 394));
    }

    // Card 3 stored again: only its own bytes, its photo and its day change;
    // the position is read as the label holds it, blanks around it.
    void rewritesOnlyItsCard_data()
    {
        QTest::addColumn<QString>("position");
        QTest::newRow("3") << "3";
        QTest::newRow("blanks around") << " 3 ";
    }
    void rewritesOnlyItsCard()
    {
        QFETCH(QString, position);
        const QByteArray before = archive(5);
        m_folder->write(kArchive, before);
        QDir(m_folder->path()).mkpath(QStringLiteral("Anagrafica"));
        QVERIFY(solid(30, 30, Qt::green).save(m_folder->file(photoName(2)), "JPG"));
        S card = S::decode(before.mid(2 * 3612, 3612));
        card.Note = QStringLiteral("richiamare");
        const CandidateCardStore::Outcome out =
            CandidateCardStore::store(card, solid(64, 48, Qt::red), position, kToday);
        QVERIFY(out.ok);
        QVERIFY(!out.appended);
        QCOMPARE(out.position, qint64(3));
        QVERIFY(out.photoStored);
        const QByteArray now = onDisk();
        QCOMPARE(now.size(), before.size());
        QCOMPARE(now.left(7224), before.left(7224));
        QCOMPARE(now.mid(10836), before.mid(10836));
        QCOMPARE(now.mid(7224, 3612), card.encode());
        QCOMPARE(S::decode(now.mid(7224, 3612)).Note, QStringLiteral("richiamare"));
        QCOMPARE(photo(3).size(), QSize(64, 48));
        QCOMPARE(photo(2).size(), QSize(30, 30));
        QCOMPARE(CardDates::load().changed(3), kToday);
        QVERIFY(!CardDates::load().hasOwnDate(2));
    }

    // Every refused store says the access message and leaves the archive as
    // it was, with no photo and no date written for the card.
    void refused_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("position");
        QTest::newRow("read-only run, new card") << "read-only"
                                                 << "";
        QTest::newRow("read-only run, card 2") << "read-only"
                                               << "2";
        QTest::newRow("folder in place of the archive") << "folder"
                                                        << "";
        QTest::newRow("position beyond the end") << ""
                                                 << "9";
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
        const QByteArray before = archive(3);
        m_folder->write(kArchive, before);
        std::unique_ptr<FailingWrites> failing;
        if (how == QLatin1String("read-only"))
            AccessMode::setReadOnly(AccessMode::reasonInUse());
        else if (how == QLatin1String("folder"))
            QVERIFY(QFile::remove(m_folder->file(kArchive)) && QDir(m_folder->path()).mkdir(kArchive));
        else if (how == QLatin1String("full"))
            failing.reset(new FailingWrites(100));
        else if (how == QLatin1String("full once"))
            failing.reset(new FailingWrites(100, FailingFile::Failure::Once));

        // A change in the first bytes of the card, so that a part written
        // before a failure would show.
        const CandidateCardStore::Outcome out = CandidateCardStore::store(candidate(QStringLiteral("Zeta Zorro")),
                                                                          solid(20, 20, Qt::red), position, kToday);
        failing.reset();
        QVERIFY(!out.ok);
        QCOMPARE(out.error, RecordFile::accessMessage());
        QCOMPARE(out.position, qint64(0));
        QVERIFY(!out.photoStored);
        if (how == QLatin1String("folder"))
            QVERIFY(QFileInfo(m_folder->file(kArchive)).isDir());
        else
            QCOMPARE(onDisk(), before);
        QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Anagrafica"))));
        QVERIFY(!QFileInfo::exists(CardDates::path()));
    }

    // A photo that cannot be written: the card is stored and dated all the
    // same, and the outcome says the photo was not.
    void photoNotWritten_data()
    {
        QTest::addColumn<QString>("why");
        QTest::newRow("a file in place of the photo folder") << "folder";
        QTest::newRow("no picture") << "none";
    }
    void photoNotWritten()
    {
        QFETCH(QString, why);
        QImage picture = solid(50, 50, Qt::red);
        if (why == QLatin1String("folder"))
            m_folder->write(QStringLiteral("Anagrafica"), "a file where the photo folder should be");
        else
            picture = QImage();
        const CandidateCardStore::Outcome out =
            CandidateCardStore::store(candidate(QStringLiteral("Verdi")), picture, QString(), kToday);
        QVERIFY(out.ok);
        QVERIFY(out.appended);
        QCOMPARE(out.position, qint64(1));
        QVERIFY(!out.photoStored);
        QCOMPARE(onDisk(), candidate(QStringLiteral("Verdi")).encode());
        QCOMPARE(CardDates::load().changed(1), kToday);
    }

    // A dates file that cannot be written does not undo the store: the card
    // and its photo are written all the same.
    void datesNotWritten()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(CardDates::fileName()));
        const CandidateCardStore::Outcome out =
            CandidateCardStore::store(candidate(QStringLiteral("Verdi")), solid(40, 30, Qt::red), QString(), kToday);
        QVERIFY(out.ok);
        QCOMPARE(out.position, qint64(1));
        QVERIFY(out.photoStored);
        QCOMPARE(onDisk(), candidate(QStringLiteral("Verdi")).encode());
        QCOMPARE(photo(1).size(), QSize(40, 30));
        QVERIFY(QFileInfo(CardDates::path()).isDir());
    }
};

SELVORA_CORE_TEST_MAIN(TestCandidateCardStore)
#include "tst_candidatecardstore.moc"
