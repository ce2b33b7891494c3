#include "rankings/ui/ApriClassifica.h"

#include "app/core/Formats.h"
#include "app/core/ProgramFolder.h"
#include "app/core/TextRules.h"
#include "app/platform/Messages.h"
#include "app/platform/Modal.h"
#include "app/ui/Help.h"
#include "app/ui/PictureButton.h"
#include "rankings/ui/Classifica.h"
#include "rankings/ui/ExpClassifica.h"
#include "sessions/core/SessionCatalogue.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QVBoxLayout>

#include <memory>

namespace {

// Items keep the program's list order: a to z compared as A to Z, every other
// character by its code.
class SessionItem : public QListWidgetItem
{
public:
    explicit SessionItem(const QString& text)
        : QListWidgetItem(text)
    {
        QFont font(QStringLiteral("Courier New"), 14);
        font.setStyleHint(QFont::TypeWriter);
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

TfrmApriClassifica::TfrmApriClassifica(QWidget* parent)
    : ScreenWindow(parent)
{
    Formats::apply();
    setObjectName(QStringLiteral("frmApriClassifica"));
    setWindowTitle(QStringLiteral(" Selvora - Visualizzazione graduatorie"));
    setWindowIcon(selvoraIcon(QStringLiteral("trophy")));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panClassifica"));
    panel->setStyleSheet(QStringLiteral("#panClassifica { background: white; border: 2px solid #4682B4; border-radius: 8px; }"));
    panel->setMaximumWidth(860);

    auto* heading = new QLabel(QStringLiteral("Graduatorie delle sessioni"), panel);
    heading->setObjectName(QStringLiteral("titClassifiche"));
    heading->setFont(QFont(QStringLiteral("Verdana"), 16, QFont::Bold));
    heading->setStyleSheet(QStringLiteral("color: #1f4e79; border: none;"));

    lblIstruzioni = new QLabel(QStringLiteral("Selezionare la sessione nell'elenco sottostante e premere il pulsante "
                                              "corrispondente al tipo di graduatoria da visualizzare."),
                               panel);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setFont(QFont(QStringLiteral("Verdana"), 12));
    lblIstruzioni->setStyleSheet(QStringLiteral("color: green; border: none;"));
    lblIstruzioni->setWordWrap(true);

    auto* caption = new QLabel(QStringLiteral("&Elenco delle sessioni:"), panel);
    caption->setFont(QFont(QStringLiteral("Verdana"), 11));
    caption->setStyleSheet(QStringLiteral("border: none;"));

    lstFiles = new QListWidget(panel);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setSortingEnabled(true);
    lstFiles->setAccessibleName(QStringLiteral("Elenco delle sessioni"));
    lstFiles->setMinimumHeight(300);
    caption->setBuddy(lstFiles);

    lblCreati = new QLabel(countLine(0), panel);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));
    lblCreati->setFont(QFont(QStringLiteral("Verdana"), 12));
    lblCreati->setStyleSheet(QStringLiteral("color: green; border: none;"));

    btnApri = new PictureButton(QStringLiteral("btnApri"), QStringLiteral("arrow-down-a-z"),
                                QStringLiteral("GRADUATORIA ALFABETICA"), QStringLiteral("Graduatoria alfabetica"), panel);
    btnApri->setToolTip(QStringLiteral("Visualizza la graduatoria alfabetica della sessione selezionata."));
    btnExcel = new PictureButton(QStringLiteral("btnExcel"), QStringLiteral("trophy"),
                                 QStringLiteral("GRADUATORIA DI MERITO"), QStringLiteral("Graduatoria di merito"), panel);
    btnExcel->setToolTip(QStringLiteral("Visualizza la graduatoria di merito della sessione selezionata."));
    btnAnnulla = new PictureButton(QStringLiteral("btnAnnulla"), QStringLiteral("x"),
                                   QStringLiteral("ANNULLA"), QStringLiteral("Annulla"), panel);
    btnAnnulla->setToolTip(QStringLiteral("Torna al menu principale."));
    imgGuida = new PictureButton(QStringLiteral("imgGuida"), QStringLiteral("circle-help"), QString(),
                                 QStringLiteral("Guida"), panel);
    imgGuida->setToolTip(QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));

    lblFile = makeHiddenLabel(this, QStringLiteral("lblFile"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(imgGuida);
    buttons->addStretch();
    buttons->addWidget(btnApri);
    buttons->addWidget(btnExcel);
    buttons->addWidget(btnAnnulla);

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(24, 24, 24, 24);
    inner->setSpacing(10);
    inner->addWidget(heading);
    inner->addWidget(lblIstruzioni);
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

    connect(btnApri, &QToolButton::clicked, this, &TfrmApriClassifica::btnApriClick);
    connect(btnExcel, &QToolButton::clicked, this, &TfrmApriClassifica::btnExcelClick);
    connect(btnAnnulla, &QToolButton::clicked, this, &TfrmApriClassifica::btnAnnullaClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmApriClassifica::imgGuidaClick);
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
}

void TfrmApriClassifica::listSessions()
{
    lstFiles->clear();
    const QStringList names = SessionCatalogue::list(ProgramFolder::path());
    for (const QString& name : names)
        lstFiles->addItem(new SessionItem(name));
    lstFiles->setCurrentRow(-1);
    lstFiles->clearSelection();
    lblCreati->setText(countLine(lstFiles->count()));
}

QString TfrmApriClassifica::chosenSession()
{
    if (lstFiles->count() == 0) {
        Messages::warning(this, QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione."));
        return QString();
    }
    QListWidgetItem* item = lstFiles->currentItem();
    if (!item || !item->isSelected()) {
        Messages::warning(this, QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di premere il "
                                               "pulsante per visualizzare la graduatoria corrispondente."));
        return QString();
    }
    lblFile->setText(ProgramFolder::path() + TextRules::trimmed(item->text()));
    return item->text();
}

void TfrmApriClassifica::btnApriClick()
{
    const QString session = chosenSession();
    if (session.isEmpty())
        return;
    std::unique_ptr<TfrmClassifica> dialog(new TfrmClassifica(this));
    dialog->lblFile->setText(lblFile->text());
    dialog->titClassifica->setText(QStringLiteral("Graduatoria alfabetica ") + SessionCatalogue::sessionName(session));
    Modal::run(dialog.get());
}

void TfrmApriClassifica::btnExcelClick()
{
    const QString session = chosenSession();
    if (session.isEmpty())
        return;
    std::unique_ptr<TfrmExpClassifica> dialog(new TfrmExpClassifica(this));
    dialog->titClassifica->setText(QStringLiteral("Graduatoria di merito ") + SessionCatalogue::sessionName(session));
    Modal::run(dialog.get());
}

void TfrmApriClassifica::btnAnnullaClick()
{
    close();
}

void TfrmApriClassifica::imgGuidaClick()
{
    Help::showTopic(this, QStringLiteral("Visualizzazione graduatorie"));
}
