// Selvora: start-up. Creates the screen windows in the program's order and
// shows the login window; the program ends when the launcher or the login
// window is closed.
#include "app/ui/Application.h"
#include "app/ui/Windows.h"

int main(int argc, char** argv)
{
    // Drawn in software: the program must run on any machine it is carried to.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    SelvoraApplication app(argc, argv);
    AppSetup::apply(app);

    Windows::createAll();
    Windows::showFirst();
    const int code = app.exec();
    Windows::destroyAll();
    return code;
}
