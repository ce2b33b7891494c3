// Each command of the card windows opens its own window, fresh and modal:
// the button is clicked on the real window and the dialog that ran is named.
#include "app/ui/Windows.h"
#include "candidates/ui/Candidati.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDialog>
#include <QLabel>

#include <memory>

class TestWiring : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;

    QWidget* openWindow(const QString& which)
    {
        if (which == QLatin1String("torneo")) {
            m_folder->write("Tecnici.vai", "");
            TfrmTorneo* t = Windows::torneo();
            t->lblFile->setText(m_folder->file("Tecnici.vai"));
            t->lblNome->setText(QStringLiteral("Tecnici"));
            t->show();
            return t;
        }
        TfrmCandidati* c = Windows::candidati();
        c->show();
        return c;
    }

private slots:
    void initTestCase() { Windows::createFirst(); }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        resetSeams();
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        m_folder.reset();
    }

    void commandOpensItsWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        // Kept by the window between openings (hidden, not destroyed).
        QTest::addColumn<bool>("kept");
        QTest::newRow("session export") << "torneo"
                                        << "cmdExcel"
                                        << "TfrmExpTorneo" << false;
        QTest::newRow("archive export") << "candidati"
                                        << "cmdEsporta"
                                        << "TfrmExpCandidati" << false;
        QTest::newRow("candidate search") << "candidati"
                                          << "cmdTrova"
                                          << "TfrmTrovaCandidati" << false;
        QTest::newRow("recontact summary") << "candidati"
                                           << "cmdScadute"
                                           << "TfrmDaRicontattare" << true;
        QTest::newRow("candidate print") << "candidati"
                                         << "cmdStampa"
                                         << "TfrmStampaCandidati" << false;
        QTest::newRow("candidate preview") << "candidati"
                                           << "cmdAnteprima"
                                           << "TfrmAnteprimaCandidati" << false;
        QTest::newRow("attachments") << "candidati"
                                     << "cmdFile"
                                     << "TfrmAllegaCartella" << false;
        QTest::newRow("webcam") << "candidati"
                                << "btnWebcam"
                                << "TfrmWebCam" << false;
        QTest::newRow("photo zoom") << "candidati"
                                    << "btnZoomFoto"
                                    << "TfrmZoom" << false;
        QTest::newRow("session search") << "torneo"
                                        << "cmdTrova"
                                        << "TfrmTrovaPagina" << false;
        QTest::newRow("suitable list") << "torneo"
                                       << "cmdNonPagati"
                                       << "TfrmSegnalati" << true;
        QTest::newRow("import from the archive") << "torneo"
                                                 << "btnCandidato"
                                                 << "TfrmTrovaCandidati" << false;
        QTest::newRow("interview card print") << "torneo"
                                              << "cmdStampa"
                                              << "TfrmStampaPagina" << false;
        QTest::newRow("interview card preview") << "torneo"
                                                << "cmdAnteprima"
                                                << "TfrmAnteprimaPagina" << false;
        QTest::newRow("calculator") << "torneo"
                                    << "btnCalcolatrice"
                                    << "TfrmCalcolatrice_Scientifica" << false;
    }
    void commandOpensItsWindow()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        QFETCH(bool, kept);
        QWidget* w = openWindow(window);
        auto* command = control<QToolButton>(w, button);
        QVERIFY(command);
        QPointer<QDialog> seen;
        bool modal = false;
        Modal::queueHook([&](QDialog* d) {
            seen = d;
            modal = d->isModal() && d->parent() == w;
        });
        QTest::mouseClick(command, Qt::LeftButton);
        QCOMPARE(Modal::history(), QStringList {dialog});
        QVERIFY(modal);
        if (!kept) {
            QVERIFY2(seen.isNull(), "the dialog is destroyed when it closes");
            return;
        }
        // Put away, and the same window comes back at the next opening.
        QVERIFY(!seen.isNull());
        QVERIFY(!seen->isVisible());
        QDialog* first = seen.data();
        Modal::queueHook([&](QDialog* d) { seen = d; });
        QTest::mouseClick(command, Qt::LeftButton);
        QCOMPARE(seen.data(), first);
    }
};

SELVORA_TEST_MAIN(TestWiring)
#include "tst_wiring.moc"
