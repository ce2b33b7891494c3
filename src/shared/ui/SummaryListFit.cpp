// A summary list's font fitted to its width.
#include "shared/ui/SummaryListFit.h"

#include "shared/ui/SummaryList.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QScrollBar>

#include <cmath>

namespace {
// Room left beside the text: the item's own margins and the frame.
constexpr int kSlack = 12;
constexpr double kStep = 0.5;
} // namespace

SummaryListFit::SummaryListFit(SummaryList* list)
    : QObject(list)
    , m_list(list)
    , m_viewport(list->viewport())
    , m_model(static_cast<SummaryListModel*>(list->model()))
{
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_columns = 0;
        measure(0, m_model->rowCount() - 1);
        fit();
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        const int before = m_columns;
        measure(first, last);
        if (m_columns != before)
            fit();
    });
    m_viewport->installEventFilter(this);
}

void SummaryListFit::install(SummaryList* list)
{
    auto* fitter = new SummaryListFit(list);
    fitter->measure(0, list->count() - 1);
    fitter->fit();
}

void SummaryListFit::measure(int first, int last)
{
    const QStringList& lines = m_model->lines();
    for (int i = first; i <= last && i < lines.size(); ++i)
        m_columns = qMax(m_columns, int(lines.at(i).size()));
}

bool SummaryListFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_viewport && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

void SummaryListFit::fit()
{
    const int room = m_list->viewport()->width() - kSlack;
    // The list font is fixed-pitch: a line is as wide as its characters
    // times the advance of one.
    QFont font = m_model->itemFont;
    double size = LargestPointSize;
    for (;; size -= kStep) {
        font.setPointSizeF(size);
        const double width = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M')) * m_columns;
        if (width <= room || size - kStep < SmallestPointSize)
            break;
    }
    const double textWidth = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M')) * m_columns;
    const QSize itemSize(qMax(m_list->viewport()->width(), int(std::ceil(textWidth)) + kSlack),
                         QFontMetrics(font).height() + 2);
    if (font == m_model->itemFont && itemSize == m_model->itemSize)
        return;
    emit m_model->layoutAboutToBeChanged();
    m_model->itemFont = font;
    m_model->itemSize = itemSize;
    emit m_model->layoutChanged();
    m_list->setFont(font);
}
