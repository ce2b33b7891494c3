#include "competition/ui/TitlesWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

void fill(QListWidget* list, const QStringList& items, const QStringList& ticked)
{
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(ticked.contains(text) ? Qt::Checked : Qt::Unchecked);
    }
    if (list->count() > 0)
        list->setCurrentRow(0);
}

QStringList ticked(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            out << list->item(i)->text();
    return out;
}

} // namespace

TitlesWindow::TitlesWindow(const QString& candidate, const Competition& competition, const CandidateFacts& facts,
                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTitoli"));
    setWindowTitle(QStringLiteral(" Selvora - Titoli di preferenza"));
    lblCandidato = new QLabel(candidate, this);
    lblCandidato->setObjectName(QStringLiteral("lblCandidato"));
    QFont bold = lblCandidato->font();
    bold.setBold(true);
    lblCandidato->setFont(bold);

    lstTitoli = new QListWidget(this);
    lstTitoli->setObjectName(QStringLiteral("lstTitoli"));
    lstTitoli->setAccessibleName(QStringLiteral("Titoli di preferenza dichiarati"));
    fill(lstTitoli, competition.preferenceTitles, facts.titles);
    auto* captionTitles = new QLabel(QStringLiteral("&Titoli dichiarati (Spazio spunta il titolo):"), this);
    captionTitles->setBuddy(lstTitoli);

    spnFigli = new QSpinBox(this);
    spnFigli->setObjectName(QStringLiteral("spnFigli"));
    spnFigli->setRange(0, 99);
    spnFigli->setValue(facts.children);
    spnFigli->setAccessibleName(QStringLiteral("Figli a carico"));
    auto* captionChildren = new QLabel(QStringLiteral("&Figli a carico:"), this);
    captionChildren->setBuddy(spnFigli);

    lstRiserve = new QListWidget(this);
    lstRiserve->setObjectName(QStringLiteral("lstRiserve"));
    lstRiserve->setAccessibleName(QStringLiteral("Riserve a cui ha diritto"));
    QStringList reserves;
    for (const CompetitionReserve& r : competition.reserves)
        reserves << r.name;
    fill(lstRiserve, reserves, facts.reserves);
    lstRiserve->setMaximumHeight(110);
    auto* captionReserves = new QLabel(QStringLiteral("&Riserve a cui ha diritto:"), this);
    captionReserves->setBuddy(lstRiserve);

    btnOk = new QPushButton(QStringLiteral("Salva"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    auto* children = new QHBoxLayout;
    children->addWidget(captionChildren);
    children->addWidget(spnFigli);
    children->addStretch();
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(btnOk);
    commands->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCandidato);
    layout->addWidget(captionTitles);
    layout->addWidget(lstTitoli, 1);
    layout->addLayout(children);
    layout->addWidget(captionReserves);
    layout->addWidget(lstRiserve);
    layout->addLayout(commands);
    // Wide enough for the longest legal title.
    resize(980, 560);
    lstTitoli->setFocus(Qt::OtherFocusReason);
}

CandidateFacts TitlesWindow::facts() const
{
    CandidateFacts f;
    f.titles = ticked(lstTitoli);
    f.children = spnFigli->value();
    f.reserves = ticked(lstRiserve);
    return f;
}
