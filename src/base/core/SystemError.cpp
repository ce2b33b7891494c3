#include "base/core/SystemError.h"

#include <QFileDevice>
#include <QHash>
#include <QList>
#include <QPair>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace SystemError {

namespace {

struct Words
{
    int code;
    const char* italian;
    // How the C library (glibc and the usual others) and Windows say it;
    // unused places stay null.
    const char* english[3];
};

const QList<Words>& table()
{
    static const QList<Words> words = {
        {ENOSPC,
         "disco pieno: non c'è più spazio sul supporto",
         {"No space left on device", "There is not enough space on the disk."}},
#ifdef EDQUOT
        {EDQUOT, "disco pieno: lo spazio concesso all'utente è esaurito", {"Disk quota exceeded"}},
#endif
        {EACCES, "non si hanno i permessi necessari", {"Permission denied", "Access is denied.", "Access denied"}},
        {EPERM, "operazione non permessa", {"Operation not permitted"}},
        {EBUSY,
         "il file è in uso da parte di un altro programma",
         {"Device or resource busy",
          "The process cannot access the file because it is being used by another process."}},
#ifdef ETXTBSY
        {ETXTBSY, "il file è in uso da parte di un altro programma", {"Text file busy"}},
#endif
        {ENAMETOOLONG,
         "il nome del file è troppo lungo",
         {"File name too long", "The filename or extension is too long."}},
        {EROFS, "il supporto è in sola lettura", {"Read-only file system", "The media is write protected."}},
        {ENOENT,
         "il file o la cartella non esiste",
         {"No such file or directory", "The system cannot find the file specified.",
          "The system cannot find the path specified."}},
        {EIO, "errore di lettura o di scrittura sul supporto", {"Input/output error"}},
        {EISDIR, "al suo posto c'è una cartella", {"Is a directory"}},
        {ENOTDIR, "una parte del percorso non è una cartella", {"Not a directory"}},
        {EEXIST, "il file esiste già", {"File exists"}},
        {EFBIG, "il file è troppo grande per il supporto", {"File too large"}},
        {EMFILE, "ci sono troppi file aperti", {"Too many open files"}},
        {ENFILE, "ci sono troppi file aperti nel sistema", {"Too many open files in system"}},
        {ENODEV, "il supporto non è disponibile (è stato scollegato?)", {"No such device"}},
        {ENXIO, "il supporto non è disponibile (è stato scollegato?)", {"No such device or address"}},
#ifdef ELOOP
        {ELOOP, "troppi collegamenti simbolici nel percorso", {"Too many levels of symbolic links"}},
#endif
        {ENOMEM, "memoria insufficiente", {"Cannot allocate memory", "Not enough memory resources are available"}},
        {EINVAL, "operazione non valida per questo file", {"Invalid argument"}},
    };
    return words;
}

// English text -> Italian, including what strerror() says here and now.
const QList<QPair<QString, QString>>& phrases()
{
    static const QList<QPair<QString, QString>> list = [] {
        QHash<QString, QString> seen;
        QList<QPair<QString, QString>> out;
        auto add = [&](const QString& english, const QString& italian) {
            if (english.isEmpty() || seen.contains(english))
                return;
            seen.insert(english, italian);
            out.append({english, italian});
        };
        for (const Words& w : table()) {
            const QString it = QString::fromUtf8(w.italian);
            for (const char* e : w.english)
                if (e)
                    add(QString::fromLatin1(e), it);
            add(QString::fromLocal8Bit(std::strerror(w.code)), it);
        }
        // Qt's words when it knows no better.
        add(QStringLiteral("Unknown error"), QStringLiteral("errore non precisato dal sistema"));
        add(QStringLiteral("Unknown error 0"), QStringLiteral("errore non precisato dal sistema"));
        // Longest first, so that a phrase inside another is not replaced first.
        std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
        return out;
    }();
    return list;
}

} // namespace

QString text(int code)
{
    for (const Words& w : table())
        if (w.code == code)
            return QString::fromUtf8(w.italian);
    return QStringLiteral("errore di sistema n. %1").arg(code);
}

QString ioError(int code)
{
    return QStringLiteral("I/O error %1: %2").arg(code).arg(text(code));
}

QString italian(const QString& systemText)
{
    const QString t = systemText.trimmed();
    for (const auto& p : phrases())
        if (t.compare(p.first, Qt::CaseInsensitive) == 0)
            return p.second;
    return systemText;
}

QString italianized(const QString& message)
{
    QString out = message;
    for (const auto& p : phrases())
        if (out.contains(p.first, Qt::CaseInsensitive))
            out.replace(p.first, p.second, Qt::CaseInsensitive);
    return out;
}

QString of(const QFileDevice& file)
{
    // Qt words its own failures ("Unknown error" when it has none).
    return italianized(file.errorString());
}

} // namespace SystemError
