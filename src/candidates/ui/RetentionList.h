// The retention list: candidates whose card has not been stored and who had
// no interview for more than a chosen number of months, from which the
// selected ones can have their personal data erased.
#pragma once

#include "candidates/core/Retention.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

class RetentionList : public QDialog
{
    Q_OBJECT

public:
    explicit RetentionList(QWidget* parent = nullptr);

    QSpinBox* spnMesi;
    QPushButton* btnAggiorna;
    QTreeWidget* lstCandidati;
    QLabel* lblConteggio;
    QPushButton* btnCancella;
    QPushButton* btnChiudi;

    // Fills the list for the months chosen.
    void refresh();
    // Erases the checked candidates after asking, and shows the report.
    void eraseChecked();

private:
    QList<Retention::Row> m_rows;
};
