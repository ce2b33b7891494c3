#include "report/ui/ReportPrinter.h"
#include "report/ui/ReportPrinting.h"

#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "report/core/Report.h"
#include "report/ui/ReportPreview.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QQueue>
#include <QTemporaryDir>

#include <memory>

namespace {

struct Scripted
{
    ReportPrinter::Answer answer;
    QString pdfPath;
};

bool g_test = false;
QQueue<Scripted> g_answers;
QList<ReportPrinter::Job> g_printed;
QList<ReportPrinter::Job> g_previewed;
int g_unscripted = 0;
int g_fileCounter = 0;

QTemporaryDir& scratchFolder()
{
    static QTemporaryDir dir;
    return dir;
}

ReportPrinter::Job describe(const Report& report)
{
    ReportPrinter::Job job;
    job.reportName = report.name();
    job.pageCount = report.pageCount();
    for (int i = 0; i < report.pageCount(); ++i)
        job.pages.append(report.pageText(i));
    return job;
}

bool printScripted(QWidget* parent, const Report& report)
{
    ReportPrinter::Job job = describe(report);
    if (g_answers.isEmpty()) {
        ++g_unscripted;
        g_printed.append(job);
        return false;
    }
    const Scripted scripted = g_answers.dequeue();
    if (scripted.answer == ReportPrinter::Answer::Cancel) {
        g_printed.append(job);
        return false;
    }
    QString path = scripted.pdfPath;
    if (path.isEmpty())
        path = scratchFolder().filePath(QStringLiteral("stampa-%1.pdf").arg(++g_fileCounter));
    QPrinter printer(QPrinter::HighResolution);
    ReportPrinting::applyPageLayout(report, &printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(report.name());
    job.accepted = true;
    job.pdfPath = path;
    g_printed.append(job);
    if (!ReportPrinting::printTo(report, &printer)) {
        Messages::error(parent, ReportPrinter::printerFailureMessage());
        return false;
    }
    return true;
}

} // namespace

namespace ReportPrinter {

QString printerFailureMessage()
{
    return QStringLiteral("Stampa non eseguita: la stampante selezionata non è disponibile o non è valida.");
}

bool print(QWidget* parent, const Report& report)
{
    if (g_test)
        return printScripted(parent, report);

    QPrinter printer(QPrinter::HighResolution);
    ReportPrinting::applyPageLayout(report, &printer);
    printer.setDocName(report.name());
    std::unique_ptr<QPrintDialog> dialog(new QPrintDialog(&printer, parent));
    dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                       QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    dialog->setMinMax(1, qMax(1, report.pageCount()));
    if (Modal::run(dialog.get()) != QDialog::Accepted)
        return false;
    dialog.reset();
    if (!printer.isValid() || !ReportPrinting::printTo(report, &printer)) {
        Messages::error(parent, printerFailureMessage());
        return false;
    }
    return true;
}

void preview(QWidget* parent, const Report& report)
{
    if (g_test) {
        g_previewed.append(describe(report));
        return;
    }
    std::unique_ptr<ReportPreview> window(new ReportPreview(report, parent));
    Modal::run(window.get());
}

void setTestMode(bool on)
{
    g_test = on;
}
bool testMode()
{
    return g_test;
}

void queueAnswer(Answer answer, const QString& pdfPath)
{
    g_answers.enqueue(Scripted {answer, pdfPath});
}

QList<Job> printed()
{
    return g_printed;
}

QList<Job> takePrinted()
{
    QList<Job> out = g_printed;
    g_printed.clear();
    return out;
}

QList<Job> previewed()
{
    return g_previewed;
}
int pendingAnswers()
{
    return int(g_answers.size());
}
int unscripted()
{
    return g_unscripted;
}

void resetTestState()
{
    g_answers.clear();
    g_printed.clear();
    g_previewed.clear();
    g_unscripted = 0;
}

} // namespace ReportPrinter
