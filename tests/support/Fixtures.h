// Test helpers: a temporary program folder, controls found by name, scripted
// platform state reset between tests, and files that fail on purpose.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

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

// Clears every scripted answer and record of the platform seams.
void resetSeams();
// True when every scripted answer was used and no dialog went unscripted;
// otherwise explains what was left.
QString seamsLeftovers();

// The control of that objectName under root; fails the test naming it.
template <typename T>
T* control(QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qWarning("control %s not found", qPrintable(name));
    return found;
}
// Makes w the active window (offscreen too) so that focus and focus colours
// can be checked; true when it is.
bool activate(QWidget* w);

// A file whose writes fail after a budget of bytes, as a full disk would.
class FailingFile : public QFile
{
public:
    FailingFile(const QString& path, qint64 budget);

protected:
    qint64 writeData(const char* data, qint64 len) override;

private:
    qint64 m_budget;
};

// While alive, every record file opened by the program fails its writes after
// budget bytes.
class FailingWrites
{
public:
    explicit FailingWrites(qint64 budget);
    ~FailingWrites();
};

// A record of size bytes made of one repeated byte, easy to see in a diff.
QByteArray filled(int size, char byte);
