#include "sessions/ui/ApriArchivio.h"

#include "app/ui/Windows.h"
#include "base/core/ProgramFolder.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "candidates/core/SchedaCandidato.h"
#include "competition/core/CompetitionStore.h"
#include "competition/ui/CompetitionWindow.h"
#include "sessions/core/SessionCatalogue.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/CataloguePanel.h"
#include "shared/ui/Help.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SessionList.h"
#include "shared/ui/WriteGuard.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

const QString kEmptyList = QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione.");

} // namespace

TfrmApriArchivio::TfrmApriArchivio(QWidget* parent)
    : ScreenWindow(parent)
{
    setObjectName(QStringLiteral("frmApriArchivio"));
    setWindowTitle(QStringLiteral(" Selvora - Apertura sessione"));
    setWindowIcon(selvoraIcon(QStringLiteral("folder-open")));

    QFrame* panel = CataloguePanel::create(this, QStringLiteral("panApri"), 820);
    QLabel* heading =
        CataloguePanel::heading(panel, QStringLiteral("titApri"), QStringLiteral("Sessioni di colloqui esistenti"));

    const SessionList::Controls sessions = SessionList::create(panel, 320);
    lstFiles = sessions.list;
    lblCreati = CataloguePanel::note(panel, QStringLiteral("lblCreati"), SessionList::countLine(0));

    btnApri = new PictureButton(QStringLiteral("btnApri"), QStringLiteral("folder-open"),
                                QStringLiteral("APRI ARCHIVIO"), QStringLiteral("Apri archivio"), panel);
    btnApri->setToolTip(QStringLiteral("Apre la sessione selezionata nella finestra delle schede di colloquio."));
    btnElimina = new PictureButton(QStringLiteral("btnElimina"), QStringLiteral("trash-2"), QString(),
                                   QStringLiteral("Elimina la sessione selezionata"), panel);
    btnElimina->setToolTip(QStringLiteral("Elimina la sessione selezionata."));
    btnConcorso = new PictureButton(QStringLiteral("btnConcorso"), QStringLiteral("list"), QStringLiteral("CONCORSO…"),
                                    QStringLiteral("Concorso"), panel);
    btnConcorso->setToolTip(QStringLiteral("Un concorso di più prove: punteggio finale, titoli di preferenza, "
                                           "riserve, vincitori e idonei."));
    btnAnnulla = CataloguePanel::cancelButton(panel, QStringLiteral("Torna al menu principale."));
    imgGuida = CataloguePanel::helpButton(panel);

    lblMemory = makeHiddenLabel(this, QStringLiteral("lblMemory"));
    lblFile = makeHiddenLabel(this, QStringLiteral("lblFile"));

    QVBoxLayout* inner = CataloguePanel::body(panel, 10);
    inner->addWidget(heading);
    inner->addWidget(sessions.caption);
    inner->addWidget(lstFiles, 1);
    inner->addWidget(lblCreati);
    inner->addLayout(CataloguePanel::commandRow({imgGuida, btnElimina}, {btnApri, btnConcorso, btnAnnulla}));
    CataloguePanel::centre(this, panel, 4, 0);

    connect(btnApri, &QToolButton::clicked, this, &TfrmApriArchivio::btnApriClick);
    connect(btnElimina, &QToolButton::clicked, this, &TfrmApriArchivio::btnEliminaClick);
    WriteGuard::mark(btnElimina);
    connect(btnConcorso, &QToolButton::clicked, this, &TfrmApriArchivio::btnConcorsoClick);
    connect(btnAnnulla, &QToolButton::clicked, this, &TfrmApriArchivio::btnAnnullaClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmApriArchivio::imgGuidaClick);
    // The keyboard: Enter on the list opens the chosen session, Escape leaves as
    // "ANNULLA" does, F1 opens the help.
    KeyCommands::onEnter(lstFiles, [this] { btnApri->click(); });
    KeyCommands::leaveOnEscape(this, btnAnnulla);
    KeyCommands::bind(this, imgGuida, {KeyCommands::HelpKey});
    resize(900, 650);
}

