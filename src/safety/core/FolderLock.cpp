#include "safety/core/FolderLock.h"

#include "base/core/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStorageInfo>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {
QString readNote(const QString& path, const QString& key)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QString prefix = key + QLatin1Char('=');
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return QString();
}

enum class Unreadable
{
    Removed, // no process held it: it is gone
    Held, // a process of this machine holds it
    NotALock // a folder or something else that cannot be taken away
};

// A lock file that does not say who holds it (empty, garbage, cut short by
// a full disk): every copy of the program on this machine keeps a system
// lock on the file it holds, so if none answers, nobody does.
Unreadable clearUnreadable(const QString& path)
{
    const QFileInfo fi(path);
    if (fi.isDir() || fi.isSymLink())
        return Unreadable::NotALock;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Unreadable::Removed : Unreadable::NotALock;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return Unreadable::Held;
    }
    const bool removed = ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed ? Unreadable::Removed : Unreadable::NotALock;
#else
    return QFile::remove(path) ? Unreadable::Removed : Unreadable::NotALock;
#endif
}

// Why no lock could be made in folder, as the message finishes it.
QString problemText(QLockFile::LockError error, const QString& folder)
{
    const QStorageInfo storage(folder);
    if (error == QLockFile::PermissionError)
        return storage.isValid() && storage.isReadOnly()
            ? QStringLiteral("il disco o la chiavetta su cui si trova è protetto da scrittura")
            : QStringLiteral("l'utente non ha il permesso di scriverci");
    if (storage.isValid() && storage.bytesAvailable() < 64 * 1024)
        return QStringLiteral("il disco è pieno");
    return QStringLiteral("il sistema non permette di crearvi il file %1").arg(FolderLock::lockFileName());
}
} // namespace

FolderLock::FolderLock(const QString& folder)
    : m_folder(QDir(folder).absolutePath())
{
}

FolderLock::~FolderLock()
{
    release();
}

QString FolderLock::lockFileName()
{
    return QStringLiteral("selvora.lck");
}

QString FolderLock::noteFileName()
{
    return QStringLiteral("selvora.lck.info");
}

QString FolderLock::computerName()
{
    return QSysInfo::machineHostName();
}

QString FolderLock::userName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    return user;
}

FolderLock::Result FolderLock::acquire()
{
    release();
    m_holder = Holder();
    const QString lockPath = m_folder + QLatin1Char('/') + lockFileName();
    const QString notePath = m_folder + QLatin1Char('/') + noteFileName();
    m_problem.clear();
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Never stale by age: a copy on another machine may hold the folder for
    // days. A lock left by a crashed copy on this machine is recognised by
    // its process being gone, and taken over.
    lock->setStaleLockTime(0);
    bool locked = lock->tryLock(0);
    qint64 pid = 0;
    QString host;
    QString app;
    auto unreadable = [&] {
        return !locked && lock->error() == QLockFile::LockFailedError && !lock->getLockInfo(&pid, &host, &app);
    };
    // A copy that is making its lock right now holds an empty file for an
    // instant: it is given a moment to write its note first.
    if (unreadable())
        locked = lock->tryLock(300);
    if (unreadable()) {
        switch (clearUnreadable(lockPath)) {
        case Unreadable::Removed:
            locked = lock->tryLock(0);
            break;
        case Unreadable::Held:
            // A copy on this machine that is just writing its note, or one
            // whose note was lost: in use, by someone of this computer.
            m_holder.computer = computerName();
            return Result::InUse;
        case Unreadable::NotALock:
            m_problem = QStringLiteral("al posto del file %1 c'è una cartella o un elemento che non può essere "
                                       "tolto")
                            .arg(lockFileName());
            return Result::CannotCreate;
        }
    }
    if (locked) {
        m_lock = std::move(lock);
        const QString note = QStringLiteral("computer=%1\nutente=%2\ndal=%3\n")
                                 .arg(computerName(), userName(), QDateTime::currentDateTime().toString(Qt::ISODate));
        // The note only names the holder for others; the lock works without it.
        QString ignored;
        SafeWrite::wholeFile(notePath, note.toUtf8(), &ignored);
        return Result::Acquired;
    }
    if (lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&pid, &host, &app)) {
        m_holder.computer = readNote(notePath, QStringLiteral("computer"));
        if (m_holder.computer.isEmpty())
            m_holder.computer = host;
        m_holder.user = readNote(notePath, QStringLiteral("utente"));
        m_holder.since = QDateTime::fromString(readNote(notePath, QStringLiteral("dal")), Qt::ISODate);
        return Result::InUse;
    }
    // No lock could be made: the folder is not ours to write, and the
    // reason is told as it is.
    m_problem = problemText(lock->error(), m_folder);
    return Result::CannotCreate;
}

void FolderLock::release()
{
    if (m_lock) {
        QFile::remove(m_folder + QLatin1Char('/') + noteFileName());
        m_lock->unlock();
        m_lock.reset();
    }
}

bool FolderLock::held() const
{
    return m_lock && m_lock->isLocked();
}

QString FolderLock::inUseMessage(const Holder& holder)
{
    const QString computer = holder.computer.isEmpty() ? QStringLiteral("un altro computer") : holder.computer;
    const QString user = holder.user.isEmpty() ? QStringLiteral("un altro utente") : holder.user;
    QString text = QStringLiteral("Selvora è già in uso su %1 da %2").arg(computer, user);
    if (holder.since.isValid())
        text += QStringLiteral(" (dalle %1 del %2)")
                    .arg(holder.since.toString(QStringLiteral("HH:mm")),
                         holder.since.toString(QStringLiteral("dd/MM/yyyy")));
    return text + QLatin1Char('.');
}
