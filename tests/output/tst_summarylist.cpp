// The summary list widget: its fixed font, item width and scroll bars, the
// list order or insertion order, the card positions it carries, and the
// find command driven through a real find box and button.
#include "base/platform/Messages.h"
#include "shared/ui/SummaryList.h"
#include "shared/ui/SummaryListFit.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// A list window in miniature: the list, the find box and its button.
class FindWindow : public QDialog
{
public:
    FindWindow()
    {
        list = new SummaryList(this);
        list->setObjectName(QStringLiteral("lstRecords"));
        txtTrova = new QLineEdit(this);
        txtTrova->setObjectName(QStringLiteral("txtTrova"));
        btnTrova = new QPushButton(QStringLiteral("Trova"), this);
        btnTrova->setObjectName(QStringLiteral("btnTrova"));
        other = new QPushButton(QStringLiteral("Esci"), this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(list);
        layout->addWidget(txtTrova);
        layout->addWidget(btnTrova);
        layout->addWidget(other);
        SummaryList::linkFind(txtTrova, btnTrova);
        connect(btnTrova, &QPushButton::clicked, this, [this] { list->find(this, txtTrova->text(), &last); });
        connect(other, &QPushButton::clicked, this, [this] { ++otherClicks; });
        resize(600, 400);
    }
    SummaryList* list;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QPushButton* other;
    QString last;
    int otherClicks = 0;
};

} // namespace

