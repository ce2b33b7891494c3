// The launcher's data commands: "Backup", "Ripristina", the backup reminder's
// setting and the reminder at exit.
#pragma once

class QWidget;

namespace BackupCommands {

void backup(QWidget* parent);
void restore(QWidget* parent);
void reminderSettings(QWidget* parent);
// True when the program may end now: no reminder is due, or the user
// chose to leave anyway.
bool confirmExit(QWidget* parent);

} // namespace BackupCommands
