#include "app/core/FolderLock.h"

#include "app/core/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

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
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Never stale by age: a copy on another machine may hold the folder for
    // days. A lock left by a crashed copy on this machine is recognised by
    // its process being gone, and taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        const QString note = QStringLiteral("computer=%1\nutente=%2\ndal=%3\n")
                                 .arg(computerName(), userName(), QDateTime::currentDateTime().toString(Qt::ISODate));
        // The note only names the holder for others; the lock works without it.
        QString ignored;
        SafeWrite::wholeFile(notePath, note.toUtf8(), &ignored);
        return Result::Acquired;
    }
    qint64 pid = 0;
    QString host;
    QString app;
    if (lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&pid, &host, &app)) {
        m_holder.computer = readNote(notePath, QStringLiteral("computer"));
        if (m_holder.computer.isEmpty())
            m_holder.computer = host;
        m_holder.user = readNote(notePath, QStringLiteral("utente"));
        m_holder.since = QDateTime::fromString(readNote(notePath, QStringLiteral("dal")), Qt::ISODate);
        return Result::InUse;
    }
    // No lock could be made, or what stands in its place cannot be read as
    // one: the folder is not ours to write.
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
