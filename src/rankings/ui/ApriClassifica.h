// The ranking chooser.
#pragma once

#include "app/ui/ScreenWindow.h"

class TfrmApriClassifica : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmApriClassifica(QWidget* parent = nullptr);
};
