// The fiscal code check: codes whose check letters were worked out by hand
// from the published odd and even tables, and the window's messages, typing
// rules and closing.
#include "base/core/Clock.h"
#include "base/platform/Messages.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/core/FiscalCodeCheck.h"
#include "tools/core/FiscalCodeCheckLetter.h"
#include "tools/ui/CodFisc.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {
const QString kValido = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kErrato = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString kNonValido =
    QStringLiteral("Attenzione: il codice fiscale digitato NON È VALIDO: il carattere di controllo corrisponde, ma il "
                   "codice non può appartenere a nessuno.");
const QString kLunghezza =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
} // namespace

class TestCodFisc : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    // Sums by hand: odd positions 1, 3, ..., 15 through the odd table, even
    // positions 2, ..., 14 through the even table, letter "A" + sum mod 26.
    void codes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("valid");
        // odd R8 S12 R8 8:19 A1 1:0 5:13 1:0 = 61; even S18 M12 A0 0 0 H7 0 = 37; 98 mod 26 = 20, U
        QTest::newRow("RSSMRA80A01H501U") << "RSSMRA80A01H501U" << true;
        // odd B0 C5 R8 8:19 T14 5:13 2:5 5:13 = 77; even N13 L11 A0 5 4 F5 0 = 38; 115 mod 26 = 11, L
        QTest::newRow("BNCLRA85T45F205L") << "BNCLRA85T45F205L" << true;
        // odd V10 D7 P3 1:0 E9 7:17 7:17 6:15 = 78; even R17 G6 P15 3 2 L11 3 = 57; 135 mod 26 = 5, F
        QTest::newRow("VRDGPP13E27L736F") << "VRDGPP13E27L736F" << true;
        // odd W22 Y24 K2 Q6 9:21 8:19 7:17 6:15 = 126; even X23 Z25 J9 O14 U20 I8 N13 = 112; 238 mod 26 = 4, E
        QTest::newRow("WXYZKJQO9U8I7N6E") << "WXYZKJQO9U8I7N6E" << true;
        // odd G15 L4 N20 P3 T14 B0 D7 F13 = 76; even H7 M12 O14 V21 S18 C2 E4 = 78; 154 mod 26 = 24, Y
        QTest::newRow("GHLMNOPVTSBCDEFY") << "GHLMNOPVTSBCDEFY" << true;
        // odd 0:1 2:5 3:7 4:9 6:15 0:1 2:5 3:7 = 50; even A0 B1 C2 D3 E4 F5 G6 = 21; 71 mod 26 = 19, T
        QTest::newRow("0A2B3C4D6E0F2G3T") << "0A2B3C4D6E0F2G3T" << true;
        // odd I19 U16 X25 Z23 O11 E9 A1 A1 = 105; even all A = 0; 105 mod 26 = 1, B
        QTest::newRow("IAUAXAZAOAEAAAAB") << "IAUAXAZAOAEAAAAB" << true;
        // ":" counts 0, as "1" does in an odd position: same letter as RSSMRA80A01H501U
        QTest::newRow("colon counts as zero") << "RSSMRA80A01H50:U" << true;
        QTest::newRow("wrong letter") << "RSSMRA80A01H501V" << false;
        QTest::newRow("digit at the end") << "RSSMRA80A01H5010" << false;
        QTest::newRow("one character changed") << "RSSMRA80A01H502U" << false;
        QTest::newRow("blank inside") << "RSSMRA 0A01H501U" << false;
        QTest::newRow("accented letter") << QString::fromUtf8("RSSMRÀ80A01H501U") << false;
        QTest::newRow("too short") << "RSSMRA80A01H501" << false;
    }
    void codes()
    {
        QFETCH(QString, code);
        QFETCH(bool, valid);
        QCOMPARE(FiscalCodeCheckLetter::valido(code), valid);
    }

    void window_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("closes");
        QTest::newRow("valid") << "RSSMRA80A01H501U" << int(Messages::Kind::Information) << kValido << true;
        QTest::newRow("lower case given is judged in capitals")
            << "rssmra80a01h501u" << int(Messages::Kind::Information) << kValido << true;
        QTest::newRow("wrong") << "RSSMRA80A01H501A" << int(Messages::Kind::Warning) << kErrato << true;
        QTest::newRow("digits only") << "1234567890123456" << int(Messages::Kind::Warning) << kErrato << true;
        // Right check letters (worked out with the same tables) on dates that
        // cannot exist: never called valid, and the reason follows.
        QTest::newRow("31 February") << "RSSMRA80B31H501W" << int(Messages::Kind::Warning) << kNonValido << true;
        QTest::newRow("unknown month letter")
            << "RSSMRA80F01H501G" << int(Messages::Kind::Warning) << kNonValido << true;
        QTest::newRow("day 35") << "RSSMRA80A35H501K" << int(Messages::Kind::Warning) << kNonValido << true;
        QTest::newRow("29 February of a common year")
            << "RSSMRA26B29H501I" << int(Messages::Kind::Warning) << kNonValido << true;
        QTest::newRow("empty") << "" << int(Messages::Kind::Warning) << kLunghezza << false;
        QTest::newRow("fifteen") << "RSSMRA80A01H501" << int(Messages::Kind::Warning) << kLunghezza << false;
    }
    void window()
    {
        QFETCH(QString, given);
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(bool, closes);
        std::unique_ptr<TfrmCodFisc> dlg(new TfrmCodFisc);
        dlg->txtCodFisc->setText(given);
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        QTest::mouseClick(dlg->btnControlla, Qt::LeftButton);
        const QList<Messages::Shown> boxes = Messages::takeShown();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(int(boxes.at(0).kind), kind);
        // A code of sixteen characters gets what it says about its holder
        // under the verdict (decoding has its own tests).
        const QString decoded = closes ? QStringLiteral("\n\r\n\r") +
                FiscalCodeCheck::describe(FiscalCodeCheckLetter::maiuscoleAZ(given), Clock::today())
                                       : QString();
        QCOMPARE(boxes.at(0).text, message + decoded);
        QCOMPARE(dlg->isVisible(), !closes);
    }

    void moreThanSixteenGivenIsTooLong()
    {
        // A code longer than the field's limit, put in by a caller, is judged
        // as it is rather than cut to sixteen characters.
        std::unique_ptr<TfrmCodFisc> dlg(new TfrmCodFisc);
        dlg->txtCodFisc->setMaxLength(17);
        dlg->txtCodFisc->setText("RSSMRA80A01H501UX");
        dlg->show();
        QTest::mouseClick(dlg->btnControlla, Qt::LeftButton);
        const QList<Messages::Shown> boxes = Messages::takeShown();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0).text, kLunghezza);
    }

    void typingTrimsAndCapitalises()
    {
        std::unique_ptr<TfrmCodFisc> dlg(new TfrmCodFisc);
        dlg->show();
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg->txtCodFisc));
        // A blank typed at either end goes at once, so none stays between.
        QTest::keyClicks(dlg->txtCodFisc, " rss mra");
        QCOMPARE(dlg->txtCodFisc->text(), QStringLiteral("RSSMRA"));
        QTest::keyClick(dlg->txtCodFisc, Qt::Key_Home);
        QTest::keyClick(dlg->txtCodFisc, Qt::Key_Space);
        QCOMPARE(dlg->txtCodFisc->text(), QStringLiteral("RSSMRA"));
        QCOMPARE(dlg->txtCodFisc->cursorPosition(), 0);
        QTest::keyClick(dlg->txtCodFisc, Qt::Key_End);
        QTest::keyClicks(dlg->txtCodFisc, "80a01h501u!");
        QCOMPARE(dlg->txtCodFisc->text(), QStringLiteral("RSSMRA80A01H501U"));
        QCOMPARE(dlg->txtCodFisc->maxLength(), 16);
        // Enter moves to the check button and checks nothing.
        QTest::keyClick(dlg->txtCodFisc, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg->btnControlla));
        QVERIFY(Messages::shown().isEmpty());
        QVERIFY(dlg->isVisible());
    }

    void chiudi()
    {
        std::unique_ptr<TfrmCodFisc> dlg(new TfrmCodFisc);
        QCOMPARE(dlg->windowTitle(), QStringLiteral(" Controllo codice fiscale"));
        QCOMPARE(dlg->lblTitolo->text(),
                 QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."));
        QCOMPARE(dlg->btnControlla->text(), QStringLiteral("Controlla"));
        QCOMPARE(dlg->btnChiudi->text(), QStringLiteral("Chiudi"));
        dlg->show();
        QTest::mouseClick(dlg->btnChiudi, Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
        QVERIFY(Messages::shown().isEmpty());
    }
};

SELVORA_TEST_MAIN(TestCodFisc)
#include "tst_codfisc.moc"
