// The password file "unins000.dll" in the program folder: in spite of its
// name an INI text file; the scrambled password is the value of "Valore" in
// section "Accesso". Only one value is ever read or written, and a write
// leaves every other line of the file as it was.
#pragma once

#include <QString>

namespace IniFile {

// The value of key in section (names compared without regard to the case of
// A to Z, blanks around the value removed). A missing file, section or key
// gives the empty text.
QString readValue(const QString& path, const QString& section, const QString& key);
// The same, telling apart a file that is there but cannot be read (a folder
// in its place, no read permission): false, with *value empty.
bool readValue(const QString& path, const QString& section, const QString& key, QString* value);

// Replaces the value in place, adding the key at the end of its section or
// the section at the end of the file when missing; every other byte stays
// as it was. The new file replaces the old one in a single step, so a
// failure midway leaves the old file whole. False, with *error set, when the
// file cannot be read or written.
bool writeValue(const QString& path, const QString& section, const QString& key, const QString& value,
                QString* error = nullptr);

// The same edit on the file's bytes, without touching the disk.
QByteArray withValue(const QByteArray& contents, const QString& section, const QString& key, const QString& value);

} // namespace IniFile

namespace PasswordFile {

// "unins000.dll"
QString fileName();
// The file in the program folder.
QString path();
inline const QString Section = QStringLiteral("Accesso");
inline const QString Key = QStringLiteral("Valore");

// The form in which a password is compared and stored: the letters a to z
// in capitals (no other letter changes case), then the characters with codes
// up to 32 removed at both ends.
QString normalised(const QString& typed);

// The stored (scrambled) value; empty when the file, section or key is
// missing.
QString readValue();
// False when the file is there but cannot be read; a missing file, section
// or key gives true and the empty value.
bool readValue(QString* value);
bool writeValue(const QString& hex, QString* error = nullptr);

// The stored password, read and unscrambled once for the windows that ask
// for it.
struct Stored
{
    enum Status
    {
        Read, // a missing file, section or key reads as the empty password
        Unreadable, // the file is there but cannot be read
        Damaged // the value is not pairs of hexadecimal digits
    };
    Status status = Read;
    QString value; // as in the file, scrambled
    QString clear; // unscrambled, characters up to code 32 off both ends; empty unless Read

    // Whether typed, in its normalised form, is the stored password; never
    // when the file could not be read or is damaged.
    bool matches(const QString& typed) const;
};

Stored read();
// The same check on a fresh reading of the file.
bool matches(const QString& typed);

} // namespace PasswordFile
