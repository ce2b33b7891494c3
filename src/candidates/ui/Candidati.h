// The candidate card window.
#pragma once

#include "app/ui/ScreenWindow.h"

class TfrmCandidati : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmCandidati(QWidget* parent = nullptr);
};
