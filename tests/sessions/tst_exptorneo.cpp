// The session export window: the grid filled from the open session, the
// export command with its two questions, edits in the grid, failures, the
// help and the information bar.
#include "app/ui/Windows.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "sessions/ui/ExpTorneo.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/Guida.h"
#include "shared/ui/InfoBar.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/HandLaidInterviewCard.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include <cstring>

namespace {

QByteArray dataFile(const QString& name)
{
    QFile f(QStringLiteral(TEST_DATA_DIR "/export/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return f.readAll();
}

// An interview card record laid out by hand: eight zero-terminated
// Windows-1252 fields at their offsets in a 5865-byte record.
using Card = HandLaidInterviewCard;

QByteArray record(const Card& c)
{
    return c.bytes();
}

const Card kRossi {"Rossi Mario", "RSSMRA80A01H501U", "Roma", "12/03/2024", "Colloquio tecnico\r\nbuono",
                   "27,50",       "Ottimo colloquio", "S\xEC"};
const Card kNiccolo {"  Niccol\xF2 D'Angelo & Figli <b>  ",
                     "",
                     "Citt\xE0 di Castello",
                     "13/03/2024",
                     "<script>non esportato</script>",
                     "9,00",
                     "Disponibilit\xE0 > 5 giorni, costo 80 \x80",
                     "No"};

QString exportQuote(const TempProgramFolder& folder)
{
    return QLatin1Char('"') + folder.file(QStringLiteral("Sessione_Esame.xls")) + QLatin1Char('"');
}

// Types text as a keyboard would, accented letters included.
void typeText(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &release);
    }
}

void moveOver(QWidget* w)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

} // namespace

class TestExpTorneo : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProgramFolder> m_folder;

    // Opens a session holding these cards in the interview card window.
    QString openSession(const QList<Card>& cards, const QString& name = QStringLiteral("Impiegati"))
    {
        QByteArray bytes;
        for (const Card& c : cards)
            bytes += record(c);
        m_folder->write(name + QStringLiteral(".vai"), bytes);
        const QString path = m_folder->file(name + QStringLiteral(".vai"));
        Windows::torneo()->lblFile->setText(path);
        return path;
    }

    std::unique_ptr<TfrmExpTorneo> openWindow()
    {
        std::unique_ptr<TfrmExpTorneo> w(new TfrmExpTorneo(Windows::torneo()));
        w->show();
        return w;
    }

    QString cell(TfrmExpTorneo* w, int row, const QString& column)
    {
        return w->model()->index(row, w->column(column)).data().toString();
    }

