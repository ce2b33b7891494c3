#include "support/core/TempProgramFolder.h"

#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"

TempProgramFolder::TempProgramFolder()
{
    ProgramFolder::setOverride(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    ProgramFolder::clearOverride();
}

QString TempProgramFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TempProgramFolder::file(const QString& name) const
{
    return path() + name;
}

void TempProgramFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(name));
}

QByteArray TempProgramFolder::read(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

FailingFile::FailingFile(const QString& path, qint64 budget, Failure failure)
    : QFile(path)
    , m_budget(budget)
    , m_failure(failure)
{
}

qint64 FailingFile::writeData(const char* data, qint64 len)
{
    if (m_failed && m_failure == Failure::Once)
        return QFile::writeData(data, len);
    if (m_budget <= 0) {
        m_failed = true;
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    const qint64 n = qMin(len, m_budget);
    const qint64 written = QFile::writeData(data, n);
    if (written > 0)
        m_budget -= written;
    if (written < len)
        m_failed = true;
    return written;
}

FailingWrites::FailingWrites(qint64 budget, FailingFile::Failure failure)
{
    RecordFile::setFileFactory([budget, failure](const QString& path) {
        return std::unique_ptr<QFile>(new FailingFile(path, budget, failure));
    });
}

FailingWrites::~FailingWrites()
{
    RecordFile::setFileFactory(nullptr);
}

QByteArray filled(int size, char byte)
{
    return QByteArray(size, byte);
}
