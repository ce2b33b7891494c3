// The scoring grid window: one tab to score the card shown, one to define the
// session's criteria, committee and scale.
#include "sessions/ui/GridWindow.h"
#include "base/core/HelpTopics.h"

#include "base/core/AccessMode.h"
#include "base/core/Formats.h"
#include "base/core/NumberText.h"
#include "base/core/ProgramFolder.h"
#include "base/core/TextRules.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/core/GridSetup.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/DecimalPoint.h"
#include "shared/ui/Help.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SaveName.h"
#include "shared/ui/WriteGuard.h"
#include "ui_GridWindow.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QList<double> kScales {0.0, 10.0, 30.0, 100.0};

QTableWidgetItem* readOnly(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Computed cells look apart from the ones the committee types in.
    item->setBackground(QColor(0xEE, 0xF2, 0xF6));
    return item;
}

QComboBox* roleBox(GridMember::Role role)
{
    auto* box = new QComboBox;
    box->addItem(QStringLiteral("presidente"));
    box->addItem(QStringLiteral("componente"));
    box->addItem(QStringLiteral("segretario (senza voto)"));
    box->setAccessibleName(QStringLiteral("Ruolo"));
    box->setCurrentIndex(role == GridMember::Role::President ? 0 : role == GridMember::Role::Member ? 1 : 2);
    return box;
}

GridMember::Role roleAt(int index)
{
    return index == 0 ? GridMember::Role::President
        : index == 1  ? GridMember::Role::Member
                      : GridMember::Role::Secretary;
}

} // namespace

GridWindow::GridWindow(TfrmTorneo* card)
    : QDialog(card)
    , m_ui(new Ui::GridWindow)
    , m_card(card)
{
    Formats::apply();
    m_ui->setupUi(this);
    tabPagine = m_ui->tabPagine;
    lblScheda = m_ui->lblScheda;
    grdPunteggi = m_ui->grdPunteggi;
    lblTotale = m_ui->lblTotale;
    grdCriteri = m_ui->grdCriteri;
    grdCommissione = m_ui->grdCommissione;
    btnAggiungiCriterio = m_ui->btnAggiungiCriterio;
    btnEliminaCriterio = m_ui->btnEliminaCriterio;
    btnAggiungiComponente = m_ui->btnAggiungiComponente;
    btnEliminaComponente = m_ui->btnEliminaComponente;
    cboScala = m_ui->cboScala;
    txtMassimo = m_ui->txtMassimo;
    btnApplica = m_ui->btnApplica;
    btnImporta = m_ui->btnImporta;
    btnSalva = m_ui->btnSalva;
    btnStampa = m_ui->btnStampa;
    btnAnteprima = m_ui->btnAnteprima;
    btnPdf = m_ui->btnPdf;
    btnChiudi = m_ui->btnChiudi;

    m_session = TextRules::trimmed(card->lblFile->text());
    m_position = TextRules::trimmed(card->lblPosizione->text()).toLongLong();

    for (QTableWidget* t : {grdPunteggi, grdCriteri, grdCommissione})
        t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DecimalPoint::watchCells(grdPunteggi);
    grdCriteri->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdCriteri->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grdCriteri->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    grdCriteri->horizontalHeader()->setStretchLastSection(false);
    grdCommissione->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdCommissione->horizontalHeader()->setStretchLastSection(false);
    grdCommissione->setColumnWidth(1, 220);

    // The help button heads the row of commands, and Tab reaches it between
    // the set-up page and the window's commands.
    imgGuida = new PictureButton(QStringLiteral("imgGuida"), QStringLiteral("circle-help"), QString(),
                                 QStringLiteral("Guida"), this);
    imgGuida->setToolTip(QStringLiteral("Visualizza la pagina della guida dedicata alla griglia di valutazione."));
    m_ui->commands->insertWidget(0, imgGuida);
    setTabOrder(btnApplica, imgGuida);
    setTabOrder(imgGuida, btnImporta);

    // Everything that stores the grid, or prepares a set-up that only
    // storing would keep, is refused in a read-only run; the grid is shown as
    // stored and its minutes can still be printed or saved elsewhere.
    WriteGuard::mark({btnImporta, btnSalva, btnApplica, btnAggiungiCriterio, btnEliminaCriterio, btnAggiungiComponente,
                      btnEliminaComponente, cboScala, txtMassimo});
    lblReadOnly = WriteGuard::reasonLine(this);
    if (AccessMode::readOnly()) {
        for (QTableWidget* t : {grdPunteggi, grdCriteri, grdCommissione}) {
            t->setEditTriggers(QAbstractItemView::NoEditTriggers);
            t->setToolTip(AccessMode::reason());
            t->setAccessibleDescription(AccessMode::reason());
        }
    }

    // The reason line stands between the pages and the commands.
    m_ui->layout->insertWidget(m_ui->layout->indexOf(m_ui->commands), lblReadOnly);

    connect(grdPunteggi, &QTableWidget::cellChanged, this, &GridWindow::scoreEdited);
    connect(grdCommissione, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        // The role of a member is a box over its cell: reaching the cell
        // with the keyboard reaches the box.
        if (column == 1 && grdCommissione->hasFocus())
            if (QWidget* box = grdCommissione->cellWidget(row, 1))
                box->setFocus(Qt::TabFocusReason);
    });
    connect(grdCommissione, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == 0)
            nameRoles();
    });
    KeyCommands::bind(this, imgGuida, {KeyCommands::HelpKey});
    connect(btnImporta, &QPushButton::clicked, this, &GridWindow::btnImportaClick);
    connect(btnSalva, &QPushButton::clicked, this, &GridWindow::btnSalvaClick);
    connect(btnStampa, &QPushButton::clicked, this, &GridWindow::btnStampaClick);
    connect(btnAnteprima, &QPushButton::clicked, this, &GridWindow::btnAnteprimaClick);
    connect(btnPdf, &QPushButton::clicked, this, &GridWindow::btnPdfClick);
    connect(btnChiudi, &QPushButton::clicked, this, &GridWindow::reject);
    connect(btnApplica, &QPushButton::clicked, this, &GridWindow::btnApplicaClick);
    connect(btnAggiungiCriterio, &QPushButton::clicked, this, &GridWindow::addCriterion);
    connect(btnEliminaCriterio, &QPushButton::clicked, this, &GridWindow::removeCriterion);
    connect(btnAggiungiComponente, &QPushButton::clicked, this, &GridWindow::addMember);
    connect(btnEliminaComponente, &QPushButton::clicked, this, &GridWindow::removeMember);
    connect(imgGuida, &QToolButton::clicked, this, &GridWindow::imgGuidaClick);
    connect(cboScala, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { txtMassimo->setEnabled(index == 4); });
}

