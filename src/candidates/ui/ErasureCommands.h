// The card window's data-protection commands: erasure of the candidate on
// screen ("Cancella dati personali..."), the retention list, and the report
// of what was erased, which can be saved or printed.
#pragma once

#include "candidates/core/Erasure.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class TfrmCandidati;

namespace ErasureCommands {

// Asks, erases the card shown in the window and shows the report.
void eraseShownCard(TfrmCandidati* window);
void showRetentionList(TfrmCandidati* window);

// The two questions of an erasure; false when the user said No to the first.
// *interviews is emptied when the user chose not to anonymise them.
bool confirm(QWidget* parent, const TSchedaCandidato& card, qint64 position, QList<Erasure::Interview>* interviews);

} // namespace ErasureCommands

// The report of an erasure, with "Salva..." (a text file), "Stampa" and
// "Anteprima" (on as many pages as it needs).
class ErasureReportDialog : public QDialog
{
    Q_OBJECT

public:
    ErasureReportDialog(const QString& report, QWidget* parent);

    QPlainTextEdit* txtRapporto;
    QPushButton* btnSalva;
    QPushButton* btnStampa;
    QPushButton* btnAnteprima;
    QPushButton* btnChiudi;

private:
    void save();
    void print();
    void preview();
    QString m_report;
};
