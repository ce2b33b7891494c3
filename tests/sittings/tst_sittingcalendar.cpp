// The calendar of the interviews: candidates placed in their order around
// the breaks, clashes and a day that runs over named, and the invitations
// read back by a real calendar parser (Python's icalendar, from Debian).
#include "sittings/core/CalendarFile.h"
#include "sittings/core/IcsCalendar.h"
#include "sittings/core/SittingCalendar.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QProcess>
#include <QtTest>

namespace {

SittingCalendar morning()
{
    SittingCalendar c;
    c.session = QStringLiteral("Istruttore 2027.vai");
    c.date = QDate(2027, 3, 30); // summer time in Rome
    c.place = QStringLiteral("Sala consiliare, piazza Garibaldi 1, Rieti");
    c.start = QTime(9, 0);
    c.minutes = 30;
    c.dayEnd = QTime(11, 0);
    c.breaks = {{QTime(10, 0), 15}};
    return c;
}

const QList<CalendarCandidate> kFive {{1, QStringLiteral("Verdi Anna")},
                                      {2, QStringLiteral("Bianchi Luca")},
                                      {3, QStringLiteral("Rossi Mario")},
                                      {4, QStringLiteral("Àlvaro Pietro")},
                                      {5, QStringLiteral("Neri Carla")}};

QString plan(const QList<CalendarSlot>& placed)
{
    QStringList out;
    for (const CalendarSlot& s : placed)
        out << CalendarPlanner::timeText(s.start) + QLatin1Char(' ') + s.candidate;
    return out.join(QStringLiteral(", "));
}

// What the parser finds in an .ics file: one line per event.
QStringList parsed(const QString& path, QString* error)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, icalendar\n"
                                 "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
                                 "for e in cal.walk('VEVENT'):\n"
                                 "    s = e.decoded('DTSTART'); t = e.decoded('DTEND')\n"
                                 "    print('|'.join([str(e['UID']), s.isoformat(), t.isoformat(), str(s.tzinfo),\n"
                                 "                    str(e['SUMMARY']), str(e['LOCATION'])]))\n"),
                  path});
    python.waitForFinished(30000);
    *error = QString::fromUtf8(python.readAllStandardError());
    return QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestSittingCalendar : public QObject
{
    Q_OBJECT

private slots:
    void order_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("alphabetical, accents where Italian puts them")
            << int(SittingCalendar::Order::Alphabetical) << QString()
            << QStringLiteral("09:00 Àlvaro Pietro, 09:30 Bianchi Luca, 10:15 Neri Carla, 10:45 Rossi Mario, "
                              "11:15 Verdi Anna");
        QTest::newRow("from the drawn letter R, then round")
            << int(SittingCalendar::Order::DrawnLetter) << QStringLiteral("R")
            << QStringLiteral("09:00 Rossi Mario, 09:30 Verdi Anna, 10:15 Àlvaro Pietro, 10:45 Bianchi Luca, "
                              "11:15 Neri Carla");
        QTest::newRow("a letter no surname has: the next one")
            << int(SittingCalendar::Order::DrawnLetter) << QStringLiteral("O")
            << QStringLiteral("09:00 Rossi Mario, 09:30 Verdi Anna, 10:15 Àlvaro Pietro, 10:45 Bianchi Luca, "
                              "11:15 Neri Carla");
        QTest::newRow("by card") << int(SittingCalendar::Order::CardOrder) << QString()
                                 << QStringLiteral(
                                        "09:00 Verdi Anna, 09:30 Bianchi Luca, 10:15 Rossi Mario, 10:45 Àlvaro Pietro, "
                                        "11:15 Neri Carla");
    }
    // The slot that would run into the break starts after it.
    void order()
    {
        QFETCH(int, order);
        QFETCH(QString, letter);
        QFETCH(QString, expected);
        SittingCalendar c = morning();
        c.order = SittingCalendar::Order(order);
        if (!letter.isEmpty())
            c.letter = letter.at(0);
        QCOMPARE(plan(CalendarPlanner::place(c, kFive)), expected);
    }

    // The placed day runs over its end; a slot moved by hand clashes with
    // another and with the break.
    void issues()
    {
        SittingCalendar c = morning();
        c.interviews = CalendarPlanner::place(c, kFive);
        QStringList texts;
        for (const CalendarPlanner::Issue& i : CalendarPlanner::issues(c))
            texts << i.text;
        QCOMPARE(texts,
                 (QStringList {QStringLiteral("Rossi Mario (10:45) finisce dopo l'ora di fine della giornata "
                                              "(11:00)."),
                               QStringLiteral("Verdi Anna (11:15) finisce dopo l'ora di fine della giornata "
                                              "(11:00).")}));
        c.dayEnd = QTime(12, 0);
        c.interviews[1].start = QTime(9, 50);
        texts.clear();
        for (const CalendarPlanner::Issue& i : CalendarPlanner::issues(c))
            texts << i.text;
        QCOMPARE(texts,
                 (QStringList {QStringLiteral("Bianchi Luca (09:50) si sovrappone a Neri Carla (10:15)."),
                               QStringLiteral("Bianchi Luca (09:50) cade nella pausa delle 10:00."),
                               QStringLiteral("Neri Carla (10:15) si sovrappone a Bianchi Luca (09:50).")}));
    }

    void problems_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QString>("message");
        QTest::newRow("end before start")
            << 0 << QStringLiteral("L'ora di fine (08:00) non è dopo l'ora di inizio (09:00).");
        QTest::newRow("no length") << 1
                                   << QStringLiteral("La durata di ogni colloquio deve essere fra 1 e 600 minuti.");
        QTest::newRow("break without length") << 2 << QStringLiteral("Una pausa non ha l'ora di inizio o la durata.");
        QTest::newRow("no date") << 3 << QStringLiteral("Indicare la data dei colloqui.");
    }
    void problems()
    {
        QFETCH(int, breakage);
        QFETCH(QString, message);
        SittingCalendar c = morning();
        QVERIFY(c.problems().isEmpty());
        if (breakage == 0)
            c.dayEnd = QTime(8, 0);
        else if (breakage == 1)
            c.minutes = 0;
        else if (breakage == 2)
            c.breaks[0].minutes = 0;
        else
            c.date = QDate();
        QCOMPARE(c.problems(), QStringList {message});
    }

    // Read back by the parser: the times in Rome's summer time, the place
    // with its commas, one event per slot, and the same UIDs when the files
    // are made again later.
    void invitationsReadBack()
    {
        SittingCalendar c = morning();
        c.interviews = CalendarPlanner::place(c, kFive);
        TempProgramFolder folder;
        const QDateTime first(QDate(2027, 3, 1), QTime(8, 0), Qt::UTC);
        folder.write(QStringLiteral("commissione.ics"),
                     IcsCalendar::committeeCalendar(c, QStringLiteral("Istruttore 2027"), first));
        folder.write(QStringLiteral("rossi.ics"),
                     IcsCalendar::invitation(c, c.interviews.at(3), QStringLiteral("Istruttore 2027"), first));
        QString error;
        const QStringList all = parsed(folder.file(QStringLiteral("commissione.ics")), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(all.size(), 5);
        QCOMPARE(all.at(0),
                 QStringLiteral("Istruttore_00202027.vai-4@selvora|2027-03-30T09:00:00+02:00|2027-03-30T09:30:00+02:00|"
                                "Europe/Rome|Colloquio: Àlvaro Pietro|Sala consiliare, piazza Garibaldi 1, Rieti"));
        const QStringList one = parsed(folder.file(QStringLiteral("rossi.ics")), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(one,
                 QStringList {QStringLiteral("Istruttore_00202027.vai-3@selvora|2027-03-30T10:45:00+02:00|"
                                             "2027-03-30T11:15:00+02:00|Europe/Rome|Colloquio - Istruttore "
                                             "2027|Sala consiliare, piazza Garibaldi 1, Rieti")});

        // Made again a week later: only DTSTAMP changes.
        const QByteArray again = IcsCalendar::committeeCalendar(c, QStringLiteral("Istruttore 2027"), first.addDays(7));
        QByteArray before = folder.read(QStringLiteral("commissione.ics"));
        QCOMPARE(before.replace("20270301T080000Z", "20270308T080000Z"), again);
    }

    // The side file: what is written is read back, the same bytes when
    // unchanged; another session's file and a newer version are refused.
    void sideFile()
    {
        TempProgramFolder folder;
        const QString session = folder.file(QStringLiteral("Istruttore 2027.vai"));
        SittingCalendar c = morning();
        c.order = SittingCalendar::Order::DrawnLetter;
        c.letter = QLatin1Char('R');
        c.interviews = CalendarPlanner::place(c, kFive);
        QString error;
        QVERIFY2(CalendarFile::write(session, c, &error), qPrintable(error));
        const QByteArray first = folder.read(QStringLiteral("Istruttore 2027.calendario.json"));
        SittingCalendar back;
        QString problem;
        QCOMPARE(int(CalendarFile::read(session, &back, &problem)), int(CalendarFile::Status::Read));
        QCOMPARE(back.interviews.size(), 5);
        QCOMPARE(back.interviews.at(2).start, QTime(10, 15));
        QCOMPARE(back.letter, QLatin1Char('R'));
        QCOMPARE(CalendarFile::toJson(back), first);

        QCOMPARE(int(CalendarFile::read(folder.file(QStringLiteral("Altra.vai")), &back, &problem)),
                 int(CalendarFile::Status::Missing));
        folder.write(QStringLiteral("Altra.calendario.json"), first);
        QCOMPARE(int(CalendarFile::read(folder.file(QStringLiteral("Altra.vai")), &back, &problem)),
                 int(CalendarFile::Status::Damaged));
        QCOMPARE(problem, QStringLiteral("appartiene alla sessione \"Istruttore 2027.vai\"."));
        QByteArray newer = first;
        newer.replace("\"version\": 1", "\"version\": 2");
        QVERIFY(!CalendarFile::fromJson(newer, &back, &problem));
        QCOMPARE(problem, QStringLiteral("è stato scritto da una versione più recente del programma."));
    }

    // Lines are folded at 75 octets and never inside a UTF-8 character.
    void folding()
    {
        const QString line = QStringLiteral("DESCRIPTION:") + QString(70, QChar(0x00E0));
        const QByteArray bytes = IcsCalendar::folded(line);
        for (const QByteArray& piece : bytes.split('\n')) {
            QVERIFY(piece.size() <= 76); // 75 octets and the CR
            QVERIFY(QString::fromUtf8(piece.trimmed()).indexOf(QChar(0xFFFD)) < 0);
        }
        QByteArray unfolded = bytes;
        unfolded.replace("\r\n ", "");
        QCOMPARE(QString::fromUtf8(unfolded), line + QStringLiteral("\r\n"));
    }
};

SELVORA_CORE_TEST_MAIN(TestSittingCalendar)
#include "tst_sittingcalendar.moc"
