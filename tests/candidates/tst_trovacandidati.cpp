// The candidate search driven as the user would: the filters over a small
// real archive, the summary lines and the count, the filter panel's focus
// rectangles and Enter ring, the access message, the print, and the
// hand-over by double click in both modes, opened from the two card windows.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "base/core/Clock.h"
#include "candidates/core/CandidateSearch.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/PhotoBox.h"
#include "candidates/ui/TrovaCandidati.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SummaryList.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/PdfText.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <memory>

using Kind = Messages::Kind;

namespace {

const QString kArchive = QStringLiteral("Archivio_Candidati.pro");
const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");
const QString kEmptyFind = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

// Offsets of the length bytes in the 3612-byte card, as the archive lays
// them out.
enum Off
{
    oCandidato = 0,
    oSesso = 51,
    oDataNasc = 53,
    oCittadinanza = 64,
    oLuogoNasc = 115,
    oIndirizzo = 166,
    oCitta = 287,
    oSettore = 349,
    oCodFisc = 400,
    oLingue = 601,
    oEmail = 852,
    oCel = 934,
    oCompetenze = 1480,
    oDisponibilita = 1731,
    oNote = 1852,
    oRicontatta = 2103,
    oFile01 = 2106,
    oDesc01 = 2859,
};

// A card written byte by byte: each field its length byte and its Latin-1
// text (the accented letters used here have the same byte in Windows-1252).
class Card
{
public:
    Card()
        : m_bytes(3612, '\0')
    {
        set(oRicontatta, QStringLiteral("No"));
    }
    Card& set(int offset, const QString& text)
    {
        const QByteArray b = text.toLatin1();
        m_bytes[offset] = char(b.size());
        for (int i = 0; i < b.size(); ++i)
            m_bytes[offset + 1 + i] = b.at(i);
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

Card named(const QString& name, const QString& luogo = QString())
{
    return Card().set(oCandidato, name).set(oLuogoNasc, luogo).set(oSesso, QStringLiteral("M"));
}

// The tokens of the ten searchable fields, in the window's tab order.
const int kSearchable[10] = {oCandidato, oDataNasc, oCittadinanza, oLuogoNasc,     oCodFisc,
                             oSettore,   oLingue,   oCompetenze,   oDisponibilita, oNote};
QString token(int i)
{
    return QStringLiteral("K%1Q").arg(i);
}

// The archive of the filter table, cards 1 to 9.
QByteArray filterArchive()
{
    QByteArray a;
    a += named(QStringLiteral("Rossi Mario"), QStringLiteral("Roma"))
             .set(oNote, QStringLiteral("Disponibile subito"))
             .bytes(); // 1
    a += named(QStringLiteral("Rossini Anna"), QStringLiteral("Milano"))
             .set(oNote, QStringLiteral("abcdefghijklmnopqrstuvwxyz"))
             .bytes(); // 2
    a += named(QStringLiteral("ROSSI LUCA"), QStringLiteral("Romano di Lombardia"))
             .set(oNote, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
             .bytes(); // 3
    a += named(QStringLiteral("Nicolò Bianchi"), QStringLiteral("Forlì"))
             .set(oNote, QStringLiteral("Perché no?"))
             .bytes(); // 4
    a += named(QStringLiteral("NICOLÒ VERDI"), QStringLiteral("FORLÌ")).bytes(); // 5
    Card six = named(QStringLiteral("Campo"));
    Card seven = named(QStringLiteral("Altro"));
    for (int i = 0; i < 10; ++i) {
        // Card 6 holds each token in its own field, card 7 in the next one,
        // and card 8 holds them all where no filter looks.
        six.set(kSearchable[i], i == 0 ? QStringLiteral("Campo ") + token(0) : token(i));
        seven.set(kSearchable[(i + 1) % 10], i == 9 ? QStringLiteral("Altro ") + token(9) : token(i));
    }
    a += six.bytes(); // 6
    a += seven.bytes(); // 7
    QString all;
    for (int i = 0; i < 10; ++i)
        all += token(i) + QLatin1Char(' ');
    a += named(QStringLiteral("Fuori")).set(oIndirizzo, all).set(oEmail, token(0)).bytes(); // 8
    a += named(QStringLiteral("Punto Interrogativo?"), QStringLiteral("Roma")).bytes(); // 9
    return a;
}

// Typing as the keyboard does, accented letters and all.
void type(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QStringList pdfText(const QString& path)
{
    return PdfText::lines(path);
}

} // namespace

class TestTrovaCandidati : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<TfrmTrovaCandidati> m_dlg;

    // A search window of its own, shown as a caller would show it.
    TfrmTrovaCandidati* open(const QString& mode = QStringLiteral("candidati"))
    {
        m_dlg.reset(new TfrmTrovaCandidati);
        m_dlg->lblMemory->setText(mode);
        m_dlg->show();
        return m_dlg.get();
    }
    void search(TfrmTrovaCandidati* d) { QTest::mouseClick(d->btnCerca, Qt::LeftButton); }
    QList<qint64> positions(TfrmTrovaCandidati* d)
    {
        QList<qint64> out;
        for (int row = 0; row < d->lstRecords->count(); ++row)
            out.append(d->lstRecords->position(row));
        std::sort(out.begin(), out.end());
        return out;
    }
    static void doubleClick(SummaryList* list, int row)
    {
        // As the user sees it: the list laid out, the line under the mouse.
        QApplication::processEvents();
        const QRect r = list->visualRect(list->model()->index(row, 0));
        // A real double click: press and release, then the second press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, r.center().y()));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, r.center().y()));
    }

private slots:
    void initTestCase() { Windows::createFirst(); }
    void cleanupTestCase()
    {
        m_dlg.reset();
        Windows::destroyAll();
    }
    void init()
    {
        resetSeams();
        m_folder = std::make_unique<TempProgramFolder>();
    }
    void cleanup()
    {
        m_dlg.reset();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        Windows::candidati()->hide();
        Windows::torneo()->hide();
        Windows::avvio()->hide();
        m_folder.reset();
    }

    // --- the window ------------------------------------------------------------
    void windowAndPanels()
    {
        TfrmTrovaCandidati* d = open();
        QCOMPARE(d->windowTitle(), QStringLiteral(" Trova schede candidati in archivio"));
        QCOMPARE(d->size(), QSize(862, 560));
        QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(d->panAvvio->isVisible());
        QVERIFY(!d->panContainer->isVisible());
        QVERIFY(!d->lblAttendere->isVisible());
        QCOMPARE(d->lblAttendere->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
        QCOMPARE(d->btnCerca->text(), QStringLiteral("Cerca"));
        QCOMPARE(d->btnAnnulla->text(), QStringLiteral("Chiudi"));
        QCOMPARE(d->btnTrova->text(), QStringLiteral("Trova"));
        QCOMPARE(d->btnStampa->text(), QStringLiteral("Stampa"));
        QCOMPARE(d->btnChiudi->text(), QStringLiteral("Chiudi"));
        QCOMPARE(d->lblRigo03->text(),
                 QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"));
        QCOMPARE(d->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede"));
        QVERIFY(d->lstRecords->isSorted());
        QVERIFY(control<QLabel>(d, "imgSpiega"));
        QVERIFY(control<QLabel>(d, "imgTrova01"));
        QVERIFY(control<QLabel>(d, "imgLogo"));
        QVERIFY(control<QLabel>(d, "icoIstruzioni01"));
        QCOMPARE(control<QLabel>(d, "lblConta")->isVisible(), false);
        QCOMPARE(control<QLabel>(d, "lblMemory")->isVisible(), false);
        QVERIFY(activate(d));
        QCOMPARE(QApplication::focusWidget(), d->txtCandidato);
    }

    void fieldsLabelsAndRectangles_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("rectangle");
        QTest::newRow("1") << "txtCandidato"
                           << "Cognome e nome:"
                           << "effCampo01";
        QTest::newRow("2") << "txtDataNasc"
                           << "Data di nascita (gg/mm/aaaa):"
                           << "effCampo02";
        QTest::newRow("3") << "txtCittadinanza"
                           << "Cittadinanza:"
                           << "effCampo09";
        QTest::newRow("4") << "txtLuogoNasc"
                           << "Luogo di nascita:"
                           << "effCampo10";
        QTest::newRow("5") << "txtCodFisc"
                           << "Codice fiscale:"
                           << "effCampo05";
        QTest::newRow("6") << "txtSettore"
                           << "Settore professionale:"
                           << "effCampo06";
        QTest::newRow("7") << "txtLingue"
                           << "Lingue conosciute:"
                           << "effCampo07";
        QTest::newRow("8") << "txtCompetenze"
                           << "Competenze informatiche:"
                           << "effCampo08";
        QTest::newRow("9") << "txtDisponibilita"
                           << "Disponibilità:"
                           << "effCampo03";
        QTest::newRow("10") << "txtNote"
                            << "Note:"
                            << "effCampo04";
    }
    void fieldsLabelsAndRectangles()
    {
        QFETCH(QString, field);
        QFETCH(QString, caption);
        QFETCH(QString, rectangle);
        TfrmTrovaCandidati* d = open();
        QVERIFY(activate(d));
        auto* f = control<QLineEdit>(d, field);
        QVERIFY(f);
        QCOMPARE(f->font().family(), QFont(QStringLiteral("Verdana")).family());
        QVERIFY(f->font().bold());
        QCOMPARE(f->font().pointSize(), 12);
        QLabel* label = nullptr;
        for (QLabel* l : d->findChildren<QLabel*>())
            if (l->buddy() == f)
                label = l;
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        auto* eff = control<QFrame>(d, rectangle);
        QVERIFY(eff);
        // Shown behind the field, a little larger, only while it has the focus.
        QVERIFY(eff->geometry().contains(f->geometry()));
        QVERIFY(eff->width() > f->width());
        f->setFocus();
        QVERIFY(eff->isVisible());
        for (QFrame* other : d->findChildren<QFrame*>(QRegularExpression("^effCampo")))
            QCOMPARE(other->isVisible(), other == eff);
        d->btnCerca->setFocus();
        QVERIFY(!eff->isVisible());
    }

    void enterSearchesFromAnyField()
    {
        TfrmTrovaCandidati* d = open();
        QVERIFY(activate(d));
        const QList<QLineEdit*> order {d->txtCandidato,     d->txtDataNasc, d->txtCittadinanza, d->txtLuogoNasc,
                                       d->txtCodFisc,       d->txtSettore,  d->txtLingue,       d->txtCompetenze,
                                       d->txtDisponibilita, d->txtNote};
        QCOMPARE(d->filters(), order);
        // Tab goes along the fields.
        d->txtCandidato->setFocus();
        for (int i = 1; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order.at(i));
        }
        // Enter in any field searches, as "Cerca" does.
        for (QLineEdit* field : order) {
            d->panContainer->setVisible(false);
            d->panAvvio->setVisible(true);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QVERIFY(d->panContainer->isVisible());
            QVERIFY(!d->panAvvio->isVisible());
        }
    }

    // --- the search ------------------------------------------------------------------
    void filters_data()
    {
        QTest::addColumn<QStringList>("typed"); // "field=text"
        QTest::addColumn<QList<qint64>>("cards");
        QTest::addColumn<QString>("active");
        const QList<qint64> all {1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("no filter") << QStringList() << all << "0";
        QTest::newRow("blanks only") << QStringList {"txtCandidato=   ", "txtNote= "} << all << "0";
        QTest::newRow("part of a surname") << QStringList {"txtCandidato=ross"} << QList<qint64> {1, 2, 3} << "1";
        QTest::newRow("surname in capitals") << QStringList {"txtCandidato=ROSSI"} << QList<qint64> {1, 2, 3} << "1";
        QTest::newRow("trailing blank") << QStringList {"txtCandidato=Rossi "} << QList<qint64> {1, 3} << "1";
        QTest::newRow("leading blank") << QStringList {"txtCandidato= Mario"} << QList<qint64> {1} << "1";
        QTest::newRow("A to Z finds a to z")
            << QStringList {"txtNote=ABCDEFGHIJKLMNOPQRSTUVWXYZ"} << QList<qint64> {2, 3} << "1";
        QTest::newRow("a to z finds A to Z")
            << QStringList {"txtNote=abcdefghijklmnopqrstuvwxyz"} << QList<qint64> {2, 3} << "1";
        QTest::newRow("small accented letter") << QStringList {"txtCandidato=nicolò"} << QList<qint64> {4} << "1";
        QTest::newRow("capital accented letter") << QStringList {"txtCandidato=NICOLÒ"} << QList<qint64> {5} << "1";
        QTest::newRow("accent only exact") << QStringList {"txtCandidato=nicolo"} << QList<qint64> {} << "1";
        QTest::newRow("accent in a town") << QStringList {"txtLuogoNasc=forlì"} << QList<qint64> {4} << "1";
        QTest::newRow("two filters") << QStringList {"txtCandidato=ross", "txtLuogoNasc=ROM"} << QList<qint64> {1, 3}
                                     << "2";
        QTest::newRow("two filters, one blank")
            << QStringList {"txtCandidato=ross", "txtLuogoNasc=  "} << QList<qint64> {1, 2, 3} << "1";
        QTest::newRow("three filters") << QStringList {"txtCandidato=ross", "txtLuogoNasc=rom", "txtNote=subito"}
                                       << QList<qint64> {1} << "3";
        QTest::newRow("no card has both")
            << QStringList {"txtCandidato=Rossini", "txtLuogoNasc=Roma"} << QList<qint64> {} << "2";
        QTest::newRow("question mark") << QStringList {"txtCandidato=?"} << QList<qint64> {9} << "1";
        QTest::newRow("outside the code page") << QStringList {"txtCandidato=ł"} << QList<qint64> {} << "1";
        const QStringList names {"txtCandidato", "txtDataNasc", "txtCittadinanza", "txtLuogoNasc",     "txtCodFisc",
                                 "txtSettore",   "txtLingue",   "txtCompetenze",   "txtDisponibilita", "txtNote"};
        for (int i = 0; i < 10; ++i)
            QTest::newRow(qPrintable(QStringLiteral("own field ") + names.at(i)))
                << QStringList {names.at(i) + QLatin1Char('=') + token(i)} << QList<qint64> {6} << "1";
    }
    void filters()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<qint64>, cards);
        QFETCH(QString, active);
        m_folder->write(kArchive, filterArchive());
        TfrmTrovaCandidati* d = open();
        QVERIFY(activate(d));
        for (const QString& t : typed) {
            const int eq = t.indexOf(QLatin1Char('='));
            auto* f = control<QLineEdit>(d, t.left(eq));
            QVERIFY(f);
            f->setFocus();
            type(f, t.mid(eq + 1));
            QCOMPARE(f->text(), t.mid(eq + 1));
        }
        search(d);
        QCOMPARE(positions(d), cards);
        QCOMPARE(d->lblConta->text(), active);
        QCOMPARE(d->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene %1 schede").arg(cards.size()));
        QVERIFY(d->panContainer->isVisible());
        QVERIFY(!d->panAvvio->isVisible());
        // The focus is on the cards found, the first one chosen; on the find
        // box when none is.
        QCOMPARE(QApplication::focusWidget(),
                 cards.isEmpty() ? static_cast<QWidget*>(d->txtTrova) : static_cast<QWidget*>(d->lstRecords));
        QCOMPARE(d->lstRecords->selectedRow(), cards.isEmpty() ? -1 : 0);
        QCOMPARE(d->txtTrova->text(), QString());
        QVERIFY(Messages::takeShown().isEmpty());
    }

    void linesAreSortedAndLaidOut()
    {
        QByteArray a;
        a += Card()
                 .set(oCandidato, QStringLiteral("Zanetti Anna"))
                 .set(oCodFisc, QStringLiteral("ZNTNNA85C41F205X"))
                 .set(oCel, QStringLiteral("3401234567"))
                 .set(oSettore, QStringLiteral("Amministrazione"))
                 .set(oNote, QStringLiteral("Part time"))
                 .bytes();
        // Stored with blanks round it (an older archive): every column is
        // trimmed; a long name and a long sector are cut.
        a += Card()
                 .set(oCandidato, QStringLiteral("  abbondanzieri Bartolomeo Carlo Alberto  "))
                 .set(oCodFisc, QStringLiteral(" BBNBTL70A01A001"))
                 .set(oCel, QStringLiteral(""))
                 .set(oSettore, QStringLiteral("Logistica e trasporti internazionali"))
                 .set(oNote, QStringLiteral("  Patente C  "))
                 .bytes();
        a += Card().set(oCandidato, QStringLiteral("_Prova")).bytes();
        m_folder->write(kArchive, a);
        TfrmTrovaCandidati* d = open();
        search(d);
        const QStringList expected {
            // a to z sort as A to Z; "_" comes after "Z".
            "abbondanzieri Bartolomeo Carlo  C.F. BBNBTL70A01A001   Cel.                   Settore: Logistica e "
            "trasporti in  Note: Patente C",
            "Zanetti Anna                    C.F. ZNTNNA85C41F205X  Cel. 3401234567        Settore: Amministrazione    "
            "       Note: Part time",
            "_Prova                          C.F.                   Cel.                   Settore:                    "
            "       Note: ",
        };
        QCOMPARE(d->lstRecords->lines(), expected);
        QCOMPARE(d->lstRecords->position(0), qint64(2));
        QCOMPARE(d->lstRecords->position(1), qint64(1));
        QCOMPARE(d->lstRecords->position(2), qint64(3));
        QCOMPARE(d->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 3 schede"));
        QCOMPARE(d->lstRecords->itemSize().width(), 1600);
    }

    void lineOfACard()
    {
        TSchedaCandidato s;
        s.Candidato = QStringLiteral("Rossi Mario");
        s.CodFisc = QStringLiteral("RSSMRA80B01H501U");
        s.Cel = QStringLiteral("333 1234567");
        s.Settore = QStringLiteral("Informatica");
        s.Note = QStringLiteral("Disponibile subito");
        QCOMPARE(CandidateSearch::line(s),
                 QStringLiteral("Rossi Mario                     C.F. RSSMRA80B01H501U  Cel. 333 1234567       "
                                "Settore: Informatica               Note: Disponibile subito"));
        QCOMPARE(CandidateSearch::countText(0), QStringLiteral("Il presente riepilogo contiene 0 schede"));
        QCOMPARE(CandidateSearch::countText(1), QStringLiteral("Il presente riepilogo contiene 1 schede"));
        QCOMPARE(CandidateSearch::countText(12345), QStringLiteral("Il presente riepilogo contiene 12345 schede"));
    }

    void missingArchiveIsCreatedEmpty()
    {
        QVERIFY(!QFile::exists(m_folder->file(kArchive)));
        TfrmTrovaCandidati* d = open();
        search(d);
        QVERIFY(QFile::exists(m_folder->file(kArchive)));
        QCOMPARE(QFileInfo(m_folder->file(kArchive)).size(), qint64(0));
        QCOMPARE(d->lstRecords->count(), 0);
        QCOMPARE(d->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede"));
        QVERIFY(d->panContainer->isVisible());
        QVERIFY(Messages::takeShown().isEmpty());
        // Find in the empty summary.
        QTest::mouseClick(d->btnTrova, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown[0].kind), int(Kind::Plain));
        QCOMPARE(shown[0].text, kEmptyFind);
    }

    void partialTailIsNotACard()
    {
        m_folder->write(kArchive, named(QStringLiteral("Unico")).bytes() + QByteArray(1000, 'x'));
        TfrmTrovaCandidati* d = open();
        search(d);
        QCOMPARE(d->lstRecords->count(), 1);
        QCOMPARE(d->lstRecords->position(0), qint64(1));
    }

    void unreadableArchiveGivesTheAccessMessage()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(kArchive));
        TfrmTrovaCandidati* d = open();
        d->txtCandidato->setText(QStringLiteral("Rossi"));
        QTest::mousePress(d->btnCerca, Qt::LeftButton);
        QVERIFY(d->lblAttendere->isVisible());
        QTest::mouseRelease(d->btnCerca, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown[0].kind), int(Kind::Plain));
        QCOMPARE(shown[0].text, kAccess);
        // The filters stay for another try.
        QVERIFY(d->panAvvio->isVisible());
        QVERIFY(!d->panContainer->isVisible());
        QVERIFY(!d->lblAttendere->isVisible());
        QCOMPARE(d->txtCandidato->text(), QStringLiteral("Rossi"));
    }

    void waitingNoticeOnMouseDown()
    {
        m_folder->write(kArchive, filterArchive());
        TfrmTrovaCandidati* d = open();
        QVERIFY(!d->lblAttendere->isVisible());
        QTest::mousePress(d->btnCerca, Qt::LeftButton);
        QVERIFY(d->lblAttendere->isVisible());
        QVERIFY(!d->panContainer->isVisible()); // the search waits for the release
        QTest::mouseRelease(d->btnCerca, Qt::LeftButton);
        QVERIFY(d->panContainer->isVisible());
        QCOMPARE(d->lstRecords->count(), 9);
    }

    void closeButtons()
    {
        TfrmTrovaCandidati* d = open();
        QTest::mouseClick(d->btnAnnulla, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        d = open();
        search(d);
        QTest::mouseClick(d->btnChiudi, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->lstRecords->count(), 0); // the list goes with the window
    }

    void findInTheSummary()
    {
        m_folder->write(kArchive, filterArchive());
        TfrmTrovaCandidati* d = open();
        search(d);
        QVERIFY(activate(d));
        d->txtTrova->setFocus();
        QTest::keyClicks(d->txtTrova, QStringLiteral("ROSSI"));
        QTest::keyClick(d->txtTrova, Qt::Key_Return); // to the button
        QCOMPARE(QApplication::focusWidget(), d->btnTrova);
        QTest::keyClick(d->btnTrova, Qt::Key_Return);
        QVERIFY(d->lstRecords->text(d->lstRecords->selectedRow()).startsWith(QStringLiteral("ROSSI LUCA")));
        QTest::mouseClick(d->btnTrova, Qt::LeftButton);
        QVERIFY(d->lstRecords->text(d->lstRecords->selectedRow()).startsWith(QStringLiteral("Rossi Mario")));
        QVERIFY(Messages::takeShown().isEmpty());
    }

    void printTheSummary()
    {
        Clock::setToday(QDate(2025, 3, 14));
        m_folder->write(kArchive, filterArchive());
        TfrmTrovaCandidati* d = open();
        d->txtCandidato->setText(QStringLiteral("ross"));
        search(d);
        const QString pdf = m_folder->file(QStringLiteral("riepilogo.pdf"));
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, pdf);
        QTest::mouseClick(d->btnStampa, Qt::LeftButton);
        Clock::setToday(QDate());
        const auto jobs = ReportPrinter::takePrinted();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].reportName, QStringLiteral("Riepilogo dati"));
        QVERIFY(jobs[0].accepted);
        QCOMPARE(jobs[0].pageCount, 1);
        const QStringList text = pdfText(pdf);
        QVERIFY2(text.size() == 5, qPrintable(text.join('\n')));
        QCOMPARE(text[0], QStringLiteral("Riepilogo schede candidati in archivio"));
        QVERIFY(text[1].startsWith(QStringLiteral("ROSSI LUCA")));
        QVERIFY(text[2].startsWith(QStringLiteral("Rossi Mario")));
        QVERIFY(text[3].startsWith(QStringLiteral("Rossini Anna")));
        QCOMPARE(text[4], QStringLiteral("Stampa eseguita in data 14/03/2025"));
        QVERIFY(d->isVisible()); // the window stays open
    }

