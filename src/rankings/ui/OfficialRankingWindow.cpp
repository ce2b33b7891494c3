// The official ranking window: reads the session and its grid once when
// shown, and rebuilds the table whenever a ranking choice changes.
#include "rankings/ui/OfficialRankingWindow.h"
#include "base/core/HelpTopics.h"

#include "base/core/Clock.h"
#include "base/core/Formats.h"
#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "shared/ui/Help.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SaveName.h"
#include "shared/ui/WriteGuard.h"
#include "ui_OfficialRankingWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

namespace {

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(align);
    return item;
}

} // namespace

OfficialRankingWindow::OfficialRankingWindow(const QString& sessionPath, const QString& sessionName, QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::OfficialRankingWindow)
    , m_session(sessionPath)
    , m_name(sessionName)
{
    Formats::apply();
    m_ui->setupUi(this);
    titClassifica = m_ui->titClassifica;
    chkPiuGiovane = m_ui->chkPiuGiovane;
    chkOrdineManuale = m_ui->chkOrdineManuale;
    cboNonIdonei = m_ui->cboNonIdonei;
    cboPubblicata = m_ui->cboPubblicata;
    grdGraduatoria = m_ui->grdGraduatoria;
    btnSu = m_ui->btnSu;
    btnGiu = m_ui->btnGiu;
    lblTotConcorrenti = m_ui->lblTotConcorrenti;
    lblSigillo = m_ui->lblSigillo;
    btnVerificaSigillo = m_ui->btnVerificaSigillo;
    btnStampa = m_ui->btnStampa;
    btnAnteprima = m_ui->btnAnteprima;
    btnPubblica = m_ui->btnPubblica;
    btnEsci = m_ui->btnEsci;

    titClassifica->setText(QStringLiteral("Graduatoria finale ") + sessionName);
    titClassifica->setStyleSheet(QStringLiteral("color: maroon;"));
    grdGraduatoria->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdGraduatoria->setColumnWidth(0, 110);
    grdGraduatoria->setColumnWidth(1, 320);
    grdGraduatoria->setColumnWidth(2, 190);
    grdGraduatoria->setColumnWidth(3, 100);
    // The table comes before its caption among the window's children, so a
    // screen reader meets them in that order.
    grdGraduatoria->stackUnder(m_ui->caption);

    // The help button heads the row of commands.
    imgGuida = new PictureButton(QStringLiteral("imgGuida"), QStringLiteral("circle-help"), QString(),
                                 QStringLiteral("Guida"), this);
    imgGuida->setToolTip(QStringLiteral("Visualizza la pagina della guida dedicata alla graduatoria finale."));
    m_ui->commands->insertWidget(0, imgGuida);

    // The ranking choices and the manual order are stored as soon as they
    // change, and the publication records its seal in the grid: none of them
    // in a read-only run, where the stored ranking is shown, printed and
    // checked as it is.
    WriteGuard::mark({chkPiuGiovane, chkOrdineManuale, cboNonIdonei, cboPubblicata, btnSu, btnGiu, btnPubblica});
    lblReadOnly = WriteGuard::reasonLine(this);

    // The reason line stands between the seal and the commands.
    m_ui->layout->insertWidget(m_ui->layout->indexOf(m_ui->commands), lblReadOnly);

    connect(chkPiuGiovane, &QCheckBox::toggled, this, &OfficialRankingWindow::choicesChanged);
    connect(chkOrdineManuale, &QCheckBox::toggled, this, &OfficialRankingWindow::choicesChanged);
    connect(cboNonIdonei, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &OfficialRankingWindow::choicesChanged);
    connect(cboPubblicata, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &OfficialRankingWindow::choicesChanged);
    connect(btnSu, &QPushButton::clicked, this, &OfficialRankingWindow::moveUp);
    connect(btnGiu, &QPushButton::clicked, this, &OfficialRankingWindow::moveDown);
    connect(btnVerificaSigillo, &QPushButton::clicked, this, &OfficialRankingWindow::btnVerificaSigilloClick);
    connect(btnStampa, &QPushButton::clicked, this, &OfficialRankingWindow::btnStampaClick);
    connect(btnAnteprima, &QPushButton::clicked, this, &OfficialRankingWindow::btnAnteprimaClick);
    connect(btnPubblica, &QPushButton::clicked, this, &OfficialRankingWindow::btnPubblicaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::reject);
    connect(imgGuida, &QToolButton::clicked, this, &OfficialRankingWindow::imgGuidaClick);
    KeyCommands::bind(this, imgGuida, {KeyCommands::HelpKey});
    KeyCommands::bind(this, btnStampa, {KeyCommands::Print});
    resize(1300, 700);
    setWindowState(windowState() | Qt::WindowMaximized);
}

