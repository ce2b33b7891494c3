#include "shared/ui/SearchWindow.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "shared/ui/FieldHighlight.h"
#include "shared/ui/KeyCommands.h"
#include "shared/ui/ListWindowParts.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/ScreenWindow.h"
#include "shared/ui/SummaryList.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ListWindowParts;

SearchWindow::SearchWindow(QWidget* parent, const Look& look, const QList<FilterField>& fields, int leftColumn)
    : ListWindow(parent, look)
{
    panContainer->setVisible(false);

    panAvvio = new QFrame(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(QRect(QPoint(0, 0), ClientSize));

    imgSpiega = pictureLabel(panAvvio, QStringLiteral("imgSpiega"), "search",
                             QStringLiteral("Compilare uno o più campi e premere Cerca: saranno elencate le schede "
                                            "che contengono tutti i testi indicati, senza distinguere maiuscole e "
                                            "minuscole. Con tutti i campi vuoti sono elencate tutte le schede."),
                             36);
    m_corner = new QWidget(panAvvio);
    auto* cornerLayout = new QVBoxLayout(m_corner);
    cornerLayout->setContentsMargins(0, 0, 0, 0);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < fields.size(); ++i) {
        const FilterField& c = fields.at(i);
        auto* field = new QLineEdit;
        field->setObjectName(c.name);
        field->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
        field->setMaxLength(32767); // no limit of its own
        QFrame* eff = FieldHighlight::make(panAvvio, c.highlightName);
        QWidget* stack = FieldHighlight::stack(panAvvio, eff, field);
        auto* label = new QLabel(c.caption, panAvvio);
        label->setObjectName(QStringLiteral("inf") + c.name.mid(3));
        label->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
        label->setBuddy(field);
        field->setAccessibleName(TextRules::trimmed(c.caption).chopped(1));
        field->installEventFilter(this);
        const int column = i < leftColumn ? 0 : 1;
        const int row = (i < leftColumn ? i : i - leftColumn) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(stack, row + 1, column);
        m_filters.append(field);
        m_highlights.append(eff);
    }
    for (int i = 0; i < m_filters.size(); ++i) {
        // Enter in any field searches, as "Cerca" does; Tab moves on.
        KeyCommands::onEnter(m_filters.at(i), [this] { btnCerca->click(); });
        if (i > 0)
            setTabOrder(m_filters.at(i - 1), m_filters.at(i));
    }

    btnAnnulla =
        commandButton(panAvvio, "btnAnnulla", "x", QStringLiteral("Chiudi"), QStringLiteral("Chiude la finestra."));
    btnCerca = commandButton(panAvvio, "btnCerca", "search", QStringLiteral("Cerca"),
                             QStringLiteral("Cerca le schede che contengono i testi indicati."));
    btnCerca->installEventFilter(this);
    lblAttendere = colouredLabel(panAvvio, "lblAttendere", QStringLiteral("Ricerca schede in corso. Attendere..."),
                                 DarkCyan, 11, true);
    lblAttendere->setAlignment(Qt::AlignCenter);
    lblAttendere->setVisible(false);
    {
        QSizePolicy sp = lblAttendere->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        lblAttendere->setSizePolicy(sp);
    }
    lblConta = makeHiddenLabel(this, QStringLiteral("lblConta"));
    lblMemory = makeHiddenLabel(this, QStringLiteral("lblMemory"));
    if (!m_filters.isEmpty()) {
        setTabOrder(m_filters.last(), btnCerca);
        setTabOrder(btnCerca, btnAnnulla);
    }

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_corner, 0, Qt::AlignTop);
    middle->addSpacing(12);
    middle->addLayout(grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(lblAttendere, 1);
    buttons->addWidget(btnCerca);
    auto* layout = new QVBoxLayout(panAvvio);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(imgSpiega);
    layout->addSpacing(6);
    layout->addLayout(middle);
    layout->addStretch(1);
    layout->addLayout(buttons);

    lblTrovate = colouredLabel(panContainer, "lblTrovate", QString(), DarkCyan, 11, true);
    lblTrovate->setAlignment(Qt::AlignCenter);
    auto* row = static_cast<QHBoxLayout*>(commandRow()->layout());
    // Between "Chiudi" and "Stampa", in place of the stretch.
    row->insertWidget(2, lblTrovate, 1);

    connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &SearchWindow::btnAnnullaClick);
}

void SearchWindow::setCornerPicture(QLabel* picture)
{
    picture->setParent(m_corner);
    m_corner->layout()->addWidget(picture);
}

void SearchWindow::FormShow()
{
    m_lastSearched.clear();
    lstRecords->selectRow(0);
    txtTrova->clear();
    if (!m_filters.isEmpty())
        m_filters.first()->setFocus(Qt::OtherFocusReason);
}

void SearchWindow::done(int result)
{
    lblAttendere->setVisible(false);
    ListWindow::done(result);
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == btnCerca) {
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            btnCercaMouseDown();
        return false;
    }
    const int i = m_filters.indexOf(qobject_cast<QLineEdit*>(watched));
    if (i >= 0) {
        // The focused field stands on its yellow rectangle.
        if (event->type() == QEvent::FocusIn)
            m_highlights.at(i)->setVisible(true);
        else if (event->type() == QEvent::FocusOut)
            m_highlights.at(i)->setVisible(false);
        return false;
    }
    return ListWindow::eventFilter(watched, event);
}

void SearchWindow::btnCercaMouseDown()
{
    // On screen while the search runs after the button is released.
    lblAttendere->setVisible(true);
    lblAttendere->repaint();
}

void SearchWindow::btnCercaClick()
{
    // Also when "Cerca" is pressed from the keyboard.
    if (!lblAttendere->isVisible())
        btnCercaMouseDown();
    int active = 0;
    for (QLineEdit* f : m_filters)
        if (!TextRules::trimmed(f->text()).isEmpty())
            ++active;
    lblConta->setText(QString::number(active));
    lstRecords->clear();

    QStringList lines;
    QList<qint64> positions;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = search(&lines, &positions);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        // The filters stay on screen for another try.
        lblAttendere->setVisible(false);
        Messages::plain(this, RecordFile::accessMessage());
        return;
    }
    lstRecords->setLines(lines, positions);
    lstRecords->selectFirst();
    lblTrovate->setText(countText(lstRecords->count()));
    panContainer->setVisible(true);
    panAvvio->setVisible(false);
    txtTrova->clear();
    // The work is the list: on its first line, Enter opens it. An empty
    // result leaves the focus on the find box.
    if (lstRecords->count() > 0)
        lstRecords->setFocus(Qt::OtherFocusReason);
    else
        txtTrova->setFocus(Qt::OtherFocusReason);
}

void SearchWindow::btnAnnullaClick()
{
    close();
}
