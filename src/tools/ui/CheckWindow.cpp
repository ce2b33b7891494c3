#include "tools/ui/CheckWindow.h"

#include "base/core/Formats.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/PictureButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CheckWindow::CheckWindow(const Parts& parts, QWidget* parent)
    : QDialog(parent)
{
    Formats::apply();
    setObjectName(parts.windowName);
    setWindowTitle(parts.title);
    DialogFrame::titleOnly(this);
    DialogFrame::windowGradient(this, DialogFrame::SteelBlue, Qt::white);

    auto* panel = new QFrame(this);
    panel->setObjectName(parts.panelName);
    panel->setStyleSheet(QStringLiteral("#%1 { background: %2; border: 1px solid #A0A0A0; border-radius: 6px; }")
                             .arg(parts.panelName, parts.panelBackground));

    imgLogo = new QLabel(panel);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(selvoraIcon(parts.icon).pixmap(56, 56));

    lblTitolo = new QLabel(parts.heading, panel);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(QFont(QStringLiteral("Arial"), 12));
    lblTitolo->setWordWrap(true);

    auto* strip = new QFrame(panel);
    strip->setObjectName(parts.stripName);
    DialogFrame::stripGradient(strip);

    m_field = new QLineEdit(strip);
    m_field->setObjectName(parts.fieldName);
    m_field->setMaxLength(parts.maxLength);
    QFont mono(QStringLiteral("Courier New"), 20, QFont::Bold);
    mono.setStyleHint(QFont::Monospace);
    m_field->setFont(mono);
    m_field->setAccessibleName(parts.fieldAccessibleName);
    m_field->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(parts.widthSample));
    lblTitolo->setBuddy(m_field);

    btnControlla = new QPushButton(QStringLiteral("Controlla"), strip);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnControlla->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    btnControlla->setMinimumHeight(36);
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(QFont(QStringLiteral("Verdana"), 10));
    btnChiudi->setMinimumSize(110, 32);

    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(12, 10, 12, 10);
    stripLayout->addWidget(m_field, 1);
    stripLayout->addWidget(btnControlla);

    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo, 0, Qt::AlignTop);
    top->addWidget(lblTitolo, 1);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(16, 16, 16, 16);
    inner->setSpacing(12);
    inner->addLayout(top);
    inner->addWidget(strip);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(panel);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_field, btnControlla);
    setTabOrder(btnControlla, btnChiudi);
    m_field->installEventFilter(this);
    connect(btnChiudi, &QPushButton::clicked, this, &CheckWindow::btnChiudiClick);
}

void CheckWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_field->setFocus();
}

bool CheckWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Enter moves on to the check button; it does not check by itself.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            btnControlla->setFocus(Qt::TabFocusReason);
            return true;
        }
        return codeFieldKeyDown(key);
    }
    return QDialog::eventFilter(watched, event);
}

bool CheckWindow::codeFieldKeyDown(QKeyEvent*)
{
    return false;
}

void CheckWindow::btnChiudiClick()
{
    reject();
}
