// The .csv export: the formula guard and its inverse, quoting, the score's
// decimal comma, and a failed write that keeps the previous file.
#include "sheets/core/CsvExport.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QSaveFile>

namespace {

// A save file whose writes fail after a budget of bytes, as a full disk would.
class FailingSaveFile : public QSaveFile
{
public:
    FailingSaveFile(const QString& path, qint64 budget)
        : QSaveFile(path)
        , m_budget(budget)
    {
    }

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        if (m_budget <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = qMin(len, m_budget);
        const qint64 written = QSaveFile::writeData(data, n);
        if (written > 0)
            m_budget -= written;
        return written;
    }

private:
    qint64 m_budget;
};

const QList<SpreadsheetExport::Column> kColumns = {
    {QStringLiteral("Candidato"), 300},
    {QStringLiteral("Punteggio totale"), 200},
};

} // namespace

class TestCsvExport : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { CsvExport::setFileFactory(nullptr); }

    void field_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain") << "Rossi Mario" << QByteArray("Rossi Mario");
        QTest::newRow("empty") << "" << QByteArray("");
        QTest::newRow("digits kept") << "00184" << QByteArray("00184");
        QTest::newRow("comma needs no quotes") << "Inglese, Francese" << QByteArray("Inglese, Francese");
        QTest::newRow("semicolon") << "a;b" << QByteArray("\"a;b\"");
        QTest::newRow("quote") << "l'\"ottimo\"" << QByteArray("\"l'\"\"ottimo\"\"\"");
        QTest::newRow("line break") << "riga 1\r\nriga 2" << QByteArray("\"riga 1\r\nriga 2\"");
        QTest::newRow("equals") << "=1+2" << QByteArray("'=1+2");
        QTest::newRow("plus") << "+39 333" << QByteArray("'+39 333");
        QTest::newRow("minus") << "-5" << QByteArray("'-5");
        QTest::newRow("at") << "@SOMMA(A1)" << QByteArray("'@SOMMA(A1)");
        QTest::newRow("tab") << "\t=1" << QByteArray("'\t=1");
        QTest::newRow("carriage return") << "\r=1" << QByteArray("\"'\r=1\"");
        QTest::newRow("guard and quotes")
            << "=HYPERLINK(\"x\";\"y\")" << QByteArray("\"'=HYPERLINK(\"\"x\"\";\"\"y\"\")\"");
        QTest::newRow("apostrophe then formula") << "'=1" << QByteArray("''=1");
        QTest::newRow("apostrophe alone") << "'ciao" << QByteArray("'ciao");
        QTest::newRow("sign inside") << "a=b-c" << QByteArray("a=b-c");
        QTest::newRow("accents") << "Città" << QByteArray("Citt\xC3\xA0");
    }
    void field()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, written);
        QByteArray out;
        CsvExport::appendField(value.toUtf8(), &out);
        QCOMPARE(out, written);
        // The guard comes off again on import, and only the guard.
        QCOMPARE(CsvExport::unguarded(CsvExport::guarded(value)), value);
    }

    void unguardLeavesPlainApostrophes()
    {
        QCOMPARE(CsvExport::unguarded(QStringLiteral("'ciao")), QStringLiteral("'ciao"));
        QCOMPARE(CsvExport::unguarded(QStringLiteral("'=1")), QStringLiteral("=1"));
        QCOMPARE(CsvExport::unguarded(QStringLiteral("''=1")), QStringLiteral("'=1"));
    }

    void scoreGetsADecimalComma()
    {
        TempProgramFolder folder;
        ExportTable table(2);
        table.appendRow(QStringList {QStringLiteral("Rossi"), QStringLiteral("27.5")});
        table.appendRow(QStringList {QStringLiteral("Verdi"), QStringLiteral("9,00")});
        table.appendRow(QStringList {QStringLiteral("Neri"), QStringLiteral("n.d.")});
        table.appendRow(QStringList {QStringLiteral("-1.5"), QStringLiteral("-1.5")});
        QString error;
        QVERIFY(CsvExport::write(folder.file(QStringLiteral("s.csv")), kColumns, table, 1, &error));
        QCOMPARE(folder.read(QStringLiteral("s.csv")),
                 QByteArray("\xEF\xBB\xBF"
                            "Candidato;Punteggio totale\r\n"
                            "Rossi;27,5\r\n"
                            "Verdi;9,00\r\n"
                            "Neri;n.d.\r\n"
                            "'-1.5;-1,5\r\n"));
    }

    void failedWriteKeepsThePreviousFile()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("s.csv"), "vecchio");
        ExportTable table(2);
        for (int i = 0; i < 50000; ++i)
            table.appendRow(QStringList {QStringLiteral("Candidato %1").arg(i), QStringLiteral("10,00")});
        CsvExport::setFileFactory(
            [](const QString& path) { return std::unique_ptr<QSaveFile>(new FailingSaveFile(path, 100000)); });
        QString error;
        QVERIFY(!CsvExport::write(folder.file(QStringLiteral("s.csv")), kColumns, table, 1, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(folder.read(QStringLiteral("s.csv")), QByteArray("vecchio"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("s.csv")});
    }
};

SELVORA_CORE_TEST_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
