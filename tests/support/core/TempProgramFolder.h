// Test helpers that need no window: a temporary program folder, files that
// fail on purpose, records made of one byte.
#pragma once

#include <QFile>
#include <QTemporaryDir>

// Points the program at a fresh empty folder for as long as it lives.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const; // with trailing "/"
    QString file(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// A file whose writes fail after a budget of bytes, as a full disk would.
// Once: only the write that runs out of budget fails, as when another program
// frees room right after; later writes go through.
class FailingFile : public QFile
{
public:
    enum class Failure
    {
        FromThenOn,
        Once
    };
    FailingFile(const QString& path, qint64 budget, Failure failure = Failure::FromThenOn);

protected:
    qint64 writeData(const char* data, qint64 len) override;

private:
    qint64 m_budget;
    Failure m_failure;
    bool m_failed = false;
};

// While alive, every record file opened by the program fails its writes after
// budget bytes.
class FailingWrites
{
public:
    explicit FailingWrites(qint64 budget, FailingFile::Failure failure = FailingFile::Failure::FromThenOn);
    ~FailingWrites();
};

// A record of size bytes made of one repeated byte, easy to see in a diff.
QByteArray filled(int size, char byte);
