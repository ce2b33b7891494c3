// The date picker: today's date at opening, "Importa" announcing the date
// only for its tag, "Annulla" announcing nothing.
#include "base/core/Clock.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/core/DatePickerRules.h"
#include "tools/ui/Calendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

class TestCalendario : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { Clock::setToday(QDate()); }
    void init()
    {
        resetSeams();
        Clock::setToday(QDate(2024, 3, 5));
    }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void importsTodayAtOnce()
    {
        std::unique_ptr<TfrmCalendario> dlg(new TfrmCalendario);
        QCOMPARE(dlg->windowTitle(), QStringLiteral(" Importazione data"));
        QCOMPARE(dlg->infCalendario->text(), QStringLiteral("Importare una data:"));
        QCOMPARE(dlg->calAppuntamenti->selectedDate(), QDate(2024, 3, 5));
        dlg->lblMemory->setText("torneo_email");
        QSignalSpy announced(dlg.get(), &TfrmCalendario::dateChosen);
        dlg->show();
        QTest::mouseClick(dlg->btnImportaData, Qt::LeftButton);
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced.at(0).at(0).toString(), QStringLiteral("05/03/2024"));
        QVERIFY(!dlg->isVisible());
    }

    void importsThePickedDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("leading zeros") << QDate(2024, 3, 5) << "05/03/2024";
        QTest::newRow("two digits") << QDate(2025, 11, 23) << "23/11/2025";
        QTest::newRow("leap day") << QDate(2028, 2, 29) << "29/02/2028";
    }
    void importsThePickedDate()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        std::unique_ptr<TfrmCalendario> dlg(new TfrmCalendario);
        dlg->lblMemory->setText("torneo_email");
        QSignalSpy announced(dlg.get(), &TfrmCalendario::dateChosen);
        dlg->show();
        dlg->calAppuntamenti->setSelectedDate(date);
        QTest::mouseClick(dlg->btnImportaData, Qt::LeftButton);
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced.at(0).at(0).toString(), text);
    }

    void otherTagDoesNothing()
    {
        std::unique_ptr<TfrmCalendario> dlg(new TfrmCalendario);
        dlg->lblMemory->setText("candidati");
        QSignalSpy announced(dlg.get(), &TfrmCalendario::dateChosen);
        dlg->show();
        QTest::mouseClick(dlg->btnImportaData, Qt::LeftButton);
        QVERIFY(dlg->isVisible());
        QCOMPARE(announced.size(), 0);
    }

    void annullaKeepsTheField()
    {
        std::unique_ptr<TfrmCalendario> dlg(new TfrmCalendario);
        dlg->lblMemory->setText("torneo_email");
        QSignalSpy announced(dlg.get(), &TfrmCalendario::dateChosen);
        dlg->show();
        dlg->calAppuntamenti->setSelectedDate(QDate(2024, 1, 1));
        QTest::mouseClick(dlg->btnAnnulla, Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(announced.size(), 0);
    }

    void dateText()
    {
        QCOMPARE(DatePickerRules::testo(QDate(2024, 3, 5)), QStringLiteral("05/03/2024"));
        QCOMPARE(DatePickerRules::testo(QDate(1999, 12, 31)), QStringLiteral("31/12/1999"));
    }
};

SELVORA_TEST_MAIN(TestCalendario)
#include "tst_calendario.moc"
