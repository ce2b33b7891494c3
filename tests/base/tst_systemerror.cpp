// The system's words for a failure, in Italian: by error number, from the
// English text the C library and Qt give, inside a longer message, and in
// what the file layers report.
#include "base/core/RecordFile.h"
#include "base/core/SafeWrite.h"
#include "base/core/SystemError.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>

#include <cerrno>
#include <cstring>

class TestSystemError : public QObject
{
    Q_OBJECT

private slots:
    void byNumber_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("italian");
        QTest::newRow("disk full") << ENOSPC << "No space left on device"
                                   << "disco pieno: non c'è più spazio sul supporto";
        QTest::newRow("quota") << EDQUOT << "Disk quota exceeded"
                               << "disco pieno: lo spazio concesso all'utente è esaurito";
        QTest::newRow("no permission") << EACCES << "Permission denied"
                                       << "non si hanno i permessi necessari";
        QTest::newRow("in use") << EBUSY << "Device or resource busy"
                                << "il file è in uso da parte di un altro programma";
        QTest::newRow("name too long") << ENAMETOOLONG << "File name too long"
                                       << "il nome del file è troppo lungo";
        QTest::newRow("read-only medium") << EROFS << "Read-only file system"
                                          << "il supporto è in sola lettura";
        QTest::newRow("not found") << ENOENT << "No such file or directory"
                                   << "il file o la cartella non esiste";
        QTest::newRow("folder in place of a file") << EISDIR << "Is a directory"
                                                   << "al suo posto c'è una cartella";
    }
    void byNumber()
    {
        QFETCH(int, code);
        QFETCH(QString, english);
        QFETCH(QString, italian);
        QCOMPARE(SystemError::text(code), italian);
        QCOMPARE(SystemError::italian(english), italian);
        // Whatever the C library says here and now.
        QCOMPARE(SystemError::italian(QString::fromLocal8Bit(std::strerror(code))), italian);
        QCOMPARE(SystemError::ioError(code), QStringLiteral("I/O error %1: %2").arg(code).arg(italian));
        QCOMPARE(SystemError::italianized(QStringLiteral("Il file \"a.csv\" non può essere scritto: %1.").arg(english)),
                 QStringLiteral("Il file \"a.csv\" non può essere scritto: %1.").arg(italian));
    }

    void unknownAndOtherText()
    {
        QCOMPARE(SystemError::italian(QStringLiteral("Unknown error")),
                 QStringLiteral("errore non precisato dal sistema"));
        QCOMPARE(SystemError::text(4242), QStringLiteral("errore di sistema n. 4242"));
        // Italian text is left alone.
        const QString plain = QStringLiteral("Il foglio di lavoro è vuoto: non contiene nessuna riga.");
        QCOMPARE(SystemError::italianized(plain), plain);
    }

    // The layers that write report the reason in Italian.
    void fileLayersSayItInItalian()
    {
        TempProgramFolder folder;
        folder.write("a.vai", QByteArray(100, 'A'));
        {
            FailingWrites full(0);
            RecordFile file(folder.file("a.vai"), 100);
            QVERIFY(file.open());
            QCOMPARE(file.append(QByteArray(100, 'B')), qint64(0));
            QVERIFY2(file.errorString().contains(QStringLiteral("disco pieno")), qPrintable(file.errorString()));
            QVERIFY(!file.errorString().contains(QStringLiteral("No space")));
        }
        QVERIFY(QDir(folder.path()).mkdir("cartella"));
        QString error;
        QVERIFY(!SafeWrite::wholeFile(folder.file("cartella/dentro/x.json"), "{}", &error));
        QVERIFY2(!error.contains(QStringLiteral("No such file")) && !error.contains(QStringLiteral("Unknown error")),
                 qPrintable(error));
    }
};

SELVORA_CORE_TEST_MAIN(TestSystemError)
#include "tst_systemerror.moc"
