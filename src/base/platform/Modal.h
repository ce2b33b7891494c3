// Every per-use dialog is shown through Modal::run. In the program that is
// exec(); in tests a scripted hook receives the live dialog (shown, not
// exec'd), drives it and returns, and run() gives back the dialog's result.
#pragma once

#include <QStringList>

#include <functional>

class QDialog;

namespace Modal {

int run(QDialog* dialog);

using Hook = std::function<void(QDialog* dialog)>;

void setTestMode(bool on);
bool testMode();
// Hooks are used in the order the dialogs are run, nested ones included.
void queueHook(Hook hook);
// Class names of the dialogs run so far, in order.
QStringList history();
// Dialogs run with no hook waiting: they are closed at once, rejected.
QStringList unscripted();
int pendingHooks();
void resetTestState();

} // namespace Modal
