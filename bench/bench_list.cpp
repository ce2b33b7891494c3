// The summary list of the list windows and rankings: a sorted fill of
// 100,000 and 300,000 lines, from the lines to the laid-out list on screen,
// beside a bare std::sort of the same lines (QString's own order) and a
// QStringListModel fill of a plain list view; the unsorted fill and the
// find command beside their plain counterparts.
#include "Bench.h"

#include "shared/ui/SummaryList.h"

#include <QApplication>
#include <QListView>
#include <QStringListModel>

#include <algorithm>

namespace {

// A plain list view as a bare program would fill it.
struct PlainList
{
    QStringListModel model;
    QListView view;
    PlainList()
    {
        view.setUniformItemSizes(true);
        view.setModel(&model);
        view.resize(1200, 700);
        view.show();
        QApplication::processEvents();
    }
    void fill(const QStringList& lines)
    {
        model.setStringList(lines);
        view.doItemsLayout();
        QApplication::processEvents();
    }
};

} // namespace

SELVORA_BENCHMARK("list: summary list fill of 100,000 and 300,000 lines")
{
    PlainList plain;
    SummaryList list;
    list.resize(1200, 700);
    list.show();
    QApplication::processEvents();

    for (const int n : {100000, 300000}) {
        const QStringList lines = Bench::summaryLines(n);
        QList<qint64> cards(n);
        for (int i = 0; i < n; ++i)
            cards[i] = i + 1;
        const QString size = Bench::thousands(n);

        list.setSorted(true);
        Bench::compare(QStringLiteral("list.sortedfill.") + size,
                       QStringLiteral("sorted summary list filled and laid out"),
                       [&] {
                           list.setLines(lines, cards);
                           list.doItemsLayout();
                           QApplication::processEvents();
                       },
                       {QStringLiteral("std::sort + QStringListModel fill"), [&] {
                            QStringList sorted = lines;
                            std::sort(sorted.begin(), sorted.end());
                            plain.fill(sorted);
                        }});
        if (n != 100000)
            continue;
        list.setSorted(false);
        Bench::compare(QStringLiteral("list.unsortedfill.") + size,
                       QStringLiteral("unsorted summary list filled and laid out"),
                       [&] {
                           list.setLines(lines, cards);
                           list.doItemsLayout();
                           QApplication::processEvents();
                       },
                       {QStringLiteral("QStringListModel fill"), [&] { plain.fill(lines); }});
        QString last;
        Bench::compare(QStringLiteral("list.find.") + size, QStringLiteral("find with no match through every line"),
                       [&] {
                           last.clear();
                           list.selectRow(0);
                           list.find(nullptr, QStringLiteral("non presente"), &last);
                       },
                       {QStringLiteral("QString::contains over the lines"), [&] {
                            int found = 0;
                            for (const QString& line : lines)
                                found += line.contains(QStringLiteral("non presente"), Qt::CaseInsensitive) ? 1 : 0;
                            Q_UNUSED(found);
                        }});
    }
    plain.fill(QStringList());
    list.clear();
}
