#include "tools/ui/Calendario.h"

#include "base/core/Clock.h"
#include "base/core/Formats.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/ScreenWindow.h"
#include "tools/core/DatePickerRules.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCalendario::TfrmCalendario(QWidget* parent)
    : QDialog(parent)
{
    Formats::apply();
    setObjectName(QStringLiteral("frmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));
    DialogFrame::titleOnly(this);
    DialogFrame::windowGradient(this, Qt::white, DialogFrame::SteelBlue);

    infCalendario = new QLabel(QStringLiteral("Importare una data:"), this);
    infCalendario->setObjectName(QStringLiteral("infCalendario"));
    infCalendario->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    infCalendario->setStyleSheet(QStringLiteral("color: #1f4e79;"));

    bkgCalendario = new QFrame(this);
    bkgCalendario->setObjectName(QStringLiteral("bkgCalendario"));
    bkgCalendario->setStyleSheet(
        QStringLiteral("#bkgCalendario { background: #DDE6EF; border: 1px solid #9DB9D9; border-radius: 6px; }"));

    calAppuntamenti = new QCalendarWidget(bkgCalendario);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setFont(QFont(QStringLiteral("Verdana"), 10));
    calAppuntamenti->setSelectedDate(Clock::today());
    calAppuntamenti->setAccessibleName(QStringLiteral("Calendario"));
    infCalendario->setBuddy(calAppuntamenti);
    auto* bkgLayout = new QVBoxLayout(bkgCalendario);
    bkgLayout->setContentsMargins(8, 8, 8, 8);
    bkgLayout->addWidget(calAppuntamenti);

    btnImportaData = new QPushButton(QStringLiteral("Importa"), this);
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton* b : {btnImportaData, btnAnnulla}) {
        b->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
        b->setMinimumSize(110, 32);
    }

    lblMemory = makeHiddenLabel(this, QStringLiteral("lblMemory"));

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnImportaData);
    bottom->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);
    layout->addWidget(infCalendario);
    layout->addWidget(bkgCalendario);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(calAppuntamenti, btnImportaData);
    setTabOrder(btnImportaData, btnAnnulla);
    calAppuntamenti->setFocus();
    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
}

void TfrmCalendario::btnImportaDataClick()
{
    if (lblMemory->text() != DatePickerRules::TagTorneoEmail)
        return;
    emit dateChosen(DatePickerRules::testo(calAppuntamenti->selectedDate()));
    accept();
}

void TfrmCalendario::btnAnnullaClick()
{
    reject();
}
