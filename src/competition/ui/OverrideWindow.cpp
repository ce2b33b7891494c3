#include "competition/ui/OverrideWindow.h"

#include "base/platform/Messages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

OverrideWindow::OverrideWindow(const QString& candidate, const std::optional<OutcomeOverride>& current, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDecisione"));
    setWindowTitle(QStringLiteral(" Selvora - Decisione della commissione"));
    lblCandidato = new QLabel(candidate, this);
    lblCandidato->setObjectName(QStringLiteral("lblCandidato"));
    QFont bold = lblCandidato->font();
    bold.setBold(true);
    lblCandidato->setFont(bold);

    cboEsito = new QComboBox(this);
    cboEsito->setObjectName(QStringLiteral("cboEsito"));
    cboEsito->addItems({QStringLiteral("Nessuna decisione (esito calcolato)"), QStringLiteral("Vincitore"),
                        QStringLiteral("Idoneo"), QStringLiteral("Escluso")});
    if (current)
        cboEsito->setCurrentIndex(1 + int(current->outcome));
    auto* captionOutcome = new QLabel(QStringLiteral("&Esito:"), this);
    captionOutcome->setBuddy(cboEsito);

    txtMotivo = new QPlainTextEdit(this);
    txtMotivo->setObjectName(QStringLiteral("txtMotivo"));
    txtMotivo->setTabChangesFocus(true);
    txtMotivo->setAccessibleName(QStringLiteral("Motivazione"));
    if (current)
        txtMotivo->setPlainText(current->reason);
    auto* captionReason = new QLabel(QStringLiteral("&Motivazione (stampata accanto all'esito):"), this);
    captionReason->setBuddy(txtMotivo);

    btnOk = new QPushButton(QStringLiteral("Salva"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);
    connect(btnOk, &QPushButton::clicked, this, &OverrideWindow::accept);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    auto* outcome = new QHBoxLayout;
    outcome->addWidget(captionOutcome);
    outcome->addWidget(cboEsito, 1);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(btnOk);
    commands->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCandidato);
    layout->addLayout(outcome);
    layout->addWidget(captionReason);
    layout->addWidget(txtMotivo, 1);
    layout->addLayout(commands);
    resize(560, 320);
    cboEsito->setFocus(Qt::OtherFocusReason);
}

std::optional<OutcomeOverride> OverrideWindow::decision() const
{
    if (cboEsito->currentIndex() <= 0)
        return std::nullopt;
    OutcomeOverride o;
    o.outcome = OutcomeOverride::Outcome(cboEsito->currentIndex() - 1);
    o.reason = txtMotivo->toPlainText().trimmed();
    return o;
}

void OverrideWindow::accept()
{
    // A decision against the computed outcome is always written down.
    if (cboEsito->currentIndex() > 0 && txtMotivo->toPlainText().trimmed().isEmpty()) {
        Messages::warning(this, QStringLiteral("Scrivere la motivazione della decisione della commissione."));
        txtMotivo->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}
