#include "sessions/ui/SealNotice.h"

#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "rankings/core/OfficialRanking.h"

#include <QLabel>

namespace SealNotice {

bool confirmStore(QWidget* parent, const QString& sessionPath)
{
    if (OfficialRanking::sessionSeal(TextRules::trimmed(sessionPath)) != OfficialRanking::SealState::Intact)
        return true;
    return Messages::choose(parent, Messages::Kind::Warning, OfficialRanking::storeBreaksSealQuestion(),
                            {QStringLiteral("Salva comunque"), QStringLiteral("Annulla")}) == 0;
}

QLabel* create(QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("lblSigillo"));
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignCenter);
    line->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    line->setStyleSheet(QStringLiteral("color: #B03000; background: #FFF4E5; padding: 4px;"));
    line->setVisible(false);
    return line;
}

void refresh(QLabel* line, const QString& sessionPath)
{
    const QString path = TextRules::trimmed(sessionPath);
    const bool broken = !path.isEmpty() && OfficialRanking::sessionSeal(path) == OfficialRanking::SealState::Changed;
    const QString text = broken ? OfficialRanking::sealText(OfficialRanking::SealState::Changed) : QString();
    line->setText(text);
    line->setAccessibleName(text);
    line->setVisible(broken);
}

} // namespace SealNotice