OfficialRankingWindow::~OfficialRankingWindow() = default;

void OfficialRankingWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    readFiles();
    // The ranking opens on its first line, with the focus on it.
    if (grdGraduatoria->rowCount() > 0 && grdGraduatoria->selectionModel()->selectedRows().isEmpty())
        grdGraduatoria->selectRow(0);
    grdGraduatoria->setFocus(Qt::OtherFocusReason);
}

void OfficialRankingWindow::readFiles()
{
    qint64 count = 0;
    if (!OfficialRanking::readSession(m_session, &m_cards, &count))
        Messages::error(this, RecordFile::accessMessage());
    QString problem;
    // The ranking needs the choices, not the members' scores.
    switch (GridFile::read(m_session, &m_grid, &problem, false)) {
    case GridFile::Status::Missing:
    case GridFile::Status::Read:
        break;
    case GridFile::Status::Damaged:
    case GridFile::Status::Failed:
        // Ranked with the plain choices; the file is never written from here.
        Messages::warning(this,
                          GridFile::damagedMessage(GridFile::pathFor(m_session), problem) +
                              QStringLiteral("\r\n\r\nLa graduatoria è mostrata senza spareggi; le scelte e la "
                                             "pubblicazione non sono disponibili finché il file non è "
                                             "corretto o messo da parte dalla griglia di valutazione."));
        m_gridUsable = false;
        break;
    }
    if (m_gridUsable && m_grid.highestCard() > count)
        Messages::warning(this, GridFile::staleCardsMessage(m_grid.highestCard(), count));
    for (QWidget* w : std::initializer_list<QWidget*> {chkPiuGiovane, chkOrdineManuale, cboNonIdonei, cboPubblicata,
                                                       btnSu, btnGiu, btnPubblica, btnVerificaSigillo})
        w->setEnabled(m_gridUsable);
    m_filling = true;
    chkPiuGiovane->setChecked(m_grid.tieBreaks.contains(ScoringGrid::TieBreak::YoungerFirst));
    chkOrdineManuale->setChecked(m_grid.tieBreaks.contains(ScoringGrid::TieBreak::ManualOrder));
    cboNonIdonei->setCurrentIndex(m_grid.nonSuitable == ScoringGrid::NonSuitable::SeparateBlock ? 0 : 1);
    cboPubblicata->setCurrentIndex(m_grid.publishedName == ScoringGrid::PublishedName::FullName ? 0 : 1);
    m_filling = false;
    rebuild();
    showSeal();
}

void OfficialRankingWindow::rebuild()
{
    const qint64 keep = selectedCard();
    m_result = OfficialRanking::build(m_cards, m_grid, Clock::today());
    grdGraduatoria->setUpdatesEnabled(false);
    grdGraduatoria->setRowCount(0);
    const int rows =
        int(m_result.ranked.size() + (m_result.nonSuitable.isEmpty() ? 0 : m_result.nonSuitable.size() + 1));
    grdGraduatoria->setRowCount(rows);
    int row = 0;
    auto put = [&](const RankedLine& l, const QString& pos) {
        auto* first = cell(pos);
        first->setData(Qt::UserRole, l.candidate.card);
        grdGraduatoria->setItem(row, 0, first);
        grdGraduatoria->setItem(row, 1, cell(l.candidate.candidato.trimmed()));
        grdGraduatoria->setItem(row, 2, cell(l.candidate.codiceFiscale.trimmed()));
        grdGraduatoria->setItem(row, 3, cell(l.candidate.punteggio.trimmed(), Qt::AlignRight | Qt::AlignVCenter));
        auto* note = cell(l.tieNote);
        if (l.flagged)
            note->setForeground(QColor(0xB0, 0x30, 0x00));
        grdGraduatoria->setItem(row, 4, note);
        if (keep == l.candidate.card)
            grdGraduatoria->selectRow(row);
        ++row;
    };
    for (const RankedLine& l : m_result.ranked)
        put(l, QString::number(l.position) + (l.exAequo ? QStringLiteral(" ex aequo") : QString()));
    if (!m_result.nonSuitable.isEmpty()) {
        auto* block = cell(QStringLiteral("CANDIDATI NON IDONEI (non inseriti in graduatoria)"));
        QFont bold = grdGraduatoria->font();
        bold.setBold(true);
        block->setFont(bold);
        grdGraduatoria->setItem(row, 0, block);
        grdGraduatoria->setSpan(row, 0, 1, 5);
        ++row;
        for (const RankedLine& l : m_result.nonSuitable)
            put(l, QStringLiteral("-"));
    }
    grdGraduatoria->setUpdatesEnabled(true);
    const QString count = QStringLiteral("Candidati in graduatoria: %1").arg(m_result.ranked.size());
    lblTotConcorrenti->setText(count);
    lblTotConcorrenti->setAccessibleName(count);
}

