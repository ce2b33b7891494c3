// A list window with a filter panel in front of it: the search windows show
// their filters first, run the search on "Cerca" and then show the result.
#pragma once

#include "shared/ui/ListWindow.h"

#include <QStringList>

class SearchWindow : public ListWindow
{
    Q_OBJECT

public:
    // The filter panel.
    QFrame* panAvvio = nullptr;
    QLabel* imgSpiega = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnCerca = nullptr;
    QLabel* lblAttendere = nullptr;
    // Never shown: the number of active filters of the last search, and the
    // mode word the caller writes.
    QLabel* lblConta = nullptr;
    QLabel* lblMemory = nullptr;
    // The count line of the result panel.
    QLabel* lblTrovate = nullptr;

    // One filter field: its name, its caption, its focus rectangle.
    struct FilterField
    {
        QString name; // objectName of the field
        QString caption;
        QString highlightName; // objectName of its focus rectangle
    };

    // The filter fields in tab and Enter order.
    QList<QLineEdit*> filters() const { return m_filters; }

protected:
    // fields in the table's order; the first leftColumn go in the left column.
    SearchWindow(QWidget* parent, const Look& look, const QList<FilterField>& fields, int leftColumn);

    QLineEdit* filter(int i) const { return m_filters.at(i); }
    QFrame* highlight(int i) const { return m_highlights.at(i); }
    // The picture at the left of the fields, or above them.
    QWidget* corner() const { return m_corner; }
    void setCornerPicture(QLabel* picture);

    // The search itself: lines and their cards' positions; false when the
    // file cannot be used.
    virtual bool search(QStringList* lines, QList<qint64>* positions) = 0;
    virtual QString countText(int n) const = 0;

    void FormShow() override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void btnCercaClick();
    void btnAnnullaClick();

private:
    void btnCercaMouseDown();

    QList<QLineEdit*> m_filters;
    QList<QFrame*> m_highlights;
    QWidget* m_corner = nullptr;
};
