// Font families of the windows and templates mapped to installed ones.
#include "report/core/ReportFonts.h"

#include <QFont>

namespace ReportFonts {

void install()
{
    // The windows name the families of the system the program was made for;
    // these installed families have the same or very close metrics.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
}

} // namespace ReportFonts
