#include "rankings/ui/RankingWindow.h"

#include "base/core/Formats.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "output/core/SummaryReport.h"
#include "rankings/core/Rankings.h"
#include "report/core/Report.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/Help.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SummaryList.h"
#include "shared/ui/SummaryListFit.h"
#include "shared/ui/SummaryPrint.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

RankingWindow::RankingWindow(QWidget* parent, const QString& caption, const QString& reportName, bool sorted)
    : QDialog(parent)
    , frxReport(SummaryReport::create(reportName))
{
    Formats::apply();
    setWindowTitle(caption);
    setWindowIcon(selvoraIcon(QStringLiteral("trophy")));
    DialogFrame::resizable(this);
    setStyleSheet(QStringLiteral("RankingWindow { background: #f4f7fb; }"));

    titClassifica = new QLabel(QStringLiteral("- - -"), this);
    titClassifica->setObjectName(QStringLiteral("titClassifica"));
    titClassifica->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    titClassifica->setStyleSheet(QStringLiteral("color: maroon;"));

    lstRecords = new SummaryList(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setSorted(sorted);
    lstRecords->setAccessibleName(QStringLiteral("Graduatoria"));
    // The score ends each line, past its 145th character: the font is fitted
    // so that it shows without scrolling on a 1366-pixel screen.
    SummaryListFit::install(lstRecords);

    infIntervallo = new QLabel(QStringLiteral("Totale candidati:"), this);
    infIntervallo->setObjectName(QStringLiteral("infIntervallo"));
    lblTotConcorrenti = new QLabel(QStringLiteral("0"), this);
    lblTotConcorrenti->setObjectName(QStringLiteral("lblTotConcorrenti"));
    lblTotConcorrenti->setMinimumWidth(80);
    lblTotConcorrenti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* label : {infIntervallo, lblTotConcorrenti}) {
        label->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
        label->setStyleSheet(QStringLiteral("color: maroon;"));
    }

    lblTrova = new QLabel(QStringLiteral("T&rova:"), this);
    lblTrova->setObjectName(QStringLiteral("lblTrova"));
    lblTrova->setFont(QFont(QStringLiteral("Verdana"), 10));
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(QFont(QStringLiteral("Verdana"), 10));
    txtTrova->setMinimumWidth(280);
    lblTrova->setBuddy(txtTrova);

    btnTrova = new QPushButton(selvoraIcon(QStringLiteral("search")), QStringLiteral("Trova"), this);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setToolTip(QStringLiteral("Cerca il testo indicato nella graduatoria."));
    btnStampa = new QPushButton(selvoraIcon(QStringLiteral("printer")), QStringLiteral("Stampa graduatoria"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setToolTip(QStringLiteral("Stampa la graduatoria su fogli A4 orizzontali."));
    btnStampa->setAutoDefault(false);
    btnEsci = new QPushButton(selvoraIcon(QStringLiteral("log-out")), QStringLiteral("Esci"), this);
    btnEsci->setObjectName(QStringLiteral("btnEsci"));
    btnEsci->setToolTip(QStringLiteral("Chiude la graduatoria."));
    btnEsci->setAutoDefault(false);
    imgGuida = new PictureButton(QStringLiteral("imgGuida"), QStringLiteral("circle-help"), QString(),
                                 QStringLiteral("Guida"), this);
    imgGuida->setToolTip(QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    SummaryList::linkFind(txtTrova, btnTrova);

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(lblTrova);
    findRow->addWidget(txtTrova);
    findRow->addWidget(btnTrova);
    findRow->addStretch();
    findRow->addWidget(infIntervallo);
    findRow->addWidget(lblTotConcorrenti);

    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(imgGuida);
    commandRow->addStretch();
    commandRow->addWidget(btnStampa);
    commandRow->addWidget(btnEsci);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(titClassifica);
    layout->addWidget(lstRecords, 1);
    layout->addLayout(findRow);
    layout->addLayout(commandRow);

    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnStampa);
    setTabOrder(btnStampa, btnEsci);

    connect(btnTrova, &QPushButton::clicked, this, &RankingWindow::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &RankingWindow::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &RankingWindow::btnEsciClick);
    connect(imgGuida, &QToolButton::clicked, this, &RankingWindow::imgGuidaClick);
    KeyCommands::bind(this, imgGuida, {KeyCommands::HelpKey});
    KeyCommands::bind(this, btnStampa, {KeyCommands::Print});

    resize(1200, 760);
    setWindowState(windowState() | Qt::WindowMaximized);
}

RankingWindow::~RankingWindow() = default;

void RankingWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The ranking is built once, when the window opens; restoring it from
    // the task bar does not read the file again.
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
    // The ranking opens on its first line, with the focus on the list: a
    // screen reader reads the ranking at once, and the find box is one Tab
    // away.
    lstRecords->selectFirst();
    lstRecords->setFocus(Qt::OtherFocusReason);
}

void RankingWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Closed (not just minimised): the next opening builds the ranking again.
    if (!event->spontaneous())
        m_shown = false;
}

void RankingWindow::btnTrovaClick()
{
    lstRecords->find(this, txtTrova->text(), lastSearched());
}

void RankingWindow::btnStampaClick()
{
    if (lstRecords->count() == 0) {
        Messages::warning(
            this, QStringLiteral("Operazione di stampa non applicabile: la graduatoria non contiene nessuna voce."));
        return;
    }
    if (!Messages::confirm(this, QStringLiteral("Si vuole stampare la presente graduatoria?")))
        return;
    QStringList lines = lstRecords->lines();
    lines.append(Rankings::closingLines(lblTotConcorrenti->text()));
    SummaryPrint::print(this, *frxReport, TextRules::trimmed(titClassifica->text()), lines);
}

void RankingWindow::btnEsciClick()
{
    close();
}

void RankingWindow::imgGuidaClick()
{
    Help::showTopic(this, QStringLiteral("Visualizzazione graduatorie"));
}
