// The date picker: today's date at opening, "Importa" into the interview
// date field only for its tag, "Annulla" leaving the field alone.
#include "app/core/Clock.h"
#include "app/ui/Windows.h"
#include "sessions/ui/Torneo.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/core/ImportaData.h"
#include "tools/ui/Calendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

class TestCalendario : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Windows::createAll(); }
    void cleanupTestCase()
    {
        Windows::destroyAll();
        Clock::setToday(QDate());
    }
    void init()
    {
        resetSeams();
        Clock::setToday(QDate(2024, 3, 5));
        Windows::torneo()->txtEmail->setText(QStringLiteral("31/12/2023"));
    }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void importsTodayAtOnce()
    {
        std::unique_ptr<TfrmCalendario> dlg(new TfrmCalendario);
        QCOMPARE(dlg->windowTitle(), QStringLiteral(" Importazione data"));
        QCOMPARE(dlg->infCalendario->text(), QStringLiteral("Importare una data:"));
        QCOMPARE(dlg->calAppuntamenti->selectedDate(), QDate(2024, 3, 5));
        dlg->lblMemory->setText("torneo_email");
        dlg->show();
        QTest::mouseClick(dlg->btnImportaData, Qt::LeftButton);
        QCOMPARE(Windows::torneo()->txtEmail->text(), QStringLiteral("05/03/2024"));
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
        dlg->show();
        dlg->calAppuntamenti->setSelectedDate(date);
        QTest::mouseClick(dlg->btnImportaData, Qt::LeftButton);
        QCOMPARE(Windows::torneo()->txtEmail->text(), text);
    }

    void otherTagDoesNothing()
    {
        std::unique_ptr<TfrmCalendario> dlg(new TfrmCalendario);
        dlg->lblMemory->setText("candidati");
        dlg->show();
        QTest::mouseClick(dlg->btnImportaData, Qt::LeftButton);
        QVERIFY(dlg->isVisible());
        QCOMPARE(Windows::torneo()->txtEmail->text(), QStringLiteral("31/12/2023"));
    }

    void annullaKeepsTheField()
    {
        for (const QString& before : {QStringLiteral("31/12/2023"), QString()}) {
            Windows::torneo()->txtEmail->setText(before);
            std::unique_ptr<TfrmCalendario> dlg(new TfrmCalendario);
            dlg->lblMemory->setText("torneo_email");
            dlg->show();
            dlg->calAppuntamenti->setSelectedDate(QDate(2024, 1, 1));
            QTest::mouseClick(dlg->btnAnnulla, Qt::LeftButton);
            QVERIFY(!dlg->isVisible());
            QCOMPARE(Windows::torneo()->txtEmail->text(), before);
        }
    }

    void dateText()
    {
        QCOMPARE(ImportaData::testo(QDate(2024, 3, 5)), QStringLiteral("05/03/2024"));
        QCOMPARE(ImportaData::testo(QDate(1999, 12, 31)), QStringLiteral("31/12/1999"));
    }
};

SELVORA_TEST_MAIN(TestCalendario)
#include "tst_calendario.moc"
