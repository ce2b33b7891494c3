#include "base/core/AccessMode.h"

namespace {
bool g_readOnly = false;
QString g_reason;
} // namespace

namespace AccessMode {

bool readOnly()
{
    return g_readOnly;
}

QString reason()
{
    return g_readOnly ? g_reason : QString();
}

void setReadOnly(const QString& why)
{
    g_readOnly = true;
    g_reason = why;
}

void setWritable()
{
    g_readOnly = false;
    g_reason.clear();
}

QString reasonInUse()
{
    return QStringLiteral("Sola lettura: Selvora è in uso su un altro computer o in un'altra finestra, "
                          "quindi non è possibile salvare o modificare i dati.");
}

QString reasonFolderReadOnly()
{
    return QStringLiteral("Sola lettura: la cartella del programma non può essere scritta, "
                          "quindi non è possibile salvare o modificare i dati.");
}

QString reasonCannotWrite(const QString& problem)
{
    return QStringLiteral("Sola lettura: Selvora non può scrivere nella cartella del programma (%1), "
                          "quindi non è possibile salvare o modificare i dati.")
        .arg(problem);
}

} // namespace AccessMode
