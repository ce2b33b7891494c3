#include "support/core/SmallDisk.h"

#include <QFile>
#include <QProcess>

SmallDisk::SmallDisk(int kilobytes, bool readOnly)
{
    QString options = QStringLiteral("size=%1k").arg(kilobytes);
    if (readOnly)
        options += QStringLiteral(",ro");
    m_mounted = QProcess::execute(QStringLiteral("mount"),
                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
                                   QStringLiteral("tmpfs"), m_dir.path()}) == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir.path()});
}

bool SmallDisk::fill(const QString& name) const
{
    QFile f(filePath(name));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(4096, 'f');
    for (int i = 0; i < 1 << 20; ++i) {
        if (f.write(block) != block.size() || !f.flush())
            return true;
    }
    return false;
}
