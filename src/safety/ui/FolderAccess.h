// The start-up's claim on the program folder: takes the folder's lock, or
// tells the user who holds it and offers read-only or quit, or opens
// read-only when the folder cannot be written. Sets AccessMode once.
#pragma once

class QWidget;

namespace FolderAccess {

// False when the user chose to quit.
bool claim(QWidget* parent);
// Lets the folder go at the end of the run.
void release();

} // namespace FolderAccess
