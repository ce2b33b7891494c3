// Message boxes: each kind has its own icon and title, with the standard
// buttons or with buttons of its own; the scripted stand-in records and
// answers boxes with buttons of their own.
#include "base/platform/Messages.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QMessageBox>
#include <QPushButton>

#include <memory>

using Kind = Messages::Kind;
Q_DECLARE_METATYPE(Kind)

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void init() { Messages::resetTestState(); }

    void boxHasTheLookOfItsKind_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title");
        const QStringList own {QStringLiteral("Salva comunque"), QStringLiteral("Correggi")};
        const struct
        {
            const char* name;
            Kind kind;
            QMessageBox::Icon icon;
            const char* title;
        } kinds[] = {
            {"warning", Kind::Warning, QMessageBox::Warning, "Attenzione"},
            {"error", Kind::Error, QMessageBox::Critical, "Errore"},
            {"information", Kind::Information, QMessageBox::Information, "Informazione"},
            {"confirmation", Kind::Confirmation, QMessageBox::Question, "Conferma"},
            {"plain", Kind::Plain, QMessageBox::NoIcon, "Selvora"},
        };
        for (const auto& k : kinds) {
            QTest::newRow(qPrintable(QStringLiteral("%1, standard buttons").arg(QLatin1String(k.name))))
                << k.kind << QStringList() << int(k.icon) << QString::fromUtf8(k.title);
            QTest::newRow(qPrintable(QStringLiteral("%1, buttons of its own").arg(QLatin1String(k.name))))
                << k.kind << own << int(k.icon) << QString::fromUtf8(k.title);
        }
    }
    void boxHasTheLookOfItsKind()
    {
        QFETCH(Kind, kind);
        QFETCH(QStringList, buttons);
        QFETCH(int, icon);
        QFETCH(QString, title);
        const std::unique_ptr<QMessageBox> box =
            Messages::makeBox(nullptr, kind, QStringLiteral("Riga 1\n\rRiga 2"), buttons);
        QCOMPARE(int(box->icon()), icon);
        // The icon is really drawn, not only named.
        QCOMPARE(box->iconPixmap().isNull(), icon == int(QMessageBox::NoIcon));
        QCOMPARE(box->windowTitle(), title);
        QCOMPARE(box->text(), QStringLiteral("Riga 1\nRiga 2"));
        if (buttons.isEmpty())
            return;
        // The caller's buttons, in its order; Enter and Escape both take the
        // last one, the one that changes nothing.
        QCOMPARE(box->buttons().size(), buttons.size());
        QStringList captions;
        for (QAbstractButton* b : box->buttons())
            captions << b->text();
        QCOMPARE(captions, buttons);
        QCOMPARE(box->defaultButton()->text(), buttons.last());
        QCOMPARE(box->escapeButton()->text(), buttons.last());
    }

    // In test mode no box appears: it is recorded with its kind and buttons
    // and answered from the queue, the last button when nothing is queued.
    void choiceIsScripted()
    {
        const QStringList buttons {QStringLiteral("Sostituisci"), QStringLiteral("Lascia come sono")};
        Messages::queueChoice(0);
        QCOMPARE(Messages::choose(nullptr, Kind::Confirmation, QStringLiteral("Sostituirli?"), buttons), 0);
        Messages::queueChoice(7);
        QCOMPARE(Messages::choose(nullptr, Kind::Warning, QStringLiteral("Salvare?"), buttons), 1);
        QCOMPARE(Messages::unscriptedConfirmations(), 0);
        QCOMPARE(Messages::choose(nullptr, Kind::Warning, QStringLiteral("Ancora?"), buttons), 1);
        QCOMPARE(Messages::unscriptedConfirmations(), 1);
        QCOMPARE(Messages::choose(nullptr, Kind::Warning, QStringLiteral("Niente"), {}), -1);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(int(shown.at(0).kind), int(Kind::Confirmation));
        QCOMPARE(shown.at(0).text, QStringLiteral("Sostituirli?"));
        QCOMPARE(shown.at(0).buttons, buttons);
        QCOMPARE(int(shown.at(1).kind), int(Kind::Warning));
        Messages::resetTestState();
    }
};

SELVORA_TEST_MAIN(TestMessages)
#include "tst_messages.moc"
