// The program from the keyboard alone, on real windows over real files in a
// temporary program folder: Enter opens the chosen line of every list (and
// lists open on their first line), Enter in a search form searches, Enter on
// a focused button presses it, Escape leaves the working windows as their exit
// command does, the command keys of the card windows (named in the tooltips,
// never typed into a field), the focus on something named when a window
// opens, and the interview date typed into its field.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "base/core/Clock.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/Candidati.h"
#include "rankings/ui/ApriClassifica.h"
#include "rankings/ui/ExpClassifica.h"
#include "rankings/ui/OfficialRankingWindow.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/ui/ApriArchivio.h"
#include "sessions/ui/CreaArchivio.h"
#include "sessions/ui/GridWindow.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/FocusStyle.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SearchWindow.h"
#include "shared/ui/SummaryList.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/core/DatePickerRules.h"
#include "tools/ui/Calendario.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

#include <memory>

namespace {

const QString kArchive = QStringLiteral("Archivio_Candidati.pro");

QByteArray interviewCard(const QString& name, const QString& score, bool suitable)
{
    TSchedaColloquio s;
    s.Candidato = name;
    s.CodiceFiscale = QString();
    s.Provenienza = QStringLiteral("Roma");
    s.DataColloquio = QStringLiteral("04/03/2024");
    s.Dettagli = QString();
    s.Punteggio = score;
    s.Note = QString();
    s.Idoneo = suitable ? QStringLiteral("Sì") : QStringLiteral("No");
    return s.encode();
}

// Three cards in an order the sorted lists change: Verdi, Bianchi, Rossi.
QByteArray session()
{
    return interviewCard(QStringLiteral("Verdi Luca"), QStringLiteral("20,00"), true) +
        interviewCard(QStringLiteral("Bianchi Anna"), QStringLiteral("27,50"), true) +
        interviewCard(QStringLiteral("Rossi Mario"), QStringLiteral("25,00"), true);
}

QByteArray candidate(const QString& name)
{
    TSchedaCandidato s;
    s.Candidato = name;
    s.Sesso = QStringLiteral("M");
    s.Ricontatta = TSchedaCandidato::si();
    return s.encode();
}

QByteArray archive()
{
    return candidate(QStringLiteral("Verdi Luca")) + candidate(QStringLiteral("Bianchi Anna")) +
        candidate(QStringLiteral("Rossi Mario"));
}

QString spoken(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Makes the window active, as a user's window is, so that its keys reach it.
void activateWindow(QWidget* w)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    if (QApplication::activeWindow() != w)
        QApplication::setActiveWindow(w);
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

// A key pressed where the focus is, as the keyboard sends it.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = focused();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// How each list of the program is reached.
enum class List
{
    CandidateSearchFromArchive,
    CandidateSearchFromInterview,
    SessionSearch,
    SuitableList,
    RecontactList,
};

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;

    TfrmTorneo* openSession(const QString& file = QStringLiteral("Marzo.vai"))
    {
        m_folder->write(file, session());
        TfrmTorneo* w = Windows::torneo();
        w->hide();
        w->lblFile->setText(m_folder->file(file));
        w->lblNome->setText(QStringLiteral("Marzo"));
        w->showMaximized();
        activateWindow(w);
        return w;
    }

    TfrmCandidati* openArchive()
    {
        m_folder->write(kArchive, archive());
        TfrmCandidati* w = Windows::candidati();
        w->hide();
        w->showMaximized();
        activateWindow(w);
        return w;
    }

private slots:
    void initTestCase() { Windows::createFirst(); }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init()
    {
        resetSeams();
        Clock::setToday(QDate(2024, 3, 5));
        m_folder.reset(new TempProgramFolder);
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->hide();
        m_folder.reset();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    // --- lists ----------------------------------------------------------

    void enterOpensTheChosenLine_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<bool>("search"); // a filter form comes first
        QTest::newRow("candidate search, archive") << int(List::CandidateSearchFromArchive) << true;
        QTest::newRow("candidate search, interview card") << int(List::CandidateSearchFromInterview) << true;
        QTest::newRow("session search") << int(List::SessionSearch) << true;
        QTest::newRow("suitable list") << int(List::SuitableList) << false;
        QTest::newRow("recontact list") << int(List::RecontactList) << false;
    }
    void enterOpensTheChosenLine()
    {
        QFETCH(int, list);
        QFETCH(bool, search);
        const auto kind = List(list);
        const bool fromArchive = kind == List::CandidateSearchFromArchive || kind == List::RecontactList;
        TfrmCandidati* candidati = nullptr;
        TfrmTorneo* torneo = nullptr;
        if (fromArchive) {
            candidati = openArchive();
        } else {
            m_folder->write(kArchive, archive());
            torneo = openSession();
        }

        bool seen = false;
        Modal::queueHook([&](QDialog* d) {
            auto* window = qobject_cast<ListWindow*>(d);
            QVERIFY(window);
            activateWindow(window);
            if (search) {
                auto* form = qobject_cast<SearchWindow*>(window);
                QVERIFY(form);
                // Enter in a filter searches, from any field.
                form->filters().at(1)->setFocus();
                press(Qt::Key_Return);
                QVERIFY(window->panContainer->isVisible());
                QCOMPARE(window->lstRecords->count(), 3);
                // The focus is on the result, named.
                QCOMPARE(focused(), static_cast<QWidget*>(window->lstRecords));
            } else {
                window->lstRecords->setFocus();
            }
            QVERIFY(!spoken(focused()).isEmpty());
            // The first line is chosen: the first Down goes to the second.
            QCOMPARE(window->lstRecords->selectedRow(), 0);
            press(Qt::Key_Down);
            QCOMPARE(window->lstRecords->selectedRow(), 1);
            press(Qt::Key_Return);
            seen = true;
        });
        if (kind == List::CandidateSearchFromArchive)
            candidati->cmdTrova->click();
        else if (kind == List::RecontactList)
            candidati->cmdScadute->click();
        else if (kind == List::CandidateSearchFromInterview)
            torneo->btnCandidato->click();
        else if (kind == List::SessionSearch)
            torneo->cmdTrova->click();
        else
            torneo->cmdNonPagati->click();
        QVERIFY(seen);
        // Sorted: Bianchi, Rossi, Verdi; the second line is Rossi's card.
        if (fromArchive)
            QCOMPARE(candidati->txtCandidato->text().trimmed(), QStringLiteral("Rossi Mario"));
        else
            QCOMPARE(torneo->txtConcorrente->text().trimmed(), QStringLiteral("Rossi Mario"));
        Messages::takeShown();
    }

    void sessionListsOpenWithEnter_data()
    {
        QTest::addColumn<bool>("rankings");
        QTest::newRow("session list") << false;
        QTest::newRow("ranking chooser") << true;
    }
    void sessionListsOpenWithEnter()
    {
        QFETCH(bool, rankings);
        m_folder->write(QStringLiteral("Aprile.vai"), session());
        m_folder->write(QStringLiteral("Marzo.vai"), session());
        QWidget* window = rankings ? static_cast<QWidget*>(Windows::apriClassifica())
                                   : static_cast<QWidget*>(Windows::apriArchivio());
        auto* list = window->findChild<QListWidget*>(QStringLiteral("lstFiles"));
        window->showMaximized();
        activateWindow(window);
        QCOMPARE(focused(), static_cast<QWidget*>(list));
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(list->currentItem()->isSelected());
        press(Qt::Key_Down);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Marzo.vai"));

        QString opened;
        if (rankings) {
            Modal::queueHook([&](QDialog* d) {
                opened = QString::fromLatin1(d->metaObject()->className());
                auto* ranking = qobject_cast<OfficialRankingWindow*>(d);
                QVERIFY(ranking);
                activateWindow(ranking);
                // The official ranking opens on its first line.
                QCOMPARE(focused(), static_cast<QWidget*>(ranking->grdGraduatoria));
                QCOMPARE(ranking->grdGraduatoria->currentRow(), 0);
                press(Qt::Key_Escape);
                QVERIFY(!ranking->isVisible());
            });
            press(Qt::Key_Return);
            QCOMPARE(opened, QStringLiteral("OfficialRankingWindow"));
            QVERIFY(window->isVisible());
        } else {
            press(Qt::Key_Return);
            QVERIFY(!window->isVisible());
            TfrmTorneo* torneo = Windows::torneo();
            QVERIFY(torneo->isVisible());
            QCOMPARE(torneo->lblFile->text(), m_folder->file(QStringLiteral("Marzo.vai")));
        }
        Messages::takeShown();
    }

    void rankingsOpenOnTheirList_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("alphabetical") << "btnApri";
        QTest::newRow("merit") << "btnExcel";
    }
    void rankingsOpenOnTheirList()
    {
        QFETCH(QString, button);
        m_folder->write(QStringLiteral("Marzo.vai"), session());
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->showMaximized();
        activateWindow(chooser);
        bool seen = false;
        Modal::queueHook([&](QDialog* d) {
            auto* ranking = qobject_cast<RankingWindow*>(d);
            QVERIFY(ranking);
            activateWindow(ranking);
            QCOMPARE(focused(), static_cast<QWidget*>(ranking->lstRecords));
            QVERIFY(!spoken(focused()).isEmpty());
            QCOMPARE(ranking->lstRecords->selectedRow(), 0);
            press(Qt::Key_Escape);
            seen = true;
        });
        control<PictureButton>(chooser, button)->setFocus();
        // Enter on the focused picture presses it.
        press(Qt::Key_Return);
        QVERIFY(seen);
    }

