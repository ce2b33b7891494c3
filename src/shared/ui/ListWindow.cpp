#include "shared/ui/ListWindow.h"

#include "base/core/Formats.h"
#include "base/core/RecordFile.h"
#include "base/core/RecordSearch.h"
#include "base/platform/Messages.h"
#include "output/core/SummaryReport.h"
#include "report/core/Report.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/ListWindowParts.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SummaryList.h"
#include "shared/ui/SummaryPrint.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace ListWindowParts;

// A picture, with a short instruction beside it when text is given. The
// icon is drawn at its own size, so it stays sharp.
QLabel* ListWindow::pictureLabel(QWidget* parent, const QString& name, const char* icon, const QString& text,
                                 int iconSize)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    const QPixmap pixmap = selvoraIcon(QString::fromLatin1(icon)).pixmap(iconSize, iconSize);
    l->setAccessibleName(text.isEmpty() ? name : text);
    if (text.isEmpty()) {
        l->setPixmap(pixmap);
        return l;
    }
    l->setText(text);
    l->setFont(QFont(QStringLiteral("Verdana"), 10));
    l->setWordWrap(true);
    l->setMinimumHeight(iconSize + 4);
    l->setContentsMargins(iconSize + 12, 0, 0, 0);
    auto* picture = new QLabel(l);
    picture->setPixmap(pixmap);
    picture->setGeometry(0, 2, iconSize, iconSize);
    return l;
}

ListWindow::Look ListWindow::Look::list(const QString& caption, const QString& reportName)
{
    return {caption,
            reportName,
            QColor(0x46, 0x82, 0xB4), // steel blue
            QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"),
            QStringLiteral("icoIstruzioni"),
            false};
}

ListWindow::ListWindow(QWidget* parent, const Look& look)
    : QDialog(parent)
    , frxReport(SummaryReport::create(look.reportName))
{
    Formats::apply();
    setWindowTitle(look.caption);
    setWindowIcon(selvoraIcon(QStringLiteral("search")));
    // A fixed frame with a title and no title-bar buttons.
    DialogFrame::titleOnly(this);
    setFixedSize(ClientSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    QLinearGradient gradient(0, 0, 0, ClientSize.height());
    gradient.setColorAt(0, look.background);
    gradient.setColorAt(1, Qt::white);
    pal.setBrush(QPalette::Window, gradient);
    setPalette(pal);

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(QRect(QPoint(0, 0), ClientSize));

    imgLogo = pictureLabel(panContainer, QStringLiteral("imgLogo"), "users", QString(), 44);
    imgLogo->setAccessibleName(QStringLiteral("Selvora"));
    m_instructions = pictureLabel(panContainer, look.instructionsName, "list-checks",
                                  QStringLiteral("Per cercare una voce nell'elenco scrivere il testo e premere Trova; "
                                                 "premendo di nuovo Trova si passa alla voce successiva."),
                                  32);

    txtTrova = new QLineEdit(panContainer);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    txtTrova->setAccessibleName(QStringLiteral("Testo da trovare"));
    txtTrova->setMinimumWidth(320);
    btnTrova = commandButton(panContainer, "btnTrova", "search", QStringLiteral("Trova"),
                             QStringLiteral("Cerca il testo indicato nell'elenco."));
    SummaryList::linkFind(txtTrova, btnTrova);

    lstRecords = new SummaryList(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setSorted(true);
    lstRecords->setAccessibleName(QStringLiteral("Elenco delle schede"));
    lstRecords->viewport()->installEventFilter(this);

    lblRigo03 = colouredLabel(panContainer, "lblRigo03", look.hint, Crimson, 10, false);
    lblRigo03->setAlignment(Qt::AlignCenter);

    btnChiudi =
        commandButton(panContainer, "btnChiudi", "x", QStringLiteral("Chiudi"), QStringLiteral("Chiude la finestra."));
    btnStampa = commandButton(panContainer, "btnStampa", "printer", QStringLiteral("Stampa"),
                              QStringLiteral("Stampa il riepilogo su fogli A4 orizzontali."));

    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo);
    top->addSpacing(12);
    top->addWidget(m_instructions, 1);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(txtTrova);
    findRow->addWidget(btnTrova);
    findRow->addStretch();
    m_commandRow = new QWidget(panContainer);
    auto* commandRow = new QHBoxLayout(m_commandRow);
    commandRow->setContentsMargins(0, 0, 0, 0);
    commandRow->addWidget(btnChiudi);
    commandRow->addStretch();
    commandRow->addWidget(btnStampa);

    auto* layout = new QVBoxLayout(panContainer);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(top);
    layout->addLayout(findRow);
    layout->addWidget(lstRecords, 1);
    layout->addWidget(lblRigo03);
    layout->addWidget(m_commandRow);

    if (look.searchTabOrder) {
        setTabOrder(txtTrova, btnTrova);
        setTabOrder(btnTrova, lstRecords);
        setTabOrder(lstRecords, btnStampa);
        setTabOrder(btnStampa, btnChiudi);
    } else {
        setTabOrder(txtTrova, lstRecords);
        setTabOrder(lstRecords, btnStampa);
        setTabOrder(btnStampa, btnTrova);
        setTabOrder(btnTrova, btnChiudi);
    }

    connect(btnTrova, &QPushButton::clicked, this, &ListWindow::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ListWindow::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &ListWindow::btnChiudiClick);
    connect(lstRecords, &SummaryList::rowOpened, this, &ListWindow::lstRecordsDblClick);
}

ListWindow::~ListWindow() = default;

void ListWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Put away (not just minimised): the next opening fills the list again.
    if (!event->spontaneous())
        m_shown = false;
}

void ListWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    DialogFrame::centreWindow(this);
    FormShow();
    // The list opens on its first line.
    lstRecords->selectFirst();
}

void ListWindow::showListing(const std::function<bool(RecordSearch::Listing*)>& read)
{
    m_lastSearched.clear();
    lstRecords->selectRow(0);
    txtTrova->clear();
    lstRecords->clear();
    RecordSearch::Listing listing;
    const bool ok = read(&listing);
    lstRecords->setLines(listing.lines, listing.positions);
    txtTrova->setFocus(Qt::OtherFocusReason);
    if (!ok)
        Messages::plain(this, RecordFile::accessMessage());
}

void ListWindow::done(int result)
{
    // FormClose: the list goes with the window.
    lstRecords->clear();
    QDialog::done(result);
}

bool ListWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A double click beside the lines (none under the mouse) hands nothing
    // over and just closes the window.
    if (watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!lstRecords->indexAt(mouse->position().toPoint()).isValid()) {
            close();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ListWindow::btnTrovaClick()
{
    lstRecords->find(this, txtTrova->text(), &m_lastSearched);
}

void ListWindow::btnStampaClick()
{
    SummaryPrint::print(this, *frxReport, printTitle(), lstRecords->lines());
}

void ListWindow::btnChiudiClick()
{
    close();
}

void ListWindow::lstRecordsDblClick(int row)
{
    // The line clicked, with the position of its own card: two cards with
    // equal lines are still two lines, each handing over its own card.
    if (row >= 0 && row < lstRecords->count())
        handOver(row);
    close();
}
