// Read-only mode: every command of every window that writes into the program
// folder is disabled with the reason, stays disabled, and writes nothing when
// clicked; the record and whole-file layers refuse writes too.
#include "app/ui/Avvio.h"
#include "app/ui/CambiaPassword.h"
#include "app/ui/Password.h"
#include "app/ui/Windows.h"
#include "base/core/AccessMode.h"
#include "base/core/RecordFile.h"
#include "base/core/SafeWrite.h"
#include "base/platform/FileDialogs.h"
#include "candidates/ui/AllegaCartella.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/ExpCandidati.h"
#include "candidates/ui/RetentionList.h"
#include "rankings/ui/OfficialRankingWindow.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/ui/ApriArchivio.h"
#include "sessions/ui/CreaArchivio.h"
#include "sessions/ui/ExpTorneo.h"
#include "sessions/ui/GridWindow.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WriteGuard.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

namespace {
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files.insert(QDir(folder).relativeFilePath(path), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return files;
}
// A session of two scored cards and its committee grid with the scores of
// the second one.
QByteArray twoCards()
{
    QByteArray bytes;
    const QStringList names {"Rossi Mario", "Verdi Giulia"};
    for (const QString& name : names) {
        TSchedaColloquio rec;
        rec.Candidato = name;
        rec.DataColloquio = QStringLiteral("01/12/2026");
        rec.Punteggio = QStringLiteral("20,00");
        rec.Idoneo = QStringLiteral("Sì");
        bytes += rec.encode();
    }
    return bytes;
}

const char* kGrid = R"({"format":"selvora-griglia-di-valutazione","version":1,"session":"Concorso.vai",
"criteria":[{"name":"Competenze tecniche","max":10,"weight":2},{"name":"Comunicazione","max":10,"weight":1}],
"members":[{"name":"Galli","role":"presidente"},{"name":"Fontana","role":"componente"}],
"scale":{"kind":"somma"},"tieBreaks":["manuale"],
"cards":{"2":{"Galli":{"Competenze tecniche":8,"Comunicazione":6},"Fontana":{"Competenze tecniche":6,"Comunicazione":9}}}})";
} // namespace