    // --- buttons --------------------------------------------------------

    void enterPressesTheFocusedButton()
    {
        // Buttons that are not the window's default: Enter on them did
        // nothing (or pressed another command).
        m_folder->write(QStringLiteral("Marzo.vai"), session());
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->showMaximized();
        activateWindow(chooser);
        bool closed = false;
        Modal::queueHook([&](QDialog* d) {
            auto* ranking = qobject_cast<RankingWindow*>(d);
            activateWindow(ranking);
            ranking->btnEsci->setFocus();
            press(Qt::Key_Return);
            closed = !ranking->isVisible();
        });
        chooser->btnExcel->click();
        QVERIFY(closed);

        Modal::queueHook([&](QDialog* d) {
            auto* grid = qobject_cast<GridWindow*>(d);
            activateWindow(grid);
            grid->btnChiudi->setFocus();
            press(Qt::Key_Enter, Qt::KeypadModifier);
            closed = !grid->isVisible();
        });
        closed = false;
        TfrmTorneo* torneo = openSession();
        torneo->cmdUltimo->click();
        torneo->cmdGriglia->click();
        QVERIFY(closed);
        Messages::takeShown();
    }

    // --- Escape ---------------------------------------------------------

    void escapeLeavesLikeTheExitCommand_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("interview card") << "torneo";
        QTest::newRow("candidate archive") << "candidati";
        QTest::newRow("session list") << "apriArchivio";
        QTest::newRow("ranking chooser") << "apriClassifica";
        QTest::newRow("new session") << "creaArchivio";
    }
    void escapeLeavesLikeTheExitCommand()
    {
        QFETCH(QString, window);
        QWidget* w = nullptr;
        if (window == QLatin1String("torneo")) {
            w = openSession();
            // From inside a field, with a card being written.
            Windows::torneo()->txtGare->setFocus();
            QTest::keyClicks(Windows::torneo()->txtGare, "Appunti");
        } else if (window == QLatin1String("candidati")) {
            w = openArchive();
            Windows::candidati()->txtCandidato->setFocus();
        } else {
            w = window == QLatin1String("apriArchivio")     ? static_cast<QWidget*>(Windows::apriArchivio())
                : window == QLatin1String("apriClassifica") ? static_cast<QWidget*>(Windows::apriClassifica())
                                                            : static_cast<QWidget*>(Windows::creaArchivio());
            w->showMaximized();
            activateWindow(w);
        }
        Windows::avvio()->hide();
        press(Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QVERIFY(Windows::avvio()->isVisible());
        Messages::takeShown();
    }

    void enterInTheNewSessionNameCreatesIt()
    {
        TfrmCreaArchivio* w = Windows::creaArchivio();
        w->showMaximized();
        activateWindow(w);
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtFile));
        QTest::keyClicks(w->txtFile, "Aprile");
        press(Qt::Key_Return);
        QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Aprile.vai"))));
        Messages::takeShown();
    }

    // --- command keys ---------------------------------------------------

    void commandKeys_data()
    {
        QTest::addColumn<bool>("archive"); // the candidate card, else the interview card
        QTest::addColumn<QString>("field"); // where the focus is
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("named"); // in the command's tooltip
        const int ctrl = int(Qt::ControlModifier);
        const int none = int(Qt::NoModifier);
        for (bool archive : {false, true}) {
            const QString a = archive ? QStringLiteral("candidate card, ") : QStringLiteral("interview card, ");
            const QString name = archive ? QStringLiteral("txtCandidato") : QStringLiteral("txtConcorrente");
            const QString notes = archive ? QStringLiteral("txtNote") : QStringLiteral("txtGare");
            QTest::newRow(qPrintable(a + "Ctrl+S")) << archive << name << int(Qt::Key_S) << ctrl << "cmdSalva"
                                                    << "Ctrl+S";
            QTest::newRow(qPrintable(a + "Ctrl+N")) << archive << name << int(Qt::Key_N) << ctrl << "cmdNuovo"
                                                    << "Ctrl+N";
            QTest::newRow(qPrintable(a + "Ctrl+F")) << archive << name << int(Qt::Key_F) << ctrl << "cmdTrova"
                                                    << "Ctrl+F";
            QTest::newRow(qPrintable(a + "Ctrl+P")) << archive << name << int(Qt::Key_P) << ctrl << "cmdStampa"
                                                    << "Ctrl+P";
            QTest::newRow(qPrintable(a + "F1")) << archive << name << int(Qt::Key_F1) << none << "cmdGuida"
                                                << "F1";
            QTest::newRow(qPrintable(a + "PgDn")) << archive << name << int(Qt::Key_PageDown) << none << "cmdAvanti"
                                                  << "PagGiù";
            QTest::newRow(qPrintable(a + "PgUp")) << archive << name << int(Qt::Key_PageUp) << none << "cmdIndietro"
                                                  << "PagSu";
            QTest::newRow(qPrintable(a + "Ctrl+PgDn in the notes"))
                << archive << notes << int(Qt::Key_PageDown) << ctrl << "cmdAvanti"
                << "PagGiù";
            QTest::newRow(qPrintable(a + "Ctrl+PgUp in the notes"))
                << archive << notes << int(Qt::Key_PageUp) << ctrl << "cmdIndietro"
                << "PagSu";
            if (!archive)
                QTest::newRow("interview card, Ctrl+G") << archive << name << int(Qt::Key_G) << ctrl << "cmdGriglia"
                                                        << "Ctrl+G";
            QTest::newRow(qPrintable(a + "Escape")) << archive << name << int(Qt::Key_Escape) << none << "cmdEsci"
                                                    << "Esc";
        }
    }
    void commandKeys()
    {
        QFETCH(bool, archive);
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, command);
        QFETCH(QString, named);
        QWidget* w = archive ? static_cast<QWidget*>(openArchive()) : static_cast<QWidget*>(openSession());
        auto* button = control<QAbstractButton>(w, command);
        QVERIFY2(button->toolTip().contains(QStringLiteral("(%1)").arg(named)), qPrintable(button->toolTip()));

        QWidget* target = control<QWidget>(w, field);
        target->setFocus();
        const auto textOf = [target] {
            if (auto* line = qobject_cast<QLineEdit*>(target))
                return line->text();
            return qobject_cast<QPlainTextEdit*>(target)->toPlainText();
        };
        const QString before = textOf();
        // The windows a command opens are closed at once.
        for (int i = 0; i < 4; ++i)
            Modal::queueHook([](QDialog* d) { d->reject(); });
        QSignalSpy pressed(button, &QAbstractButton::clicked);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(pressed.count(), 1);
        // Nothing was typed into the field by the key itself (Nuovo empties
        // the card, browsing shows another one).
        if (command != QLatin1String("cmdNuovo") && command != QLatin1String("cmdAvanti") &&
            command != QLatin1String("cmdIndietro"))
            QCOMPARE(textOf(), before);
        resetSeams();
    }

    void browsingKeysMoveBetweenCards()
    {
        TfrmTorneo* w = openSession();
        w->cmdPrimo->click();
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("1"));
        w->txtConcorrente->setFocus();
        press(Qt::Key_PageDown);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("2"));
        w->txtGare->setFocus();
        press(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
        press(Qt::Key_PageUp, Qt::ControlModifier);
        press(Qt::Key_PageUp);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(w->txtConcorrente->text(), QStringLiteral("Verdi Luca"));
    }

    // --- focus ----------------------------------------------------------

    void gridOpensOnItsFirstCell_data()
    {
        QTest::addColumn<bool>("setUp");
        QTest::newRow("criteria and committee set") << true;
        QTest::newRow("grid still to set up") << false;
    }
    void gridOpensOnItsFirstCell()
    {
        QFETCH(bool, setUp);
        if (setUp)
            m_folder->write(QStringLiteral("Marzo.griglia.json"),
                            R"({"format":"selvora-griglia-di-valutazione","version":1,"session":"Marzo.vai",
"criteria":[{"name":"Competenze tecniche","max":10,"weight":2},{"name":"Comunicazione","max":10,"weight":1}],
"members":[{"name":"Galli","role":"presidente"},{"name":"Fontana","role":"componente"}],
"scale":{"kind":"somma"},"cards":{}})");
        TfrmTorneo* torneo = openSession();
        bool seen = false;
        Modal::queueHook([&](QDialog* d) {
            auto* w = qobject_cast<GridWindow*>(d);
            activateWindow(w);
            // A grid still to be set up has no criterion to stand on: the
            // focus is on the command that adds the first one.
            QWidget* first = setUp ? static_cast<QWidget*>(w->grdPunteggi) : w->btnAggiungiCriterio;
            QCOMPARE(w->tabPagine->currentIndex(), setUp ? 0 : 1);
            QCOMPARE(focused(), first);
            QVERIFY(!spoken(focused()).isEmpty());
            if (setUp) {
                QCOMPARE(w->grdPunteggi->currentRow(), 0);
                QCOMPARE(w->grdPunteggi->currentColumn(), 0);
            }
            seen = true;
            w->done(QDialog::Rejected);
        });
        torneo->cmdUltimo->click();
        torneo->cmdGriglia->click();
        QVERIFY(seen);
        Messages::takeShown();
        resetSeams();
    }

