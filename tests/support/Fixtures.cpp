#include "support/Fixtures.h"

#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "base/platform/OpenURL.h"
#include "report/ui/ReportPrinter.h"

#include <QTableWidget>

void resetSeams()
{
    Messages::resetTestState();
    FileDialogs::resetTestState();
    Modal::resetTestState();
    TMisc::resetTestState();
    ReportPrinter::resetTestState();
}

QString seamsLeftovers()
{
    QStringList left;
    if (Messages::pendingAnswers())
        left << QStringLiteral("%1 message answers unused").arg(Messages::pendingAnswers());
    if (Messages::unscriptedConfirmations())
        left << QStringLiteral("%1 unscripted confirmations").arg(Messages::unscriptedConfirmations());
    if (FileDialogs::pendingNames())
        left << QStringLiteral("%1 file names unused").arg(FileDialogs::pendingNames());
    if (Modal::pendingHooks())
        left << QStringLiteral("%1 dialog hooks unused").arg(Modal::pendingHooks());
    if (!Modal::unscripted().isEmpty())
        left << QStringLiteral("unscripted dialogs: ") + Modal::unscripted().join(QStringLiteral(", "));
    if (ReportPrinter::pendingAnswers())
        left << QStringLiteral("%1 print answers unused").arg(ReportPrinter::pendingAnswers());
    if (ReportPrinter::unscripted())
        left << QStringLiteral("%1 unscripted print dialogs").arg(ReportPrinter::unscripted());
    return left.join(QStringLiteral("; "));
}

QStringList columnTexts(const QTableWidget* table, int column)
{
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r)
        out << (table->item(r, column) ? table->item(r, column)->text() : QString());
    return out;
}

bool activate(QWidget* w)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        QCoreApplication::processEvents();
        w->raise();
        w->activateWindow();
        if (QTest::qWaitForWindowActive(w, 500) && QApplication::activeWindow() == w)
            return true;
        QApplication::setActiveWindow(w);
    }
    return QApplication::activeWindow() == w;
}
