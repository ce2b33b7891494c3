// The interview card record: every field at its offset, cut to its width
// less one, zero-terminated, in Windows-1252.
#include "sessions/core/SchedaColloquio.h"
#include "support/core/CoreTestMain.h"

class TestSchedaColloquio : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAtTheirOffsets_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        QTest::newRow("Candidato") << 0 << 0 << 121;
        QTest::newRow("CodiceFiscale") << 1 << 121 << 121;
        QTest::newRow("Provenienza") << 2 << 242 << 51;
        QTest::newRow("DataColloquio") << 3 << 293 << 51;
        QTest::newRow("Dettagli") << 4 << 344 << 5001;
        QTest::newRow("Punteggio") << 5 << 5345 << 16;
        QTest::newRow("Note") << 6 << 5361 << 501;
        QTest::newRow("Idoneo") << 7 << 5862 << 3;
    }
    void fieldsAtTheirOffsets()
    {
        QFETCH(int, field);
        QFETCH(int, offset);
        QFETCH(int, width);
        TSchedaColloquio s;
        QString* fields[] = {&s.Candidato, &s.CodiceFiscale, &s.Provenienza, &s.DataColloquio,
                             &s.Dettagli,  &s.Punteggio,     &s.Note,        &s.Idoneo};
        // Longer than any field: the field keeps width - 1 characters and its zero.
        *fields[field] = QString(6000, QLatin1Char('K'));
        const QByteArray rec = s.encode();
        QCOMPARE(rec.size(), 5865);
        QByteArray expected(5865, '\0');
        expected.replace(offset, width - 1, QByteArray(width - 1, 'K'));
        QCOMPARE(rec, expected);
        const TSchedaColloquio back = TSchedaColloquio::decode(rec);
        const QString read[] = {back.Candidato, back.CodiceFiscale, back.Provenienza, back.DataColloquio,
                                back.Dettagli,  back.Punteggio,     back.Note,        back.Idoneo};
        QCOMPARE(read[field], QString(width - 1, QLatin1Char('K')));
    }

    void flagBytes()
    {
        TSchedaColloquio s;
        s.Idoneo = QStringLiteral("Sì");
        QCOMPARE(s.encode().mid(5862), QByteArray("\x53\xEC\x00", 3));
        s.Idoneo = QStringLiteral("No");
        QCOMPARE(s.encode().mid(5862), QByteArray("\x4E\x6F\x00", 3));
    }

    void flagReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("si");
        QTest::addColumn<bool>("no");
        QTest::newRow("Sì") << QByteArray("S\xEC\0", 3) << true << false;
        QTest::newRow("No") << QByteArray("No\0", 3) << false << true;
        QTest::newRow("empty") << QByteArray(3, '\0') << false << false;
        QTest::newRow("small si") << QByteArray("s\xEC\0", 3) << false << false;
        QTest::newRow("blank then No") << QByteArray(" No", 3) << false << true;
        QTest::newRow("garbage") << QByteArray("\xFF\xFE\xFD", 3) << false << false;
    }
    void flagReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, si);
        QFETCH(bool, no);
        QByteArray rec(5865, '\0');
        rec.replace(5862, 3, bytes);
        const TSchedaColloquio s = TSchedaColloquio::decode(rec);
        QCOMPARE(s.isIdoneo(), si);
        QCOMPARE(s.isNonIdoneo(), no);
    }

    void textInCodePage()
    {
        TSchedaColloquio s;
        s.Candidato = QStringLiteral("Niccolò Łukasz €");
        s.Dettagli = QStringLiteral("riga uno\r\nriga due");
        const QByteArray rec = s.encode();
        QCOMPARE(rec.left(17), QByteArray("Niccol\xF2 ?ukasz \x80", 16) + QByteArray(1, '\0'));
        QCOMPARE(rec.mid(344, 19), QByteArray("riga uno\r\nriga due", 18) + QByteArray(1, '\0'));
        const TSchedaColloquio back = TSchedaColloquio::decode(rec);
        QCOMPARE(back.Candidato, QStringLiteral("Niccolò ?ukasz €"));
        QCOMPARE(back.Dettagli, s.Dettagli);
    }

    void readingStopsAtZeroOrTakesWholeField()
    {
        QByteArray rec(5865, '\0');
        // Punteggio without its zero: all 16 bytes are the text.
        rec.replace(5345, 16, QByteArray("1234567890123456"));
        // Bytes after the zero are not significant.
        rec.replace(0, 8, QByteArray("Rossi\0xy", 8));
        const TSchedaColloquio s = TSchedaColloquio::decode(rec);
        QCOMPARE(s.Punteggio, QStringLiteral("1234567890123456"));
        QCOMPARE(s.Candidato, QStringLiteral("Rossi"));
        QCOMPARE(TSchedaColloquio::punteggio(rec.constData()), s.Punteggio);
        // The next field is read from its own offset, whatever runs over.
        QCOMPARE(s.Note, QString());
    }
};

SELVORA_CORE_TEST_MAIN(TestSchedaColloquio)
#include "tst_schedacolloquio.moc"
