// The typing rule of the fiscal code fields: one key typed into a real field
// at a given place, and the text and cursor it leaves, worked out by hand.
#include "shared/ui/FiscalCodeField.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QLineEdit>

class TestFiscalCodeField : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void typing_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursorAfter");
        QTest::newRow("blank into an empty field") << "" << 0 << " "
                                                   << "" << 0;
        QTest::newRow("small letter at the end") << "RSS" << 3 << "m"
                                                 << "RSSM" << 4;
        QTest::newRow("small letter in the middle keeps the cursor") << "RSSMRA" << 3 << "x"
                                                                     << "RSSXMRA" << 4;
        QTest::newRow("blank at the front goes, cursor back to it") << "RSSMRA" << 0 << " "
                                                                    << "RSSMRA" << 0;
        QTest::newRow("blank at the end goes") << "RSS" << 3 << " "
                                               << "RSS" << 3;
        QTest::newRow("blank inside stays") << "RSSMRA" << 3 << " "
                                            << "RSS MRA" << 4;
        QTest::newRow("capital letter left as it is") << "RS" << 1 << "Q"
                                                      << "RQS" << 2;
        QTest::newRow("digit left as it is") << "RSSMRA" << 6 << "8"
                                             << "RSSMRA8" << 7;
    }
    void typing()
    {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, key);
        QFETCH(QString, after);
        QFETCH(int, cursorAfter);
        QLineEdit field;
        connect(&field, &QLineEdit::textEdited, &field,
                [&field](const QString& text) { FiscalCodeField::typed(&field, text); });
        field.setText(before);
        field.setCursorPosition(cursor);
        field.show();
        QTest::keyClicks(&field, key);
        QCOMPARE(field.text(), after);
        QCOMPARE(field.cursorPosition(), cursorAfter);
    }

    void textSetByTheProgramIsNotTidied()
    {
        // Only the user's edits go through the rule: a code put in by a
        // caller stays as given.
        QLineEdit field;
        connect(&field, &QLineEdit::textEdited, &field,
                [&field](const QString& text) { FiscalCodeField::typed(&field, text); });
        field.setText(QStringLiteral(" rss "));
        QCOMPARE(field.text(), QStringLiteral(" rss "));
    }
};

SELVORA_TEST_MAIN(TestFiscalCodeField)
#include "tst_fiscalcodefield.moc"
