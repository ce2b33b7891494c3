// The calculator's power key without a window: the same digits on every
// compiler, to the last bit, with integral exponents worked out exactly.
#include "support/core/CoreTestMain.h"
#include "tools/core/CalculatorEngine.h"

#include <cmath>

class TestCalculatorPower : public QObject
{
    Q_OBJECT

private slots:
    void potenza_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("expected");
        QTest::newRow("2^3") << 2.0 << 3.0 << 8.0;
        QTest::newRow("2^0,5 through logarithms") << 2.0 << 0.5 << 0x1.6a09e667f3bcdp+0;
        QTest::newRow("negative base, odd exponent") << -2.0 << 3.0 << -8.0;
        QTest::newRow("negative exponent") << 2.0 << -2.0 << 0.25;
        QTest::newRow("10^14") << 10.0 << 14.0 << 1e14;
        QTest::newRow("10^15") << 10.0 << 15.0 << 1e15;
        QTest::newRow("10^19") << 10.0 << 19.0 << 1e19;
        QTest::newRow("10^308") << 10.0 << 308.0 << 1e308;
        QTest::newRow("10^-5") << 10.0 << -5.0 << 1e-5;
        QTest::newRow("10^-300") << 10.0 << -300.0 << 1e-300;
        QTest::newRow("1,1^2") << 1.1 << 2.0 << 0x1.35c28f5c28f5dp+0;
        QTest::newRow("1,5^-3") << 1.5 << -3.0 << 0x1.2f684bda12f68p-2;
        QTest::newRow("-3^-3") << -3.0 << -3.0 << -0x1.2f684bda12f68p-5;
        QTest::newRow("0,1^3") << 0.1 << 3.0 << 0x1.0624dd2f1a9fdp-10;
        QTest::newRow("7^22") << 7.0 << 22.0 << 0x1.b213cc3a81131p+61;
        QTest::newRow("2^1023") << 2.0 << 1023.0 << 0x1p+1023;
        QTest::newRow("2^1024 overflows") << 2.0 << 1024.0 << HUGE_VAL;
        QTest::newRow("2^-1074 smallest double") << 2.0 << -1074.0 << 0x0.0000000000001p-1022;
        QTest::newRow("2^-1075 is zero") << 2.0 << -1075.0 << 0.0;
        // Repeated multiplication in 80-bit registers gave 1,10517091261434, 42
        // units in the last place away.
        QTest::newRow("1,0000001^1000000") << 1.0000001 << 1000000.0 << 0x1.1aec7b1e2b426p+0;
        QTest::newRow("0^0") << 0.0 << 0.0 << 1.0;
        QTest::newRow("0^-1") << 0.0 << -1.0 << HUGE_VAL;
        QTest::newRow("0^0,5") << 0.0 << 0.5 << 0.0;
        // The nearest double to the exact power (repeated multiplication in
        // 80-bit registers gave the next one).
        QTest::newRow("98,19^12 nearest") << 98.19 << 12.0 << 0x1.5427cb4a6454cp+79;
        QTest::newRow("26,82^-26 nearest") << 26.82 << -26.0 << 0x1.8a7c59e623acbp-124;
    }
    void potenza()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, expected);
        const double r = calculatorPower(x, y);
        QVERIFY2(r == expected, qPrintable(QString::number(r, 'g', 17)));
    }

    void negativeBaseWithFractionIsNotANumber()
    {
        QVERIFY(std::isnan(calculatorPower(-2.0, 0.5)));
        QVERIFY(std::isnan(calculatorPower(-2.0, 1e10 + 0.5)));
    }
};

SELVORA_CORE_TEST_MAIN(TestCalculatorPower)
#include "tst_calculatorpower.moc"
