#include "app/ui/Password.h"

#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"

#include <QPushButton>
#include <QVBoxLayout>

TfrmPassword::TfrmPassword(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral(" Selvora - Accesso"));
    auto* enter = new QPushButton(QStringLiteral("Entra"), this);
    enter->setObjectName(QStringLiteral("cmdEntra"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(enter);
    connect(enter, &QPushButton::clicked, this, [this] {
        Windows::avvio()->show();
        hide();
    });
}
