// The candidate card record byte for byte, the archive file around it and the
// photo file names.
#include "base/core/RecordFile.h"
#include "candidates/core/SchedaCandidato.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QRandomGenerator>

using S = TSchedaCandidato;

namespace {
// A record of zeros with the length-prefixed bytes put at an offset.
void putField(QByteArray& record, int offset, const QByteArray& text)
{
    record[offset] = char(quint8(text.size()));
    record.replace(offset + 1, text.size(), text);
}
QByteArray at(const QByteArray& record, int offset, int n)
{
    return record.mid(offset, n);
}
} // namespace

class TestSchedaCandidato : public QObject
{
    Q_OBJECT

private slots:

    // Offsets and widths as the archive layout gives them; each field written
    // alone lands at its offset with its length byte first.
    void layout_data()
    {
        QTest::addColumn<int>("campo");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        const struct
        {
            const char* name;
            int offset;
            int width;
        } rows[] = {
            {"Candidato", 0, 50},   {"Sesso", 51, 1},          {"DataNasc", 53, 10},      {"Cittadinanza", 64, 50},
            {"LuogoNasc", 115, 50}, {"Indirizzo", 166, 120},   {"Citta", 287, 50},        {"Cap", 338, 10},
            {"Settore", 349, 50},   {"CodFisc", 400, 16},      {"PartitaIva", 417, 11},   {"Patente", 429, 50},
            {"Studio", 480, 120},   {"Lingue", 601, 250},      {"Email", 852, 50},        {"Tel", 903, 30},
            {"Cel", 934, 30},       {"Documento", 965, 120},   {"EnteRil", 1086, 120},    {"InizioTes", 1207, 10},
            {"FineTes", 1218, 10},  {"Esperienze", 1229, 250}, {"Competenze", 1480, 250}, {"Disponibilita", 1731, 120},
            {"Note", 1852, 250},    {"Ricontatta", 2103, 2},   {"File01", 2106, 250},     {"File02", 2357, 250},
            {"File03", 2608, 250},  {"Desc01", 2859, 250},     {"Desc02", 3110, 250},     {"Desc03", 3361, 250},
        };
        for (int i = 0; i < 32; ++i)
            QTest::newRow(rows[i].name) << i << rows[i].offset << rows[i].width;
    }
    void layout()
    {
        QFETCH(int, campo);
        QFETCH(int, offset);
        QFETCH(int, width);
        const auto c = S::Campo(campo);
        QCOMPARE(S::fieldOffset(c), offset);
        QCOMPARE(S::maxChars(c), width);

        // A text longer than any field, all 'x': exactly width bytes kept.
        S card;
        card.Ricontatta.clear();
        card.field(c) = QString(300, QLatin1Char('x'));
        QByteArray expected(S::Size, '\0');
        putField(expected, offset, QByteArray(width, 'x'));
        QCOMPARE(card.encode(), expected);
        QCOMPARE(S::read(expected.constData(), c), QString(width, QLatin1Char('x')));
    }

    void recordSize() { QCOMPARE(S().encode().size(), 3612); }

    // A small card with a few fields, byte for byte.
    void wholeCard()
    {
        S card;
        card.Candidato = "Rossi Mario";
        card.Sesso = "M";
        card.Citta = "Forlì";
        card.Email = "mario@rossi.it";
        card.Ricontatta = "Sì";
        card.File01 = "cv.pdf";
        QByteArray expected(3612, '\0');
        putField(expected, 0, "Rossi Mario");
        putField(expected, 51, "M");
        putField(expected, 287, "Forl\xEC");
        putField(expected, 852, "mario@rossi.it");
        putField(expected, 2103, "S\xEC");
        putField(expected, 2106, "cv.pdf");
        QCOMPARE(card.encode(), expected);

        const S back = S::decode(expected);
        for (int i = 0; i < S::CampoCount; ++i)
            QCOMPARE(back.field(S::Campo(i)), card.field(S::Campo(i)));
    }

