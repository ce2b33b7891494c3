// The list of groups of cards that look like one person, and the store
// warning for a new card that matches the archive.
#include "candidates/ui/DuplicatesWindow.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/TrovaCandidati.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

DuplicatesWindow::DuplicatesWindow(const QList<Duplicates::Group>& groups, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDoppioni"));
    setWindowTitle(QStringLiteral(" Doppioni in archivio"));
    auto* heading = new QLabel(
        QStringLiteral("Gruppi di schede che sembrano della stessa persona: %1. Scegliere una scheda e premere "
                       "Apri scheda per vederla.")
            .arg(groups.size()),
        this);
    heading->setWordWrap(true);
    groupList = new QTreeWidget(this);
    groupList->setObjectName(QStringLiteral("lstDoppioni"));
    groupList->setAccessibleName(QStringLiteral("Gruppi di schede doppie"));
    heading->setBuddy(groupList);
    groupList->setHeaderHidden(true);
    groupList->setUniformRowHeights(true);
    groupList->setSortingEnabled(false);
    QList<QTreeWidgetItem*> tops;
    tops.reserve(groups.size());
    for (int g = 0; g < groups.size(); ++g) {
        const Duplicates::Group& group = groups.at(g);
        auto* top = new QTreeWidgetItem(QStringList(
            QStringLiteral("Gruppo %1 - %2 (%3 schede)").arg(g + 1).arg(group.reason()).arg(group.cards.size())));
        for (const Duplicates::Card& card : group.cards) {
            auto* child = new QTreeWidgetItem(top, QStringList(Duplicates::describe(card)));
            child->setData(0, Qt::UserRole, card.position);
        }
        tops.append(top);
    }
    groupList->addTopLevelItems(tops);
    groupList->expandAll();

    openButton = new QPushButton(QStringLiteral("Apri scheda"), this);
    openButton->setObjectName(QStringLiteral("btnApriScheda"));
    openButton->setToolTip(QStringLiteral("Mostra la scheda scelta nella finestra delle schede candidati."));
    closeButton = new QPushButton(QStringLiteral("Chiudi"), this);
    closeButton->setObjectName(QStringLiteral("btnChiudi"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(openButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(groupList, 1);
    layout->addLayout(buttons);
    resize(760, 480);

    connect(openButton, &QPushButton::clicked, this, &DuplicatesWindow::openSelected);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(groupList, &QTreeWidget::itemActivated, this, [this] { openSelected(); });
    if (!tops.isEmpty() && tops.first()->childCount() > 0)
        groupList->setCurrentItem(tops.first()->child(0));
}

void DuplicatesWindow::openSelected()
{
    const QTreeWidgetItem* item = groupList->currentItem();
    const qint64 position = item ? item->data(0, Qt::UserRole).toLongLong() : 0;
    if (position < 1) {
        Messages::warning(this, QStringLiteral("Attenzione: scegliere una scheda del gruppo, non il gruppo."));
        return;
    }
    m_chosen = position;
    accept();
}

qint64 DuplicatesWindow::run(QWidget* parent)
{
    QList<Duplicates::Group> groups;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = Duplicates::scan(CandidateArchive::path(), &groups);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        Messages::error(parent, RecordFile::accessMessage());
        return 0;
    }
    if (groups.isEmpty()) {
        Messages::information(parent,
                              QStringLiteral("Nell'archivio non ci sono schede che sembrano della stessa persona."));
        return 0;
    }
    DuplicatesWindow window(groups, parent);
    Modal::run(&window);
    return window.chosen();
}

bool DuplicatesWindow::confirmNewCard(TfrmCandidati* w)
{
    QList<Duplicates::Card> found;
    // An archive that cannot be read is the store command's to report.
    if (!Duplicates::matches(CandidateArchive::path(), w->txtCandidato->text(), w->txtDataNasc->text(),
                             w->txtCodFisc->text(), &found) ||
        found.isEmpty())
        return true;
    QStringList lines;
    for (const Duplicates::Card& card : found)
        lines << Duplicates::describe(card);
    const int choice = Messages::choose(
        w, Messages::Kind::Warning,
        QStringLiteral("Attenzione: in archivio ci sono già schede che sembrano della stessa persona (stesso codice "
                       "fiscale, oppure stesso nome e data di nascita):\n\r\n\r") +
            lines.join(QStringLiteral("\n\r")) +
            QStringLiteral("\n\r\n\rSi può salvare comunque la nuova scheda, oppure mostrare la scheda in archivio "
                           "(la nuova scheda non salvata andrà persa)."),
        {QStringLiteral("Salva comunque"), QStringLiteral("Mostra la scheda in archivio"), QStringLiteral("Annulla")});
    if (choice == 0)
        return true;
    if (choice == 1) {
        RecordFile file(CandidateArchive::path(), TSchedaCandidato::Size);
        QByteArray record;
        const bool read = file.open() && file.read(found.first().position, &record);
        file.close();
        if (!read) {
            Messages::error(w, RecordFile::accessMessage());
            return false;
        }
        CandidateHandOver::show(w, found.first().position, TSchedaCandidato::decode(record));
    }
    return false;
}
