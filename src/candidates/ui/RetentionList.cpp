#include "candidates/ui/RetentionList.h"

#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "candidates/core/Erasure.h"
#include "candidates/ui/ErasureCommands.h"
#include "shared/ui/WriteGuard.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

RetentionList::RetentionList(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgConservazione"));
    setWindowTitle(QStringLiteral(" Candidati senza attività da molti mesi"));
    auto* intro = new QLabel(QStringLiteral("I dati personali vanno conservati solo per il tempo necessario. "
                                            "Qui sono elencati i candidati la cui scheda non è stata modificata e "
                                            "che non hanno avuto colloqui da più mesi di quelli indicati."),
                             this);
    intro->setWordWrap(true);
    auto* caption = new QLabel(QStringLiteral("&Mesi senza attività:"), this);
    spnMesi = new QSpinBox(this);
    spnMesi->setObjectName(QStringLiteral("spnMesi"));
    spnMesi->setRange(1, 240);
    spnMesi->setValue(24);
    spnMesi->setAccessibleName(QStringLiteral("Mesi senza attività"));
    caption->setBuddy(spnMesi);
    btnAggiorna = new QPushButton(QStringLiteral("&Aggiorna elenco"), this);
    btnAggiorna->setObjectName(QStringLiteral("btnAggiorna"));
    lstCandidati = new QTreeWidget(this);
    lstCandidati->setObjectName(QStringLiteral("lstCandidati"));
    lstCandidati->setAccessibleName(QStringLiteral("Candidati senza attività"));
    lstCandidati->setRootIsDecorated(false);
    lstCandidati->setUniformRowHeights(true);
    lstCandidati->setSortingEnabled(false);
    lstCandidati->setHeaderLabels({QStringLiteral("Candidato"), QStringLiteral("Codice fiscale"),
                                   QStringLiteral("Scheda n."), QStringLiteral("Scheda modificata"),
                                   QStringLiteral("Ultimo colloquio")});
    lstCandidati->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lblConteggio = new QLabel(this);
    lblConteggio->setObjectName(QStringLiteral("lblConteggio"));
    btnCancella = new QPushButton(QStringLiteral("&Cancella dati dei candidati spuntati..."), this);
    btnCancella->setObjectName(QStringLiteral("btnCancella"));
    btnChiudi = new QPushButton(QStringLiteral("C&hiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton* b : {btnAggiorna, btnCancella, btnChiudi})
        b->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(spnMesi);
    top->addWidget(btnAggiorna);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblConteggio, 1);
    bottom->addWidget(btnCancella);
    bottom->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(top);
    layout->addWidget(lstCandidati, 1);
    layout->addLayout(bottom);
    resize(900, 520);

    connect(btnAggiorna, &QPushButton::clicked, this, &RetentionList::refresh);
    connect(btnCancella, &QPushButton::clicked, this, &RetentionList::eraseChecked);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    WriteGuard::mark(btnCancella);
    refresh();
}

void RetentionList::refresh()
{
    m_rows = Retention::overdue(spnMesi->value(), QDate::currentDate());
    lstCandidati->clear();
    QList<QTreeWidgetItem*> items;
    const QString format = QStringLiteral("dd/MM/yyyy");
    for (int i = 0; i < m_rows.size(); ++i) {
        const Retention::Row& r = m_rows[i];
        auto* item = new QTreeWidgetItem(
            {r.candidato, r.codFisc, QString::number(r.position),
             r.cardDateOwn ? r.cardChanged.toString(format)
                           : QStringLiteral("prima del %1").arg(r.cardChanged.toString(format)),
             r.lastInterview.isValid() ? r.lastInterview.toString(format) : QStringLiteral("nessuno")});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        item->setData(0, Qt::UserRole, i);
        items << item;
    }
    lstCandidati->addTopLevelItems(items);
    lblConteggio->setText(
        m_rows.isEmpty() ? QStringLiteral("Nessun candidato senza attività da più di %1 mesi.").arg(spnMesi->value())
                         : QStringLiteral("%1 candidati senza attività da più di %2 mesi.")
                               .arg(m_rows.size())
                               .arg(spnMesi->value()));
    lblConteggio->setAccessibleName(lblConteggio->text());
}

void RetentionList::eraseChecked()
{
    if (!WriteGuard::allowed(this))
        return;
    QList<Retention::Row> chosen;
    for (int i = 0; i < lstCandidati->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lstCandidati->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            chosen << m_rows.at(item->data(0, Qt::UserRole).toInt());
    }
    if (chosen.isEmpty()) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: spuntare nell'elenco i candidati di cui cancellare i "
                                         "dati personali."));
        return;
    }
    QStringList reports;
    for (const Retention::Row& row : chosen) {
        RecordFile archive(CandidateArchive::path(), TSchedaCandidato::Size);
        QByteArray record;
        if (!archive.open() || !archive.read(row.position, &record)) {
            Messages::error(this, RecordFile::accessMessage());
            break;
        }
        archive.close();
        const TSchedaCandidato card = TSchedaCandidato::decode(record);
        QList<Erasure::Interview> interviews = Erasure::interviewsOf(ProgramFolder::path(), card);
        if (!ErasureCommands::confirm(this, card, row.position, &interviews))
            continue;
        reports << Erasure::erase(row.position, interviews, QDate::currentDate()).report();
    }
    refresh();
    if (reports.isEmpty())
        return;
    ErasureReportDialog dialog(reports.join(QStringLiteral("\n\n----------------------------------------\n\n")), this);
    Modal::run(&dialog);
}
