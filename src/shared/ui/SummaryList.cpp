#include "shared/ui/SummaryList.h"

#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "output/core/SummaryLines.h"
#include "shared/ui/EnterChain.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int kItemWidth = 1600;

QFont listFont()
{
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

// Enter or Space on the find button presses it, whatever the dialog's
// default button.
class PressOnEnter : public QObject
{
public:
    explicit PressOnEnter(QPushButton* button)
        : QObject(button)
        , m_button(button)
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_button->click();
        return true;
    }

private:
    QPushButton* m_button;
};

} // namespace

// --- model -------------------------------------------------------------------

SummaryListModel::SummaryListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int SummaryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant SummaryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_lines.at(index.row());
    case Qt::FontRole:
        return itemFont;
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::SizeHintRole:
        return itemSize;
    case Qt::UserRole:
        return m_positions.at(index.row());
    default:
        return QVariant();
    }
}

void SummaryListModel::setRows(QStringList lines, QList<qint64> positions)
{
    beginResetModel();
    m_lines = std::move(lines);
    m_positions = std::move(positions);
    m_positions.resize(m_lines.size());
    endResetModel();
}

void SummaryListModel::insertRow(int row, const QString& line, qint64 position)
{
    beginInsertRows(QModelIndex(), row, row);
    m_lines.insert(row, line);
    m_positions.insert(row, position);
    endInsertRows();
}

void SummaryListModel::clearRows()
{
    beginResetModel();
    m_lines.clear();
    m_positions.clear();
    endResetModel();
}

// --- list --------------------------------------------------------------------

SummaryList::SummaryList(QWidget* parent)
    : QListView(parent)
    , m_model(new SummaryListModel(this))
{
    // Family, size, style and colour are the program's, not the style's,
    // so that the columns line up.
    const QFont font = listFont();
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);
    m_model->itemFont = font;
    m_model->itemSize = QSize(kItemWidth, QFontMetrics(font).height() + 2);

    setModel(m_model);
    setUniformItemSizes(true);
    setLayoutMode(QListView::SinglePass);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            emit rowDoubleClicked(index.row());
            emit rowOpened(index.row());
        }
    });
}

void SummaryList::setSorted(bool sorted)
{
    if (sorted == m_sorted)
        return;
    m_sorted = sorted;
    if (m_sorted)
        setLines(m_model->lines(), m_model->positions());
}

void SummaryList::setLines(const QStringList& lines, const QList<qint64>& positions)
{
    QList<qint64> carried = positions;
    carried.resize(lines.size());
    if (!m_sorted) {
        m_model->setRows(lines, carried);
    } else {
        const QList<int> order = SummaryLines::sortedOrder(lines);
        QStringList sortedLines;
        QList<qint64> sortedPositions;
        sortedLines.reserve(lines.size());
        sortedPositions.reserve(lines.size());
        for (int i : order) {
            sortedLines.append(lines.at(i));
            sortedPositions.append(carried.at(i));
        }
        m_model->setRows(std::move(sortedLines), std::move(sortedPositions));
    }
    horizontalScrollBar()->setValue(0);
}

void SummaryList::addLine(const QString& line, qint64 position)
{
    int row = count();
    if (m_sorted) {
        // After the last line that does not sort after it: equal lines keep
        // the order they were added in.
        const QStringList& lines = m_model->lines();
        const auto it = std::upper_bound(lines.cbegin(), lines.cend(), line, TextRules::listLess);
        row = int(it - lines.cbegin());
    }
    m_model->insertRow(row, line, position);
}

void SummaryList::clear()
{
    m_model->clearRows();
}

int SummaryList::count() const
{
    return m_model->rowCount();
}

QString SummaryList::text(int row) const
{
    return m_model->lines().value(row);
}

qint64 SummaryList::position(int row) const
{
    return m_model->positions().value(row);
}

QStringList SummaryList::lines() const
{
    return m_model->lines();
}

int SummaryList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void SummaryList::selectRow(int row)
{
    if (row < 0 || row >= count()) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

void SummaryList::selectFirst()
{
    if (count() > 0 && selectedRow() < 0)
        selectRow(0);
}

void SummaryList::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        // Taken here, so that no default button of the window is pressed.
        event->accept();
        const int row = selectedRow();
        if (row >= 0)
            emit rowOpened(row);
        return;
    }
    QListView::keyPressEvent(event);
}

QSize SummaryList::itemSize() const
{
    return m_model->itemSize;
}

QString SummaryList::emptyFindMessage()
{
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

void SummaryList::find(QWidget* messageParent, const QString& typed, QString* lastSearched)
{
    if (count() == 0) {
        Messages::plain(messageParent, emptyFindMessage());
        return;
    }
    int selected = selectedRow();
    if (selected < 0) {
        selected = 0;
        selectRow(0);
    }
    const QStringList& lines = m_model->lines();
    const int match = SummaryLines::find(
        count(), [&lines](int row) { return lines.at(row); }, selected, typed, lastSearched);
    if (match >= 0)
        selectRow(match);
}

void SummaryList::linkFind(QLineEdit* txtTrova, QPushButton* btnTrova)
{
    EnterChain::link(txtTrova, btnTrova);
    btnTrova->setAutoDefault(false);
    btnTrova->setDefault(false);
    btnTrova->installEventFilter(new PressOnEnter(btnTrova));
}
