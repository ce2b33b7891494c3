// The list of the sessions in the program folder, as the session and the
// ranking windows show it, in the program's list order.
#pragma once

#include <QString>

class QFrame;
class QLabel;
class QListWidget;

namespace SessionList {

// The "&Elenco delle sessioni:" caption and the sorted list lstFiles it
// names, both on the panel; the window lays them out.
struct Controls
{
    QLabel* caption;
    QListWidget* list;
};
Controls create(QFrame* panel, int minimumHeight);

// "Sono state create n sessioni."
QString countLine(int n);

// Lists the sessions afresh with the first one selected and puts their
// count in countLabel.
void fill(QListWidget* list, QLabel* countLabel);

} // namespace SessionList