class TestSummaryList : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void fontAndItemWidthAreFixed()
    {
        SummaryList list;
        list.setStyleSheet(QStringLiteral("font: italic 20pt \"Arial\"; color: red;"));
        list.setLines({QStringLiteral("Rossi")});
        const QModelIndex index = list.model()->index(0, 0);
        const QFont font = index.data(Qt::FontRole).value<QFont>();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(font.pointSize(), 12);
        QVERIFY(!font.bold());
        QVERIFY(!font.italic());
        QCOMPARE(index.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        QCOMPARE(list.itemSize().width(), 1600);
        QCOMPARE(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(list.uniformItemSizes());
    }

    // A fitted list keeps 12 points while its longest line fits, takes a
    // smaller size that shows the line whole when it does not, and stops at
    // 8 points; lines added later count too.
    void fittedFont_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("largest");
        QTest::addColumn<bool>("smallest");
        QTest::newRow("room to spare") << 2400 << 150 << true << false;
        QTest::newRow("a 1366 screen") << 1340 << 160 << false << false;
        QTest::newRow("too narrow for the smallest") << 500 << 150 << false << true;
    }
    void fittedFont()
    {
        QFETCH(int, width);
        QFETCH(int, columns);
        QFETCH(bool, largest);
        QFETCH(bool, smallest);
        SummaryList list;
        SummaryListFit::install(&list);
        list.resize(width, 300);
        list.setLines({QStringLiteral("corta")});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QString line = QString(columns - 1, QLatin1Char('x')) + QLatin1Char('9');
        list.addLine(line);
        QCoreApplication::processEvents();
        const QModelIndex index = list.model()->index(1, 0);
        QCOMPARE(index.data().toString(), line);
        const QFont font = index.data(Qt::FontRole).value<QFont>();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QVERIFY(font.pointSizeF() >= SummaryListFit::SmallestPointSize);
        QVERIFY(font.pointSizeF() <= SummaryListFit::LargestPointSize);
        QCOMPARE(font.pointSizeF() == SummaryListFit::LargestPointSize, largest);
        QCOMPARE(font.pointSizeF() == SummaryListFit::SmallestPointSize, smallest);
        const int right = list.visualRect(index).left() + QFontMetrics(font).horizontalAdvance(line);
        QCOMPARE(right <= list.viewport()->width(), !smallest);
        QVERIFY(list.visualRect(index).width() >= QFontMetrics(font).horizontalAdvance(line));
    }

    void longLinesScrollSideways()
    {
        SummaryList list;
        list.resize(400, 300);
        list.setLines({QString(150, QLatin1Char('x'))});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(list.horizontalScrollBar()->maximum() >= 1600 - list.viewport()->width() - 4);
    }

    void sortedListKeepsListOrderAndPositions()
    {
        SummaryList list;
        list.setLines({"rossi mario", "Bianchi Anna", "ROSSI ANNA", "_zeta"}, {11, 12, 13, 14});
        QCOMPARE(list.lines(), (QStringList {"Bianchi Anna", "ROSSI ANNA", "rossi mario", "_zeta"}));
        QCOMPARE(list.position(0), 12);
        QCOMPARE(list.position(1), 13);
        QCOMPARE(list.position(2), 11);
        QCOMPARE(list.position(3), 14);
        QCOMPARE(list.selectedRow(), -1);
        list.addLine(QStringLiteral("Conti"), 15);
        list.addLine(QStringLiteral("zeta"), 16);
        QCOMPARE(list.lines(), (QStringList {"Bianchi Anna", "Conti", "ROSSI ANNA", "rossi mario", "zeta", "_zeta"}));
        QCOMPARE(list.position(1), 15);
        QCOMPARE(list.position(4), 16);
    }

    void unsortedListKeepsInsertionOrder()
    {
        SummaryList list;
        list.setSorted(false);
        list.setLines({"3  c", "1  a", "2  b"}, {3, 1, 2});
        QCOMPARE(list.lines(), (QStringList {"3  c", "1  a", "2  b"}));
        list.addLine(QStringLiteral("0  z"), 9);
        QCOMPARE(list.text(3), QStringLiteral("0  z"));
        QCOMPARE(list.position(3), 9);
        QCOMPARE(list.count(), 4);
        list.clear();
        QCOMPARE(list.count(), 0);
    }

    void doubleClickGivesTheRow()
    {
        SummaryList list;
        list.resize(400, 300);
        list.setLines({"a", "b", "c"}, {7, 8, 9});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy spy(&list, &SummaryList::rowDoubleClicked);
        const QRect r = list.visualRect(list.model()->index(1, 0));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first().first().toInt(), 1);
        QCOMPARE(list.position(1), 8);
    }

    void enterInFindBoxGoesToTheButton()
    {
        FindWindow w;
        w.list->setLines({"Rossi", "Verdi"});
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.txtTrova->setFocus();
        QTest::keyClicks(w.txtTrova, QStringLiteral("verdi"));
        QTest::keyClick(w.txtTrova, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.btnTrova);
        QCOMPARE(w.list->selectedRow(), -1); // moving the focus finds nothing yet
        QTest::keyClick(w.btnTrova, Qt::Key_Return);
        QCOMPARE(w.list->selectedRow(), 1);
        QCOMPARE(w.otherClicks, 0);
    }

    void findRepeatsAndWraps()
    {
        FindWindow w;
        w.list->setLines({"Rossi Mario", "Bianchi Anna", "ROSSI ANNA", "Verdi Ugo"});
        // Sorted: Bianchi Anna, Rossi Mario, ROSSI ANNA, Verdi Ugo
        w.show();
        w.txtTrova->setText(QStringLiteral("ROSSI"));
        QTest::mouseClick(w.btnTrova, Qt::LeftButton);
        QCOMPARE(w.list->selectedRow(), 1);
        QTest::mouseClick(w.btnTrova, Qt::LeftButton);
        QCOMPARE(w.list->selectedRow(), 2);
        QTest::mouseClick(w.btnTrova, Qt::LeftButton);
        QCOMPARE(w.list->selectedRow(), 1); // wrapped round
        w.txtTrova->setText(QStringLiteral("anna"));
        QTest::mouseClick(w.btnTrova, Qt::LeftButton);
        QCOMPARE(w.list->selectedRow(), 0); // a new text starts from the top
        QCOMPARE(w.last, QStringLiteral("anna"));
        QVERIFY(Messages::shown().isEmpty());
    }

    void findWithNothingSelectedSelectsTheFirst()
    {
        FindWindow w;
        w.list->setLines({"a", "b"});
        w.show();
        QTest::mouseClick(w.btnTrova, Qt::LeftButton); // empty find text
        QCOMPARE(w.list->selectedRow(), 0);
        w.list->selectRow(1);
        w.txtTrova->setText(QStringLiteral("zzz"));
        QTest::mouseClick(w.btnTrova, Qt::LeftButton);
        QCOMPARE(w.list->selectedRow(), 1); // no match: unchanged
    }

    void findInEmptyListShowsThePlainMessage()
    {
        FindWindow w;
        w.show();
        w.txtTrova->setText(QStringLiteral("rossi"));
        QTest::mouseClick(w.btnTrova, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().kind, Messages::Kind::Plain);
        QCOMPARE(shown.first().text, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        QVERIFY(w.last.isEmpty()); // nothing searched
    }

    void hundredThousandLines()
    {
        // Not a timing test: the list takes a long fill in one go and finds
        // the last line, wrapping from a selection near the end.
        SummaryList list;
        QStringList lines;
        lines.reserve(100000);
        for (int i = 0; i < 100000; ++i)
            lines << QStringLiteral("Candidato %1").arg(99999 - i, 6, 10, QLatin1Char('0'));
        list.setLines(lines);
        QCOMPARE(list.count(), 100000);
        QCOMPARE(list.text(0), QStringLiteral("Candidato 000000"));
        QString last;
        list.find(nullptr, QStringLiteral("099999"), &last);
        QCOMPARE(list.selectedRow(), 99999);
        list.find(nullptr, QStringLiteral("099999"), &last);
        QCOMPARE(list.selectedRow(), 99999);
    }
};

SELVORA_TEST_MAIN(TestSummaryList)
#include "tst_summarylist.moc"
