// The competition window: the set-up page, the merit ranking and the cards
// to be checked. Every change is stored with one call to the core, which
// writes the side file; the sessions are only read.
#include "competition/ui/CompetitionWindow.h"

#include "base/core/AccessMode.h"
#include "base/core/Clock.h"
#include "base/core/Formats.h"
#include "base/core/HelpTopics.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "competition/core/CompetitionExport.h"
#include "competition/core/CompetitionFile.h"
#include "competition/core/CompetitionReport.h"
#include "competition/core/CompetitionSeal.h"
#include "competition/core/CompetitionStore.h"
#include "competition/ui/OverrideWindow.h"
#include "competition/ui/TitlesWindow.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/core/SessionCatalogue.h"
#include "shared/ui/Help.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/SaveName.h"
#include "shared/ui/WriteGuard.h"
#include "ui_CompetitionWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>

namespace {

using Role = CompetitionTest::Role;
const QList<Role> kRoles {Role::Written, Role::Practical, Role::Oral, Role::Titles};
const QString kNew = QStringLiteral("(nuovo concorso)");

QTableWidgetItem* readOnly(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(align);
    return item;
}

QString pointsText(qint64 hundredths)
{
    return hundredths < 0 ? QString() : CompetitionRanking::scoreText(hundredths);
}

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

QString outcomeText(const CompetitionLine& line)
{
    QString text =
        line.outcome == CompetitionLine::Outcome::Winner ? QStringLiteral("vincitore") : QStringLiteral("idoneo");
    if (!line.reserveUsed.isEmpty())
        text += QStringLiteral(" (riserva ") + line.reserveUsed + QLatin1Char(')');
    if (!line.overrideReason.isEmpty())
        text += QStringLiteral(" - decisione della commissione: ") + line.overrideReason;
    if (line.tiedForLastPost)
        text += QStringLiteral(" - pari merito con l'ultimo vincitore: decide la commissione");
    return text;
}

} // namespace

