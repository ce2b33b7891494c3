// Whether this run may write into the program folder. One place knows it:
// the start-up sets it once (another copy holds the folder, or the folder
// cannot be written), and every writing command and the record layer ask here.
#pragma once

#include <QString>

namespace AccessMode {

bool readOnly();
// The reason shown in the information bar of every refused command.
QString reason();

// The run becomes read-only for the given reason (an Italian sentence).
void setReadOnly(const QString& why);
void setWritable();

// The reasons the start-up gives.
QString reasonInUse();
QString reasonFolderReadOnly();
// "Sola lettura: Selvora non può scrivere nella cartella del programma (<problem>), ..."
QString reasonCannotWrite(const QString& problem);

} // namespace AccessMode
