#include "sessions/ui/ApriArchivio.h"

#include "app/core/ProgramFolder.h"
#include "app/core/TextRules.h"
#include "app/platform/Messages.h"
#include "app/ui/Avvio.h"
#include "app/ui/Help.h"
#include "app/ui/PictureButton.h"
#include "app/ui/Windows.h"
#include "sessions/core/SessionCatalogue.h"
#include "sessions/ui/Torneo.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

const QString kEmptyList = QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione.");

// Items keep the program's list order: a to z compared as A to Z, every other
// character by its code.
class SessionItem : public QListWidgetItem
{
public:
    explicit SessionItem(const QString& text)
        : QListWidgetItem(text)
    {
        QFont font(QStringLiteral("Courier New"), 14);
        font.setStyleHint(QFont::Monospace);
        setFont(font);
        setForeground(Qt::black);
    }
    bool operator<(const QListWidgetItem& other) const override
    {
        return TextRules::listLess(text(), other.text());
    }
};

QString countLine(int n)
{
    return QStringLiteral("Sono state create %1 sessioni.").arg(n);
}

} // namespace

TfrmApriArchivio::TfrmApriArchivio(QWidget* parent)
    : ScreenWindow(parent)
{
    setObjectName(QStringLiteral("frmApriArchivio"));
    setWindowTitle(QStringLiteral(" Selvora - Apertura sessione"));
    setWindowIcon(selvoraIcon(QStringLiteral("folder-open")));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panApri"));
    panel->setStyleSheet(QStringLiteral("#panApri { background: white; border: 2px solid #4682B4; border-radius: 8px; }"));
    panel->setMaximumWidth(820);

    auto* heading = new QLabel(QStringLiteral("Sessioni di colloqui esistenti"), panel);
    heading->setObjectName(QStringLiteral("titApri"));
    heading->setFont(QFont(QStringLiteral("Verdana"), 16, QFont::Bold));
    heading->setStyleSheet(QStringLiteral("color: #1f4e79; border: none;"));

    auto* caption = new QLabel(QStringLiteral("&Elenco delle sessioni:"), panel);
    caption->setFont(QFont(QStringLiteral("Verdana"), 11));
    caption->setStyleSheet(QStringLiteral("border: none;"));

    lstFiles = new QListWidget(panel);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setSortingEnabled(true);
    lstFiles->setAccessibleName(QStringLiteral("Elenco delle sessioni"));
    lstFiles->setMinimumHeight(320);
    caption->setBuddy(lstFiles);

    lblCreati = new QLabel(countLine(0), panel);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));
    lblCreati->setFont(QFont(QStringLiteral("Verdana"), 12));
    lblCreati->setStyleSheet(QStringLiteral("color: green; border: none;"));

    btnApri = new PictureButton(QStringLiteral("btnApri"), QStringLiteral("folder-open"),
                                QStringLiteral("APRI ARCHIVIO"), QStringLiteral("Apri archivio"), panel);
    btnApri->setToolTip(QStringLiteral("Apre la sessione selezionata nella finestra delle schede di colloquio."));
    btnElimina = new PictureButton(QStringLiteral("btnElimina"), QStringLiteral("trash-2"), QString(),
                                   QStringLiteral("Elimina la sessione selezionata"), panel);
    btnElimina->setToolTip(QStringLiteral("Elimina la sessione selezionata."));
    btnAnnulla = new PictureButton(QStringLiteral("btnAnnulla"), QStringLiteral("x"),
                                   QStringLiteral("ANNULLA"), QStringLiteral("Annulla"), panel);
    btnAnnulla->setToolTip(QStringLiteral("Torna al menu principale."));
    imgGuida = new PictureButton(QStringLiteral("imgGuida"), QStringLiteral("circle-help"), QString(),
                                 QStringLiteral("Guida"), panel);
    imgGuida->setToolTip(QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));

    lblMemory = makeHiddenLabel(this, QStringLiteral("lblMemory"));
    lblFile = makeHiddenLabel(this, QStringLiteral("lblFile"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(imgGuida);
    buttons->addWidget(btnElimina);
    buttons->addStretch();
    buttons->addWidget(btnApri);
    buttons->addWidget(btnAnnulla);

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(24, 24, 24, 24);
    inner->setSpacing(10);
    inner->addWidget(heading);
    inner->addWidget(caption);
    inner->addWidget(lstFiles, 1);
    inner->addWidget(lblCreati);
    inner->addLayout(buttons);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(panel, 1);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(row, 4);
    layout->addStretch();

    connect(btnApri, &QToolButton::clicked, this, &TfrmApriArchivio::btnApriClick);
    connect(btnElimina, &QToolButton::clicked, this, &TfrmApriArchivio::btnEliminaClick);
    connect(btnAnnulla, &QToolButton::clicked, this, &TfrmApriArchivio::btnAnnullaClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmApriArchivio::imgGuidaClick);
    resize(900, 650);
}

void TfrmApriArchivio::showEvent(QShowEvent* event)
{
    lblMemory->setText(QStringLiteral("avvio"));
    lblFile->setText(ProgramFolder::path());
    listSessions();
    ScreenWindow::showEvent(event);
}

void TfrmApriArchivio::listSessions()
{
    lstFiles->clear();
    const QStringList names = SessionCatalogue::list(ProgramFolder::path());
    for (const QString& name : names)
        lstFiles->addItem(new SessionItem(name));
    lstFiles->setCurrentRow(-1);
    lstFiles->clearSelection();
    lblCreati->setText(countLine(lstFiles->count()));
}

void TfrmApriArchivio::btnApriClick()
{
    if (lstFiles->count() == 0) {
        Messages::warning(this, kEmptyList);
        return;
    }
    QListWidgetItem* item = lstFiles->currentItem();
    if (!item || !item->isSelected()) {
        Messages::warning(this, QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di premere il pulsante Apri archivio."));
        return;
    }
    lblFile->setText(ProgramFolder::path() + TextRules::trimmed(item->text()));
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
        Messages::warning(this, QStringLiteral("Attenzione: selezionare dall'elenco la sessione da eliminare prima di premere il pulsante del cestino."));
        return;
    }
    if (!Messages::confirm(this, QStringLiteral("Si sta per eliminare la sessione selezionata. Si ricorda che il file eliminato non potrà essere recuperato.\r\n\r\n"
                                                "Si conferma l'eliminazione dell'archivio?")))
        return;
    const QString path = ProgramFolder::path() + TextRules::trimmed(item->text());
    lblFile->setText(path);
    // A file that is still there after the attempt was not deleted: say so
    // rather than report a deletion that did not happen.
    if (QFile::remove(path) || !QFile::exists(path)) {
        Messages::information(this, QStringLiteral("La sessione è stata eliminata con successo."));
    } else {
        Messages::error(this, QStringLiteral("Attenzione: non è stato possibile eliminare la sessione selezionata.\r\n\r\n"
                                             "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
    }
    lblMemory->setText(QStringLiteral("avvio"));
    lblFile->clear();
    listSessions();
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
