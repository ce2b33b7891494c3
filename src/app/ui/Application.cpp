#include "app/ui/Application.h"

#include "base/core/Formats.h"
#include "base/core/SystemError.h"
#include "base/platform/Messages.h"
#include "base/platform/QtTranslations.h"
#include "report/core/ReportFonts.h"
#include "shared/ui/FocusStyle.h"
#include "shared/ui/KeyCommands.h"

#include <QFont>

// The icons live in the resources of a static library, which the linker
// does not register on its own.
static void initSelvoraResources()
{
    Q_INIT_RESOURCE(selvora);
}

SelvoraApplication::SelvoraApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool SelvoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ErrorReport::show(QString::fromUtf8(e.what()));
    } catch (...) {
        ErrorReport::show(QStringLiteral("Errore imprevisto."));
    }
    return false;
}

namespace AppSetup {

void apply(QApplication& app)
{
    initSelvoraResources();
    Formats::apply();
    ReportFonts::install();
    app.setStyle(new FocusStyle);
    app.setApplicationName(QStringLiteral("Selvora"));
    app.setQuitOnLastWindowClosed(false);
    // Enter on a focused command presses it, in every window.
    KeyCommands::pressFocusedButtons(app);
    KeyCommands::leaveTablesAtTheirEnds(app);

    QtTranslations::install(QStringLiteral("qtbase"));
}

} // namespace AppSetup
