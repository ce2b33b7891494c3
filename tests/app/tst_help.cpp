// Help pages, the help window and its manual link, the information window
// with its e-mail link, the credits window with the web address, and the
// launcher pictures that open them.
#include "app/ui/Avvio.h"
#include "app/ui/Info.h"
#include "app/ui/Splash.h"
#include "app/ui/Windows.h"
#include "base/core/HelpTopics.h"
#include "base/core/Product.h"
#include "candidates/ui/Candidati.h"
#include "rankings/ui/ApriClassifica.h"
#include "sessions/ui/ApriArchivio.h"
#include "sessions/ui/CreaArchivio.h"
#include "shared/ui/Guida.h"
#include "shared/ui/Help.h"
#include "shared/ui/WebLink.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

struct Seen
{
    QString title;
    QString text;
    QString className;
    QObject* owner = nullptr;
};

// Records what the next help window shows.
void expectHelp(Seen* seen)
{
    Modal::queueHook([seen](QDialog* d) {
        seen->className = QString::fromLatin1(d->metaObject()->className());
        seen->owner = d->parent();
        if (auto* g = qobject_cast<TfrmGuida*>(d)) {
            seen->title = g->lblTitolo->text();
            seen->text = g->txtGuida->toPlainText();
        }
    });
}

// The text as the help window shows it: one line break per stored CR LF.
QString shownText(const QString& stored)
{
    QString t = stored;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QColor linkColour(QLabel* link)
{
    return WebLink::colour(link);
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Windows::createFirst(); }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init() { resetSeams(); }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    // --- the topics --------------------------------------------------------

    void topicsInOrder()
    {
        QStringList titles;
        for (const HelpTopics::Topic& t : HelpTopics::all())
            titles << t.title;
        QCOMPARE(titles,
                 (QStringList {
                     QStringLiteral("Uno sguardo a Selvora"),
                     QStringLiteral("App Archivio Candidati"),
                     QStringLiteral("Esportazione archivio candidati in Microsoft Excel"),
                     QStringLiteral("Gestione sessioni colloqui di lavoro"),
                     QStringLiteral("Esportazione archivio candidati esaminati in Microsoft Excel"),
                     QStringLiteral("Visualizzazione graduatorie"),
                     QStringLiteral("Griglia di valutazione e graduatoria finale"),
                     QStringLiteral("Codice fiscale: compilazione, controllo dei dati e doppioni"),
                     QStringLiteral("Importazione dei candidati da un foglio di calcolo"),
                     QStringLiteral("Backup, ripristino e sola lettura"),
                     QStringLiteral("Cancellazione dei dati personali"),
                     QStringLiteral("Concorso di più prove"),
                 }));
    }

    void paragraphs_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("least");
        QTest::addColumn<int>("most");
        QTest::newRow("launcher tour") << "Uno sguardo a Selvora" << 28 << 36;
        QTest::newRow("candidates") << "App Archivio Candidati" << 12 << 12;
        QTest::newRow("candidates export") << "Esportazione archivio candidati in Microsoft Excel" << 3 << 3;
        QTest::newRow("sessions") << "Gestione sessioni colloqui di lavoro" << 6 << 14;
        QTest::newRow("session export") << "Esportazione archivio candidati esaminati in Microsoft Excel" << 3 << 3;
        QTest::newRow("rankings") << "Visualizzazione graduatorie" << 3 << 8;
        QTest::newRow("competition") << "Concorso di più prove" << 7 << 7;
    }
    void paragraphs()
    {
        QFETCH(QString, title);
        QFETCH(int, least);
        QFETCH(int, most);
        const QString text = HelpTopics::text(title);
        const QStringList paragraphs = HelpTopics::paragraphs(text);
        QVERIFY2(paragraphs.size() >= least && paragraphs.size() <= most,
                 qPrintable(QString::number(paragraphs.size())));
        for (const QString& p : paragraphs) {
            QVERIFY(p.size() > 40);
            QCOMPARE(p.trimmed(), p);
            // Line breaks only between paragraphs, always CR LF CR LF.
            QVERIFY(!p.contains(QLatin1Char('\r')));
            QVERIFY(!p.contains(QLatin1Char('\n')));
            QVERIFY(p.endsWith(QLatin1Char('.')) || p.endsWith(QLatin1Char('!')) || p.endsWith(QLatin1Char(':')));
        }
    }

    void launcherTourTellsTheInitialPassword()
    {
        const QString text = HelpTopics::text(QStringLiteral("Uno sguardo a Selvora"));
        QVERIFY(text.contains(QStringLiteral("\"selvora\"")));
        QCOMPARE(Product::InitialPassword, QStringLiteral("selvora"));
        // The tour follows the program: sessions are VAI files, deletion is final.
        QVERIFY(text.contains(QStringLiteral("estensione VAI")));
        QVERIFY(text.contains(QStringLiteral("non può essere annullata")));
        QVERIFY(text.indexOf(QStringLiteral("ARCHIVIO CANDIDATI")) <
                text.indexOf(QStringLiteral("CREA NUOVA SESSIONE"), 400));
    }

    void unknownTopicIsEmpty() { QVERIFY(HelpTopics::text(QStringLiteral("Nessun argomento")).isEmpty()); }

    // --- the help window ---------------------------------------------------

    void helpWindowDesign()
    {
        TfrmGuida w;
        QCOMPARE(w.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
        QCOMPARE(w.size(), QSize(670, 572));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(w.lblTitolo->text(), QStringLiteral("Argomento della guida."));
        QVERIFY(w.txtGuida->isReadOnly());
        QCOMPARE(w.lnkWeb->text(), QStringLiteral("Visualizza guida in formato PDF"));
        QVERIFY(w.lnkWeb->font().underline());
        QCOMPARE(w.btnChiudi->text(), QStringLiteral("Chiudi"));
        QVERIFY(!w.imgLogo->pixmap().isNull());
        QVERIFY(!w.imgPDF->pixmap().isNull());
    }

    void showTopicSetsTitleAndText_data()
    {
        QTest::addColumn<QString>("title");
        for (const HelpTopics::Topic& t : HelpTopics::all())
            QTest::newRow(qPrintable(t.title)) << t.title;
    }
    void showTopicSetsTitleAndText()
    {
        QFETCH(QString, title);
        QWidget owner;
        Seen seen;
        expectHelp(&seen);
        Help::showTopic(&owner, title);
        QCOMPARE(seen.className, QStringLiteral("TfrmGuida"));
        QCOMPARE(seen.owner, &owner);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, shownText(HelpTopics::text(title)));
        // The window is gone once closed.
        QVERIFY(owner.findChildren<TfrmGuida*>().isEmpty());
    }

    void helpButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("launcher") << "avvio"
                                  << "imgGuida"
                                  << "Uno sguardo a Selvora";
        QTest::newRow("candidate card") << "candidati"
                                        << "cmdGuida"
                                        << "App Archivio Candidati";
        QTest::newRow("new session") << "creaArchivio"
                                     << "imgGuida"
                                     << "Gestione sessioni colloqui di lavoro";
        QTest::newRow("session list") << "apriArchivio"
                                      << "imgGuida"
                                      << "Gestione sessioni colloqui di lavoro";
        QTest::newRow("ranking chooser") << "apriClassifica"
                                         << "imgGuida"
                                         << "Visualizzazione graduatorie";
    }
    void helpButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, expected);
        const QHash<QString, QWidget*> windows {
            {QStringLiteral("avvio"), static_cast<QWidget*>(Windows::avvio())},
            {QStringLiteral("candidati"), static_cast<QWidget*>(Windows::candidati())},
            {QStringLiteral("creaArchivio"), static_cast<QWidget*>(Windows::creaArchivio())},
            {QStringLiteral("apriArchivio"), static_cast<QWidget*>(Windows::apriArchivio())},
            {QStringLiteral("apriClassifica"), static_cast<QWidget*>(Windows::apriClassifica())},
        };
        QWidget* w = windows.value(window);
        QVERIFY(w);
        auto* helpButton = control<QToolButton>(w, button);
        QVERIFY(helpButton);
        Seen seen;
        expectHelp(&seen);
        helpButton->click();
        QCOMPARE(seen.title, expected);
        QCOMPARE(seen.text, shownText(HelpTopics::text(expected)));
        QCOMPARE(seen.owner, w);
    }

    void twoTopicsOneLayout()
    {
        Seen first, second;
        expectHelp(&first);
        Help::showTopic(Windows::avvio(), HelpTopics::launcher());
        expectHelp(&second);
        Help::showTopic(Windows::avvio(), HelpTopics::rankings());
        QVERIFY(first.title != second.title);
        QVERIFY(first.text != second.text);
    }

    void manualLink_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("link") << "lnkWeb";
        QTest::newRow("document picture") << "imgPDF";
    }
    void manualLink()
    {
        QFETCH(QString, clicked);
        TempProgramFolder folder;
        TfrmGuida w;
        w.show();
        auto* target = control<QLabel>(&w, clicked);
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(linkColour(w.lnkWeb), QColor::fromRgba(0xFFFFA500));
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(linkColour(w.lnkWeb), QColor::fromRgba(0xFF00008B));
        QCOMPARE(TMisc::opened(), QStringList {QLatin1Char('"') + folder.path() + QStringLiteral("Guida.pdf\"")});
    }

    void sameManualFromEveryTopic()
    {
        TempProgramFolder folder;
        for (const QString& title : {HelpTopics::launcher(), HelpTopics::sessions()}) {
            Modal::queueHook([](QDialog* d) {
                auto* g = qobject_cast<TfrmGuida*>(d);
                QTest::mouseClick(g->lnkWeb, Qt::LeftButton);
            });
            Help::showTopic(nullptr, title);
        }
        const QString manual = QLatin1Char('"') + folder.path() + QStringLiteral("Guida.pdf\"");
        QCOMPARE(TMisc::opened(), (QStringList {manual, manual}));
    }

    void pressAndLeaveDoesNotOpen()
    {
        TfrmGuida w;
        w.show();
        QTest::mousePress(w.lnkWeb, Qt::LeftButton);
        QTest::mouseRelease(w.lnkWeb, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(linkColour(w.lnkWeb), QColor::fromRgba(0xFF00008B));
        QVERIFY(TMisc::opened().isEmpty());
    }

    void closeButton()
    {
        Modal::queueHook([](QDialog* d) {
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnChiudi")), Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        Help::showTopic(nullptr, HelpTopics::rankings());
    }

    // --- information and credits -------------------------------------------

    void informationWindow()
    {
        TfrmInfo w;
        QCOMPARE(w.windowTitle(), QStringLiteral(" Informazioni su Selvora"));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(w.lnkWeb->text(), Product::ContactEmail);
        QCOMPARE(linkColour(w.lnkWeb), QColor::fromRgba(0xFF00008B));
        QCOMPARE(w.btnChiudi->text(), QStringLiteral("Chiudi"));
        QVERIFY(!w.imgLogo->pixmap().isNull());
        QVERIFY(!w.imgEmail->pixmap().isNull());
    }

    void emailLinkIsNotPercentEncoded_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("link") << "lnkWeb";
        QTest::newRow("envelope") << "imgEmail";
    }
    void emailLinkIsNotPercentEncoded()
    {
        QFETCH(QString, clicked);
        TfrmInfo w;
        w.show();
        auto* target = control<QLabel>(&w, clicked);
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(linkColour(w.lnkWeb), QColor::fromRgba(0xFFFFA500));
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(linkColour(w.lnkWeb), QColor::fromRgba(0xFF00008B));
        QCOMPARE(TMisc::opened(),
                 QStringList {QStringLiteral("\"mailto:info@selvora-software.it?subject=Software Selvora&body=Salve, "
                                             "desidererei avere le seguenti informazioni sul software in oggetto:\"")});
    }

    void creditsWindow()
    {
        TfrmSplash w;
        QVERIFY(w.windowTitle().contains(Product::Name));
        QVERIFY(w.windowTitle().contains(Product::Maker));
        QVERIFY(w.windowTitle().startsWith(QLatin1Char(' ')));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(w.lnkWeb->text(), Product::WebSite);
        QVERIFY(!w.imgLogo->pixmap().isNull());
        QVERIFY(!w.imgWeb->pixmap().isNull());
    }

    void creditsWebLink_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("link") << "lnkWeb";
        QTest::newRow("globe") << "imgWeb";
    }
    void creditsWebLink()
    {
        QFETCH(QString, clicked);
        TfrmSplash w;
        w.show();
        auto* target = control<QLabel>(&w, clicked);
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(linkColour(w.lnkWeb), QColor::fromRgba(0xFFFFA500));
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(linkColour(w.lnkWeb), QColor::fromRgba(0xFF00008B));
        QCOMPARE(TMisc::opened(), QStringList {QStringLiteral("https://www.selvora-software.it")});
    }

    void launcherPictures()
    {
        TfrmAvvio* avvio = Windows::avvio();
        Modal::queueHook([](QDialog* d) { QVERIFY(qobject_cast<TfrmInfo*>(d)); });
        control<QToolButton>(avvio, QStringLiteral("imgInfo"))->click();
        Modal::queueHook([](QDialog* d) { QVERIFY(qobject_cast<TfrmSplash*>(d)); });
        control<QToolButton>(avvio, QStringLiteral("imgCopyright"))->click();
        QCOMPARE(Modal::history(), (QStringList {QStringLiteral("TfrmInfo"), QStringLiteral("TfrmSplash")}));
        control<QToolButton>(avvio, QStringLiteral("icoSito"))->click();
        QCOMPARE(TMisc::opened(), QStringList {Product::WebSite});
    }
};

SELVORA_TEST_MAIN(TestHelp)
#include "tst_help.moc"
