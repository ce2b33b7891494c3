// The list of suitable candidates, opened from the interview card window:
// which cards it lists (every flag but "No"), its title with the session
// name, find, print, an unreadable session, and the hand-over of the card of
// the line double-clicked.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/ui/Segnalati.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SummaryList.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/HandLaidInterviewCard.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <memory>

using Kind = Messages::Kind;

namespace {

const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");
const QString kEmptyFind = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
const QString kSession = QStringLiteral("Tecnici 2025.vai");

// An interview card: name at 0 (121 bytes), date at 293, score at 5345,
// notes at 5361 and the flag's bytes at 5862 (3 bytes), as written by hand.
QByteArray page(const QByteArray& name, const QByteArray& flag, const QByteArray& provenienza = QByteArray())
{
    HandLaidInterviewCard card;
    card.candidato = name;
    card.codiceFiscale = "RSSMRA80A01H501U";
    card.provenienza = provenienza;
    card.data = "10/03/2025";
    card.punteggio = "15,00";
    card.idoneo = flag;
    return card.bytes();
}
const QByteArray kSi("\x53\xEC\x00", 3);
const QByteArray kNo("\x4E\x6F\x00", 3);

} // namespace

class TestSegnalati : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;
    TfrmTorneo* t = nullptr;

    void openSession(const QByteArray& cards)
    {
        m_folder->write(kSession, cards);
        t->lblFile->setText(m_folder->file(kSession));
        t->lblNome->setText(QStringLiteral(" Tecnici 2025 "));
        t->show();
    }
    void withList(const std::function<void(TfrmSegnalati*)>& drive)
    {
        bool ran = false;
        Modal::queueHook([&](QDialog* dialog) {
            auto* d = qobject_cast<TfrmSegnalati*>(dialog);
            QVERIFY(d);
            QCOMPARE(d->parentWidget(), static_cast<QWidget*>(t));
            drive(d);
            ran = true;
        });
        QTest::mouseClick(t->cmdNonPagati, Qt::LeftButton);
        QVERIFY(ran);
        QCOMPARE(Modal::history().last(), QStringLiteral("TfrmSegnalati"));
    }
    static QList<qint64> positions(SummaryList* list)
    {
        QList<qint64> out;
        for (int row = 0; row < list->count(); ++row)
            out.append(list->position(row));
        std::sort(out.begin(), out.end());
        return out;
    }
    static void doubleClick(SummaryList* list, int row)
    {
        QApplication::processEvents();
        const QPoint at(20, list->visualRect(list->model()->index(row, 0)).center().y());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

private slots:
    void initTestCase()
    {
        Windows::createFirst();
        t = Windows::torneo();
    }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init()
    {
        resetSeams();
        m_folder = std::make_unique<TempProgramFolder>();
    }
    void cleanup()
    {
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        t->hide();
        Windows::avvio()->hide();
        m_folder.reset();
    }

    void window()
    {
        openSession(QByteArray());
        withList([](TfrmSegnalati* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Elenco candidati idonei"));
            QCOMPARE(d->size(), QSize(862, 560));
            QVERIFY(d->panContainer->isVisible());
            QVERIFY(control<QLabel>(d, "imgLogo"));
            QVERIFY(control<QLabel>(d, "icoIstruzioni"));
            QCOMPARE(d->lblRigo03->text(),
                     QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"));
            QVERIFY(!d->findChild<QLabel*>(QStringLiteral("lblTrovate")));
            QVERIFY(d->lstRecords->isSorted());
            QVERIFY(activate(d));
            QCOMPARE(QApplication::focusWidget(), d->txtTrova);
            // Tab order: find box, list, print, find, close.
            const QList<QWidget*> order {d->lstRecords, d->btnStampa, d->btnTrova, d->btnChiudi};
            for (QWidget* next : order) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), next);
            }
            QTest::mouseClick(d->btnChiudi, Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
    }

    void listsEveryFlagButNo_data()
    {
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<bool>("listed");
        QTest::newRow("Sì") << kSi << true;
        QTest::newRow("No") << kNo << false;
        QTest::newRow("No with blanks") << QByteArray(" No") << false;
        QTest::newRow("empty") << QByteArray(3, '\0') << true;
        QTest::newRow("no in small letters") << QByteArray("no\0", 3) << true;
        QTest::newRow("other text") << QByteArray("X\0\0", 3) << true;
        QTest::newRow("no terminator") << QByteArray("Nox") << true;
    }
    void listsEveryFlagButNo()
    {
        QFETCH(QByteArray, flag);
        QFETCH(bool, listed);
        openSession(page("Primo Rossi", kNo) + page("Secondo Verdi", flag) + page("Terzo Bianchi", kSi));
        withList([&](TfrmSegnalati* d) {
            QCOMPARE(positions(d->lstRecords), listed ? (QList<qint64> {2, 3}) : (QList<qint64> {3}));
            d->close();
        });
        QVERIFY(Messages::takeShown().isEmpty());
    }

    // The card window keeps the list between openings: the same window comes
    // back, read again from the session as it is now, with an empty find
    // field, as a new window would be.
    void openedAgainReadsTheSessionAgain()
    {
        openSession(page("Rossi Mario", kSi));
        QDialog* first = nullptr;
        withList([&](TfrmSegnalati* d) {
            first = d;
            QCOMPARE(d->lstRecords->count(), 1);
            d->txtTrova->setText(QStringLiteral("rossi"));
            QTest::mouseClick(d->btnTrova, Qt::LeftButton);
            d->close();
        });
        m_folder->write(kSession, page("Rossi Mario", kSi) + page("Verdi Anna", kSi));
        withList([&](TfrmSegnalati* d) {
            QCOMPARE(static_cast<QDialog*>(d), first);
            QCOMPARE(d->lstRecords->count(), 2);
            QVERIFY(d->txtTrova->text().isEmpty());
            QVERIFY(d->isVisible());
            d->close();
        });
    }

    void linesAreTheSessionLines()
    {
        openSession(page("Zanetti Anna", kSi) + page("Bianchi Carla", kSi));
        withList([](TfrmSegnalati* d) {
            const QStringList expected {
                "Bianchi Carla                       C.F. RSSMRA80A01H501U  Data: 10/03/2025  Note:                    "
                "                                     Punti: 15,00",
                "Zanetti Anna                        C.F. RSSMRA80A01H501U  Data: 10/03/2025  Note:                    "
                "                                     Punti: 15,00",
            };
            QCOMPARE(d->lstRecords->lines(), expected);
            QCOMPARE(d->lstRecords->itemSize().width(), 1600);
            d->close();
        });
    }

    void emptyListFindSaysSo()
    {
        openSession(page("Primo Rossi", kNo));
        withList([](TfrmSegnalati* d) {
            QCOMPARE(d->lstRecords->count(), 0);
            QTest::mouseClick(d->btnTrova, Qt::LeftButton);
            const auto shown = Messages::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(int(shown[0].kind), int(Kind::Plain));
            QCOMPARE(shown[0].text, kEmptyFind);
            d->close();
        });
    }

    void findAndPrint()
    {
        openSession(page("Rossi Mario", kSi) + page("Verdi Anna", kSi) + page("Rossini Luca", kSi));
        withList([](TfrmSegnalati* d) {
            QTest::keyClicks(d->txtTrova, QStringLiteral("VERDI"));
            QTest::keyClick(d->txtTrova, Qt::Key_Return);
            QTest::keyClick(d->btnTrova, Qt::Key_Return);
            QCOMPARE(d->lstRecords->selectedRow(), 2);
            ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            const auto jobs = ReportPrinter::takePrinted();
            QCOMPARE(jobs.size(), 1);
            QCOMPARE(jobs[0].reportName, QStringLiteral("Elenco candidati idonei"));
            const QStringList page = jobs[0].pages.value(0);
            QVERIFY2(page.size() >= 5, qPrintable(page.join('\n')));
            // The title ends with the session name, trimmed.
            QCOMPARE(page[0].trimmed(), QStringLiteral("Elenco candidati idonei Tecnici 2025"));
            QVERIFY(page[1].startsWith(QStringLiteral("Rossi Mario")));
            QVERIFY(page[2].startsWith(QStringLiteral("Rossini Luca")));
            QVERIFY(page[3].startsWith(QStringLiteral("Verdi Anna")));
            d->close();
        });
    }

    void printOfAnEmptyList()
    {
        openSession(QByteArray());
        withList([](TfrmSegnalati* d) {
            ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            const auto jobs = ReportPrinter::takePrinted();
            QCOMPARE(jobs.size(), 1);
            QCOMPARE(jobs[0].pages.value(0).value(0).trimmed(), QStringLiteral("Elenco candidati idonei Tecnici 2025"));
            d->close();
        });
    }

    void unreadableSession()
    {
        openSession(QByteArray());
        QVERIFY(QFile::remove(m_folder->file(kSession)));
        QVERIFY(QDir(m_folder->path()).mkdir(kSession));
        withList([](TfrmSegnalati* d) {
            QCOMPARE(d->lstRecords->count(), 0);
            const auto shown = Messages::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(int(shown[0].kind), int(Kind::Plain));
            QCOMPARE(shown[0].text, kAccess);
            d->close();
        });
    }

    void missingSessionIsCreatedEmpty()
    {
        openSession(QByteArray());
        QVERIFY(QFile::remove(m_folder->file(kSession)));
        withList([](TfrmSegnalati* d) {
            QCOMPARE(d->lstRecords->count(), 0);
            d->close();
        });
        QVERIFY(QFile::exists(m_folder->file(kSession)));
        QVERIFY(Messages::takeShown().isEmpty());
    }

    void handOverTheCardOfTheLine()
    {
        // Two suitable cards with the same name, fiscal code, date, notes and
        // score give equal lines; each hands over its own card.
        openSession(page("Rossi Mario", kSi, "Roma") + page("Verdi Anna", kNo) + page("Rossi Mario", kSi, "Bari"));
        for (int pick : {1, 0}) {
            t->chkCompletato->setChecked(false);
            withList([&](TfrmSegnalati* d) {
                QCOMPARE(d->lstRecords->count(), 2);
                QCOMPARE(d->lstRecords->text(0), d->lstRecords->text(1));
                doubleClick(d->lstRecords, pick);
                QVERIFY(!d->isVisible());
            });
            QCOMPARE(t->lblPosizione->text(), pick == 0 ? QStringLiteral("1") : QStringLiteral("3"));
            QCOMPARE(t->txtTelefono->text(), pick == 0 ? QStringLiteral("Roma") : QStringLiteral("Bari"));
            QCOMPARE(t->txtConcorrente->text(), QStringLiteral("Rossi Mario"));
            QCOMPARE(t->txtEmail->text(), QStringLiteral("10/03/2025"));
            QCOMPARE(t->txtPunteggio->text(), QStringLiteral("15,00"));
            QVERIFY(t->chkCompletato->isChecked());
        }
    }
};

SELVORA_TEST_MAIN(TestSegnalati)
#include "tst_segnalati.moc"
