// Working windows opened again from the launcher: nothing from the previous
// visit is left on screen.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "candidates/ui/Candidati.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QMouseEvent>

class TestReopening : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Windows::createFirst(); }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init() { resetSeams(); }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    // The exit command's description was the last one shown before leaving;
    // the window opened again starts with its idle text.
    void informationBarStartsIdleAgain_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("candidate card") << QStringLiteral("candidati");
        QTest::newRow("interview card") << QStringLiteral("torneo");
    }
    void informationBarStartsIdleAgain()
    {
        QFETCH(QString, window);
        TempProgramFolder folder;
        QWidget* w = window == QLatin1String("candidati") ? static_cast<QWidget*>(Windows::candidati())
                                                          : static_cast<QWidget*>(Windows::torneo());
        auto* panInfo = w->findChild<QLabel*>(QStringLiteral("panInfo"));
        auto* cmdEsci = w->findChild<QWidget*>(QStringLiteral("cmdEsci"));
        QVERIFY(panInfo);
        QVERIFY(cmdEsci);

        w->show();
        QCOMPARE(panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        QMouseEvent over(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(cmdEsci, &over);
        QCOMPARE(panInfo->text(), QStringLiteral("Esci da questa schermata di lavoro."));
        QTest::mouseClick(cmdEsci, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QVERIFY(Windows::avvio()->isVisible());

        w->show();
        QCOMPARE(panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    }
};

SELVORA_TEST_MAIN(TestReopening)
#include "tst_reopening.moc"