void TfrmApriArchivio::showEvent(QShowEvent* event)
{
    lblMemory->setText(QStringLiteral("avvio"));
    lblFile->setText(ProgramFolder::path());
    listSessions();
    ScreenWindow::showEvent(event);
    // The work is choosing a session.
    lstFiles->setFocus(Qt::OtherFocusReason);
}

void TfrmApriArchivio::listSessions()
{
    SessionList::fill(lstFiles, lblCreati);
}

void TfrmApriArchivio::btnApriClick()
{
    if (lstFiles->count() == 0) {
        Messages::warning(this, kEmptyList);
        return;
    }
    QListWidgetItem* item = lstFiles->currentItem();
    if (!item || !item->isSelected()) {
        Messages::warning(
            this,
            QStringLiteral(
                "Attenzione: selezionare la sessione dall'elenco prima di premere il pulsante Apri archivio."));
        return;
    }
    // The file as listed: a name may start with a blank, and trimming it
    // would open (and create) another file.
    lblFile->setText(ProgramFolder::path() + item->text());
    lblMemory->setText(QStringLiteral("password"));
    close();
}

void TfrmApriArchivio::afterClose()
{
    if (lblMemory->text() == QLatin1String("password")) {
        TfrmTorneo* torneo = Windows::torneo();
        QListWidgetItem* item = lstFiles->currentItem();
        torneo->lblFile->setText(TextRules::trimmed(lblFile->text()));
        torneo->lblNome->setText(item ? SessionCatalogue::sessionName(item->text()) : QString());
        torneo->showMaximized();
        return;
    }
    ScreenWindow::afterClose();
}

void TfrmApriArchivio::btnEliminaClick()
{
    if (lstFiles->count() == 0) {
        Messages::warning(this, kEmptyList);
        return;
    }
    QListWidgetItem* item = lstFiles->currentItem();
    if (!item || !item->isSelected()) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: selezionare dall'elenco la sessione da eliminare prima di "
                                         "premere il pulsante del cestino."));
        return;
    }
    if (!Messages::confirm(this,
                           QStringLiteral("Si sta per eliminare la sessione selezionata. Si ricorda che il file "
                                          "eliminato non potrà essere recuperato.\r\n\r\n"
                                          "Si conferma l'eliminazione dell'archivio?")))
        return;
    // A session that is a test of a competition takes that competition's
    // ranking with it: said before anything is deleted.
    const QStringList competitions = CompetitionStore::competitionsUsing(ProgramFolder::path(), item->text());
    if (!competitions.isEmpty() &&
        !Messages::confirm(this,
                           QStringLiteral("La sessione è una prova del concorso «%1». Eliminandola, la "
                                          "graduatoria del concorso non potrà più essere calcolata.\r\n\r\n"
                                          "Si vuole eliminarla comunque?")
                               .arg(competitions.join(QStringLiteral("», «")))))
        return;
    const QString path = ProgramFolder::path() + item->text();
    lblFile->setText(path);
    // A file that is still there after the attempt was not deleted: say so
    // rather than report a deletion that did not happen. The session's
    // scoring grid goes with it.
    if (SessionCatalogue::removeSession(path, nullptr)) {
        Messages::information(this, QStringLiteral("La sessione è stata eliminata con successo."));
    } else {
        Messages::error(
            this,
            QStringLiteral(
                "Attenzione: non è stato possibile eliminare la sessione selezionata.\r\n\r\n"
                "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
    }
    lblMemory->setText(QStringLiteral("avvio"));
    lblFile->clear();
    listSessions();
}

void TfrmApriArchivio::btnConcorsoClick()
{
    CompetitionWindow dialog(ProgramFolder::path(), CandidateArchive::path(), this);
    Modal::run(&dialog);
}

void TfrmApriArchivio::btnAnnullaClick()
{
    lblMemory->setText(QStringLiteral("avvio"));
    close();
}

void TfrmApriArchivio::imgGuidaClick()
{
    Help::showTopic(this, QStringLiteral("Gestione sessioni colloqui di lavoro"));
}
