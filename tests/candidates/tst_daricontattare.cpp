// The recontact summary, opened from the candidate card window: which cards
// it lists (every flag but "No"), find, print, an unreadable or missing
// archive, and the hand-over of the card of the line double-clicked.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "candidates/core/CandidateSearch.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/DaRicontattare.h"
#include "candidates/ui/PhotoBox.h"
#include "report/ui/ReportPrinter.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SummaryList.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>

using Kind = Messages::Kind;

namespace {

const QString kArchive = QStringLiteral("Archivio_Candidati.pro");
const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");
const QString kEmptyFind = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

// A candidate card by hand: name at 0 (length byte, 50 bytes), sex at 51,
// town at 287, fiscal code at 400, notes at 1852 and the recontact flag at
// 2103 (length byte and 2 bytes).
QByteArray card(const QByteArray& name, const QByteArray& flag, const QByteArray& citta = QByteArray())
{
    QByteArray r(3612, '\0');
    r[0] = char(name.size());
    r.replace(1, name.size(), name);
    r.replace(51, 2, "\x01M");
    r[287] = char(citta.size());
    r.replace(288, citta.size(), citta);
    r.replace(400, 17, "\x10RSSMRA80A01H501U");
    r.replace(2103, flag.size(), flag);
    return r;
}
const QByteArray kSi("\x02\x53\xEC", 3);
const QByteArray kNo("\x02\x4E\x6F", 3);

} // namespace

