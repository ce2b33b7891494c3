#include "rankings/ui/ExpClassifica.h"

#include "app/ui/Windows.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "rankings/core/Rankings.h"
#include "rankings/ui/ApriClassifica.h"
#include "shared/ui/SummaryList.h"

#include <QLabel>
#include <QLineEdit>

namespace {
// Shared by every opening of the merit ranking until the program ends.
QString g_lastSearched;
} // namespace

TfrmExpClassifica::TfrmExpClassifica(QWidget* parent)
    : RankingWindow(parent, QStringLiteral(" Selvora - Graduatoria di merito"), QStringLiteral("Graduatoria di merito"),
                    false)
{
    setObjectName(QStringLiteral("frmExpClassifica"));
}

void TfrmExpClassifica::forgetLastSearched()
{
    g_lastSearched.clear();
}

QString* TfrmExpClassifica::lastSearched()
{
    return &g_lastSearched;
}

void TfrmExpClassifica::FormShow()
{
    // The last text found is kept across openings; the field starts empty.
    txtTrova->clear();
    lstRecords->clear();
    lblTotConcorrenti->setText(QStringLiteral("0"));
    TfrmApriClassifica* chooser = Windows::apriClassifica();
    const QString path = chooser ? TextRules::trimmed(chooser->lblFile->text()) : QString();
    QList<RankingRow> rows;
    if (!Rankings::readSession(path, &rows)) {
        // An unreadable session is said so, rather than shown as a ranking
        // with no candidates.
        Messages::warning(this, RecordFile::accessMessage());
        return;
    }
    QList<qint64> cards;
    const QStringList lines = Rankings::meritRanking(std::move(rows), &cards);
    lstRecords->setLines(lines, cards);
    lblTotConcorrenti->setText(QString::number(lstRecords->count()));
}
