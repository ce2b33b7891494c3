// The session search driven as the user would, opened from the interview
// card window: the six filters over a real session file, the summary lines
// and the count with its full stop, a missing or unreadable session, the
// print, and the hand-over of the card of the line double-clicked.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/core/SessionSearch.h"
#include "sessions/ui/Torneo.h"
#include "sessions/ui/TrovaPagina.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SummaryList.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <functional>
#include <memory>

using Kind = Messages::Kind;

namespace {

const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");
const QString kSession = QStringLiteral("Colloqui Marzo.vai");

// Offsets and widths of the interview card fields.
struct F
{
    int offset;
    int width;
};
const F fCandidato {0, 121};
const F fCodiceFiscale {121, 121};
const F fProvenienza {242, 51};
const F fData {293, 51};
const F fDettagli {344, 5001};
const F fPunteggio {5345, 16};
const F fNote {5361, 501};
const F fIdoneo {5862, 3};

// An interview card written byte by byte (Latin-1 text, the same bytes as
// Windows-1252 for the letters used here); the rest of each field is zeros.
class Page
{
public:
    Page()
        : m_bytes(5865, '\0')
    {
        set(fIdoneo, QStringLiteral("No"));
    }
    Page& set(F f, const QString& text)
    {
        const QByteArray b = text.toLatin1();
        for (int i = 0; i < f.width; ++i)
            m_bytes[f.offset + i] = i < b.size() ? b.at(i) : '\0';
        return *this;
    }
    Page& raw(int offset, const QByteArray& bytes)
    {
        m_bytes.replace(offset, bytes.size(), bytes);
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

const F kSearchable[6] = {fCandidato, fCodiceFiscale, fProvenienza, fData, fDettagli, fNote};
QString token(int i)
{
    return QStringLiteral("K%1Q").arg(i);
}

QByteArray filterSession()
{
    QByteArray a;
    a += Page()
             .set(fCandidato, "Rossi Mario")
             .set(fCodiceFiscale, "RSSMRA80A01H501U")
             .set(fProvenienza, "Roma")
             .set(fData, "12/03/2024")
             .set(fDettagli, "Buona preparazione")
             .set(fPunteggio, "18,50")
             .set(fNote, "abcdefghijklmnopqrstuvwxyz")
             .bytes(); // 1
    a += Page()
             .set(fCandidato, "Verdi Anna")
             .set(fProvenienza, "Milano")
             .set(fData, "05/11/2023")
             .set(fDettagli, QString(4990, QLatin1Char('x')) + QStringLiteral("Inglese"))
             .bytes(); // 2
    a += Page()
             .set(fCandidato, "ROSSI LUCA")
             .set(fProvenienza, "Roma")
             .set(fData, "20/03/2024")
             .set(fNote, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")
             .bytes(); // 3
    a += Page().set(fCandidato, "Nicolò Bianchi").set(fProvenienza, "Forlì").set(fData, "01/01/2024").bytes(); // 4
    a += Page().set(fCandidato, "NICOLÒ Neri").set(fProvenienza, "FORLÌ").set(fData, "15/06/2022").bytes(); // 5
    Page six, seven;
    for (int i = 0; i < 6; ++i) {
        // Card 6 holds each token in its own field, card 7 in the next one.
        six.set(kSearchable[i], token(i));
        seven.set(kSearchable[(i + 1) % 6], token(i));
    }
    a += six.bytes(); // 6
    a += seven.bytes(); // 7
    // Text after the terminating zero is not part of the field.
    a += Page().raw(fCandidato.offset, QByteArray("Zeta\0Rossi", 10)).set(fPunteggio, token(0)).bytes(); // 8
    // A field with no zero at all runs to its whole width.
    a += Page().set(fCandidato, "Pieno").raw(fProvenienza.offset, QByteArray(48, 'p') + "END").bytes(); // 9
    return a;
}

} // namespace

class TestTrovaPagina : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;
    TfrmTorneo* t = nullptr;

    void openSession(const QByteArray& cards)
    {
        m_folder->write(kSession, cards);
        t->lblFile->setText(m_folder->file(kSession));
        t->lblNome->setText(QStringLiteral("Colloqui Marzo"));
        t->show();
    }
    // Opens the search from the interview card window and drives it.
    void withSearch(const std::function<void(TfrmTrovaPagina*)>& drive)
    {
        bool ran = false;
        Modal::queueHook([&](QDialog* dialog) {
            auto* d = qobject_cast<TfrmTrovaPagina*>(dialog);
            QVERIFY(d);
            QCOMPARE(d->parentWidget(), static_cast<QWidget*>(t));
            QCOMPARE(d->lblMemory->text(), QStringLiteral("torneo"));
            drive(d);
            ran = true;
        });
        QTest::mouseClick(t->cmdTrova, Qt::LeftButton);
        QVERIFY(ran);
        QCOMPARE(Modal::history().last(), QStringLiteral("TfrmTrovaPagina"));
    }
    static QList<qint64> positions(TfrmTrovaPagina* d)
    {
        QList<qint64> out;
        for (int row = 0; row < d->lstRecords->count(); ++row)
            out.append(d->lstRecords->position(row));
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

    void windowAndFilters()
    {
        openSession(QByteArray());
        withSearch([](TfrmTrovaPagina* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Trova candidati in archivio"));
            QCOMPARE(d->size(), QSize(862, 560));
            QVERIFY(d->panAvvio->isVisible());
            QVERIFY(!d->panContainer->isVisible());
            QVERIFY(control<QLabel>(d, "icoTrova02"));
            QVERIFY(control<QLabel>(d, "imgSpiega"));
            QVERIFY(control<QLabel>(d, "icoIstruzioni01"));
            QCOMPARE(d->lblRigo03->text(),
                     QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"));
            const QStringList names {"txtConcorrente", "txtResponsabile", "txtTelefono",
                                     "txtEmail",       "txtGare",         "txtNote"};
            const QStringList captions {
                "Candidato:", "Codice fiscale:", "Provenienza:", "Data colloquio (gg/mm/aaaa):", "Dettagli colloquio:",
                "Note:"};
            const QStringList rects {"effConcorrente", "effResponsabile", "effTelefono",
                                     "effEmail",       "effGare",         "effNote"};
            QVERIFY(activate(d));
            QCOMPARE(QApplication::focusWidget(), d->txtConcorrente);
            for (int i = 0; i < 6; ++i) {
                auto* f = control<QLineEdit>(d, names[i]);
                QVERIFY(f);
                QCOMPARE(d->filters().at(i), f);
                QCOMPARE(f->font().pointSize(), 12);
                QVERIFY(f->font().bold());
                QLabel* label = nullptr;
                for (QLabel* l : d->findChildren<QLabel*>())
                    if (l->buddy() == f)
                        label = l;
                QVERIFY(label);
                QCOMPARE(label->text(), captions[i]);
                // Tab goes on along the six fields.
                QCOMPARE(QApplication::focusWidget(), f);
                auto* eff = control<QFrame>(d, rects[i]);
                QVERIFY(eff);
                for (const QString& other : rects)
                    QCOMPARE(control<QFrame>(d, other)->isVisible(), other == rects[i]);
                if (i < 5)
                    QTest::keyClick(f, Qt::Key_Tab);
            }
            QVERIFY(!d->panContainer->isVisible());
            // Enter in a field searches, as "Cerca" does.
            QTest::keyClick(d->txtNote, Qt::Key_Return);
            QVERIFY(d->panContainer->isVisible());
            d->close();
        });
    }

    void filters_data()
    {
        QTest::addColumn<QStringList>("typed"); // "field=text"
        QTest::addColumn<QList<qint64>>("cards");
        const QList<qint64> all {1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("no filter") << QStringList() << all;
        QTest::newRow("blanks only") << QStringList {"txtConcorrente=  ", "txtGare= "} << all;
        QTest::newRow("name, any capitals") << QStringList {"txtConcorrente=rOsSi"} << QList<qint64> {1, 3};
        QTest::newRow("trailing blank") << QStringList {"txtConcorrente=rossi "} << QList<qint64> {1, 3};
        QTest::newRow("trailing blank at the end") << QStringList {"txtConcorrente=LUCA "} << QList<qint64> {};
        QTest::newRow("A to Z finds a to z")
            << QStringList {"txtNote=ABCDEFGHIJKLMNOPQRSTUVWXYZ"} << QList<qint64> {1, 3};
        QTest::newRow("a to z finds A to Z")
            << QStringList {"txtNote=abcdefghijklmnopqrstuvwxyz"} << QList<qint64> {1, 3};
        QTest::newRow("a year") << QStringList {"txtEmail=2024"} << QList<qint64> {1, 3, 4};
        QTest::newRow("a month") << QStringList {"txtEmail=/03/"} << QList<qint64> {1, 3};
        QTest::newRow("end of long details") << QStringList {"txtGare=INGLESE"} << QList<qint64> {2};
        QTest::newRow("small accented letter") << QStringList {"txtTelefono=forlì"} << QList<qint64> {4};
        QTest::newRow("capital accented letter") << QStringList {"txtTelefono=FORLÌ"} << QList<qint64> {5};
        QTest::newRow("no accent") << QStringList {"txtTelefono=forli"} << QList<qint64> {};
        QTest::newRow("name with accent") << QStringList {"txtConcorrente=NICOLÒ"} << QList<qint64> {5};
        QTest::newRow("three filters") << QStringList {"txtConcorrente=ross", "txtTelefono=ROMA", "txtEmail=2024"}
                                       << QList<qint64> {1, 3};
        QTest::newRow("four filters") << QStringList {"txtConcorrente=ross", "txtTelefono=ROMA", "txtEmail=2024",
                                                      "txtNote=abc"}
                                      << QList<qint64> {1, 3};
        QTest::newRow("none has both") << QStringList {"txtConcorrente=verdi", "txtTelefono=roma"} << QList<qint64> {};
        QTest::newRow("field without a zero") << QStringList {"txtTelefono=pEND"} << QList<qint64> {9};
        const QStringList names {"txtConcorrente", "txtResponsabile", "txtTelefono", "txtEmail", "txtGare", "txtNote"};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(qPrintable(QStringLiteral("own field ") + names[i]))
                << QStringList {names[i] + QLatin1Char('=') + token(i)} << QList<qint64> {6};
    }
    void filters()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<qint64>, cards);
        openSession(filterSession());
        withSearch([&](TfrmTrovaPagina* d) {
            for (const QString& s : typed) {
                const int eq = s.indexOf(QLatin1Char('='));
                auto* f = control<QLineEdit>(d, s.left(eq));
                QVERIFY(f);
                f->setText(s.mid(eq + 1));
            }
            QTest::mouseClick(d->btnCerca, Qt::LeftButton);
            QCOMPARE(positions(d), cards);
            int active = 0;
            for (const QString& s : typed)
                if (!s.mid(s.indexOf(QLatin1Char('=')) + 1).trimmed().isEmpty())
                    ++active;
            QCOMPARE(d->lblConta->text(), QString::number(active));
            QCOMPARE(d->lblTrovate->text(),
                     QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(cards.size()));
            QVERIFY(d->panContainer->isVisible());
            QVERIFY(!d->panAvvio->isVisible());
            d->close();
        });
        QVERIFY(Messages::takeShown().isEmpty());
    }

    void linesAndCount()
    {
        QByteArray a;
        a += Page()
                 .set(fCandidato, "Rossi Mario")
                 .set(fCodiceFiscale, "RSSMRA80A01H501U")
                 .set(fData, "12/03/2024")
                 .set(fNote, "Ottimo")
                 .set(fPunteggio, "18,50")
                 .bytes();
        a += Page()
                 .set(fCandidato, "  Abbondanzieri Bartolomeo Carlo Alberto ")
                 .set(fCodiceFiscale, " BBNBTL70A01A001 ")
                 .set(fData, "1/3/2024")
                 .set(fNote, "Note molto lunghe che superano senz'altro la larghezza della colonna")
                 .set(fPunteggio, " 9,75 ")
                 .bytes();
        a += Page().bytes();
        openSession(a);
        withSearch([](TfrmTrovaPagina* d) {
            QTest::mouseClick(d->btnCerca, Qt::LeftButton);
            const QStringList expected {
                "                                    C.F.                   Data:             Note:                    "
                "                                     Punti: ",
                "Abbondanzieri Bartolomeo Carlo Alb  C.F. BBNBTL70A01A001   Data: 1/3/2024    Note: Note molto lunghe "
                "che superano senz'altro la larghezza  Punti: 9,75",
                "Rossi Mario                         C.F. RSSMRA80A01H501U  Data: 12/03/2024  Note: Ottimo             "
                "                                     Punti: 18,50",
            };
            QCOMPARE(d->lstRecords->lines(), expected);
            QCOMPARE(d->lstRecords->position(0), qint64(3));
            QCOMPARE(d->lstRecords->position(1), qint64(2));
            QCOMPARE(d->lstRecords->position(2), qint64(1));
            QCOMPARE(d->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 3 schede."));
            d->close();
        });
        QCOMPARE(SessionSearch::countText(0), QStringLiteral("Il presente riepilogo contiene 0 schede."));
        QCOMPARE(SessionSearch::countText(1), QStringLiteral("Il presente riepilogo contiene 1 schede."));
    }

    void deletedSessionIsCreatedEmpty()
    {
        openSession(Page().set(fCandidato, "Rossi").bytes());
        QVERIFY(QFile::remove(m_folder->file(kSession)));
        withSearch([](TfrmTrovaPagina* d) {
            QTest::mouseClick(d->btnCerca, Qt::LeftButton);
            QCOMPARE(d->lstRecords->count(), 0);
            QCOMPARE(d->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
            QVERIFY(d->panContainer->isVisible());
            d->close();
        });
        QVERIFY(QFile::exists(m_folder->file(kSession)));
        QCOMPARE(QFileInfo(m_folder->file(kSession)).size(), qint64(0));
        QVERIFY(Messages::takeShown().isEmpty());
    }

    void unreadableSessionGivesTheAccessMessage()
    {
        openSession(QByteArray());
        QVERIFY(QFile::remove(m_folder->file(kSession)));
        QVERIFY(QDir(m_folder->path()).mkdir(kSession));
        withSearch([](TfrmTrovaPagina* d) {
            d->txtConcorrente->setText(QStringLiteral("Rossi"));
            QTest::mouseClick(d->btnCerca, Qt::LeftButton);
            const auto shown = Messages::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(int(shown[0].kind), int(Kind::Plain));
            QCOMPARE(shown[0].text, kAccess);
            QVERIFY(d->panAvvio->isVisible());
            QVERIFY(!d->panContainer->isVisible());
            QVERIFY(!d->lblAttendere->isVisible());
            d->close();
        });
    }

    void printTheSummary()
    {
        openSession(filterSession());
        withSearch([](TfrmTrovaPagina* d) {
            d->txtTelefono->setText(QStringLiteral("roma"));
            QTest::mouseClick(d->btnCerca, Qt::LeftButton);
            ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            const auto jobs = ReportPrinter::takePrinted();
            QCOMPARE(jobs.size(), 1);
            QCOMPARE(jobs[0].reportName, QStringLiteral("Riepilogo dati"));
            const QStringList page = jobs[0].pages.value(0);
            QVERIFY2(page.size() >= 4, qPrintable(page.join('\n')));
            QCOMPARE(page[0].trimmed(), QStringLiteral("Riepilogo candidati esaminati"));
            QVERIFY(page[1].startsWith(QStringLiteral("ROSSI LUCA")));
            QVERIFY(page[2].startsWith(QStringLiteral("Rossi Mario")));
            QVERIFY(d->isVisible());
            d->close();
        });
    }

    // --- the hand-over -----------------------------------------------------------
    void handOverTheCardOfTheLine()
    {
        // Cards 2 and 3 give equal lines (their names differ after 34
        // characters); each line hands over its own card, as stored.
        QByteArray a;
        a += Page().set(fCandidato, "Primo").set(fData, "01/03/2024").set(fPunteggio, "10,00").bytes();
        a += Page()
                 .set(fCandidato, "Abbondanzieri Bartolomeo Carlo Alberto")
                 .set(fCodiceFiscale, "BBNBTL70A01A001Z")
                 .set(fProvenienza, " Napoli ")
                 .set(fData, "02/03/2024")
                 .set(fDettagli, "Dettagli della seconda")
                 .set(fPunteggio, "20,00")
                 .set(fNote, "Uguale")
                 .set(fIdoneo, "Sì")
                 .bytes();
        a += Page()
                 .set(fCandidato, "Abbondanzieri Bartolomeo Carlo Albertina")
                 .set(fCodiceFiscale, "BBNBTL70A01A001Z")
                 .set(fProvenienza, "Torino")
                 .set(fData, "02/03/2024")
                 .set(fDettagli, "Dettagli della terza")
                 .set(fPunteggio, "20,00")
                 .set(fNote, "Uguale")
                 .set(fIdoneo, "X")
                 .bytes();
        openSession(a);
        const QByteArray before = m_folder->read(kSession);
        for (int pick : {1, 0}) {
            t->chkCompletato->setChecked(pick == 1);
            t->txtConcorrente->setText(QStringLiteral("modifiche non salvate"));
            withSearch([&](TfrmTrovaPagina* d) {
                d->txtConcorrente->setText(QStringLiteral("abbondanzieri"));
                QTest::mouseClick(d->btnCerca, Qt::LeftButton);
                QCOMPARE(d->lstRecords->count(), 2);
                QCOMPARE(d->lstRecords->text(0), d->lstRecords->text(1));
                doubleClick(d->lstRecords, pick);
                QVERIFY(!d->isVisible());
            });
            if (pick == 0) {
                QCOMPARE(t->lblPosizione->text(), QStringLiteral("2"));
                QCOMPARE(t->txtConcorrente->text(), QStringLiteral("Abbondanzieri Bartolomeo Carlo Alberto"));
                QCOMPARE(t->txtTelefono->text(), QStringLiteral(" Napoli ")); // as stored
                QCOMPARE(t->txtGare->toPlainText(), QStringLiteral("Dettagli della seconda"));
                QVERIFY(t->chkCompletato->isChecked()); // "Sì"
            } else {
                QCOMPARE(t->lblPosizione->text(), QStringLiteral("3"));
                QCOMPARE(t->txtConcorrente->text(), QStringLiteral("Abbondanzieri Bartolomeo Carlo Albertina"));
                QCOMPARE(t->txtTelefono->text(), QStringLiteral("Torino"));
                QCOMPARE(t->txtGare->toPlainText(), QStringLiteral("Dettagli della terza"));
                QVERIFY(t->chkCompletato->isChecked()); // neither: as it was
            }
            QCOMPARE(t->txtResponsabile->text(), QStringLiteral("BBNBTL70A01A001Z"));
            QCOMPARE(t->txtEmail->text(), QStringLiteral("02/03/2024"));
            QCOMPARE(t->txtPunteggio->text(), QStringLiteral("20,00"));
            QCOMPARE(t->txtNote->text(), QStringLiteral("Uguale"));
        }
        // The card shown is the current card: storing writes over card 2.
        t->txtNote->setText(QStringLiteral("Rivisto"));
        QTest::mouseClick(t->cmdSalva, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        const QByteArray after = m_folder->read(kSession);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.mid(5865 + fNote.offset, 8), QByteArray("Rivisto\0", 8));
        QCOMPARE(after.left(5865), before.left(5865));
        QCOMPARE(after.mid(2 * 5865), before.mid(2 * 5865));
    }

    void onlyTheTorneoModeHandsOver_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("handed");
        QTest::newRow("torneo") << "torneo" << true;
        QTest::newRow("trimmed") << " torneo " << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("candidati") << "candidati" << false;
    }
    void onlyTheTorneoModeHandsOver()
    {
        QFETCH(QString, mode);
        QFETCH(bool, handed);
        openSession(Page().set(fCandidato, "Rossi Mario").bytes());
        t->txtConcorrente->setText(QStringLiteral("invariato"));
        TfrmTrovaPagina d(t);
        d.lblMemory->setText(mode);
        d.show();
        QTest::mouseClick(d.btnCerca, Qt::LeftButton);
        doubleClick(d.lstRecords, 0);
        QVERIFY(!d.isVisible());
        QCOMPARE(t->txtConcorrente->text(), handed ? QStringLiteral("Rossi Mario") : QStringLiteral("invariato"));
        QCOMPARE(t->lblPosizione->text(), handed ? QStringLiteral("1") : QString());
    }
};

SELVORA_TEST_MAIN(TestTrovaPagina)
#include "tst_trovapagina.moc"