CompetitionWindow::CompetitionWindow(const QString& folder, const QString& archivePath, QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::CompetitionWindow)
    , m_folder(folder)
    , m_archive(archivePath)
{
    Formats::apply();
    m_ui->setupUi(this);
    cboConcorso = m_ui->cboConcorso;
    txtNome = m_ui->txtNome;
    tabPagine = m_ui->tabPagine;
    grdProve = m_ui->grdProve;
    btnAggiungiProva = m_ui->btnAggiungiProva;
    btnEliminaProva = m_ui->btnEliminaProva;
    cboRegola = m_ui->cboRegola;
    txtPosti = m_ui->txtPosti;
    grdRiserve = m_ui->grdRiserve;
    btnAggiungiRiserva = m_ui->btnAggiungiRiserva;
    btnEliminaRiserva = m_ui->btnEliminaRiserva;
    txtTitoli = m_ui->txtTitoli;
    btnRipristinaTitoli = m_ui->btnRipristinaTitoli;
    lblFonte = m_ui->lblFonte;
    grdGraduatoria = m_ui->grdGraduatoria;
    lblVincitori = m_ui->lblVincitori;
    grdNonAmmessi = m_ui->grdNonAmmessi;
    btnTitoli = m_ui->btnTitoli;
    btnSu = m_ui->btnSu;
    btnGiu = m_ui->btnGiu;
    btnEsito = m_ui->btnEsito;
    btnAnteprima = m_ui->btnAnteprima;
    btnStampa = m_ui->btnStampa;
    btnPdf = m_ui->btnPdf;
    btnEsporta = m_ui->btnEsporta;
    btnPubblica = m_ui->btnPubblica;
    btnVerificaSigillo = m_ui->btnVerificaSigillo;
    lblSigillo = m_ui->lblSigillo;
    grdVerifica = m_ui->grdVerifica;
    btnCollega = m_ui->btnCollega;
    btnSepara = m_ui->btnSepara;
    btnSalva = m_ui->btnSalva;
    btnChiudi = m_ui->btnChiudi;

    for (QTableWidget* t : {grdProve, grdRiserve, grdGraduatoria, grdNonAmmessi, grdVerifica})
        t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdProve->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdProve->horizontalHeader()->setStretchLastSection(false);
    grdProve->setColumnWidth(1, 170);
    grdRiserve->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdRiserve->horizontalHeader()->setStretchLastSection(false);
    for (QTableWidget* t : {grdGraduatoria, grdNonAmmessi, grdVerifica}) {
        // The ranking numbers its own lines.
        t->verticalHeader()->hide();
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    m_sessions = SessionCatalogue::list(folder);
    // The session and the kind of a test are boxes over their cells:
    // reaching the cell with the keyboard reaches the box.
    connect(grdProve, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (column <= 1 && grdProve->hasFocus())
            if (QWidget* box = grdProve->cellWidget(row, column))
                box->setFocus(Qt::TabFocusReason);
    });

    // Storing is the window's only write: refused in a read-only run, where
    // a competition is shown and ranked as it is.
    WriteGuard::mark({btnSalva, btnTitoli, btnSu, btnGiu, btnEsito, btnCollega, btnSepara, btnPubblica});

    connect(cboConcorso, qOverload<int>(&QComboBox::currentIndexChanged), this, &CompetitionWindow::cboConcorsoChanged);
    connect(btnAggiungiProva, &QPushButton::clicked, this, &CompetitionWindow::addTest);
    connect(btnEliminaProva, &QPushButton::clicked, this, &CompetitionWindow::removeTest);
    connect(btnAggiungiRiserva, &QPushButton::clicked, this, &CompetitionWindow::addReserve);
    connect(btnEliminaRiserva, &QPushButton::clicked, this, &CompetitionWindow::removeReserve);
    connect(btnRipristinaTitoli, &QPushButton::clicked, this, &CompetitionWindow::restoreTitles);
    connect(btnTitoli, &QPushButton::clicked, this, &CompetitionWindow::btnTitoliClick);
    connect(btnSu, &QPushButton::clicked, this, [this] { move(-1); });
    connect(btnGiu, &QPushButton::clicked, this, [this] { move(+1); });
    connect(btnEsito, &QPushButton::clicked, this, &CompetitionWindow::btnEsitoClick);
    connect(btnAnteprima, &QPushButton::clicked, this, &CompetitionWindow::btnAnteprimaClick);
    connect(btnStampa, &QPushButton::clicked, this, &CompetitionWindow::btnStampaClick);
    connect(btnPdf, &QPushButton::clicked, this, &CompetitionWindow::btnPdfClick);
    connect(btnEsporta, &QPushButton::clicked, this, &CompetitionWindow::btnEsportaClick);
    connect(btnPubblica, &QPushButton::clicked, this, &CompetitionWindow::btnPubblicaClick);
    connect(btnVerificaSigillo, &QPushButton::clicked, this, &CompetitionWindow::btnVerificaSigilloClick);
    connect(btnCollega, &QPushButton::clicked, this, &CompetitionWindow::btnCollegaClick);
    connect(btnSepara, &QPushButton::clicked, this, &CompetitionWindow::btnSeparaClick);
    connect(btnSalva, &QPushButton::clicked, this, &CompetitionWindow::btnSalvaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    KeyCommands::bind(this, btnSalva, {KeyCommands::Store});
    KeyCommands::bind(this, btnStampa, {KeyCommands::Print});
    // F1 opens the competition's help page; the window has no picture for it.
    auto* help = new QShortcut(KeyCommands::HelpKey, this);
    connect(help, &QShortcut::activated, this, [this] { Help::showTopic(this, HelpTopics::competition()); });
    KeyCommands::onEnter(grdGraduatoria, [this] { btnTitoli->click(); });
    KeyCommands::onEnter(grdVerifica, [this] { btnCollega->setFocus(Qt::OtherFocusReason); });

    listCompetitions(QString());
}

CompetitionWindow::~CompetitionWindow() = default;

void CompetitionWindow::listCompetitions(const QString& select)
{
    const QSignalBlocker block(cboConcorso);
    cboConcorso->clear();
    cboConcorso->addItem(kNew);
    const QStringList names = CompetitionFile::list(m_folder);
    cboConcorso->addItems(names);
    int at = select.isEmpty() ? (names.isEmpty() ? 0 : 1) : int(names.indexOf(select)) + 1;
    cboConcorso->setCurrentIndex(std::max(at, 0));
    cboConcorsoChanged(cboConcorso->currentIndex());
}

void CompetitionWindow::cboConcorsoChanged(int index)
{
    Competition c;
    if (index <= 0) {
        c.preferenceTitles = CompetitionRules::defaultPreferenceTitles();
        c.titlesSource = CompetitionRules::defaultTitlesSource();
    } else {
        const QString path = CompetitionFile::pathFor(m_folder, cboConcorso->itemText(index));
        QString problem;
        const CompetitionFile::Status status = CompetitionFile::read(path, &c, &problem);
        if (status != CompetitionFile::Status::Read) {
            // The file stays as it is; the window starts a new set-up.
            Messages::error(this, CompetitionFile::damagedMessage(path, problem));
            c = Competition();
            c.preferenceTitles = CompetitionRules::defaultPreferenceTitles();
            c.titlesSource = CompetitionRules::defaultTitlesSource();
        }
    }
    m_competition = c;
    m_storedAs = c.name;
    showCompetition(c);
    rank();
}

void CompetitionWindow::showCompetition(const Competition& c)
{
    txtNome->setText(c.name);
    grdProve->setRowCount(0);
    for (const CompetitionTest& t : c.tests) {
        const int row = grdProve->rowCount();
        grdProve->insertRow(row);
        placeTestRow(row, t);
    }
    cboRegola->setCurrentIndex(c.rule == Competition::Rule::Weighted ? 1 : 0);
    txtPosti->setText(c.posts > 0 ? QString::number(c.posts) : QString());
    grdRiserve->setRowCount(0);
    for (const CompetitionReserve& r : c.reserves) {
        const int row = grdRiserve->rowCount();
        grdRiserve->insertRow(row);
        grdRiserve->setItem(row, 0, new QTableWidgetItem(r.name));
        grdRiserve->setItem(row, 1, new QTableWidgetItem(r.percent > 0 ? QString() : QString::number(r.posts)));
        grdRiserve->setItem(row, 2, new QTableWidgetItem(r.percent > 0 ? QString::number(r.percent) : QString()));
    }
    txtTitoli->setPlainText(c.preferenceTitles.join(QLatin1Char('\n')));
    lblFonte->setText(c.titlesSource.isEmpty() ? QString() : QStringLiteral("Fonte: ") + c.titlesSource);
}

void CompetitionWindow::placeTestRow(int row, const CompetitionTest& t)
{
    auto* session = new QComboBox;
    session->setAccessibleName(QStringLiteral("Sessione della prova"));
    for (const QString& file : m_sessions)
        session->addItem(SessionCatalogue::sessionName(file), file);
    int at = session->findData(t.session);
    if (at < 0 && !t.session.isEmpty()) {
        // A session that is no longer in the folder stays named, so the
        // ranking can say so.
        session->addItem(t.session, t.session);
        at = session->count() - 1;
    }
    session->setCurrentIndex(std::max(at, 0));
    grdProve->setCellWidget(row, 0, session);
    auto* role = new QComboBox;
    role->setAccessibleName(QStringLiteral("Tipo di prova"));
    for (Role r : kRoles)
        role->addItem(CompetitionRules::roleName(r));
    role->setCurrentIndex(int(kRoles.indexOf(t.role)));
    grdProve->setCellWidget(row, 1, role);
    grdProve->setItem(row, 2, new QTableWidgetItem(pointsText(t.maximum)));
    grdProve->setItem(row, 3, new QTableWidgetItem(pointsText(t.passMark)));
    grdProve->setItem(row, 4, new QTableWidgetItem(pointsText(t.weight)));
}

void CompetitionWindow::addTest()
{
    if (m_sessions.isEmpty()) {
        Messages::warning(this, QStringLiteral("Non ci sono sessioni: creare prima le sessioni delle prove."));
        return;
    }
    CompetitionTest t;
    t.session = m_sessions.value(std::min<int>(grdProve->rowCount(), m_sessions.size() - 1));
    t.passMark = 2100;
    const int row = grdProve->rowCount();
    grdProve->insertRow(row);
    placeTestRow(row, t);
    grdProve->setCurrentCell(row, 0);
    grdProve->cellWidget(row, 0)->setFocus(Qt::OtherFocusReason);
}

void CompetitionWindow::removeTest()
{
    const int row = grdProve->currentRow();
    if (row >= 0)
        grdProve->removeRow(row);
}

void CompetitionWindow::addReserve()
{
    const int row = grdRiserve->rowCount();
    grdRiserve->insertRow(row);
    for (int c = 0; c < 3; ++c)
        grdRiserve->setItem(row, c, new QTableWidgetItem);
    grdRiserve->setCurrentCell(row, 0);
    grdRiserve->setFocus(Qt::OtherFocusReason);
    grdRiserve->editItem(grdRiserve->item(row, 0));
}

void CompetitionWindow::removeReserve()
{
    const int row = grdRiserve->currentRow();
    if (row >= 0)
        grdRiserve->removeRow(row);
}

void CompetitionWindow::restoreTitles()
{
    txtTitoli->setPlainText(CompetitionRules::defaultPreferenceTitles().join(QLatin1Char('\n')));
    lblFonte->setText(QStringLiteral("Fonte: ") + CompetitionRules::defaultTitlesSource());
}

bool CompetitionWindow::fromControls(Competition* c, QString* message) const
{
    *c = m_competition;
    c->name = txtNome->text().trimmed();
    c->rule = cboRegola->currentIndex() == 1 ? Competition::Rule::Weighted : Competition::Rule::Usual;
    c->tests.clear();
    for (int row = 0; row < grdProve->rowCount(); ++row) {
        CompetitionTest t;
        auto* session = qobject_cast<QComboBox*>(grdProve->cellWidget(row, 0));
        auto* role = qobject_cast<QComboBox*>(grdProve->cellWidget(row, 1));
        t.session = session ? session->currentData().toString() : QString();
        t.role = kRoles.value(role ? role->currentIndex() : 0);
        const QString max = cellText(grdProve, row, 2);
        const QString pass = cellText(grdProve, row, 3);
        const QString weight = cellText(grdProve, row, 4);
        t.maximum = CompetitionRanking::hundredths(max);
        t.passMark = pass.isEmpty() ? -1 : CompetitionRanking::hundredths(pass);
        t.weight = weight.isEmpty() ? 100 : CompetitionRanking::hundredths(weight);
        if (t.maximum < 0 || (!pass.isEmpty() && t.passMark < 0) || t.weight < 0) {
            *message = QStringLiteral("Nella riga %1 delle prove il massimo, il minimo o il peso non è un numero "
                                      "(per esempio 30 oppure 21,5).")
                           .arg(row + 1);
            return false;
        }
        c->tests.append(t);
    }
    bool ok = true;
    const QString posts = txtPosti->text().trimmed();
    c->posts = posts.isEmpty() ? 0 : posts.toInt(&ok);
    if (!ok || c->posts < 0) {
        *message = QStringLiteral("Il numero dei posti messi a concorso deve essere un numero intero.");
        return false;
    }
    c->reserves.clear();
    for (int row = 0; row < grdRiserve->rowCount(); ++row) {
        CompetitionReserve r;
        r.name = cellText(grdRiserve, row, 0);
        const QString count = cellText(grdRiserve, row, 1);
        const QString percent = cellText(grdRiserve, row, 2);
        if (r.name.isEmpty() && count.isEmpty() && percent.isEmpty())
            continue;
        bool countOk = true;
        bool percentOk = true;
        r.posts = count.isEmpty() ? 0 : count.toInt(&countOk);
        r.percent = percent.isEmpty() ? 0 : percent.toInt(&percentOk);
        if (!countOk || !percentOk || (count.isEmpty() == percent.isEmpty())) {
            *message = QStringLiteral("Nella riga %1 delle riserve indicare i posti oppure la percentuale, "
                                      "con un numero intero.")
                           .arg(row + 1);
            return false;
        }
        c->reserves.append(r);
    }
    c->preferenceTitles.clear();
    for (const QString& line : txtTitoli->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            c->preferenceTitles << line.trimmed();
    }
    c->titlesSource = lblFonte->text().startsWith(QStringLiteral("Fonte: ")) ? lblFonte->text().mid(7) : QString();
    return true;
}

bool CompetitionWindow::btnSalvaClick()
{
    Competition c;
    QString message;
    if (!fromControls(&c, &message)) {
        Messages::warning(this, message);
        return false;
    }
    if (!storeAndRank(c))
        return false;
    listCompetitions(c.name);
    return true;
}

void CompetitionWindow::reject()
{
    Competition typed;
    QString message;
    const bool unreadable = !fromControls(&typed, &message);
    const bool empty = m_storedAs.isEmpty() && typed.name.isEmpty() && typed.tests.isEmpty();
    if (!empty && !AccessMode::readOnly() &&
        (unreadable || CompetitionFile::toJson(typed) != CompetitionFile::toJson(m_competition)) &&
        !Messages::confirm(this,
                           QStringLiteral("Le modifiche al concorso non sono state salvate. Si vuole chiudere "
                                          "la finestra senza salvarle?")))
        return;
    QDialog::reject();
}

bool CompetitionWindow::storeAndRank(const Competition& c)
{
    QString message;
    if (!CompetitionStore::store(m_folder, c, m_storedAs, &message)) {
        Messages::error(this, message);
        return false;
    }
    m_competition = c;
    m_storedAs = c.name;
    rank();
    return true;
}

void CompetitionWindow::rank()
{
    m_result = CompetitionResult();
    m_committee.clear();
    m_problems.clear();
    if (!m_competition.name.isEmpty()) {
        CompetitionStore::Outcome outcome = CompetitionStore::rank(m_folder, m_archive, m_competition, Clock::today());
        m_result = std::move(outcome.result);
        m_committee = outcome.committee;
        m_problems = outcome.problems;
    }
    showRanking();
}

void CompetitionWindow::showRanking()
{
    const int tests = int(m_competition.tests.size());
    QStringList headers {QStringLiteral("Pos."), QStringLiteral("Candidato")};
    for (const CompetitionTest& t : m_competition.tests)
        headers << SessionCatalogue::sessionName(t.session);
    headers << QStringLiteral("Punteggio finale") << QStringLiteral("Precede per") << QStringLiteral("Esito");
    grdGraduatoria->clear();
    grdGraduatoria->setColumnCount(int(headers.size()));
    grdGraduatoria->setHorizontalHeaderLabels(headers);
    grdGraduatoria->setRowCount(int(m_result.ranked.size()));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < m_result.ranked.size(); ++row) {
        const CompetitionLine& line = m_result.ranked.at(row);
        grdGraduatoria->setItem(
            row, 0,
            readOnly(QString::number(line.position) + (line.exAequo ? QStringLiteral(" ex aequo") : QString())));
        QTableWidgetItem* name = readOnly(line.name);
        name->setData(Qt::UserRole, line.person);
        grdGraduatoria->setItem(row, 1, name);
        for (int t = 0; t < tests; ++t)
            grdGraduatoria->setItem(row, 2 + t, readOnly(pointsText(line.scores.value(t, -1)), right));
        grdGraduatoria->setItem(row, 2 + tests, readOnly(line.finalScore.text(), right));
        QString placed = line.placedBy;
        if (line.flagged)
            placed +=
                (placed.isEmpty() ? QString() : QStringLiteral("; ")) + QStringLiteral("data di nascita mancante");
        grdGraduatoria->setItem(row, 3 + tests, readOnly(placed));
        grdGraduatoria->setItem(row, 4 + tests, readOnly(outcomeText(line)));
    }
    grdGraduatoria->resizeColumnsToContents();
    if (grdGraduatoria->rowCount() > 0)
        grdGraduatoria->setCurrentCell(0, 1);

    grdNonAmmessi->setRowCount(int(m_result.notAdmitted.size()));
    for (int row = 0; row < m_result.notAdmitted.size(); ++row) {
        grdNonAmmessi->setItem(row, 0, readOnly(m_result.notAdmitted.at(row).name));
        grdNonAmmessi->setItem(row, 1, readOnly(m_result.notAdmitted.at(row).notAdmittedReason));
    }
    grdNonAmmessi->resizeColumnToContents(0);

    if (!m_problems.isEmpty())
        lblVincitori->setText(QStringLiteral("La graduatoria non può essere calcolata:\n") +
                              m_problems.join(QLatin1Char('\n')));
    else
        lblVincitori->setText(m_result.winnerRule);

    grdVerifica->setRowCount(int(m_result.doubtful.size()));
    for (int row = 0; row < m_result.doubtful.size(); ++row) {
        const DoubtfulMatch& d = m_result.doubtful.at(row);
        const TestCard& a = d.a;
        const TestCard& b = d.b;
        grdVerifica->setItem(row, 0, readOnly(d.cardA));
        grdVerifica->setItem(row, 1, readOnly(a.candidato.trimmed()));
        grdVerifica->setItem(row, 2, readOnly(a.codiceFiscale.trimmed()));
        grdVerifica->setItem(row, 3, readOnly(d.cardB));
        grdVerifica->setItem(row, 4, readOnly(b.candidato.trimmed()));
        grdVerifica->setItem(row, 5, readOnly(b.codiceFiscale.trimmed()));
        grdVerifica->setItem(row, 6, readOnly(d.reason));
    }
    grdVerifica->resizeColumnsToContents();
    showSeal();
    tabPagine->setTabText(2,
                          m_result.doubtful.isEmpty()
                              ? QStringLiteral("Da &verificare")
                              : QStringLiteral("Da &verificare (%1)").arg(m_result.doubtful.size()));
}

