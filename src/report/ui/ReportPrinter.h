// The report engine's two ways out to the user: the printer dialog followed
// by printing, and the modal preview window. In test mode no dialog appears:
// a print is answered from a queue of scripted answers (OK prints to a PDF
// file, Cancel prints nothing) and every print and preview asked for is
// recorded with the prepared pages.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;
class Report;

namespace ReportPrinter {

// Shows the printer dialog (printer, copies, page range) for the prepared
// pages and prints them. False when the dialog is cancelled or nothing could
// be printed; a printer that cannot be used is reported here, in the
// engine's own words.
bool print(QWidget* parent, const Report& report);

// Shows the prepared pages in the preview window, modal over parent, with
// the buttons the template allows (print, zoom, full screen, close).
void preview(QWidget* parent, const Report& report);

// The engine's message when the chosen printer cannot be started.
QString printerFailureMessage();

// --- test mode -------------------------------------------------------------
enum class Answer
{
    Ok,
    Cancel
};

struct Job
{
    QString reportName;
    bool accepted = false; // the print dialog was confirmed
    QString pdfPath; // where an accepted print went
    int pageCount = 0;
    QList<QStringList> pages; // the text of each prepared page
};

void setTestMode(bool on);
bool testMode();
// The answer of the next print dialog; an accepted print is written to
// pdfPath, or to a temporary PDF file when pdfPath is empty.
void queueAnswer(Answer answer, const QString& pdfPath = QString());
// Every print asked for, accepted or cancelled, in order.
QList<Job> printed();
QList<Job> takePrinted();
// Every preview shown, in order.
QList<Job> previewed();
int pendingAnswers();
// Print dialogs that found no scripted answer (they are cancelled).
int unscripted();
void resetTestState();

} // namespace ReportPrinter