class TestDaRicontattare : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;
    TfrmCandidati* w = nullptr;

    void withList(const std::function<void(TfrmDaRicontattare*)>& drive)
    {
        w->show();
        bool ran = false;
        Modal::queueHook([&](QDialog* dialog) {
            auto* d = qobject_cast<TfrmDaRicontattare*>(dialog);
            QVERIFY(d);
            QCOMPARE(d->parentWidget(), static_cast<QWidget*>(w));
            drive(d);
            ran = true;
        });
        QTest::mouseClick(w->cmdScadute, Qt::LeftButton);
        QVERIFY(ran);
        QCOMPARE(Modal::history().last(), QStringLiteral("TfrmDaRicontattare"));
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
        w = Windows::candidati();
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
        w->hide();
        Windows::avvio()->hide();
        m_folder.reset();
    }

    void window()
    {
        withList([](TfrmDaRicontattare* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Riepilogo candidati da ricontattare"));
            QCOMPARE(d->size(), QSize(862, 560));
            QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
            QVERIFY(control<QLabel>(d, "icoIstruzioni"));
            QCOMPARE(d->lblRigo03->text(),
                     QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"));
            QCOMPARE(d->btnChiudi->text(), QStringLiteral("Chiudi"));
            QCOMPARE(d->btnStampa->text(), QStringLiteral("Stampa"));
            QCOMPARE(d->btnTrova->text(), QStringLiteral("Trova"));
            QVERIFY(!d->findChild<QLabel*>(QStringLiteral("lblTrovate")));
            QVERIFY(activate(d));
            QCOMPARE(QApplication::focusWidget(), d->txtTrova);
            QTest::mouseClick(d->btnChiudi, Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        // A missing archive is created empty.
        QVERIFY(QFile::exists(m_folder->file(kArchive)));
        QCOMPARE(QFileInfo(m_folder->file(kArchive)).size(), qint64(0));
    }

    void listsEveryFlagButNo_data()
    {
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<bool>("listed");
        QTest::newRow("Sì") << kSi << true;
        QTest::newRow("No") << kNo << false;
        QTest::newRow("No after a blank") << QByteArray("\x02 N") << true;
        QTest::newRow("empty") << QByteArray("\x00", 1) << true;
        QTest::newRow("no in small letters") << QByteArray("\x02no") << true;
        QTest::newRow("one letter") << QByteArray("\x01N") << true;
        QTest::newRow("length past the field") << QByteArray("\x09No") << false;
    }
    void listsEveryFlagButNo()
    {
        QFETCH(QByteArray, flag);
        QFETCH(bool, listed);
        m_folder->write(kArchive, card("Primo Rossi", kNo) + card("Secondo Verdi", flag) + card("Terzo Bianchi", kSi));
        withList([&](TfrmDaRicontattare* d) {
            QCOMPARE(positions(d->lstRecords), listed ? (QList<qint64> {2, 3}) : (QList<qint64> {3}));
            d->close();
        });
        QVERIFY(Messages::takeShown().isEmpty());
    }

    void linesAreTheCandidateLines()
    {
        m_folder->write(kArchive, card("Zanetti Anna", kSi) + card("Bianchi Carla", kSi));
        withList([](TfrmDaRicontattare* d) {
            const QStringList expected {
                "Bianchi Carla                   C.F. RSSMRA80A01H501U  Cel.                   Settore:                "
                "           Note: ",
                "Zanetti Anna                    C.F. RSSMRA80A01H501U  Cel.                   Settore:                "
                "           Note: ",
            };
            QCOMPARE(d->lstRecords->lines(), expected);
            d->close();
        });
    }

    void noFlaggedCards()
    {
        m_folder->write(kArchive, card("Primo Rossi", kNo));
        withList([](TfrmDaRicontattare* d) {
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
        m_folder->write(kArchive, card("Rossi Mario", kSi) + card("Verdi Anna", kSi) + card("Rossini Luca", kSi));
        withList([](TfrmDaRicontattare* d) {
            QTest::keyClicks(d->txtTrova, QStringLiteral("ross"));
            QTest::mouseClick(d->btnTrova, Qt::LeftButton);
            QCOMPARE(d->lstRecords->selectedRow(), 0);
            QTest::mouseClick(d->btnTrova, Qt::LeftButton);
            QCOMPARE(d->lstRecords->selectedRow(), 1);
            QTest::mouseClick(d->btnTrova, Qt::LeftButton);
            QCOMPARE(d->lstRecords->selectedRow(), 0); // round again
            ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            const auto jobs = ReportPrinter::takePrinted();
            QCOMPARE(jobs.size(), 1);
            QCOMPARE(jobs[0].reportName, QStringLiteral("Riepilogo dati"));
            const QStringList page = jobs[0].pages.value(0);
            QVERIFY2(page.size() >= 5, qPrintable(page.join('\n')));
            QCOMPARE(page[0].trimmed(), QStringLiteral("Riepilogo candidati da ricontattare"));
            QVERIFY(page[1].startsWith(QStringLiteral("Rossi Mario")));
            QVERIFY(page[3].startsWith(QStringLiteral("Verdi Anna")));
            QVERIFY(d->isVisible());
            d->close();
        });
    }

    void unreadableArchive()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(kArchive));
        withList([](TfrmDaRicontattare* d) {
            QCOMPARE(d->lstRecords->count(), 0);
            const auto shown = Messages::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(int(shown[0].kind), int(Kind::Plain));
            QCOMPARE(shown[0].text, kAccess);
            d->close();
        });
    }

    void handOverTheCardOfTheLine()
    {
        // Cards 1 and 3 give equal lines; each line shows its own card.
        m_folder->write(
            kArchive, card("Rossi Mario", kSi, "Roma") + card("Verdi Anna", kNo) + card("Rossi Mario", kSi, " Bari "));
        for (int pick : {1, 0}) {
            w->chkRicontatta->setChecked(false);
            w->txtCitta->setText(QStringLiteral("modifica non salvata"));
            withList([&](TfrmDaRicontattare* d) {
                QCOMPARE(d->lstRecords->count(), 2);
                QCOMPARE(d->lstRecords->text(0), d->lstRecords->text(1));
                doubleClick(d->lstRecords, pick);
                QVERIFY(!d->isVisible());
            });
            QCOMPARE(w->lblPosizione->text(), pick == 0 ? QStringLiteral("1") : QStringLiteral("3"));
            QCOMPARE(w->txtCitta->text(), pick == 0 ? QStringLiteral("Roma") : QStringLiteral("Bari"));
            QCOMPARE(w->txtCandidato->text(), QStringLiteral("Rossi Mario"));
            QCOMPARE(w->txtCodFisc->text(), QStringLiteral("RSSMRA80A01H501U"));
            QVERIFY(w->chkRicontatta->isChecked());
            QCOMPARE(w->imgFoto->picture(), w->imgBianco->picture());
        }
    }
};

SELVORA_TEST_MAIN(TestDaRicontattare)
#include "tst_daricontattare.moc"