void OfficialRankingWindow::showSeal()
{
    const OfficialRanking::SealState state =
        m_gridUsable ? OfficialRanking::checkSeal(m_session, m_grid) : OfficialRanking::SealState::NotPublished;
    QString text = OfficialRanking::sealText(state);
    if (state != OfficialRanking::SealState::NotPublished && m_grid.seal.when.isValid())
        text += QStringLiteral(" (pubblicazione del %1)")
                    .arg(m_grid.seal.when.toString(QStringLiteral("dd/MM/yyyy hh:mm")));
    lblSigillo->setText(text);
    lblSigillo->setAccessibleName(text);
    lblSigillo->setStyleSheet(state == OfficialRanking::SealState::Changed ? QStringLiteral("color: #B03000;")
                                                                           : QStringLiteral("color: #1e8c3a;"));
}

bool OfficialRankingWindow::saveChoices()
{
    // This window holds the grid without its scores: the whole file is read
    // again, the choices copied in, and written back.
    ScoringGrid full;
    QString problem;
    const GridFile::Status status = GridFile::read(m_session, &full, &problem);
    if (status == GridFile::Status::Damaged || status == GridFile::Status::Failed) {
        Messages::warning(this, GridFile::damagedMessage(GridFile::pathFor(m_session), problem));
        return false;
    }
    full.tieBreaks = m_grid.tieBreaks;
    full.manualOrder = m_grid.manualOrder;
    full.nonSuitable = m_grid.nonSuitable;
    full.publishedName = m_grid.publishedName;
    QString error;
    if (!GridFile::write(m_session, full, &error)) {
        Messages::error(this, GridFile::writeFailedMessage(error));
        return false;
    }
    m_grid.members = full.members;
    m_grid.seal = full.seal;
    m_grid.storedContentSha256 = full.seal.isSet() ? full.contentSha256() : QString();
    return true;
}

void OfficialRankingWindow::choicesChanged()
{
    if (m_filling || !m_gridUsable)
        return;
    const ScoringGrid before = m_grid;
    m_grid.tieBreaks.clear();
    if (chkPiuGiovane->isChecked())
        m_grid.tieBreaks.append(ScoringGrid::TieBreak::YoungerFirst);
    if (chkOrdineManuale->isChecked())
        m_grid.tieBreaks.append(ScoringGrid::TieBreak::ManualOrder);
    m_grid.nonSuitable =
        cboNonIdonei->currentIndex() == 0 ? ScoringGrid::NonSuitable::SeparateBlock : ScoringGrid::NonSuitable::LeftOut;
    m_grid.publishedName = cboPubblicata->currentIndex() == 0 ? ScoringGrid::PublishedName::FullName
                                                              : ScoringGrid::PublishedName::Identifier;
    if (!saveChoices())
        m_grid = before;
    rebuild();
    showSeal();
}

qint64 OfficialRankingWindow::selectedCard() const
{
    const int row = grdGraduatoria->currentRow();
    QTableWidgetItem* item = row >= 0 ? grdGraduatoria->item(row, 0) : nullptr;
    return item ? item->data(Qt::UserRole).toLongLong() : 0;
}

void OfficialRankingWindow::moveUp()
{
    move(-1);
}

void OfficialRankingWindow::moveDown()
{
    move(+1);
}

void OfficialRankingWindow::move(int step)
{
    if (!chkOrdineManuale->isChecked()) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: per ordinare a mano i candidati ex aequo scegliere prima "
                                         "lo spareggio \"ordine stabilito dalla commissione\"."));
        return;
    }
    const qint64 card = selectedCard();
    bool tied = false;
    for (const RankedLine& l : m_result.ranked) {
        if (l.candidate.card == card && l.manualGroup > 0)
            tied = true;
    }
    if (card == 0 || !tied) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: selezionare un candidato a pari merito con altri; "
                                         "solo gli ex aequo si possono spostare."));
        return;
    }
    const QList<qint64> next = OfficialRanking::moved(m_result, m_grid.manualOrder, card, step);
    if (next == m_grid.manualOrder)
        return; // already first or last of its group
    const QList<qint64> before = m_grid.manualOrder;
    m_grid.manualOrder = next;
    if (!saveChoices())
        m_grid.manualOrder = before;
    rebuild();
    showSeal();
}

OfficialRanking::Heading OfficialRankingWindow::heading() const
{
    return {m_name, Clock::today(), m_grid.members};
}

