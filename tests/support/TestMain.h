// main() of every test: the program's start-up settings, every platform seam
// in test mode, and no way for a test to launch a real viewer.
#pragma once

#include "app/ui/Application.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "base/platform/OpenURL.h"
#include "report/ui/ReportPrinter.h"

#include <QDesktopServices>
#include <QtTest>

class UrlSink : public QObject
{
    Q_OBJECT
public slots:
    void swallow(const QUrl&) { }
};

inline void selvoraTestSetup(QApplication& app)
{
    AppSetup::apply(app);
    Messages::setTestMode(true);
    FileDialogs::setTestMode(true);
    Modal::setTestMode(true);
    TMisc::setTestMode(true);
    ReportPrinter::setTestMode(true);
    static UrlSink sink;
    for (const char* scheme : {"file", "http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &sink, "swallow");
}

#define SELVORA_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        SelvoraApplication app(argc, argv);                                                                            \
        selvoraTestSetup(app);                                                                                         \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