    // --- the hand-over -----------------------------------------------------------
    void handOverToTheCandidateCard()
    {
        // Two cards whose names share the first 30 characters give equal
        // lines; each line still hands over its own card.
        QByteArray a;
        a += named(QStringLiteral("Primo Candidato")).bytes();
        a += Card()
                 .set(oCandidato, QStringLiteral("Abbondanzieri Bartolomeo Carlo Alberto"))
                 .set(oSesso, QStringLiteral("M"))
                 .set(oCodFisc, QStringLiteral("BBNBTL70A01A001Z"))
                 .set(oIndirizzo, QStringLiteral(" Via Roma 1 "))
                 .set(oRicontatta, QStringLiteral("Sì"))
                 .set(oFile01, QStringLiteral("cv.pdf"))
                 .set(oDesc01, QStringLiteral("Curriculum"))
                 .bytes();
        a += Card()
                 .set(oCandidato, QStringLiteral("Abbondanzieri Bartolomeo Carlo Maria"))
                 .set(oSesso, QStringLiteral("F"))
                 .set(oCodFisc, QStringLiteral("BBNBTL70A01A001Z"))
                 .set(oIndirizzo, QStringLiteral("Via Milano 2"))
                 .set(oRicontatta, QStringLiteral("??"))
                 .bytes();
        m_folder->write(kArchive, a);
        QDir(m_folder->path()).mkpath(QStringLiteral("Anagrafica"));
        QImage red(40, 50, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(m_folder->file(QStringLiteral("Anagrafica/Scheda_Candidato_3.jpg")), "JPG"));

        TfrmCandidati* w = Windows::candidati();
        w->show();
        for (int pick : {0, 1}) {
            w->chkRicontatta->setChecked(pick == 1);
            Modal::queueHook([&](QDialog* dialog) {
                auto* d = qobject_cast<TfrmTrovaCandidati*>(dialog);
                QVERIFY(d);
                QCOMPARE(d->lblMemory->text(), QStringLiteral("candidati"));
                QCOMPARE(d->parentWidget(), static_cast<QWidget*>(w));
                d->txtCandidato->setText(QStringLiteral("abbondanzieri"));
                QTest::mouseClick(d->btnCerca, Qt::LeftButton);
                QCOMPARE(d->lstRecords->count(), 2);
                QCOMPARE(d->lstRecords->text(0), d->lstRecords->text(1));
                doubleClick(d->lstRecords, pick);
                QVERIFY(!d->isVisible());
            });
            QTest::mouseClick(w->cmdTrova, Qt::LeftButton);
            QCOMPARE(Modal::history().last(), QStringLiteral("TfrmTrovaCandidati"));
            if (pick == 0) {
                QCOMPARE(w->lblPosizione->text(), QStringLiteral("2"));
                QCOMPARE(w->txtCandidato->text(), QStringLiteral("Abbondanzieri Bartolomeo Carlo Alberto"));
                QCOMPARE(w->txtSesso->text(), QStringLiteral("M"));
                QCOMPARE(w->txtIndirizzo->text(), QStringLiteral("Via Roma 1")); // trimmed
                QCOMPARE(w->lblFile01->text(), QStringLiteral("cv.pdf"));
                QCOMPARE(w->lblDesc01->text(), QStringLiteral("Curriculum"));
                QVERIFY(w->chkRicontatta->isChecked());
                QCOMPARE(w->imgFoto->picture(), w->imgBianco->picture()); // no photo of its own
            } else {
                QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
                QCOMPARE(w->txtCandidato->text(), QStringLiteral("Abbondanzieri Bartolomeo Carlo Maria"));
                QCOMPARE(w->txtSesso->text(), QStringLiteral("F"));
                QCOMPARE(w->txtIndirizzo->text(), QStringLiteral("Via Milano 2"));
                QCOMPARE(w->lblFile01->text(), QString());
                // A flag that is neither "Sì" nor "No" leaves the box alone.
                QVERIFY(w->chkRicontatta->isChecked());
                const QColor c = w->imgFoto->picture().pixelColor(20, 25);
                QVERIFY(c.red() > 200 && c.green() < 60 && c.blue() < 60);
            }
        }
        // Storing now updates card 3 in place.
        const qint64 before = QFileInfo(m_folder->file(kArchive)).size();
        w->txtNote->setText(QStringLiteral("Richiamata"));
        // The card says F where its fiscal code says M: stored anyway.
        Messages::queueChoice(0);
        QTest::mouseClick(w->cmdSalva, Qt::LeftButton);
        Messages::takeShown();
        QCOMPARE(QFileInfo(m_folder->file(kArchive)).size(), before);
        const QByteArray after = m_folder->read(kArchive);
        QCOMPARE(after.mid(2 * 3612 + oNote, 11), QByteArray("\x0aRichiamata"));
        QCOMPARE(after.mid(1 * 3612 + oNote, 1), QByteArray(1, '\0'));
    }