void OfficialRankingWindow::btnVerificaSigilloClick()
{
    ScoringGrid onDisk;
    QString problem;
    const GridFile::Status status = GridFile::read(m_session, &onDisk, &problem, false);
    if (status == GridFile::Status::Damaged || status == GridFile::Status::Failed) {
        Messages::warning(this, GridFile::damagedMessage(GridFile::pathFor(m_session), problem));
        return;
    }
    const OfficialRanking::SealState state = OfficialRanking::checkSeal(m_session, onDisk);
    m_grid.seal = onDisk.seal;
    m_grid.storedContentSha256 = onDisk.storedContentSha256;
    showSeal();
    if (state == OfficialRanking::SealState::Changed)
        Messages::warning(this, OfficialRanking::sealText(state));
    else if (state == OfficialRanking::SealState::Intact)
        Messages::information(this,
                              QStringLiteral("Graduatoria sigillata: il file della sessione e la griglia sono "
                                             "identici a quelli della pubblicazione."));
    else
        Messages::information(this, QStringLiteral("La graduatoria di questa sessione non è ancora stata pubblicata."));
}

void OfficialRankingWindow::btnStampaClick()
{
    if (m_result.ranked.isEmpty() && m_result.nonSuitable.isEmpty()) {
        Messages::warning(this,
                          QStringLiteral("Operazione di stampa non applicabile: la graduatoria non contiene "
                                         "nessuna voce."));
        return;
    }
    if (!Messages::confirm(this, QStringLiteral("Si vuole stampare la presente graduatoria?")))
        return;
    auto report = OfficialRanking::rankingReport(m_result, heading());
    report->prepare();
    ReportPrinter::print(this, *report);
}

void OfficialRankingWindow::btnAnteprimaClick()
{
    auto report = OfficialRanking::rankingReport(m_result, heading());
    report->prepare();
    ReportPrinter::preview(this, *report);
}

void OfficialRankingWindow::btnPubblicaClick()
{
    if (m_result.ranked.isEmpty()) {
        Messages::warning(this,
                          QStringLiteral("Operazione non applicabile: la graduatoria non contiene nessun "
                                         "candidato idoneo."));
        return;
    }
    const QString proposed = ProgramFolder::path() + QStringLiteral("Graduatoria finale %1.pdf").arg(m_name);
    const QString path = SaveName::ask(this, QStringLiteral("Salva la copia per la pubblicazione"), proposed,
                                       QStringLiteral("File PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const QString sessionSha = GridFile::fileSha256(m_session);
    if (sessionSha.isEmpty()) {
        Messages::error(this, RecordFile::accessMessage());
        return;
    }
    ScoringGrid sealed;
    QString problem;
    const GridFile::Status status = GridFile::read(m_session, &sealed, &problem);
    if (status == GridFile::Status::Damaged || status == GridFile::Status::Failed) {
        Messages::warning(this, GridFile::damagedMessage(GridFile::pathFor(m_session), problem));
        return;
    }
    sealed.tieBreaks = m_grid.tieBreaks;
    sealed.manualOrder = m_grid.manualOrder;
    sealed.nonSuitable = m_grid.nonSuitable;
    sealed.publishedName = m_grid.publishedName;
    sealed.seal.sessionSha256 = sessionSha;
    sealed.seal.gridSha256 = sealed.contentSha256();
    sealed.seal.when = QDateTime::currentDateTime();
    auto report = OfficialRanking::publicationReport(m_result, heading(), m_grid.publishedName,
                                                     sealed.seal.sessionSha256, sealed.seal.gridSha256);
    report->prepare();
    QString error;
    if (!report->exportPdf(path, &error)) {
        Messages::error(this,
                        QStringLiteral("Attenzione: non è stato possibile salvare la copia per la "
                                       "pubblicazione (%1).")
                            .arg(error));
        return;
    }
    if (!GridFile::write(m_session, sealed, &error)) {
        Messages::error(this,
                        QStringLiteral("Attenzione: la copia per la pubblicazione è stata salvata, ma non è "
                                       "stato possibile registrare le impronte nella griglia (%1): la verifica "
                                       "del sigillo non sarà disponibile.")
                            .arg(error));
        return;
    }
    m_grid.seal = sealed.seal;
    m_grid.storedContentSha256 = sealed.seal.gridSha256;
    showSeal();
    Messages::information(this,
                          QStringLiteral("La copia per la pubblicazione è stata salvata nel file \"%1\".").arg(path));
}

void OfficialRankingWindow::imgGuidaClick()
{
    Help::showTopic(this, HelpTopics::grid());
}
