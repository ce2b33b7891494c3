// Read-only mode: every command of every window that writes into the program
// folder is disabled with the reason, stays disabled, and writes nothing when
// clicked; the record and whole-file layers refuse writes too.
#include "app/core/AccessMode.h"
#include "app/core/RecordFile.h"
#include "app/core/SafeWrite.h"
#include "app/ui/Avvio.h"
#include "app/ui/CambiaPassword.h"
#include "app/ui/Password.h"
#include "app/ui/Windows.h"
#include "candidates/ui/AllegaCartella.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/ExpCandidati.h"
#include "candidates/ui/RetentionList.h"
#include "sessions/ui/ApriArchivio.h"
#include "sessions/ui/CreaArchivio.h"
#include "sessions/ui/ExpTorneo.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WriteGuard.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <memory>

namespace {
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files.insert(QDir(folder).relativeFilePath(path), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return files;
}
} // namespace

class TestReadOnly : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;

    QWidget* windowNamed(const QString& name)
    {
        if (name == QLatin1String("password"))
            return static_cast<QWidget*>(Windows::password());
        if (name == QLatin1String("cambiaPassword"))
            return static_cast<QWidget*>(Windows::cambiaPassword());
        if (name == QLatin1String("avvio"))
            return Windows::avvio();
        if (name == QLatin1String("creaArchivio"))
            return Windows::creaArchivio();
        if (name == QLatin1String("apriArchivio"))
            return static_cast<QWidget*>(Windows::apriArchivio());
        if (name == QLatin1String("torneo"))
            return Windows::torneo();
        if (name == QLatin1String("candidati"))
            return Windows::candidati();
        return nullptr;
    }

    void checkRefused(QWidget* command, const QString& where)
    {
        QVERIFY2(command, qPrintable(where));
        QVERIFY2(WriteGuard::isMarked(command), qPrintable(where));
        QVERIFY2(!command->isEnabled(), qPrintable(where));
        QCOMPARE(command->toolTip(), AccessMode::reason());
        // The window turning it on again does not win.
        command->setEnabled(true);
        QVERIFY2(!command->isEnabled(), qPrintable(where));
        const QMap<QString, QByteArray> before = snapshot(m_folder->path());
        if (auto* button = qobject_cast<QAbstractButton*>(command))
            button->click();
        QTest::mouseClick(command, Qt::LeftButton);
        QCOMPARE(snapshot(m_folder->path()), before);
    }

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        m_folder->write(QStringLiteral("Archivio_Candidati.pro"), filled(3612, 'a'));
        m_folder->write(QStringLiteral("Prova.vai"), filled(5865, 'b'));
        m_folder->write(QStringLiteral("unins000.dll"), "password");
        Windows::createFirst();
        AccessMode::setReadOnly(AccessMode::reasonInUse());
        WriteGuard::applyAll();
    }
    void cleanupTestCase()
    {
        Windows::destroyAll();
        AccessMode::setWritable();
        m_folder.reset();
    }
    void init() { resetSeams(); }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        Messages::takeShown();
        Modal::resetTestState();
    }

    void everyWritingCommandOfEveryScreenWindowIsRefused_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("command");
        const QList<QPair<const char*, const char*>> commands = {
            {"password", "btnCambiaPassword"},
            {"cambiaPassword", "cmdOK"},
            {"avvio", "btnApp02"},
            {"avvio", "imgApp02"},
            {"avvio", "btnRipristina"},
            {"avvio", "btnPromemoria"},
            {"creaArchivio", "btnApplica"},
            {"apriArchivio", "btnElimina"},
            {"torneo", "cmdSalva"},
            {"candidati", "cmdSalva"},
            {"candidati", "btnCaricaFoto"},
            {"candidati", "btnWebcam"},
            {"candidati", "btnCancFoto"},
            {"candidati", "cmdCancellaDati"},
        };
        for (const auto& c : commands)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(c.first), QLatin1String(c.second))))
                << QString::fromLatin1(c.first) << QString::fromLatin1(c.second);
    }
    void everyWritingCommandOfEveryScreenWindowIsRefused()
    {
        QFETCH(QString, window);
        QFETCH(QString, command);
        QWidget* w = windowNamed(window);
        QVERIFY(w);
        w->show();
        checkRefused(w->findChild<QWidget*>(command), window + QLatin1Char(' ') + command);
    }

    void writingCommandsOfDialogsAreRefused()
    {
        {
            TfrmAllegaCartella dialog(Windows::candidati());
            dialog.show();
            for (const char* name : {"btnSfoglia01", "btnSfoglia02", "btnSfoglia03", "imgCancella01", "imgCancella02",
                                     "imgCancella03", "btnApplica"})
                checkRefused(dialog.findChild<QWidget*>(QLatin1String(name)), QLatin1String(name));
        }
        {
            TfrmExpCandidati dialog(Windows::candidati());
            dialog.show();
            checkRefused(dialog.cmdEsporta, QStringLiteral("export of the archive"));
        }
        {
            RetentionList dialog(Windows::candidati());
            dialog.show();
            checkRefused(dialog.btnCancella, QStringLiteral("retention list"));
        }
    }

    // The picture of the new-session entry reacts to clicks itself.
    void newSessionPictureDoesNotOpenTheWindow()
    {
        TfrmAvvio* avvio = Windows::avvio();
        avvio->show();
        avvio->openEntry(2);
        QVERIFY(!Windows::creaArchivio()->isVisible());
        QVERIFY(avvio->isVisible());
    }

    // The reason reaches the information bar of the card window.
    void reasonIsShownInTheInformationBar()
    {
        TfrmCandidati* w = Windows::candidati();
        w->show();
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->cmdSalva, &move);
        QCOMPARE(w->panInfo->text(), AccessMode::reason());
        QVERIFY(w->panInfo->text().startsWith(QStringLiteral("Sola lettura: ")));
    }

    // Whatever slips past the windows, the layers under them do not write.
    void recordAndWholeFileWritesAreRefused()
    {
        const QMap<QString, QByteArray> before = snapshot(m_folder->path());
        RecordFile archive(m_folder->file(QStringLiteral("Archivio_Candidati.pro")), 3612);
        QVERIFY(archive.open());
        QByteArray card;
        QVERIFY(archive.read(1, &card));
        QVERIFY(!archive.rewrite(1, filled(3612, 'z')));
        QCOMPARE(archive.append(filled(3612, 'z')), 0);
        archive.close();
        QString why;
        QVERIFY(!SafeWrite::wholeFile(m_folder->file(QStringLiteral("nuovo.json")), "{}", &why));
        QCOMPARE(why, AccessMode::reason());
        QCOMPARE(snapshot(m_folder->path()), before);
        // Outside the program folder, writing is allowed (a saved report).
        QTemporaryDir other;
        QVERIFY(SafeWrite::wholeFile(other.filePath(QStringLiteral("rapporto.txt")), "x", &why));
    }

    void everyMarkedCommandIsDisabled()
    {
        int marked = 0;
        for (QWidget* w : QApplication::allWidgets()) {
            if (WriteGuard::isMarked(w)) {
                ++marked;
                QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
            }
        }
        QVERIFY(marked >= 14);
    }
};

SELVORA_TEST_MAIN(TestReadOnly)
#include "tst_readonly.moc"
