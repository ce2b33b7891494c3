#include "base/core/ProgramFolder.h"

#include "base/core/PasswordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

#if defined(Q_OS_WIN)
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseSensitive;
#endif

struct State
{
    bool settled = false;
    ProgramFolder::Choice choice;
};

State g_state;
QString g_override;
bool g_overrideWritable = true;

QString withSlash(QString folder)
{
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// Asking the file system is not enough: a read-only mount, a network share or
// an access list can refuse a write that the permission bits allow, so the
// folder is tried with a file that is removed at once.
bool canCreateFiles(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral(".selvora-probe-XXXXXX"));
    return probe.open();
}

QString firstExisting(const QStringList& candidates)
{
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

QString cleanFolder(const QString& folder)
{
    return withSlash(QDir::cleanPath(folder));
}

const State& settled()
{
    if (!g_state.settled) {
        // Nobody ran the start-up (a tool, a test without its own folder):
        // the rule is applied without creating anything.
        g_state.choice = ProgramFolder::choose(ProgramFolder::currentFacts());
        g_state.settled = true;
    }
    return g_state;
}

} // namespace

namespace ProgramFolder {

Choice choose(const Facts& facts)
{
    Choice choice;
    if (facts.inSystemFolder && !(facts.holdsData && facts.writable) && !facts.userDataFolder.isEmpty()) {
        choice.mode = Mode::Installed;
        choice.dataFolder = withSlash(facts.userDataFolder);
        choice.writable = true;
        return choice;
    }
    choice.mode = Mode::Portable;
    choice.dataFolder = withSlash(facts.executableFolder);
    choice.writable = facts.writable;
    return choice;
}

bool isUnder(const QString& folder, const QStringList& roots)
{
    const QString f = withSlash(folder);
    for (const QString& root : roots) {
        if (!root.isEmpty() && f.startsWith(withSlash(root), FileNameCase))
            return true;
    }
    return false;
}

QStringList systemRoots()
{
#if defined(Q_OS_WIN)
    QStringList roots;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            roots << withSlash(value);
    }
    return roots;
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("/Applications/")};
#else
    return {QStringLiteral("/usr/"), QStringLiteral("/bin/"), QStringLiteral("/sbin/"), QStringLiteral("/opt/"),
            QStringLiteral("/snap/")};
#endif
}

Facts currentFacts()
{
    Facts facts;
    facts.executableFolder = withSlash(QCoreApplication::applicationDirPath());
    facts.holdsData = QFileInfo::exists(facts.executableFolder + PasswordFile::fileName());
    facts.writable = canCreateFiles(facts.executableFolder);
    facts.inSystemFolder = isUnder(facts.executableFolder, systemRoots());
    facts.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return facts;
}

QString setUp()
{
    const Facts facts = currentFacts();
    const QString exe = facts.executableFolder;
    const QString source = firstExisting({
        exe + PasswordFile::fileName(),
        cleanFolder(exe + QStringLiteral("../share/selvora")) + PasswordFile::fileName(),
        QStringLiteral("/usr/share/selvora/") + PasswordFile::fileName(),
    });
    return setUp(facts, source);
}

QString setUp(const Facts& facts, const QString& installedPasswordFile)
{
    Choice choice = choose(facts);
    if (choice.mode == Mode::Installed) {
        const QString folder = choice.dataFolder;
        const QString failure =
            QStringLiteral("Attenzione: non è stato possibile creare la cartella dei dati di Selvora:\n%1\n\n"
                           "Controllare che la cartella personale dell'utente non sia in sola lettura e che il disco "
                           "non sia pieno. Il programma verrà chiuso.")
                .arg(QDir::toNativeSeparators(folder));
        const bool isNew = !QFileInfo::exists(folder);
        if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
            return failure;
        // The folder holds personal data: only its owner may read it.
        if (isNew)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!canCreateFiles(folder))
            return failure;
        const QString password = folder + PasswordFile::fileName();
        if (!QFileInfo::exists(password) && !installedPasswordFile.isEmpty()) {
            // A copy of the installed, read-only file; the copy must be
            // writable for the password change.
            if (!QFile::copy(installedPasswordFile, password) ||
                !QFile::setPermissions(password, QFile::ReadOwner | QFile::WriteOwner)) {
                QFile::remove(password);
                return QStringLiteral("Attenzione: non è stato possibile preparare il file della password nella "
                                      "cartella dei dati di Selvora:\n%1\n\nIl programma verrà chiuso.")
                    .arg(QDir::toNativeSeparators(password));
            }
        }
    }
    g_state.choice = choice;
    g_state.settled = true;
    return QString();
}

QString path()
{
    if (!g_override.isEmpty())
        return g_override;
    return settled().choice.dataFolder;
}

QString file(const QString& name)
{
    return path() + name;
}

Mode mode()
{
    if (!g_override.isEmpty())
        return Mode::Portable;
    return settled().choice.mode;
}

bool isWritable()
{
    if (!g_override.isEmpty())
        return g_overrideWritable;
    return settled().choice.writable;
}

QString executableFolder()
{
    return withSlash(QCoreApplication::applicationDirPath());
}

QString manualFile()
{
    const QString name = QStringLiteral("Guida.pdf");
    if (!g_override.isEmpty())
        return g_override + name;
    const QString beside = executableFolder() + name;
    const QString found = firstExisting({
        beside,
        cleanFolder(executableFolder() + QStringLiteral("../share/doc/selvora")) + name,
        cleanFolder(executableFolder() + QStringLiteral("../share/selvora")) + name,
        QStringLiteral("/usr/share/doc/selvora/") + name,
        QStringLiteral("/usr/share/selvora/") + name,
    });
    return found.isEmpty() ? beside : found;
}

void setOverride(const QString& folder, bool writable)
{
    g_override = withSlash(folder);
    g_overrideWritable = writable;
}

void clearOverride()
{
    g_override.clear();
    g_overrideWritable = true;
}

} // namespace ProgramFolder
