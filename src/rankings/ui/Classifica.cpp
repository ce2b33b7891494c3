#include "rankings/ui/Classifica.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "rankings/core/Rankings.h"
#include "shared/ui/ScreenWindow.h"
#include "shared/ui/SummaryList.h"

#include <QLabel>
#include <QLineEdit>

TfrmClassifica::TfrmClassifica(QWidget* parent)
    : RankingWindow(parent, QStringLiteral(" Selvora - Graduatoria alfabetica"),
                    QStringLiteral("Graduatoria alfabetica"), true)
{
    setObjectName(QStringLiteral("frmClassifica"));
    lblFile = makeHiddenLabel(this, QStringLiteral("lblFile"));
}

QString* TfrmClassifica::lastSearched()
{
    return &m_lastSearched;
}

void TfrmClassifica::FormShow()
{
    m_lastSearched.clear();
    txtTrova->clear();
    lstRecords->clear();
    lblTotConcorrenti->setText(QStringLiteral("0"));
    QList<RankingRow> rows;
    if (!Rankings::readSession(TextRules::trimmed(lblFile->text()), &rows)) {
        // An unreadable session is said so, rather than shown as a ranking
        // with no candidates.
        Messages::warning(this, RecordFile::accessMessage());
        return;
    }
    QStringList lines;
    QList<qint64> cards;
    lines.reserve(rows.size());
    for (const RankingRow& row : rows) {
        if (!Rankings::inAlphaRanking(row))
            continue;
        lines.append(Rankings::alphaLine(row));
        cards.append(row.card);
    }
    lstRecords->setLines(lines, cards);
    lblTotConcorrenti->setText(QString::number(lstRecords->count()));
}

void TfrmClassifica::done(int result)
{
    lstRecords->clear();
    RankingWindow::done(result);
}