GridWindow::~GridWindow() = default;

bool GridWindow::load()
{
    QString problem;
    const QString side = GridFile::pathFor(m_session);
    switch (GridFile::read(m_session, &m_grid, &problem)) {
    case GridFile::Status::Missing:
    case GridFile::Status::Read:
        break;
    case GridFile::Status::Failed:
        Messages::error(this, GridFile::damagedMessage(side, problem));
        return false;
    case GridFile::Status::Damaged: {
        if (AccessMode::readOnly()) {
            // Setting the file aside renames it: not in a read-only run.
            Messages::warning(
                this, GridFile::damagedMessage(side, problem) + QStringLiteral("\r\n\r\n") + AccessMode::reason());
            return false;
        }
        Messages::warning(this, GridFile::damagedMessage(side, problem));
        if (!Messages::confirm(this,
                               QStringLiteral("Si vuole mettere da parte il file della griglia (rinominandolo) "
                                              "e ricominciare con una griglia vuota?\r\n\r\n"
                                              "Rispondendo No la griglia non viene aperta e il file resta "
                                              "com'è.")))
            return false;
        if (GridFile::setAside(m_session).isEmpty()) {
            Messages::error(this,
                            QStringLiteral("Attenzione: non è stato possibile rinominare il file della griglia; "
                                           "la griglia non viene aperta."));
            return false;
        }
        m_grid = ScoringGrid();
        m_grid.sessionFile = QFileInfo(m_session).fileName();
        break;
    }
    }
    // Scores of cards the session no longer has: kept, and said.
    const qint64 count = QFileInfo(m_session).size() / TSchedaColloquio::Size;
    if (m_grid.highestCard() > count)
        Messages::warning(this, GridFile::staleCardsMessage(m_grid.highestCard(), count));
    showSetup();
    showScores();
    if (m_grid.criteria.isEmpty())
        tabPagine->setCurrentIndex(1);
    return true;
}

