// The calendar window driven as the secretary would: the day typed, the
// session's candidates placed, a slot moved into a clash and shown, the
// calendar stored, the committee's .ics read back by a real parser, bad
// times refused with the reason.
#include "base/core/Clock.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "sessions/core/SchedaColloquio.h"
#include "sittings/core/CalendarFile.h"
#include "sittings/ui/CalendarWindow.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

namespace {

QByteArray card(const QString& name)
{
    TSchedaColloquio c;
    c.Candidato = name;
    c.Punteggio = QStringLiteral("0,00");
    c.Idoneo = QStringLiteral("Sì");
    return c.encode();
}

} // namespace

class TestCalendarWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;

    QString session() const { return m_folder->file(QStringLiteral("Istruttore.vai")); }

    std::unique_ptr<CalendarWindow> open()
    {
        auto w = std::make_unique<CalendarWindow>(session(), QStringLiteral("Istruttore"));
        w->show();
        return w;
    }

private slots:
    void init()
    {
        resetSeams();
        Clock::setToday(QDate(2027, 3, 1));
        m_folder = std::make_unique<TempProgramFolder>();
        m_folder->write(QStringLiteral("Istruttore.vai"),
                        card(QStringLiteral("Verdi Anna")) + card(QStringLiteral("Bianchi Luca")) +
                            card(QStringLiteral("Rossi Mario")));
    }
    void cleanup()
    {
        m_folder.reset();
        Clock::setToday(QDate());
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void planStoreAndInvite()
    {
        auto w = open();
        QCOMPARE(w->txtData->text(), QStringLiteral("08/03/2027"));
        w->txtData->setText(QStringLiteral("30/03/2027"));
        w->txtLuogo->setText(QStringLiteral("Sala del consiglio, via Roma 1"));
        w->txtInizio->setText(QStringLiteral("9:00"));
        w->txtDurata->setText(QStringLiteral("20"));
        w->btnDisponi->click();
        QCOMPARE(columnTexts(w->grdColloqui, 0),
                 (QStringList {QStringLiteral("09:00"), QStringLiteral("09:20"), QStringLiteral("09:40")}));
        QCOMPARE(columnTexts(w->grdColloqui, 1),
                 (QStringList {QStringLiteral("Bianchi Luca"), QStringLiteral("Rossi Mario"),
                               QStringLiteral("Verdi Anna")}));
        QVERIFY(w->lblProblemi->text().isEmpty());

        // Moved by hand onto the first slot: the clash is shown at once.
        w->grdColloqui->item(2, 0)->setText(QStringLiteral("09:10"));
        QVERIFY2(
            w->lblProblemi->text().contains(QStringLiteral("Verdi Anna (09:10) si sovrappone a Bianchi Luca (09:00).")),
            qPrintable(w->lblProblemi->text()));
        w->grdColloqui->item(2, 0)->setText(QStringLiteral("10:00"));
        QVERIFY(w->lblProblemi->text().isEmpty());

        QVERIFY(w->btnSalvaClick());
        SittingCalendar stored;
        QString problem;
        QCOMPARE(int(CalendarFile::read(session(), &stored, &problem)), int(CalendarFile::Status::Read));
        QCOMPARE(stored.interviews.at(2).start, QTime(10, 0));
        QCOMPARE(stored.interviews.at(2).card, qint64(1));
        // The session itself was only read.
        QCOMPARE(m_folder->read(QStringLiteral("Istruttore.vai")).size(), 3 * TSchedaColloquio::Size);

        const QString ics = m_folder->file(QStringLiteral("Commissione.ics"));
        FileDialogs::queueFileName(ics);
        w->btnCommissione->click();
        QCOMPARE(Messages::takeShown().size(), 1);
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import sys, icalendar\n"
                                     "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
                                     "for e in cal.walk('VEVENT'):\n"
                                     "    print(e.decoded('DTSTART').isoformat(), e['SUMMARY'])\n"),
                      ics});
        QVERIFY(python.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')),
                 (QStringList {QStringLiteral("2027-03-30T09:00:00+02:00 Colloquio: Bianchi Luca"),
                               QStringLiteral("2027-03-30T09:20:00+02:00 Colloquio: Rossi Mario"),
                               QStringLiteral("2027-03-30T10:00:00+02:00 Colloquio: Verdi Anna")}));
    }

    void badTimesAreRefused_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::newRow("start with a dot") << QStringLiteral("9.00") << QString()
                                          << QStringLiteral("Scrivere l'ora di inizio nella forma hh:mm (per esempio "
                                                            "09:00).");
        QTest::newRow("end before start")
            << QStringLiteral("09:00") << QStringLiteral("08:30")
            << QStringLiteral("Il calendario non è stato salvato:\r\nL'ora di fine (08:30) "
                              "non è dopo l'ora di inizio (09:00).");
    }
    void badTimesAreRefused()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        auto w = open();
        w->txtInizio->setText(start);
        w->txtFine->setText(end);
        QVERIFY(!w->btnSalvaClick());
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, message);
        QVERIFY(!QFileInfo::exists(CalendarFile::pathFor(session())));
    }

    // A day already gone is said, not refused.
    void pastDateIsWarned()
    {
        auto w = open();
        w->txtData->setText(QStringLiteral("15/02/2027"));
        QVERIFY(w->btnSalvaClick());
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, QStringLiteral("La data del calendario (15/02/2027) è già passata."));
        QVERIFY(QFileInfo::exists(CalendarFile::pathFor(session())));
    }

    // A damaged side file is named and not written over.
    void damagedSideFileIsLeftAlone()
    {
        m_folder->write(QStringLiteral("Istruttore.calendario.json"), "{ rotto");
        auto w = open();
        QCOMPARE(Messages::takeShown().size(), 1);
        QVERIFY(!w->btnSalva->isEnabled());
        QCOMPARE(m_folder->read(QStringLiteral("Istruttore.calendario.json")), QByteArray("{ rotto"));
    }
};

SELVORA_TEST_MAIN(TestCalendarWindow)
#include "tst_calendarwindow.moc"
