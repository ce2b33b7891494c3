#include "rankings/ui/ApriClassifica.h"

#include "base/core/Formats.h"
#include "base/core/ProgramFolder.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "candidates/core/SchedaCandidato.h"
#include "competition/ui/CompetitionWindow.h"
#include "rankings/ui/Classifica.h"
#include "rankings/ui/ExpClassifica.h"
#include "rankings/ui/OfficialRankingWindow.h"
#include "sessions/core/SessionCatalogue.h"
#include "shared/ui/CataloguePanel.h"
#include "shared/ui/Help.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SessionList.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QVBoxLayout>

#include <memory>

TfrmApriClassifica::TfrmApriClassifica(QWidget* parent)
    : ScreenWindow(parent)
{
    Formats::apply();
    setObjectName(QStringLiteral("frmApriClassifica"));
    setWindowTitle(QStringLiteral(" Selvora - Visualizzazione graduatorie"));
    setWindowIcon(selvoraIcon(QStringLiteral("trophy")));

    QFrame* panel = CataloguePanel::create(this, QStringLiteral("panClassifica"), 860);
    QLabel* heading =
        CataloguePanel::heading(panel, QStringLiteral("titClassifiche"), QStringLiteral("Graduatorie delle sessioni"));

    lblIstruzioni =
        CataloguePanel::note(panel, QStringLiteral("lblIstruzioni"),
                             QStringLiteral("Selezionare la sessione nell'elenco sottostante e premere il pulsante "
                                            "corrispondente al tipo di graduatoria da visualizzare."));
    lblIstruzioni->setWordWrap(true);

    const SessionList::Controls sessions = SessionList::create(panel, 300);
    lstFiles = sessions.list;
    lblCreati = CataloguePanel::note(panel, QStringLiteral("lblCreati"), SessionList::countLine(0));

    btnApri =
        new PictureButton(QStringLiteral("btnApri"), QStringLiteral("arrow-down-a-z"),
                          QStringLiteral("GRADUATORIA ALFABETICA"), QStringLiteral("Graduatoria alfabetica"), panel);
    btnApri->setToolTip(QStringLiteral("Visualizza la graduatoria alfabetica della sessione selezionata."));
    btnExcel =
        new PictureButton(QStringLiteral("btnExcel"), QStringLiteral("trophy"), QStringLiteral("GRADUATORIA DI MERITO"),
                          QStringLiteral("Graduatoria di merito"), panel);
    btnExcel->setToolTip(QStringLiteral("Visualizza la graduatoria di merito della sessione selezionata."));
    btnFinal = new PictureButton(QStringLiteral("btnFinal"), QStringLiteral("list-ordered"),
                                 QStringLiteral("GRADUATORIA FINALE"), QStringLiteral("Graduatoria finale"), panel);
    btnFinal->setToolTip(QStringLiteral(
        "Visualizza la graduatoria finale della sessione selezionata: posizioni, ex aequo, spareggi e pubblicazione."));
    btnConcorso = new PictureButton(QStringLiteral("btnConcorso"), QStringLiteral("list"), QStringLiteral("CONCORSO…"),
                                    QStringLiteral("Concorso"), panel);
    btnConcorso->setToolTip(QStringLiteral("Un concorso di più prove: punteggio finale, titoli di preferenza, "
                                           "riserve, vincitori e idonei."));
    btnAnnulla = CataloguePanel::cancelButton(panel, QStringLiteral("Torna al menu principale."));
    imgGuida = CataloguePanel::helpButton(panel);

    lblFile = makeHiddenLabel(this, QStringLiteral("lblFile"));

    QVBoxLayout* inner = CataloguePanel::body(panel, 10);
    inner->addWidget(heading);
    inner->addWidget(lblIstruzioni);
    inner->addWidget(sessions.caption);
    inner->addWidget(lstFiles, 1);
    inner->addWidget(lblCreati);
    inner->addLayout(CataloguePanel::commandRow({imgGuida}, {btnApri, btnExcel, btnFinal, btnConcorso, btnAnnulla}));
    CataloguePanel::centre(this, panel, 4, 0);

    connect(btnApri, &QToolButton::clicked, this, &TfrmApriClassifica::btnApriClick);
    connect(btnExcel, &QToolButton::clicked, this, &TfrmApriClassifica::btnExcelClick);
    connect(btnFinal, &QToolButton::clicked, this, &TfrmApriClassifica::btnFinalClick);
    connect(btnConcorso, &QToolButton::clicked, this, &TfrmApriClassifica::btnConcorsoClick);
    connect(btnAnnulla, &QToolButton::clicked, this, &TfrmApriClassifica::btnAnnullaClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmApriClassifica::imgGuidaClick);
    // The keyboard: Enter on the list opens the final ranking of the chosen session, Escape leaves as
    // "ANNULLA" does, F1 opens the help.
    KeyCommands::onEnter(lstFiles, [this] { btnFinal->click(); });
    KeyCommands::leaveOnEscape(this, btnAnnulla);
    KeyCommands::bind(this, imgGuida, {KeyCommands::HelpKey});
    resize(900, 650);
}

void TfrmApriClassifica::showEvent(QShowEvent* event)
{
    // Shown again from the launcher (not merely restored): list afresh.
    if (!event->spontaneous()) {
        lblFile->clear();
        listSessions();
    }
    ScreenWindow::showEvent(event);
    // The work is choosing a session.
    lstFiles->setFocus(Qt::OtherFocusReason);
}

void TfrmApriClassifica::listSessions()
{
    SessionList::fill(lstFiles, lblCreati);
}

QString TfrmApriClassifica::chosenSession()
{
    if (lstFiles->count() == 0) {
        Messages::warning(this, QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione."));
        return QString();
    }
    QListWidgetItem* item = lstFiles->currentItem();
    if (!item || !item->isSelected()) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di premere il "
                                         "pulsante per visualizzare la graduatoria corrispondente."));
        return QString();
    }
    // The file as listed, blanks at either end of its name included.
    lblFile->setText(ProgramFolder::path() + item->text());
    return item->text();
}

void TfrmApriClassifica::btnApriClick()
{
    const QString session = chosenSession();
    if (session.isEmpty())
        return;
    TfrmClassifica* dialog = m_alphaRanking.get(this);
    dialog->lblFile->setText(lblFile->text());
    dialog->titClassifica->setText(QStringLiteral("Graduatoria alfabetica ") + SessionCatalogue::sessionName(session));
    Modal::run(dialog);
}

void TfrmApriClassifica::btnExcelClick()
{
    const QString session = chosenSession();
    if (session.isEmpty())
        return;
    TfrmExpClassifica* dialog = m_meritRanking.get(this);
    dialog->titClassifica->setText(QStringLiteral("Graduatoria di merito ") + SessionCatalogue::sessionName(session));
    Modal::run(dialog);
}

void TfrmApriClassifica::btnFinalClick()
{
    const QString session = chosenSession();
    if (session.isEmpty())
        return;
    std::unique_ptr<OfficialRankingWindow> dialog(
        new OfficialRankingWindow(lblFile->text(), SessionCatalogue::sessionName(session), this));
    Modal::run(dialog.get());
}

void TfrmApriClassifica::btnConcorsoClick()
{
    CompetitionWindow dialog(ProgramFolder::path(), CandidateArchive::path(), this);
    Modal::run(&dialog);
}

void TfrmApriClassifica::btnAnnullaClick()
{
    close();
}

void TfrmApriClassifica::imgGuidaClick()
{
    Help::showTopic(this, QStringLiteral("Visualizzazione graduatorie"));
}