void GridWindow::placeRole(int row, GridMember::Role role)
{
    QComboBox* box = roleBox(role);
    // The cell under the box holds the role too: a screen reader that reads
    // the table by cells hears it.
    auto* cell = new QTableWidgetItem;
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grdCommissione->setItem(row, 1, cell);
    grdCommissione->setCellWidget(row, 1, box);
    WriteGuard::mark(box);
    box->installEventFilter(this);
    connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, &GridWindow::nameRoles);
    nameRoles();
}

void GridWindow::nameRoles()
{
    for (int r = 0; r < grdCommissione->rowCount(); ++r) {
        auto* box = qobject_cast<QComboBox*>(grdCommissione->cellWidget(r, 1));
        if (!box)
            continue;
        const QTableWidgetItem* member = grdCommissione->item(r, 0);
        const QString name = member ? TextRules::trimmed(member->text()) : QString();
        // On some desktops a list box is spoken by its value: the
        // description says whose role it is there too.
        const QString said = name.isEmpty() ? QStringLiteral("Ruolo") : QStringLiteral("Ruolo di ") + name;
        box->setAccessibleName(said);
        box->setAccessibleDescription(said);
        if (QTableWidgetItem* cell = grdCommissione->item(r, 1))
            cell->setData(Qt::AccessibleTextRole, box->currentText());
    }
}

void GridWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The work is the first cell of the page shown: the first score, or the
    // first criterion of a grid still to be set up; with no criterion yet,
    // the command that adds one (an empty table shows no focus).
    QTableWidget* first = tabPagine->currentIndex() == 0 ? grdPunteggi : grdCriteri;
    if (first == grdCriteri && first->rowCount() == 0) {
        btnAggiungiCriterio->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (first->rowCount() > 0 && first->columnCount() > 0 && !first->currentIndex().isValid())
        first->setCurrentCell(0, 0);
    first->setFocus(Qt::OtherFocusReason);
}

