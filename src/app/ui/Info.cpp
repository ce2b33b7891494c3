#include "app/ui/Info.h"

TfrmInfo::TfrmInfo(QWidget* parent)
    : QDialog(parent)
{
}
