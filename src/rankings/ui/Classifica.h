// The alphabetical ranking of a session: the cards with a score, in the list
// order of their lines (so by name), with the count below.
#pragma once

#include "rankings/ui/RankingWindow.h"

class TfrmClassifica : public RankingWindow
{
    Q_OBJECT

public:
    explicit TfrmClassifica(QWidget* parent = nullptr);

    QLabel* lblFile;

protected:
    void FormShow() override;
    QString* lastSearched() override;
    void done(int result) override;

private:
    QString m_lastSearched;
};