bool GridWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Tab and Shift+Tab leave a role box for the cells around it, as they
    // leave any cell of the table.
    auto* box = qobject_cast<QComboBox*>(watched);
    if (box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            int row = -1;
            for (int r = 0; r < grdCommissione->rowCount(); ++r)
                if (grdCommissione->cellWidget(r, 1) == box)
                    row = r;
            if (key == Qt::Key_Backtab) {
                grdCommissione->setCurrentCell(row, 0);
                grdCommissione->setFocus(Qt::BacktabFocusReason);
            } else if (row + 1 < grdCommissione->rowCount()) {
                grdCommissione->setCurrentCell(row + 1, 0);
                grdCommissione->setFocus(Qt::TabFocusReason);
            } else {
                btnAggiungiComponente->setFocus(Qt::TabFocusReason);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void GridWindow::showSetup()
{
    grdCriteri->setRowCount(0);
    for (const GridCriterion& c : m_grid.criteria) {
        const int row = grdCriteri->rowCount();
        grdCriteri->insertRow(row);
        auto* name = new QTableWidgetItem(c.name);
        name->setData(Qt::UserRole, c.name);
        grdCriteri->setItem(row, 0, name);
        grdCriteri->setItem(row, 1, new QTableWidgetItem(GridMath::scoreText(c.maxPoints)));
        grdCriteri->setItem(row, 2, new QTableWidgetItem(GridMath::scoreText(c.weight)));
    }
    grdCommissione->setRowCount(0);
    for (const GridMember& m : m_grid.members) {
        const int row = grdCommissione->rowCount();
        grdCommissione->insertRow(row);
        auto* name = new QTableWidgetItem(m.name);
        name->setData(Qt::UserRole, m.name);
        grdCommissione->setItem(row, 0, name);
        placeRole(row, m.role);
    }
    int scale = 0;
    if (m_grid.scale.scaled)
        scale = kScales.contains(m_grid.scale.maximum) ? int(kScales.indexOf(m_grid.scale.maximum)) : 4;
    cboScala->setCurrentIndex(scale);
    txtMassimo->setText(scale == 4 ? GridMath::scoreText(m_grid.scale.maximum) : QString());
    txtMassimo->setEnabled(scale == 4);
}

void GridWindow::showScores()
{
    m_filling = true;
    const QList<GridMember> voters = m_grid.votingMembers();
    grdPunteggi->clear();
    grdPunteggi->setRowCount(int(m_grid.criteria.size()));
    grdPunteggi->setColumnCount(int(voters.size()) + 3);
    QStringList headers;
    for (const GridMember& m : voters)
        headers << m.name;
    headers << QStringLiteral("Media") << QStringLiteral("Peso") << QStringLiteral("Media x peso");
    grdPunteggi->setHorizontalHeaderLabels(headers);
    QStringList rows;
    const CardScores scores = m_grid.cards.value(m_position);
    for (int r = 0; r < m_grid.criteria.size(); ++r) {
        const GridCriterion& c = m_grid.criteria.at(r);
        rows << QStringLiteral("%1 (max %2)").arg(c.name, GridMath::scoreText(c.maxPoints));
        for (int col = 0; col < voters.size(); ++col) {
            const auto byMember = scores.value(voters.at(col).name);
            auto* item = new QTableWidgetItem(byMember.contains(c.name) ? GridMath::scoreText(byMember.value(c.name))
                                                                        : QString());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (m_position <= 0)
                item->setFlags(Qt::ItemIsEnabled);
            else if (AccessMode::readOnly())
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grdPunteggi->setItem(r, col, item);
        }
        grdPunteggi->setItem(r, int(voters.size()) + 1, readOnly(GridMath::scoreText(c.weight)));
    }
    grdPunteggi->setVerticalHeaderLabels(rows);
    for (int col = 0; col < grdPunteggi->columnCount(); ++col)
        grdPunteggi->setColumnWidth(col, col < voters.size() ? 150 : 120);
    m_filling = false;

    const QString name = TextRules::trimmed(m_card->txtConcorrente->text());
    if (m_position <= 0)
        lblScheda->setText(QStringLiteral("La scheda non è ancora stata salvata: salvarla in archivio per poter "
                                          "compilare la griglia."));
    else
        lblScheda->setText(QStringLiteral("Scheda n. %1 - %2").arg(m_position).arg(name));
    lblScheda->setAccessibleName(lblScheda->text());
    showTotal();
}

void GridWindow::showTotal()
{
    m_filling = true;
    const QList<GridMember> voters = m_grid.votingMembers();
    const CardScores scores = m_grid.cards.value(m_position);
    for (int r = 0; r < m_grid.criteria.size(); ++r) {
        const GridCriterion& c = m_grid.criteria.at(r);
        double mean = 0.0;
        const bool has = GridMath::mean(m_grid, scores, c, &mean);
        grdPunteggi->setItem(r, int(voters.size()), readOnly(has ? GridMath::totalText(mean) : QString()));
        grdPunteggi->setItem(r, int(voters.size()) + 2,
                             readOnly(has ? GridMath::totalText(mean * c.weight) : QString()));
    }
    m_filling = false;
    const GridMath::Total t = GridMath::total(m_grid, scores);
    QString text =
        QStringLiteral("Totale: %1   (somma ponderata %2 su %3")
            .arg(GridMath::totalText(t.total), GridMath::totalText(t.weightedSum), GridMath::totalText(t.bestPossible));
    if (m_grid.scale.scaled)
        text += QStringLiteral(", in scala su %1").arg(GridMath::scoreText(m_grid.scale.maximum));
    text += QLatin1Char(')');
    if (t.any && !t.complete)
        text += QStringLiteral(" - griglia incompleta");
    lblTotale->setText(text);
    lblTotale->setAccessibleName(text);
}

void GridWindow::scoreEdited(int row, int column)
{
    const QList<GridMember> voters = m_grid.votingMembers();
    if (m_filling || row < 0 || row >= m_grid.criteria.size() || column < 0 || column >= voters.size())
        return;
    const GridCriterion& c = m_grid.criteria.at(row);
    const QString member = voters.at(column).name;
    QTableWidgetItem* item = grdPunteggi->item(row, column);
    bool empty = false;
    QString problem;
    const double value = GridMath::parseScore(item ? item->text() : QString(), c, &empty, &problem);
    auto& byCriterion = m_grid.cards[m_position][member];
    if (!problem.isEmpty()) {
        // Typed or pasted, a score out of range never enters the grid: the
        // cell goes back to what it held.
        Messages::warning(this, problem);
        m_filling = true;
        item->setText(byCriterion.contains(c.name) ? GridMath::scoreText(byCriterion.value(c.name)) : QString());
        m_filling = false;
        return;
    }
    if (empty)
        byCriterion.remove(c.name);
    else
        byCriterion.insert(c.name, value);
    if (byCriterion.isEmpty())
        m_grid.cards[m_position].remove(member);
    if (m_grid.cards.value(m_position).isEmpty())
        m_grid.cards.remove(m_position);
    m_filling = true;
    item->setText(empty ? QString() : GridMath::scoreText(value));
    m_filling = false;
    m_modified = true;
    showTotal();
}

bool GridWindow::save()
{
    QString error;
    if (!GridFile::write(m_session, m_grid, &error)) {
        Messages::error(this, GridFile::writeFailedMessage(error));
        return false;
    }
    m_modified = false;
    return true;
}

bool GridWindow::btnSalvaClick()
{
    if (!save())
        return false;
    Messages::information(this, QStringLiteral("La griglia di valutazione è stata salvata."));
    return true;
}

void GridWindow::btnImportaClick()
{
    if (m_position <= 0) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: per compilare la griglia e importarne il totale salvare "
                                         "prima la scheda in archivio."));
        return;
    }
    const GridMath::Total t = GridMath::total(m_grid, m_grid.cards.value(m_position));
    if (!t.any) {
        Messages::warning(this, QStringLiteral("Attenzione: la griglia della scheda non contiene nessun punteggio."));
        return;
    }
    if (!t.complete &&
        !Messages::confirm(this,
                           QStringLiteral("La griglia è incompleta: non tutti i componenti hanno valutato ogni "
                                          "criterio e le medie sono calcolate sui soli punteggi presenti.\r\n\r\n"
                                          "Si vuole importare ugualmente il totale?")))
        return;
    // The per-member scores stay with the card: saved before the total
    // leaves, so the score field never holds a total the file does not back.
    if (!save())
        return;
    // As the calculator does: the text goes into the score field, which
    // normalises it when it is left.
    m_card->txtPunteggio->setText(GridMath::totalText(t.total));
    m_card->txtPunteggio->setFocus();
    accept();
}

