// "Decisione della commissione": the outcome the committee gives a candidate
// against the computed one, with the written reason that is printed beside
// it; or no decision, to go back to the computed outcome.
#pragma once

#include "competition/core/Competition.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class OverrideWindow : public QDialog
{
    Q_OBJECT

public:
    OverrideWindow(const QString& candidate, const std::optional<OutcomeOverride>& current, QWidget* parent = nullptr);

    QLabel* lblCandidato = nullptr;
    QComboBox* cboEsito = nullptr;
    QPlainTextEdit* txtMotivo = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnAnnulla = nullptr;

    // The decision as chosen; empty for "Nessuna decisione".
    std::optional<OutcomeOverride> decision() const;

protected:
    void accept() override;
};
