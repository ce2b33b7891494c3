// Labels whose text changes, as a screen reader reads them: the accessible
// name follows the text shown.
#include "shared/ui/SpokenLabel.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QAccessible>

namespace {

QString nameOf(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

} // namespace

class TestSpokenLabel : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void nameFollowsTheText_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("whenEmpty");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("position") << "Scheda "
                                  << "Nuova scheda"
                                  << "4"
                                  << "Scheda 4";
        QTest::newRow("no position") << "Scheda "
                                     << "Nuova scheda" << QString() << "Nuova scheda";
        QTest::newRow("sentence") << QString() << QString() << "Salva la scheda corrente in archivio."
                                  << "Salva la scheda corrente in archivio.";
        QTest::newRow("rich text read as plain") << QString() << QString() << "<b>Estate</b> 2024"
                                                 << "Estate 2024";
    }
    void nameFollowsTheText()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, whenEmpty);
        QFETCH(QString, text);
        QFETCH(QString, name);
        QWidget window;
        auto* label = new SpokenLabel(&window, prefix, whenEmpty);
        label->setText(QStringLiteral("prima"));
        QCOMPARE(nameOf(label), prefix + QStringLiteral("prima"));
        label->setText(text);
        QCOMPARE(nameOf(label), name);
        QCOMPARE(label->spokenName(), name);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(iface->role(), QAccessible::StaticText);
    }

    // Cleared, the label says what an empty position means.
    void clearedLabel()
    {
        QWidget window;
        auto* label = new SpokenLabel(&window, QStringLiteral("Scheda "), QStringLiteral("Nuova scheda"));
        label->setText(QStringLiteral("7"));
        QCOMPARE(nameOf(label), QStringLiteral("Scheda 7"));
        label->clear();
        QCOMPARE(nameOf(label), QStringLiteral("Nuova scheda"));
        // A name given by hand still wins, as for any widget.
        label->setAccessibleName(QStringLiteral("Fisso"));
        label->setText(QStringLiteral("8"));
        QCOMPARE(nameOf(label), QStringLiteral("Fisso"));
    }
};

SELVORA_TEST_MAIN(TestSpokenLabel)
#include "tst_spokenlabel.moc"
