// The program's start-up as main() does it, ended as soon as the login window
// is on screen: the benchmark times this process from its start to its end.
// Linked like the program, so it loads the same libraries at start.
#include "app/ui/Application.h"
#include "app/ui/Password.h"
#include "app/ui/Windows.h"
#include "base/core/ProgramFolder.h"

#include <QElapsedTimer>
#include <QWindow>

#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    SelvoraApplication app(argc, argv);
    // The program folder to start in: the build's one, with its password file.
    if (argc > 1)
        ProgramFolder::setOverride(QString::fromLocal8Bit(argv[1]));
    AppSetup::apply(app);
    Windows::createFirst();
    Windows::showFirst();
    QElapsedTimer timer;
    timer.start();
    QWidget* login = Windows::password();
    while (timer.elapsed() < 10000) {
        QCoreApplication::processEvents();
        if (login->windowHandle() && login->windowHandle()->isExposed())
            std::_Exit(0); // on screen: that is the figure; no teardown
    }
    return 1;
}
