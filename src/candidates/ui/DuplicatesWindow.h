// Cards that look like the same person: the "Doppioni" list of the candidate
// search, and the warning given when a new card matches one in the archive.
#pragma once

#include "candidates/core/Duplicates.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;
class TfrmCandidati;

class DuplicatesWindow : public QDialog
{
    Q_OBJECT

public:
    DuplicatesWindow(const QList<Duplicates::Group>& groups, QWidget* parent = nullptr);

    QTreeWidget* groupList;
    QPushButton* openButton;
    QPushButton* closeButton;

    // The card chosen with "Apri scheda" (or a double click); 0 for none.
    qint64 chosen() const { return m_chosen; }

    // The scan of the archive and, when it finds groups, this window; the
    // position of the card the user chose to open, 0 for none.
    static qint64 run(QWidget* parent);

    // Before a new card is stored: true to store it. When it matches cards of
    // the archive the user may store it anyway, show the first match in the
    // card window instead (the typed card is then dropped), or go back.
    static bool confirmNewCard(TfrmCandidati* window);

private:
    void openSelected();
    qint64 m_chosen = 0;
};
