// The VAT number check: numbers whose check digits were worked out by hand
// with the published Luhn rule, the office table, and the window's messages,
// keyboard filter and closing.
#include "base/platform/Messages.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/core/VatNumberCheck.h"
#include "tools/ui/PartitaIva.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {
const QString kErrata =
    QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
const QString kLunghezza = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
QString valida(const QString& ufficio)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
        ufficio + QStringLiteral(".");
}
} // namespace

class TestPartitaIva : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    // Sums by hand: digits 1, 3, 5, 7, 9 as they are; digits 2, 4, 6, 8, 10
    // doubled with the digits of the product added; check = (10 - sum mod 10) mod 10.
    void numbers_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        // odd 0+2+4+6+8 = 20; even 2+6+1+5+9 = 23; 43 -> 7
        QTest::newRow("01234567897") << "01234567897" << true;
        // odd 1+3+5+7+5 = 21; even 4+8+3+0+7 = 22; 43 -> 7
        QTest::newRow("12345670587") << "12345670587" << true;
        // odd 0+0+0+0+2 = 2; even 0+0+0+2+0 = 2; 4 -> 6
        QTest::newRow("00000001206") << "00000001206" << true;
        // odd 1+1+1+1+4 = 8; even 2+2+2+0+0 = 6; 14 -> 6
        QTest::newRow("11111110406") << "11111110406" << true;
        // odd 9*5 = 45; even 9+9+9+0+3 = 30; 75 -> 5
        QTest::newRow("99999990965") << "99999990965" << true;
        QTest::newRow("eleven zeros") << "00000000000" << true;
        QTest::newRow("wrong check digit") << "12345670588" << false;
        QTest::newRow("swapped digits") << "21345670587" << false;
        QTest::newRow("letter") << "1234567058A" << false;
        QTest::newRow("ten digits") << "1234567058" << false;
        QTest::newRow("twelve digits") << "123456705870" << false;
    }
    void numbers()
    {
        QFETCH(QString, number);
        QFETCH(bool, valid);
        QCOMPARE(VatNumberCheck::valida(number), valid);
    }

    void offices()
    {
        QCOMPARE(VatNumberCheck::ufficio("001"), QStringLiteral("Torino"));
        QCOMPARE(VatNumberCheck::ufficio("040"), QString::fromUtf8("Forlì"));
        QCOMPARE(VatNumberCheck::ufficio("058"), QStringLiteral("Roma 1"));
        QCOMPARE(VatNumberCheck::ufficio("066"), QStringLiteral("Aquila"));
        QCOMPARE(VatNumberCheck::ufficio("096"), QStringLiteral("Monza (Milano 2)"));
        QCOMPARE(VatNumberCheck::ufficio("097"), QStringLiteral("Prato (Firenze 2)"));
        QCOMPARE(VatNumberCheck::ufficio("099"), QStringLiteral("Chiavari (Genova 2)"));
        QCOMPARE(VatNumberCheck::ufficio("102"), QStringLiteral("Napoli 2"));
        QCOMPARE(VatNumberCheck::ufficio("120"), QStringLiteral("Bologna 2"));
        QCOMPARE(VatNumberCheck::ufficio("121"), QStringLiteral("Napoli 2"));
        for (const char* missing : {"000", "103", "119", "122", "999", "58", "0580"})
            QVERIFY2(VatNumberCheck::ufficio(missing).isEmpty(), missing);
        int known = 0;
        for (int i = 0; i < 1000; ++i)
            known += VatNumberCheck::ufficio(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))).isEmpty() ? 0 : 1;
        QCOMPARE(known, 104);
    }

    void window_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Roma 1") << "12345670587" << int(Messages::Kind::Information) << valida("Roma 1") << true;
        QTest::newRow("Bologna 2 from 120")
            << "00000001206" << int(Messages::Kind::Information) << valida("Bologna 2") << true;
        QTest::newRow("Forlì") << "11111110406" << int(Messages::Kind::Information)
                               << valida(QString::fromUtf8("Forlì")) << true;
        QTest::newRow("wrong") << "12345670588" << int(Messages::Kind::Warning) << kErrata << true;
        QTest::newRow("letter given by the caller") << "1234567058A" << int(Messages::Kind::Warning) << kErrata << true;
        QTest::newRow("ten digits") << "1234567058" << int(Messages::Kind::Warning) << kLunghezza << false;
        QTest::newRow("empty") << "" << int(Messages::Kind::Warning) << kLunghezza << false;
        QTest::newRow("unknown office") << "01234567897" << int(Messages::Kind::Information)
                                        << QString::fromUtf8("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                                             "Il codice 789 dell'Ufficio IVA che lo ha rilasciato non "
                                                             "corrisponde però a nessun ufficio conosciuto.")
                                        << true;
    }
    void window()
    {
        QFETCH(QString, given);
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(bool, closes);
        std::unique_ptr<TfrmPartitaIva> dlg(new TfrmPartitaIva);
        dlg->txtPartitaIva->setText(given);
        dlg->show();
        QTest::mouseClick(dlg->btnControlla, Qt::LeftButton);
        const QList<Messages::Shown> boxes = Messages::takeShown();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(int(boxes.at(0).kind), kind);
        QCOMPARE(boxes.at(0).text, message);
        QCOMPARE(dlg->isVisible(), !closes);
    }

    void keyboardFilter()
    {
        std::unique_ptr<TfrmPartitaIva> dlg(new TfrmPartitaIva);
        QCOMPARE(dlg->windowTitle(), QStringLiteral(" Controllo partita IVA"));
        QCOMPARE(dlg->lblTitolo->text(),
                 QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."));
        dlg->show();
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg->txtPartitaIva));
        QTest::keyClicks(dlg->txtPartitaIva, "12a 3-4.5");
        QCOMPARE(dlg->txtPartitaIva->text(), QStringLiteral("12345"));
        QTest::keyClick(dlg->txtPartitaIva, Qt::Key_Home);
        QTest::keyClick(dlg->txtPartitaIva, Qt::Key_9);
        QCOMPARE(dlg->txtPartitaIva->text(), QStringLiteral("123459"));
        QTest::keyClick(dlg->txtPartitaIva, Qt::Key_Left);
        QTest::keyClick(dlg->txtPartitaIva, Qt::Key_Left);
        QTest::keyClick(dlg->txtPartitaIva, Qt::Key_Backspace);
        QCOMPARE(dlg->txtPartitaIva->text(), QStringLiteral("12359"));
        QTest::keyClick(dlg->txtPartitaIva, Qt::Key_Delete);
        QCOMPARE(dlg->txtPartitaIva->text(), QStringLiteral("1239"));
        dlg->txtPartitaIva->clear();
        QTest::keyClicks(dlg->txtPartitaIva, "123456705870");
        QCOMPARE(dlg->txtPartitaIva->text(), QStringLiteral("12345670587"));
        QTest::keyClick(dlg->txtPartitaIva, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg->btnControlla));
        QVERIFY(Messages::shown().isEmpty());
        QTest::keyClick(dlg->btnControlla, Qt::Key_Space);
        QCOMPARE(Messages::takeShown().size(), 1);
        QVERIFY(!dlg->isVisible());
    }
};

SELVORA_TEST_MAIN(TestPartitaIva)
#include "tst_partitaiva.moc"
