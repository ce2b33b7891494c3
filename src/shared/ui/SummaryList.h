// The summary list of the list windows and the rankings (lstRecords): one
// fixed-width line per card in "Courier New" 12 black, set by the program so
// the columns line up; kept in the list order, or in the order the lines are
// added; each line may carry its card's position. Items are 1600 pixels wide
// and the list scrolls both ways. It also runs the find command "Trova".
//
// Built for long lists: filling sorts once and resets the model once, and
// all items have the same size, so 100,000 lines fill and scroll at once.
#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QListView>
#include <QStringList>

class QLineEdit;
class QPushButton;

class SummaryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit SummaryListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void setRows(QStringList lines, QList<qint64> positions);
    void insertRow(int row, const QString& line, qint64 position);
    void clearRows();

    const QStringList& lines() const { return m_lines; }
    const QList<qint64>& positions() const { return m_positions; }

    QFont itemFont;
    QSize itemSize;

private:
    QStringList m_lines;
    QList<qint64> m_positions;
};

class SummaryList : public QListView
{
    Q_OBJECT

public:
    explicit SummaryList(QWidget* parent = nullptr);

    // Sorted lists keep the list order (a to z as A to Z, other characters by
    // code, a prefix first); unsorted ones keep the order lines are added.
    void setSorted(bool sorted);
    bool isSorted() const { return m_sorted; }

    // Replaces every line at once; positions, when given, go with the lines
    // of the same index (the card each line shows). Nothing is selected.
    void setLines(const QStringList& lines, const QList<qint64>& positions = QList<qint64>());
    // One more line, in its place when the list is sorted.
    void addLine(const QString& line, qint64 position = 0);
    void clear();

    int count() const;
    QString text(int row) const;
    // The card position carried by the line (0 when none was given).
    qint64 position(int row) const;
    // The lines in list order, as they print.
    QStringList lines() const;

    // The selected line, -1 when none.
    int selectedRow() const;
    // Selects a line and scrolls it into view; -1 clears the selection.
    void selectRow(int row);

    // The item width (1600) and the line height, in pixels.
    QSize itemSize() const;

    // The find command: the plain message on an empty list; otherwise the
    // first line is selected when none is, and the next line holding the
    // text (see SummaryLines::find) is selected. lastSearched is the window's
    // remembered text.
    void find(QWidget* messageParent, const QString& typed, QString* lastSearched);

    // The find box and its button: Enter in the box moves to the button, and
    // Enter or Space on the button presses it.
    static void linkFind(QLineEdit* txtTrova, QPushButton* btnTrova);

    // The message of a find in an empty list.
    static QString emptyFindMessage();

    // Selects the first line when none is, so that the first Down goes to
    // the second line and Enter opens the first.
    void selectFirst();

signals:
    void rowDoubleClicked(int row);
    // A line opened: double-clicked, or Enter on the selected line.
    void rowOpened(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    SummaryListModel* m_model;
    bool m_sorted = true;
};
