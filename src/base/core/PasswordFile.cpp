// Reading and writing one value of the password file.
#include "base/core/PasswordFile.h"
#include "base/core/SystemError.h"

#include "base/core/Crypt.h"
#include "base/core/SafeWrite.h"

#include "base/core/ProgramFolder.h"
#include "base/core/TextRules.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {

// The file is kept as bytes (its values are plain ASCII); section and key
// names are compared with A to Z folded, as the system's INI routines do.
QByteArray fold(QByteArray s)
{
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    }
    return s;
}

QByteArray blanksOff(const QByteArray& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && (s.at(b) == ' ' || s.at(b) == '\t'))
        ++b;
    while (e > b && (s.at(e - 1) == ' ' || s.at(e - 1) == '\t' || s.at(e - 1) == '\r'))
        --e;
    return s.mid(b, e - b);
}

struct Line
{
    qsizetype start; // offset of the line in the file
    qsizetype end; // offset of its line break (or the end of the file)
};

QList<Line> splitLines(const QByteArray& data)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype nl = data.indexOf('\n', start);
        if (nl < 0)
            nl = data.size();
        lines.append({start, nl});
        start = nl + 1;
    }
    return lines;
}

// "[name]" gives name; anything else is not a section header.
bool sectionName(const QByteArray& line, QByteArray* name)
{
    const QByteArray t = blanksOff(line);
    if (t.size() < 2 || t.at(0) != '[')
        return false;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return false;
    *name = blanksOff(t.mid(1, close - 1));
    return true;
}

// "key=value" gives both; comments and other lines are not entries.
bool entry(const QByteArray& line, QByteArray* key, QByteArray* value)
{
    const QByteArray t = blanksOff(line);
    if (t.isEmpty() || t.at(0) == ';')
        return false;
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0)
        return false;
    *key = blanksOff(t.left(eq));
    *value = blanksOff(t.mid(eq + 1));
    return true;
}

QByteArray unquoted(const QByteArray& v)
{
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        return v.mid(1, v.size() - 2);
    return v;
}

} // namespace

namespace IniFile {

QString readValue(const QString& path, const QString& section, const QString& key)
{
    QString value;
    readValue(path, section, key, &value);
    return value;
}

bool readValue(const QString& path, const QString& section, const QString& key, QString* value)
{
    value->clear();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    const QByteArray wantSection = fold(section.toLatin1());
    const QByteArray wantKey = fold(key.toLatin1());
    bool inSection = false;
    for (const Line& l : splitLines(data)) {
        const QByteArray line = data.mid(l.start, l.end - l.start);
        QByteArray name, k, v;
        if (sectionName(line, &name)) {
            inSection = fold(name) == wantSection;
        } else if (inSection && entry(line, &k, &v) && fold(k) == wantKey) {
            *value = QString::fromLatin1(unquoted(v));
            return true;
        }
    }
    return true;
}

QByteArray withValue(const QByteArray& data, const QString& section, const QString& key, const QString& value)
{
    const QByteArray wantSection = fold(section.toLatin1());
    const QByteArray wantKey = fold(key.toLatin1());
    const QByteArray eol = data.contains("\r\n") || data.isEmpty() ? QByteArray("\r\n") : QByteArray("\n");
    const QByteArray newEntry = key.toLatin1() + '=' + value.toLatin1();

    bool inSection = false;
    bool sectionSeen = false;
    qsizetype lastOfSection = -1; // end of the section's last non-blank line
    for (const Line& l : splitLines(data)) {
        const QByteArray line = data.mid(l.start, l.end - l.start);
        QByteArray name, k, v;
        if (sectionName(line, &name)) {
            if (inSection)
                break; // the key was not in our section
            inSection = fold(name) == wantSection;
            if (inSection) {
                sectionSeen = true;
                lastOfSection = l.end;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (entry(line, &k, &v) && fold(k) == wantKey) {
            // Replace the value after the equals sign; the key as written,
            // the line break and everything else stay.
            const qsizetype eq = data.indexOf('=', l.start);
            qsizetype valueEnd = l.end;
            if (valueEnd > l.start && data.at(valueEnd - 1) == '\r')
                --valueEnd;
            return data.left(eq + 1) + value.toLatin1() + data.mid(valueEnd);
        }
        if (!blanksOff(line).isEmpty())
            lastOfSection = l.end;
    }

    if (sectionSeen) {
        // A new key goes after the last line of its section.
        if (lastOfSection >= data.size())
            return data + eol + newEntry + eol;
        qsizetype after = lastOfSection + 1; // past the '\n'
        return data.left(after) + newEntry + eol + data.mid(after);
    }
    QByteArray out = data;
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += eol;
    out += '[' + section.toLatin1() + ']' + eol + newEntry + eol;
    return out;
}

bool writeValue(const QString& path, const QString& section, const QString& key, const QString& value, QString* error)
{
    auto failed = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QByteArray old;
    const QFileInfo info(path);
    if (info.exists()) {
        if (info.isDir())
            return failed(QStringLiteral("%1 is a folder").arg(path));
        // A file the system will not let us change stays as it is, even where
        // the folder would allow replacing it.
        if (!info.isWritable())
            return failed(QStringLiteral("%1 is read-only").arg(path));
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            return failed(SystemError::of(in));
        old = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return failed(SystemError::of(in));
    }
    const QByteArray data = withValue(old, section, key, value);

    // Written beside the old file and put in its place only when whole: a
    // failure on the way leaves the old password working.
    QString why;
    if (!SafeWrite::wholeFile(path, data, &why))
        return failed(why);
    return true;
}

} // namespace IniFile

namespace PasswordFile {

QString fileName()
{
    return QStringLiteral("unins000.dll");
}

QString path()
{
    return ProgramFolder::file(fileName());
}

QString normalised(const QString& typed)
{
    QString out = typed;
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(char16_t(c.unicode() - 32));
    }
    return TextRules::trimmed(out);
}

QString readValue()
{
    return IniFile::readValue(path(), Section, Key);
}

bool readValue(QString* value)
{
    return IniFile::readValue(path(), Section, Key, value);
}

bool writeValue(const QString& hex, QString* error)
{
    return IniFile::writeValue(path(), Section, Key, hex, error);
}

bool Stored::matches(const QString& typed) const
{
    return status == Read && clear == normalised(typed);
}

Stored read()
{
    Stored stored;
    if (!readValue(&stored.value)) {
        stored.status = Stored::Unreadable;
        return stored;
    }
    bool ok = false;
    const QString clear = TextRules::trimmed(Crypt::DecryptFromHex(stored.value, &ok));
    if (!ok) {
        stored.status = Stored::Damaged;
        return stored;
    }
    stored.clear = clear;
    return stored;
}

bool matches(const QString& typed)
{
    return read().matches(typed);
}

} // namespace PasswordFile
