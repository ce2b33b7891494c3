// The calendar window: the day set up, the candidates of the session placed
// and moved, the issues shown as they arise, the side file stored in one
// call, the invitations saved as .ics files.
#include "sittings/ui/CalendarWindow.h"

#include "base/core/AccessMode.h"
#include "base/core/Clock.h"
#include "base/core/Formats.h"
#include "base/core/SafeWrite.h"
#include "base/platform/Messages.h"
#include "rankings/core/OfficialRanking.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/SaveName.h"
#include "shared/ui/WriteGuard.h"
#include "sittings/core/CalendarFile.h"
#include "sittings/core/IcsCalendar.h"
#include "ui_CalendarWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

QTime timeFrom(const QString& text)
{
    return QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
}

QString cellText(const QTableWidget* t, int row, int column)
{
    const QTableWidgetItem* item = t->item(row, column);
    return item ? item->text().trimmed() : QString();
}

QTableWidgetItem* readOnly(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

CalendarWindow::CalendarWindow(const QString& sessionPath, const QString& sessionName, QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::CalendarWindow)
    , m_session(sessionPath)
    , m_name(sessionName)
{
    Formats::apply();
    m_ui->setupUi(this);
    txtData = m_ui->txtData;
    txtLuogo = m_ui->txtLuogo;
    txtInizio = m_ui->txtInizio;
    txtDurata = m_ui->txtDurata;
    txtFine = m_ui->txtFine;
    cboOrdine = m_ui->cboOrdine;
    txtLettera = m_ui->txtLettera;
    grdPause = m_ui->grdPause;
    btnAggiungiPausa = m_ui->btnAggiungiPausa;
    btnEliminaPausa = m_ui->btnEliminaPausa;
    grdColloqui = m_ui->grdColloqui;
    lblProblemi = m_ui->lblProblemi;
    btnDisponi = m_ui->btnDisponi;
    btnInvito = m_ui->btnInvito;
    btnCommissione = m_ui->btnCommissione;
    btnSalva = m_ui->btnSalva;
    btnChiudi = m_ui->btnChiudi;
    setWindowTitle(windowTitle() + QStringLiteral(" - ") + sessionName);

    for (QTableWidget* t : {grdPause, grdColloqui})
        t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdColloqui->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grdColloqui->horizontalHeader()->setStretchLastSection(false);

    WriteGuard::mark({btnSalva, btnDisponi});
    connect(btnAggiungiPausa, &QPushButton::clicked, this, [this] {
        const int row = grdPause->rowCount();
        grdPause->insertRow(row);
        grdPause->setItem(row, 0, new QTableWidgetItem(QStringLiteral("11:00")));
        grdPause->setItem(row, 1, new QTableWidgetItem(QStringLiteral("15")));
        grdPause->setCurrentCell(row, 0);
        grdPause->setFocus(Qt::OtherFocusReason);
    });
    connect(btnEliminaPausa, &QPushButton::clicked, this, [this] {
        if (grdPause->currentRow() >= 0)
            grdPause->removeRow(grdPause->currentRow());
        showIssues();
    });
    connect(grdPause, &QTableWidget::cellChanged, this, &CalendarWindow::showIssues);
    connect(grdColloqui, &QTableWidget::cellChanged, this, &CalendarWindow::showIssues);
    for (QLineEdit* e : {txtInizio, txtDurata, txtFine})
        connect(e, &QLineEdit::textChanged, this, &CalendarWindow::showIssues);
    connect(cboOrdine, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { txtLettera->setEnabled(index == 1); });
    connect(btnDisponi, &QPushButton::clicked, this, &CalendarWindow::btnDisponiClick);
    connect(btnInvito, &QPushButton::clicked, this, &CalendarWindow::btnInvitoClick);
    connect(btnCommissione, &QPushButton::clicked, this, &CalendarWindow::btnCommissioneClick);
    connect(btnSalva, &QPushButton::clicked, this, &CalendarWindow::btnSalvaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    KeyCommands::bind(this, btnSalva, {KeyCommands::Store});

    SittingCalendar c;
    QString problem;
    switch (CalendarFile::read(sessionPath, &c, &problem)) {
    case CalendarFile::Status::Read:
        m_stored = true;
        break;
    case CalendarFile::Status::Damaged:
    case CalendarFile::Status::Failed:
        // The file stays as it is; nothing is stored over it unasked.
        Messages::error(this, CalendarFile::damagedMessage(CalendarFile::pathFor(sessionPath), problem));
        btnSalva->setEnabled(false);
        [[fallthrough]];
    case CalendarFile::Status::Missing:
        c = SittingCalendar();
        c.session = QFileInfo(sessionPath).fileName();
        c.date = Clock::today().addDays(7);
        c.start = QTime(9, 0);
        break;
    }
    m_calendar = c;
    showCalendar(c);
    txtData->setFocus(Qt::OtherFocusReason);
}

CalendarWindow::~CalendarWindow() = default;

void CalendarWindow::showCalendar(const SittingCalendar& c)
{
    m_filling = true;
    txtData->setText(c.date.toString(QStringLiteral("dd/MM/yyyy")));
    txtLuogo->setText(c.place);
    txtInizio->setText(CalendarPlanner::timeText(c.start));
    txtDurata->setText(QString::number(c.minutes));
    txtFine->setText(CalendarPlanner::timeText(c.dayEnd));
    cboOrdine->setCurrentIndex(int(c.order));
    txtLettera->setText(QString(c.letter));
    txtLettera->setEnabled(c.order == SittingCalendar::Order::DrawnLetter);
    grdPause->setRowCount(0);
    for (const CalendarBreak& b : c.breaks) {
        const int row = grdPause->rowCount();
        grdPause->insertRow(row);
        grdPause->setItem(row, 0, new QTableWidgetItem(CalendarPlanner::timeText(b.start)));
        grdPause->setItem(row, 1, new QTableWidgetItem(QString::number(b.minutes)));
    }
    m_filling = false;
    showInterviews(c.interviews);
}

void CalendarWindow::showInterviews(const QList<CalendarSlot>& interviews)
{
    m_filling = true;
    grdColloqui->setRowCount(int(interviews.size()));
    for (int row = 0; row < interviews.size(); ++row) {
        const CalendarSlot& s = interviews.at(row);
        grdColloqui->setItem(row, 0, new QTableWidgetItem(CalendarPlanner::timeText(s.start)));
        QTableWidgetItem* name = readOnly(s.candidate);
        name->setData(Qt::UserRole, s.card);
        grdColloqui->setItem(row, 1, name);
        grdColloqui->setItem(row, 2, readOnly(QString::number(s.card)));
    }
    m_filling = false;
    showIssues();
}

bool CalendarWindow::fromControls(SittingCalendar* c, QString* message) const
{
    *c = m_calendar;
    c->date = QDate::fromString(txtData->text().trimmed(), QStringLiteral("dd/MM/yyyy"));
    if (!c->date.isValid()) {
        *message = QStringLiteral("Scrivere la data nella forma gg/mm/aaaa (per esempio 15/04/2027).");
        return false;
    }
    c->place = txtLuogo->text().trimmed();
    c->start = timeFrom(txtInizio->text());
    if (!c->start.isValid()) {
        *message = QStringLiteral("Scrivere l'ora di inizio nella forma hh:mm (per esempio 09:00).");
        return false;
    }
    bool ok = false;
    c->minutes = txtDurata->text().trimmed().toInt(&ok);
    if (!ok) {
        *message = QStringLiteral("La durata di ogni colloquio è un numero di minuti.");
        return false;
    }
    c->dayEnd = txtFine->text().trimmed().isEmpty() ? QTime() : timeFrom(txtFine->text());
    if (!txtFine->text().trimmed().isEmpty() && !c->dayEnd.isValid()) {
        *message = QStringLiteral("Scrivere l'ora di fine nella forma hh:mm, oppure lasciarla vuota.");
        return false;
    }
    c->order = SittingCalendar::Order(cboOrdine->currentIndex());
    const QString letter = txtLettera->text().trimmed();
    c->letter = letter.isEmpty() ? QChar() : letter.at(0).toUpper();
    c->breaks.clear();
    for (int row = 0; row < grdPause->rowCount(); ++row) {
        CalendarBreak b {timeFrom(cellText(grdPause, row, 0)), cellText(grdPause, row, 1).toInt(&ok)};
        if (!b.start.isValid() || !ok) {
            *message = QStringLiteral("Nella riga %1 delle pause scrivere l'inizio (hh:mm) e i minuti.").arg(row + 1);
            return false;
        }
        c->breaks.append(b);
    }
    c->interviews.clear();
    for (int row = 0; row < grdColloqui->rowCount(); ++row) {
        const QTableWidgetItem* name = grdColloqui->item(row, 1);
        CalendarSlot s {name ? name->data(Qt::UserRole).toLongLong() : 0, name ? name->text() : QString(),
                        timeFrom(cellText(grdColloqui, row, 0))};
        if (!s.start.isValid()) {
            *message = QStringLiteral("Scrivere l'ora del colloquio di %1 nella forma hh:mm.").arg(s.candidate);
            return false;
        }
        c->interviews.append(s);
    }
    return true;
}

void CalendarWindow::showIssues()
{
    if (m_filling)
        return;
    SittingCalendar c;
    QString message;
    if (!fromControls(&c, &message)) {
        lblProblemi->setText(message);
        return;
    }
    QStringList texts = c.problems();
    for (const CalendarPlanner::Issue& i : CalendarPlanner::issues(c))
        texts << i.text;
    lblProblemi->setText(texts.join(QLatin1Char('\n')));
}

void CalendarWindow::btnDisponiClick()
{
    SittingCalendar c;
    QString message;
    if (!fromControls(&c, &message)) {
        Messages::warning(this, message);
        return;
    }
    const QStringList problems = c.problems();
    if (!problems.isEmpty()) {
        Messages::warning(this, problems.join(QStringLiteral("\r\n")));
        return;
    }
    QList<OfficialCandidate> cards;
    if (!OfficialRanking::readSession(m_session, &cards)) {
        Messages::error(this, QStringLiteral("Attenzione: la sessione non può essere letta."));
        return;
    }
    QList<CalendarCandidate> candidates;
    for (const OfficialCandidate& card : cards)
        candidates.append({card.card, card.candidato.trimmed()});
    if (!c.interviews.isEmpty() &&
        !Messages::confirm(this,
                           QStringLiteral("Il calendario ha già degli orari: disporre di nuovo i candidati "
                                          "cancella gli spostamenti fatti a mano. Continuare?")))
        return;
    showInterviews(CalendarPlanner::place(c, candidates));
    grdColloqui->setFocus(Qt::OtherFocusReason);
    if (grdColloqui->rowCount() > 0)
        grdColloqui->setCurrentCell(0, 0);
}

bool CalendarWindow::btnSalvaClick()
{
    SittingCalendar c;
    QString message;
    if (!fromControls(&c, &message)) {
        Messages::warning(this, message);
        return false;
    }
    const QStringList problems = c.problems();
    if (!problems.isEmpty()) {
        Messages::warning(
            this, QStringLiteral("Il calendario non è stato salvato:\r\n") + problems.join(QStringLiteral("\r\n")));
        return false;
    }
    // A new calendar for a day gone by is likely a typing slip: said, not
    // refused (a calendar may be recorded afterwards).
    if (!m_stored && c.date < Clock::today())
        Messages::warning(this,
                          QStringLiteral("La data del calendario (%1) è già passata.")
                              .arg(c.date.toString(QStringLiteral("dd/MM/yyyy"))));
    QString error;
    if (!CalendarFile::write(m_session, c, &error)) {
        Messages::error(this,
                        QStringLiteral("Attenzione: il calendario non è stato salvato (%1). Il file salvato "
                                       "prima è rimasto com'era.")
                            .arg(error));
        return false;
    }
    m_calendar = c;
    m_stored = true;
    return true;
}

void CalendarWindow::reject()
{
    SittingCalendar typed;
    QString message;
    const bool unreadable = !fromControls(&typed, &message);
    const bool changed = unreadable || CalendarFile::toJson(typed) != CalendarFile::toJson(m_calendar);
    const bool worthKeeping = m_stored || !typed.interviews.isEmpty();
    if (changed && worthKeeping && !AccessMode::readOnly() &&
        !Messages::confirm(this,
                           QStringLiteral("Le modifiche al calendario non sono state salvate. Si vuole "
                                          "chiudere la finestra senza salvarle?")))
        return;
    QDialog::reject();
}

bool CalendarWindow::saveIcs(const QString& proposedName, const QByteArray& bytes)
{
    const QString proposed = SaveName::folder(QFileInfo(m_session).absolutePath()) + proposedName;
    const QString path = SaveName::ask(this, QStringLiteral("Salva l'invito di calendario"), proposed,
                                       QStringLiteral("Calendario (*.ics)"), QStringLiteral("ics"));
    if (path.isEmpty())
        return false;
    QString error;
    if (!SafeWrite::wholeFile(path, bytes, &error)) {
        Messages::error(this, QStringLiteral("Attenzione: il file non è stato salvato (%1).").arg(error));
        return false;
    }
    Messages::information(this, QStringLiteral("Il calendario è stato salvato nel file \"%1\".").arg(path));
    return true;
}

void CalendarWindow::btnInvitoClick()
{
    SittingCalendar c;
    QString message;
    const int row = grdColloqui->currentRow();
    if (!fromControls(&c, &message) || row < 0 || row >= c.interviews.size()) {
        Messages::warning(this,
                          message.isEmpty() ? QStringLiteral("Selezionare un colloquio del calendario.") : message);
        return;
    }
    const CalendarSlot& s = c.interviews.at(row);
    saveIcs(QStringLiteral("Colloquio %1 - %2.ics").arg(m_name, s.candidate),
            IcsCalendar::invitation(c, s, m_name, QDateTime::currentDateTimeUtc()));
}

void CalendarWindow::btnCommissioneClick()
{
    SittingCalendar c;
    QString message;
    if (!fromControls(&c, &message) || c.interviews.isEmpty()) {
        Messages::warning(this, message.isEmpty() ? QStringLiteral("Il calendario non ha ancora colloqui.") : message);
        return;
    }
    saveIcs(QStringLiteral("Calendario %1.ics").arg(m_name),
            IcsCalendar::committeeCalendar(c, m_name, QDateTime::currentDateTimeUtc()));
}
