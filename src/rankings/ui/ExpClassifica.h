// The merit ranking of a session: every card, from the highest score down,
// numbered, with the count below. Its last find text lasts from one opening
// to the next.
#pragma once

#include "rankings/ui/RankingWindow.h"

class TfrmExpClassifica : public RankingWindow
{
    Q_OBJECT

public:
    explicit TfrmExpClassifica(QWidget* parent = nullptr);

    // The find text remembered across openings (for tests that start clean).
    static void forgetLastSearched();

protected:
    void FormShow() override;
    QString* lastSearched() override;
};
