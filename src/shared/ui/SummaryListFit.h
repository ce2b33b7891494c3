// Fits the font of a summary list so that its longest line shows whole within
// the list's width: the list's own 12 points when they fit, smaller down to a
// readable minimum otherwise. The rankings use it so that the score at the
// end of each line is on screen at 1366 pixels; the lines never change.
#pragma once

#include <QObject>

class QWidget;

class SummaryList;
class SummaryListModel;

class SummaryListFit : public QObject
{
    Q_OBJECT

public:
    static constexpr double LargestPointSize = 12.0;
    static constexpr double SmallestPointSize = 8.0;

    // Fits list from now on, at every change of its lines or of its width.
    static void install(SummaryList* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SummaryListFit(SummaryList* list);
    void measure(int first, int last);
    void fit();

    SummaryList* m_list;
    // Kept apart from the list: while the list is being destroyed its
    // viewport still sends events, and the list can no longer be asked.
    QWidget* m_viewport;
    SummaryListModel* m_model;
    int m_columns = 0; // characters of the longest line
};