    void handOverToTheInterviewCard()
    {
        QByteArray a;
        a += Card()
                 .set(oCandidato, QStringLiteral(" Abbondanzieri Bartolomeo Carlo Alberto "))
                 .set(oCodFisc, QStringLiteral("BBNBTL70A01A001Z"))
                 .set(oLuogoNasc, QStringLiteral("Roma"))
                 .bytes();
        a += Card()
                 .set(oCandidato, QStringLiteral("Abbondanzieri Bartolomeo Carlo Maria"))
                 .set(oCodFisc, QStringLiteral("BBNBTL70A01A001Z"))
                 .set(oLuogoNasc, QStringLiteral("Roma"))
                 .bytes();
        m_folder->write(kArchive, a);
        const QString session = m_folder->file(QStringLiteral("Marzo.vai"));
        m_folder->write(QStringLiteral("Marzo.vai"), QByteArray());

        TfrmTorneo* t = Windows::torneo();
        t->lblFile->setText(session);
        t->show();
        for (int pick : {1, 0}) {
            t->txtTelefono->setText(QStringLiteral("Napoli"));
            t->txtEmail->setText(QStringLiteral("02/03/2025"));
            t->txtGare->setPlainText(QStringLiteral("Buon colloquio"));
            t->txtPunteggio->setText(QStringLiteral("12,50"));
            t->txtNote->setText(QStringLiteral("Nessuna"));
            t->chkCompletato->setChecked(true);
            t->lblPosizione->setText(QString());
            Modal::queueHook([&](QDialog* dialog) {
                auto* d = qobject_cast<TfrmTrovaCandidati*>(dialog);
                QVERIFY(d);
                QCOMPARE(d->lblMemory->text(), QStringLiteral("torneo"));
                d->txtLuogoNasc->setText(QStringLiteral("ROMA"));
                d->txtCodFisc->setText(QStringLiteral("bbnbtl"));
                QTest::mouseClick(d->btnCerca, Qt::LeftButton);
                QCOMPARE(d->lblConta->text(), QStringLiteral("2"));
                QCOMPARE(d->lstRecords->count(), 2);
                QCOMPARE(d->lstRecords->text(0), d->lstRecords->text(1));
                doubleClick(d->lstRecords, pick);
                QVERIFY(!d->isVisible());
            });
            QTest::mouseClick(t->btnCandidato, Qt::LeftButton);
            QCOMPARE(t->txtConcorrente->text(),
                     pick == 0 ? QStringLiteral("Abbondanzieri Bartolomeo Carlo Alberto")
                               : QStringLiteral("Abbondanzieri Bartolomeo Carlo Maria"));
            QCOMPARE(t->txtResponsabile->text(), QStringLiteral("BBNBTL70A01A001Z"));
            // Nothing else of the interview card changes.
            QCOMPARE(t->txtTelefono->text(), QStringLiteral("Napoli"));
            QCOMPARE(t->txtEmail->text(), QStringLiteral("02/03/2025"));
            QCOMPARE(t->txtGare->toPlainText(), QStringLiteral("Buon colloquio"));
            QCOMPARE(t->txtPunteggio->text(), QStringLiteral("12,50"));
            QCOMPARE(t->txtNote->text(), QStringLiteral("Nessuna"));
            QVERIFY(t->chkCompletato->isChecked());
            QCOMPARE(t->lblPosizione->text(), QString());
        }
        // The imported candidate is stored as a new interview card.
        QTest::mouseClick(t->cmdSalva, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        const QByteArray stored = m_folder->read(QStringLiteral("Marzo.vai"));
        QCOMPARE(stored.size(), 5865);
        QCOMPARE(stored.left(39), QByteArray("Abbondanzieri Bartolomeo Carlo Alberto\0", 39));
        QCOMPARE(stored.mid(121, 17), QByteArray("BBNBTL70A01A001Z\0", 17));
    }

    void otherModesHandOverNothing_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("empty") << QString();
        QTest::newRow("other") << QStringLiteral("avvio");
        QTest::newRow("capitals") << QStringLiteral("Candidati");
    }
    void otherModesHandOverNothing()
    {
        QFETCH(QString, mode);
        m_folder->write(kArchive, named(QStringLiteral("Rossi Mario")).bytes());
        TfrmCandidati* w = Windows::candidati();
        TfrmTorneo* t = Windows::torneo();
        w->txtCandidato->setText(QStringLiteral("invariato"));
        t->txtConcorrente->setText(QStringLiteral("invariato"));
        TfrmTrovaCandidati* d = open(mode);
        search(d);
        doubleClick(d->lstRecords, 0);
        QVERIFY(!d->isVisible());
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("invariato"));
        QCOMPARE(t->txtConcorrente->text(), QStringLiteral("invariato"));
    }

    void modeWordIsTrimmed()
    {
        m_folder->write(kArchive, named(QStringLiteral("Rossi Mario")).bytes());
        TfrmTorneo* t = Windows::torneo();
        t->txtConcorrente->clear();
        TfrmTrovaCandidati* d = open(QStringLiteral(" torneo "));
        search(d);
        doubleClick(d->lstRecords, 0);
        QCOMPARE(t->txtConcorrente->text(), QStringLiteral("Rossi Mario"));
    }

    void doubleClickBesideTheLinesJustCloses()
    {
        m_folder->write(kArchive, named(QStringLiteral("Rossi Mario")).bytes());
        TfrmCandidati* w = Windows::candidati();
        w->txtCandidato->setText(QStringLiteral("invariato"));
        TfrmTrovaCandidati* d = open();
        search(d);
        d->lstRecords->selectRow(0);
        QApplication::processEvents();
        QTest::mouseDClick(d->lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(20, d->lstRecords->viewport()->height() - 10));
        QVERIFY(!d->isVisible());
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("invariato"));
    }

    void cardChangedOnDiskIsNotHandedOver()
    {
        m_folder->write(kArchive,
                        named(QStringLiteral("Rossi Mario")).bytes() + named(QStringLiteral("Verdi Anna")).bytes());
        TfrmCandidati* w = Windows::candidati();
        w->txtCandidato->setText(QStringLiteral("invariato"));
        TfrmTrovaCandidati* d = open();
        search(d);
        QVERIFY(d->lstRecords->text(0).startsWith(QStringLiteral("Rossi Mario")));
        // Another copy of the program rewrote card 1 meanwhile.
        m_folder->write(kArchive,
                        named(QStringLiteral("Bianchi Carla")).bytes() + named(QStringLiteral("Verdi Anna")).bytes());
        doubleClick(d->lstRecords, 0);
        QVERIFY(!d->isVisible());
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("invariato"));
        QVERIFY(Messages::takeShown().isEmpty());
    }
};

SELVORA_TEST_MAIN(TestTrovaCandidati)
#include "tst_trovacandidati.moc"
