#include "support/Fixtures.h"

#include "app/core/ProgramFolder.h"
#include "app/core/RecordFile.h"
#include "app/platform/FileDialogs.h"
#include "app/platform/Messages.h"
#include "app/platform/Modal.h"
#include "app/platform/OpenURL.h"
#include "report/ui/ReportPrinter.h"

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

void resetSeams()
{
    Messages::resetTestState();
    FileDialogs::resetTestState();
    Modal::resetTestState();
    TMisc::resetTestState();
    ReportPrinter::resetTestState();
}

QString seamsLeftovers()
{
    QStringList left;
    if (Messages::pendingAnswers())
        left << QStringLiteral("%1 message answers unused").arg(Messages::pendingAnswers());
    if (Messages::unscriptedConfirmations())
        left << QStringLiteral("%1 unscripted confirmations").arg(Messages::unscriptedConfirmations());
    if (FileDialogs::pendingNames())
        left << QStringLiteral("%1 file names unused").arg(FileDialogs::pendingNames());
    if (Modal::pendingHooks())
        left << QStringLiteral("%1 dialog hooks unused").arg(Modal::pendingHooks());
    if (!Modal::unscripted().isEmpty())
        left << QStringLiteral("unscripted dialogs: ") + Modal::unscripted().join(QStringLiteral(", "));
    if (ReportPrinter::pendingAnswers())
        left << QStringLiteral("%1 print answers unused").arg(ReportPrinter::pendingAnswers());
    if (ReportPrinter::unscripted())
        left << QStringLiteral("%1 unscripted print dialogs").arg(ReportPrinter::unscripted());
    return left.join(QStringLiteral("; "));
}

FailingFile::FailingFile(const QString& path, qint64 budget)
    : QFile(path)
    , m_budget(budget)
{
}

qint64 FailingFile::writeData(const char* data, qint64 len)
{
    if (m_budget <= 0) {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    const qint64 n = qMin(len, m_budget);
    const qint64 written = QFile::writeData(data, n);
    if (written > 0)
        m_budget -= written;
    return written;
}

FailingWrites::FailingWrites(qint64 budget)
{
    RecordFile::setFileFactory(
        [budget](const QString& path) { return std::unique_ptr<QFile>(new FailingFile(path, budget)); });
}

FailingWrites::~FailingWrites()
{
    RecordFile::setFileFactory(nullptr);
}

QByteArray filled(int size, char byte)
{
    return QByteArray(size, byte);
}

bool activate(QWidget* w)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        QCoreApplication::processEvents();
        w->raise();
        w->activateWindow();
        if (QTest::qWaitForWindowActive(w, 500) && QApplication::activeWindow() == w)
            return true;
        QApplication::setActiveWindow(w);
    }
    return QApplication::activeWindow() == w;
}
