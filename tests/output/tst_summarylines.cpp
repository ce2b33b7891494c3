// Summary lines: the line builder, the list order and the find command's
// search, as tables of cases.
#include "base/core/TextRules.h"
#include "output/core/SummaryLines.h"
#include "support/core/CoreTestMain.h"

#include <algorithm>
#include <numeric>

class TestSummaryLines : public QObject
{
    Q_OBJECT

private slots:
    void lineBuilder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << "Rossi"
                                << "12,50"
                                << "Rossi   : 12,50";
        QTest::newRow("cut") << "Bianchini"
                             << "7"
                             << "Bianch: 7";
        QTest::newRow("trimmed first") << "  Neri\t"
                                       << " 3,00  "
                                       << "Neri    : 3,00";
        QTest::newRow("empty columns") << ""
                                       << ""
                                       << "        : ";
        QTest::newRow("exact width") << "Verdi123"
                                     << "x"
                                     << "Verdi123: x";
    }
    void lineBuilder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        // Two columns: 6 when the text is longer than 8 ("cut" row), else 8.
        const int width = a.trimmed().size() > 8 ? 6 : 8;
        QCOMPARE(SummaryLine().column(a, width).literal(QStringLiteral(": ")).last(b), expected);
    }

    void listOrder_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("case does not count") << QStringList {"rossi mario", "Bianchi Anna", "ROSSI ANNA"}
                                             << QStringList {"Bianchi Anna", "ROSSI ANNA", "rossi mario"};
        QTest::newRow("underscore after z")
            << QStringList {"_zeta", "zeta", "Alfa"} << QStringList {"Alfa", "zeta", "_zeta"};
        QTest::newRow("prefix first") << QStringList {"Rossi Mario", "Rossi", "Rossi M"}
                                      << QStringList {"Rossi", "Rossi M", "Rossi Mario"};
        QTest::newRow("accented capital after Z") << QStringList {QStringLiteral("Èrcole"), "Zeno", "Abate"}
                                                  << QStringList {"Abate", "Zeno", QStringLiteral("Èrcole")};
        QTest::newRow("digits before letters") << QStringList {"b", "1", "A"} << QStringList {"1", "A", "b"};
        QTest::newRow("blank before letters")
            << QStringList {"Rossi Ugo", "RossiA"} << QStringList {"Rossi Ugo", "RossiA"};
        // Between Z (90) and a (97) lie [ \ ] ^ _ `: with a to z read as A
        // to Z they come after every letter.
        QTest::newRow("bracket after letters") << QStringList {"[x]", "y"} << QStringList {"y", "[x]"};
        QTest::newRow("equal folded keep order")
            << QStringList {"ROSSI", "rossi", "Rossi"} << QStringList {"ROSSI", "rossi", "Rossi"};
        QTest::newRow("empty first") << QStringList {"a", ""} << QStringList {"", "a"};
        QTest::newRow("equal lines keep order")
            << QStringList {"Verdi Luca  12", "Bianchi", "Verdi Luca  12", "verdi luca  12"}
            << QStringList {"Bianchi", "Verdi Luca  12", "Verdi Luca  12", "verdi luca  12"};
        QTest::newRow("accented letters by code, after every ASCII letter")
            << QStringList {QStringLiteral("Nicolò"), "Nicolo", QStringLiteral("NICOLÒ"), "Nicolz",
                            QStringLiteral("àlvaro"), "Alvaro"}
            << QStringList {"Alvaro",
                            "Nicolo",
                            "Nicolz",
                            QStringLiteral("NICOLÒ"),
                            QStringLiteral("Nicolò"),
                            QStringLiteral("àlvaro")};
        QTest::newRow("long equal start, difference late")
            << QStringList {"Rossi Mario 100002", "ROSSI MARIO 100001", "rossi mario 10000"}
            << QStringList {"rossi mario 10000", "ROSSI MARIO 100001", "Rossi Mario 100002"};
        QTest::newRow("short lines and a zero character")
            << QStringList {QString(QChar(u'a')) + QChar(0), "A", "ab", QString()}
            << QStringList {QString(), "A", QString(QChar(u'a')) + QChar(0), "ab"};
    }
    void listOrder()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, sorted);
        QStringList lines = input;
        SummaryLines::sort(lines);
        QCOMPARE(lines, sorted);
    }

    void sortedOrderGivesRows() { QCOMPARE(SummaryLines::sortedOrder({"c", "a", "b"}), (QList<int> {1, 2, 0})); }

    // The sort against the plain definition of the order (a stable sort with
    // the character-by-character comparison) over many lines made of the
    // characters where the order has its corners: cases, accents, blanks,
    // the characters between Z and a, a zero character, and shared starts.
    void sortMatchesTheListComparison()
    {
        const QString alphabet = QStringLiteral("aAbBzZ_[ 1\u00e0\u00c0") + QChar(0);
        quint32 seed = 12345;
        const auto next = [&seed] {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 16) & 0x7fff;
        };
        QStringList lines;
        for (int i = 0; i < 4000; ++i) {
            QString line = (next() % 3 == 0) ? QStringLiteral("Rossi Mario ") : QString();
            const int length = int(next() % 9);
            for (int k = 0; k < length; ++k)
                line += alphabet.at(int(next() % alphabet.size()));
            lines.append(line);
            if (next() % 10 == 0)
                lines.append(line); // an equal line right after
        }
        QList<int> expected(lines.size());
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(),
                         [&lines](int a, int b) { return TextRules::listLess(lines.at(a), lines.at(b)); });
        QCOMPARE(SummaryLines::sortedOrder(lines), expected);
    }

    void containsFolded_data()
    {
        QTest::addColumn<QString>("haystack");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("expected");
        QTest::newRow("capitals in item") << "ROSSI MARIO"
                                          << "rossi" << true;
        QTest::newRow("inside") << "Mario Rossi"
                                << "o r" << true;
        QTest::newRow("accented small vs capital") << QStringLiteral("NICCOLÒ") << QStringLiteral("ò") << false;
        QTest::newRow("accented exact") << QStringLiteral("Niccolò") << QStringLiteral("ò") << true;
        QTest::newRow("empty needle") << "abc"
                                      << "" << false;
        QTest::newRow("longer than item") << "ab"
                                          << "abc" << false;
        QTest::newRow("at the end") << "12,50"
                                    << "50" << true;
    }
    void containsFolded()
    {
        QFETCH(QString, haystack);
        QFETCH(QString, needle);
        QFETCH(bool, expected);
        QCOMPARE(SummaryLines::containsFolded(haystack, needle), expected);
    }

    // One find after another on the same list; each row: the text typed, the
    // selected item before, the item selected after (-1 unchanged).
    void findSequence_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("selectedBefore");
        QTest::addColumn<QList<int>>("result");
        // Items: 0 "Rossi Mario", 1 "Bianchi Anna", 2 "ROSSI ANNA", 3 "Verdi Ugo", 4 "rossini"
        QTest::newRow("new text from the top") << QStringList {"rossi"} << QList<int> {3} << QList<int> {0};
        QTest::newRow("repeat moves on and wraps")
            << QStringList {"rossi", "rossi", "rossi", "rossi"} << QList<int> {0, 0, 2, 4} << QList<int> {0, 2, 4, 0};
        QTest::newRow("capitals find small") << QStringList {"ANNA"} << QList<int> {0} << QList<int> {1};
        QTest::newRow("no match leaves selection") << QStringList {"zzz"} << QList<int> {3} << QList<int> {-1};
        QTest::newRow("empty never matches") << QStringList {"", ""} << QList<int> {0, 0} << QList<int> {-1, -1};
        QTest::newRow("only match stays selected")
            << QStringList {"verdi", "verdi"} << QList<int> {0, 3} << QList<int> {3, 3};
        QTest::newRow("changed text starts over")
            << QStringList {"rossi", "anna"} << QList<int> {0, 0} << QList<int> {0, 1};
        QTest::newRow("repeat from a non-matching item")
            << QStringList {"ugo", "anna"} << QList<int> {0, 3} << QList<int> {3, 1};
    }
    void findSequence()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, selectedBefore);
        QFETCH(QList<int>, result);
        const QStringList items {"Rossi Mario", "Bianchi Anna", "ROSSI ANNA", "Verdi Ugo", "rossini"};
        QString last;
        for (int k = 0; k < typed.size(); ++k) {
            const int got = SummaryLines::find(
                int(items.size()), [&](int i) { return items.at(i); }, selectedBefore.at(k), typed.at(k), &last);
            QCOMPARE(got, result.at(k));
        }
    }

    void findRemembersFoldedText()
    {
        QString last;
        SummaryLines::find(
            1, [](int) { return QStringLiteral("x"); }, 0, QStringLiteral("RoSSi È"), &last);
        QCOMPARE(last, QStringLiteral("rossi È"));
    }

    void findOnEmptyListDoesNothing()
    {
        QString last = QStringLiteral("a");
        QCOMPARE(SummaryLines::find(
                     0, [](int) { return QString(); }, -1, QStringLiteral("a"), &last),
                 -1);
    }
};

SELVORA_CORE_TEST_MAIN(TestSummaryLines)
#include "tst_summarylines.moc"