int CompetitionWindow::selectedLine()
{
    const int row = grdGraduatoria->currentRow();
    if (row < 0 || row >= m_result.ranked.size()) {
        Messages::warning(this, QStringLiteral("Selezionare un candidato della graduatoria."));
        return -1;
    }
    return row;
}

void CompetitionWindow::selectPerson(const QString& person)
{
    // The focus stays on the candidate, wherever the change moved them.
    for (int r = 0; r < m_result.ranked.size(); ++r)
        if (m_result.ranked.at(r).person == person)
            grdGraduatoria->setCurrentCell(r, 1);
    grdGraduatoria->setFocus(Qt::OtherFocusReason);
}

void CompetitionWindow::btnTitoliClick()
{
    const int row = selectedLine();
    if (row < 0)
        return;
    const CompetitionLine line = m_result.ranked.at(row);
    TitlesWindow dialog(line.name, m_competition, m_competition.facts.value(line.person), this);
    if (Modal::run(&dialog) != QDialog::Accepted)
        return;
    Competition c = m_competition;
    c.facts.insert(line.person, dialog.facts());
    if (storeAndRank(c))
        selectPerson(line.person);
}

void CompetitionWindow::move(int step)
{
    const int row = selectedLine();
    if (row < 0)
        return;
    const CompetitionLine& line = m_result.ranked.at(row);
    if (line.manualGroup == 0) {
        Messages::warning(this,
                          QStringLiteral("Il candidato non è a pari merito con altri dopo titoli, figli a "
                                         "carico ed età: la sua posizione non si sposta a mano."));
        return;
    }
    const QStringList order = CompetitionRanking::moved(m_result, m_competition.manualOrder, line.person, step);
    if (order == m_competition.manualOrder)
        return;
    const QString person = line.person;
    Competition c = m_competition;
    c.manualOrder = order;
    if (storeAndRank(c))
        selectPerson(person);
}

