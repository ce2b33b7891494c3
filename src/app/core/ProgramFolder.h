// The program folder: the folder of the running executable, where every data
// file of the program lives. The working directory never plays a part.
#pragma once

#include <QString>

namespace ProgramFolder {

// The folder with a trailing "/".
QString path();

// A file or folder name inside the program folder.
QString file(const QString& name);

// Tests and the benchmark point the program at a folder of their own.
void setOverride(const QString& folder);
void clearOverride();

} // namespace ProgramFolder
