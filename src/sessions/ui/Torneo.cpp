#include "sessions/ui/Torneo.h"

#include <QLabel>
#include <QVBoxLayout>

TfrmTorneo::TfrmTorneo(QWidget* parent)
    : ScreenWindow(parent)
{
    setWindowTitle(QStringLiteral(" Selvora - Gestione sessione"));
    lblFile = makeHiddenLabel(this, QStringLiteral("lblFile"));
    lblNome = makeHiddenLabel(this, QStringLiteral("lblNome"));
    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    titSessione = new QLabel(this);
    titSessione->setObjectName(QStringLiteral("titSessione"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titSessione);
    layout->addWidget(lblPosizione);
}

void TfrmTorneo::showEvent(QShowEvent* event)
{
    titSessione->setText(lblNome->text());
    ScreenWindow::showEvent(event);
}
