// A small file system of its own (tmpfs) mounted on a temporary folder for as
// long as it lives: to fill up as a full USB stick would, or to be mounted
// read-only as a protected medium. Tests run as root; where mounting is not
// allowed, mounted() is false and the test skips.
#pragma once

#include <QString>
#include <QTemporaryDir>

class SmallDisk
{
public:
    explicit SmallDisk(int kilobytes, bool readOnly = false);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // Writes one file until the disk has no room left; true when it filled.
    bool fill(const QString& name) const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
