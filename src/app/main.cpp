// Selvora: start-up. Shows the login window (the other windows are made when
// first opened); the program ends when the launcher or the login window is
// closed.
#include "app/ui/Application.h"
#include "app/ui/Password.h"
#include "app/ui/Windows.h"
#include "base/core/ProgramFolder.h"
#include "base/platform/Messages.h"
#include "safety/ui/FolderAccess.h"

int main(int argc, char** argv)
{
    // Drawn in software: the program must run on any machine it is carried to.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    SelvoraApplication app(argc, argv);
    AppSetup::apply(app);

    // Where the data lives is settled before any window reads a file; an
    // installed copy that cannot make its data folder cannot work at all.
    const QString failure = ProgramFolder::setUp();
    if (!failure.isEmpty()) {
        Messages::error(nullptr, failure);
        return 1;
    }

    Windows::createFirst();
    Windows::showFirst();
    // One writer per program folder: a second copy is asked at login.
    if (!FolderAccess::claim(Windows::password())) {
        Windows::destroyAll();
        return 0;
    }
    const int code = app.exec();
    Windows::destroyAll();
    FolderAccess::release();
    return code;
}
