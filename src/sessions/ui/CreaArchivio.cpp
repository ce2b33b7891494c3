#include "sessions/ui/CreaArchivio.h"

#include "base/core/FileNameRule.h"
#include "base/core/ProgramFolder.h"
#include "base/core/SystemError.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "sessions/core/SessionCatalogue.h"
#include "shared/ui/CataloguePanel.h"
#include "shared/ui/ErrorReport.h"
#include "shared/ui/FieldColour.h"
#include "shared/ui/Help.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WriteGuard.h"

#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString kTopic = QStringLiteral("Gestione sessioni colloqui di lavoro");
}

TfrmCreaArchivio::TfrmCreaArchivio(QWidget* parent)
    : ScreenWindow(parent)
{
    setObjectName(QStringLiteral("frmCreaArchivio"));
    setWindowTitle(QStringLiteral(" Selvora - Creazione nuova sessione"));
    setWindowIcon(selvoraIcon(QStringLiteral("folder-plus")));

    QFrame* panel = CataloguePanel::create(this, QStringLiteral("panCrea"), 760);
    panel->setFrameShape(QFrame::StyledPanel);
    QLabel* heading = CataloguePanel::heading(panel, QStringLiteral("titCrea"),
                                              QStringLiteral("Creazione di una nuova sessione di colloqui"));

    QLabel* caption = CataloguePanel::caption(panel, QStringLiteral("&Nome della nuova sessione:"));
    caption->setObjectName(QStringLiteral("infFile"));

    txtFile = new QLineEdit(panel);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setMaxLength(250);
    txtFile->setFont(QFont(QStringLiteral("Verdana"), 16, QFont::Bold));
    txtFile->setAccessibleName(QStringLiteral("Nome della nuova sessione"));
    caption->setBuddy(txtFile);
    FieldColour::install(txtFile);
    txtFile->installEventFilter(this);

    lblHint = new QLabel(hintText(), panel);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);
    lblHint->setFont(QFont(QStringLiteral("Verdana"), 9));
    lblHint->setStyleSheet(QStringLiteral("color: #404040; border: none;"));
    lblHint->setTextInteractionFlags(Qt::TextSelectableByMouse);

    btnApplica = new PictureButton(QStringLiteral("btnApplica"), QStringLiteral("circle-check"),
                                   QStringLiteral("APPLICA E CHIUDI"), QStringLiteral("Applica e chiudi"), panel);
    btnApplica->setToolTip(QStringLiteral("Crea la nuova sessione e torna al menu principale."));
    btnAnnulla =
        CataloguePanel::cancelButton(panel, QStringLiteral("Torna al menu principale senza creare la sessione."));
    imgGuida = CataloguePanel::helpButton(panel);
    lblFile = makeHiddenLabel(this, QStringLiteral("lblFile"));

    QVBoxLayout* inner = CataloguePanel::body(panel, 12);
    inner->addWidget(heading);
    inner->addWidget(caption);
    inner->addWidget(txtFile);
    inner->addWidget(lblHint);
    inner->addLayout(CataloguePanel::commandRow({imgGuida}, {btnApplica, btnAnnulla}));
    CataloguePanel::centre(this, panel, 0, 2);

    connect(btnApplica, &QToolButton::clicked, this, &TfrmCreaArchivio::btnApplicaClick);
    WriteGuard::mark(btnApplica);
    connect(btnAnnulla, &QToolButton::clicked, this, &TfrmCreaArchivio::btnAnnullaClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmCreaArchivio::imgGuidaClick);
    // Enter in the name creates the session, as "APPLICA E CHIUDI" does.
    KeyCommands::onEnter(txtFile, [this] { btnApplica->click(); });
    KeyCommands::leaveOnEscape(this, btnAnnulla);
    KeyCommands::bind(this, imgGuida, {KeyCommands::HelpKey});
    resize(900, 600);
}

QString TfrmCreaArchivio::hintText()
{
    const QString advice = QStringLiteral("conviene darle il nome del ruolo e del periodo dei colloqui.");
    // An installed copy keeps its data away from the program's own folder,
    // which it never writes: the hint names the folder that holds them.
    if (ProgramFolder::mode() == ProgramFolder::Mode::Installed)
        return QStringLiteral("Ogni sessione è un file con estensione VAI nella cartella dei dati di Selvora (%1): ")
                   .arg(QDir::toNativeSeparators(QDir::cleanPath(ProgramFolder::path()))) +
            advice;
    return QStringLiteral("Ogni sessione è un file con estensione VAI nella cartella del programma: ") + advice;
}

void TfrmCreaArchivio::showEvent(QShowEvent* event)
{
    lblHint->setText(hintText());
    txtFile->clear();
    txtFile->setFocus();
    ScreenWindow::showEvent(event);
}

bool TfrmCreaArchivio::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtFile && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        // Characters a file name cannot hold are dropped as they are typed.
        if (typed.size() == 1 && SessionCatalogue::isRefusedKey(typed.at(0)))
            return true;
    }
    return ScreenWindow::eventFilter(watched, event);
}

void TfrmCreaArchivio::btnApplicaClick()
{
    lblFile->clear();
    const QString name = TextRules::trimmed(txtFile->text());
    if (name.isEmpty()) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: per creare la nuova sessione è necessario indicarne il nome."));
        txtFile->setFocus();
        return;
    }
    // A pasted name may hold what typing would have refused: a separator
    // would put the file outside the program folder.
    if (!SessionCatalogue::isAcceptableName(name)) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: il nome della sessione contiene caratteri non ammessi.\r\n\r\n"
                                         "Non si possono usare i caratteri \" * / : < > ? \\ | ° Ç Ñ ç ñ."));
        txtFile->setFocus();
        return;
    }
    // A name Windows refuses for a file (CON, aux, a final dot) would make a
    // folder that a Windows copy cannot open.
    const QString refusal = FileNameRule::refusal(name);
    if (!refusal.isEmpty()) {
        Messages::warning(this, refusal);
        txtFile->setFocus();
        return;
    }
    const QString fileName = name + SessionCatalogue::Extension;
    const QString path = ProgramFolder::file(fileName);
    lblFile->setText(path);
    if (SessionCatalogue::exists(ProgramFolder::path(), fileName)) {
        Messages::warning(
            this,
            QStringLiteral("Attenzione: il nome della sessione indicato è già stato utilizzato in precedenza.\r\n\r\n"
                           "Inserire un nome diverso oppure, se si desidera aprire una sessione già creata, "
                           "premere il pulsante Apri sessione esistente."));
        return;
    }
    const int error = SessionCatalogue::createEmpty(path);
    if (error != 0) {
        ErrorReport::show(SystemError::ioError(error));
        return;
    }
    Messages::information(
        this,
        QStringLiteral("Il file di archivio relativo alla nuova sessione è stato creato con successo.\r\n\r\n"
                       "E' ora possibile visualizzarlo nell'elenco delle sessioni esistenti."));
    close();
}

void TfrmCreaArchivio::btnAnnullaClick()
{
    close();
}

void TfrmCreaArchivio::imgGuidaClick()
{
    Help::showTopic(this, kTopic);
}
