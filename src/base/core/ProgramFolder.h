// The program folder: the folder where every data file of the program lives.
// A portable copy keeps its data beside the executable (a USB stick, a shared
// folder); an installed copy, whose executable lives in a system folder, keeps
// it in the user's application data folder. The working directory never plays
// a part.
#pragma once

#include <QString>
#include <QStringList>

namespace ProgramFolder {

enum class Mode
{
    Portable,
    Installed
};

// What the start-up knows about the place of the executable.
struct Facts
{
    QString executableFolder;
    bool holdsData = false; // the password file is beside the executable
    bool writable = false; // files can be created beside the executable
    bool inSystemFolder = false; // the executable lives in a folder of the system
    QString userDataFolder; // the user's application data folder
};

struct Choice
{
    Mode mode = Mode::Portable;
    QString dataFolder; // with trailing "/"
    bool writable = true;
};

// The rule. A copy whose folder already holds writable data stays portable
// (nothing moves for existing users); otherwise an executable in a system
// folder is an installed copy with its data in the user's folder; anything
// else is portable, read-only when its folder cannot be written.
Choice choose(const Facts& facts);

// True when folder lies in one of the roots (all with trailing "/").
bool isUnder(const QString& folder, const QStringList& roots);
// The folders of this system where installed programs live.
QStringList systemRoots();

// Looks at the executable's folder and settles the data folder; an installed
// copy gets its data folder created on the first run, with the password file
// copied from the installed one. An empty result means success; otherwise the
// Italian text that explains why the program cannot start.
QString setUp();
// The facts of the running executable.
Facts currentFacts();
// setUp for given facts; installedPasswordFile is the read-only password file
// with the initial password that a new data folder receives.
QString setUp(const Facts& facts, const QString& installedPasswordFile);

// The data folder with a trailing "/".
QString path();

// A file or folder name inside the data folder.
QString file(const QString& name);

Mode mode();
// False for a portable folder on a read-only medium: the program then reads
// its data but can store nothing.
bool isWritable();

// The folder of the executable with a trailing "/", only read by an installed
// copy.
QString executableFolder();

// The manual "Guida.pdf": beside the executable, or where the package puts it.
QString manualFile();

// Tests and the benchmark point the program at a folder of their own.
void setOverride(const QString& folder, bool writable = true);
void clearOverride();

} // namespace ProgramFolder
