// Open and save dialogs. In test mode the next names come from a queue (an
// empty name is Cancel) and every dialog asked for is recorded.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace FileDialogs {

// An empty result means the user cancelled.
QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
// The dialog asks before overwriting an existing file.
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter);
// The same, adding defaultSuffix (without the dot) to a name typed without an
// extension before the overwrite question, so the question is about the file
// that will really be written. Test mode returns the scripted name as given.
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
                        const QString& defaultSuffix);

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
