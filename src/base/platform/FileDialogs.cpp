#include "base/platform/FileDialogs.h"

#include <QFileDialog>
#include <QQueue>

namespace {
bool g_test = false;
QQueue<QString> g_names;
QList<FileDialogs::Asked> g_asked;

QString scripted(bool save, const QString& caption, const QString& dir, const QString& filter)
{
    g_asked.append({save, caption, dir, filter});
    return g_names.isEmpty() ? QString() : g_names.dequeue();
}
} // namespace

namespace FileDialogs {

QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    if (g_test)
        return scripted(false, caption, dir, filter);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString getSaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter)
{
    if (g_test)
        return scripted(true, caption, proposed, filter);
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

QString getSaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
                        const QString& defaultSuffix)
{
    if (g_test)
        return scripted(true, caption, proposed, filter);
    QFileDialog dialog(parent, caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void setTestMode(bool on)
{
    g_test = on;
}
void queueFileName(const QString& name)
{
    g_names.enqueue(name);
}
QList<Asked> asked()
{
    return g_asked;
}
int pendingNames()
{
    return int(g_names.size());
}
void resetTestState()
{
    g_names.clear();
    g_asked.clear();
}

} // namespace FileDialogs
