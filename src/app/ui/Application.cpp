#include "app/ui/Application.h"

#include "app/core/Formats.h"
#include "app/platform/Messages.h"

#include <QFont>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

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
        ErrorReport::show(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ErrorReport::show(QStringLiteral("Errore imprevisto."));
    }
    return false;
}

IoError::IoError(int code)
    : std::runtime_error("I/O error " + std::to_string(code))
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

void mapFonts()
{
    // The windows name the families of the system the program was made for;
    // these installed families have the same or very close metrics.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
}

void apply(QApplication& app)
{
    initSelvoraResources();
    Formats::apply();
    mapFonts();
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setApplicationName(QStringLiteral("Selvora"));
    app.setQuitOnLastWindowClosed(false);

    auto* qtbase = new QTranslator(&app);
    if (qtbase->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtbase);
    auto* multimedia = new QTranslator(&app);
    if (multimedia->load(QLocale(QLocale::Italian), QStringLiteral("qtmultimedia"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(multimedia);
}

} // namespace AppSetup
