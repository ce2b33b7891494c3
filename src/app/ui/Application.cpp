#include "app/ui/Application.h"

#include "app/core/Formats.h"
#include "app/core/SystemError.h"
#include "app/platform/Messages.h"
#include "app/platform/QtTranslations.h"
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

IoError::IoError(int code)
    : std::runtime_error(SystemError::ioError(code).toStdString())
    , m_code(code)
{
}

namespace ErrorReport {
void show(const QString& text)
{
    Messages::error(nullptr, text);
}
} // namespace ErrorReport

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