void GridWindow::reject()
{
    if (m_modified) {
        const Messages::Answer a = Messages::show(
            this, Messages::Kind::Confirmation,
            QStringLiteral("I punteggi della griglia sono stati modificati. Si vogliono salvare prima di chiudere?"));
        if (a != Messages::Answer::No && !save())
            return;
    }
    QDialog::reject();
}

GridReport::Card GridWindow::cardInfo() const
{
    GridReport::Card c;
    c.sessionName = TextRules::trimmed(m_card->lblNome->text());
    c.position = m_position;
    c.candidato = m_card->txtConcorrente->text();
    c.codiceFiscale = m_card->txtResponsabile->text();
    c.dataColloquio = m_card->txtEmail->text();
    return c;
}

bool GridWindow::minutesAllowed()
{
    if (m_position <= 0) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: il verbale si riferisce a una scheda salvata in archivio: "
                                         "salvare prima la scheda."));
        return false;
    }
    if (m_grid.criteria.isEmpty() || m_grid.votingMembers().isEmpty()) {
        Messages::warning(this, QStringLiteral("Attenzione: definire prima i criteri e la commissione."));
        return false;
    }
    return true;
}

void GridWindow::btnStampaClick()
{
    if (!minutesAllowed())
        return;
    auto report = GridReport::create(m_grid, cardInfo());
    report->prepare();
    ReportPrinter::print(this, *report);
}

void GridWindow::btnAnteprimaClick()
{
    if (!minutesAllowed())
        return;
    auto report = GridReport::create(m_grid, cardInfo());
    report->prepare();
    ReportPrinter::preview(this, *report);
}

