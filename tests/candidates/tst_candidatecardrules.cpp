// Browsing and typing rules of the candidate card window, as tables.
#include "candidates/core/CandidateCardRules.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

using CardNavigation::Step;
Q_DECLARE_METATYPE(Step::Kind)

class TestCandidateCardRules : public QObject
{
    Q_OBJECT

private slots:
    void navigation_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("position");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<Step::Kind>("kind");
        QTest::addColumn<qint64>("card");
        QTest::newRow("first, empty archive") << "first"
                                              << "" << qint64(0) << Step::EmptyArchive << qint64(0);
        QTest::newRow("first") << "first"
                               << "5" << qint64(9) << Step::Show << qint64(1);
        QTest::newRow("last, empty archive") << "last"
                                             << "" << qint64(0) << Step::EmptyArchive << qint64(0);
        QTest::newRow("last") << "last"
                              << "" << qint64(7) << Step::Show << qint64(7);
        QTest::newRow("back on card 1") << "back"
                                        << "1" << qint64(5) << Step::Nothing << qint64(0);
        QTest::newRow("back on card 1, blanks") << "back"
                                                << " 1 " << qint64(5) << Step::Nothing << qint64(0);
        QTest::newRow("back on card 1, empty archive") << "back"
                                                       << "1" << qint64(0) << Step::Nothing << qint64(0);
        QTest::newRow("back, empty archive") << "back"
                                             << "" << qint64(0) << Step::EmptyArchive << qint64(0);
        QTest::newRow("back from a new card") << "back"
                                              << "" << qint64(5) << Step::Show << qint64(1);
        QTest::newRow("back from card 3") << "back"
                                          << "3" << qint64(5) << Step::Show << qint64(2);
        QTest::newRow("back past the end") << "back"
                                           << "9" << qint64(4) << Step::Show << qint64(4);
        QTest::newRow("back, not a number") << "back"
                                            << "x" << qint64(4) << Step::Nothing << qint64(0);
        QTest::newRow("forward, empty archive") << "forward"
                                                << "3" << qint64(0) << Step::EmptyAndClear << qint64(0);
        QTest::newRow("forward from a new card") << "forward"
                                                 << "" << qint64(5) << Step::Show << qint64(1);
        QTest::newRow("forward from card 2") << "forward"
                                             << "2" << qint64(5) << Step::Show << qint64(3);
        QTest::newRow("forward on the last card") << "forward"
                                                  << "5" << qint64(5) << Step::Nothing << qint64(0);
        QTest::newRow("forward past the end") << "forward"
                                              << "8" << qint64(5) << Step::Nothing << qint64(0);
    }
    void navigation()
    {
        QFETCH(QString, command);
        QFETCH(QString, position);
        QFETCH(qint64, count);
        QFETCH(Step::Kind, kind);
        QFETCH(qint64, card);
        Step step;
        if (command == "first")
            step = CardNavigation::first(count);
        else if (command == "last")
            step = CardNavigation::last(count);
        else if (command == "back")
            step = CardNavigation::back(position, count);
        else
            step = CardNavigation::forward(position, count);
        QCOMPARE(int(step.kind), int(kind));
        QCOMPARE(step.card, card);
    }

    void capitals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("small m") << "m"
                                 << "M";
        QTest::newRow("blanks at the ends") << " f "
                                            << "F";
        QTest::newRow("fiscal code") << "rssmra80a01h501u"
                                     << "RSSMRA80A01H501U";
        QTest::newRow("inner blank kept") << "rss mra"
                                          << "RSS MRA";
    }
    void capitals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(CardTyping::capitals(typed), shown);
    }

    void email()
    {
        QCOMPARE(CardTyping::email(" mario@rossi.it "), QStringLiteral("mario@rossi.it"));
        QCOMPARE(CardTyping::email("Mario@Rossi.it"), QStringLiteral("Mario@Rossi.it"));
    }

    void vatKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("0") << int(Qt::Key_0) << "0" << true;
        QTest::newRow("9") << int(Qt::Key_9) << "9" << true;
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << false;
        QTest::newRow("blank") << int(Qt::Key_Space) << " " << false;
        QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << false;
        QTest::newRow("home") << int(Qt::Key_Home) << "" << false;
        QTest::newRow("end") << int(Qt::Key_End) << "" << false;
        QTest::newRow("paste shortcut") << int(Qt::Key_V) << "\x16" << false;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << true;
        QTest::newRow("delete") << int(Qt::Key_Delete) << "" << true;
        QTest::newRow("left") << int(Qt::Key_Left) << "" << true;
        QTest::newRow("right") << int(Qt::Key_Right) << "" << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << "\r" << true;
        QTest::newRow("tab") << int(Qt::Key_Tab) << "\t" << true;
        QTest::newRow("other script digit") << int(Qt::Key_unknown) << QString::fromUtf8("٣") << false;
    }
    void vatKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, allowed);
        QCOMPARE(CardTyping::vatKeyAllowed(key, text), allowed);
    }

    void positionOf()
    {
        QCOMPARE(CardNavigation::positionOf(""), qint64(0));
        QCOMPARE(CardNavigation::positionOf(" 12 "), qint64(12));
        QCOMPARE(CardNavigation::positionOf("-3"), qint64(0));
        QCOMPARE(CardNavigation::positionOf("abc"), qint64(0));
    }
};

SELVORA_CORE_TEST_MAIN(TestCandidateCardRules)
#include "tst_candidatecardrules.moc"