void CompetitionWindow::btnEsitoClick()
{
    const int row = selectedLine();
    if (row < 0)
        return;
    const CompetitionLine line = m_result.ranked.at(row);
    std::optional<OutcomeOverride> current;
    if (m_competition.overrides.contains(line.person))
        current = m_competition.overrides.value(line.person);
    OverrideWindow dialog(line.name, current, this);
    if (Modal::run(&dialog) != QDialog::Accepted)
        return;
    Competition c = m_competition;
    if (const std::optional<OutcomeOverride> decision = dialog.decision())
        c.overrides.insert(line.person, *decision);
    else
        c.overrides.remove(line.person);
    if (storeAndRank(c))
        selectPerson(line.person);
}

void CompetitionWindow::btnCollegaClick()
{
    const int row = grdVerifica->currentRow();
    if (row < 0 || row >= m_result.doubtful.size())
        return;
    Competition c = m_competition;
    c.links.append({m_result.doubtful.at(row).cardA, m_result.doubtful.at(row).cardB});
    storeAndRank(c);
}

void CompetitionWindow::btnSeparaClick()
{
    const int row = grdVerifica->currentRow();
    if (row < 0 || row >= m_result.doubtful.size())
        return;
    Competition c = m_competition;
    c.separations.append({m_result.doubtful.at(row).cardA, m_result.doubtful.at(row).cardB});
    storeAndRank(c);
}

