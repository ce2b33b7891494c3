#include "base/platform/Modal.h"

#include <QDialog>
#include <QQueue>

namespace {
bool g_test = false;
QQueue<Modal::Hook> g_hooks;
QStringList g_history;
QStringList g_unscripted;
} // namespace

namespace Modal {

int run(QDialog* dialog)
{
    if (!g_test)
        return dialog->exec();

    const QString name = QString::fromLatin1(dialog->metaObject()->className());
    g_history.append(name);
    dialog->setResult(QDialog::Rejected);
    if (g_hooks.isEmpty()) {
        g_unscripted.append(name);
        return QDialog::Rejected;
    }
    Hook hook = g_hooks.dequeue();
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    hook(dialog);
    if (dialog->isVisible())
        dialog->hide();
    return dialog->result();
}

void setTestMode(bool on)
{
    g_test = on;
}
bool testMode()
{
    return g_test;
}
void queueHook(Hook hook)
{
    g_hooks.enqueue(std::move(hook));
}
QStringList history()
{
    return g_history;
}
QStringList unscripted()
{
    return g_unscripted;
}
int pendingHooks()
{
    return int(g_hooks.size());
}
void resetTestState()
{
    g_hooks.clear();
    g_history.clear();
    g_unscripted.clear();
}

} // namespace Modal