    void encodeField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes"); // length byte and text
        QTest::newRow("50 characters whole")
            << QString(50, QLatin1Char('N')) << QByteArray(1, char(50)) + QByteArray(50, 'N');
        QTest::newRow("51 characters cut")
            << QString(51, QLatin1Char('N')) << QByteArray(1, char(50)) + QByteArray(50, 'N');
        QTest::newRow("a grave one byte") << "à" << QByteArray("\x01\xE0", 2);
        QTest::newRow("euro one byte") << "€" << QByteArray("\x01\x80", 2);
        QTest::newRow("l stroke as ?") << "ł" << QByteArray("\x01?", 2);
        QTest::newRow("trimmed") << "  \tBianchi \r\n"
                                 << QByteArray("\x07"
                                               "Bianchi");
        QTest::newRow("inner blanks kept") << " De  Luca "
                                           << QByteArray("\x08"
                                                         "De  Luca");
        QTest::newRow("only blanks empty") << "    " << QByteArray(1, '\0');
        QTest::newRow("empty") << "" << QByteArray(1, '\0');
        // Trimmed first, then cut: the kept text ends in the blank at 50.
        QTest::newRow("cut after trimming")
            << "   " + QString(49, QLatin1Char('a')) + " b" << QByteArray(1, char(50)) + QByteArray(49, 'a') + ' ';
        // Converted first, then cut: 50 one-byte accented letters fit.
        QTest::newRow("accents count one byte each")
            << QString(55, QChar(0xE8)) << QByteArray(1, char(50)) + QByteArray(50, '\xE8');
    }
    void encodeField()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        S card;
        card.Candidato = text;
        const QByteArray record = card.encode();
        QCOMPARE(at(record, 0, bytes.size()), bytes);
        // The rest of the field is zeros.
        QCOMPARE(at(record, bytes.size(), 51 - bytes.size()), QByteArray(51 - bytes.size(), '\0'));
    }

    void longDescriptionCut()
    {
        S card;
        QString desc;
        for (int i = 0; i < 300; ++i)
            desc += QChar(u'a' + i % 26);
        card.Desc02 = "  " + desc + "  ";
        const QByteArray record = card.encode();
        QCOMPARE(quint8(record[3110]), quint8(250));
        QCOMPARE(at(record, 3111, 250), desc.left(250).toLatin1());
        QCOMPARE(S::decode(record).Desc02, desc.left(250));
    }

    void flagBytes_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("flagged") << S::flag(true) << QByteArray("\x02\x53\xEC");
        QTest::newRow("not flagged") << S::flag(false) << QByteArray("\x02\x4E\x6F");
    }
    void flagBytes()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, bytes);
        S card;
        card.Ricontatta = value;
        const QByteArray record = card.encode();
        QCOMPARE(at(record, 2103, 3), bytes);
        QCOMPARE(S::decode(record).isRicontatta(), value == QStringLiteral("Sì"));
        QCOMPARE(S::isRicontatta(record.constData()), value == QStringLiteral("Sì"));
    }

    void otherFlagIsNotTicked()
    {
        QByteArray record(3612, '\0');
        putField(record, 2103, "si");
        QVERIFY(!S::decode(record).isRicontatta());
        putField(record, 2103, "S\xEC");
        QVERIFY(S::decode(record).isRicontatta());
    }

    // Decoding takes the first L bytes as they are: no trimming.
    void decodeNotTrimmed()
    {
        QByteArray record(3612, '\0');
        putField(record, 0, " Verdi ");
        record[100] = 'Z'; // after Cittadinanza's (empty) text: never read
        QCOMPARE(S::decode(record).Candidato, QStringLiteral(" Verdi "));
        QCOMPARE(S::decode(record).Cittadinanza, QString());
        QCOMPARE(S::candidato(record.constData()), QStringLiteral(" Verdi "));
    }

    // A length byte larger than the field's width is read as the width; the
    // next field's bytes never leak in.
    void oversizeLength_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("campo");
        QTest::newRow("Candidato 255") << 0 << 50 << int(S::fCandidato);
        QTest::newRow("Sesso 2") << 51 << 1 << int(S::fSesso);
        QTest::newRow("Ricontatta 3") << 2103 << 2 << int(S::fRicontatta);
        QTest::newRow("last field 255") << 3361 << 250 << int(S::fDesc03);
    }
    void oversizeLength()
    {
        QFETCH(int, offset);
        QFETCH(int, width);
        QFETCH(int, campo);
        QByteArray record(3612, 'q');
        record[offset] = char(width == 1 ? 2 : (width == 2 ? 3 : 255));
        record.replace(offset + 1, width, QByteArray(width, 'k'));
        // The byte just after the field (if any) is not a 'k'.
        const S decoded = S::decode(record);
        QCOMPARE(decoded.field(S::Campo(campo)), QString(width, QLatin1Char('k')));
        QCOMPARE(S::read(record.constData(), S::Campo(campo)), QString(width, QLatin1Char('k')));
    }

    // Random bytes: every field stays within its width.
    void randomBytes()
    {
        QRandomGenerator rng(20240521);
        for (int round = 0; round < 50; ++round) {
            QByteArray record(3612, Qt::Uninitialized);
            for (char& b : record)
                b = char(rng.bounded(256));
            const S card = S::decode(record);
            for (int i = 0; i < S::CampoCount; ++i)
                QVERIFY(card.field(S::Campo(i)).size() <= S::maxChars(S::Campo(i)));
        }
    }

    // A torn record read as far as its bytes go.
    void truncatedRecord()
    {
        QByteArray full(3612, '\0');
        putField(full, 0, "Rossi Mario");
        putField(full, 51, "F");
        putField(full, 53, "01/02/1990");
        const S part = S::decode(full.left(60)); // ends inside DataNasc
        QCOMPARE(part.Candidato, QStringLiteral("Rossi Mario"));
        QCOMPARE(part.Sesso, QStringLiteral("F"));
        QCOMPARE(part.DataNasc, QStringLiteral("01/02/"));
        QCOMPARE(part.Note, QString());
        QCOMPARE(S::decode(QByteArray()).Candidato, QString());
    }

    void roundTripAllFields()
    {
        S card;
        for (int i = 0; i < S::CampoCount; ++i) {
            const auto c = S::Campo(i);
            card.field(c) = QStringLiteral("è€%1").arg(i).left(S::maxChars(c));
        }
        const S back = S::decode(card.encode());
        for (int i = 0; i < S::CampoCount; ++i)
            QCOMPARE(back.field(S::Campo(i)), card.field(S::Campo(i)));
        const QByteArray record = card.encode();
        QCOMPARE(S::codFisc(record.constData()), card.CodFisc);
        QCOMPARE(S::note(record.constData()), card.Note);
        QCOMPARE(S::cel(record.constData()), card.Cel);
    }

    // A file of 7300 bytes holds two cards; the next one lands at byte 7224
    // as card 3 and the file becomes 10836 bytes long.
    void appendOverPartialTail()
    {
        TempProgramFolder folder;
        const QByteArray old = filled(7300, 'o');
        folder.write("Archivio_Candidati.pro", old);
        QCOMPARE(CandidateArchive::path(), folder.file("Archivio_Candidati.pro"));

        RecordFile file(CandidateArchive::path(), S::Size);
        QVERIFY(file.open());
        QCOMPARE(file.count(), qint64(2));
        S card;
        card.Candidato = "Terzo";
        card.Sesso = "F";
        card.Ricontatta = S::flag(false);
        QCOMPARE(file.append(card.encode()), qint64(3));
        file.close();

        const QByteArray now = folder.read("Archivio_Candidati.pro");
        QCOMPARE(now.size(), 10836);
        QCOMPARE(now.left(7224), old.left(7224));
        QCOMPARE(now.mid(7224), card.encode());
        QCOMPARE(at(now, 7224, 6), QByteArray("\x05Terzo"));
    }

    void readCards()
    {
        TempProgramFolder folder;
        S a, b;
        a.Candidato = "Uno";
        b.Candidato = "Due";
        b.Ricontatta = S::flag(true);
        folder.write("Archivio_Candidati.pro", a.encode() + b.encode() + QByteArray(100, 'x'));
        RecordFile file(CandidateArchive::path(), S::Size);
        QVERIFY(file.open());
        QCOMPARE(file.count(), qint64(2));
        QByteArray record;
        QVERIFY(file.read(2, &record));
        QCOMPARE(S::decode(record).Candidato, QStringLiteral("Due"));
        QVERIFY(S::decode(record).isRicontatta());
        QVERIFY(!file.read(3, &record));
    }

    void photoNames_data()
    {
        QTest::addColumn<qint64>("position");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << qint64(1) << "Scheda_Candidato_1.jpg";
        QTest::newRow("8") << qint64(8) << "Scheda_Candidato_8.jpg";
        QTest::newRow("no leading zeros") << qint64(120) << "Scheda_Candidato_120.jpg";
    }
    void photoNames()
    {
        QFETCH(qint64, position);
        QFETCH(QString, name);
        TempProgramFolder folder;
        QCOMPARE(CandidateArchive::photoFileName(position), name);
        QCOMPARE(CandidateArchive::photoPath(position), folder.path() + "Anagrafica/" + name);
        QCOMPARE(CandidateArchive::photoFolder(), folder.path() + "Anagrafica");
    }
};

SELVORA_CORE_TEST_MAIN(TestSchedaCandidato)
#include "tst_schedacandidato.moc"