bool CompetitionWindow::printable()
{
    if (!m_problems.isEmpty() || m_result.ranked.isEmpty()) {
        Messages::warning(this,
                          QStringLiteral("Operazione di stampa non applicabile: la graduatoria del concorso "
                                         "non contiene nessun candidato."));
        return false;
    }
    return true;
}

void CompetitionWindow::btnAnteprimaClick()
{
    if (!printable())
        return;
    auto report = CompetitionReport::rankingReport(m_competition, m_result, m_committee, Clock::today());
    report->prepare();
    ReportPrinter::preview(this, *report);
}

void CompetitionWindow::btnStampaClick()
{
    if (!printable())
        return;
    if (!Messages::confirm(this, QStringLiteral("Si vuole stampare la graduatoria di merito del concorso?")))
        return;
    auto report = CompetitionReport::rankingReport(m_competition, m_result, m_committee, Clock::today());
    report->prepare();
    ReportPrinter::print(this, *report);
}

void CompetitionWindow::btnPdfClick()
{
    if (!printable())
        return;
    const QString folder = SaveName::folder(m_folder);
    const QString proposed =
        QDir(folder).filePath(QStringLiteral("Graduatoria di merito %1.pdf").arg(m_competition.name));
    const QString path = SaveName::ask(this, QStringLiteral("Salva la graduatoria di merito in PDF"), proposed,
                                       QStringLiteral("File PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    auto report = CompetitionReport::rankingReport(m_competition, m_result, m_committee, Clock::today());
    report->prepare();
    QString error;
    if (!report->exportPdf(path, &error)) {
        Messages::error(this,
                        QStringLiteral("Attenzione: non è stato possibile salvare la graduatoria (%1).").arg(error));
        return;
    }
    Messages::information(this, QStringLiteral("La graduatoria è stata salvata nel file \"%1\".").arg(path));
}

void CompetitionWindow::btnEsportaClick()
{
    if (!m_problems.isEmpty() || (m_result.ranked.isEmpty() && m_result.notAdmitted.isEmpty())) {
        Messages::warning(this,
                          QStringLiteral("Operazione non applicabile: il concorso non ha ancora una "
                                         "graduatoria da esportare."));
        return;
    }
    const QString folder = SaveName::folder(m_folder);
    const QString proposed = QDir(folder).filePath(QStringLiteral("Concorso %1.xlsx").arg(m_competition.name));
    const QString path =
        SaveName::ask(this, QStringLiteral("Esporta la tabella del concorso"), proposed,
                      QStringLiteral("Cartella di lavoro di Excel (*.xlsx);;Testo separato da punto e virgola (*.csv)"),
                      QStringLiteral("xlsx"));
    if (path.isEmpty())
        return;
    QString error;
    if (!CompetitionExport::write(path, m_competition, m_result, &error)) {
        Messages::error(this,
                        QStringLiteral("Attenzione: la tabella non è stata esportata (%1). Un file con lo "
                                       "stesso nome è rimasto com'era.")
                            .arg(error));
        return;
    }
    Messages::information(this, QStringLiteral("La tabella del concorso è stata esportata nel file \"%1\".").arg(path));
}

void CompetitionWindow::showSeal()
{
    if (m_competition.name.isEmpty()) {
        lblSigillo->clear();
        return;
    }
    QStringList changed;
    const CompetitionSeal::State state = CompetitionSeal::check(m_folder, m_competition, &changed);
    lblSigillo->setText(CompetitionSeal::stateText(state, changed));
    lblSigillo->setStyleSheet(state == CompetitionSeal::State::Changed ? QStringLiteral("color: maroon;") : QString());
}

void CompetitionWindow::btnVerificaSigilloClick()
{
    showSeal();
    Messages::information(this, lblSigillo->text());
}

void CompetitionWindow::btnPubblicaClick()
{
    if (!printable())
        return;
    if (!m_result.doubtful.isEmpty()) {
        Messages::warning(this,
                          QStringLiteral("Prima della pubblicazione verificare le schede della pagina "
                                         "\"Da verificare\": ogni candidato deve essere riconosciuto con "
                                         "certezza."));
        return;
    }
    const QString proposed =
        QDir(SaveName::folder(m_folder))
            .filePath(QStringLiteral("Graduatoria di merito %1 - pubblicazione.pdf").arg(m_competition.name));
    const QString path = SaveName::ask(this, QStringLiteral("Salva la copia per la pubblicazione"), proposed,
                                       QStringLiteral("File PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    CompetitionSeal::Seal seal;
    QString problem;
    if (!CompetitionSeal::make(m_folder, m_competition, &seal, &problem)) {
        Messages::error(this, QStringLiteral("Attenzione: la graduatoria non è stata pubblicata: %1").arg(problem));
        return;
    }
    auto report = CompetitionSeal::publicationReport(m_competition, m_result, seal, Clock::today());
    report->prepare();
    QString error;
    if (!report->exportPdf(path, &error)) {
        Messages::error(
            this, QStringLiteral("Attenzione: la copia per la pubblicazione non è stata salvata (%1).").arg(error));
        return;
    }
    if (!CompetitionSeal::write(m_folder, m_competition, seal, &error)) {
        // A copy without its seal could not be checked later: it goes.
        QFile::remove(path);
        Messages::error(this,
                        QStringLiteral("Attenzione: il sigillo della pubblicazione non è stato salvato (%1); "
                                       "la copia non è stata tenuta.")
                            .arg(error));
        return;
    }
    showSeal();
    Messages::information(this,
                          QStringLiteral("La copia per la pubblicazione è stata salvata nel file \"%1\".").arg(path));
}