class TestReadOnly : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;

    QWidget* windowNamed(const QString& name)
    {
        if (name == QLatin1String("password"))
            return static_cast<QWidget*>(Windows::password());
        if (name == QLatin1String("cambiaPassword"))
            return static_cast<QWidget*>(Windows::cambiaPassword());
        if (name == QLatin1String("avvio"))
            return Windows::avvio();
        if (name == QLatin1String("creaArchivio"))
            return Windows::creaArchivio();
        if (name == QLatin1String("apriArchivio"))
            return static_cast<QWidget*>(Windows::apriArchivio());
        if (name == QLatin1String("torneo"))
            return Windows::torneo();
        if (name == QLatin1String("candidati"))
            return Windows::candidati();
        return nullptr;
    }

    void checkRefused(QWidget* command, const QString& where)
    {
        QVERIFY2(command, qPrintable(where));
        QVERIFY2(WriteGuard::isMarked(command), qPrintable(where));
        QVERIFY2(!command->isEnabled(), qPrintable(where));
        QCOMPARE(command->toolTip(), AccessMode::reason());
        // The window turning it on again does not win.
        command->setEnabled(true);
        QVERIFY2(!command->isEnabled(), qPrintable(where));
        const QMap<QString, QByteArray> before = snapshot(m_folder->path());
        if (auto* button = qobject_cast<QAbstractButton*>(command))
            button->click();
        QTest::mouseClick(command, Qt::LeftButton);
        QCOMPARE(snapshot(m_folder->path()), before);
    }

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        m_folder->write(QStringLiteral("Archivio_Candidati.pro"), filled(3612, 'a'));
        m_folder->write(QStringLiteral("Prova.vai"), filled(5865, 'b'));
        m_folder->write(QStringLiteral("unins000.dll"), "password");
        m_folder->write(QStringLiteral("Concorso.vai"), twoCards());
        m_folder->write(QStringLiteral("Concorso.griglia.json"), kGrid);
        m_folder->write(QStringLiteral("Rotto.vai"), twoCards());
        m_folder->write(QStringLiteral("Rotto.griglia.json"), "[griglia");
        Windows::createFirst();
        AccessMode::setReadOnly(AccessMode::reasonInUse());
        WriteGuard::applyAll();
    }
    void cleanupTestCase()
    {
        Windows::destroyAll();
        AccessMode::setWritable();
        m_folder.reset();
    }
    void init() { resetSeams(); }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        Messages::takeShown();
        Modal::resetTestState();
    }

    void everyWritingCommandOfEveryScreenWindowIsRefused_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("command");
        const QList<QPair<const char*, const char*>> commands = {
            {"password", "btnCambiaPassword"},
            {"cambiaPassword", "cmdOK"},
            {"avvio", "btnApp02"},
            {"avvio", "imgApp02"},
            {"avvio", "btnRipristina"},
            {"avvio", "btnPromemoria"},
            {"creaArchivio", "btnApplica"},
            {"apriArchivio", "btnElimina"},
            {"torneo", "cmdSalva"},
            {"torneo", "cmdNuovo"},
            {"torneo", "btnCandidato"},
            {"torneo", "btnCalcolatrice"},
            {"candidati", "cmdSalva"},
            {"candidati", "cmdNuovo"},
            {"candidati", "cmdDuplica"},
            {"candidati", "btnFillFromCode"},
            {"candidati", "btnCaricaFoto"},
            {"candidati", "btnWebcam"},
            {"candidati", "btnCancFoto"},
            {"candidati", "cmdCancellaDati"},
        };
        for (const auto& c : commands)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(c.first), QLatin1String(c.second))))
                << QString::fromLatin1(c.first) << QString::fromLatin1(c.second);
    }
    void everyWritingCommandOfEveryScreenWindowIsRefused()
    {
        QFETCH(QString, window);
        QFETCH(QString, command);
        QWidget* w = windowNamed(window);
        QVERIFY(w);
        w->show();
        checkRefused(w->findChild<QWidget*>(command), window + QLatin1Char(' ') + command);
    }

    // The fields of both card windows: a card that cannot be stored cannot
    // be changed either. Its text is still read (focus, selection, copy) and
    // each field gives the reason; no key edits it or opens the date picker.
    void cardFieldsOnlyRead_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("interview card") << "torneo";
        QTest::newRow("candidate card") << "candidati";
    }
    void cardFieldsOnlyRead()
    {
        QFETCH(QString, window);
        QWidget* w = windowNamed(window);
        QVERIFY(w);
        if (auto* torneo = qobject_cast<TfrmTorneo*>(w)) {
            torneo->lblFile->setText(m_folder->file(QStringLiteral("Concorso.vai")));
            torneo->lblNome->setText(QStringLiteral("Concorso"));
        }
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (auto* torneo = qobject_cast<TfrmTorneo*>(w))
            torneo->MostraScheda(TSchedaColloquio::decode(twoCards().left(TSchedaColloquio::Size)), 1);
        const QMap<QString, QByteArray> before = snapshot(m_folder->path());
        int fields = 0;
        for (QWidget* field : w->findChildren<QWidget*>()) {
            auto* line = qobject_cast<QLineEdit*>(field);
            auto* text = qobject_cast<QPlainTextEdit*>(field);
            auto* box = qobject_cast<QCheckBox*>(field);
            if ((!line && !text && !box) || !field->isVisible())
                continue;
            const QString where = window + QLatin1Char(' ') + field->objectName();
            QVERIFY2(WriteGuard::isMarkedField(field), qPrintable(where));
            QCOMPARE(field->toolTip(), AccessMode::reason());
            QCOMPARE(field->accessibleDescription(), AccessMode::reason());
            ++fields;
            if (box) {
                QVERIFY2(!box->isEnabled(), qPrintable(where));
                box->setEnabled(true);
                QVERIFY2(!box->isEnabled(), qPrintable(where));
                continue;
            }
            // Read-only, and kept so whatever the window does.
            QVERIFY2(field->isEnabled() && field->focusPolicy() != Qt::NoFocus, qPrintable(where));
            if (line) {
                QVERIFY2(line->isReadOnly(), qPrintable(where));
                line->setReadOnly(false);
                QVERIFY2(line->isReadOnly(), qPrintable(where));
            } else {
                QVERIFY2(text->isReadOnly(), qPrintable(where));
                text->setReadOnly(false);
                QVERIFY2(text->isReadOnly(), qPrintable(where));
            }
            const QString shown = line ? line->text() : text->toPlainText();
            field->setFocus();
            QTest::keyClicks(field, "12/05/2026 x");
            for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F4, Qt::Key_Return})
                QTest::keyClick(field, key);
            QTest::keyClick(field, Qt::Key_Down, Qt::AltModifier);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(line ? line->text() : text->toPlainText(), shown);
            if (line && !shown.isEmpty()) {
                // Still there to be selected and copied.
                line->selectAll();
                QCOMPARE(line->selectedText(), shown);
            }
        }
        QVERIFY2(fields >= (window == QLatin1String("torneo") ? 8 : 26), qPrintable(QString::number(fields)));
        // No picker, no calculator, no candidate search came up.
        QCOMPARE(Modal::history(), QStringList());
        QVERIFY(Messages::takeShown().isEmpty());
        QCOMPARE(snapshot(m_folder->path()), before);
    }

    void writingCommandsOfDialogsAreRefused()
    {
        {
            TfrmAllegaCartella dialog(Windows::candidati());
            dialog.show();
            for (const char* name : {"btnSfoglia01", "btnSfoglia02", "btnSfoglia03", "imgCancella01", "imgCancella02",
                                     "imgCancella03", "btnApplica"})
                checkRefused(dialog.findChild<QWidget*>(QLatin1String(name)), QLatin1String(name));
        }
        {
            TfrmExpCandidati dialog(Windows::candidati());
            dialog.show();
            checkRefused(dialog.cmdEsporta, QStringLiteral("export of the archive"));
        }
        {
            RetentionList dialog(Windows::candidati());
            dialog.show();
            checkRefused(dialog.btnCancella, QStringLiteral("retention list"));
        }
    }

    // The committee grid is shown as stored: nothing that stores it, nor the
    // total into the card, nor a cell; its minutes still print, preview and
    // go to a PDF file the user chooses.
    void gridWindowOnlyReadsAndPrints()
    {
        TfrmTorneo* torneo = Windows::torneo();
        torneo->lblFile->setText(m_folder->file(QStringLiteral("Concorso.vai")));
        torneo->lblNome->setText(QStringLiteral("Concorso"));
        torneo->show();
        torneo->MostraScheda(TSchedaColloquio::decode(twoCards().mid(TSchedaColloquio::Size)), 2);
        const QString score = torneo->txtPunteggio->text();

        GridWindow grid(torneo);
        QVERIFY(grid.load());
        grid.show();
        QVERIFY(Messages::takeShown().isEmpty());
        QCOMPARE(grid.grdPunteggi->item(0, 0)->text(), QStringLiteral("8"));
        QVERIFY(grid.lblTotale->text().startsWith(QStringLiteral("Totale: 21,5")));
        QVERIFY(grid.lblReadOnly->isVisible());
        QCOMPARE(grid.lblReadOnly->text(), AccessMode::reason());
        QCOMPARE(grid.lblReadOnly->accessibleName(), AccessMode::reason());

        for (QWidget* command : std::initializer_list<QWidget*> {
                 grid.btnImporta, grid.btnSalva, grid.btnApplica, grid.btnAggiungiCriterio, grid.btnEliminaCriterio,
                 grid.btnAggiungiComponente, grid.btnEliminaComponente, grid.cboScala, grid.txtMassimo,
                 grid.grdCommissione->cellWidget(0, 1)})
            checkRefused(command, command->objectName());
        QCOMPARE(torneo->txtPunteggio->text(), score);
        QCOMPARE(grid.grdCriteri->rowCount(), 2);
        QCOMPARE(grid.grdCommissione->rowCount(), 2);

        // No cell takes a score or a set-up change, and each says why.
        for (QTableWidget* table : {grid.grdPunteggi, grid.grdCriteri, grid.grdCommissione}) {
            QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
            QCOMPARE(table->accessibleDescription(), AccessMode::reason());
        }
        QVERIFY(!(grid.grdPunteggi->item(1, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(grid.grdPunteggi->item(1, 1)->flags() & Qt::ItemIsSelectable);
        grid.tabPagine->setCurrentIndex(0);
        const QRect cell = grid.grdPunteggi->visualItemRect(grid.grdPunteggi->item(1, 1));
        QTest::mouseDClick(grid.grdPunteggi->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        for (QLineEdit* editor : grid.grdPunteggi->viewport()->findChildren<QLineEdit*>())
            QVERIFY(!editor->isVisible());
        QVERIFY(!grid.isModified());

        // The minutes: print, preview and a PDF outside the program folder.
        const QMap<QString, QByteArray> before = snapshot(m_folder->path());
        for (QPushButton* b : {grid.btnStampa, grid.btnAnteprima, grid.btnPdf})
            QVERIFY2(b->isEnabled() && !WriteGuard::isMarked(b), qPrintable(b->objectName()));
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
        QTest::mouseClick(grid.btnStampa, Qt::LeftButton);
        QCOMPARE(ReportPrinter::takePrinted().size(), 1);
        QTest::mouseClick(grid.btnAnteprima, Qt::LeftButton);
        QCOMPARE(ReportPrinter::previewed().size(), 1);
        QTemporaryDir elsewhere;
        const QString pdf = elsewhere.filePath(QStringLiteral("verbale.pdf"));
        FileDialogs::queueFileName(pdf);
        QTest::mouseClick(grid.btnPdf, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).kind, Messages::Kind::Information);
        QVERIFY(QFileInfo(pdf).size() > 0);

        // Closed with no question about saving.
        QTest::mouseClick(grid.btnChiudi, Qt::LeftButton);
        QVERIFY(!grid.isVisible());
        QVERIFY(Messages::takeShown().isEmpty());
        QCOMPARE(snapshot(m_folder->path()), before);
    }

    // A damaged grid file would be renamed to start afresh: not here.
    void damagedGridIsLeftAsItIs()
    {
        TfrmTorneo* torneo = Windows::torneo();
        torneo->lblFile->setText(m_folder->file(QStringLiteral("Rotto.vai")));
        torneo->lblNome->setText(QStringLiteral("Rotto"));
        torneo->MostraScheda(TSchedaColloquio::decode(twoCards().left(TSchedaColloquio::Size)), 1);
        const QMap<QString, QByteArray> before = snapshot(m_folder->path());
        GridWindow grid(torneo);
        QVERIFY(!grid.load());
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).kind, Messages::Kind::Warning);
        QVERIFY(shown.at(0).text.contains(QStringLiteral("non può essere usato")));
        QVERIFY(shown.at(0).text.endsWith(AccessMode::reason()));
        QCOMPARE(snapshot(m_folder->path()), before);
    }

    // The official ranking keeps its stored choices, order and seal; it is
    // shown, printed, previewed and its seal checked.
    void officialRankingOnlyReadsAndPrints()
    {
        OfficialRankingWindow w(m_folder->file(QStringLiteral("Concorso.vai")), QStringLiteral("Concorso"));
        w.show();
        QVERIFY(Messages::takeShown().isEmpty());
        QCOMPARE(w.grdGraduatoria->rowCount(), 2);
        QCOMPARE(w.grdGraduatoria->item(0, 0)->text(), QStringLiteral("1 ex aequo"));
        QVERIFY(w.chkOrdineManuale->isChecked());
        QVERIFY(w.lblReadOnly->isVisible());
        QCOMPARE(w.lblReadOnly->text(), AccessMode::reason());
        w.grdGraduatoria->selectRow(1);
        for (QWidget* command : std::initializer_list<QWidget*> {w.chkPiuGiovane, w.chkOrdineManuale, w.cboNonIdonei,
                                                                 w.cboPubblicata, w.btnSu, w.btnGiu, w.btnPubblica})
            checkRefused(command, command->objectName());
        QVERIFY(w.chkOrdineManuale->isChecked());
        QVERIFY(!w.chkPiuGiovane->isChecked());

        const QMap<QString, QByteArray> before = snapshot(m_folder->path());
        for (QPushButton* b : {w.btnStampa, w.btnAnteprima, w.btnVerificaSigillo})
            QVERIFY2(b->isEnabled() && !WriteGuard::isMarked(b), qPrintable(b->objectName()));
        Messages::queueAnswer(Messages::Answer::Yes);
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
        QTest::mouseClick(w.btnStampa, Qt::LeftButton);
        QCOMPARE(ReportPrinter::takePrinted().size(), 1);
        QTest::mouseClick(w.btnAnteprima, Qt::LeftButton);
        QCOMPARE(ReportPrinter::previewed().size(), 1);
        QTest::mouseClick(w.btnVerificaSigillo, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2); // the print's question, the seal's answer
        QCOMPARE(shown.at(1).kind, Messages::Kind::Information);
        QCOMPARE(snapshot(m_folder->path()), before);
    }

    // The picture of the new-session entry reacts to clicks itself.
    void newSessionPictureDoesNotOpenTheWindow()
    {
        TfrmAvvio* avvio = Windows::avvio();
        avvio->show();
        avvio->openEntry(2);
        QVERIFY(!Windows::creaArchivio()->isVisible());
        QVERIFY(avvio->isVisible());
    }

    // The reason reaches the information bar of the card window.
    void reasonIsShownInTheInformationBar()
    {
        TfrmCandidati* w = Windows::candidati();
        w->show();
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->cmdSalva, &move);
        QCOMPARE(w->panInfo->text(), AccessMode::reason());
        QVERIFY(w->panInfo->text().startsWith(QStringLiteral("Sola lettura: ")));
    }

    // Whatever slips past the windows, the layers under them do not write.
    void recordAndWholeFileWritesAreRefused()
    {
        const QMap<QString, QByteArray> before = snapshot(m_folder->path());
        RecordFile archive(m_folder->file(QStringLiteral("Archivio_Candidati.pro")), 3612);
        QVERIFY(archive.open());
        QByteArray card;
        QVERIFY(archive.read(1, &card));
        QVERIFY(!archive.rewrite(1, filled(3612, 'z')));
        QCOMPARE(archive.append(filled(3612, 'z')), 0);
        archive.close();
        QString why;
        QVERIFY(!SafeWrite::wholeFile(m_folder->file(QStringLiteral("nuovo.json")), "{}", &why));
        QCOMPARE(why, AccessMode::reason());
        QCOMPARE(snapshot(m_folder->path()), before);
        // Outside the program folder, writing is allowed (a saved report).
        QTemporaryDir other;
        QVERIFY(SafeWrite::wholeFile(other.filePath(QStringLiteral("rapporto.txt")), "x", &why));
    }

    void everyMarkedCommandIsDisabled()
    {
        int marked = 0;
        for (QWidget* w : QApplication::allWidgets()) {
            if (WriteGuard::isMarked(w)) {
                ++marked;
                QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
            }
        }
        QVERIFY(marked >= 14);
    }
};

SELVORA_TEST_MAIN(TestReadOnly)
#include "tst_readonly.moc"