void GridWindow::btnPdfClick()
{
    if (!minutesAllowed())
        return;
    const QString proposed = SaveName::folder(ProgramFolder::path()) +
        QStringLiteral("Verbale %1 scheda %2.pdf").arg(TextRules::trimmed(m_card->lblNome->text())).arg(m_position);
    const QString path = SaveName::ask(this, QStringLiteral("Salva il verbale in PDF"), proposed,
                                       QStringLiteral("File PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    auto report = GridReport::create(m_grid, cardInfo());
    report->prepare();
    QString error;
    if (!report->exportPdf(path, &error)) {
        Messages::error(this, QStringLiteral("Attenzione: non è stato possibile salvare il verbale (%1).").arg(error));
        return;
    }
    Messages::information(this, QStringLiteral("Il verbale è stato salvato nel file \"%1\".").arg(path));
}

void GridWindow::addCriterion()
{
    const int row = grdCriteri->rowCount();
    grdCriteri->insertRow(row);
    grdCriteri->setItem(row, 0, new QTableWidgetItem(QString()));
    grdCriteri->setItem(row, 1, new QTableWidgetItem(QStringLiteral("10")));
    grdCriteri->setItem(row, 2, new QTableWidgetItem(QStringLiteral("1")));
    grdCriteri->setCurrentCell(row, 0);
    grdCriteri->editItem(grdCriteri->item(row, 0));
}

void GridWindow::removeCriterion()
{
    const int row = grdCriteri->currentRow();
    if (row < 0) {
        Messages::warning(this, QStringLiteral("Attenzione: selezionare il criterio da eliminare."));
        return;
    }
    grdCriteri->removeRow(row);
}

void GridWindow::addMember()
{
    const int row = grdCommissione->rowCount();
    grdCommissione->insertRow(row);
    grdCommissione->setItem(row, 0, new QTableWidgetItem(QString()));
    placeRole(row, row == 0 ? GridMember::Role::President : GridMember::Role::Member);
    grdCommissione->setCurrentCell(row, 0);
    grdCommissione->editItem(grdCommissione->item(row, 0));
}

void GridWindow::removeMember()
{
    const int row = grdCommissione->currentRow();
    if (row < 0) {
        Messages::warning(this, QStringLiteral("Attenzione: selezionare il componente da eliminare."));
        return;
    }
    grdCommissione->removeRow(row);
}

void GridWindow::btnApplicaClick()
{
    auto cell = [](QTableWidget* t, int row, int col) {
        QTableWidgetItem* item = t->item(row, col);
        return item ? TextRules::trimmed(item->text()) : QString();
    };
    // The name each row had when shown: its scores follow it.
    auto previous = [](QTableWidget* t, int row) {
        QTableWidgetItem* item = t->item(row, 0);
        return item ? item->data(Qt::UserRole).toString() : QString();
    };
    GridSetup::Proposal proposed;
    for (int r = 0; r < grdCriteri->rowCount(); ++r)
        proposed.criteria.append(
            {cell(grdCriteri, r, 0), cell(grdCriteri, r, 1), cell(grdCriteri, r, 2), previous(grdCriteri, r)});
    for (int r = 0; r < grdCommissione->rowCount(); ++r) {
        auto* box = qobject_cast<QComboBox*>(grdCommissione->cellWidget(r, 1));
        proposed.members.append(
            {cell(grdCommissione, r, 0), roleAt(box ? box->currentIndex() : 1), previous(grdCommissione, r)});
    }
    const int scaleIndex = cboScala->currentIndex();
    if (scaleIndex > 0) {
        proposed.scale.scaled = true;
        proposed.scale.maximum = scaleIndex < 4 ? kScales.at(scaleIndex) : 0.0;
        if (scaleIndex == 4 && !NumberText::parse(txtMassimo->text(), &proposed.scale.maximum))
            proposed.scale.maximum = 0.0;
    }

    const GridSetup::Result result = GridSetup::apply(m_grid, proposed);
    if (!result.problem.isEmpty()) {
        Messages::warning(this, result.problem);
        return;
    }
    // Scores of a removed criterion or member go only with the user's word.
    if (!result.losses.isEmpty() && !Messages::confirm(this, result.lossQuestion()))
        return;

    const ScoringGrid before = m_grid;
    m_grid = result.grid;
    if (!save()) {
        m_grid = before;
        return;
    }
    showSetup();
    showScores();
    Messages::information(this, QStringLiteral("Criteri, commissione e scala sono stati salvati."));
}

void GridWindow::imgGuidaClick()
{
    Help::showTopic(this, HelpTopics::grid());
}