private:
    // Opens the session's grid on its set-up page, does the work there and
    // closes the grid; false when the grid never opened.
    bool onGridSetUp(const std::function<void(GridWindow*)>& work)
    {
        TfrmTorneo* torneo = openSession();
        bool seen = false;
        Modal::queueHook([&](QDialog* d) {
            auto* w = qobject_cast<GridWindow*>(d);
            activateWindow(w);
            w->tabPagine->setCurrentIndex(1);
            seen = true;
            work(w);
            w->done(QDialog::Rejected);
        });
        torneo->cmdGriglia->click();
        return seen;
    }

private slots:
    // Tab walks the set-up page in reading order: a table, the commands under
    // it, the next table, the scale, the window's commands.
    void gridSetUpIsReadInOrder()
    {
        QStringList walked;
        QVERIFY(onGridSetUp([&](GridWindow* w) {
            w->grdCriteri->setFocus();
            for (int i = 0; i < 9; ++i) {
                walked << focused()->objectName();
                press(Qt::Key_Tab);
            }
        }));
        QCOMPARE(walked,
                 QStringList({"grdCriteri", "btnAggiungiCriterio", "btnEliminaCriterio", "grdCommissione",
                              "btnAggiungiComponente", "btnEliminaComponente", "cboScala", "btnApplica", "imgGuida"}));
        resetSeams();
    }

    // A criterion typed from the keyboard: Tab goes from cell to cell, and
    // from the last cell (still being typed into) out of the table, keeping
    // what was typed; Shift+Tab from the first cell goes back out.
    void gridCriterionIsTypedAndTheTableLeft()
    {
        QStringList walked;
        QVERIFY(onGridSetUp([&](GridWindow* w) {
            w->btnAggiungiCriterio->setFocus();
            press(Qt::Key_Return);
            const int row = w->grdCriteri->rowCount() - 1;
            QTest::keyClicks(focused(), "Competenze");
            press(Qt::Key_Tab);
            QTest::keyClicks(focused(), "10");
            press(Qt::Key_Tab);
            QTest::keyClicks(focused(), "2");
            press(Qt::Key_Tab);
            walked << focused()->objectName();
            QCOMPARE(w->grdCriteri->item(row, 0)->text(), QStringLiteral("Competenze"));
            QCOMPARE(w->grdCriteri->item(row, 1)->text(), QStringLiteral("10"));
            QCOMPARE(w->grdCriteri->item(row, 2)->text(), QStringLiteral("2"));
            w->grdCriteri->setFocus();
            w->grdCriteri->setCurrentCell(0, 0);
            press(Qt::Key_Backtab);
            walked << focused()->objectName();
        }));
        QCOMPARE(walked, QStringList({"btnAggiungiCriterio", "qt_tabwidget_tabbar"}));
        Messages::takeShown();
        resetSeams();
    }

    void gridRolesAreReachedAndNamed()
    {
        TfrmTorneo* torneo = openSession();
        bool seen = false;
        Modal::queueHook([&](QDialog* d) {
            auto* w = qobject_cast<GridWindow*>(d);
            activateWindow(w);
            w->tabPagine->setCurrentIndex(1);
            w->btnAggiungiComponente->click();
            QTest::keyClicks(focused(), "Carla Neri");
            press(Qt::Key_Return);
            w->btnAggiungiComponente->click();
            QTest::keyClicks(focused(), "Paolo Blu");
            press(Qt::Key_Return);
            // From the first name, Right reaches the first role: a box named
            // after its member, which a screen reader says.
            w->grdCommissione->setFocus();
            w->grdCommissione->setCurrentCell(0, 0);
            press(Qt::Key_Right);
            auto* box = qobject_cast<QComboBox*>(focused());
            QVERIFY(box);
            QCOMPARE(box, w->grdCommissione->cellWidget(0, 1));
            QCOMPARE(box->accessibleName(), QStringLiteral("Ruolo di Carla Neri"));
            QAccessibleInterface* said = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(said->text(QAccessible::Description), QStringLiteral("Ruolo di Carla Neri"));
            QCOMPARE(spoken(box), QStringLiteral("presidente"));
            QCOMPARE(w->grdCommissione->item(0, 1)->data(Qt::AccessibleTextRole).toString(),
                     QStringLiteral("presidente"));
            // The arrows choose the role; Tab goes on to the next member.
            press(Qt::Key_Down);
            QCOMPARE(box->currentText(), QStringLiteral("componente"));
            QCOMPARE(w->grdCommissione->item(0, 1)->data(Qt::AccessibleTextRole).toString(),
                     QStringLiteral("componente"));
            press(Qt::Key_Tab);
            QCOMPARE(focused(), static_cast<QWidget*>(w->grdCommissione));
            QCOMPARE(w->grdCommissione->currentRow(), 1);
            QCOMPARE(w->grdCommissione->currentColumn(), 0);
            seen = true;
            w->done(QDialog::Rejected);
        });
        torneo->cmdUltimo->click();
        torneo->cmdGriglia->click();
        QVERIFY(seen);
        Messages::takeShown();
    }

    void gridIsReachedWithTabFromTheScore()
    {
        TfrmTorneo* torneo = openSession();
        torneo->cmdUltimo->click();
        torneo->txtPunteggio->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(torneo->btnCalcolatrice));
        press(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(torneo->btnGriglia));
        bool opened = false;
        Modal::queueHook([&opened](QDialog* d) {
            opened = d->objectName() == QLatin1String("frmGrid");
            d->reject();
        });
        press(Qt::Key_Return);
        QVERIFY(opened);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(torneo->chkCompletato));
        resetSeams();
    }

    // A focused command, check box or choice box carries a solid frame of
    // the mark colour; the same control without the focus has none.
    void focusIsMarkedClearly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("push button") << "button";
        QTest::newRow("check box") << "check";
        QTest::newRow("choice box") << "combo";
    }
    void focusIsMarkedClearly()
    {
        QFETCH(QString, kind);
        QVERIFY(qobject_cast<FocusStyle*>(QApplication::style()));
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        QWidget* control = nullptr;
        if (kind == QLatin1String("button"))
            control = new QPushButton(QStringLiteral("Aggiungi criterio"));
        else if (kind == QLatin1String("check"))
            control = new QCheckBox(QStringLiteral("Idoneo"));
        else {
            auto* box = new QComboBox;
            box->addItems({QStringLiteral("presidente"), QStringLiteral("componente")});
            control = box;
        }
        auto* other = new QLineEdit;
        layout->addWidget(control);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QColor mark = FocusStyle::markColour();
        const auto markPixels = [&] {
            const QImage image = control->grab().toImage();
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixelColor(x, y) == mark;
            return count;
        };
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(markPixels(), 0);
        control->setFocus(Qt::TabFocusReason);
        QVERIFY(control->hasFocus());
        // At least a two-pixel frame round a caption 30 pixels wide.
        QVERIFY2(markPixels() >= 2 * (30 + 10), qPrintable(QString::number(markPixels())));
    }

    // --- the interview date ---------------------------------------------

    void dateIsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: refused with a message
        QTest::newRow("a date") << "15/04/2025"
                                << "15/04/2025";
        QTest::newRow("short day and month") << "3/4/2025"
                                             << "03/04/2025";
        QTest::newRow("31 February") << "31/02/2025"
                                     << "";
        QTest::newRow("month 13") << "15/13/2025"
                                  << "";
        QTest::newRow("no year") << "15/04"
                                 << "";
    }
    void dateIsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        TfrmTorneo* w = openSession();
        const QByteArray before = m_folder->read(QStringLiteral("Marzo.vai"));
        w->cmdNuovo->click();
        QTest::keyClicks(w->txtConcorrente, "Gialli Sara");
        w->txtEmail->setFocus();
        w->txtEmail->selectAll();
        // Letters have no place in a date; digits and slashes are typed.
        QTest::keyClick(w->txtEmail, Qt::Key_X);
        QTest::keyClicks(w->txtEmail, typed);
        QCOMPARE(Modal::history(), QStringList());
        QCOMPARE(w->txtEmail->text(), typed);
        press(Qt::Key_S, Qt::ControlModifier);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        if (stored.isEmpty()) {
            QCOMPARE(shown.at(0).text, DatePickerRules::invalidDateMessage(typed));
            QCOMPARE(focused(), static_cast<QWidget*>(w->txtEmail));
            QCOMPARE(m_folder->read(QStringLiteral("Marzo.vai")), before);
            return;
        }
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("4"));
        const QByteArray after = m_folder->read(QStringLiteral("Marzo.vai"));
        QCOMPARE(after.size(), 4 * TSchedaColloquio::Size);
        QCOMPARE(TSchedaColloquio::decode(after.mid(3 * TSchedaColloquio::Size)).DataColloquio, stored);
        QCOMPARE(w->txtEmail->text(), stored);
    }

    void tabIntoTheScoreSelectsIt()
    {
        // Reached with Tab, the score "0,00" is chosen whole, so that what is
        // typed replaces it.
        TfrmTorneo* w = openSession();
        w->cmdNuovo->click();
        w->txtGare->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtPunteggio));
        QCOMPARE(w->txtPunteggio->selectedText(), QStringLiteral("0,00"));
        QTest::keyClicks(w->txtPunteggio, "27,5");
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("27,5"));
    }

    void datePickerFromItsButtonAndKeys_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Alt+Down") << "alt";
        QTest::newRow("F4") << "f4";
        QTest::newRow("button") << "button";
    }
    void datePickerFromItsButtonAndKeys()
    {
        QFETCH(QString, how);
        TfrmTorneo* w = openSession();
        w->cmdNuovo->click();
        w->txtEmail->setFocus();
        w->txtEmail->setText(QStringLiteral("15/04/2025"));
        QDate shownDate;
        Modal::queueHook([&](QDialog* d) {
            auto* cal = qobject_cast<TfrmCalendario*>(d);
            // The calendar opens on the date in the field.
            shownDate = cal->calAppuntamenti->selectedDate();
            cal->calAppuntamenti->setSelectedDate(QDate(2025, 4, 16));
            cal->btnImportaData->click();
        });
        if (how == QLatin1String("alt"))
            press(Qt::Key_Down, Qt::AltModifier);
        else if (how == QLatin1String("f4"))
            press(Qt::Key_F4);
        else
            w->btnData->click();
        QCOMPARE(Modal::history(), QStringList {"TfrmCalendario"});
        QCOMPARE(shownDate, QDate(2025, 4, 15));
        QCOMPARE(w->txtEmail->text(), QStringLiteral("16/04/2025"));
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtEmail));
        QVERIFY(w->btnData->toolTip().contains(QStringLiteral("F4")));
    }
};

SELVORA_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
