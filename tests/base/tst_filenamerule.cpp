// The names Windows refuses for a file: each one gets its Italian message,
// every other name passes.
#include "base/core/FileNameRule.h"
#include "support/core/CoreTestMain.h"

class TestFileNameRule : public QObject
{
    Q_OBJECT

private slots:
    void refusal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why"); // the start of the message, empty when the name passes
        const QString chars = QStringLiteral("contiene caratteri non ammessi");
        const QString end = QStringLiteral("termina con un punto o con uno spazio");
        const QString device = QStringLiteral("è un nome riservato da Windows");
        QTest::newRow("plain") << "Operai specializzati 2026" << QString();
        QTest::newRow("accents") << "Selezione è più" << QString();
        QTest::newRow("extension") << "verbale.pdf" << QString();
        QTest::newRow("dot inside") << "v1.2 finale" << QString();
        QTest::newRow("CON") << "CON" << device;
        QTest::newRow("con lower case") << "con" << device;
        QTest::newRow("aux.vai") << "aux.vai" << device;
        QTest::newRow("NUL with blank before the extension") << "NUL .txt" << device;
        QTest::newRow("PRN.pdf") << "PRN.pdf" << device;
        QTest::newRow("COM1") << "COM1" << device;
        QTest::newRow("lpt9.xlsx") << "lpt9.xlsx" << device;
        QTest::newRow("COM0 is allowed") << "COM0" << QString();
        QTest::newRow("COM10 is allowed") << "COM10" << QString();
        QTest::newRow("CONTI is allowed") << "CONTI" << QString();
        QTest::newRow("console.vai is allowed") << "console.vai" << QString();
        QTest::newRow("final dot") << "prova." << end;
        QTest::newRow("final blank") << "prova " << end;
        QTest::newRow("colon") << "a:b" << chars;
        QTest::newRow("star") << "a*b" << chars;
        QTest::newRow("question mark") << "chi?" << chars;
        QTest::newRow("quote") << "a\"b" << chars;
        QTest::newRow("less") << "a<b" << chars;
        QTest::newRow("greater") << "a>b" << chars;
        QTest::newRow("pipe") << "a|b" << chars;
        QTest::newRow("backslash") << "a\\b" << chars;
        QTest::newRow("slash") << "a/b" << chars;
        QTest::newRow("tab") << "a\tb" << chars;
    }
    void refusal()
    {
        QFETCH(QString, name);
        QFETCH(QString, why);
        const QString message = FileNameRule::refusal(name);
        if (why.isEmpty()) {
            QCOMPARE(message, QString());
            return;
        }
        QVERIFY2(message.startsWith(QStringLiteral("Attenzione: ")), qPrintable(message));
        QVERIFY2(message.contains(why), qPrintable(message));
        // The message names what was typed.
        QVERIFY2(message.contains(QLatin1Char('"') + name + QLatin1Char('"')), qPrintable(message));
    }
};

SELVORA_CORE_TEST_MAIN(TestFileNameRule)
#include "tst_filenamerule.moc"
