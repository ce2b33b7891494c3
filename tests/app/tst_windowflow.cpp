// Window flow and the conventions every window follows: the launcher's
// entries, returning to it, ending the program, the information bar, Enter
// chains and the program-wide formats.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "base/core/Formats.h"
#include "base/core/ProgramFolder.h"
#include "candidates/ui/Candidati.h"
#include "rankings/ui/ApriClassifica.h"
#include "sessions/ui/ApriArchivio.h"
#include "sessions/ui/CreaArchivio.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/EnterChain.h"
#include "shared/ui/InfoBar.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

class TestWindowFlow : public QObject
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

    void programFolderIsTheExecutablesFolder()
    {
        const QString before = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath());
        QCOMPARE(ProgramFolder::path(), QCoreApplication::applicationDirPath() + "/");
        QDir::setCurrent(before);
    }

    void entriesShowTheirWindowAndReturn_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("title");
        QTest::newRow("archivio candidati") << 1 << QStringLiteral(" Selvora - Archivio Candidati");
        QTest::newRow("crea sessione") << 2 << QStringLiteral(" Selvora - Creazione nuova sessione");
        QTest::newRow("apri sessione") << 3 << QStringLiteral(" Selvora - Apertura sessione");
        QTest::newRow("graduatorie") << 4 << QStringLiteral(" Selvora - Visualizzazione graduatorie");
    }
    void entriesShowTheirWindowAndReturn()
    {
        QFETCH(int, entry);
        QFETCH(QString, title);
        TempProgramFolder folder;
        TfrmAvvio* launcher = Windows::avvio();
        launcher->show();
        auto* caption = launcher->findChild<PictureButton*>(QStringLiteral("btnApp0%1").arg(entry));
        QVERIFY(caption);
        QTest::mouseClick(caption, Qt::LeftButton);
        QWidget* shown = QApplication::activeModalWidget();
        QVERIFY(!shown);
        QWidget* target = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != launcher)
                target = w;
        QVERIFY(target);
        QCOMPARE(target->windowTitle(), title);
        QVERIFY(!launcher->isVisible());
        target->close();
        QVERIFY(!target->isVisible());
        QVERIFY(launcher->isVisible());
    }

    void pictureClickOpensTheEntryToo()
    {
        TempProgramFolder folder;
        TfrmAvvio* launcher = Windows::avvio();
        launcher->show();
        QTest::mouseClick(launcher->imgApp02, Qt::LeftButton);
        QVERIFY(Windows::creaArchivio()->isVisible());
        QVERIFY(!launcher->isVisible());
        Windows::creaArchivio()->close();
    }

    // Without a mouse: Tab reaches every entry and picture of the launcher,
    // and Enter on an entry opens it as a click does.
    void launcherWorksFromTheKeyboard()
    {
        TempProgramFolder folder;
        TfrmAvvio* launcher = Windows::avvio();
        launcher->show();
        QVERIFY(activate(launcher));
        QStringList reached;
        QWidget* entry = nullptr;
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : launcher, Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            reached << focus->objectName();
            if (focus->objectName() == QLatin1String("btnApp02"))
                entry = focus;
        }
        for (const char* name :
             {"btnApp01", "btnApp02", "btnApp03", "btnApp04", "imgInfo", "imgGuida", "imgCopyright", "imgEsci"})
            QVERIFY2(reached.contains(QLatin1String(name)), name);
        QVERIFY(entry);
        entry->setFocus(Qt::TabFocusReason);
        QTest::keyClick(entry, Qt::Key_Return);
        QTRY_VERIFY(Windows::creaArchivio()->isVisible());
        QVERIFY(!launcher->isVisible());
        Windows::creaArchivio()->close();
    }

    void closingTheLauncherEndsTheProgram()
    {
        TfrmAvvio* launcher = Windows::avvio();
        launcher->show();
        bool quitRequested = false;
        // Everything that captures this frame goes with it: the connection
        // and the watchdog die with the guard at the end of the test, instead
        // of firing into a later test's event loop or a dead stack frame.
        QObject guard;
        QTimer::singleShot(0, launcher, [&] { launcher->close(); });
        QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(99); });
        connect(qApp, &QCoreApplication::aboutToQuit, &guard, [&] { quitRequested = true; });
        const int code = QCoreApplication::exec();
        QCOMPARE(code, 0);
        QVERIFY(quitRequested);
    }

    void exitPictureEndsTheProgram()
    {
        TfrmAvvio* launcher = Windows::avvio();
        launcher->show();
        Windows::candidati()->hide();
        QObject guard;
        QTimer::singleShot(0, launcher, [launcher] { QTest::mouseClick(launcher->imgEsci, Qt::LeftButton); });
        QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void launcherPicturesHaveNamesAndTips()
    {
        for (const char* name : {"imgInfo", "imgGuida", "imgCopyright", "icoSito", "imgEsci", "btnApp01", "btnApp02",
                                 "btnApp03", "btnApp04"}) {
            auto* b = Windows::avvio()->findChild<QToolButton*>(QString::fromLatin1(name));
            QVERIFY2(b, name);
            QVERIFY2(!b->accessibleName().isEmpty(), name);
            QVERIFY2(!b->toolTip().isEmpty(), name);
            // Reached with Tab; a click leaves the focus where it was.
            QCOMPARE(b->focusPolicy(), Qt::TabFocus);
        }
    }

    void webSitePictureOpensTheSite()
    {
        QTest::mouseClick(Windows::avvio()->icoSito, Qt::LeftButton);
        QCOMPARE(TMisc::opened().size(), 1);
        QVERIFY(TMisc::opened().first().startsWith(QStringLiteral("http")));
    }

    void informationBar()
    {
        QWidget window;
        auto* command = new PictureButton("cmdSalva", "save", QString(), "Salva", &window);
        auto* background = new QFrame(&window);
        auto* bar = new InfoBar(QStringLiteral("Pronto."), QColor(Qt::darkBlue), &window);
        bar->describe(command, QStringLiteral("Salva la scheda."));
        bar->clearOver(background);
        QCOMPARE(bar->text(), QStringLiteral("Pronto."));
        QCOMPARE(command->toolTip(), QStringLiteral("Salva la scheda."));
        QMouseEvent over(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(command, &over);
        QCOMPARE(bar->text(), QStringLiteral("Salva la scheda."));
        QApplication::sendEvent(background, &over);
        QCOMPARE(bar->text(), QString()); // the idle text does not come back
        QCOMPARE(bar->panInfo()->objectName(), QStringLiteral("panInfo"));
        QCOMPARE(bar->objectName(), QStringLiteral("shpInfo"));
    }

    void enterChain()
    {
        QWidget window;
        auto* first = new QLineEdit(&window);
        auto* second = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        EnterChain::link(first, second);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QVERIFY(second->hasFocus());
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Enter);
        QVERIFY(second->hasFocus());
        // Without a successor Enter does not move the focus.
        QTest::keyClick(second, Qt::Key_Return);
        QVERIFY(second->hasFocus());
    }

    void formatsIgnoreTheSystemLocale()
    {
        QCOMPARE(Formats::shortDate(QDate(2026, 3, 7)), QStringLiteral("07/03/2026"));
        QCOMPARE(Formats::parseShortDate(QStringLiteral("31/12/2026")), QDate(2026, 12, 31));
        QVERIFY(!Formats::parseShortDate(QStringLiteral("12/31/2026")).isValid());
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }

    void messageTextsAreShownWithPlainLineBreaks()
    {
        QCOMPARE(Messages::displayText(QStringLiteral("a.\n\r\n\rb.")), QStringLiteral("a.\n\nb."));
        QCOMPARE(Messages::displayText(QStringLiteral("a.\r\n\r\nb.")), QStringLiteral("a.\n\nb."));
    }
};

SELVORA_TEST_MAIN(TestWindowFlow)
#include "tst_windowflow.moc"
