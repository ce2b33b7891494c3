// One writer per program folder: a lock file in the folder that the running
// copy holds until it ends. A second copy (on this machine or another one
// reaching the folder through a share) finds it taken and learns who holds
// it; the lock of a copy that crashed on this machine is taken over.
#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

class QLockFile;

class FolderLock
{
public:
    enum class Result
    {
        Acquired,
        InUse, // another running copy holds the folder
        CannotCreate // the folder cannot be written (read-only medium, no rights, disk full)
    };

    struct Holder
    {
        QString computer;
        QString user;
        QDateTime since;
    };

    explicit FolderLock(const QString& folder);
    ~FolderLock();

    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Result acquire();
    void release();
    bool held() const;

    // Who holds the folder, after acquire() answered InUse. Fields that the
    // holder did not leave behind are empty.
    Holder holder() const { return m_holder; }
    // Why, after acquire() answered CannotCreate: "il disco è pieno",
    // "l'utente non ha il permesso di scriverci", ...
    QString problem() const { return m_problem; }

    // "Selvora è già in uso su <computer> da <user> (dalle 15:30 del 10/12/2026)."
    static QString inUseMessage(const Holder& holder);

    // "selvora.lck", and the note beside it naming the user and the time.
    static QString lockFileName();
    static QString noteFileName();

    // This machine's and this user's names, as the note records them.
    static QString computerName();
    static QString userName();

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    Holder m_holder;
    QString m_problem;
};
