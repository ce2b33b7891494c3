// The score rules and the browsing decisions of the interview card, without
// a window: rounding to two decimals, the text a score field is left with,
// which card each browsing command shows.
#include "sessions/core/InterviewCardRules.h"
#include "sessions/core/ScoreText.h"
#include "support/core/CoreTestMain.h"

Q_DECLARE_METATYPE(InterviewNavigation::Command)
Q_DECLARE_METATYPE(InterviewNavigation::Step::Kind)

class TestInterviewCardRules : public QObject
{
    Q_OBJECT

private slots:
    void arrotonda_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("whole") << 7.0 << 7.0;
        QTest::newRow("half exact in binary goes up") << 7.125 << 7.13;
        QTest::newRow("2,675 is just below a half in binary") << 2.675 << 2.67;
        QTest::newRow("7,999") << 7.999 << 8.0;
        QTest::newRow("1,005 is just below a half") << 1.005 << 1.0;
        QTest::newRow("0,125 exact half") << 0.125 << 0.13;
        QTest::newRow("0,004 down to zero") << 0.004 << 0.0;
        QTest::newRow("0,005 just above a half") << 0.005 << 0.01;
        QTest::newRow("negative half away from zero") << -7.125 << -7.13;
        QTest::newRow("negative -2,5 stays") << -2.5 << -2.5;
        QTest::newRow("negative -2,675") << -2.675 << -2.67;
        QTest::newRow("large") << 123456789.994 << 123456789.99;
        // Values whose x 100 lands on a half when worked out in plain
        // doubles (a compiler without the 80-bit long double): the result
        // must not depend on the compiler.
        QTest::newRow("0,015 is just below a half") << 0.015 << 0.01;
        QTest::newRow("0,045 is just below a half") << 0.045 << 0.04;
        QTest::newRow("0,155 is just below a half") << 0.155 << 0.15;
        QTest::newRow("0,295 is just below a half") << 0.295 << 0.29;
        QTest::newRow("8,345 is just above a half") << 8.345 << 8.35;
        QTest::newRow("-0,015") << -0.015 << -0.01;
        QTest::newRow("123456,785") << 123456.785 << 123456.79;
        QTest::newRow("fourteen digits") << 99999999999999.0 << 99999999999999.0;
        QTest::newRow("2^46 and 1/64 stays") << 70368744177664.015625 << 70368744177664.015625;
        QTest::newRow("1e300 stays") << 1e300 << 1e300;
        QTest::newRow("smallest double") << 5e-324 << 0.0;
        QTest::newRow("0,004999") << 0.004999 << 0.0;
    }
    void arrotonda()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        const double rounded = ArrotondaDueDecimali(x);
        // To the last bit, not within a tolerance.
        QVERIFY2(rounded == expected, qPrintable(QString::number(rounded, 'g', 17)));
    }

    void normalizza_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7") << "7"
                           << "7,00";
        QTest::newRow("7,5") << "7,5"
                             << "7,50";
        QTest::newRow("0012,3") << "0012,3"
                                << "12,30";
        QTest::newRow("7,999") << "7,999"
                               << "8,00";
        QTest::newRow("1,2,3") << "1,2,3"
                               << "0,00";
        QTest::newRow("7,125") << "7,125"
                               << "7,13";
        QTest::newRow("2,675") << "2,675"
                               << "2,67";
        QTest::newRow("0,015") << "0,015"
                               << "0,01";
        QTest::newRow("1,005") << "1,005"
                               << "1,00";
        QTest::newRow("empty") << ""
                               << "0,00";
        QTest::newRow("blanks") << "   "
                                << "0,00";
        QTest::newRow("lone comma") << ","
                                    << "0,00";
        QTest::newRow("already normal") << "12,50"
                                        << "12,50";
        QTest::newRow("zero") << "0"
                              << "0,00";
        QTest::newRow("leading comma") << ",5"
                                       << "0,50";
        QTest::newRow("trailing comma") << "7,"
                                        << "7,00";
        QTest::newRow("tiny") << "0,001"
                              << "0,00";
        QTest::newRow("point is not a separator") << "7.5"
                                                  << "0,00";
        QTest::newRow("negative from the calculator") << "-2,5"
                                                      << "-2,50";
        QTest::newRow("negative rounds away from zero") << "-7,125"
                                                        << "-7,13";
        QTest::newRow("negative tiny is zero") << "-0,001"
                                               << "0,00";
        QTest::newRow("scientific from the calculator") << "1,5E-7"
                                                        << "0,00";
        QTest::newRow("scientific large") << "1,5E3"
                                          << "1500,00";
        QTest::newRow("fifteen digits") << "99999999999999"
                                        << "99999999999999,00";
        QTest::newRow("letters") << "abc"
                                 << "0,00";
    }
    void normalizza()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(ScoreText::normalizza(typed), shown);
    }

    void scoreKeys()
    {
        for (char c = '0'; c <= '9'; ++c)
            QVERIFY(ScoreText::isScoreChar(QLatin1Char(c)));
        QVERIFY(ScoreText::isScoreChar(QLatin1Char(',')));
        for (char c : {'.', '-', '+', 'a', 'E', ' ', '/'})
            QVERIFY2(!ScoreText::isScoreChar(QLatin1Char(c)), &c);
    }

    void navigation_data()
    {
        using C = InterviewNavigation::Command;
        using T = InterviewNavigation::Step::Kind;
        QTest::addColumn<C>("comando");
        QTest::addColumn<QString>("posizione");
        QTest::addColumn<qint64>("schede");
        QTest::addColumn<T>("tipo");
        QTest::addColumn<qint64>("scheda");
        QTest::addColumn<bool>("svuota");
        QTest::newRow("first, empty file") << C::First << "" << qint64(0) << T::EmptyArchive << qint64(0) << false;
        QTest::newRow("first") << C::First << "3" << qint64(5) << T::Show << qint64(1) << false;
        QTest::newRow("last, empty file") << C::Last << "2" << qint64(0) << T::EmptyArchive << qint64(0) << false;
        QTest::newRow("last") << C::Last << "" << qint64(5) << T::Show << qint64(5) << false;
        QTest::newRow("next, empty file empties the position")
            << C::Forward << "2" << qint64(0) << T::EmptyArchive << qint64(0) << true;
        QTest::newRow("next from a new card") << C::Forward << "" << qint64(5) << T::Show << qint64(1) << false;
        QTest::newRow("next") << C::Forward << "2" << qint64(5) << T::Show << qint64(3) << false;
        QTest::newRow("next on the last") << C::Forward << "5" << qint64(5) << T::Nothing << qint64(0) << false;
        QTest::newRow("next beyond the end") << C::Forward << "9" << qint64(5) << T::Nothing << qint64(0) << false;
        QTest::newRow("previous on 1 ignores the file")
            << C::Back << "1" << qint64(0) << T::Nothing << qint64(0) << false;
        QTest::newRow("previous, empty file") << C::Back << "" << qint64(0) << T::EmptyArchive << qint64(0) << false;
        QTest::newRow("previous from a new card") << C::Back << "" << qint64(5) << T::Show << qint64(1) << false;
        QTest::newRow("previous") << C::Back << "4" << qint64(5) << T::Show << qint64(3) << false;
        QTest::newRow("previous just past the end") << C::Back << "6" << qint64(5) << T::Show << qint64(5) << false;
        QTest::newRow("previous beyond the end") << C::Back << "9" << qint64(5) << T::Error << qint64(0) << false;
        QTest::newRow("previous, unusable position") << C::Back << "x" << qint64(5) << T::Error << qint64(0) << false;
        QTest::newRow("next, unusable position") << C::Forward << "0" << qint64(5) << T::Error << qint64(0) << false;
    }
    void navigation()
    {
        QFETCH(InterviewNavigation::Command, comando);
        QFETCH(QString, posizione);
        QFETCH(qint64, schede);
        QFETCH(InterviewNavigation::Step::Kind, tipo);
        QFETCH(qint64, scheda);
        QFETCH(bool, svuota);
        const InterviewNavigation::Step e = InterviewNavigation::decide(comando, posizione, schede);
        QCOMPARE(e.kind, tipo);
        QCOMPARE(e.card, scheda);
        QCOMPARE(e.clearPosition, svuota);
    }

    void requiredFields()
    {
        using M = InterviewStore::Missing;
        QCOMPARE(InterviewStore::firstMissing("", "", ""), M::Candidate);
        QCOMPARE(InterviewStore::firstMissing(" \t", "01/01/2024", "1"), M::Candidate);
        QCOMPARE(InterviewStore::firstMissing("Rossi", "  ", ""), M::Date);
        QCOMPARE(InterviewStore::firstMissing("Rossi", "01/01/2024", " "), M::Score);
        QCOMPARE(InterviewStore::firstMissing("Rossi", "01/01/2024", "0,00"), M::None);
    }

    void detailLines()
    {
        QCOMPARE(InterviewDetails::toRecord(QStringLiteral("a") + QChar(QChar::ParagraphSeparator) + "b"),
                 QStringLiteral("a\r\nb"));
        QCOMPARE(InterviewDetails::toRecord("a\nb\r\nc"), QStringLiteral("a\r\nb\r\nc"));
        QCOMPARE(InterviewDetails::fromRecord("a\r\nb"), QStringLiteral("a\nb"));
        QCOMPARE(InterviewDetails::lengthInRecord("ab\ncd"), 6);
    }
};

SELVORA_CORE_TEST_MAIN(TestInterviewCardRules)
#include "tst_interviewcardrules.moc"