private slots:
    void initTestCase() { Windows::createFirst(); }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init()
    {
        resetSeams();
        m_folder.reset(new TempProgramFolder);
    }
    void cleanup()
    {
        m_folder.reset();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void windowLayout()
    {
        openSession({});
        auto w = openWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral(" Esporta archivio candidati esaminati in Microsoft Excel"));
        QCOMPARE(w->size(), QSize(862, 560));
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(w->panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        QVERIFY(control<QTableView>(w.get(), QStringLiteral("grdRecords")));
        for (const char* name : {"cmdEsporta", "cmdGuida", "cmdEsci"}) {
            auto* b = control<PictureButton>(w.get(), QString::fromLatin1(name));
            QVERIFY(b);
            QVERIFY(!b->accessibleName().isEmpty());
            QCOMPARE(b->focusPolicy(), Qt::TabFocus);
        }
    }

    void gridColumns()
    {
        openSession({kRossi});
        auto w = openWindow();
        struct Expect
        {
            const char* name;
            const char* header;
            int width;
            bool editable;
        };
        const Expect expected[] = {
            {"colNum", "N.", 60, false},
            {"colConcorrente", "Candidato", 250, true},
            {"colResponsabile", "Codice fiscale", 180, true},
            {"colTelefono", "Provenienza", 250, false},
            {"colEmail", "Data colloquio", 150, false},
            {"colPunteggio", "Punteggio totale", 140, false},
            {"colNote", "Note", 350, true},
            {"colCompletato", "Idoneo", 140, false},
        };
        QCOMPARE(w->model()->columnCount(), 8);
        for (int c = 0; c < 8; ++c) {
            const Expect& e = expected[c];
            QCOMPARE(w->column(QString::fromLatin1(e.name)), c);
            QCOMPARE(w->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                     QString::fromUtf8(e.header));
            QCOMPARE(w->grdRecords->columnWidth(c), e.width);
            QCOMPARE(bool(w->model()->index(0, c).flags() & Qt::ItemIsEditable), e.editable);
        }
        QCOMPARE(w->grdRecords->verticalHeader()->defaultSectionSize(), 21);
        QVERIFY(w->grdRecords->alternatingRowColors());
    }

    void gridShowsTheOpenSession()
    {
        openSession({kRossi, kNiccolo, kRossi});
        auto w = openWindow();
        QCOMPARE(w->model()->rowCount(), 3);
        QCOMPARE(cell(w.get(), 0, "colNum"), QStringLiteral("1"));
        QCOMPARE(cell(w.get(), 2, "colNum"), QStringLiteral("3"));
        QCOMPARE(cell(w.get(), 1, "colConcorrente"), QStringLiteral("Niccolò D'Angelo & Figli <b>"));
        QCOMPARE(cell(w.get(), 1, "colTelefono"), QStringLiteral("Città di Castello"));
        QCOMPARE(cell(w.get(), 0, "colEmail"), QStringLiteral("12/03/2024"));
        QCOMPARE(cell(w.get(), 0, "colPunteggio"), QStringLiteral("27,50"));
        QCOMPARE(cell(w.get(), 1, "colNote"), QStringLiteral("Disponibilità > 5 giorni, costo 80 €"));
        QCOMPARE(cell(w.get(), 0, "colCompletato"), QStringLiteral("Sì"));
        QCOMPARE(cell(w.get(), 1, "colCompletato"), QStringLiteral("No"));
    }

    void partialTailIsNotACard()
    {
        const QString path = openSession({kRossi});
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        f.write(QByteArray(100, 'z'));
        f.close();
        auto w = openWindow();
        QCOMPARE(w->model()->rowCount(), 1);
    }

    void emptySessionExportsTheHeaderOnly()
    {
        openSession({});
        auto w = openWindow();
        QCOMPARE(w->model()->rowCount(), 0);
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        QCOMPARE(m_folder->read(QStringLiteral("Sessione_Esame.xls")), dataFile(QStringLiteral("sessione_vuota.xls")));
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).kind, Messages::Kind::Confirmation);
        QCOMPARE(shown.at(0).text, SpreadsheetExport::confirmMessage());
        QCOMPARE(shown.at(1).kind, Messages::Kind::Confirmation);
        QCOMPARE(
            shown.at(1).text,
            QStringLiteral(
                "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?"));
        QCOMPARE(TMisc::opened(), QStringList {exportQuote(*m_folder)});
        QVERIFY(w->isVisible()); // the window stays open
    }

    void smallSessionExport()
    {
        openSession({kRossi, kNiccolo});
        auto w = openWindow();
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        QCOMPARE(m_folder->read(QStringLiteral("Sessione_Esame.xls")),
                 dataFile(QStringLiteral("sessione_piccola.xls")));
        QCOMPARE(Messages::takeShown().size(), 2);
        QVERIFY(TMisc::opened().isEmpty()); // "No": the file is not opened
    }

    // The .csv file of the same session, built by hand: mark, ";", CR LF,
    // quotes only around the value holding a quotation mark, the score with
    // its comma, an edited cell as typed.
    void smallSessionCsv()
    {
        openSession({kRossi, kNiccolo});
        auto w = openWindow();
        w->model()->setData(w->model()->index(1, w->column(QStringLiteral("colNote"))),
                            QStringLiteral("=chiamare \"subito\"; è urgente"), Qt::EditRole);
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(w->cmdEsportaCsv, Qt::LeftButton);
        const QByteArray expected =
            "\xEF\xBB\xBF"
            "Candidato;Codice fiscale;Provenienza;Data colloquio;Punteggio totale;Note;Idoneo\r\n"
            "Rossi Mario;RSSMRA80A01H501U;Roma;12/03/2024;27,50;Ottimo colloquio;S\xC3\xAC\r\n"
            "Niccol\xC3\xB2 D'Angelo & Figli <b>;;Citt\xC3\xA0 di Castello;13/03/2024;9,00;"
            "\"'=chiamare \"\"subito\"\"; \xC3\xA8 urgente\";No\r\n";
        QCOMPARE(m_folder->read(QStringLiteral("Sessione_Esame.csv")), expected);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).kind, Messages::Kind::Confirmation);
        QVERIFY(shown.at(0).text.contains(QStringLiteral("Sessione_Esame.csv")));
        QVERIFY(TMisc::opened().isEmpty());
        // The design's file is not written by the new command.
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("Sessione_Esame.xls"))));
    }

    void declinedExportWritesNothing()
    {
        openSession({kRossi});
        m_folder->write(QStringLiteral("Sessione_Esame.xls"), "old");
        auto w = openWindow();
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        QCOMPARE(m_folder->read(QStringLiteral("Sessione_Esame.xls")), QByteArray("old"));
        QCOMPARE(Messages::takeShown().size(), 1);
        QVERIFY(TMisc::opened().isEmpty());
    }

    void closedQuestionCountsAsYes()
    {
        openSession({});
        auto w = openWindow();
        Messages::queueAnswer(Messages::Answer::Cancel);
        Messages::queueAnswer(Messages::Answer::Cancel);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Sessione_Esame.xls"))));
        QCOMPARE(TMisc::opened().size(), 1);
    }

    void editsAreExportedButNotStored()
    {
        const QString path = openSession({kRossi, kNiccolo});
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();

        auto w = openWindow();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        // Correct the name of card 1 by typing over its cell, ended with Enter.
        const QModelIndex name = w->model()->index(0, w->column(QStringLiteral("colConcorrente")));
        QTest::mouseClick(w->grdRecords->viewport(), Qt::LeftButton, {}, w->grdRecords->visualRect(name).center());
        QCOMPARE(w->grdRecords->currentIndex(), name);
        QTest::keyClick(w->grdRecords, 'R');
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("R"));
        QTest::keyClicks(editor, QStringLiteral("ossi Maria & C."));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(cell(w.get(), 0, "colConcorrente"), QStringLiteral("Rossi Maria & C."));

        // Notes of card 2 typed and left open while the export runs.
        const QModelIndex note = w->model()->index(1, w->column(QStringLiteral("colNote")));
        w->grdRecords->setCurrentIndex(note);
        w->grdRecords->edit(note);
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("Disponibilità > 5 giorni, costo 80 €"));
        editor->selectAll();
        typeText(editor, QStringLiteral("  richiamare è urgente "));

        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        Messages::takeShown();

        QByteArray expected = dataFile(QStringLiteral("sessione_piccola.xls"));
        expected.replace("<td style=\"text-align: left;\">Rossi Mario</td>",
                         "<td style=\"text-align: left;\">Rossi Maria &amp; C.</td>");
        expected.replace("Disponibilit\xE0 &gt; 5 giorni, costo 80 \x80", "richiamare \xE8 urgente");
        QCOMPARE(m_folder->read(QStringLiteral("Sessione_Esame.xls")), expected);

        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void readOnlyColumnsTakeNoTyping()
    {
        openSession({kRossi});
        auto w = openWindow();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        for (const char* name : {"colNum", "colTelefono", "colEmail", "colPunteggio", "colCompletato"}) {
            const QModelIndex idx = w->model()->index(0, w->column(QString::fromLatin1(name)));
            QVERIFY(!w->model()->setData(idx, QStringLiteral("x"), Qt::EditRole));
            w->grdRecords->setCurrentIndex(idx);
            QTest::keyClick(w->grdRecords, 'x');
            QVERIFY2(!w->grdRecords->viewport()->findChild<QLineEdit*>(), name);
        }
        QCOMPARE(cell(w.get(), 0, "colPunteggio"), QStringLiteral("27,50"));
    }

    void exportingAnotherSessionReplacesTheFile()
    {
        openSession({kRossi, kNiccolo}, QStringLiteral("Prima"));
        {
            auto w = openWindow();
            Messages::queueAnswer(Messages::Answer::Yes);
            Messages::queueAnswer(Messages::Answer::No);
            QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        }
        openSession({}, QStringLiteral("Seconda"));
        auto w = openWindow();
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        QCOMPARE(m_folder->read(QStringLiteral("Sessione_Esame.xls")), dataFile(QStringLiteral("sessione_vuota.xls")));
        Messages::takeShown();
    }

    void unwritableExportShowsThePlainMessage()
    {
        // A folder where the export file should be: the file cannot be made.
        openSession({kRossi});
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Sessione_Esame.xls")));
        auto w = openWindow();
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1).kind, Messages::Kind::Plain);
        QCOMPARE(shown.at(1).text,
                 QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                                "file di Excel non sia già aperto."));
        QVERIFY(TMisc::opened().isEmpty());
        QVERIFY(w->isVisible());
    }

    void missingSessionFileIsCreatedEmpty()
    {
        const QString path = m_folder->file(QStringLiteral("Sparita.vai"));
        Windows::torneo()->lblFile->setText(QStringLiteral("  ") + path + QStringLiteral(" "));
        auto w = openWindow();
        QCOMPARE(w->model()->rowCount(), 0);
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void unreadableSessionGivesAnEmptyGrid()
    {
        // A folder named like the session: nothing to read, and no message.
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Cartella.vai")));
        Windows::torneo()->lblFile->setText(m_folder->file(QStringLiteral("Cartella.vai")));
        auto w = openWindow();
        QCOMPARE(w->model()->rowCount(), 0);
        QVERIFY(Messages::shown().isEmpty());
    }

    // Its export says that the session cannot be read and writes nothing.
    void unreadableSessionIsNotExported()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Cartella.vai")));
        Windows::torneo()->lblFile->setText(m_folder->file(QStringLiteral("Cartella.vai")));
        auto w = openWindow();
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown.at(0).kind), int(Messages::Kind::Error));
        QCOMPARE(shown.at(0).text, RecordFile::accessMessage());
        QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Sessione_Esame.xls"))));
        QVERIFY(TMisc::opened().isEmpty());
    }

    void helpButton()
    {
        openSession({});
        auto w = openWindow();
        QString title;
        QString text;
        Modal::queueHook([&](QDialog* d) {
            auto* guida = qobject_cast<TfrmGuida*>(d);
            QVERIFY(guida);
            title = guida->lblTitolo->text();
            text = guida->txtGuida->toPlainText();
        });
        QTest::mouseClick(w->cmdGuida, Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Esportazione archivio candidati esaminati in Microsoft Excel"));
        QCOMPARE(text.split(QStringLiteral("\n\n")).size(), 3);
        QCOMPARE(Modal::history(), QStringList {QStringLiteral("TfrmGuida")});
    }

    void exitCloses()
    {
        openSession({});
        auto w = openWindow();
        QTest::mouseClick(w->cmdEsci, Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }

    void informationBar()
    {
        openSession({kRossi});
        auto w = openWindow();
        moveOver(w->cmdEsporta);
        QCOMPARE(w->panInfo->text(), QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
        moveOver(w->cmdGuida);
        QCOMPARE(w->panInfo->text(), QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
        moveOver(w->cmdEsci);
        QCOMPARE(w->panInfo->text(), QStringLiteral("Esci da questo ambiente di lavoro."));
        for (QWidget* background :
             {static_cast<QWidget*>(w.get()), static_cast<QWidget*>(w->panContainer), w->grdRecords->viewport(),
              static_cast<QWidget*>(w->shpSfondo), static_cast<QWidget*>(w->shpInfo)}) {
            moveOver(w->cmdEsci);
            QVERIFY(!w->panInfo->text().isEmpty());
            moveOver(background);
            QVERIFY2(w->panInfo->text().isEmpty(), qPrintable(background->objectName()));
        }
        QCOMPARE(w->cmdEsporta->toolTip(), QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    }
};

SELVORA_TEST_MAIN(TestExpTorneo)
#include "tst_exptorneo.moc"
