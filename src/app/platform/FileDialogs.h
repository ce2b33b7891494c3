// Open and save dialogs. In test mode the next names come from a queue (an
// empty name is Cancel) and every dialog asked for is recorded.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace FileDialogs {

// An empty result means the user cancelled.
QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter);
// The dialog asks before overwriting an existing file.
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                        const QString& filter);

struct Asked
{
    bool save;
    QString caption;
    QString dir;
    QString filter;
};

void setTestMode(bool on);
void queueFileName(const QString& name);
QList<Asked> asked();
int pendingNames();
void resetTestState();

} // namespace FileDialogs
