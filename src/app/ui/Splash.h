// The credits window: the credits picture and the maker's web address.
#pragma once

#include "shared/ui/LinkDialog.h"

class TfrmSplash : public LinkDialog
{
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    WebLink* imgWeb;

protected:
    void showEvent(QShowEvent* event) override;
    void openLink() override;
};
