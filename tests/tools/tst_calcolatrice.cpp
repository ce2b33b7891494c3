// The calculator window: key sequences clicked on the real keys and the
// display they leave, the messages, the memory that outlives an opening, and
// the number "Importa" announces (the interview card's own test follows it
// into the score field).
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/core/CalculatorEngine.h"
#include "tools/ui/Calcolatrice_Scientifica.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include <memory>

namespace {

// Key names as written in the table rows, and the key they press.
const QHash<QString, QString>& keyNames()
{
    static const QHash<QString, QString> names = {
        {"0", "Button0"},       {"1", "Button1"},         {"2", "Button2"},         {"3", "Button3"},
        {"4", "Button4"},       {"5", "Button5"},         {"6", "Button6"},         {"7", "Button7"},
        {"8", "Button8"},       {"9", "Button9"},         {",", "ButtonPoint"},     {"bs", "ButtonBackSpace"},
        {"C", "ButtonC"},       {"+-", "ButtonSign"},     {"pi", "ButtonPi"},       {"sqr", "ButtonSqr"},
        {"sqrt", "ButtonSqrt"}, {"1/x", "Button1DivX"},   {"sin", "ButtonSin"},     {"cos", "ButtonCos"},
        {"tan", "ButtonTan"},   {"asin", "ButtonArcSin"}, {"acos", "ButtonArcCos"}, {"atan", "ButtonArcTan"},
        {"exp", "ButtonExp"},   {"ln", "ButtonLn"},       {"log", "ButtonLog"},     {"+", "ButtonAdd"},
        {"-", "ButtonSub"},     {"/", "ButtonDiv"},       {"*", "ButtonMul"},       {"^", "ButtonStep"},
        {"=", "ButtonResult"},
    };
    return names;
}

void press(QWidget* calc, const QString& keys)
{
    for (const QString& k : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString name = keyNames().value(k);
        QVERIFY2(!name.isEmpty(), qPrintable("unknown key " + k));
        auto* button = control<QToolButton>(calc, name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

QString display(QWidget* calc)
{
    return control<QLabel>(calc, QStringLiteral("Edit1"))->text();
}

} // namespace

class TestCalcolatrice : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSeams();
        CalculatorState::shared() = CalculatorState();
    }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const QString none;
        const QString valore = QStringLiteral("Attenzione! Valore non valido.");
        const QString valori = QStringLiteral("Attenzione! Valori non validi.");
        QTest::newRow("fresh display") << ""
                                       << "0" << none;
        QTest::newRow("a new operator replaces the pending one") << "2 * 3 + 4 ="
                                                                 << "7" << none;
        QTest::newRow("power") << "2 ^ 3 ="
                               << "8" << none;
        QTest::newRow("power through logarithms") << "2 ^ 0 , 5 ="
                                                  << "1,4142135623731" << none;
        QTest::newRow("function replaces the stored operand") << "2 + 9 sqrt ="
                                                              << "6" << none;
        QTest::newRow("C clears only the display") << "5 + C 3 ="
                                                   << "8" << none;
        QTest::newRow("result repeats with the shown value") << "1 0 - 3 = ="
                                                             << "3" << none;
        QTest::newRow("result once") << "1 0 - 3 ="
                                     << "7" << none;
        QTest::newRow("result without operation") << "5 ="
                                                  << "5" << none;
        QTest::newRow("digit after result starts anew") << "2 + 3 = 4"
                                                        << "4" << none;
        QTest::newRow("backspace to a digit") << "1 , 5 bs bs"
                                              << "1" << none;
        QTest::newRow("backspace over a lone minus") << "5 +- bs"
                                                     << "0" << none;
        QTest::newRow("backspace to nothing") << "7 bs"
                                              << "0" << none;
        QTest::newRow("no leading zeros") << "0 0 0"
                                          << "0" << none;
        QTest::newRow("zeros after the comma") << "0 , 0 5"
                                               << "0,05" << none;
        QTest::newRow("zero after a digit") << "1 0 0"
                                            << "100" << none;
        QTest::newRow("comma after an operator") << "2 + , 5 ="
                                                 << "7" << none;
        QTest::newRow("sine of 30 degrees") << "3 0 sin"
                                            << "0,5" << none;
        QTest::newRow("cosine of 60 degrees") << "6 0 cos"
                                              << "0,5" << none;
        QTest::newRow("tangent of 45 degrees") << "4 5 tan"
                                               << "1" << none;
        QTest::newRow("arc sine in radians") << "1 asin"
                                             << "1,5707963267949" << none;
        QTest::newRow("arc cosine of 1") << "1 acos"
                                         << "0" << none;
        QTest::newRow("arc tangent of 1") << "1 atan"
                                          << "0,785398163397448" << none;
        QTest::newRow("pi") << "pi"
                            << "3,14159265358979" << none;
        QTest::newRow("e") << "1 exp"
                           << "2,71828182845905" << none;
        QTest::newRow("ln 1") << "1 ln"
                              << "0" << none;
        QTest::newRow("log 100") << "1 0 0 log"
                                 << "2" << none;
        QTest::newRow("square") << "9 sqr"
                                << "81" << none;
        QTest::newRow("reciprocal") << "4 1/x"
                                    << "0,25" << none;
        QTest::newRow("sign change") << "2 +-"
                                     << "-2" << none;
        QTest::newRow("sign change then add") << "2 +- + 5 ="
                                              << "3" << none;
        QTest::newRow("negative base, integral exponent") << "2 +- ^ 3 ="
                                                          << "-8" << none;
        QTest::newRow("negative exponent") << "2 ^ 2 +- ="
                                           << "0,25" << none;
        QTest::newRow("1/10000 fixed") << "1 / 1 0 0 0 0 ="
                                       << "0,0001" << none;
        QTest::newRow("1/20000 scientific") << "1 / 2 0 0 0 0 ="
                                            << "5E-5" << none;
        QTest::newRow("negative small scientific") << "1 +- / 2 0 0 0 0 0 0 ="
                                                   << "-5E-7" << none;
        QTest::newRow("10^14 fixed, 15 digits") << "1 0 ^ 1 4 ="
                                                << "100000000000000" << none;
        QTest::newRow("10^15 scientific") << "1 0 ^ 1 5 ="
                                          << "1E15" << none;
        QTest::newRow("power replaces multiply, 10^19") << "1 5 * 1 0 ^ 1 9 ="
                                                        << "1E19" << none;
        QTest::newRow("one third") << "1 / 3 ="
                                   << "0,333333333333333" << none;
        QTest::newRow("multiply") << "1 2 , 5 * 4 ="
                                  << "50" << none;
        QTest::newRow("division by zero keeps the display") << "5 / 0 , 0 ="
                                                            << "0,0" << valori;
        QTest::newRow("reciprocal of zero") << "0 1/x"
                                            << "0" << valore;
        QTest::newRow("arc cosine out of range") << "2 acos"
                                                 << "2" << QStringLiteral("Attenzione! Valori non validi");
        QTest::newRow("arc sine out of range") << "2 asin"
                                               << "2" << valori;
        QTest::newRow("arc tangent out of range") << "2 atan"
                                                  << "2" << valori;
        QTest::newRow("square root of a negative") << "1 +- sqrt"
                                                   << "-1" << valore;
        QTest::newRow("logarithm of zero") << "0 ln"
                                           << "0" << valore;
        QTest::newRow("negative base, fractional exponent") << "2 +- ^ 0 , 5 ="
                                                            << "0,5" << valore;
        QTest::newRow("two commas are not a number") << "1 , , 5 +"
                                                     << "1,,5" << valore;
    }
    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        std::unique_ptr<TfrmCalcolatrice_Scientifica> calc(new TfrmCalcolatrice_Scientifica);
        calc->show();
        press(calc.get(), keys);
        QCOMPARE(display(calc.get()), shown);
        // A screen reader hears the number shown.
        QCOMPARE(QAccessible::queryAccessibleInterface(calc->Edit1)->text(QAccessible::Name), shown);
        const QList<Messages::Shown> shownBoxes = Messages::takeShown();
        if (message.isEmpty()) {
            QCOMPARE(shownBoxes.size(), 0);
        } else {
            QCOMPARE(shownBoxes.size(), 1);
            QCOMPARE(shownBoxes.at(0).kind, Messages::Kind::Plain);
            QCOMPARE(shownBoxes.at(0).text, message);
        }
    }

    void anotherOpeningKeepsThePendingOperation()
    {
        {
            std::unique_ptr<TfrmCalcolatrice_Scientifica> calc(new TfrmCalcolatrice_Scientifica);
            calc->show();
            press(calc.get(), "5 +");
            QTest::mouseClick(calc->btnChiudi, Qt::LeftButton);
            QVERIFY(!calc->isVisible());
        }
        std::unique_ptr<TfrmCalcolatrice_Scientifica> calc(new TfrmCalcolatrice_Scientifica);
        calc->show();
        QCOMPARE(display(calc.get()), QStringLiteral("0"));
        press(calc.get(), "3 =");
        QCOMPARE(display(calc.get()), QStringLiteral("8"));
    }

    void divisionByZeroLeavesTheState()
    {
        std::unique_ptr<TfrmCalcolatrice_Scientifica> calc(new TfrmCalcolatrice_Scientifica);
        calc->show();
        press(calc.get(), "6 / 3 = 0 =");
        QCOMPARE(display(calc.get()), QStringLiteral("0"));
        QCOMPARE(Messages::takeShown().size(), 1);
        CalculatorState& s = CalculatorState::shared();
        QCOMPARE(s.stored, 6.0);
        QCOMPARE(s.operation, 3);
        QCOMPARE(s.result, 2.0);
        press(calc.get(), "4 =");
        QCOMPARE(display(calc.get()), QStringLiteral("1,5"));
    }

    void window()
    {
        TfrmCalcolatrice_Scientifica calc;
        QCOMPARE(calc.windowTitle(), QStringLiteral(" Calcolatrice"));
        QCOMPARE(calc.btnChiudi->text(), QStringLiteral("Annulla"));
        QCOMPARE(calc.btnImporta->text(), QStringLiteral("Importa"));
        QCOMPARE(calc.Edit1->font().bold(), true);
        QVERIFY(calc.Edit1->alignment() & Qt::AlignRight);
        QVERIFY(!(calc.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(calc.findChildren<QToolButton*>().size(), 33);
    }

    void importa_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("imported");
        QTest::addColumn<QString>("score");
        QTest::newRow("12,5") << "1 2 , 5" << true << "12,5";
        QTest::newRow("twelve characters") << "1 2 3 4 5 6 7 8 9 0 1 2" << true << "123456789012";
        QTest::newRow("thirteen characters") << "1 2 3 4 5 6 7 8 9 0 1 2 3" << false << QString();
        QTest::newRow("sign and comma count") << "1 2 3 4 5 6 7 8 9 , 1 2 +-" << false << QString();
        QTest::newRow("one third is too long") << "1 / 3 =" << false << QString();
    }
    void importa()
    {
        QFETCH(QString, keys);
        QFETCH(bool, imported);
        QFETCH(QString, score);
        std::unique_ptr<TfrmCalcolatrice_Scientifica> calc(new TfrmCalcolatrice_Scientifica);
        QSignalSpy announced(calc.get(), &TfrmCalcolatrice_Scientifica::valueImported);
        calc->show();
        press(calc.get(), keys);
        QTest::mouseClick(calc->btnImporta, Qt::LeftButton);
        if (imported) {
            QCOMPARE(announced.size(), 1);
            QCOMPARE(announced.at(0).at(0).toString(), score);
            QVERIFY(Messages::takeShown().isEmpty());
            QVERIFY(!calc->isVisible());
            QCOMPARE(calc->result(), int(QDialog::Accepted));
        } else {
            QCOMPARE(announced.size(), 0);
            const QList<Messages::Shown> boxes = Messages::takeShown();
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes.at(0).kind, Messages::Kind::Warning);
            QCOMPARE(boxes.at(0).text, QStringLiteral("Attenzione: numero con troppe cifre."));
            QVERIFY(calc->isVisible());
        }
    }
};

SELVORA_TEST_MAIN(TestCalcolatrice)
#include "tst_calcolatrice.moc"
